#pragma once

#include "time/date_conventions.hpp"
#include "time/icu_calendar_facts.hpp"

#include <cstdint>
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
    std::vector<CalendarMonth> calendarMonths;  // months of the other calendars
    std::string everydayDatePattern;          // ICU's everyday short date, in the letters of DatePattern
    bool turkicCase = false;                  // I and ı, İ and i are pairs (Turkish, Azerbaijani)
    bool dayHalfBeforeHour = false;           // "오후 7:23" rather than "7:23 PM"
    bool periodBeforeHour = false;            // "晚上7:23" rather than "7:23 in the evening"
};

// The facts of an ICU locale id ("de_DE", "sr_Latn_RS"), whose other calendars are already
// known (icuOtherCalendarsOf): their month names are added. An empty id gives none.
[[nodiscard]] IcuDateFacts icuDateFactsOf(std::string_view localeId, const std::vector<CustomaryCalendar>& otherCalendars);

}  // namespace skyanchor
