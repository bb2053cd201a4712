#include "time/calendar_conversion.hpp"

#include "time/icu_support.hpp"

#include <unicode/gregocal.h>

#include <algorithm>
#include <cmath>

namespace skyanchor {
namespace {

// Japanese eras before Meiji counted the months of the old lunisolar calendar, which ICU does not
// reckon: their names stay unknown words, refused as such.
constexpr int kMeijiEra = 232;

std::chrono::sys_days dayOfInstant(UDate instant) {
    return std::chrono::sys_days{std::chrono::days{static_cast<long long>(std::floor(instant / kMillisecondsPerDay))}};
}

std::optional<std::chrono::sys_days> eraStart(icu::Calendar& calendar, int era) {
    const auto instant = instantIn(calendar, {.era = era, .year = 1});
    return instant ? std::optional(dayOfInstant(*instant)) : std::nullopt;
}

}  // namespace

std::unique_ptr<icu::Calendar> calendarOf(const icu::Locale& locale) {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::Calendar> calendar(icu::Calendar::createInstance(icu::TimeZone::getGMT()->clone(), locale, status));
    if (U_FAILURE(status)) return nullptr;
    if (auto* gregorian = dynamic_cast<icu::GregorianCalendar*>(calendar.get())) {
        gregorian->setGregorianChange(U_DATE_MIN, status);
    }
    return calendar;
}

std::unique_ptr<icu::Calendar> calendarOf(std::string_view type) { return calendarOf(localeOf("und", type)); }

std::optional<UDate> instantIn(icu::Calendar& calendar, const CalendarDay& day) {
    calendar.clear();
    calendar.set(UCAL_ERA, day.era);
    calendar.set(UCAL_YEAR, day.year);
    if (day.month != 0) {
        calendar.set(UCAL_MONTH, day.month - 1);
        calendar.set(UCAL_DATE, day.day);
    }
    UErrorCode status = U_ZERO_ERROR;
    const UDate instant = calendar.getTime(status);
    if (U_FAILURE(status)) return std::nullopt;
    return instant;
}

std::chrono::sys_days today() { return std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now()); }

int yearOn(icu::Calendar& calendar, std::chrono::sys_days day) {
    UErrorCode status = U_ZERO_ERROR;
    calendar.setTime(instantOf(day), status);
    return calendar.get(UCAL_YEAR, status);
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
    const auto converter = calendarOf(std::string_view(calendar));
    if (!converter) return std::nullopt;
    converter->setLenient(false);
    const auto instant = instantIn(*converter, {.era = era, .year = year, .month = month, .day = day});
    if (!instant) return std::nullopt;
    const std::chrono::sys_days found = dayOfInstant(*instant);
    if (std::abs(found.time_since_epoch().count()) > 4'000'000) return std::nullopt;
    return std::chrono::year_month_day{found};
}

int calendarYearOf(const std::string& calendar, std::chrono::year_month_day date) {
    if (calendar == "gregorian") return static_cast<int>(date.year());
    const auto converter = calendarOf(std::string_view(calendar));
    return converter ? yearOn(*converter, std::chrono::sys_days{date}) : 0;
}

// The first of several eras counts its years backward (before Christ, before the Republic): it
// has no first day.
std::vector<CalendarEra> eraSpansOf(const std::string& type, icu::Calendar& calendar) {
    const int first = type == "japanese" ? kMeijiEra : calendar.getMinimum(UCAL_ERA);
    const int last = calendar.getMaximum(UCAL_ERA);
    std::vector<CalendarEra> eras;
    for (int era = first; era <= last; ++era) {
        const auto start = eraStart(calendar, era);
        if (!start) continue;
        const bool backward = era == calendar.getMinimum(UCAL_ERA) && last > era;
        CalendarEra span{.calendar = type, .era = era, .name = {}, .firstDay = backward ? std::chrono::sys_days::min() : *start};
        if (era < last) {
            if (const auto next = eraStart(calendar, era + 1)) span.lastDay = *next - std::chrono::days{1};
        }
        span.presentYear = yearOn(calendar, std::min(today(), span.lastDay));
        eras.push_back(std::move(span));
    }
    return eras;
}

}  // namespace skyanchor
