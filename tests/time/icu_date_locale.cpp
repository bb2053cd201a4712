#include "icu_date_locale.hpp"

#include "time/icu_pattern_text.hpp"
#include "time/icu_support.hpp"

#include <unicode/dtfmtsym.h>

#include <memory>

namespace skyanchor {
namespace {

using icu::UnicodeString;
using Style = icu::DateFormat::EStyle;
using Symbols = icu::DateFormatSymbols;

template <std::size_t N>
void fill(std::array<std::string, N>& names, const UnicodeString* source, int32_t count) {
    for (std::size_t i = 0; i < N; ++i) {
        if (static_cast<int32_t>(i) < count) names[i] = utf8(source[i]);
    }
}

void fillMonths(std::array<std::string, 12>& names, const Symbols& symbols, Symbols::DtContextType context,
                Symbols::DtWidthType width) {
    int32_t count = 0;
    const UnicodeString* months = symbols.getMonths(count, context, width);
    fill(names, months, count);
}

// ICU counts weekdays from Sunday = 1; the field from Monday.
void fillWeekdays(std::array<std::string, 7>& names, const Symbols& symbols, Symbols::DtContextType context,
                  Symbols::DtWidthType width) {
    int32_t count = 0;
    const UnicodeString* days = symbols.getWeekdays(count, context, width);
    for (std::size_t i = 0; i < 7; ++i) {
        const int32_t at = i == 6 ? UCAL_SUNDAY : static_cast<int32_t>(i) + UCAL_MONDAY;
        if (at < count) names[i] = utf8(days[at]);
    }
}

void fillNames(DateLocale& description, const Symbols& symbols) {
    fillMonths(description.monthNames, symbols, Symbols::FORMAT, Symbols::WIDE);
    fillMonths(description.monthAbbreviations, symbols, Symbols::FORMAT, Symbols::ABBREVIATED);
    fillMonths(description.standaloneMonthNames, symbols, Symbols::STANDALONE, Symbols::WIDE);
    fillMonths(description.standaloneMonthAbbreviations, symbols, Symbols::STANDALONE, Symbols::ABBREVIATED);
    int32_t count = 0;
    const UnicodeString* halves = symbols.getAmPmStrings(count);
    if (count >= 2) {
        description.amText = utf8(halves[0]);
        description.pmText = utf8(halves[1]);
    }
    fillWeekdays(description.dayNames, symbols, Symbols::FORMAT, Symbols::WIDE);
    fillWeekdays(description.dayAbbreviations, symbols, Symbols::FORMAT, Symbols::ABBREVIATED);
    fillWeekdays(description.standaloneDayNames, symbols, Symbols::STANDALONE, Symbols::WIDE);
}

}  // namespace

DateLocale dateLocaleFromIcu(std::string_view localeId) {
    const bool posix = isPosixLocale(localeId);
    const icu::Locale locale = localeOf(posix ? "en_US_POSIX" : localeId, "gregorian");
    const auto pattern = [&locale](Style date, Style time) {
        const std::unique_ptr<icu::DateFormat> format(date == Style::kNone ? icu::DateFormat::createTimeInstance(time, locale)
                                                                            : icu::DateFormat::createDateInstance(date, locale));
        return datePatternOfIcu(patternOf(format.get()));
    };
    DateLocale description;
    description.icuLocale = std::string(localeId);
    description.shortDatePattern = posix ? "yyyy-MM-dd" : pattern(Style::kShort, Style::kNone);
    description.longTimePattern = posix ? "HH:mm:ss" : pattern(Style::kNone, Style::kLong);
    description.longDatePattern = pattern(Style::kFull, Style::kNone);
    description.shortTimePattern = pattern(Style::kNone, Style::kShort);
    UErrorCode status = U_ZERO_ERROR;
    const Symbols symbols(locale, status);
    if (U_SUCCESS(status)) fillNames(description, symbols);
    return description;
}

}  // namespace skyanchor
