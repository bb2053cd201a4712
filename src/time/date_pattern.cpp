#include "time/date_pattern.hpp"

#include "time/unicode_text.hpp"

#include <algorithm>
#include <array>
#include <optional>

namespace skyanchor {
namespace {

using Field = DateToken::Field;

bool isPatternLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// The field a run of one pattern letter writes, or none for what a date text leaves out.
std::optional<DateToken> fieldOfRun(char letter, std::size_t count) {
    DateToken token;
    token.padded = count >= 2;
    switch (letter) {
    case 'd':
        if (count > 2) return std::nullopt;  // weekday
        token.field = Field::Day;
        return token;
    case 'M':
    case 'L':
        token.field = count == 3 ? Field::MonthAbbreviation : count >= 4 ? Field::MonthName : Field::Month;
        return token;
    case 'y': token.field = Field::Year; return token;
    case 'h': token.field = Field::Hour12; return token;  // a 24-hour clock unless there is a day-half marker
    case 'H': token.field = Field::Hour24; return token;
    case 'm': token.field = Field::Minute; return token;
    case 's': token.field = Field::Second; return token;
    case 'A':
    case 'a':
        token.field = Field::DayHalf;
        token.lowercase = letter == 'a' && count >= 2;
        return token;
    default: return std::nullopt;
    }
}

// Qt writes these letters as fields; any other letter outside quotes is text.
bool isFieldLetter(char c) { return std::string_view("dMLyhHmsAatz").find(c) != std::string_view::npos; }

constexpr std::array<std::string_view, 3> kOpeners{"(", "[", "\xEF\xBC\x88"};
constexpr std::array<std::string_view, 3> kClosers{")", "]", "\xEF\xBC\x89"};

void trimBlanksAtEnd(std::string& text) {
    std::size_t end = text.size();
    for (bool trimmed = true; trimmed;) {
        trimmed = false;
        for (std::size_t length = 1; length <= 3 && length <= end; ++length) {
            if (blankLength(text, end - length) == length) {
                end -= length;
                trimmed = true;
                break;
            }
        }
    }
    text.erase(end);
}

void trimBlanksAtStart(std::string& text) {
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t blank = blankLength(text, pos);
        if (blank == 0) break;
        pos += blank;
    }
    text.erase(0, pos);
}

template <std::size_t N>
bool dropPrefix(std::string& text, const std::array<std::string_view, N>& marks) {
    for (const auto mark : marks) {
        if (text.starts_with(mark)) {
            text.erase(0, mark.size());
            return true;
        }
    }
    return false;
}

// A pattern read into fields, literals and the places of left-out fields.
struct RawToken {
    DateToken token;
    bool leftOut = false;
};

std::vector<RawToken> splitPattern(std::string_view pattern, std::vector<std::string>& words) {
    std::vector<RawToken> raw;
    const auto appendLiteral = [&raw](std::string_view text) {
        if (text.empty()) return;
        if (raw.empty() || raw.back().leftOut || raw.back().token.field != Field::Literal) raw.emplace_back();
        raw.back().token.literal += text;
    };
    std::size_t pos = 0;
    while (pos < pattern.size()) {
        const char c = pattern[pos];
        if (c == '\'') {
            const std::size_t close = pattern.find('\'', pos + 1);
            const std::size_t end = close == std::string_view::npos ? pattern.size() : close;
            appendLiteral(end == pos + 1 ? "'" : pattern.substr(pos + 1, end - pos - 1));
            pos = end + 1;
        } else if (isPatternLetter(c)) {
            std::size_t end = pos;
            while (end < pattern.size() && pattern[end] == c) ++end;
            if ((c == 'A' || c == 'a') && end < pattern.size() && pattern[end] == (c == 'A' ? 'P' : 'p')) ++end;
            if (const auto field = fieldOfRun(c, end - pos)) {
                raw.push_back(RawToken{*field, false});
            } else {
                raw.push_back(RawToken{{}, true});
                if (!isFieldLetter(c)) words.emplace_back(pattern.substr(pos, end - pos));
            }
            pos = end;
        } else {
            appendLiteral(pattern.substr(pos, 1));
            ++pos;
        }
    }
    return raw;
}

bool hasLetter(std::string_view text) {
    for (std::size_t pos = 0; pos < text.size(); ++pos) {
        if (letterLength(text, pos) != 0) return true;
    }
    return false;
}

template <std::size_t N>
bool containsAny(std::string_view text, const std::array<std::string_view, N>& marks) {
    return std::any_of(marks.begin(), marks.end(), [&](std::string_view mark) { return text.find(mark) != std::string_view::npos; });
}

// Cuts away what only wrapped or introduced each left-out field: punctuation and blanks before
// it (", t", " (t", ".zzz"), the closing bracket after it, and at the start of a pattern what
// separated it from the next field. Words ("Klock", "ч.") stay: they belong to the text.
void dropLeftOutFields(std::vector<RawToken>& raw) {
    for (std::size_t i = 0; i < raw.size(); ++i) {
        if (!raw[i].leftOut) continue;
        const bool literalBefore = i > 0 && !raw[i - 1].leftOut && raw[i - 1].token.field == Field::Literal;
        const bool literalAfter = i + 1 < raw.size() && !raw[i + 1].leftOut && raw[i + 1].token.field == Field::Literal;
        bool opened = false;
        if (literalBefore) {
            std::string& before = raw[i - 1].token.literal;
            if (hasLetter(before)) {
                trimBlanksAtEnd(before);
            } else {
                opened = containsAny(before, kOpeners);
                before.clear();
            }
        }
        if (!literalAfter) continue;
        std::string& after = raw[i + 1].token.literal;
        if (opened) {
            trimBlanksAtStart(after);
            dropPrefix(after, kClosers);
        } else if (i == 0 || !literalBefore) {
            if (hasLetter(after)) {
                trimBlanksAtStart(after);
            } else {
                after.clear();
            }
        } else if (dropPrefix(after, kClosers)) {
            trimBlanksAtStart(after);
        }
    }
}

}  // namespace

DatePattern compilePattern(std::string_view text) {
    DatePattern pattern;
    std::vector<RawToken> raw = splitPattern(text, pattern.words);
    for (const RawToken& piece : raw) {
        if (!piece.leftOut && piece.token.field == Field::Literal) appendWords(piece.token.literal, pattern.words);
    }
    dropLeftOutFields(raw);
    for (RawToken& piece : raw) {
        if (piece.leftOut || (piece.token.field == Field::Literal && piece.token.literal.empty())) continue;
        if (piece.token.field == Field::Literal && !pattern.tokens.empty() && pattern.tokens.back().field == Field::Literal) {
            pattern.tokens.back().literal += piece.token.literal;
        } else {
            pattern.tokens.push_back(std::move(piece.token));
        }
    }
    if (!pattern.tokens.empty() && pattern.tokens.front().field == Field::Literal) {
        trimBlanksAtStart(pattern.tokens.front().literal);
        if (pattern.tokens.front().literal.empty()) pattern.tokens.erase(pattern.tokens.begin());
    }
    if (!pattern.tokens.empty() && pattern.tokens.back().field == Field::Literal) {
        trimBlanksAtEnd(pattern.tokens.back().literal);
        if (pattern.tokens.back().literal.empty()) pattern.tokens.pop_back();
    }
    const bool hasDayHalf = std::any_of(pattern.tokens.begin(), pattern.tokens.end(),
                                        [](const DateToken& t) { return t.field == Field::DayHalf; });
    if (!hasDayHalf) {
        for (auto& token : pattern.tokens) {
            if (token.field == Field::Hour12) token.field = Field::Hour24;
        }
    }
    return pattern;
}

bool hasField(const std::vector<DateToken>& tokens, std::initializer_list<Field> fields) {
    return indexOfField(tokens, fields) != tokens.size();
}

std::size_t indexOfField(const std::vector<DateToken>& tokens, std::initializer_list<Field> fields) {
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        if (std::find(fields.begin(), fields.end(), tokens[i].field) != fields.end()) return i;
    }
    return tokens.size();
}

DateOrder orderOf(const std::vector<DateToken>& tokens) {
    const auto year = indexOfField(tokens, {Field::Year});
    const auto month = indexOfField(tokens, {Field::Month, Field::MonthAbbreviation, Field::MonthName});
    const auto day = indexOfField(tokens, {Field::Day});
    if (year < month && year < day) return DateOrder::YearMonthDay;
    return month < day ? DateOrder::MonthDayYear : DateOrder::DayMonthYear;
}

}  // namespace skyanchor
