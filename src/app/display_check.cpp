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

bool xServerAnswers() {
    Display* connection = XOpenDisplay(nullptr);
    if (connection == nullptr) return false;
    XCloseDisplay(connection);
    return true;
}

}  // namespace

std::optional<std::string> displayProblem() {
    const std::string_view platform = environment("QT_QPA_PLATFORM");
    const std::string_view display = environment("DISPLAY");
    if (platform.empty() && display.empty() && environment("WAYLAND_DISPLAY").empty()) {
        return "no display found (DISPLAY is not set); run it in a desktop session";
    }
    if (!display.empty() && usesX(platform) && !xServerAnswers()) {
        return "cannot open display " + std::string(display) + ": no X server answers there";
    }
    return std::nullopt;
}

}  // namespace skyanchor
