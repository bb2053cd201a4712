#pragma once

#include "base/result.hpp"
#include "time/date_text_codec.hpp"

#include <string>
#include <string_view>

namespace skyanchor {

// The locale's short date, one blank and its long time; the time is left out at exactly midnight
// and the date on 30 December 1899 (a serial from 0 up to 1 is written as a time alone), unless
// a time alone could read as a date in the locale: then that day is written like any other.
// Where the year could be taken for one of the locale's other calendars (Thai 2569, Persian
// 1405), the Gregorian era follows the date ("ค.ศ."). Digits are ASCII; the time of day is
// rounded to the nearest second. Throws Failure(Overflow) for a serial outside 1 January 100 ..
// 31 December 9999 or not finite: no text could name it.
[[nodiscard]] std::string formatDateText(double serial, const DateTextCodec& codec);

// Reads a date and/or a time as people write them in the locale, as the serial of the instant
// they mean or not at all: numbers in the locale's order of day, month and year with any
// separators and in any script's digits, month and weekday names (as used in dates and
// standalone, abbreviated, shortened, in any letter case, without accents where that stays
// unique; a weekday must be the date's), the words of the locale's and ICU's patterns, eras (read
// in their calendar), "h:mm", "h:mm:ss", fractions of a second, the locale's time separators and
// hour words, day-half words and day periods beside the time, "noon", "midnight", ISO 8601 with
// "T", "Z" and offsets, its days of the year ("2026-063") and week dates ("2026-W50-3"), the
// zone abbreviations the locale names ("EST"; all converted to UT), "UT"/"UTC"/"GMT". One or two
// year digits name 1930..2029. A date alone is midnight; a time alone is on 30 December 1899. A
// text that is no date or time, or whose reading depends on what the text does not say (the order
// of day and month where the numbers are parted otherwise than the locale parts them, the calendar
// of its year), gives Failure(TypeMismatch), whose reason says why and what to type instead,
// quoting the text as typed. Nothing is thrown: this runs at every keystroke.
[[nodiscard]] Result<double> readDateText(std::string_view text, const DateTextCodec& codec);

// readDateText for callers that take a refusal as exceptional: throws its failure.
[[nodiscard]] double parseDateText(std::string_view text, const DateTextCodec& codec);

}  // namespace skyanchor
