#pragma once

#include "form/form_services.hpp"

#include <stdexcept>
#include <string>
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
};

// Lines the window would not let be copied; what() is the message the window shows.
class ScriptFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Everything the scripting mode writes to standard output: the MJD text alone, or the two lines
// of each longitude, each ending with a newline. The window's form does the work, event by event
// as a person would: East or West, the instant typed, then each longitude. Throws ScriptFailure with
// the window's message where the window would not copy, having written nothing.
[[nodiscard]] std::string scriptOutput(const ScriptRequest& request, const FormServices& services);

}  // namespace skyanchor
