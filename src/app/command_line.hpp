#pragma once

#include "app/script.hpp"
#include "text/number_text.hpp"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>
#include <QStringList>

#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace skyanchor {

// A command line the program cannot follow; the message says why.
struct UsageMistake {
    QString message;
};

// An option's text that the program does not take: not UTF-8, longer than a field holds, or for a
// number option not a number as a whole; the message names the option and the text.
struct TextMistake {
    QString message;
};

// What --help or --version prints.
struct Printout {
    QString text;
};

using CommandLineReading = std::variant<ScriptRequest, UsageMistake, TextMistake, Printout>;

// The program's options, read the way Qt programs read theirs; the longitude and MJD texts are
// read in the user's number conventions.
class CommandLine {
public:
    explicit CommandLine(NumberConventions typed);

    // The arguments as the system gave them: bytes, which must be UTF-8 text.
    [[nodiscard]] CommandLineReading read(const std::vector<std::string>& arguments);
    [[nodiscard]] QString usage() const;

private:
    [[nodiscard]] CommandLineReading request() const;
    [[nodiscard]] std::optional<TextMistake> textMistake() const;
    [[nodiscard]] QString notUtf8(const std::vector<std::string>& arguments, std::size_t at) const;
    [[nodiscard]] std::variant<std::vector<ScriptSatellite>, TextMistake> satellites() const;
    [[nodiscard]] std::variant<RecordFormat, TextMistake> formatOf() const;
    [[nodiscard]] std::optional<ScriptSatellite> withDirection(const QString& longitudeText) const;
    [[nodiscard]] std::variant<std::vector<ScriptSatellite>, TextMistake> rangeOf(const QString& range) const;

    NumberConventions typed;
    QCommandLineParser parser;
    QCommandLineOption longitude;
    QCommandLineOption east;
    QCommandLineOption west;
    QCommandLineOption mjd;
    QCommandLineOption date;
    QCommandLineOption mjdOnly;
    QCommandLineOption longitudes;
    QCommandLineOption set;
    QCommandLineOption format;
    QCommandLineOption help;
    QCommandLineOption version;
};

// The platform and X display that Qt's own options name; empty where they name none.
struct WindowOptions {
    std::string platform;
    std::string display;
};

// The window's options when every argument after the program's name is one of Qt's own options
// (-style Fusion, -reverse, --platform offscreen, -stylesheet=file, ...) with its value; none when
// any is not, so that the arguments are the scripting mode's.
[[nodiscard]] std::optional<WindowOptions> windowOptionsOf(const QStringList& arguments);

}  // namespace skyanchor
