#pragma once

#include "time/date_conventions.hpp"

#include <string>
#include <string_view>
#include <vector>

namespace skyanchor {

// The calendars a locale commonly uses whose eras a text may name and whose days ICU converts
// plainly (months 1 to 12 or 13 in order), the Gregorian one always among them.
[[nodiscard]] std::vector<std::string> readableCalendarsOf(std::string_view localeId);

// The locale's default calendar where it is not the Gregorian one, and the others it commonly
// uses whose years of the present could pass for Gregorian years: all a date text needs of ICU
// to be written. Cheap where there are none, as in most locales.
[[nodiscard]] std::vector<CustomaryCalendar> icuOtherCalendarsOf(std::string_view localeId);

// Each era of the locale's calendars with its names as the locale writes them in dates of that
// calendar (its symbols alone may hold another calendar's eras).
[[nodiscard]] std::vector<CalendarEra> namedErasOf(std::string_view localeId);

// A month of one of the locale's other calendars, by name ("آذر", "جمادى الآخرة").
struct CalendarMonth {
    int calendar;  // index in the other calendars
    int month;     // 1..12
    std::string name;
};
// The month names of the other calendars as the locale writes them in its dates; those of
// calendars with the Gregorian months (Buddhist, Minguo) are the Gregorian names.
[[nodiscard]] std::vector<CalendarMonth> calendarMonthsOf(std::string_view localeId,
                                                          const std::vector<CustomaryCalendar>& otherCalendars);

}  // namespace skyanchor
