#pragma once

#include "form/form_services.hpp"
#include "form/set_records.hpp"

#include <optional>

#include <stdexcept>
#include <string>
#include <vector>

namespace skyanchor {

// A satellite as the scripting mode is given it: the longitude's text as the field takes it, and
// the direction that came with it, if any.
struct ScriptSatellite {
    std::string longitude;
    std::optional<bool> west;
};

// What the scripting mode is asked for: an instant in one of its forms, East or West for the
// satellites that name no direction of their own, the satellites in order, and how to write them.
struct ScriptRequest {
    enum class Instant { Now, Mjd, Date };
    Instant instant = Instant::Now;
    std::string instantText;  // the MJD or date text as typed
    std::vector<ScriptSatellite> satellites;
    bool west = true;
    bool mjdOnly = false;
    RecordFormat format = RecordFormat::Lines;
};

// Lines the window would not let be copied; what() is the message the window shows.
class ScriptFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Everything the scripting mode writes to standard output: the MJD text alone, or each
// satellite's record (by default its two lines, each ending with a newline). The window's form
// does the work, event by event as a person would: East or West, the instant typed, then for each
// satellite its own direction where it differs, and its longitude. Throws ScriptFailure with
// the window's message where the window would not copy, having written nothing.
[[nodiscard]] std::string scriptOutput(const ScriptRequest& request, const FormServices& services);

}  // namespace skyanchor
