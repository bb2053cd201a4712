#pragma once

#include <string>
#include <string_view>
#include <vector>

// Why the date reader refuses a text, and what to type instead. Each function takes the facts
// (the example is the field's own text of 28 December 2026, 19:23:40, whose day above 12 shows
// the locale's order; days are as the field writes them) and returns the sentence.
namespace skyanchor::words {

// What is wrong with the text as a whole; the sentence ends with the form to type.
enum class DateTextFault {
    NotUtf8,
    Empty,
    NamesNothing,
    TooLong,
    TooManyNumbers,
    OffsetBeyondZones,
    WeekdayAlone,
    EraAlone,
    DateIncomplete,
    NoSuchTime,
    HourOutsidePeriod,
    RoundsPastLastDay,
    OutsideDates,
    WeekWithoutDay,
    NoSuchWeekday,
    NumberedDayWithWords,
};
[[nodiscard]] std::string dateRefusal(DateTextFault fault, std::string_view example);

// What is wrong with one piece of the text, which the sentence quotes.
enum class DatePieceFault {
    TooLongNumber,  // the piece is the number's first digits
    UnknownWord,
    FirstYearAwayFromEra,
    MinusSign,
    OutOfPlace,
    TimeOfDayTwice,
    NoOffset,
    DayHalfAwayFromTime,
    UnknownZone,  // capitals that no zone of the locale is abbreviated to
};
[[nodiscard]] std::string dateRefusal(DatePieceFault fault, std::string_view piece, std::string_view example);

// Two days the numbers may name, in the locale's orders of day, month and year.
[[nodiscard]] std::string orderUnknown(std::string_view oneDay, std::string_view otherDay, std::string_view example);
// A day with its month named in English ("4 March 2026"), which no order of numbers can misread.
[[nodiscard]] std::string dayInWords(int year, unsigned month, unsigned day);
// The numbers name no day; orderExample is 28 December 2026 as the field writes it.
[[nodiscard]] std::string noSuchDay(std::string_view orderExample, std::string_view example);
// A weekday that is not the date's (isoWeekday: Monday 1 .. Sunday 7).
[[nodiscard]] std::string wrongWeekday(std::string_view day, unsigned isoWeekday);

// A day of the year ("2026-366") beyond the days of its year.
[[nodiscard]] std::string noSuchDayOfYear(int year, int daysInYear, std::string_view example);
// A week ("2027-W53-1") beyond the weeks of its year, as ISO 8601 counts them.
[[nodiscard]] std::string noSuchWeek(int year, int weeks, std::string_view example);
// A zone's abbreviation that the locale gives to zones at several offsets from UT (minutes east).
[[nodiscard]] std::string zoneOfSeveralOffsets(std::string_view abbreviation, const std::vector<int>& offsets);

// A year of two digits with an era whose years now have four.
[[nodiscard]] std::string eraYearWithoutCentury(std::string_view era, int presentYear);
// A day outside the era the text names, with the era's first and last day where the field can
// write them (empty where the era has no such day or the field none).
[[nodiscard]] std::string dayOutsideEra(std::string_view era, std::string_view firstDay, std::string_view lastDay);
// A month of one of the locale's other calendars (its English name) with an era of another.
[[nodiscard]] std::string monthAndEraOfTwoCalendars(std::string_view calendar, std::string_view example);

// A month of another calendar with a four-digit year of the Gregorian calendar's present.
struct MonthAndYearOfTwoCalendars {
    std::string_view calendar;       // its English name
    int year = 0;                    // as typed
    std::string_view dayThere;       // the day in that calendar's year; empty where the field has none
    std::string_view gregorianDay;   // the day of that month in the Gregorian year; empty where none
    int calendarYear = 0;            // that day's year in the other calendar
    std::string_view calendarEra;    // empty where the locale names none
};
[[nodiscard]] std::string monthAndYearOfTwoCalendars(const MonthAndYearOfTwoCalendars& facts);

// A year without an era, outside 1900..2099, where the locale's customary calendar is another.
[[nodiscard]] std::string yearOfEitherCalendar(int year, std::string_view calendar, std::string_view calendarEra,
                                               std::string_view gregorianEra);

// A year without an era that names a day in either calendar.
struct DayOfEitherCalendar {
    int year = 0;                   // as typed
    std::string_view calendar;      // the other calendar's English name
    std::string_view dayThere;      // empty where that calendar has no such day
    int gregorianYearThere = 0;     // the Gregorian year of dayThere
    std::string_view gregorianDay;
    std::string_view calendarEra;   // empty where the locale names none
    std::string_view gregorianEra;  // likewise
};
[[nodiscard]] std::string dayOfEitherCalendar(const DayOfEitherCalendar& facts);

}  // namespace skyanchor::words
