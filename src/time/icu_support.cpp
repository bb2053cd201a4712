#include "time/icu_support.hpp"

#include <algorithm>

namespace skyanchor {

using icu::UnicodeString;

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

UDate instantOf(std::chrono::sys_days day, int hour, int minute) {
    return static_cast<double>(day.time_since_epoch().count()) * kMillisecondsPerDay + (hour * 60 + minute) * 60000.0;
}

std::unique_ptr<icu::SimpleDateFormat> formatter(const icu::Locale& locale, const char* pattern) {
    UErrorCode status = U_ZERO_ERROR;
    auto format = std::make_unique<icu::SimpleDateFormat>(UnicodeString(pattern, -1, US_INV), locale, status);
    if (U_FAILURE(status)) return nullptr;
    format->setTimeZone(*icu::TimeZone::getGMT());
    return format;
}

std::unique_ptr<icu::SimpleDateFormat> formatter(const icu::Locale& locale, const char* pattern,
                                                 const icu::Calendar& calendar) {
    auto format = formatter(locale, pattern);
    if (format) format->adoptCalendar(calendar.clone());
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

}  // namespace skyanchor
