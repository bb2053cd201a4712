#pragma once

#include <unicode/datefmt.h>
#include <unicode/locid.h>
#include <unicode/smpdtfmt.h>
#include <unicode/unistr.h>

#include <chrono>
#include <memory>
#include <string>
#include <string_view>

namespace skyanchor {

// What every gatherer of a locale's date facts from ICU shares: texts out of ICU in UTF-8,
// formatters in UT, instants as days of UT, and which words say too little to be read.
inline constexpr double kMillisecondsPerDay = 86400000.0;

[[nodiscard]] std::string utf8(const icu::UnicodeString& text);

// The ICU locale of an id ("de_DE", "sr-Latn-RS"), with a calendar where one is named.
[[nodiscard]] icu::Locale localeOf(std::string_view id, std::string_view calendar);

// The instant of a time of day in UT.
[[nodiscard]] UDate instantOf(std::chrono::sys_days day, int hour = 0, int minute = 0);

// A formatter of one ICU pattern, in UT; null where ICU has none.
[[nodiscard]] std::unique_ptr<icu::SimpleDateFormat> formatter(const icu::Locale& locale, const char* pattern);
// The same, counting in a copy of the calendar given.
[[nodiscard]] std::unique_ptr<icu::SimpleDateFormat> formatter(const icu::Locale& locale, const char* pattern,
                                                               const icu::Calendar& calendar);

[[nodiscard]] std::string formatted(icu::SimpleDateFormat& format, UDate instant);

// The pattern of a formatter in ICU's letters; empty where it has none.
[[nodiscard]] std::string patternOf(const icu::DateFormat* format);

[[nodiscard]] inline bool isAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// A word of one ASCII letter ("a", "p") says too little to be read as a marker or an era.
[[nodiscard]] inline bool tooShortToRead(const std::string& word) {
    return word.size() < 2 && (word.empty() || isAsciiLetter(word[0]));
}

}  // namespace skyanchor
