#pragma once

#include <unicode/dtptngen.h>
#include <unicode/locid.h>

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

namespace skyanchor {

// ICU's patterns of the locale's four styles (short to full) of a date alone and of a time
// alone, in ICU's letters.
struct StylePatterns {
    std::vector<std::string> dates;
    std::vector<std::string> times;
};
[[nodiscard]] StylePatterns stylePatternsOf(const icu::Locale& locale);

// The words of the locale's patterns of a date with a time, every style of date with every style
// of time.
[[nodiscard]] std::vector<std::string> dateTimeWordsOf(const icu::Locale& locale);

// The words of ICU patterns, one after another.
[[nodiscard]] std::vector<std::string> wordsOfPatterns(const std::vector<std::string>& icuPatterns);

// The words of its dates: the styles' patterns, and ICU's best patterns for dates that name the
// month or the weekday.
[[nodiscard]] std::vector<std::string> dateWordsOf(const StylePatterns& styles, icu::DateTimePatternGenerator& generator);

// Null where ICU has no data to build one from.
[[nodiscard]] std::unique_ptr<icu::DateTimePatternGenerator> patternGeneratorOf(const icu::Locale& locale);

// The words of ICU's best patterns for the skeletons ("H" gives "Uhr" in German).
[[nodiscard]] std::vector<std::string> skeletonWordsOf(icu::DateTimePatternGenerator& generator,
                                                       std::initializer_list<const char*> skeletons);

// Whether ICU's best pattern for the skeleton writes the marker letter ('a', 'B') before the hour.
[[nodiscard]] bool markerBeforeHour(icu::DateTimePatternGenerator& generator, const char* skeleton, char marker);

// What the locale writes after a day's number as an ordinal: "st", "nd", "er".
[[nodiscard]] std::vector<std::string> ordinalSuffixesOf(const icu::Locale& locale);

}  // namespace skyanchor
