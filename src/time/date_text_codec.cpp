#include "time/date_text_codec.hpp"

#include "time/date_separators.hpp"
#include "time/icu_calendar_facts.hpp"
#include "time/icu_date_facts.hpp"
#include "time/icu_zone_names.hpp"
#include "time/reading_tables.hpp"
#include "time/unicode_text.hpp"

#include <algorithm>
#include <utility>

namespace skyanchor {
namespace {

using Field = DateToken::Field;

// Used where a locale gives no pattern at all, so that every serial still has a text.
constexpr std::string_view kFallbackDatePattern = "yyyy-MM-dd";
constexpr std::string_view kFallbackTimePattern = "HH:mm:ss";

std::vector<DateToken> tokensOrFallback(std::string_view pattern, std::string_view fallback, Field required) {
    std::vector<DateToken> tokens = compilePattern(pattern).tokens;
    return hasField(tokens, {required}) ? tokens : compilePattern(fallback).tokens;
}

// Whether a separator of the time could part the numbers of a date.
bool timeReadsAsDate(const std::vector<DateToken>& dateTokens, const std::vector<DateToken>& timeTokens) {
    std::vector<std::string> dateSeparators;
    std::vector<std::string> timeSeparators{":"};
    addSeparators(dateTokens, isDateField, dateSeparators);
    addSeparators(timeTokens, isClockField, timeSeparators);
    return std::any_of(timeSeparators.begin(), timeSeparators.end(),
                       [&](const std::string& s) { return isSeparatorIn(dateSeparators, s); });
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

DateTextCodec::DateTextCodec(const DateLocale& locale)
    : locale_(locale),
      dateTokens_(tokensOrFallback(locale.shortDatePattern, kFallbackDatePattern, Field::Year)),
      timeTokens_(tokensOrFallback(locale.longTimePattern, kFallbackTimePattern, Field::Minute)),
      amLowercase_(readingForm(locale.amText)),
      pmLowercase_(readingForm(locale.pmText)),
      writesDateWithEveryTime_(timeReadsAsDate(dateTokens_, timeTokens_)),
      otherCalendars_(icuOtherCalendarsOf(locale.icuLocale)) {}

DateTextCodec::DateTextCodec(DateTextCodec&&) noexcept = default;
DateTextCodec& DateTextCodec::operator=(DateTextCodec&&) noexcept = default;
DateTextCodec::~DateTextCodec() = default;

const ReadingTables& DateTextCodec::reading() const {
    if (!reading_) {
        reading_ = std::make_unique<const ReadingTables>(
            readingTablesOf(locale_, dateTokens_, timeTokens_, icuDateFactsOf(locale_.icuLocale, otherCalendars_)));
    }
    return *reading_;
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

bool DateTextCodec::isOwnDateSeparator(std::string_view gap) const { return isSeparatorIn(reading().ownDateSeparators, gap); }

std::vector<int> DateTextCodec::zoneOffsetsOf(std::string_view letters) const {
    if (!zones_) {
        zones_ = std::make_unique<const std::vector<ZoneAbbreviation>>(zoneAbbreviationsOf(locale_.icuLocale, words().turkicCase()));
    }
    const auto first = std::lower_bound(zones_->begin(), zones_->end(), letters,
                                        [](const ZoneAbbreviation& zone, std::string_view form) { return zone.form < form; });
    std::vector<int> offsets;
    for (auto zone = first; zone != zones_->end() && zone->form == letters; ++zone) offsets.push_back(zone->offsetMinutes);
    return offsets;
}

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
