#pragma once

#include "time/date_conventions.hpp"

#include <unicode/calendar.h>
#include <unicode/locid.h>

#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace skyanchor {

// The calendar a locale counts in (or the one its "@calendar=" names), in UT, with Gregorian days
// before 15 October 1582 reckoned as Gregorian ones, as the field does: the one set-up of every
// conversion below and of every formatter of another calendar. Null where ICU has none.
[[nodiscard]] std::unique_ptr<icu::Calendar> calendarOf(const icu::Locale& locale);
// ICU's calendar of a type ("persian", "japanese").
[[nodiscard]] std::unique_ptr<icu::Calendar> calendarOf(std::string_view type);

// A day named in a calendar's own terms; without a month, the day its year began in that era
// (Taishō 1 began on 30 July 1912, not on 1 January).
struct CalendarDay {
    int era = 0;
    int year = 0;
    int month = 0;  // 1..13; 0 for none
    int day = 0;
};
[[nodiscard]] std::optional<UDate> instantIn(icu::Calendar& calendar, const CalendarDay& day);

[[nodiscard]] std::chrono::sys_days today();

// The year of a calendar in which a day falls.
[[nodiscard]] int yearOn(icu::Calendar& calendar, std::chrono::sys_days day);

// The Gregorian day of a day in another calendar (Gregorian years counted proleptically), or
// none when the calendar has no such day.
[[nodiscard]] std::optional<std::chrono::year_month_day> gregorianDateOf(const std::string& calendar, int era, int year,
                                                                         int month, int day);

// The year of another calendar in which a Gregorian day falls (Persian 1405 for 8 December 2026).
[[nodiscard]] int calendarYearOf(const std::string& calendar, std::chrono::year_month_day date);

// The eras of one calendar with the days each ran and its present year, unnamed yet.
[[nodiscard]] std::vector<CalendarEra> eraSpansOf(const std::string& type, icu::Calendar& calendar);

}  // namespace skyanchor
