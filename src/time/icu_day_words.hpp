#pragma once

#include <unicode/locid.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace skyanchor {

// The locale's words for the parts of a day, as ICU writes them.
using DayHalfWords = std::vector<std::pair<std::string, int>>;  // "AM" 1 (before noon), "PM" 2
struct DayPeriodWords {
    // Flexible day periods ("in the evening", "凌晨"): the hours each covers, bit h for hour h.
    std::vector<std::pair<std::string, std::uint32_t>> periods;
    std::vector<std::pair<std::string, int>> exactHours;  // "noon" 12, "midnight" 0
};

// Its AM/PM words, short and long, leaving out single letters.
[[nodiscard]] DayHalfWords dayHalfWordsOf(const icu::Locale& locale);

// Its day periods, short and long, of both kinds ICU knows ("B" and "b"); words that are day
// halves too are left to those.
[[nodiscard]] DayPeriodWords dayPeriodWordsOf(const icu::Locale& locale, const DayHalfWords& dayHalves);

// Its names of UT ("GMT", "Koordinierte Weltzeit").
[[nodiscard]] std::vector<std::string> zoneWordsOf(const icu::Locale& locale);

}  // namespace skyanchor
