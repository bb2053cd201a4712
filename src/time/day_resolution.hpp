#pragma once

#include "base/result.hpp"
#include "time/date_text_codec.hpp"
#include "time/typed_date.hpp"

#include <chrono>
#include <optional>

namespace skyanchor {

// The one day the typed numbers and words name (none where the text holds no date), in the
// calendar of a written era or of a month's name, else in the Gregorian calendar; or why the
// text names no day, or more than one: numbers of no day, a weekday that is not the date's, a
// year that the locale's other calendars could count too.
[[nodiscard]] Result<std::optional<std::chrono::year_month_day>> dateOf(const TypedDate& typed, const DateTextCodec& codec);

}  // namespace skyanchor
