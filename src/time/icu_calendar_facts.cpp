#include "time/icu_calendar_facts.hpp"

#include "time/calendar_conversion.hpp"
#include "time/icu_support.hpp"

#include <unicode/ucal.h>
#include <unicode/uenum.h>
#include <unicode/uloc.h>

#include <algorithm>
#include <array>
#include <optional>

namespace skyanchor {
namespace {

bool isReadableCalendar(std::string_view type) {
    return type == "gregorian" || type == "buddhist" || type == "roc" || type == "japanese" || type == "persian" ||
           type == "indian" || type.starts_with("islamic");
}

// ICU's English name of a calendar type, for messages ("Buddhist Calendar").
std::string displayNameOf(const std::string& type) {
    std::array<UChar, 64> display{};
    UErrorCode status = U_ZERO_ERROR;
    const std::string name = "und@calendar=" + type;
    const int32_t length = uloc_getDisplayKeywordValue(name.c_str(), "calendar", "en", display.data(),
                                                       static_cast<int32_t>(display.size()), &status);
    return U_SUCCESS(status) ? utf8(icu::UnicodeString(display.data(), length)) : type;
}

std::optional<CustomaryCalendar> otherCalendar(std::string_view id, const std::string& type) {
    const auto calendar = calendarOf(std::string_view(type));
    if (!calendar) return std::nullopt;
    CustomaryCalendar other;
    other.calendar = type;
    other.firstYear = yearOn(*calendar, std::chrono::sys_days{std::chrono::year{1900} / 1 / 1});
    other.lastYear = yearOn(*calendar, std::chrono::sys_days{std::chrono::year{2099} / 12 / 31});
    other.twoDigitBase = yearOn(*calendar, today()) - 50;
    UErrorCode status = U_ZERO_ERROR;
    other.era = calendar->get(UCAL_ERA, status);
    other.displayName = displayNameOf(type);
    if (const auto format = formatter(localeOf(id, type), "G", *calendar)) {
        other.eraName = formatted(*format, instantOf(std::chrono::sys_days{std::chrono::year{2000} / 1 / 1}));
    }
    return other;
}

// The names an era pattern writes for each era, on a day inside it; names with digits or
// brackets are dates' debris, not names.
void addNames(icu::SimpleDateFormat& format, const std::vector<CalendarEra>& spans, std::vector<CalendarEra>& eras) {
    for (const CalendarEra& span : spans) {
        const auto inside = span.firstDay == std::chrono::sys_days::min() ? span.lastDay : span.firstDay;
        const std::string name = formatted(format, instantOf(inside));
        if (tooShortToRead(name) || name.find_first_of("0123456789()") != std::string::npos) continue;
        CalendarEra named = span;
        named.name = name;
        eras.push_back(std::move(named));
    }
}

// The months of one other calendar in a year of its present, by one name pattern.
void addMonths(icu::SimpleDateFormat& format, icu::Calendar& calendar, const CustomaryCalendar& other, int index,
               std::vector<CalendarMonth>& months) {
    for (int month = 1; month <= 12; ++month) {
        const CalendarDay day{.era = other.era, .year = other.firstYear + 50, .month = month, .day = 15};
        if (const auto instant = instantIn(calendar, day)) months.push_back({index, month, formatted(format, *instant)});
    }
}

}  // namespace

std::vector<std::string> readableCalendarsOf(std::string_view localeId) {
    std::vector<std::string> calendars;
    UErrorCode status = U_ZERO_ERROR;
    const std::string name(localeId);
    UEnumeration* values = ucal_getKeywordValuesForLocale("calendar", name.c_str(), 1, &status);
    const char* value = nullptr;
    while (U_SUCCESS(status) && (value = uenum_next(values, nullptr, &status)) != nullptr) {
        if (isReadableCalendar(value)) calendars.emplace_back(value);
    }
    uenum_close(values);
    if (std::find(calendars.begin(), calendars.end(), "gregorian") == calendars.end()) calendars.emplace_back("gregorian");
    return calendars;
}

// Where another calendar's years of the present are the Gregorian ones' too (Saka 1900 is 1978),
// a year is read as Gregorian: the Gregorian calendar is the one people mostly write.
std::vector<CustomaryCalendar> icuOtherCalendarsOf(std::string_view localeId) {
    std::vector<CustomaryCalendar> others;
    if (localeId.empty() || isPosixLocale(localeId)) return others;
    std::vector<std::string> types = readableCalendarsOf(localeId);
    // The Japanese eras' few years never pass for Gregorian ones.
    std::erase_if(types, [](const std::string& type) { return type == "gregorian" || type == "japanese"; });
    if (types.empty()) return others;  // most locales: no calendar object, no time zone needed
    const auto preferred = calendarOf(localeOf(localeId, ""));
    if (!preferred) return others;
    const std::string customaryType = preferred->getType();
    for (const std::string& type : types) {
        auto other = otherCalendar(localeId, type);
        const bool customary = type == customaryType;
        if (other && (customary || other->lastYear < 1900 || other->firstYear > 2099)) {
            other->customary = customary;
            others.push_back(std::move(*other));
        }
    }
    return others;
}

std::vector<CalendarEra> namedErasOf(std::string_view localeId) {
    std::vector<CalendarEra> eras;
    for (const std::string& type : readableCalendarsOf(localeId)) {
        const auto calendar = calendarOf(std::string_view(type));
        if (!calendar) continue;
        const std::vector<CalendarEra> spans = eraSpansOf(type, *calendar);
        const icu::Locale locale = localeOf(localeId, type);
        for (const char* pattern : {"G", "GGGG"}) {
            if (const auto format = formatter(locale, pattern, *calendar)) addNames(*format, spans, eras);
        }
    }
    return eras;
}

std::vector<CalendarMonth> calendarMonthsOf(std::string_view localeId, const std::vector<CustomaryCalendar>& otherCalendars) {
    std::vector<CalendarMonth> months;
    for (std::size_t index = 0; index < otherCalendars.size(); ++index) {
        const CustomaryCalendar& other = otherCalendars[index];
        if (other.calendar == "buddhist" || other.calendar == "roc") continue;
        const auto calendar = calendarOf(std::string_view(other.calendar));
        if (!calendar) continue;
        for (const char* pattern : {"MMMM", "MMM", "LLLL", "LLL"}) {
            const auto format = formatter(localeOf(localeId, other.calendar), pattern, *calendar);
            if (format) addMonths(*format, *calendar, other, static_cast<int>(index), months);
        }
    }
    return months;
}

}  // namespace skyanchor
