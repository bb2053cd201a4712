#include "words/date_refusals.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace skyanchor::words {
namespace {

constexpr std::string_view kExample = "8.12.2026 19:23:40";
const std::string kIsolatedExample = "\u20688.12.2026 19:23:40\u2069";
const std::string kTypeInstead = ": type a date and time such as " + kIsolatedExample;

std::string quote(const std::string& text) { return "\u201C\u2068" + text + "\u2069\u201D"; }

struct Wording {
    std::string sentence;
    std::string expected;
};

// Every refusal of the date reader, each branch of its wording once.
std::vector<Wording> everyRefusal() {
    using enum DateTextFault;
    using enum DatePieceFault;
    return {
        {dateRefusal(NotUtf8, kExample),
         "The text holds bytes that are no UTF-8 text, so its characters are not known" + kTypeInstead},
        {dateRefusal(Empty, kExample), "The text is empty" + kTypeInstead},
        {dateRefusal(NamesNothing, kExample), "The text names no date and no time" + kTypeInstead},
        {dateRefusal(TooLong, kExample), "The text is longer than any date and time" + kTypeInstead},
        {dateRefusal(TooManyNumbers, kExample), "There are more numbers than a date and a time have" + kTypeInstead},
        {dateRefusal(OffsetBeyondZones, kExample), "That offset from UT is beyond the Earth's time zones" + kTypeInstead},
        {dateRefusal(WeekdayAlone, kExample), "A weekday alone names no day" + kTypeInstead},
        {dateRefusal(EraAlone, kExample), "An era alone names no day" + kTypeInstead},
        {dateRefusal(DateIncomplete, kExample), "A date needs a day, a month and a year" + kTypeInstead},
        {dateRefusal(NoSuchTime, kExample),
         "No such time of day: hours 0 to 23, or 1 to 12 with a day-half word; minutes and seconds 0 to 59" + kTypeInstead},
        {dateRefusal(HourOutsidePeriod, kExample), "That hour is not in the part of the day the text names" + kTypeInstead},
        {dateRefusal(RoundsPastLastDay, kExample),
         "That instant rounds to the midnight after 31 December 9999, the last day of dates" + kTypeInstead},
        {dateRefusal(OutsideDates, kExample), "Dates run from 1 January 100 to 31 December 9999, in UT" + kTypeInstead},
        {dateRefusal(TooLongNumber, "1234567890", kExample), quote("1234567890") + "… is too long a number" + kTypeInstead},
        {dateRefusal(UnknownWord, "nonsense", kExample),
         quote("nonsense") + " is no month, weekday or other date word here" + kTypeInstead},
        {dateRefusal(FirstYearAwayFromEra, "元", kExample),
         quote("元") + " names the first year of an era only right after the era" + kTypeInstead},
        {dateRefusal(MinusSign, "7", kExample),
         "A minus sign stands before " + quote("7") + ": dates run from the year 100 to 9999, without a sign" + kTypeInstead},
        {dateRefusal(OutOfPlace, "dec", kExample), quote("dec") + " is out of place or said twice" + kTypeInstead},
        {dateRefusal(TimeOfDayTwice, "pm", kExample), quote("pm") + " says the time of day a second time" + kTypeInstead},
        {dateRefusal(NoOffset, "123", kExample),
         quote("123") + " is no offset from UT: write it as +01:00 or +0100" + kTypeInstead},
        {dateRefusal(DayHalfAwayFromTime, "pm", kExample),
         quote("pm") + " stands away from a time: a day-half word goes next to the time, as in " + kIsolatedExample},
        {orderUnknown("08.12.2026", "12.08.2026", kExample),
         "The order of day, month and year is not known here: it could be 08.12.2026 or 12.08.2026; write the month as a "
         "word, or the date in the form " + kIsolatedExample},
        {noSuchDay("28.12.2026", kExample),
         "No such day (the numbers are read in the order of \u206828.12.2026\u2069; dates run from 1 January 100 to 31 December "
         "9999)" + kTypeInstead},
        {dayInWords(2026, 3, 4) + ", " + dayInWords(100, 12, 31), "4 March 2026, 31 December 100"},
        {dateRefusal(WeekWithoutDay, kExample),
         "A week date needs the day of its week after the week, 1 for Monday to 7 for Sunday, as in 2026-W50-3" + kTypeInstead},
        {dateRefusal(NoSuchWeekday, kExample), "No such day of a week: 1 is Monday, 7 Sunday" + kTypeInstead},
        {dateRefusal(NumberedDayWithWords, kExample),
         "A day of the year or of a week is written in numbers alone, without a month or an era" + kTypeInstead},
        {noSuchDayOfYear(2026, 365, kExample), "No such day of the year: 2026 has days 1 to 365" + kTypeInstead},
        {noSuchWeek(2027, 52, kExample), "No such week: 2027 has weeks 1 to 52, as ISO 8601 counts them" + kTypeInstead},
        {dateRefusal(UnknownZone, "MEZ", kExample),
         quote("MEZ") + " is no time-zone abbreviation of this locale: write the offset from UT instead, such as -05:00 or +01:00"},
        {zoneOfSeveralOffsets("IST", {330, 60, -570}),
         quote("IST") + " stands for zones at several offsets from UT (+05:30, +01:00, -09:30): write the offset instead, such as "
                        "+05:30"},
        {wrongWeekday("12/8/2026", 2), "12/8/2026 is a Tuesday: correct the weekday or leave it out"},
        {eraYearWithoutCentury("AH", 1448),
         "A year of two digits with " + quote("AH") + " does not say its century: write all its digits (" + quote("1448 AH") +
             " is this year)"},
        {dayOutsideEra("明治", "9/8/1868", "7/29/1912"),
         "That day is not in the era it names: 明治 ran from 9/8/1868 to 7/29/1912"},
        {dayOutsideEra("令和", "5/1/2019", ""), "That day is not in the era it names: 令和 began on 5/1/2019"},
        {dayOutsideEra("BC", "", "12/31/0100"), "That day is not in the era it names: BC ended on 12/31/0100"},
        {dayOutsideEra("BC", "", ""), "That day is not in the era it names: BC has no such year"},
        {monthAndEraOfTwoCalendars("Persian Calendar", kExample),
         "The month is one of the Persian Calendar, the era of another calendar" + kTypeInstead},
        {monthAndYearOfTwoCalendars({.calendar = "Persian Calendar", .year = 2026, .dayThere = "", .gregorianDay = "12/8/2026",
                                     .calendarYear = 1405, .calendarEra = ""}),
         "The month is one of the Persian Calendar, the year 2026 one of the Gregorian calendar: it could be 12/8/2026 (its "
         "year 1405): type 1405 for the second, or add its era for the first"},
        {monthAndYearOfTwoCalendars({.calendar = "Persian Calendar", .year = 2026, .dayThere = "1/1/0100", .gregorianDay = "",
                                     .calendarYear = 0, .calendarEra = "AP"}),
         "The month is one of the Persian Calendar, the year 2026 one of the Gregorian calendar: it could be 1/1/0100 (the year "
         "2026 of the Persian Calendar) or a day of the Gregorian year 2026: type the year of the Persian Calendar"},
        {yearOfEitherCalendar(2600, "Buddhist Calendar", "BE", ""),
         "The year 2600 may be meant in the Buddhist Calendar or in the Gregorian calendar: add BE for the first, its era for "
         "the second"},
        {dayOfEitherCalendar({.year = 2569, .calendar = "Buddhist Calendar", .dayThere = "12/8/2026", .gregorianYearThere = 2026,
                              .gregorianDay = "12/8/2569", .calendarEra = "BE", .gregorianEra = "AD"}),
         "The year 2569 may be meant in the Buddhist Calendar (12/8/2026) or in the Gregorian calendar (12/8/2569): for the "
         "first type 2026 or add BE, for the second write the year with four digits and AD"},
        {dayOfEitherCalendar({.year = 69, .calendar = "Buddhist Calendar", .dayThere = "", .gregorianYearThere = 0,
                              .gregorianDay = "12/8/2069", .calendarEra = "", .gregorianEra = ""}),
         "The year 69 may be meant in the Buddhist Calendar or in the Gregorian calendar (12/8/2069): for the first add its "
         "era, for the second write the year with four digits and its era"},
    };
}

TEST(DateRefusals, SayWhyAndWhatToTypeInstead) {
    const std::vector<Wording> rows = everyRefusal();
    for (std::size_t row = 0; row < rows.size(); ++row) EXPECT_EQ(rows[row].sentence, rows[row].expected) << "row " << row;
}

}  // namespace
}  // namespace skyanchor::words
