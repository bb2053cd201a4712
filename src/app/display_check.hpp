#pragma once

#include <optional>
#include <string>

namespace skyanchor {

// Why the window cannot open, in one line, before the toolkit would abort with a core dump:
// no display named at all, or an X display that no server answers (a stale remote login).
// Empty when the window can try.
[[nodiscard]] std::optional<std::string> displayProblem();

}  // namespace skyanchor
