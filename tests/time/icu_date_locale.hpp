#pragma once

#include "time/date_conventions.hpp"

#include <string_view>

namespace skyanchor {

// A locale's date conventions as ICU's data gives them, in the pattern letters of DatePattern,
// for every locale ICU knows; the C/POSIX locale (ICU's "en_US_POSIX") as ISO 8601.
[[nodiscard]] DateLocale dateLocaleFromIcu(std::string_view localeId);

}  // namespace skyanchor
