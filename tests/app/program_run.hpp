#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <map>
#include <ostream>

namespace skyanchor::test {

// One run of the real program: its exit status and what it wrote.
struct ProgramRun {
    int status = -1;
    QString out;
    QString err;
};

// Runs the built program with the arguments, without any display, Qt platform or locale from the
// test's own environment unless `environment` names them. Gives up after five seconds. Another
// program (a shell that starts it) can stand in its place.
inline ProgramRun runProgram(const QStringList& arguments, const std::map<QString, QString>& environment = {},
                             const QString& program = QStringLiteral(SKYANCHOR_PROGRAM)) {
    QProcessEnvironment variables = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LC_ALL", "LC_TIME", "LANG", "LANGUAGE"}) {
        variables.remove(QString::fromLatin1(name));
    }
    for (const auto& [name, value] : environment) variables.insert(name, value);
    QProcess process;
    process.setProcessEnvironment(variables);
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(5000)) << "still running: " << arguments.join(u' ').toStdString();
    ProgramRun run;
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

inline void PrintTo(const ProgramRun& run, std::ostream* out) {
    *out << "status " << run.status << ", stdout \"" << run.out.toStdString() << "\", stderr \"" << run.err.toStdString()
         << '"';
}

}  // namespace skyanchor::test
