#include "time/icu_pattern_words.hpp"

#include "time/icu_pattern_text.hpp"
#include "time/icu_support.hpp"
#include "time/unicode_text.hpp"

#include <unicode/datefmt.h>
#include <unicode/rbnf.h>

#include <algorithm>
#include <array>

namespace skyanchor {
namespace {

using icu::UnicodeString;
using Style = icu::DateFormat::EStyle;

constexpr std::array<Style, 4> kStyles{Style::kShort, Style::kMedium, Style::kLong, Style::kFull};

void append(std::vector<std::string>& words, const std::vector<std::string>& more) {
    words.insert(words.end(), more.begin(), more.end());
}

std::string bestPattern(icu::DateTimePatternGenerator& generator, const char* skeleton) {
    UErrorCode status = U_ZERO_ERROR;
    return utf8(generator.getBestPattern(UnicodeString(skeleton, -1, US_INV), status));
}

// The words after the last digit of a written ordinal ("1st", "1er", "1.º").
void addSuffixes(const std::string& ordinal, std::vector<std::string>& suffixes) {
    const std::size_t lastDigit = ordinal.find_last_of("0123456789");
    if (lastDigit == std::string::npos) return;
    std::vector<std::string> words;
    appendWords(std::string_view(ordinal).substr(lastDigit + 1), words);
    for (auto& word : words) {
        if (std::find(suffixes.begin(), suffixes.end(), word) == suffixes.end()) suffixes.push_back(std::move(word));
    }
}

}  // namespace

StylePatterns stylePatternsOf(const icu::Locale& locale) {
    StylePatterns styles;
    for (const Style style : kStyles) {
        const std::unique_ptr<icu::DateFormat> date(icu::DateFormat::createDateInstance(style, locale));
        styles.dates.push_back(patternOf(date.get()));
        const std::unique_ptr<icu::DateFormat> time(icu::DateFormat::createTimeInstance(style, locale));
        styles.times.push_back(patternOf(time.get()));
    }
    return styles;
}

std::vector<std::string> dateTimeWordsOf(const icu::Locale& locale) {
    std::vector<std::string> words;
    for (const Style date : kStyles) {
        for (const Style time : kStyles) {
            const std::unique_ptr<icu::DateFormat> format(icu::DateFormat::createDateTimeInstance(date, time, locale));
            append(words, literalWordsOf(patternOf(format.get())));
        }
    }
    return words;
}

std::vector<std::string> wordsOfPatterns(const std::vector<std::string>& icuPatterns) {
    std::vector<std::string> words;
    for (const std::string& pattern : icuPatterns) append(words, literalWordsOf(pattern));
    return words;
}

std::vector<std::string> dateWordsOf(const StylePatterns& styles, icu::DateTimePatternGenerator& generator) {
    std::vector<std::string> words = wordsOfPatterns(styles.dates);
    append(words, skeletonWordsOf(generator, {"yMMMd", "yMMMMd", "yMMMEd", "yMMMMEEEEd", "MMMd", "yMd"}));
    return words;
}

std::unique_ptr<icu::DateTimePatternGenerator> patternGeneratorOf(const icu::Locale& locale) {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::DateTimePatternGenerator> generator(icu::DateTimePatternGenerator::createInstance(locale, status));
    return U_SUCCESS(status) ? std::move(generator) : nullptr;
}

std::vector<std::string> skeletonWordsOf(icu::DateTimePatternGenerator& generator,
                                         std::initializer_list<const char*> skeletons) {
    std::vector<std::string> words;
    for (const char* skeleton : skeletons) append(words, literalWordsOf(bestPattern(generator, skeleton)));
    return words;
}

bool markerBeforeHour(icu::DateTimePatternGenerator& generator, const char* skeleton, char marker) {
    const std::string best = bestPattern(generator, skeleton);
    const std::size_t hour = best.find_first_of("hHkK");
    return best.find(marker) < hour && hour != std::string::npos;
}

std::vector<std::string> ordinalSuffixesOf(const icu::Locale& locale) {
    std::vector<std::string> suffixes;
    UErrorCode status = U_ZERO_ERROR;
    icu::RuleBasedNumberFormat ordinals(icu::URBNF_ORDINAL, locale, status);
    if (U_FAILURE(status)) return suffixes;
    for (int day = 1; day <= 31; ++day) {
        UnicodeString text;
        ordinals.format(day, text);
        addSuffixes(utf8(text), suffixes);
    }
    return suffixes;
}

}  // namespace skyanchor
