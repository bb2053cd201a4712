#pragma once

#include "text/number_text.hpp"
#include "text/vector_lines.hpp"
#include "time/date_locale.hpp"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace skyanchor {

// What the scripting mode is asked for: an instant in one of its forms, East or West and the
// longitudes as typed, in order.
struct ScriptRequest {
    enum class Instant { Now, Mjd, Date };
    Instant instant = Instant::Now;
    std::string instantText;  // the MJD or date text as typed
    std::vector<std::string> longitudes;
    bool west = true;
    bool mjdOnly = false;
    NumberConventions typed;  // how the MJD and longitude texts are read
};

// The text the window's MJD field holds for the instant: an MJD as typed, or the MJD of the date
// text or of the clock's reading written as the date handler and start-up write it.
// Throws Failure: TypeMismatch for a date text that is no date, Overflow for a number beyond the
// double range or a date that names no day of the years 100 to 9999.
[[nodiscard]] std::string mjdTextOf(const ScriptRequest& request, const DateTextCodec& codec,
                                    const std::function<double()>& readClock);

// Compute followed by Generate on the window's starting fields, with the longitude, East/West and
// MJD texts in place. Throws Failure where Compute fails, which leaves the window without lines.
[[nodiscard]] VectorLines stationaryLines(std::string_view longitude, bool west, std::string_view mjdText,
                                          NumberConventions typed);

// Everything the scripting mode writes to standard output: the MJD text alone, or the two lines
// of each longitude, each ending with a newline. Throws the first Failure, having written nothing;
// the MJD alone fails where the window would not copy it, when the lines of that MJD fail.
[[nodiscard]] std::string scriptOutput(const ScriptRequest& request, const DateTextCodec& codec,
                                       const std::function<double()>& readClock);

}  // namespace skyanchor
