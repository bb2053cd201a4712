#include "time/icu_date_facts.hpp"

#include "time/icu_day_words.hpp"
#include "time/icu_pattern_text.hpp"
#include "time/icu_pattern_words.hpp"
#include "time/icu_support.hpp"

#include <unicode/datefmt.h>

#include <algorithm>
#include <array>
#include <memory>

namespace skyanchor {
namespace {

// What people of a language type that no ICU pattern holds: hour words ("7点23分", Thai
// "19.23 น."), the point of a Thai time, the word for "year" after a Russian date, German "am"
// before a date ("am 8.12.2026 um 12:30"), which there is no day-half word: German writes a
// 24-hour clock.
struct TypedWord {
    enum Kind { Hour, Text, TimeSeparator, FirstYear };
    std::string_view language;
    std::string_view word;
    Kind kind;
};
constexpr std::array<TypedWord, 12> kTypedWords{{
    {"ja", "元", TypedWord::FirstYear},
    {"zh", "点", TypedWord::Hour},
    {"zh", "點", TypedWord::Hour},
    {"zh", "分", TypedWord::Text},
    {"zh", "秒", TypedWord::Text},
    {"th", "น.", TypedWord::Hour},
    {"th", ".", TypedWord::TimeSeparator},
    {"ru", "года", TypedWord::Text},
    {"ru", "год", TypedWord::Text},
    {"be", "года", TypedWord::Text},
    {"uk", "року", TypedWord::Text},
    {"de", "am", TypedWord::Text},
}};

void addTypedWords(std::string_view language, IcuDateFacts& facts) {
    for (const TypedWord& typed : kTypedWords) {
        if (typed.language != language) continue;
        auto& list = typed.kind == TypedWord::Hour            ? facts.hourWords
                     : typed.kind == TypedWord::Text          ? facts.patternWords
                     : typed.kind == TypedWord::TimeSeparator ? facts.timeSeparators
                                                              : facts.firstYearWords;
        list.emplace_back(typed.word);
    }
}

void append(std::vector<std::string>& words, const std::vector<std::string>& more) {
    words.insert(words.end(), more.begin(), more.end());
}

// The words of every date, time and date-time pattern; a date or a time alone is written with
// the style's own pattern, which ICU builds once for both.
void addPatternWords(const icu::Locale& locale, IcuDateFacts& facts) {
    const StylePatterns styles = stylePatternsOf(locale);
    for (const std::string& time : styles.times) facts.timePatterns.push_back(datePatternOfIcu(time));
    facts.patternWords = wordsOfPatterns(styles.dates);
    append(facts.patternWords, wordsOfPatterns(styles.times));
    append(facts.patternWords, dateTimeWordsOf(locale));
    const auto generator = patternGeneratorOf(locale);
    if (!generator) return;
    facts.hourWords = skeletonWordsOf(*generator, {"H", "h", "Bh"});
    facts.dayHalfBeforeHour = markerBeforeHour(*generator, "hm", 'a');
    facts.periodBeforeHour = markerBeforeHour(*generator, "Bhm", 'B');
    append(facts.patternWords, skeletonWordsOf(*generator, {"Hm", "hm", "Hms", "hms", "Bhm"}));
    // A word that also follows a day (Kurdish "ی") does not make the number before it an hour.
    const std::vector<std::string> dateWords = dateWordsOf(styles, *generator);
    std::erase_if(facts.hourWords, [&dateWords](const std::string& word) {
        return std::find(dateWords.begin(), dateWords.end(), word) != dateWords.end();
    });
    append(facts.patternWords, dateWords);
}

void addDayWords(const icu::Locale& locale, IcuDateFacts& facts) {
    facts.dayHalves = dayHalfWordsOf(locale);
    DayPeriodWords periods = dayPeriodWordsOf(locale, facts.dayHalves);
    facts.dayPeriods = std::move(periods.periods);
    facts.exactHours = std::move(periods.exactHours);
    facts.zoneWords = zoneWordsOf(locale);
}

// ICU's order counts where it has the language's own data, not where it falls back to the root
// or the default locale.
std::string everydayDatePatternOf(const icu::Locale& locale) {
    const std::unique_ptr<icu::DateFormat> shortDate(icu::DateFormat::createDateInstance(icu::DateFormat::kShort, locale));
    UErrorCode status = U_ZERO_ERROR;
    const icu::Locale actual = shortDate ? shortDate->getLocale(ULOC_ACTUAL_LOCALE, status) : icu::Locale::getRoot();
    if (U_FAILURE(status) || std::string_view(actual.getLanguage()) != locale.getLanguage()) return {};
    const std::string pattern = patternOf(shortDate.get());
    return pattern.empty() ? std::string() : datePatternOfIcu(pattern);
}

}  // namespace

IcuDateFacts icuDateFactsOf(std::string_view localeId, const std::vector<CustomaryCalendar>& otherCalendars) {
    IcuDateFacts facts;
    if (localeId.empty()) return facts;
    const icu::Locale locale = localeOf(localeId, "gregorian");
    addPatternWords(locale, facts);
    addDayWords(locale, facts);
    facts.ordinalSuffixes = ordinalSuffixesOf(locale);
    facts.eras = namedErasOf(localeId);
    if (!isPosixLocale(localeId)) {
        facts.calendarMonths = calendarMonthsOf(localeId, otherCalendars);
        facts.everydayDatePattern = everydayDatePatternOf(locale);
    }
    const std::string_view language = locale.getLanguage();
    addTypedWords(language, facts);
    facts.turkicCase = language == "tr" || language == "az";
    return facts;
}

}  // namespace skyanchor
