#include "time/reading_tables.hpp"

#include "time/calendar_conversion.hpp"
#include "time/date_separators.hpp"
#include "time/unicode_text.hpp"

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>

namespace skyanchor {
namespace {

using Field = DateToken::Field;
using Names = std::vector<std::pair<std::string, WordMeaning>>;

constexpr std::array<std::string_view, 12> kEnglishMonths{"jan", "feb", "mar", "apr", "may", "jun",
                                                          "jul", "aug", "sep", "oct", "nov", "dec"};
constexpr std::array<std::string_view, 7> kEnglishWeekdays{"mon", "tue", "wed", "thu", "fri", "sat", "sun"};

std::string withoutTrailingPoint(std::string_view text) {
    while (!text.empty() && text.back() == '.') text.remove_suffix(1);
    return std::string(text);
}

std::string without(std::string_view text, std::string_view characters) {
    std::string kept;
    for (const char c : text) {
        if (characters.find(c) == std::string_view::npos) kept += c;
    }
    return kept;
}

// A name as written and without the point of its abbreviation.
void addName(DateWords& words, std::string_view name, const WordMeaning& meaning, Names& names) {
    words.add(name, meaning);
    words.add(withoutTrailingPoint(name), meaning);
    names.emplace_back(withoutTrailingPoint(name), meaning);
}

// A day-half marker as written, and without its points, its inner blanks or both ("a. m.",
// "a.m.", "a m", "am").
void addDayHalf(DateWords& words, std::string_view marker, const WordMeaning& meaning) {
    const std::string form = readingForm(marker, words.turkicCase());
    for (const std::string_view dropped : {"", ".", " ", ". "}) words.add(without(form, dropped), meaning);
    const auto isAsciiLetter = [](char c) { return c >= 'a' && c <= 'z'; };
    if (form.size() == 2 && isAsciiLetter(form[0]) && isAsciiLetter(form[1])) {  // "am" also as "a.m."
        words.add(form.substr(0, 1) + "." + form.substr(1) + ".", meaning);
        words.add(form.substr(0, 1) + ". " + form.substr(1) + ".", meaning);
    }
}

// Month and weekday names also without their accents, where no other name shares that form
// ("decembre", but not Spanish "sabado" if two names met there).
void addWithoutAccents(DateWords& words, const Names& names) {
    Names bare;
    for (const auto& [name, meaning] : names) {
        const std::string form = readingForm(name, words.turkicCase());
        std::string stripped = withoutAccents(form);
        if (stripped != form) bare.emplace_back(std::move(stripped), meaning);
    }
    for (const auto& entry : bare) {
        const bool unique = std::all_of(names.begin(), names.end(), [&](const auto& other) {
            return withoutAccents(readingForm(other.first, words.turkicCase())) != entry.first ||
                   (other.second.month == entry.second.month && other.second.weekday == entry.second.weekday);
        });
        if (unique && !words.contains(entry.first)) words.add(entry.first, entry.second);
    }
}

void addNames(const DateLocale& locale, ReadingTables& tables) {
    Names names;
    for (std::size_t m = 0; m < 12; ++m) {
        const WordMeaning month{.month = static_cast<int>(m) + 1};
        for (const auto* list : {&locale.monthNames, &locale.monthAbbreviations, &locale.standaloneMonthNames,
                                 &locale.standaloneMonthAbbreviations}) {
            addName(tables.words, (*list)[m], month, names);
        }
        for (const auto* list : {&locale.monthNames, &locale.standaloneMonthNames}) {
            tables.monthNamesForBeginnings.push_back(readingForm((*list)[m], tables.words.turkicCase()));
        }
    }
    for (std::size_t d = 0; d < 7; ++d) {
        const WordMeaning weekday = WordMeaning::ofWeekday(static_cast<int>(d) + 1);
        for (const auto* list : {&locale.dayNames, &locale.dayAbbreviations, &locale.standaloneDayNames}) {
            addName(tables.words, (*list)[d], weekday, names);
        }
    }
    addWithoutAccents(tables.words, names);
}

void addDayHalves(const DateLocale& locale, const IcuDateFacts& facts, DateWords& words) {
    addDayHalf(words, locale.amText, WordMeaning::ofDayHalf(1));
    addDayHalf(words, locale.pmText, WordMeaning::ofDayHalf(2));
    for (const auto& [word, half] : facts.dayHalves) addDayHalf(words, word, WordMeaning::ofDayHalf(half));
    addDayHalf(words, "am", WordMeaning{.anyDayHalf = 1});
    addDayHalf(words, "pm", WordMeaning{.anyDayHalf = 2});
}

void addPatternWords(const DateLocale& locale, const IcuDateFacts& facts, DateWords& words) {
    for (const auto pattern : {std::string_view(locale.shortDatePattern), std::string_view(locale.longDatePattern),
                               std::string_view(locale.shortTimePattern), std::string_view(locale.longTimePattern)}) {
        for (const auto& word : compilePattern(pattern).words) words.add(word, WordMeaning::ofLiteral());
    }
    for (const auto* list : {&facts.patternWords, &facts.hourWords, &facts.ordinalSuffixes}) {
        for (const auto& word : *list) words.add(word, WordMeaning::ofLiteral());
    }
}

void addPeriod(ReadingTables& tables, std::string_view word, const DayPeriod& period) {
    tables.periods.push_back(period);
    tables.words.add(word, WordMeaning{.period = static_cast<int>(tables.periods.size())});
}

void addPeriods(const IcuDateFacts& facts, ReadingTables& tables) {
    for (const auto& [word, hours] : facts.dayPeriods) addPeriod(tables, word, DayPeriod{.hours = hours});
    for (const auto& [word, hour] : facts.exactHours) addPeriod(tables, word, DayPeriod{.hours = 1u << hour, .exactHour = hour});
    for (const auto& [word, hour] : {std::pair{"noon", 12}, std::pair{"midnight", 0}}) {
        if (!tables.words.contains(word)) addPeriod(tables, word, DayPeriod{.hours = 1u << hour, .exactHour = hour});
    }
}

bool isChristianEra(const CalendarEra& era) { return era.calendar == "gregorian" && era.era == 1; }

// The field must be able to name its own calendar: "AD" where the locale names no Christian era.
void addEras(const IcuDateFacts& facts, ReadingTables& tables) {
    std::vector<CalendarEra> known = facts.eras;
    if (std::none_of(known.begin(), known.end(), isChristianEra) && !tables.words.contains("AD")) {
        known.push_back(CalendarEra{.calendar = "gregorian", .era = 1, .name = "AD",
                                    .firstDay = std::chrono::sys_days{std::chrono::year{1} / 1 / 1},
                                    .presentYear = static_cast<int>(std::chrono::year_month_day{today()}.year())});
    }
    for (const auto& era : known) {
        if (tables.gregorianEra.empty() && isChristianEra(era)) tables.gregorianEra = era.name;
        tables.eras.push_back(era);
        tables.words.add(era.name, WordMeaning{.era = static_cast<int>(tables.eras.size())});
    }
}

// Months of other calendars, the first year, names of UT, and the English names of mail dates
// ("Tue, 08 Dec 2026"), written so in every locale, where the words are free.
void addOtherWords(const IcuDateFacts& facts, DateWords& words) {
    for (const auto& month : facts.calendarMonths) {
        if (words.contains(month.name)) continue;  // a Gregorian month's name, or a word of the patterns
        words.add(month.name, WordMeaning{.calendarMonth = month.month, .monthCalendar = month.calendar + 1});
    }
    for (const auto& word : facts.firstYearWords) words.add(word, WordMeaning{.firstYear = true});
    for (const auto& word : facts.zoneWords) words.add(word, WordMeaning{.zone = true});
    for (const std::string_view word : {"ut", "utc", "gmt"}) words.add(word, WordMeaning{.zone = true});
    for (std::size_t m = 0; m < kEnglishMonths.size(); ++m) {
        if (!words.contains(kEnglishMonths[m])) words.add(kEnglishMonths[m], WordMeaning::ofMonth(static_cast<int>(m) + 1));
    }
    for (std::size_t d = 0; d < kEnglishWeekdays.size(); ++d) {
        if (!words.contains(kEnglishWeekdays[d])) words.add(kEnglishWeekdays[d], WordMeaning::ofWeekday(static_cast<int>(d) + 1));
    }
}

// The short pattern's order first, then ICU's everyday order where it differs (Canadian "M/d/yy"
// beside Qt's "yyyy-MM-dd"), or all three in the C/POSIX locale, whose people write no one order
// but ISO 8601.
std::vector<DateOrder> ordersOf(const DateLocale& locale, const std::vector<DateToken>& dateTokens, const IcuDateFacts& facts) {
    if (isPosixLocale(locale.icuLocale)) return {DateOrder::YearMonthDay, DateOrder::DayMonthYear, DateOrder::MonthDayYear};
    std::vector<DateOrder> orders{orderOf(dateTokens)};
    if (!facts.everydayDatePattern.empty()) {
        const DateOrder everyday = orderOf(compilePattern(facts.everydayDatePattern).tokens);
        if (everyday != orders.front()) orders.push_back(everyday);
    }
    return orders;
}

// Where the month is a word: the short pattern's order if it writes one, else the long one's.
bool yearBeforeDayAroundMonthWord(const DateLocale& locale, const std::vector<DateToken>& dateTokens) {
    const bool shortHasMonthWord = hasField(dateTokens, {Field::MonthAbbreviation, Field::MonthName});
    const DatePattern longDate = compilePattern(locale.longDatePattern);
    const auto& tokens = shortHasMonthWord ? dateTokens : longDate.tokens;
    return indexOfField(tokens, {Field::Year}) < indexOfField(tokens, {Field::Day});
}

// The long time pattern's place of the day half, else the short one's, else ICU's.
bool dayHalfBeforeHour(const DateLocale& locale, const std::vector<DateToken>& timeTokens, const IcuDateFacts& facts) {
    const DatePattern shortTime = compilePattern(locale.shortTimePattern);
    const auto& tokens = hasField(timeTokens, {Field::DayHalf}) ? timeTokens : shortTime.tokens;
    if (!hasField(tokens, {Field::DayHalf})) return facts.dayHalfBeforeHour;
    return indexOfField(tokens, {Field::DayHalf}) < indexOfField(tokens, {Field::Hour12, Field::Hour24});
}

void addSeparatorsOf(const DateLocale& locale, const std::vector<DateToken>& dateTokens,
                     const std::vector<DateToken>& timeTokens, const IcuDateFacts& facts, ReadingTables& tables) {
    addSeparators(dateTokens, isDateField, tables.dateSeparators);
    addSeparators(dateTokens, isDateField, tables.ownDateSeparators, true);
    if (!facts.everydayDatePattern.empty()) {
        addSeparators(compilePattern(facts.everydayDatePattern).tokens, isDateField, tables.ownDateSeparators, true);
    }
    addSeparators(timeTokens, isClockField, tables.timeSeparators);
    addSeparators(compilePattern(locale.shortTimePattern).tokens, isClockField, tables.timeSeparators);
    for (const auto& pattern : facts.timePatterns) {
        addSeparators(compilePattern(pattern).tokens, isClockField, tables.timeSeparators);
    }
    for (const auto& word : tables.hourWords) {
        if (!word.empty() && !isSeparatorIn(tables.dateSeparators, word)) tables.timeSeparators.push_back(word);
    }
    for (const auto& separator : facts.timeSeparators) {  // a time after a whole date only
        tables.timeSeparators.push_back(separator);
        tables.dateSeparators.push_back(separator);
    }
}

}  // namespace

ReadingTables readingTablesOf(const DateLocale& locale, const std::vector<DateToken>& dateTokens,
                              const std::vector<DateToken>& timeTokens, const IcuDateFacts& facts) {
    ReadingTables tables;
    tables.words = DateWords(facts.turkicCase);
    addNames(locale, tables);
    addDayHalves(locale, facts, tables.words);
    addPatternWords(locale, facts, tables.words);
    for (const auto& word : facts.hourWords) tables.hourWords.push_back(compactForm(word));
    addPeriods(facts, tables);
    addEras(facts, tables);
    addOtherWords(facts, tables.words);
    tables.orders = ordersOf(locale, dateTokens, facts);
    tables.yearBeforeDayAroundMonthWord = yearBeforeDayAroundMonthWord(locale, dateTokens);
    tables.dayHalfBeforeHour = dayHalfBeforeHour(locale, timeTokens, facts);
    tables.periodBeforeHour = facts.periodBeforeHour;
    addSeparatorsOf(locale, dateTokens, timeTokens, facts, tables);
    return tables;
}

}  // namespace skyanchor
