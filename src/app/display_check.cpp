#include "app/display_check.hpp"

#include <X11/Xlib.h>

#include <cstdlib>
#include <string_view>

namespace skyanchor {
namespace {

std::string_view environment(const char* variable) {
    const char* value = std::getenv(variable);
    return value == nullptr ? std::string_view{} : std::string_view{value};
}

// Qt takes the X server when no platform is named and no Wayland session is running.
bool usesX(std::string_view platform) {
    return platform.empty() ? environment("WAYLAND_DISPLAY").empty() : platform == "xcb";
}

bool xServerAnswers(const std::string& display) {
    Display* connection = XOpenDisplay(display.c_str());
    if (connection == nullptr) return false;
    XCloseDisplay(connection);
    return true;
}

}  // namespace

std::optional<std::string> displayProblem(std::string_view platformOption, std::string_view displayOption) {
    const std::string_view platform = platformOption.empty() ? environment("QT_QPA_PLATFORM") : platformOption;
    const std::string display(displayOption.empty() ? environment("DISPLAY") : displayOption);
    if (platform.empty() && display.empty() && environment("WAYLAND_DISPLAY").empty()) {
        return "no display found (DISPLAY is not set); run it in a desktop session";
    }
    if (!display.empty() && usesX(platform) && !xServerAnswers(display)) {
        return "cannot open display " + display + ": no X server answers there";
    }
    return std::nullopt;
}

}  // namespace skyanchor
