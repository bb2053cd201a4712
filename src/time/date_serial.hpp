#pragma once

#include <chrono>

namespace skyanchor {

// A date serial counts days from 30 December 1899, 00:00. Its integer part, truncated toward zero,
// picks the day; the absolute fraction is the time of day, counted forward from that midnight
// whatever the sign (-1.25 is 29 December 1899, 06:00).
inline constexpr double kSerialLowerBound = -657435.0;  // exclusive: serial -657434 is 1 January 100
inline constexpr double kSerialUpperBound = 2958466.0;  // exclusive: serial 2958465 is 31 December 9999
inline constexpr double kMjdOfSerialZero = 15018.0;     // 17 November 1858 to 30 December 1899
// The MJDs of the range: from 1 January 100, 00:00, up to but not including 1 January 10000.
inline constexpr double kFirstMjd = kSerialLowerBound + 1.0 + kMjdOfSerialZero;
inline constexpr double kMjdUpperBound = kSerialUpperBound + kMjdOfSerialZero;

inline constexpr std::chrono::sys_days kSerialEpoch = std::chrono::sys_days{std::chrono::year{1899} / 12 / 30};

// Whether a day is one of the field's, 1 January 100 .. 31 December 9999.
[[nodiscard]] inline bool isFieldDay(std::chrono::year_month_day date) {
    return date.year() >= std::chrono::year{100} && date.year() <= std::chrono::year{9999};
}

// A calendar day and a time of day to the second.
struct CivilDateTime {
    std::chrono::year_month_day date;
    std::chrono::seconds timeOfDay{0};

    friend bool operator==(const CivilDateTime&, const CivilDateTime&) = default;
};

[[nodiscard]] double serialFromCivil(const CivilDateTime& civil);

// The day and the time of day rounded to the nearest second; a rounding that reaches 24:00
// carries into the next day, except on 31 December 9999, which has no next day to carry into.
// Throws Failure(Overflow) for a serial outside 1 January 100 .. 31 December 9999 or not finite.
[[nodiscard]] CivilDateTime civilFromSerial(double serial);

// MJD of a serial: days from 17 November 1858, 00:00 to the instant the serial names, so
// 29 December 1899, 06:00 (serial -1.25) is MJD 15017.25. Serials from 30 December 1899 on are
// plainly the MJD less 15018. Throws Failure(Overflow) unless the serial is a day of 1 January
// 100 .. 31 December 9999.
[[nodiscard]] double mjd(double serial);
// Serial of an MJD, the inverse: throws Failure(Overflow) unless the instant falls on a day of
// that range (MJD -642416 up to, not including, 2973484).
[[nodiscard]] double dateFromMjd(double modifiedJulianDate);

}  // namespace skyanchor
