#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace skyanchor {

// Why the window cannot open, in one line, before the toolkit would abort with a core dump:
// no display named at all, or an X display that no server answers (a stale remote login).
// Empty when the window can try. A platform or display named on the command line stands before
// the environment's.
[[nodiscard]] std::optional<std::string> displayProblem(std::string_view platformOption = {},
                                                        std::string_view displayOption = {});

}  // namespace skyanchor
