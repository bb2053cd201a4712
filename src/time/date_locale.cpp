#include "time/date_locale.hpp"

#include <algorithm>
#include <utility>

namespace skyanchor {
namespace {

using Field = DateToken::Field;

bool isPatternLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isBlank(char c) { return c == ' '; }


void appendLiteral(std::vector<DateToken>& tokens, std::string_view text) {
    if (text.empty()) return;
    if (!tokens.empty() && tokens.back().field == Field::Literal) {
        tokens.back().literal += text;
    } else {
        DateToken literal;
        literal.literal = std::string(text);
        tokens.push_back(std::move(literal));
    }
}

// The token for a run of one pattern letter, or none for what a date text leaves out.
bool tokenOfRun(char letter, std::size_t count, DateToken& token) {
    token = DateToken{};
    token.padded = count >= 2;
    switch (letter) {
    case 'd':
        if (count > 2) return false;  // weekday
        token.field = Field::Day;
        return true;
    case 'M':
    case 'L':
        token.field = count == 3 ? Field::MonthAbbreviation : count >= 4 ? Field::MonthName : Field::Month;
        return true;
    case 'y':
        token.field = Field::Year;
        return true;
    case 'h':
        token.field = Field::Hour12;  // a 24-hour clock unless the pattern has a day-half marker
        return true;
    case 'H':
        token.field = Field::Hour24;
        return true;
    case 'm':
        token.field = Field::Minute;
        return true;
    case 's':
        token.field = Field::Second;
        return true;
    case 'A':
    case 'a':
        token.field = Field::DayHalf;
        token.lowercase = letter == 'a' && count >= 2;
        return true;
    default:
        return false;  // time zone, milliseconds, weekday names, era: not part of a serial
    }
}

void dropTrailingBlanks(std::vector<DateToken>& tokens) {
    if (tokens.empty() || tokens.back().field != Field::Literal) return;
    auto& literal = tokens.back().literal;
    while (!literal.empty() && isBlank(literal.back())) literal.pop_back();
    if (literal.empty()) tokens.pop_back();
}

// Blanks at either end only joined a field that was left out ("t HH:mm:ss").
void trimOuterBlanks(std::vector<DateToken>& tokens) {
    dropTrailingBlanks(tokens);
    if (!tokens.empty() && tokens.front().field == Field::Literal) {
        auto& literal = tokens.front().literal;
        literal.erase(0, literal.find_first_not_of(' '));
        if (literal.empty()) tokens.erase(tokens.begin());
    }
}

std::vector<DateToken> compilePattern(std::string_view pattern) {
    std::vector<DateToken> tokens;
    std::size_t pos = 0;
    while (pos < pattern.size()) {
        const char c = pattern[pos];
        if (c == '\'') {
            const std::size_t close = pattern.find('\'', pos + 1);
            const std::size_t end = close == std::string_view::npos ? pattern.size() : close;
            appendLiteral(tokens, end == pos + 1 ? "'" : pattern.substr(pos + 1, end - pos - 1));
            pos = end + 1;
        } else if (isPatternLetter(c)) {
            std::size_t end = pos;
            while (end < pattern.size() && pattern[end] == c) ++end;
            if (c == 'A' && end < pattern.size() && pattern[end] == 'P') ++end;  // "AP"
            if (c == 'a' && end < pattern.size() && pattern[end] == 'p') ++end;  // "ap"
            DateToken token;
            if (tokenOfRun(c, end - pos, token)) {
                tokens.push_back(token);
            } else {
                dropTrailingBlanks(tokens);  // a left-out field takes its blank along: "h:mm:ss AP t"
            }
            pos = end;
        } else {
            appendLiteral(tokens, pattern.substr(pos, 1));
            ++pos;
        }
    }
    trimOuterBlanks(tokens);
    const bool hasDayHalf = std::any_of(tokens.begin(), tokens.end(), [](const DateToken& t) { return t.field == Field::DayHalf; });
    if (!hasDayHalf) {
        for (auto& token : tokens) {
            if (token.field == Field::Hour12) token.field = Field::Hour24;
        }
    }
    return tokens;
}

std::string withoutTrailingPoint(std::string text) {
    while (!text.empty() && text.back() == '.') text.pop_back();
    return text;
}

bool hasLetter(std::string_view text) {
    return std::any_of(text.begin(), text.end(), [](char c) {
        return isPatternLetter(c) || static_cast<unsigned char>(c) >= 0x80;
    });
}

std::string withoutBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

std::size_t indexOf(const std::vector<DateToken>& tokens, std::initializer_list<Field> fields) {
    for (std::size_t i = 0; i < tokens.size(); ++i)
        if (std::find(fields.begin(), fields.end(), tokens[i].field) != fields.end()) return i;
    return tokens.size();
}

}  // namespace

std::string foldCase(std::string_view text) {
    std::string folded(text);
    for (std::size_t i = 0; i < folded.size(); ++i) {
        auto& c = folded[i];
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        } else if (static_cast<unsigned char>(c) == 0xC3 && i + 1 < folded.size()) {
            // U+00C0..U+00DE (but not the multiplication sign U+00D7) to U+00E0..U+00FE.
            auto& next = folded[i + 1];
            const auto b = static_cast<unsigned char>(next);
            if (b >= 0x80 && b <= 0x9E && b != 0x97) next = static_cast<char>(b + 0x20);
        }
    }
    return folded;
}

DateTextCodec::DateTextCodec(const DateLocale& locale)
    : locale_(locale),
      dateTokens_(compilePattern(locale.shortDatePattern)),
      timeTokens_(compilePattern(locale.longTimePattern)),
      foldedAm_(foldCase(locale.amText)),
      foldedPm_(foldCase(locale.pmText)) {
    for (std::size_t m = 0; m < 12; ++m) {
        foldedNames_[m] = withoutTrailingPoint(foldCase(locale.monthNames[m]));
        foldedAbbreviations_[m] = withoutTrailingPoint(foldCase(locale.monthAbbreviations[m]));
    }

    const auto year = indexOf(dateTokens_, {Field::Year});
    const auto month = indexOf(dateTokens_, {Field::Month, Field::MonthAbbreviation, Field::MonthName});
    const auto day = indexOf(dateTokens_, {Field::Day});
    yearFirst_ = year < month && year < day;
    monthBeforeDay_ = month < day;

    const auto isClockField = [](const DateToken& t) {
        return t.field == Field::Hour12 || t.field == Field::Hour24 || t.field == Field::Minute || t.field == Field::Second;
    };
    for (std::size_t i = 1; i + 1 < timeTokens_.size(); ++i) {
        const std::string separator = withoutBlanks(timeTokens_[i].literal);
        if (timeTokens_[i].field == Field::Literal && isClockField(timeTokens_[i - 1]) &&
            isClockField(timeTokens_[i + 1]) && !separator.empty()) {
            timeSeparators_.push_back(separator);
        }
    }
    for (const auto& token : dateTokens_) {
        if (token.field == Field::Literal && isTimeSeparator(withoutBlanks(token.literal))) timeSeparatorInDates_ = true;
    }
    for (const auto* tokens : {&dateTokens_, &timeTokens_}) {
        for (const auto& token : *tokens) {
            if (token.field == Field::Literal && hasLetter(token.literal)) wordSeparators_.push_back(foldCase(token.literal));
        }
    }
}

bool DateTextCodec::isTimeSeparator(std::string_view text) const {
    return std::find(timeSeparators_.begin(), timeSeparators_.end(), text) != timeSeparators_.end();
}

int DateTextCodec::monthOfWord(std::string_view word) const {
    for (std::size_t m = 0; m < 12; ++m) {
        if (word == foldedNames_[m] || word == foldedAbbreviations_[m]) return static_cast<int>(m) + 1;
    }
    // An unambiguous beginning of a month name, as a person may type it ("Sept", "decem").
    if (word.size() < 3) return 0;
    int found = 0;
    for (std::size_t m = 0; m < 12; ++m) {
        if (foldedNames_[m].starts_with(word)) {
            if (found != 0) return 0;
            found = static_cast<int>(m) + 1;
        }
    }
    return found;
}

int DateTextCodec::dayHalfOfWord(std::string_view word) const {
    if (word == foldedAm_ || word == "am" || word == "a") return 1;
    if (word == foldedPm_ || word == "pm" || word == "p") return 2;
    return 0;
}

}  // namespace skyanchor
