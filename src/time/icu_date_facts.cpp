#include "time/icu_date_facts.hpp"

#include "time/unicode_text.hpp"

#include <unicode/calendar.h>
#include <unicode/datefmt.h>
#include <unicode/dtfmtsym.h>
#include <unicode/dtptngen.h>
#include <unicode/gregocal.h>
#include <unicode/locid.h>
#include <unicode/rbnf.h>
#include <unicode/smpdtfmt.h>
#include <unicode/ucal.h>
#include <unicode/uenum.h>
#include <unicode/uloc.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>

namespace skyanchor {
namespace {

using icu::UnicodeString;

constexpr double kMillisecondsPerDay = 86400000.0;

std::string utf8(const UnicodeString& text) {
    std::string out;
    text.toUTF8String(out);
    return out;
}

icu::Locale localeOf(std::string_view id, std::string_view calendar) {
    std::string name(id);
    std::replace(name.begin(), name.end(), '-', '_');
    if (!calendar.empty()) name.append("@calendar=").append(calendar);
    return icu::Locale::createFromName(name.c_str());
}

// ICU reckons Gregorian days before 15 October 1582 in the Julian calendar; the field does not.
void makeProleptic(icu::Calendar& calendar) {
    if (auto* gregorian = dynamic_cast<icu::GregorianCalendar*>(&calendar)) {
        UErrorCode status = U_ZERO_ERROR;
        gregorian->setGregorianChange(U_DATE_MIN, status);
    }
}

UDate instantOf(std::chrono::year_month_day date, int hour = 0, int minute = 0) {
    const auto days = std::chrono::sys_days{date}.time_since_epoch().count();
    return static_cast<double>(days) * kMillisecondsPerDay + (hour * 60 + minute) * 60000.0;
}

// A formatter of one pattern, in UT.
std::unique_ptr<icu::SimpleDateFormat> formatter(const icu::Locale& locale, const char* pattern) {
    UErrorCode status = U_ZERO_ERROR;
    auto format = std::make_unique<icu::SimpleDateFormat>(UnicodeString(pattern, -1, US_INV), locale, status);
    if (U_FAILURE(status)) return nullptr;
    format->setTimeZone(*icu::TimeZone::getGMT());
    return format;
}

std::string formatted(icu::SimpleDateFormat& format, UDate instant) {
    UnicodeString text;
    format.format(instant, text);
    return utf8(text);
}

std::string patternOf(const icu::DateFormat* format) {
    const auto* simple = dynamic_cast<const icu::SimpleDateFormat*>(format);
    if (simple == nullptr) return {};
    UnicodeString pattern;
    simple->toPattern(pattern);
    return utf8(pattern);
}

bool isAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// The literal text of an ICU pattern: quoted parts and what is no pattern letter.
std::string literalsOf(std::string_view pattern) {
    std::string literal;
    for (std::size_t pos = 0; pos < pattern.size(); ++pos) {
        if (pattern[pos] == '\'') {
            const std::size_t close = pattern.find('\'', pos + 1);
            const std::size_t end = close == std::string_view::npos ? pattern.size() : close;
            literal.append(pattern.substr(pos + 1, end - pos - 1)).push_back(' ');
            pos = end;
        } else {
            literal.push_back(isAsciiLetter(pattern[pos]) ? ' ' : pattern[pos]);
        }
    }
    return literal;
}

// A word of one ASCII letter ("a", "p") says too little to be read as a marker.
bool tooShort(const std::string& word) { return word.size() < 2 && (word.empty() || isAsciiLetter(word[0])); }

void addPatternWords(const icu::Locale& locale, IcuDateFacts& facts) {
    using Style = icu::DateFormat::EStyle;
    constexpr std::array<Style, 5> kStyles{Style::kNone, Style::kShort, Style::kMedium, Style::kLong, Style::kFull};
    for (const Style time : kStyles) {
        if (time == Style::kNone) continue;
        const std::unique_ptr<icu::DateFormat> format(icu::DateFormat::createTimeInstance(time, locale));
        facts.timePatterns.push_back(datePatternOfIcu(patternOf(format.get())));
    }
    for (const Style date : kStyles) {
        for (const Style time : kStyles) {
            if (date == Style::kNone && time == Style::kNone) continue;
            const std::unique_ptr<icu::DateFormat> format(icu::DateFormat::createDateTimeInstance(date, time, locale));
            appendWords(literalsOf(patternOf(format.get())), facts.patternWords);
        }
    }
    UErrorCode status = U_ZERO_ERROR;
    const std::unique_ptr<icu::DateTimePatternGenerator> generator(
        icu::DateTimePatternGenerator::createInstance(locale, status));
    if (U_FAILURE(status)) return;
    for (const char* skeleton : {"H", "h", "Bh"}) {
        const UnicodeString best = generator->getBestPattern(UnicodeString(skeleton, -1, US_INV), status);
        appendWords(literalsOf(utf8(best)), facts.hourWords);
    }
    const auto before = [&](const char* skeleton, char marker) {
        const std::string best = utf8(generator->getBestPattern(UnicodeString(skeleton, -1, US_INV), status));
        const std::size_t hour = best.find_first_of("hHkK");
        return best.find(marker) < hour && hour != std::string::npos;
    };
    facts.dayHalfBeforeHour = before("hm", 'a');
    facts.periodBeforeHour = before("Bhm", 'B');
    for (const char* skeleton : {"Hm", "hm", "Hms", "hms", "Bhm"}) {
        const UnicodeString best = generator->getBestPattern(UnicodeString(skeleton, -1, US_INV), status);
        appendWords(literalsOf(utf8(best)), facts.patternWords);
    }
    // A word that also follows a day (Kurdish "ی") does not make the number before it an hour.
    std::vector<std::string> dateWords;
    for (const Style date : kStyles) {
        if (date == Style::kNone) continue;
        const std::unique_ptr<icu::DateFormat> format(icu::DateFormat::createDateInstance(date, locale));
        appendWords(literalsOf(patternOf(format.get())), dateWords);
    }
    for (const char* skeleton : {"yMMMd", "yMMMMd", "yMMMEd", "yMMMMEEEEd", "MMMd", "yMd"}) {
        const UnicodeString best = generator->getBestPattern(UnicodeString(skeleton, -1, US_INV), status);
        appendWords(literalsOf(utf8(best)), dateWords);
    }
    std::erase_if(facts.hourWords, [&dateWords](const std::string& word) {
        return std::find(dateWords.begin(), dateWords.end(), word) != dateWords.end();
    });
    facts.patternWords.insert(facts.patternWords.end(), dateWords.begin(), dateWords.end());
}

void addDayWords(const icu::Locale& locale, IcuDateFacts& facts) {
    const std::chrono::year_month_day day{std::chrono::year{2000} / 1 / 3};
    for (const char* pattern : {"a", "aaaa"}) {
        if (const auto format = formatter(locale, pattern)) {
            facts.dayHalves.emplace_back(formatted(*format, instantOf(day, 3)), 1);
            facts.dayHalves.emplace_back(formatted(*format, instantOf(day, 15)), 2);
        }
    }
    std::erase_if(facts.dayHalves, [](const auto& half) { return tooShort(half.first); });
    const auto isDayHalf = [&facts](const std::string& word) {
        return std::any_of(facts.dayHalves.begin(), facts.dayHalves.end(), [&](const auto& h) { return h.first == word; });
    };
    for (const char* pattern : {"B", "BBBB", "b", "bbbb"}) {
        const auto format = formatter(locale, pattern);
        if (!format) continue;
        std::vector<std::pair<std::string, std::uint32_t>> periods;
        for (int hour = 0; hour < 24; ++hour) {
            const std::string word = formatted(*format, instantOf(day, hour, 30));
            const auto same = std::find_if(periods.begin(), periods.end(), [&](const auto& p) { return p.first == word; });
            if (same != periods.end()) {
                same->second |= 1u << hour;
            } else {
                periods.emplace_back(word, 1u << hour);
            }
        }
        for (const int hour : {0, 12}) {
            const std::string word = formatted(*format, instantOf(day, hour));
            if (!isDayHalf(word) && std::none_of(periods.begin(), periods.end(), [&](const auto& p) { return p.first == word; })) {
                facts.exactHours.emplace_back(word, hour);
            }
        }
        for (auto& period : periods) {
            if (isDayHalf(period.first) || tooShort(period.first)) continue;
            if (period.second == 1u || period.second == 1u << 12) {  // "noon": the hour that begins at 12:00
                facts.exactHours.emplace_back(std::move(period.first), period.second == 1u ? 0 : 12);
            } else {
                facts.dayPeriods.push_back(std::move(period));
            }
        }
    }
    std::erase_if(facts.exactHours, [](const auto& hour) { return tooShort(hour.first); });
}

void addZoneWords(const icu::Locale& locale, IcuDateFacts& facts) {
    const std::unique_ptr<icu::TimeZone> utc(icu::TimeZone::createTimeZone("Etc/UTC"));
    for (const char* pattern : {"z", "zzzz", "O", "OOOO", "v", "vvvv", "VVVV"}) {
        const auto format = formatter(locale, pattern);
        if (!format) continue;
        facts.zoneWords.push_back(formatted(*format, 0.0));
        format->setTimeZone(*utc);
        facts.zoneWords.push_back(formatted(*format, 0.0));
    }
}

void addOrdinalSuffixes(const icu::Locale& locale, IcuDateFacts& facts) {
    UErrorCode status = U_ZERO_ERROR;
    icu::RuleBasedNumberFormat ordinals(icu::URBNF_ORDINAL, locale, status);
    if (U_FAILURE(status)) return;
    for (int day = 1; day <= 31; ++day) {
        UnicodeString text;
        ordinals.format(day, text);
        const std::string written = utf8(text);
        const std::size_t lastDigit = written.find_last_of("0123456789");
        if (lastDigit == std::string::npos) continue;
        std::vector<std::string> words;
        appendWords(std::string_view(written).substr(lastDigit + 1), words);
        for (auto& word : words) {
            if (std::find(facts.ordinalSuffixes.begin(), facts.ordinalSuffixes.end(), word) == facts.ordinalSuffixes.end()) {
                facts.ordinalSuffixes.push_back(std::move(word));
            }
        }
    }
}

// Calendars whose eras a text may name and whose days ICU converts plainly (months 1 to 12 or
// 13 in order); the lunisolar and Hebrew calendars number their months otherwise.
bool isReadableCalendar(std::string_view type) {
    return type == "gregorian" || type == "buddhist" || type == "roc" || type == "japanese" || type == "persian" ||
           type == "indian" || type.starts_with("islamic");
}

std::vector<std::string> calendarsOf(std::string_view id) {
    std::vector<std::string> calendars;
    UErrorCode status = U_ZERO_ERROR;
    const std::string name(id);
    UEnumeration* values = ucal_getKeywordValuesForLocale("calendar", name.c_str(), 1, &status);
    const char* value = nullptr;
    while (U_SUCCESS(status) && (value = uenum_next(values, nullptr, &status)) != nullptr) {
        if (isReadableCalendar(value)) calendars.emplace_back(value);
    }
    uenum_close(values);
    if (std::find(calendars.begin(), calendars.end(), "gregorian") == calendars.end()) calendars.emplace_back("gregorian");
    return calendars;
}

std::unique_ptr<icu::Calendar> calendarOf(const std::string& type) {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::Calendar> calendar(
        icu::Calendar::createInstance(icu::TimeZone::getGMT()->clone(), localeOf("und", type), status));
    if (U_FAILURE(status)) return nullptr;
    makeProleptic(*calendar);
    return calendar;
}

// What people of a language type that no ICU pattern holds: hour words ("7点23分", Thai
// "19.23 น."), the point of a Thai time, the word for "year" after a Russian date.
struct TypedWord {
    enum Kind { Hour, Text, TimeSeparator, FirstYear };
    std::string_view language;
    std::string_view word;
    Kind kind;
};
constexpr std::array<TypedWord, 11> kTypedWords{{
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

// Japanese eras before Meiji counted the months of the old lunisolar calendar, which ICU does not
// reckon: their names stay unknown words, refused as such.
constexpr int kMeijiEra = 232;

std::chrono::sys_days today() { return std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now()); }

std::chrono::sys_days dayOfInstant(UDate instant) {
    return std::chrono::sys_days{std::chrono::days{static_cast<long long>(std::floor(instant / kMillisecondsPerDay))}};
}

// The first day of an era: with only the era and its first year set, ICU takes the day the era
// began (Taishō 1 began on 30 July 1912, not on 1 January).
std::optional<std::chrono::sys_days> eraStart(icu::Calendar& calendar, int era) {
    calendar.clear();
    calendar.set(UCAL_ERA, era);
    calendar.set(UCAL_YEAR, 1);
    UErrorCode status = U_ZERO_ERROR;
    const UDate instant = calendar.getTime(status);
    if (U_FAILURE(status)) return std::nullopt;
    return dayOfInstant(instant);
}

int yearOn(icu::Calendar& calendar, std::chrono::sys_days day) {
    UErrorCode status = U_ZERO_ERROR;
    calendar.setTime(static_cast<double>(day.time_since_epoch().count()) * kMillisecondsPerDay, status);
    return calendar.get(UCAL_YEAR, status);
}

// The eras of one calendar with the days each ran, unnamed yet. The first of several eras counts
// its years backward (before Christ, before the Republic): it has no first day.
std::vector<CalendarEra> erasOf(const std::string& type, icu::Calendar& calendar) {
    const int first = type == "japanese" ? kMeijiEra : calendar.getMinimum(UCAL_ERA);
    const int last = calendar.getMaximum(UCAL_ERA);
    std::vector<CalendarEra> eras;
    for (int era = first; era <= last; ++era) {
        const auto start = eraStart(calendar, era);
        if (!start) continue;
        const bool backward = era == calendar.getMinimum(UCAL_ERA) && last > era;
        CalendarEra named{.calendar = type, .era = era, .name = {}, .firstDay = backward ? std::chrono::sys_days::min() : *start};
        if (era < last) {
            if (const auto next = eraStart(calendar, era + 1)) named.lastDay = *next - std::chrono::days{1};
        }
        named.presentYear = yearOn(calendar, std::min(today(), named.lastDay));
        eras.push_back(std::move(named));
    }
    return eras;
}

// Each era's names as the locale writes them in dates of that calendar (its symbols alone may
// hold another calendar's eras), formatted on a day inside the era.
void addEras(std::string_view id, IcuDateFacts& facts) {
    for (const std::string& type : calendarsOf(id)) {
        const auto calendar = calendarOf(type);
        if (!calendar) continue;
        const std::vector<CalendarEra> eras = erasOf(type, *calendar);
        const icu::Locale locale = localeOf(id, type);
        for (const char* pattern : {"G", "GGGG"}) {
            const auto format = formatter(locale, pattern);
            if (!format) continue;
            format->adoptCalendar(calendar->clone());
            for (const CalendarEra& era : eras) {
                const auto inside = era.firstDay == std::chrono::sys_days::min() ? era.lastDay : era.firstDay;
                const std::string name = formatted(*format, static_cast<double>(inside.time_since_epoch().count()) * kMillisecondsPerDay);
                if (tooShort(name) || name.find_first_of("0123456789()") != std::string::npos) continue;
                CalendarEra named = era;
                named.name = name;
                facts.eras.push_back(std::move(named));
            }
        }
    }
}

std::optional<CustomaryCalendar> otherCalendar(std::string_view id, const std::string& type) {
    const auto calendar = calendarOf(type);
    if (!calendar) return std::nullopt;
    const auto yearOf = [&calendar](std::chrono::year_month_day date) {
        UErrorCode error = U_ZERO_ERROR;
        calendar->setTime(instantOf(date), error);
        return calendar->get(UCAL_YEAR, error);
    };
    CustomaryCalendar customary;
    customary.calendar = type;
    customary.firstYear = yearOf(std::chrono::year{1900} / 1 / 1);
    customary.lastYear = yearOf(std::chrono::year{2099} / 12 / 31);
    customary.twoDigitBase = yearOf(std::chrono::year_month_day{today()}) - 50;
    UErrorCode status = U_ZERO_ERROR;
    customary.era = calendar->get(UCAL_ERA, status);
    std::array<UChar, 64> display{};
    const std::string name = "und@calendar=" + type;
    const int32_t length = uloc_getDisplayKeywordValue(name.c_str(), "calendar", "en", display.data(),
                                                       static_cast<int32_t>(display.size()), &status);
    customary.displayName = U_SUCCESS(status) ? utf8(UnicodeString(display.data(), length)) : type;
    status = U_ZERO_ERROR;
    if (const auto format = formatter(localeOf(id, type), "G")) {
        format->adoptCalendar(calendar->clone());
        customary.eraName = formatted(*format, instantOf(std::chrono::year{2000} / 1 / 1));
    }
    return customary;
}

// The names of the months of another calendar, as the locale writes them in its dates; those of
// calendars with the Gregorian months (Buddhist, Minguo) are the Gregorian names.
void addMonthNames(std::string_view id, std::size_t index, IcuDateFacts& facts) {
    const CustomaryCalendar& other = facts.otherCalendars[index];
    if (other.calendar == "buddhist" || other.calendar == "roc") return;
    const auto calendar = calendarOf(other.calendar);
    if (!calendar) return;
    for (const char* pattern : {"MMMM", "MMM", "LLLL", "LLL"}) {
        const auto format = formatter(localeOf(id, other.calendar), pattern);
        if (!format) continue;
        format->adoptCalendar(calendar->clone());
        for (int month = 0; month < 12; ++month) {
            calendar->clear();
            calendar->set(UCAL_ERA, other.era);
            calendar->set(UCAL_YEAR, other.firstYear + 50);
            calendar->set(UCAL_MONTH, month);
            calendar->set(UCAL_DATE, 15);
            UErrorCode status = U_ZERO_ERROR;
            const UDate instant = calendar->getTime(status);
            if (U_SUCCESS(status)) facts.calendarMonths.push_back({static_cast<int>(index), month + 1, formatted(*format, instant)});
        }
    }
}

icu::DateFormat* shortDateFormat(const icu::Locale& locale) {
    return icu::DateFormat::createDateInstance(icu::DateFormat::kShort, locale);
}

void fill(std::array<std::string, 12>& names, const UnicodeString* source, int32_t count) {
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (static_cast<int32_t>(i) < count) names[i] = utf8(source[i]);
    }
}

// ICU counts weekdays from Sunday = 1; the field from Monday.
void fillWeekdays(std::array<std::string, 7>& names, const icu::DateFormatSymbols& symbols,
                  icu::DateFormatSymbols::DtContextType context, icu::DateFormatSymbols::DtWidthType width) {
    int32_t count = 0;
    const UnicodeString* days = symbols.getWeekdays(count, context, width);
    for (std::size_t i = 0; i < 7; ++i) {
        const int32_t at = i == 6 ? UCAL_SUNDAY : static_cast<int32_t>(i) + UCAL_MONDAY;
        if (at < count) names[i] = utf8(days[at]);
    }
}

}  // namespace

bool isPosixLocale(std::string_view localeId) {
    return localeId == "en_US_POSIX" || localeId == "en-US-POSIX" || localeId == "C" || localeId == "POSIX";
}

std::string datePatternOfIcu(std::string_view icuPattern) {
    std::string pattern;
    std::size_t pos = 0;
    while (pos < icuPattern.size()) {
        const char c = icuPattern[pos];
        if (c == '\'') {
            const std::size_t close = icuPattern.find('\'', pos + 1);
            const std::size_t end = close == std::string_view::npos ? icuPattern.size() : close + 1;
            pattern.append(icuPattern.substr(pos, end - pos));
            pos = end;
            continue;
        }
        if (!isAsciiLetter(c)) {
            pattern.push_back(c);
            ++pos;
            continue;
        }
        std::size_t end = pos;
        while (end < icuPattern.size() && icuPattern[end] == c) ++end;
        const std::size_t count = end - pos;
        pos = end;
        switch (c) {
        case 'y': case 'Y': case 'u': case 'U': case 'r': pattern += count == 2 ? "yy" : "yyyy"; break;
        case 'M': case 'L': pattern.append(std::min<std::size_t>(count, 4), 'M'); break;
        case 'd': pattern += count >= 2 ? "dd" : "d"; break;
        case 'E': pattern += count <= 3 ? "ddd" : "dddd"; break;
        case 'c': case 'e': pattern += count <= 2 ? "t" : count == 3 ? "ddd" : "dddd"; break;
        case 'a': case 'b': case 'B': pattern += "AP"; break;
        case 'h': case 'K': pattern += count >= 2 ? "hh" : "h"; break;
        case 'H': case 'k': pattern += count >= 2 ? "HH" : "H"; break;
        case 'm': pattern += count >= 2 ? "mm" : "m"; break;
        case 's': pattern += count >= 2 ? "ss" : "s"; break;
        case 'S': pattern += "zzz"; break;
        default: pattern += "t"; break;  // eras, zones and fields a date text leaves out
        }
    }
    return pattern;
}

std::vector<CustomaryCalendar> icuOtherCalendarsOf(std::string_view localeId) {
    std::vector<CustomaryCalendar> others;
    if (localeId.empty() || isPosixLocale(localeId)) return others;
    std::vector<std::string> types = calendarsOf(localeId);
    // The Japanese eras' few years never pass for Gregorian ones.
    std::erase_if(types, [](const std::string& type) { return type == "gregorian" || type == "japanese"; });
    if (types.empty()) return others;  // most locales: no calendar object, no time zone needed
    UErrorCode status = U_ZERO_ERROR;
    const std::unique_ptr<icu::Calendar> preferred(
        icu::Calendar::createInstance(icu::TimeZone::getGMT()->clone(), localeOf(localeId, ""), status));
    if (U_FAILURE(status)) return others;
    const std::string customaryType = preferred->getType();
    for (const std::string& type : types) {
        auto other = otherCalendar(localeId, type);
        // Where its years of the present are the Gregorian ones' too (Saka 1900 is 1978), a year
        // is read as Gregorian: the Gregorian calendar is the one people mostly write.
        const bool customary = type == customaryType;
        if (other && (customary || other->lastYear < 1900 || other->firstYear > 2099)) {
            other->customary = customary;
            others.push_back(std::move(*other));
        }
    }
    return others;
}

IcuDateFacts icuDateFactsOf(std::string_view localeId, std::vector<CustomaryCalendar> otherCalendars) {
    IcuDateFacts facts;
    if (localeId.empty()) return facts;
    const icu::Locale locale = localeOf(localeId, "gregorian");
    addPatternWords(locale, facts);
    addDayWords(locale, facts);
    addZoneWords(locale, facts);
    addOrdinalSuffixes(locale, facts);
    addEras(localeId, facts);
    if (!isPosixLocale(localeId)) {
        facts.otherCalendars = std::move(otherCalendars);
        for (std::size_t index = 0; index < facts.otherCalendars.size(); ++index) addMonthNames(localeId, index, facts);
        // ICU's order counts where it has the language's own data, not where it falls back to
        // the root or the default locale.
        const std::unique_ptr<icu::DateFormat> shortDate(shortDateFormat(locale));
        UErrorCode status = U_ZERO_ERROR;
        const icu::Locale actual = shortDate ? shortDate->getLocale(ULOC_ACTUAL_LOCALE, status) : icu::Locale::getRoot();
        if (U_SUCCESS(status) && std::string_view(actual.getLanguage()) == locale.getLanguage()) {
            facts.icuShortDatePattern = patternOf(shortDate.get());
        }
    }
    const std::string_view language = locale.getLanguage();
    addTypedWords(language, facts);
    facts.turkicCase = language == "tr" || language == "az";
    return facts;
}

DateLocale dateLocaleFromIcu(std::string_view localeId) {
    const icu::Locale locale = localeOf(isPosixLocale(localeId) ? "en_US_POSIX" : localeId, "gregorian");
    using Style = icu::DateFormat::EStyle;
    const auto datePattern = [&locale](Style style) {
        const std::unique_ptr<icu::DateFormat> format(icu::DateFormat::createDateInstance(style, locale));
        return datePatternOfIcu(patternOf(format.get()));
    };
    const auto timePattern = [&locale](Style style) {
        const std::unique_ptr<icu::DateFormat> format(icu::DateFormat::createTimeInstance(style, locale));
        return datePatternOfIcu(patternOf(format.get()));
    };
    DateLocale description;
    description.icuLocale = std::string(localeId);
    description.shortDatePattern = isPosixLocale(localeId) ? "yyyy-MM-dd" : datePattern(Style::kShort);
    description.longTimePattern = isPosixLocale(localeId) ? "HH:mm:ss" : timePattern(Style::kLong);
    description.longDatePattern = datePattern(Style::kFull);
    description.shortTimePattern = timePattern(Style::kShort);
    UErrorCode status = U_ZERO_ERROR;
    const icu::DateFormatSymbols symbols(locale, status);
    if (U_FAILURE(status)) return description;
    using Symbols = icu::DateFormatSymbols;
    const auto months = [&symbols](std::array<std::string, 12>& names, Symbols::DtContextType context,
                                   Symbols::DtWidthType width) {
        int32_t count = 0;
        const UnicodeString* source = symbols.getMonths(count, context, width);
        fill(names, source, count);
    };
    months(description.monthNames, Symbols::FORMAT, Symbols::WIDE);
    months(description.monthAbbreviations, Symbols::FORMAT, Symbols::ABBREVIATED);
    months(description.standaloneMonthNames, Symbols::STANDALONE, Symbols::WIDE);
    months(description.standaloneMonthAbbreviations, Symbols::STANDALONE, Symbols::ABBREVIATED);
    int32_t count = 0;
    const UnicodeString* halves = symbols.getAmPmStrings(count);
    if (count >= 2) {
        description.amText = utf8(halves[0]);
        description.pmText = utf8(halves[1]);
    }
    fillWeekdays(description.dayNames, symbols, Symbols::FORMAT, Symbols::WIDE);
    fillWeekdays(description.dayAbbreviations, symbols, Symbols::FORMAT, Symbols::ABBREVIATED);
    fillWeekdays(description.standaloneDayNames, symbols, Symbols::STANDALONE, Symbols::WIDE);
    return description;
}

int calendarYearOf(const std::string& calendar, std::chrono::year_month_day date) {
    if (calendar == "gregorian") return static_cast<int>(date.year());
    const auto converter = calendarOf(calendar);
    return converter ? yearOn(*converter, std::chrono::sys_days{date}) : 0;
}

std::optional<std::chrono::year_month_day> gregorianDateOf(const std::string& calendar, int era, int year, int month,
                                                           int day) {
    if (month < 1 || month > 13 || day < 1 || day > 31 || year < 1) return std::nullopt;
    if (calendar == "gregorian") {
        if (era != 1) return std::nullopt;  // before Christ: before the field's first year
        const std::chrono::year_month_day date{std::chrono::year{year}, std::chrono::month{static_cast<unsigned>(month)},
                                               std::chrono::day{static_cast<unsigned>(day)}};
        return date.ok() ? std::optional(date) : std::nullopt;
    }
    const auto converter = calendarOf(calendar);
    if (!converter) return std::nullopt;
    converter->setLenient(false);
    converter->clear();
    converter->set(UCAL_ERA, era);
    converter->set(UCAL_YEAR, year);
    converter->set(UCAL_MONTH, month - 1);
    converter->set(UCAL_DATE, day);
    UErrorCode status = U_ZERO_ERROR;
    const UDate instant = converter->getTime(status);
    if (U_FAILURE(status)) return std::nullopt;
    const auto days = static_cast<long long>(std::floor(instant / kMillisecondsPerDay));
    if (std::abs(days) > 4'000'000) return std::nullopt;
    return std::chrono::year_month_day{std::chrono::sys_days{std::chrono::days{days}}};
}

}  // namespace skyanchor
