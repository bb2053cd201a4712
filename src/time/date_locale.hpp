#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace skyanchor {

// What the date text needs to know of the user's locale, as plain values. Patterns use the usual
// date-format letters: d dd (day), M MM MMM MMMM (month as number, abbreviation, name), y..yyyy
// (year), h hh (12-hour when the pattern has a day-half marker), H HH (24-hour), m mm, s ss,
// AP ap A a (day-half marker), t (time zone), 'quoted text'. Texts are UTF-8.
struct DateLocale {
    std::string shortDatePattern;
    std::string longTimePattern;
    std::array<std::string, 12> monthNames;
    std::array<std::string, 12> monthAbbreviations;
    std::string amText;
    std::string pmText;
};

// One element of a compiled pattern.
struct DateToken {
    enum class Field { Literal, Day, Month, MonthAbbreviation, MonthName, Year, Hour24, Hour12, Minute, Second, DayHalf };
    Field field = Field::Literal;
    bool padded = false;      // two digits
    bool lowercase = false;   // day-half marker in lower case
    std::string literal;
};

// A locale compiled once for fast writing and reading of date texts. The year is always written
// with four digits (a two-digit year cannot be read back to its century), and the time zone and
// weekday are left out (a serial carries neither).
class DateTextCodec {
public:
    explicit DateTextCodec(const DateLocale& locale);

    [[nodiscard]] const std::vector<DateToken>& dateTokens() const { return dateTokens_; }
    [[nodiscard]] const std::vector<DateToken>& timeTokens() const { return timeTokens_; }
    [[nodiscard]] const DateLocale& locale() const { return locale_; }

    // For reading: names folded to lower case, abbreviations without their trailing point.
    [[nodiscard]] int monthOfWord(std::string_view foldedWord) const;   // 1..12, or 0
    [[nodiscard]] int dayHalfOfWord(std::string_view foldedWord) const; // 1 am, 2 pm, or 0
    [[nodiscard]] bool yearFirst() const { return yearFirst_; }
    [[nodiscard]] bool monthBeforeDay() const { return monthBeforeDay_; }
    // ":" and the texts the long time pattern puts between hours, minutes and seconds.
    [[nodiscard]] bool isTimeSeparator(std::string_view text) const;
    // Whether one of those also separates the numbers of a short date (as "." does in Finnish).
    [[nodiscard]] bool timeSeparatorInDates() const { return timeSeparatorInDates_; }
    // Pattern texts with letters (such as CJK date and time markers) that separate numbers.
    [[nodiscard]] const std::vector<std::string>& wordSeparators() const { return wordSeparators_; }

private:
    DateLocale locale_;
    std::vector<DateToken> dateTokens_;
    std::vector<DateToken> timeTokens_;
    std::array<std::string, 12> foldedNames_;
    std::array<std::string, 12> foldedAbbreviations_;
    std::string foldedAm_;
    std::string foldedPm_;
    bool yearFirst_ = false;
    bool monthBeforeDay_ = false;
    std::vector<std::string> timeSeparators_{":"};
    bool timeSeparatorInDates_ = false;
    std::vector<std::string> wordSeparators_;
};

// Lower case for ASCII and for the Latin-1 letters (enough for the month names of European
// languages); other characters are kept as they are.
[[nodiscard]] std::string foldCase(std::string_view text);

}  // namespace skyanchor
