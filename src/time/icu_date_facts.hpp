#pragma once

#include "time/date_locale.hpp"

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace skyanchor {

// What ICU knows of a locale's dates beyond the patterns and names the date field writes with.
struct IcuDateFacts {
    std::vector<std::string> patternWords;    // the words of every date, time and date-time pattern
    std::vector<std::string> timePatterns;    // ICU's time patterns, in the letters of DatePattern
    std::vector<std::string> hourWords;       // what stands after an hour alone ("Uhr", "h", "时")
    std::vector<std::string> timeSeparators;  // typed between hours and minutes, and perhaps in dates
    std::vector<std::pair<std::string, int>> dayHalves;  // the locale's AM/PM words: 1 before noon, 2 after
    // Flexible day periods ("in the evening", "凌晨"): the hours each covers, bit h for hour h.
    std::vector<std::pair<std::string, std::uint32_t>> dayPeriods;
    std::vector<std::pair<std::string, int>> exactHours;  // "noon" 12, "midnight" 0
    std::vector<std::string> zoneWords;       // names of UT in the locale ("GMT", "Koordinierte Weltzeit")
    std::vector<std::string> ordinalSuffixes; // "st", "nd", "er" after a day's number
    std::vector<std::string> firstYearWords;  // "元": the first year of an era, as Japanese writes it
    std::vector<CalendarEra> eras;
    std::vector<CustomaryCalendar> otherCalendars;  // the customary one first
    struct CalendarMonth {
        int calendar;  // index in otherCalendars
        int month;     // 1..12
        std::string name;
    };
    std::vector<CalendarMonth> calendarMonths;  // "آذر", "جمادى الآخرة": months of the other calendars
    std::string icuShortDatePattern;          // ICU's everyday short date, in ICU's letters
    bool turkicCase = false;                  // I and ı, İ and i are pairs (Turkish, Azerbaijani)
    bool dayHalfBeforeHour = false;           // "오후 7:23" rather than "7:23 PM"
    bool periodBeforeHour = false;            // "晚上7:23" rather than "7:23 in the evening"
};

// Whether an ICU locale id is the C/POSIX locale, whose date text is ISO 8601.
[[nodiscard]] bool isPosixLocale(std::string_view localeId);

// The locale's default calendar where it is not the Gregorian one, and the others it commonly
// uses whose years of the present could pass for Gregorian years: all a date text needs of ICU
// to be written. Cheap where there are none, as in most locales.
[[nodiscard]] std::vector<CustomaryCalendar> icuOtherCalendarsOf(std::string_view localeId);

// The facts of an ICU locale id ("de_DE", "sr_Latn_RS"), whose other calendars are already
// known (icuOtherCalendarsOf): their month names are added. An empty id gives none.
[[nodiscard]] IcuDateFacts icuDateFactsOf(std::string_view localeId, std::vector<CustomaryCalendar> otherCalendars);

// A locale's date conventions as ICU's data gives them, in the pattern letters of DatePattern;
// for tests, tools and the C/POSIX locale (ICU's "en_US_POSIX"), whose text is ISO 8601.
[[nodiscard]] DateLocale dateLocaleFromIcu(std::string_view localeId);

// The Gregorian day of a day in another calendar (Gregorian years counted proleptically), or
// none when the calendar has no such day.
[[nodiscard]] std::optional<std::chrono::year_month_day> gregorianDateOf(const std::string& calendar, int era, int year,
                                                                         int month, int day);

// The year of another calendar in which a Gregorian day falls (Persian 1405 for 8 December 2026).
[[nodiscard]] int calendarYearOf(const std::string& calendar, std::chrono::year_month_day date);

// The pattern letters of ICU ("EEEE, MMMM d, y 'at' h:mm:ss a zzzz") as DatePattern reads them.
[[nodiscard]] std::string datePatternOfIcu(std::string_view icuPattern);

}  // namespace skyanchor
