#include "time/day_resolution.hpp"

#include "time/calendar_conversion.hpp"
#include "time/date_serial.hpp"
#include "time/reader_refusals.hpp"

#include <string>
#include <utility>
#include <vector>

namespace skyanchor {
namespace {

using namespace std::chrono;
using words::DateTextFault;

// One reading of the date's numbers: which is the year, the month and the day.
struct Candidate {
    DateNumber year;
    int month;
    int day;
};

// A day that a candidate names, or why it names none (empty: its numbers name no day).
struct CandidateDay {
    std::optional<year_month_day> date;
    std::string reason;
};

// One or two digits name a year of 1930 to 2029; more digits name the year as written.
int fullYear(const DateNumber& year) {
    if (year.digits > 2) return year.value;
    return year.value < 30 ? 2000 + year.value : 1900 + year.value;
}

std::optional<year_month_day> gregorianDay(int y, int m, int d) {
    if (y < 100 || y > 9999 || m < 1 || m > 12 || d < 1 || d > 31) return std::nullopt;
    const year_month_day date{year{y}, month{static_cast<unsigned>(m)}, day{static_cast<unsigned>(d)}};
    return date.ok() ? std::optional(date) : std::nullopt;
}

CandidateDay inRange(std::optional<year_month_day> date) {
    return date && isFieldDay(*date) ? CandidateDay{date, {}} : CandidateDay{};
}

// The year of a calendar that two digits name: the one of the hundred years around its present.
int yearOfTwoDigits(int digits, int base) { return base + ((digits - base % 100) % 100 + 100) % 100; }

std::string eraDayText(sys_days day, bool open, const DateTextCodec& codec) {
    return open || !isFieldDay(year_month_day{day}) ? std::string() : dayText(day, codec);
}

// A year written with an era is read as written, within the days the era ran. Two digits with
// an era whose years now have four ("48 AH") are a shortened year, whose century is not said.
CandidateDay dayInEra(const Candidate& c, const CalendarEra& era, const DateTextCodec& codec) {
    if (c.year.digits <= 2 && era.presentYear >= 1000) {
        return {std::nullopt, words::eraYearWithoutCentury(era.name, era.presentYear)};
    }
    const auto date = gregorianDateOf(era.calendar, era.era, c.year.value, c.month, c.day);
    if (date && (sys_days{*date} < era.firstDay || sys_days{*date} > era.lastDay)) {
        return {std::nullopt, words::dayOutsideEra(era.name, eraDayText(era.firstDay, era.firstDay == sys_days::min(), codec),
                                                   eraDayText(era.lastDay, era.lastDay == sys_days::max(), codec))};
    }
    return inRange(date);
}

// A month of another calendar with a four-digit year of the Gregorian calendar's present, not
// of that calendar's: both readings, never a guess.
Failure mixedYear(const Candidate& c, const CustomaryCalendar& other, const DateTextCodec& codec) {
    const int typed = c.year.value;
    const auto there = gregorianDateOf(other.calendar, other.era, typed, c.month, c.day);
    const std::string dayThere = there && isFieldDay(*there) ? dayText(*there, codec) : std::string();
    words::MonthAndYearOfTwoCalendars facts{.calendar = other.displayName, .year = typed, .dayThere = dayThere,
                                            .gregorianDay = {}, .calendarYear = 0, .calendarEra = other.eraName};
    for (const year_month_day edge : {year{typed} / 1 / 1, year{typed} / 12 / 31}) {
        const int calendarYear = calendarYearOf(other.calendar, edge);
        const auto day = gregorianDateOf(other.calendar, other.era, calendarYear, c.month, c.day);
        if (!day || day->year() != year{typed}) continue;
        const std::string gregorianDay = dayText(*day, codec);
        facts.gregorianDay = gregorianDay;
        facts.calendarYear = calendarYear;
        return refusal(words::monthAndYearOfTwoCalendars(facts));
    }
    return refusal(words::monthAndYearOfTwoCalendars(facts));
}

// A month's name of another calendar says the calendar of the year too.
Result<CandidateDay> dayInOtherCalendar(const Candidate& c, const TypedDate& typed, const DateTextCodec& codec) {
    const CustomaryCalendar& other = codec.otherCalendars()[static_cast<std::size_t>(typed.monthCalendar - 1)];
    if (typed.era != 0 && codec.era(typed.era).calendar != other.calendar) {
        return refusal(words::monthAndEraOfTwoCalendars(other.displayName, exampleText(codec)));
    }
    if (typed.era != 0) return dayInEra(c, codec.era(typed.era), codec);
    const bool twoDigits = c.year.digits <= 2;
    const int y = twoDigits ? yearOfTwoDigits(c.year.value, other.twoDigitBase) : c.year.value;
    if (!twoDigits && (y < other.firstYear || y > other.lastYear) && y >= 1900 && y <= 2099) return mixedYear(c, other, codec);
    return inRange(gregorianDateOf(other.calendar, other.era, y, c.month, c.day));
}

Result<CandidateDay> dayOf(const Candidate& c, const TypedDate& typed, const DateTextCodec& codec) {
    if (typed.monthCalendar != 0) return dayInOtherCalendar(c, typed, codec);
    if (typed.era != 0) return dayInEra(c, codec.era(typed.era), codec);
    return inRange(gregorianDay(fullYear(c.year), c.month, c.day));
}

// In a locale that counts years in another calendar too, a year without an era may be meant in
// either. A year of the present there (or of two digits, where those are the present's years)
// names both readings. Where that calendar is the customary one, a Gregorian year is read only
// from 1900 to 2099, where the other calendar's years of the present are not.
Status checkOtherCalendars(const Candidate& c, year_month_day gregorian, const TypedDate& typed, const DateTextCodec& codec) {
    if (typed.era != 0 || typed.monthCalendar != 0) return done();
    for (const CustomaryCalendar& other : codec.otherCalendars()) {
        const bool twoDigits = c.year.digits <= 2;
        const bool present = !twoDigits && c.year.value >= other.firstYear && c.year.value <= other.lastYear;
        if (other.customary && !twoDigits && !present && (c.year.value < 1900 || c.year.value > 2099)) {
            return refusal(words::yearOfEitherCalendar(c.year.value, other.displayName, other.eraName, codec.gregorianEra()));
        }
        if (!present && !(twoDigits && (other.customary || other.firstYear < 100))) continue;
        const int calendarYear = twoDigits ? yearOfTwoDigits(c.year.value, other.twoDigitBase) : c.year.value;
        const auto there = gregorianDateOf(other.calendar, other.era, calendarYear, c.month, c.day);
        const std::string dayThere = there ? dayText(*there, codec) : std::string();
        const std::string gregorianDay = dayText(gregorian, codec);
        return refusal(words::dayOfEitherCalendar({.year = c.year.value, .calendar = other.displayName, .dayThere = dayThere,
                                                   .gregorianYearThere = there ? static_cast<int>(there->year()) : 0,
                                                   .gregorianDay = gregorianDay, .calendarEra = other.eraName,
                                                   .gregorianEra = codec.gregorianEra()}));
    }
    return done();
}

// The readings of the numbers in the orders they may be meant in. A four-digit year last is the
// field's own form when its order puts the year last: then that order reads it; a text in another
// form may be meant in more than one.
std::vector<Candidate> candidatesOf(const TypedDate& typed, const DateTextCodec& codec) {
    const auto& n = typed.dateNumbers;
    if (typed.month != 0) {
        const bool yearFirst = n[0].digits > 2 || (n[1].digits <= 2 && codec.yearBeforeDayAroundMonthWord());
        return {{yearFirst ? n[0] : n[1], typed.month, (yearFirst ? n[1] : n[0]).value}};
    }
    if (n[0].digits > 2) return {{n[0], n[1].value, n[2].value}};
    const bool fullYearLast = n[2].digits > 2;
    std::vector<Candidate> candidates;
    // Numbers parted otherwise than the locale parts them may be in another locale's order: month
    // or day first are both read, the order the locale does not write first, and a day above 12
    // tells them apart.
    if (typed.foreignSeparators) {
        const Candidate dayFirst{n[2], n[1].value, n[0].value};
        const Candidate monthFirst{n[2], n[0].value, n[1].value};
        const bool localeDayFirst = codec.orders().front() == DateOrder::DayMonthYear;
        candidates = {localeDayFirst ? monthFirst : dayFirst, localeDayFirst ? dayFirst : monthFirst};
    }
    if (typed.foreignSeparators && fullYearLast) return candidates;
    for (const DateOrder order : codec.orders()) {
        if (fullYearLast && order == DateOrder::YearMonthDay) continue;
        if (fullYearLast && order == codec.orders().front()) candidates.clear();
        switch (order) {
        case DateOrder::YearMonthDay: candidates.push_back({n[0], n[1].value, n[2].value}); break;
        case DateOrder::MonthDayYear: candidates.push_back({n[2], n[0].value, n[1].value}); break;
        case DateOrder::DayMonthYear: candidates.push_back({n[2], n[1].value, n[0].value}); break;
        }
        if (fullYearLast && order == codec.orders().front()) break;
    }
    return candidates;
}

using FoundDay = std::pair<year_month_day, Candidate>;

std::string inWords(year_month_day date) {
    return words::dayInWords(static_cast<int>(date.year()), static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
}

// The one day the candidates name; two different ones, or none, are refused with the reason.
Result<FoundDay> onlyDay(const std::vector<Candidate>& candidates, const TypedDate& typed, const DateTextCodec& codec) {
    std::optional<FoundDay> found;
    std::string reason;
    for (const Candidate& c : candidates) {
        const Result<CandidateDay> day = dayOf(c, typed, codec);
        if (!day) return day.failure();
        if (reason.empty()) reason = day->reason;
        if (!day->date || (found && *day->date == found->first)) continue;
        if (found) {
            return refusal(words::orderUnknown(inWords(found->first), inWords(*day->date), orderExample(codec)));
        }
        found.emplace(*day->date, c);
    }
    if (found) return *found;
    if (!reason.empty()) return refusal(reason);
    return refusal(words::noSuchDay(orderExample(codec), exampleText(codec)));
}

Result<year_month_day> dayOfYearIn(year y, int number, const DateTextCodec& codec) {
    const int length = y.is_leap() ? 366 : 365;
    if (number < 1 || number > length) return refusal(words::noSuchDayOfYear(static_cast<int>(y), length, exampleText(codec)));
    return year_month_day{sys_days{y / 1 / 1} + days{number - 1}};
}

// ISO 8601's weeks begin on Monday; the first of a year holds its 4 January, the last its 28 December.
Result<year_month_day> dayOfWeek(year y, int week, int weekdayNumber, const DateTextCodec& codec) {
    const sys_days fourth{y / 1 / 4};
    const sys_days firstMonday = fourth - days{weekday{fourth}.iso_encoding() - 1};
    const auto weeks = static_cast<int>((sys_days{y / 12 / 28} - firstMonday).count() / 7 + 1);
    if (week < 1 || week > weeks) return refusal(words::noSuchWeek(static_cast<int>(y), weeks, exampleText(codec)));
    if (weekdayNumber < 1 || weekdayNumber > 7) return refusal(DateTextFault::NoSuchWeekday, codec);
    return year_month_day{firstMonday + days{(week - 1) * 7 + weekdayNumber - 1}};
}

// A day of ISO 8601's numbered forms, always of the Gregorian calendar: its year and numbers only.
Result<year_month_day> numberedDay(const TypedDate& typed, const DateTextCodec& codec) {
    if (typed.dateCount != 1) return refusal(DateTextFault::TooManyNumbers, codec);
    if (typed.month != 0 || typed.era != 0) return refusal(DateTextFault::NumberedDayWithWords, codec);
    const year y{typed.dateNumbers[0].value};
    Result<year_month_day> day = typed.dayOfYear ? dayOfYearIn(y, *typed.dayOfYear, codec)
                                                   : dayOfWeek(y, *typed.isoWeek, typed.isoWeekday, codec);
    if (day && !isFieldDay(*day)) return refusal(DateTextFault::OutsideDates, codec);
    return day;
}

// The day, unless the text names another weekday.
Result<std::optional<year_month_day>> withItsWeekday(year_month_day date, const TypedDate& typed, const DateTextCodec& codec) {
    if (typed.weekday != 0) {
        const unsigned iso = weekday{sys_days{date}}.iso_encoding();
        if ((typed.weekday & (1u << (iso - 1))) == 0) return refusal(words::wrongWeekday(dayText(date, codec), iso));
    }
    return std::optional(date);
}

}  // namespace

Result<std::optional<year_month_day>> dateOf(const TypedDate& typed, const DateTextCodec& codec) {
    if (typed.month == 0 && typed.dateCount == 0) {
        if (typed.weekday != 0) return refusal(DateTextFault::WeekdayAlone, codec);
        if (typed.era != 0) return refusal(DateTextFault::EraAlone, codec);
        return std::optional<year_month_day>{};
    }
    if (typed.dayOfYear || typed.isoWeek) {
        const Result<year_month_day> day = numberedDay(typed, codec);
        if (!day) return day.failure();
        return withItsWeekday(*day, typed, codec);
    }
    if (typed.dateCount != (typed.month != 0 ? 2u : 3u)) return refusal(DateTextFault::DateIncomplete, codec);
    const Result<FoundDay> found = onlyDay(candidatesOf(typed, codec), typed, codec);
    if (!found) return found.failure();
    const auto& [date, chosen] = *found;
    const Status checked = checkOtherCalendars(chosen, date, typed, codec);
    if (!checked) return checked.failure();
    return withItsWeekday(date, typed, codec);
}

}  // namespace skyanchor
