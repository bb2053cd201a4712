#pragma once

#include "base/failure.hpp"

#include <cstddef>
#include <string>
#include <string_view>

// The form's notes: what happened at a field or a button, and what to type, in plain words first
// and the failure's number after. The form decides which note a control carries; these say it.
// Numbers come already written, in the user's conventions.
namespace skyanchor::words {

// "<words> (Error 6, Overflow)".
[[nodiscard]] std::string withFailureNumber(std::string_view words, const Failure& failure);

// The longitude or the MJD, as a note names it.
struct NumberName {
    std::string_view withArticle;  // "a longitude"
    std::string_view seconds;      // what its limit keeps apart
    std::string_view unit;
};
inline constexpr NumberName kLongitudeName{"a longitude", "seconds of arc", "degrees"};
inline constexpr NumberName kMjdName{"an MJD", "seconds", "days"};
// "±68719476736 days"
[[nodiscard]] std::string limit(const NumberName& name, std::string_view magnitude);

// After a Compute that failed.
inline constexpr std::string_view kNoOrbit = "No stationary orbit can be computed from this longitude and MJD; the lines stay greyed.";
inline constexpr std::string_view kBothUnreadable =
    "The lines wait for a longitude and an MJD that can be read as numbers: both are too large.";
[[nodiscard]] std::string bothPastSeconds(std::string_view longitudeLimit, std::string_view mjdLimit);
[[nodiscard]] std::string waitsForReadable(const NumberName& name, std::string_view typed);
[[nodiscard]] std::string waitsForSeconds(const NumberName& name, std::string_view typed, std::string_view limit,
                                          std::string_view accepts);

// An MJD that names no day.
[[nodiscard]] std::string mjdUnreadable(std::string_view typed, std::string_view accepts);
[[nodiscard]] std::string mjdPastSeconds(std::string_view typed, std::string_view limit, std::string_view accepts);
[[nodiscard]] std::string mjdNamesNoDay(std::string_view typed, bool beforeFirstDay, bool linesComputed);

// A date text that is no date, with the reader's reason.
[[nodiscard]] std::string noDate(std::string_view reason);

// "Longitude “12abc” is read as 12: the rest (“abc”) is not part of the number. ..."
[[nodiscard]] std::string readAs(std::string_view fieldName, std::string_view typed, std::string_view read,
                                 std::string_view rest, std::string_view accepts);

// What to type for a text whose meaning is plain though it is not read whole: "Type 75.5 and
// choose East.", "Type 45.5."; the direction is empty where none was typed.
[[nodiscard]] std::string typeInstead(std::string_view number, std::string_view direction);

// The directions, as the option buttons name them.
inline constexpr std::string_view kEast = "East";
inline constexpr std::string_view kWest = "West";

// While the date text is no date, the MJD it was rewritten to: "MJD 15018 stands for no date: ...".
[[nodiscard]] std::string mjdOfNoDate(std::string_view mjd);

// The result read back when nothing is wrong: "Over 122° West on Wednesday, 4 March 2026, 18:00:00
// UT (MJD 61103.75), 35,785 km above the equator." The place is "122° West", or "0°" on the prime
// meridian and "180°" opposite it; the date and time in the locale's words are isolated, so that
// a right-to-left locale's keep their own order.
struct Readout {
    std::string_view degrees;
    std::string_view direction;  // kEast, kWest or empty
    std::string_view date;
    std::string_view time;
    std::string_view mjd;
    std::string_view height;  // kilometres
};
[[nodiscard]] std::string readout(const Readout& facts);

// A text cut to the most a field holds; fieldText is "longitude text", "MJD text"...
[[nodiscard]] std::string cutNotice(std::string_view fieldText, std::size_t limit);

// What a field accepts, under a failure of its own or a text not read whole.
inline constexpr std::string_view kLongitudeAccepts = "Type a longitude in degrees, such as 122 or -75.5.";
[[nodiscard]] std::string mjdAccepts(std::string_view first, std::string_view last);
inline constexpr std::string_view kClipboardAdvice = "The clipboard did not take the text; another program may hold it. Try again.";

// Why the date field is empty.
inline constexpr std::string_view kNoDateForMjd = "No date: the MJD is outside the years 100 to 9999.";
// The scripting mode's line when no control's note says more.
inline constexpr std::string_view kLinesCannotBeComputed = "The lines cannot be computed.";

}  // namespace skyanchor::words
