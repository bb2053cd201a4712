#pragma once

#include "text/number_text.hpp"
#include "time/date_conventions.hpp"

#include <QLocale>

namespace skyanchor {

// The user's date conventions as the date text needs them: date and time patterns, month and
// weekday names (as used in dates and standalone), the day-half markers, and the locale's name
// for ICU, which knows the rest (calendars, eras, day periods, the words joining date and time).
[[nodiscard]] DateLocale dateLocaleOf(const QLocale& locale);

// The locale's way of writing numbers that the longitude and MJD texts are read with.
[[nodiscard]] NumberConventions numberConventionsOf(const QLocale& locale);

}  // namespace skyanchor
