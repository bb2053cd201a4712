#pragma once

#include <string>
#include <string_view>

// Every word a user reads, in the window or on standard error, is written in this folder.
namespace skyanchor::words {

// A typed text inside a message: “…” around at most its first 40 characters, isolated (U+2068,
// U+2069) so that a right-to-left text keeps its own order inside a left-to-right message, and
// the other way round.
[[nodiscard]] std::string quoted(std::string_view text);

// A message for standard error: a terminal or a log shows the isolation marks (U+2066..U+2069)
// as they are, or as boxes, so they are left out there and kept only inside a window.
[[nodiscard]] std::string withoutIsolates(std::string_view message);

}  // namespace skyanchor::words
