#pragma once

#include "time/date_pattern.hpp"
#include "time/date_words.hpp"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace skyanchor {

// What the date text needs to know of the user's locale, as plain values (patterns as described
// at DatePattern, texts in UTF-8). A date text is written with the short date and long time
// patterns; the rest serves to read what people type.
struct DateLocale {
    std::string shortDatePattern;
    std::string longTimePattern;
    std::array<std::string, 12> monthNames;          // as used in dates (Russian "января")
    std::array<std::string, 12> monthAbbreviations;
    std::string amText;
    std::string pmText;
    std::string longDatePattern;
    std::string shortTimePattern;
    std::array<std::string, 12> standaloneMonthNames;  // as named alone (Russian "январь")
    std::array<std::string, 12> standaloneMonthAbbreviations;
    std::array<std::string, 7> dayNames;  // Monday first
    std::array<std::string, 7> dayAbbreviations;
};

// A locale compiled once for fast writing and reading of date texts. The year is always written
// with four digits (a two-digit year cannot be read back to its century), the time zone and
// weekday are left out (a serial carries neither).
class DateTextCodec {
public:
    explicit DateTextCodec(const DateLocale& locale);

    [[nodiscard]] const std::vector<DateToken>& dateTokens() const { return dateTokens_; }
    [[nodiscard]] const std::vector<DateToken>& timeTokens() const { return timeTokens_; }
    [[nodiscard]] const DateLocale& locale() const { return locale_; }

    // The day-half marker as written, in the locale's case or in lower case.
    [[nodiscard]] const std::string& dayHalfText(bool afterNoon, bool lowercase) const;

    // Month names, day names, day-half markers and the patterns' words, in reading form.
    [[nodiscard]] const DateWords& words() const { return words_; }
    // The month of which a run of letters (reading form) is an unambiguous beginning of at least
    // three letters, as a person may shorten it ("Sept", "decem"); 0 for none.
    [[nodiscard]] int monthOfBeginning(std::string_view letters) const;

    // What stands between two numbers (reading form, blanks ignored): ":" and what the time
    // patterns put between hours, minutes and seconds ("." in Finnish, "時" in Japanese).
    [[nodiscard]] bool isTimeSeparator(std::string_view gap) const;
    [[nodiscard]] static bool isColon(std::string_view gap);
    // What the short date pattern puts between day, month and year.
    [[nodiscard]] bool isDateSeparator(std::string_view gap) const;
    // Whether a time written alone could read as a day, month and year (Finnish "1.03.24"): the
    // time is then always written with its date, 30 December 1899 included.
    [[nodiscard]] bool writesDateWithEveryTime() const { return writesDateWithEveryTime_; }

    // The order of the numbers in the short date pattern.
    [[nodiscard]] bool yearFirst() const { return yearFirst_; }
    [[nodiscard]] bool monthBeforeDay() const { return monthBeforeDay_; }
    // Where the month is a word: whether the year comes before the day.
    [[nodiscard]] bool yearBeforeDayAroundMonthWord() const { return yearBeforeDayAroundMonthWord_; }

private:
    DateLocale locale_;
    std::vector<DateToken> dateTokens_;
    std::vector<DateToken> timeTokens_;
    std::string amLowercase_;
    std::string pmLowercase_;
    DateWords words_;
    std::vector<std::string> monthNamesForBeginnings_;  // reading form: each month's name, then its standalone name
    std::vector<std::string> timeSeparators_{":"};
    std::vector<std::string> dateSeparators_;
    bool writesDateWithEveryTime_ = false;
    bool yearFirst_ = false;
    bool monthBeforeDay_ = false;
    bool yearBeforeDayAroundMonthWord_ = false;
};

}  // namespace skyanchor
