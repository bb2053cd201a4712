#include "ui/form1.hpp"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {

// Without a display the toolkit would abort with a core dump; say what is missing instead.
bool displayAvailable() {
    for (const char* variable : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && *value != '\0') return true;
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (!displayAvailable()) {
        std::fputs("skyanchor-satellite: no display found (DISPLAY is not set); run it in a desktop session\n", stderr);
        return 1;
    }
    QApplication application(argc, argv);
    skyanchor::Form1 window;
    window.show();
    return QApplication::exec();
}
