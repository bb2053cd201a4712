#include "app/command_line.hpp"
#include "app/display_check.hpp"
#include "app/script.hpp"
#include "base/failure.hpp"
#include "ui/beside_form.hpp"
#include "ui/clipboard.hpp"
#include "ui/clock.hpp"
#include "ui/form1.hpp"
#include "ui/qt_date_locale.hpp"
#include "words/command_line.hpp"
#include "words/quoting.hpp"

#include <QApplication>
#include <QCoreApplication>

#include <fontconfig/fontconfig.h>

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <thread>
#include <variant>
#include <vector>

namespace {

constexpr int kFailureStatus = 1;
constexpr int kUsageStatus = 2;

// A standard stream the program was started without is held by a descriptor that takes no
// writes, so that no file opened later takes its number and receives the output.
void holdClosedStandardStreams() {
    for (const int stream : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
        if (fcntl(stream, F_GETFD) == -1 && errno == EBADF) {
            const int held = open("/dev/null", O_RDONLY);
            if (held != stream && held >= 0) close(held);
        }
    }
}

// One line on standard error, or more where the usage follows.
void complain(std::string_view message, const QString& usage = {}) {
    const std::string text = skyanchor::words::withoutIsolates(message) + '\n' + (usage.isEmpty() ? "" : '\n' + usage.toStdString());
    std::fprintf(stderr, "skyanchor-satellite: %s", text.c_str());
}

// A script that redirects the output to a full disk or runs with it closed must not take an
// empty or cut-off file for success.
int printed(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    if (std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stdout) == static_cast<std::size_t>(bytes.size()) &&
        std::fflush(stdout) == 0) {
        return 0;
    }
    complain(skyanchor::words::cannotWriteOutput(std::strerror(errno)));
    return kFailureStatus;
}

QStringList argumentsOf(int argc, char** argv) {
    QStringList arguments;
    for (int at = 0; at < argc; ++at) arguments << QString::fromLocal8Bit(argv[at]);
    return arguments;
}

// Reading the font configuration (its files and caches) is a quarter of the work before the window
// appears, and needs no display: on a thread of its own it goes on while the toolkit connects to
// the display. Where no thread starts, the toolkit reads it itself when it first needs a font.
std::optional<std::jthread> readFontConfigurationAhead() {
    try {
        return std::jthread([] { static_cast<void>(FcInit()); });
    } catch (const std::system_error&) {
        return std::nullopt;
    }
}

int openWindow(int argc, char** argv, const skyanchor::WindowOptions& options) {
    if (const auto problem = skyanchor::displayProblem(options.platform, options.display)) {
        complain(*problem);
        return kFailureStatus;
    }
    skyanchor::PlatformStartGuard platformStart(options.platform, options.display);
    std::optional<std::jthread> fontConfiguration = readFontConfigurationAhead();
    QApplication application(argc, argv);
    fontConfiguration.reset();  // joined before the window measures its first text, so it is read once
    platformStart.release();
    QGuiApplication::setDesktopFileName(QStringLiteral(SKYANCHOR_APP_ID));
    skyanchor::Form1 window;
    new skyanchor::BesideForm(window, std::make_shared<skyanchor::SystemClipboard>());
    window.show();
    return QApplication::exec();
}

// The scripting mode, and --help and --version: no window, so no display needed.
int runCommandLine(int argc, char** argv) {
    const QCoreApplication application(argc, argv);
    skyanchor::CommandLine commandLine(skyanchor::numberConventionsOf(QLocale::system()));
    const auto reading = commandLine.read(std::vector<std::string>(argv, argv + argc));
    if (const auto* mistake = std::get_if<skyanchor::UsageMistake>(&reading)) {
        complain(mistake->message.toStdString(), commandLine.usage());
        return kUsageStatus;
    }
    if (const auto* mistake = std::get_if<skyanchor::TextMistake>(&reading)) {
        complain(mistake->message.toStdString());
        return kFailureStatus;
    }
    if (const auto* printout = std::get_if<skyanchor::Printout>(&reading)) return printed(printout->text);
    try {
        const skyanchor::FormServices services{.readClock = skyanchor::readClockSerial,
                                               .clipboard = nullptr,
                                               .dateLocale = skyanchor::dateLocaleOf(QLocale::system()),
                                               .numbers = skyanchor::numberConventionsOf(QLocale::system())};
        const std::string output = skyanchor::scriptOutput(std::get<skyanchor::ScriptRequest>(reading), services);
        return printed(QString::fromStdString(output));
    } catch (const skyanchor::ScriptFailure& failure) {
        complain(failure.what());
        return kFailureStatus;
    }
}

}  // namespace

int main(int argc, char** argv) {
    holdClosedStandardStreams();
    QCoreApplication::setApplicationName(QStringLiteral("skyanchor-satellite"));
    QCoreApplication::setApplicationVersion(QStringLiteral(SKYANCHOR_VERSION));
    if (const auto options = skyanchor::windowOptionsOf(argumentsOf(argc, argv))) return openWindow(argc, argv, *options);
    return runCommandLine(argc, argv);
}
