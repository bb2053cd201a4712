#pragma once

#include "time/date_conventions.hpp"
#include "time/date_pattern.hpp"
#include "time/date_words.hpp"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace skyanchor {

struct ReadingTables;
struct ZoneAbbreviation;

// A locale compiled once for fast writing and reading of date texts. The year is always written
// with four digits (a two-digit year cannot be read back to its century), the time zone and
// weekday are left out (a serial carries neither).
class DateTextCodec {
public:
    // Ready to write at once. What reading needs of ICU beyond the locale's calendars (its pattern
    // words, day periods, eras, zone names) is gathered at the first read: a window that only
    // writes its start date need not wait for it. Reading and writing stay on one thread.
    explicit DateTextCodec(const DateLocale& locale);
    DateTextCodec(DateTextCodec&&) noexcept;
    DateTextCodec& operator=(DateTextCodec&&) noexcept;
    ~DateTextCodec();

    [[nodiscard]] const std::vector<DateToken>& dateTokens() const { return dateTokens_; }
    [[nodiscard]] const std::vector<DateToken>& timeTokens() const { return timeTokens_; }
    [[nodiscard]] const DateLocale& locale() const { return locale_; }

    // The day-half marker as written, in the locale's case or in lower case.
    [[nodiscard]] const std::string& dayHalfText(bool afterNoon, bool lowercase) const;

    // Month names, day names, day-half markers and the patterns' words, in reading form.
    [[nodiscard]] const DateWords& words() const;
    // The month of which a run of letters (reading form) is an unambiguous beginning of at least
    // three letters, as a person may shorten it ("Sept", "decem"); 0 for none.
    [[nodiscard]] int monthOfBeginning(std::string_view letters) const;

    // What stands between two numbers (reading form, blanks ignored): ":" and what the time
    // patterns put between hours, minutes and seconds ("." in Finnish, "時" in Japanese).
    [[nodiscard]] bool isTimeSeparator(std::string_view gap) const;
    [[nodiscard]] static bool isColon(std::string_view gap);
    // What the short date pattern puts between day, month and year.
    [[nodiscard]] bool isDateSeparator(std::string_view gap) const;
    // What the locale's own short date patterns, Qt's and ICU's everyday one, put there ("/" in
    // the United States, "." in Germany), blanks aside.
    [[nodiscard]] bool isOwnDateSeparator(std::string_view gap) const;
    // The offsets from UT, in minutes east, of the zones that the locale abbreviates to a run of
    // letters (reading form: "est" is -300); none where it names no zone. The names are gathered
    // at the first run of letters that is no word of the locale, since few texts hold one.
    [[nodiscard]] std::vector<int> zoneOffsetsOf(std::string_view letters) const;
    // Whether a time written alone could read as a day, month and year (Finnish "1.03.24"): the
    // time is then always written with its date, 30 December 1899 included.
    [[nodiscard]] bool writesDateWithEveryTime() const { return writesDateWithEveryTime_; }

    // Where the month is a word: whether the year comes before the day.
    [[nodiscard]] bool yearBeforeDayAroundMonthWord() const;
    // The orders a text of three numbers may be meant in, the short pattern's first.
    [[nodiscard]] const std::vector<DateOrder>& orders() const;

    [[nodiscard]] const DayPeriod& period(int number) const;
    [[nodiscard]] const CalendarEra& era(int number) const;
    [[nodiscard]] const std::vector<CustomaryCalendar>& otherCalendars() const { return otherCalendars_; }
    // The Gregorian era's name ("ค.ศ.") where a year written alone could be taken for a year of
    // the locale's other calendars; null where the year says enough.
    [[nodiscard]] const std::string* gregorianEraFor(int year) const;
    [[nodiscard]] const std::string& gregorianEra() const;
    // Whether the locale writes its day-half word, or its day period ("晚上"), before the hour.
    [[nodiscard]] bool dayHalfBeforeHour() const;
    [[nodiscard]] bool periodBeforeHour() const;
    // Whether what stands after an hour makes it a time ("Uhr", "h", "时").
    [[nodiscard]] bool isHourWord(std::string_view gap) const;

private:
    // Built at the first read.
    [[nodiscard]] const ReadingTables& reading() const;

    DateLocale locale_;
    std::vector<DateToken> dateTokens_;
    std::vector<DateToken> timeTokens_;
    std::string amLowercase_;
    std::string pmLowercase_;
    bool writesDateWithEveryTime_ = false;
    std::vector<CustomaryCalendar> otherCalendars_;
    mutable std::unique_ptr<const ReadingTables> reading_;
    mutable std::unique_ptr<const std::vector<ZoneAbbreviation>> zones_;
};

}  // namespace skyanchor
