#include "app/command_line.hpp"
#include "app/display_check.hpp"
#include "app/script.hpp"
#include "text/failure.hpp"
#include "ui/clock.hpp"
#include "ui/form1.hpp"
#include "ui/qt_date_locale.hpp"

#include <QApplication>
#include <QCoreApplication>

#include <cstdio>
#include <string>
#include <variant>

namespace {

constexpr int kUsageStatus = 2;

int openWindow(int argc, char** argv) {
    if (const auto problem = skyanchor::displayProblem()) {
        std::fprintf(stderr, "skyanchor-satellite: %s\n", problem->c_str());
        return 1;
    }
    skyanchor::PlatformStartGuard platformStart;
    QApplication application(argc, argv);
    platformStart.release();
    QGuiApplication::setDesktopFileName(QStringLiteral(SKYANCHOR_APP_ID));
    skyanchor::Form1 window;
    window.show();
    return QApplication::exec();
}

// The scripting mode, and --help and --version: no window, so no display needed.
int runCommandLine(int argc, char** argv) {
    const QCoreApplication application(argc, argv);
    skyanchor::CommandLine commandLine;
    const auto request = commandLine.read(QCoreApplication::arguments());
    if (const auto* mistake = std::get_if<skyanchor::UsageMistake>(&request)) {
        std::fprintf(stderr, "skyanchor-satellite: %s\n\n%s", qPrintable(mistake->message), qPrintable(commandLine.usage()));
        return kUsageStatus;
    }
    try {
        const skyanchor::DateTextCodec codec(skyanchor::dateLocaleOf(QLocale::system()));
        const std::string output =
            skyanchor::scriptOutput(std::get<skyanchor::ScriptRequest>(request), codec, skyanchor::readClockSerial);
        std::fputs(output.c_str(), stdout);
        return 0;
    } catch (const skyanchor::Failure& failure) {
        std::fprintf(stderr, "%s\n", failure.report().c_str());
        return 1;
    }
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication::setApplicationName(QStringLiteral("skyanchor-satellite"));
    QCoreApplication::setApplicationVersion(QStringLiteral(SKYANCHOR_VERSION));
    return argc == 1 ? openWindow(argc, argv) : runCommandLine(argc, argv);
}
