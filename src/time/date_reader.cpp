#include "base/utf8_text.hpp"
#include "time/date_pieces.hpp"
#include "time/date_serial.hpp"
#include "time/date_text.hpp"
#include "time/day_resolution.hpp"
#include "time/reader_refusals.hpp"
#include "time/typed_date.hpp"
#include "time/unicode_text.hpp"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <optional>

namespace skyanchor {
namespace {

using namespace std::chrono;
using words::DateTextFault;

// The hour of the day that an hour typed names with the day-half word or day period beside it;
// none where the two cannot go together, and a refusal of its own for an hour outside a period
// ("in the evening").
Result<std::optional<int>> hourOfDay(int hour, const TypedDate& typed, const DayPeriod* period, const DateTextCodec& codec) {
    if (typed.dayHalf != 0) return hour > 12 ? std::nullopt : std::optional(hour % 12 + (typed.dayHalf == 2 ? 12 : 0));
    if (period == nullptr) return std::optional(hour);
    if (period->exactHour >= 0) return hour != 12 && hour != period->exactHour ? std::nullopt : std::optional(period->exactHour);
    const bool early = hour < 24 && (period->hours >> (hour % 12) & 1u) != 0;
    const bool late = hour < 24 && (period->hours >> (hour % 12 + 12) & 1u) != 0;
    if (hour > 12 ? (period->hours >> std::min(hour, 31) & 1u) == 0 : early == late) {
        return refusal(DateTextFault::HourOutsidePeriod, codec);
    }
    return std::optional(hour <= 12 ? (early ? hour % 12 : hour % 12 + 12) : hour);
}

Result<std::optional<seconds>> timeOf(const TypedDate& typed, const DateTextCodec& codec) {
    const DayPeriod* period = typed.period != 0 ? &codec.period(typed.period) : nullptr;
    if (typed.timeCount == 0) {
        if (period != nullptr && period->exactHour >= 0) return std::optional<seconds>(hours{period->exactHour});
        return std::optional<seconds>{};
    }
    const int minute = typed.timeCount >= 2 ? typed.timeNumbers[1] : 0;
    const int second = typed.timeCount == 3 ? typed.timeNumbers[2] : 0;
    const Result<std::optional<int>> hour = hourOfDay(typed.timeNumbers[0], typed, period, codec);
    if (!hour) return hour.failure();
    if (!*hour || **hour > 23 || minute > 59 || second > 59) return refusal(DateTextFault::NoSuchTime, codec);
    return std::optional<seconds>(hours{**hour} + minutes{minute} + seconds{second});
}

// The serial of an instant in the field's range. A time of day so near the next midnight that the
// serial cannot tell them apart is that midnight: before 30 December 1899, where the serial counts
// days backward, the nearest double would otherwise be the midnight a day earlier.
Result<double> serialOfInstant(sys_time<microseconds> instant, const DateTextCodec& codec) {
    sys_days day = floor<days>(instant);
    const auto index = static_cast<double>((day - kSerialEpoch).count());
    const double fraction = static_cast<double>((instant - day).count()) / 86400e6;
    double serial = index < 0 ? index - fraction : index + fraction;
    const bool roundedToMidnight = std::trunc(serial) != index;
    if (roundedToMidnight) {
        day += days{1};
        serial = index + 1;
    }
    if (!isFieldDay(year_month_day{day})) {
        return refusal(roundedToMidnight ? DateTextFault::RoundsPastLastDay : DateTextFault::OutsideDates, codec);
    }
    return serial;
}

}  // namespace

Result<double> readDateText(std::string_view text, const DateTextCodec& codec) {
    if (validUtf8Length(text) != text.size()) return refusal(DateTextFault::NotUtf8, codec);
    const std::string form = readingForm(text, codec.words().turkicCase());
    const DatePieces pieces(text, form, codec);
    if (!pieces.status()) return pieces.status().failure();
    const Result<TypedDate> typed = typedDateOf(pieces, codec);
    if (!typed) return typed.failure();
    const Result<std::optional<year_month_day>> date = dateOf(*typed, codec);
    if (!date) return date.failure();
    const Result<std::optional<seconds>> time = timeOf(*typed, codec);
    if (!time) return time.failure();
    if (!*date && !*time) return refusal(text.empty() ? DateTextFault::Empty : DateTextFault::NamesNothing, codec);
    const sys_days day{date->value_or(year_month_day{kSerialEpoch})};
    sys_time<microseconds> instant = day + time->value_or(seconds{0}) + typed->fraction;
    instant -= minutes{typed->offsetMinutes.value_or(0)};  // the field is in UT
    return serialOfInstant(instant, codec);
}

double parseDateText(std::string_view text, const DateTextCodec& codec) {
    Result<double> serial = readDateText(text, codec);
    if (!serial) throw serial.failure();
    return *serial;
}

}  // namespace skyanchor
