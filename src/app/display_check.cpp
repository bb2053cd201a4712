#include "app/display_check.hpp"

#include "words/command_line.hpp"

#include <QString>
#include <QtGlobal>

#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string_view>
#include <vector>

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

struct NamedDisplay {
    std::string platform;
    std::string display;
};

// A platform or display named on the command line stands before the environment's.
NamedDisplay displayOf(std::string_view platformOption, std::string_view displayOption) {
    return {std::string(platformOption.empty() ? environment("QT_QPA_PLATFORM") : platformOption),
            std::string(displayOption.empty() ? environment("DISPLAY") : displayOption)};
}

struct HeldMessage {
    QtMsgType type;
    std::string category;
    QString text;
};

std::mutex heldLock;
std::vector<HeldMessage> held;
QtMessageHandler previousHandler = nullptr;
NamedDisplay guarded;  // the display the toolkit is trying, asked only once it fails

// The toolkit's reasons, one after another on one line: its messages may span several.
std::string oneLine(const QString& text) { return text.simplified().toStdString(); }

void holdOrExit(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    const std::lock_guard lock(heldLock);
    if (type != QtFatalMsg) {
        held.push_back({type, context.category == nullptr ? std::string() : context.category, text});
        return;
    }
    std::string reasons;
    for (const HeldMessage& message : held) {
        if (message.type == QtDebugMsg || message.type == QtInfoMsg) continue;
        reasons += (reasons.empty() ? "" : "; ") + oneLine(message.text);
    }
    if (reasons.empty()) reasons = oneLine(text.section(QLatin1Char('\n'), 0, 0));
    std::string line = words::cannotOpenWindow(reasons);
    // Probing the X server before every start would cost a connection of its own.
    if (!guarded.display.empty() && usesX(guarded.platform) && !xServerAnswers(guarded.display)) {
        line = words::noXServer(guarded.display);
    }
    std::fprintf(stderr, "skyanchor-satellite: %s\n", line.c_str());
    std::fflush(stderr);
    std::_Exit(1);
}

}  // namespace

PlatformStartGuard::PlatformStartGuard(std::string_view platformOption, std::string_view displayOption) {
    guarded = displayOf(platformOption, displayOption);
    previousHandler = qInstallMessageHandler(holdOrExit);
}

PlatformStartGuard::~PlatformStartGuard() { release(); }

void PlatformStartGuard::release() {
    if (!holding_) return;
    holding_ = false;
    qInstallMessageHandler(previousHandler);
    const std::lock_guard lock(heldLock);
    for (const HeldMessage& message : held) {
        qt_message_output(message.type, QMessageLogContext(nullptr, 0, nullptr, message.category.c_str()), message.text);
    }
    held.clear();
}

std::optional<std::string> displayProblem(std::string_view platformOption, std::string_view displayOption) {
    const NamedDisplay named = displayOf(platformOption, displayOption);
    if (named.platform.empty() && named.display.empty() && environment("WAYLAND_DISPLAY").empty()) {
        return std::string(words::kNoDisplay);
    }
    return std::nullopt;
}

}  // namespace skyanchor
