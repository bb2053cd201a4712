#include "time/long_instant.hpp"

#include "time/calendar_conversion.hpp"
#include "time/date_serial.hpp"
#include "time/icu_support.hpp"

#include <unicode/datefmt.h>
#include <unicode/numfmt.h>

#include <cmath>

namespace skyanchor {
namespace {

constexpr double kUnixEpochMjd = 40587.0;
constexpr double kMillisecondsPerSecond = 1000.0;
constexpr int kFineDecimals = 6;

// The MJD's instant to the nearest second, as the date field writes it: the last half second of
// 31 December 9999 stays in that day. Beyond the field's days, plainly rounded.
UDate instantOfMjd(double mjd) {
    if (mjd >= kFirstMjd && mjd < kMjdUpperBound) {
        const CivilDateTime civil = civilFromSerial(dateFromMjd(mjd));
        return instantOf(std::chrono::sys_days{civil.date}) + static_cast<double>(civil.timeOfDay.count()) * kMillisecondsPerSecond;
    }
    return std::round((mjd - kUnixEpochMjd) * kMillisecondsPerDay / kMillisecondsPerSecond) * kMillisecondsPerSecond;
}

// The locale names the Gregorian calendar, which calendarOf counts back past 1582, in UT.
std::unique_ptr<icu::DateFormat> inUt(icu::DateFormat* format, const icu::Locale& locale) {
    std::unique_ptr<icu::DateFormat> owned(format);
    if (!owned) return owned;
    if (auto calendar = calendarOf(locale)) owned->adoptCalendar(calendar.release());
    owned->setTimeZone(*icu::TimeZone::getGMT());
    return owned;
}

std::unique_ptr<icu::NumberFormat> numberFormat(const icu::Locale& locale, int decimals) {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::NumberFormat> format(icu::NumberFormat::createInstance(locale, status));
    if (U_FAILURE(status)) return nullptr;
    format->setMaximumFractionDigits(decimals);
    return format;
}

std::string written(const icu::Format* format, const icu::Formattable& value) {
    if (format == nullptr) return {};
    icu::UnicodeString text;
    icu::FieldPosition position;
    UErrorCode status = U_ZERO_ERROR;
    format->format(value, text, position, status);
    return U_SUCCESS(status) ? utf8(text) : std::string();
}

}  // namespace

struct LongInstantWriter::Formats {
    std::unique_ptr<icu::DateFormat> date;
    std::unique_ptr<icu::DateFormat> time;
    std::unique_ptr<icu::NumberFormat> whole;
    std::unique_ptr<icu::NumberFormat> fine;
};

LongInstantWriter::LongInstantWriter(std::string_view icuLocale) {
    const icu::Locale locale = localeOf(icuLocale, "gregorian");
    auto made = std::make_unique<Formats>();
    made->date = inUt(icu::DateFormat::createDateInstance(icu::DateFormat::kFull, locale), locale);
    made->time = inUt(icu::DateFormat::createTimeInstance(icu::DateFormat::kMedium, locale), locale);
    made->whole = numberFormat(locale, 0);
    made->fine = numberFormat(locale, kFineDecimals);
    formats = std::move(made);
}

LongInstantWriter::LongInstantWriter(LongInstantWriter&&) noexcept = default;
LongInstantWriter& LongInstantWriter::operator=(LongInstantWriter&&) noexcept = default;
LongInstantWriter::~LongInstantWriter() = default;

std::string LongInstantWriter::date(double mjd) const {
    return written(formats->date.get(), icu::Formattable(instantOfMjd(mjd), icu::Formattable::kIsDate));
}

std::string LongInstantWriter::time(double mjd) const {
    return written(formats->time.get(), icu::Formattable(instantOfMjd(mjd), icu::Formattable::kIsDate));
}

std::string LongInstantWriter::wholeNumber(double value) const { return written(formats->whole.get(), icu::Formattable(value)); }

std::string LongInstantWriter::number(double value) const { return written(formats->fine.get(), icu::Formattable(value)); }

}  // namespace skyanchor
