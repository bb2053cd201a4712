#include "words/date_refusals.hpp"

#include "words/quoting.hpp"

#include <array>

namespace skyanchor::words {
namespace {

// The example isolated, so that a right-to-left one keeps its order inside the message.
std::string isolated(std::string_view text) { return "\u2068" + std::string(text) + "\u2069"; }

std::string typeInstead(std::string_view example) { return ": type a date and time such as " + isolated(example); }

// An offset from UT as it is typed: "-05:00", "+05:30".
std::string offsetText(int minutes) {
    const int whole = minutes < 0 ? -minutes : minutes;
    std::string text(1, minutes < 0 ? '-' : '+');
    for (const int part : {whole / 60, whole % 60}) {
        if (text.size() > 1) text += ':';
        text.append({static_cast<char>('0' + part / 10), static_cast<char>('0' + part % 10)});
    }
    return text;
}

std::string eraOr(std::string_view era) { return era.empty() ? "its era" : std::string(era); }

constexpr std::array<std::string_view, 16> kTextFaults{
    "The text holds bytes that are no UTF-8 text, so its characters are not known",
    "The text is empty",
    "The text names no date and no time",
    "The text is longer than any date and time",
    "There are more numbers than a date and a time have",
    "That offset from UT is beyond the Earth's time zones",
    "A weekday alone names no day",
    "An era alone names no day",
    "A date needs a day, a month and a year",
    "No such time of day: hours 0 to 23, or 1 to 12 with a day-half word; minutes and seconds 0 to 59",
    "That hour is not in the part of the day the text names",
    "That instant rounds to the midnight after 31 December 9999, the last day of dates",
    "Dates run from 1 January 100 to 31 December 9999, in UT",
    "A week date needs the day of its week after the week, 1 for Monday to 7 for Sunday, as in 2026-W50-3",
    "No such day of a week: 1 is Monday, 7 Sunday",
    "A day of the year or of a week is written in numbers alone, without a month or an era",
};

constexpr std::array<std::string_view, 12> kMonthNames{"January", "February", "March",     "April",   "May",      "June",
                                                       "July",    "August",   "September", "October", "November", "December"};

constexpr std::array<std::string_view, 7> kWeekdayNames{"Monday", "Tuesday", "Wednesday", "Thursday",
                                                        "Friday", "Saturday", "Sunday"};

}  // namespace

std::string dateRefusal(DateTextFault fault, std::string_view example) {
    return std::string(kTextFaults[static_cast<std::size_t>(fault)]) + typeInstead(example);
}

std::string dateRefusal(DatePieceFault fault, std::string_view piece, std::string_view example) {
    const std::string quote = quoted(piece);
    switch (fault) {
    case DatePieceFault::TooLongNumber: return quote + "… is too long a number" + typeInstead(example);
    case DatePieceFault::UnknownWord: return quote + " is no month, weekday or other date word here" + typeInstead(example);
    case DatePieceFault::FirstYearAwayFromEra:
        return quote + " names the first year of an era only right after the era" + typeInstead(example);
    case DatePieceFault::MinusSign:
        return "A minus sign stands before " + quote + ": dates run from the year 100 to 9999, without a sign" +
               typeInstead(example);
    case DatePieceFault::OutOfPlace: return quote + " is out of place or said twice" + typeInstead(example);
    case DatePieceFault::TimeOfDayTwice: return quote + " says the time of day a second time" + typeInstead(example);
    case DatePieceFault::NoOffset: return quote + " is no offset from UT: write it as +01:00 or +0100" + typeInstead(example);
    case DatePieceFault::DayHalfAwayFromTime:
        return quote + " stands away from a time: a day-half word goes next to the time, as in " + isolated(example);
    case DatePieceFault::UnknownZone:
        return quote + " is no time-zone abbreviation of this locale: write the offset from UT instead, such as -05:00 or +01:00";
    }
    return quote;
}

std::string orderUnknown(std::string_view oneDay, std::string_view otherDay, std::string_view example) {
    return "The order of day, month and year is not known here: it could be " + std::string(oneDay) + " or " +
           std::string(otherDay) + "; write the month as a word, or the date in the form " + isolated(example);
}

std::string dayInWords(int year, unsigned month, unsigned day) {
    return std::to_string(day) + " " + std::string(kMonthNames[month - 1]) + " " + std::to_string(year);
}

std::string noSuchDay(std::string_view orderExample, std::string_view example) {
    return "No such day (the numbers are read in the order of " + isolated(orderExample) +
           "; dates run from 1 January 100 to 31 December 9999)" + typeInstead(example);
}

std::string wrongWeekday(std::string_view day, unsigned isoWeekday) {
    return std::string(day) + " is a " + std::string(kWeekdayNames[isoWeekday - 1]) + ": correct the weekday or leave it out";
}

std::string noSuchDayOfYear(int year, int daysInYear, std::string_view example) {
    return "No such day of the year: " + std::to_string(year) + " has days 1 to " + std::to_string(daysInYear) +
           typeInstead(example);
}

std::string noSuchWeek(int year, int weeks, std::string_view example) {
    return "No such week: " + std::to_string(year) + " has weeks 1 to " + std::to_string(weeks) + ", as ISO 8601 counts them" +
           typeInstead(example);
}

std::string zoneOfSeveralOffsets(std::string_view abbreviation, const std::vector<int>& offsets) {
    std::string list;
    for (const int offset : offsets) list.append(list.empty() ? "" : ", ").append(offsetText(offset));
    return quoted(abbreviation) + " stands for zones at several offsets from UT (" + list +
           "): write the offset instead, such as " + offsetText(offsets.front());
}

std::string eraYearWithoutCentury(std::string_view era, int presentYear) {
    return "A year of two digits with " + quoted(era) + " does not say its century: write all its digits (" +
           quoted(std::to_string(presentYear) + " " + std::string(era)) + " is this year)";
}

std::string dayOutsideEra(std::string_view era, std::string_view firstDay, std::string_view lastDay) {
    std::string span(era);
    if (!firstDay.empty() && !lastDay.empty()) {
        span += " ran from " + std::string(firstDay) + " to " + std::string(lastDay);
    } else if (!lastDay.empty()) {
        span += " ended on " + std::string(lastDay);
    } else {
        span += firstDay.empty() ? std::string(" has no such year") : " began on " + std::string(firstDay);
    }
    return "That day is not in the era it names: " + span;
}

std::string monthAndEraOfTwoCalendars(std::string_view calendar, std::string_view example) {
    return "The month is one of the " + std::string(calendar) + ", the era of another calendar" + typeInstead(example);
}

std::string monthAndYearOfTwoCalendars(const MonthAndYearOfTwoCalendars& facts) {
    const std::string calendar(facts.calendar);
    const std::string year = std::to_string(facts.year);
    std::string reason =
        "The month is one of the " + calendar + ", the year " + year + " one of the Gregorian calendar: it could be ";
    if (!facts.dayThere.empty()) reason += std::string(facts.dayThere) + " (the year " + year + " of the " + calendar + ") or ";
    if (facts.gregorianDay.empty()) return reason + "a day of the Gregorian year " + year + ": type the year of the " + calendar;
    const std::string calendarYear = std::to_string(facts.calendarYear);
    return reason + std::string(facts.gregorianDay) + " (its year " + calendarYear + "): type " + calendarYear +
           " for the second, or add " + eraOr(facts.calendarEra) + " for the first";
}

std::string yearOfEitherCalendar(int year, std::string_view calendar, std::string_view calendarEra,
                                 std::string_view gregorianEra) {
    return "The year " + std::to_string(year) + " may be meant in the " + std::string(calendar) +
           " or in the Gregorian calendar: add " + eraOr(calendarEra) + " for the first, " + eraOr(gregorianEra) +
           " for the second";
}

std::string dayOfEitherCalendar(const DayOfEitherCalendar& facts) {
    std::string reason = "The year " + std::to_string(facts.year) + " may be meant in the " + std::string(facts.calendar);
    if (!facts.dayThere.empty()) reason += " (" + std::string(facts.dayThere) + ")";
    reason += " or in the Gregorian calendar (" + std::string(facts.gregorianDay) + "): for the first ";
    if (!facts.dayThere.empty()) reason += "type " + std::to_string(facts.gregorianYearThere) + " or ";
    return reason + "add " + eraOr(facts.calendarEra) + ", for the second write the year with four digits and " +
           eraOr(facts.gregorianEra);
}

}  // namespace skyanchor::words
