#pragma once

#include "time/date_locale.hpp"

#include <QLocale>

namespace skyanchor {

// The user's date conventions as the date text needs them: short date and long time patterns,
// month names and abbreviations as used inside dates, and the day-half markers.
[[nodiscard]] DateLocale dateLocaleOf(const QLocale& locale);

}  // namespace skyanchor
