#pragma once

#include "form/form_services.hpp"

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

// Everything the scripting mode writes to standard output: the MJD text alone, or the two lines
// of each longitude, each ending with a newline. The window's form does the work, event by event
// as a person would: East or West, the instant typed, then each longitude. Throws the Failure that
// keeps the window from copying, having written nothing.
[[nodiscard]] std::string scriptOutput(const ScriptRequest& request, const FormServices& services);

}  // namespace skyanchor
