#pragma once

#include <string>
#include <string_view>

// Why the date reader refuses a text, and what to type instead. Each function takes the facts
// (the example is the field's own text of 8 December 2026, 19:23:40; days are as the field
// writes them) and returns the sentence.
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
};
[[nodiscard]] std::string dateRefusal(DatePieceFault fault, std::string_view piece, std::string_view example);

// Two days the numbers may name, in the locale's orders of day, month and year.
[[nodiscard]] std::string orderUnknown(std::string_view oneDay, std::string_view otherDay, std::string_view example);
// The numbers name no day; orderExample is 8 December 2026 as the field writes it.
[[nodiscard]] std::string noSuchDay(std::string_view orderExample, std::string_view example);
// A weekday that is not the date's (isoWeekday: Monday 1 .. Sunday 7).
[[nodiscard]] std::string wrongWeekday(std::string_view day, unsigned isoWeekday);

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
