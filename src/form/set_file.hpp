#pragma once

#include "base/result.hpp"
#include "form/satellite_set.hpp"

#include <string>
#include <string_view>
#include <vector>

namespace skyanchor {

// A set file: plain UTF-8 text, one satellite per line as a longitude and E or W ("122 W",
// "75.5E"), "#" comment lines and blank lines allowed, a carriage return before a line's end
// ignored. The longitude reads as the scripting mode reads a number, whole, with "." as its
// decimal point. A file with any other line is refused as a whole; the reason names the line.
[[nodiscard]] Result<std::vector<Satellite>> readSetFile(std::string_view text);

// The file that reads back as these satellites.
[[nodiscard]] std::string writeSetFile(const std::vector<Satellite>& satellites);

}  // namespace skyanchor
