#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace skyanchor {

// Why the window cannot open, in one line, before the toolkit would abort with a core dump: no
// display named at all. Empty when the window can try. A platform or display named on the
// command line stands before the environment's.
[[nodiscard]] std::optional<std::string> displayProblem(std::string_view platformOption = {},
                                                        std::string_view displayOption = {});

// While the toolkit picks its platform, holds its messages back; should no platform start (the
// toolkit would abort with a core dump: an X display that no server answers, as after a stale
// remote login, an unknown QT_QPA_PLATFORM, a Wayland display that nothing serves with no X to
// fall back on), the program says why in one line and exits with status 1. The messages of a
// start that succeeds go on when the guard is released.
class PlatformStartGuard {
public:
    PlatformStartGuard(std::string_view platformOption, std::string_view displayOption);
    ~PlatformStartGuard();
    PlatformStartGuard(const PlatformStartGuard&) = delete;
    PlatformStartGuard& operator=(const PlatformStartGuard&) = delete;

    void release();

private:
    bool holding_ = true;
};

}  // namespace skyanchor
