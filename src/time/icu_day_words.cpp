#include "time/icu_day_words.hpp"

#include "time/icu_support.hpp"

#include <unicode/timezone.h>

#include <algorithm>
#include <memory>

namespace skyanchor {
namespace {

using HoursByWord = std::vector<std::pair<std::string, std::uint32_t>>;

constexpr std::chrono::sys_days kSampleDay{std::chrono::year{2000} / 1 / 3};

template <typename Pairs>
bool hasWord(const Pairs& pairs, const std::string& word) {
    return std::any_of(pairs.begin(), pairs.end(), [&word](const auto& pair) { return pair.first == word; });
}

// The word a day-period pattern writes at half past each hour, with the hours it covers.
HoursByWord hoursByWord(icu::SimpleDateFormat& format) {
    HoursByWord periods;
    for (int hour = 0; hour < 24; ++hour) {
        const std::string word = formatted(format, instantOf(kSampleDay, hour, 30));
        const auto same = std::find_if(periods.begin(), periods.end(), [&](const auto& p) { return p.first == word; });
        if (same != periods.end()) {
            same->second |= 1u << hour;
        } else {
            periods.emplace_back(word, 1u << hour);
        }
    }
    return periods;
}

// A word written at midnight or noon sharp and at no half hour names that hour alone, as does a
// period of the one hour that begins at 0:00 or 12:00 ("noon").
void addWordsOfPattern(icu::SimpleDateFormat& format, const DayHalfWords& dayHalves, DayPeriodWords& words) {
    HoursByWord periods = hoursByWord(format);
    for (const int hour : {0, 12}) {
        const std::string word = formatted(format, instantOf(kSampleDay, hour));
        if (!hasWord(dayHalves, word) && !hasWord(periods, word)) words.exactHours.emplace_back(word, hour);
    }
    for (auto& period : periods) {
        if (hasWord(dayHalves, period.first) || tooShortToRead(period.first)) continue;
        if (period.second == 1u || period.second == 1u << 12) {
            words.exactHours.emplace_back(std::move(period.first), period.second == 1u ? 0 : 12);
        } else {
            words.periods.push_back(std::move(period));
        }
    }
}

}  // namespace

DayHalfWords dayHalfWordsOf(const icu::Locale& locale) {
    DayHalfWords halves;
    for (const char* pattern : {"a", "aaaa"}) {
        if (const auto format = formatter(locale, pattern)) {
            halves.emplace_back(formatted(*format, instantOf(kSampleDay, 3)), 1);
            halves.emplace_back(formatted(*format, instantOf(kSampleDay, 15)), 2);
        }
    }
    std::erase_if(halves, [](const auto& half) { return tooShortToRead(half.first); });
    return halves;
}

DayPeriodWords dayPeriodWordsOf(const icu::Locale& locale, const DayHalfWords& dayHalves) {
    DayPeriodWords words;
    for (const char* pattern : {"B", "BBBB", "b", "bbbb"}) {
        if (const auto format = formatter(locale, pattern)) addWordsOfPattern(*format, dayHalves, words);
    }
    std::erase_if(words.exactHours, [](const auto& hour) { return tooShortToRead(hour.first); });
    return words;
}

std::vector<std::string> zoneWordsOf(const icu::Locale& locale) {
    std::vector<std::string> words;
    const std::unique_ptr<icu::TimeZone> utc(icu::TimeZone::createTimeZone("Etc/UTC"));
    for (const char* pattern : {"z", "zzzz", "O", "OOOO", "v", "vvvv", "VVVV"}) {
        const auto format = formatter(locale, pattern);
        if (!format) continue;
        words.push_back(formatted(*format, 0.0));
        format->setTimeZone(*utc);
        words.push_back(formatted(*format, 0.0));
    }
    return words;
}

}  // namespace skyanchor
