#pragma once

#include "app/script.hpp"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>
#include <QStringList>

#include <variant>

namespace skyanchor {

// A command line the program cannot follow; the message says why.
struct UsageMistake {
    QString message;
};

// The program's options, read the way Qt programs read theirs. --help and --version print and end
// the program from inside read(), so they need nothing but a QCoreApplication.
class CommandLine {
public:
    CommandLine();

    [[nodiscard]] std::variant<ScriptRequest, UsageMistake> read(const QStringList& arguments);
    [[nodiscard]] QString usage() const { return parser.helpText(); }

private:
    [[nodiscard]] std::variant<ScriptRequest, UsageMistake> request() const;

    QCommandLineParser parser;
    QCommandLineOption longitude;
    QCommandLineOption east;
    QCommandLineOption west;
    QCommandLineOption mjd;
    QCommandLineOption date;
    QCommandLineOption mjdOnly;
    QCommandLineOption help;
    QCommandLineOption version;
};

}  // namespace skyanchor
