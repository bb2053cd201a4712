#include "time/date_locale.hpp"

#include "time/icu_calendar_facts.hpp"
#include "time/icu_date_facts.hpp"
#include "time/unicode_text.hpp"

#include <algorithm>
#include <atomic>
#include <initializer_list>
#include <mutex>
#include <utility>

namespace skyanchor {
namespace {

using Field = DateToken::Field;

// Used where a locale gives no pattern at all, so that every serial still has a text.
constexpr std::string_view kFallbackDatePattern = "yyyy-MM-dd";
constexpr std::string_view kFallbackTimePattern = "HH:mm:ss";

bool hasField(const std::vector<DateToken>& tokens, std::initializer_list<Field> fields) {
    return std::any_of(tokens.begin(), tokens.end(), [&](const DateToken& t) {
        return std::find(fields.begin(), fields.end(), t.field) != fields.end();
    });
}

std::size_t indexOf(const std::vector<DateToken>& tokens, std::initializer_list<Field> fields) {
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        if (std::find(fields.begin(), fields.end(), tokens[i].field) != fields.end()) return i;
    }
    return tokens.size();
}

std::vector<DateToken> tokensOrFallback(std::string_view pattern, std::string_view fallback, Field required) {
    std::vector<DateToken> tokens = compilePattern(pattern).tokens;
    return hasField(tokens, {required}) ? tokens : compilePattern(fallback).tokens;
}

std::string compactForm(std::string_view text) {
    std::string form = readingForm(text);
    std::erase(form, ' ');
    return form;
}

// The literals between two fields that pass the test, in compact reading form.
template <typename IsField>
void addSeparators(const std::vector<DateToken>& tokens, IsField isField, std::vector<std::string>& separators) {
    for (std::size_t i = 1; i + 1 < tokens.size(); ++i) {
        if (tokens[i].field != Field::Literal || !isField(tokens[i - 1].field) || !isField(tokens[i + 1].field)) continue;
        std::string separator = compactForm(tokens[i].literal);
        if (!separator.empty() && std::find(separators.begin(), separators.end(), separator) == separators.end()) {
            separators.push_back(std::move(separator));
        }
    }
}

bool isDateField(Field field) { return field != Field::Literal && !isClockField(field) && field != Field::DayHalf; }

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
void addName(DateWords& words, std::string_view name, const WordMeaning& meaning) {
    words.add(name, meaning);
    words.add(withoutTrailingPoint(name), meaning);
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

// The order of day, month and year in a pattern's tokens.
DateOrder orderOf(const std::vector<DateToken>& tokens) {
    const auto year = indexOf(tokens, {Field::Year});
    const auto month = indexOf(tokens, {Field::Month, Field::MonthAbbreviation, Field::MonthName});
    const auto day = indexOf(tokens, {Field::Day});
    if (year < month && year < day) return DateOrder::YearMonthDay;
    return month < day ? DateOrder::MonthDayYear : DateOrder::DayMonthYear;
}

// Month and weekday names also without their accents, where no other name shares that form
// ("decembre", but not Spanish "sabado" if two names met there).
void addWithoutAccents(DateWords& words, const std::vector<std::pair<std::string, WordMeaning>>& names) {
    std::vector<std::pair<std::string, WordMeaning>> bare;
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

constexpr std::array<std::string_view, 12> kEnglishMonths{"jan", "feb", "mar", "apr", "may", "jun",
                                                          "jul", "aug", "sep", "oct", "nov", "dec"};
constexpr std::array<std::string_view, 7> kEnglishWeekdays{"mon", "tue", "wed", "thu", "fri", "sat", "sun"};

// Whether a gap between numbers is a separator (kept without blanks), blanks in the gap aside.
bool equalIgnoringBlanks(std::string_view gap, std::string_view separator) {
    std::size_t matched = 0;
    for (const char c : gap) {
        if (c == ' ') continue;
        if (matched == separator.size() || separator[matched] != c) return false;
        ++matched;
    }
    return matched == separator.size();
}

bool isSeparatorIn(const std::vector<std::string>& separators, std::string_view gap) {
    return std::any_of(separators.begin(), separators.end(),
                       [gap](const std::string& separator) { return equalIgnoringBlanks(gap, separator); });
}

std::size_t letterCount(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t letter = letterLength(text, pos);
        if (letter == 0) return 0;
        pos += letter;
        ++count;
    }
    return count;
}

}  // namespace

// What reading a date text needs: the words it may hold and what they mean, the separators,
// the orders of numbers, the day periods and eras.
struct DateTextCodec::Reading {
    Reading(const DateTextCodec& codec, const IcuDateFacts& facts);

    DateWords words;
    std::vector<std::string> monthNamesForBeginnings;  // reading form: each month's name, then its standalone name
    std::vector<std::string> timeSeparators{":"};
    std::vector<std::string> dateSeparators;
    bool yearBeforeDayAroundMonthWord = false;
    std::vector<DateOrder> orders;
    std::vector<DayPeriod> periods;
    std::vector<CalendarEra> eras;
    std::string gregorianEra;
    std::vector<std::string> hourWords;
    bool dayHalfBeforeHour = false;
    bool periodBeforeHour = false;
};

// Built once, by the first reader; its flag keeps two threads that read at once from building
// twice, and every later read finds the tables by one atomic load.
struct DateTextCodec::LazyReading {
    std::once_flag built;
    std::unique_ptr<const Reading> tables;
    std::atomic<const Reading*> ready{nullptr};
};

DateTextCodec::Reading::Reading(const DateTextCodec& codec, const IcuDateFacts& facts) : words(facts.turkicCase) {
    const DateLocale& locale = codec.locale_;
    std::vector<std::pair<std::string, WordMeaning>> names;
    for (std::size_t m = 0; m < 12; ++m) {
        const WordMeaning month{.month = static_cast<int>(m) + 1};
        for (const auto* list : {&locale.monthNames, &locale.monthAbbreviations, &locale.standaloneMonthNames,
                                 &locale.standaloneMonthAbbreviations}) {
            addName(words, (*list)[m], month);
            names.emplace_back(withoutTrailingPoint((*list)[m]), month);
        }
        for (const auto* list : {&locale.monthNames, &locale.standaloneMonthNames}) {
            monthNamesForBeginnings.push_back(readingForm((*list)[m], facts.turkicCase));
        }
    }
    for (std::size_t d = 0; d < 7; ++d) {
        const WordMeaning weekday = WordMeaning::ofWeekday(static_cast<int>(d) + 1);
        for (const auto* list : {&locale.dayNames, &locale.dayAbbreviations, &locale.standaloneDayNames}) {
            addName(words, (*list)[d], weekday);
            names.emplace_back(withoutTrailingPoint((*list)[d]), weekday);
        }
    }
    addWithoutAccents(words, names);
    addDayHalf(words, locale.amText, WordMeaning::ofDayHalf(1));
    addDayHalf(words, locale.pmText, WordMeaning::ofDayHalf(2));
    for (const auto& [word, half] : facts.dayHalves) addDayHalf(words, word, WordMeaning::ofDayHalf(half));
    addDayHalf(words, "am", WordMeaning{.anyDayHalf = 1});
    addDayHalf(words, "pm", WordMeaning{.anyDayHalf = 2});

    for (const auto pattern : {std::string_view(locale.shortDatePattern), std::string_view(locale.longDatePattern),
                               std::string_view(locale.shortTimePattern), std::string_view(locale.longTimePattern)}) {
        for (const auto& word : compilePattern(pattern).words) words.add(word, WordMeaning::ofLiteral());
    }
    for (const auto* list : {&facts.patternWords, &facts.hourWords, &facts.ordinalSuffixes}) {
        for (const auto& word : *list) words.add(word, WordMeaning::ofLiteral());
    }
    for (const auto& word : facts.hourWords) hourWords.push_back(compactForm(word));
    for (const auto& [word, hours] : facts.dayPeriods) {
        periods.push_back(DayPeriod{.hours = hours});
        words.add(word, WordMeaning{.period = static_cast<int>(periods.size())});
    }
    for (const auto& [word, hour] : facts.exactHours) {
        periods.push_back(DayPeriod{.hours = 1u << hour, .exactHour = hour});
        words.add(word, WordMeaning{.period = static_cast<int>(periods.size())});
    }
    for (const auto& [word, hour] : {std::pair{"noon", 12}, std::pair{"midnight", 0}}) {
        if (words.contains(word)) continue;
        periods.push_back(DayPeriod{.hours = 1u << hour, .exactHour = hour});
        words.add(word, WordMeaning{.period = static_cast<int>(periods.size())});
    }
    std::vector<CalendarEra> known = facts.eras;
    if (std::none_of(known.begin(), known.end(), [](const CalendarEra& e) { return e.calendar == "gregorian" && e.era == 1; }) &&
        !words.contains("AD")) {
        // The field must be able to name its own calendar.
        const std::chrono::year_month_day now{std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now())};
        known.push_back(CalendarEra{.calendar = "gregorian", .era = 1, .name = "AD",
                                    .firstDay = std::chrono::sys_days{std::chrono::year{1} / 1 / 1},
                                    .presentYear = static_cast<int>(now.year())});
    }
    for (const auto& era : known) {
        if (gregorianEra.empty() && era.calendar == "gregorian" && era.era == 1) gregorianEra = era.name;
        eras.push_back(era);
        words.add(era.name, WordMeaning{.era = static_cast<int>(eras.size())});
    }
    for (const auto& month : facts.calendarMonths) {
        if (words.contains(month.name)) continue;  // a Gregorian month's name, or a word of the patterns
        words.add(month.name, WordMeaning{.calendarMonth = month.month, .monthCalendar = month.calendar + 1});
    }
    for (const auto& word : facts.firstYearWords) words.add(word, WordMeaning{.firstYear = true});
    for (const auto& word : facts.zoneWords) words.add(word, WordMeaning{.zone = true});
    for (const std::string_view word : {"ut", "utc", "gmt"}) words.add(word, WordMeaning{.zone = true});
    // Mail dates ("Tue, 08 Dec 2026") are English in every locale, where the words are free.
    for (std::size_t m = 0; m < kEnglishMonths.size(); ++m) {
        if (!words.contains(kEnglishMonths[m])) words.add(kEnglishMonths[m], WordMeaning::ofMonth(static_cast<int>(m) + 1));
    }
    for (std::size_t d = 0; d < kEnglishWeekdays.size(); ++d) {
        if (!words.contains(kEnglishWeekdays[d])) words.add(kEnglishWeekdays[d], WordMeaning::ofWeekday(static_cast<int>(d) + 1));
    }

    const DateOrder order = orderOf(codec.dateTokens_);
    orders.push_back(order);
    if (isPosixLocale(locale.icuLocale)) {
        orders = {DateOrder::YearMonthDay, DateOrder::DayMonthYear, DateOrder::MonthDayYear};
    } else if (!facts.everydayDatePattern.empty()) {
        const DateOrder everyday = orderOf(compilePattern(facts.everydayDatePattern).tokens);
        if (everyday != order) orders.push_back(everyday);
    }
    const bool shortHasMonthWord = hasField(codec.dateTokens_, {Field::MonthAbbreviation, Field::MonthName});
    const DatePattern longDate = compilePattern(locale.longDatePattern);
    const auto& wordTokens = shortHasMonthWord ? codec.dateTokens_ : longDate.tokens;
    yearBeforeDayAroundMonthWord = indexOf(wordTokens, {Field::Year}) < indexOf(wordTokens, {Field::Day});

    const auto dayHalfIn = [](const std::vector<DateToken>& tokens) { return hasField(tokens, {Field::DayHalf}); };
    const auto& halfTokens = dayHalfIn(codec.timeTokens_) ? codec.timeTokens_ : compilePattern(locale.shortTimePattern).tokens;
    dayHalfBeforeHour = dayHalfIn(halfTokens)
                            ? indexOf(halfTokens, {Field::DayHalf}) < indexOf(halfTokens, {Field::Hour12, Field::Hour24})
                            : facts.dayHalfBeforeHour;
    periodBeforeHour = facts.periodBeforeHour;

    addSeparators(codec.dateTokens_, isDateField, dateSeparators);
    addSeparators(codec.timeTokens_, isClockField, timeSeparators);
    addSeparators(compilePattern(locale.shortTimePattern).tokens, isClockField, timeSeparators);
    for (const auto& pattern : facts.timePatterns) addSeparators(compilePattern(pattern).tokens, isClockField, timeSeparators);
    for (const auto& word : hourWords) {
        if (!word.empty() && !isSeparatorIn(dateSeparators, word)) timeSeparators.push_back(word);
    }
    for (const auto& separator : facts.timeSeparators) {  // a time after a whole date only
        timeSeparators.push_back(separator);
        dateSeparators.push_back(separator);
    }
}

DateTextCodec::DateTextCodec(const DateLocale& locale) : DateTextCodec(locale, icuOtherCalendarsOf(locale.icuLocale)) {}

DateTextCodec::DateTextCodec(const DateLocale& locale, std::vector<CustomaryCalendar> otherCalendars)
    : locale_(locale),
      dateTokens_(tokensOrFallback(locale.shortDatePattern, kFallbackDatePattern, Field::Year)),
      timeTokens_(tokensOrFallback(locale.longTimePattern, kFallbackTimePattern, Field::Minute)),
      amLowercase_(readingForm(locale.amText)),
      pmLowercase_(readingForm(locale.pmText)),
      otherCalendars_(std::move(otherCalendars)),
      reading_(std::make_unique<LazyReading>()) {
    const DateOrder order = orderOf(dateTokens_);
    yearFirst_ = order == DateOrder::YearMonthDay;
    monthBeforeDay_ = order == DateOrder::MonthDayYear;
    std::vector<std::string> dateSeparators;
    std::vector<std::string> timeSeparators{":"};
    addSeparators(dateTokens_, isDateField, dateSeparators);
    addSeparators(timeTokens_, isClockField, timeSeparators);
    writesDateWithEveryTime_ = std::any_of(timeSeparators.begin(), timeSeparators.end(),
                                           [&](const std::string& s) { return isSeparatorIn(dateSeparators, s); });
}

DateTextCodec::DateTextCodec(DateTextCodec&&) noexcept = default;
DateTextCodec& DateTextCodec::operator=(DateTextCodec&&) noexcept = default;
DateTextCodec::~DateTextCodec() = default;

void DateTextCodec::buildReading() const {
    std::call_once(reading_->built, [&] {
        reading_->tables = std::make_unique<const Reading>(*this, icuDateFactsOf(locale_.icuLocale, otherCalendars_));
        reading_->ready.store(reading_->tables.get(), std::memory_order_release);
    });
}

const DateTextCodec::Reading& DateTextCodec::reading() const {
    if (const Reading* tables = reading_->ready.load(std::memory_order_acquire)) return *tables;
    buildReading();
    return *reading_->tables;
}

const DateWords& DateTextCodec::words() const { return reading().words; }
bool DateTextCodec::yearBeforeDayAroundMonthWord() const { return reading().yearBeforeDayAroundMonthWord; }
const std::vector<DateOrder>& DateTextCodec::orders() const { return reading().orders; }
const DayPeriod& DateTextCodec::period(int number) const { return reading().periods[static_cast<std::size_t>(number - 1)]; }
const CalendarEra& DateTextCodec::era(int number) const { return reading().eras[static_cast<std::size_t>(number - 1)]; }
const std::string& DateTextCodec::gregorianEra() const { return reading().gregorianEra; }
bool DateTextCodec::dayHalfBeforeHour() const { return reading().dayHalfBeforeHour; }
bool DateTextCodec::periodBeforeHour() const { return reading().periodBeforeHour; }

const std::string& DateTextCodec::dayHalfText(bool afterNoon, bool lowercase) const {
    if (lowercase) return afterNoon ? pmLowercase_ : amLowercase_;
    return afterNoon ? locale_.pmText : locale_.amText;
}

bool DateTextCodec::isTimeSeparator(std::string_view gap) const { return isSeparatorIn(reading().timeSeparators, gap); }

bool DateTextCodec::isColon(std::string_view gap) { return equalIgnoringBlanks(gap, ":"); }

bool DateTextCodec::isDateSeparator(std::string_view gap) const { return isSeparatorIn(reading().dateSeparators, gap); }

// The era's name is the reader's to gather; it is needed only for the rare year that is ambiguous.
const std::string* DateTextCodec::gregorianEraFor(int year) const {
    const bool ambiguous = std::any_of(otherCalendars_.begin(), otherCalendars_.end(), [year](const CustomaryCalendar& other) {
        return (year >= other.firstYear && year <= other.lastYear) || (other.customary && (year < 1900 || year > 2099));
    });
    if (!ambiguous) return nullptr;
    const std::string& name = gregorianEra();
    return name.empty() ? nullptr : &name;
}

bool DateTextCodec::isHourWord(std::string_view gap) const {
    const auto& hourWords = reading().hourWords;
    return std::any_of(hourWords.begin(), hourWords.end(),
                       [gap](const std::string& word) { return !word.empty() && equalIgnoringBlanks(gap, word); });
}

// The letters are counted last: a long run of letters begins no name and is not walked through.
int DateTextCodec::monthOfBeginning(std::string_view letters) const {
    const auto& names = reading().monthNamesForBeginnings;
    int found = 0;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (!names[i].starts_with(letters)) continue;
        const int month = static_cast<int>(i / 2) + 1;
        if (found != 0 && found != month) return 0;
        found = month;
    }
    return found != 0 && letterCount(letters) >= 3 ? found : 0;
}

}  // namespace skyanchor
