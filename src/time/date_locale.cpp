#include "time/date_locale.hpp"

#include "time/unicode_text.hpp"

#include <algorithm>
#include <initializer_list>

namespace skyanchor {
namespace {

using Field = DateToken::Field;

// Used where a locale gives no pattern at all, so that every serial still has a text.
constexpr std::string_view kFallbackDatePattern = "yyyy-MM-dd";
constexpr std::string_view kFallbackTimePattern = "HH:mm:ss";

bool hasField(const std::vector<DateToken>& tokens, std::initializer_list<Field> fields) {
    return std::any_of(tokens.begin(), tokens.end(), [&](const DateToken& t) {
        return std::find(fields.begin(), fields.end(), t.field) != fields.end();
    });
}

std::size_t indexOf(const std::vector<DateToken>& tokens, std::initializer_list<Field> fields) {
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        if (std::find(fields.begin(), fields.end(), tokens[i].field) != fields.end()) return i;
    }
    return tokens.size();
}

std::vector<DateToken> tokensOrFallback(std::string_view pattern, std::string_view fallback, Field required) {
    std::vector<DateToken> tokens = compilePattern(pattern).tokens;
    return hasField(tokens, {required}) ? tokens : compilePattern(fallback).tokens;
}

std::string compactForm(std::string_view text) {
    std::string form = readingForm(text);
    std::erase(form, ' ');
    return form;
}

// The literals between two fields that pass the test, in compact reading form.
template <typename IsField>
void addSeparators(const std::vector<DateToken>& tokens, IsField isField, std::vector<std::string>& separators) {
    for (std::size_t i = 1; i + 1 < tokens.size(); ++i) {
        if (tokens[i].field != Field::Literal || !isField(tokens[i - 1].field) || !isField(tokens[i + 1].field)) continue;
        std::string separator = compactForm(tokens[i].literal);
        if (!separator.empty() && std::find(separators.begin(), separators.end(), separator) == separators.end()) {
            separators.push_back(std::move(separator));
        }
    }
}

bool isDateField(Field field) { return field != Field::Literal && !isClockField(field) && field != Field::DayHalf; }

std::string withoutTrailingPoint(std::string_view text) {
    while (!text.empty() && text.back() == '.') text.remove_suffix(1);
    return std::string(text);
}

std::string without(std::string_view text, std::string_view characters) {
    std::string kept;
    for (const char c : text) {
        if (characters.find(c) == std::string_view::npos) kept += c;
    }
    return kept;
}

// A name as written and without the point of its abbreviation.
void addName(DateWords& words, std::string_view name, const WordMeaning& meaning) {
    words.add(name, meaning);
    words.add(withoutTrailingPoint(name), meaning);
}

// A day-half marker as written, and without its points, its inner blanks or both ("a. m.",
// "a.m.", "a m", "am").
void addDayHalf(DateWords& words, std::string_view marker, int half) {
    const WordMeaning meaning{.dayHalf = half};
    const std::string form = readingForm(marker);
    for (const std::string_view dropped : {"", ".", " ", ". "}) words.add(without(form, dropped), meaning);
}

// Whether a gap between numbers is a separator (kept without blanks), blanks in the gap aside.
bool equalIgnoringBlanks(std::string_view gap, std::string_view separator) {
    std::size_t matched = 0;
    for (const char c : gap) {
        if (c == ' ') continue;
        if (matched == separator.size() || separator[matched] != c) return false;
        ++matched;
    }
    return matched == separator.size();
}

std::size_t letterCount(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t letter = letterLength(text, pos);
        if (letter == 0) return 0;
        pos += letter;
        ++count;
    }
    return count;
}

}  // namespace

DateTextCodec::DateTextCodec(const DateLocale& locale)
    : locale_(locale),
      dateTokens_(tokensOrFallback(locale.shortDatePattern, kFallbackDatePattern, Field::Year)),
      timeTokens_(tokensOrFallback(locale.longTimePattern, kFallbackTimePattern, Field::Minute)),
      amLowercase_(readingForm(locale.amText)),
      pmLowercase_(readingForm(locale.pmText)) {
    for (std::size_t m = 0; m < 12; ++m) {
        const WordMeaning month{.month = static_cast<int>(m) + 1};
        for (const auto* names : {&locale.monthNames, &locale.monthAbbreviations, &locale.standaloneMonthNames,
                                  &locale.standaloneMonthAbbreviations}) {
            addName(words_, (*names)[m], month);
        }
        for (const auto* names : {&locale.monthNames, &locale.standaloneMonthNames}) {
            monthNamesForBeginnings_.push_back(readingForm((*names)[m]));
        }
    }
    for (std::size_t d = 0; d < 7; ++d) {
        addName(words_, locale.dayNames[d], WordMeaning::ofWeekday());
        addName(words_, locale.dayAbbreviations[d], WordMeaning::ofWeekday());
    }
    addDayHalf(words_, locale.amText, 1);
    addDayHalf(words_, locale.pmText, 2);
    words_.add("am", WordMeaning::ofDayHalf(1));
    words_.add("pm", WordMeaning::ofDayHalf(2));

    const DatePattern longDate = compilePattern(locale.longDatePattern);
    for (const auto pattern : {std::string_view(locale.shortDatePattern), std::string_view(locale.longDatePattern),
                               std::string_view(locale.shortTimePattern), std::string_view(locale.longTimePattern)}) {
        for (const auto& word : compilePattern(pattern).words) words_.add(word, WordMeaning::ofLiteral());
    }

    const auto year = indexOf(dateTokens_, {Field::Year});
    const auto month = indexOf(dateTokens_, {Field::Month, Field::MonthAbbreviation, Field::MonthName});
    const auto day = indexOf(dateTokens_, {Field::Day});
    yearFirst_ = year < month && year < day;
    monthBeforeDay_ = month < day;
    const bool shortHasMonthWord = hasField(dateTokens_, {Field::MonthAbbreviation, Field::MonthName});
    const auto& wordTokens = shortHasMonthWord ? dateTokens_ : longDate.tokens;
    yearBeforeDayAroundMonthWord_ = indexOf(wordTokens, {Field::Year}) < indexOf(wordTokens, {Field::Day});

    addSeparators(dateTokens_, isDateField, dateSeparators_);
    addSeparators(timeTokens_, isClockField, timeSeparators_);
    writesDateWithEveryTime_ = std::any_of(timeSeparators_.begin(), timeSeparators_.end(),
                                           [this](const std::string& s) { return isDateSeparator(s); });
    addSeparators(compilePattern(locale.shortTimePattern).tokens, isClockField, timeSeparators_);
}

const std::string& DateTextCodec::dayHalfText(bool afterNoon, bool lowercase) const {
    if (lowercase) return afterNoon ? pmLowercase_ : amLowercase_;
    return afterNoon ? locale_.pmText : locale_.amText;
}

bool DateTextCodec::isTimeSeparator(std::string_view gap) const {
    return std::any_of(timeSeparators_.begin(), timeSeparators_.end(),
                       [gap](const std::string& separator) { return equalIgnoringBlanks(gap, separator); });
}

bool DateTextCodec::isColon(std::string_view gap) { return equalIgnoringBlanks(gap, ":"); }

bool DateTextCodec::isDateSeparator(std::string_view gap) const {
    return std::any_of(dateSeparators_.begin(), dateSeparators_.end(),
                       [gap](const std::string& separator) { return equalIgnoringBlanks(gap, separator); });
}

int DateTextCodec::monthOfBeginning(std::string_view letters) const {
    if (letterCount(letters) < 3) return 0;
    int found = 0;
    for (std::size_t i = 0; i < monthNamesForBeginnings_.size(); ++i) {
        if (!monthNamesForBeginnings_[i].starts_with(letters)) continue;
        const int month = static_cast<int>(i / 2) + 1;
        if (found != 0 && found != month) return 0;
        found = month;
    }
    return found;
}

}  // namespace skyanchor
