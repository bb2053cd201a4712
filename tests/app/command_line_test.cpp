#include "program_run.hpp"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <vector>

namespace skyanchor {
namespace {

using test::runProgram;

const QString kWestLines = QStringLiteral(
    "RPOS-39228377.3392282 -6150164.35880617 14178232.2923016\n"
    "RVEL-1127.02219995875 1138.41372611666 -2624.4329926753\n");
const QString kEastLines = QStringLiteral(
    "RPOS 31087153.2070743 -11334910.5632083 26130845.5517158\n"
    "RVEL-2077.13080399083 -902.154111825446 2079.77377752537\n");

const std::map<QString, QString> kUnitedStates{{QStringLiteral("LC_ALL"), QStringLiteral("en_US.UTF-8")}};
const std::map<QString, QString> kGermany{{QStringLiteral("LC_ALL"), QStringLiteral("de_DE.UTF-8")}};

QStringList argumentsOf(const std::vector<const char*>& arguments) {
    QStringList list;
    for (const char* argument : arguments) list << QString::fromUtf8(argument);
    return list;
}

// A scripting-mode run and what it must give: the output, or one line naming the failure.
struct ScriptCase {
    const char* name;
    std::vector<const char*> arguments;
    std::map<QString, QString> environment;
    int status;
    QString out;
    QString err;
};

void PrintTo(const ScriptCase& script, std::ostream* out) {
    *out << script.name << ": " << argumentsOf(script.arguments).join(u' ').toStdString();
}

class ScriptingMode : public testing::TestWithParam<ScriptCase> {};

TEST_P(ScriptingMode, PrintsTheLinesOrOneFailureLine) {
    const ScriptCase& script = GetParam();
    const test::ProgramRun run = runProgram(argumentsOf(script.arguments), script.environment);
    EXPECT_EQ(run.status, script.status) << testing::PrintToString(run);
    EXPECT_EQ(run.out.toStdString(), script.out.toStdString());
    // A failure is one line that starts with the words expected (a date's example is the present).
    EXPECT_TRUE(run.err.startsWith(script.err)) << run.err.toStdString();
    EXPECT_EQ(run.err.count(u'\n'), script.err.isEmpty() ? 0 : 1) << run.err.toStdString();
    // The marks that isolate a quoted text in the window are no part of a terminal's line.
    EXPECT_FALSE(run.err.contains(QRegularExpression(QStringLiteral("[\u2066-\u2069]")))) << run.err.toStdString();
}

// The window's message for the failure, as the scripting mode writes it.
QString failed(const char* message) { return QStringLiteral("skyanchor-satellite: ") + QString::fromUtf8(message); }

const QString kNoLinesFor1E304 = failed(
    "MJD \u201C1E+304\u201D is too large to tell seconds apart (the limit is \u00B168719476736 days), so neither a "
    "date nor lines can be computed for it. Type an MJD from -642416 to 2973484 (the years 100 to 9999). (Error 6, Overflow)\n");
const QString kLongitudeTooLarge = failed(
    "The lines wait for a longitude that can be read as a number: \u201C1E+400\u201D is too large. (Error 6, "
    "Overflow)\n");
const std::string kLongerThanAField(201, '7');

QString notANumber(const char* option, const char* text, const char* rest) {
    return QStringLiteral("skyanchor-satellite: --%1 \"%2\" is not a number%3\n")
        .arg(QString::fromLatin1(option), QString::fromUtf8(text), QString::fromUtf8(rest));
}

INSTANTIATE_TEST_SUITE_P(
    Options, ScriptingMode,
    testing::Values(
        ScriptCase{"WestByDefault", {"--mjd", "51544.5"}, {}, 0, kWestLines, {}},
        ScriptCase{"West", {"--west", "--mjd", "51544.5"}, {}, 0, kWestLines, {}},
        ScriptCase{"East", {"--east", "--mjd", "51544.5"}, {}, 0, kEastLines, {}},
        ScriptCase{"LongitudeWithBlanks", {"--longitude", "12 2", "--mjd", "51544.5"}, {}, 0, kWestLines, {}},
        ScriptCase{"GermanDecimalCommas", {"--longitude", "12,2E1", "--mjd", "51544,5"}, kGermany, 0, kWestLines, {}},
        ScriptCase{"LongitudeNotANumber", {"--longitude", "abc"}, {}, 1, {}, notANumber("longitude", "abc", "")},
        ScriptCase{"DecimalCommaWhereThePointIsTheRule", {"--longitude", "10,5"}, kUnitedStates, 1, {},
                   notANumber("longitude", "10,5", ": the number \"10\" is followed by \",5\"")},
        ScriptCase{"LongerThanAField", {"--date", kLongerThanAField.c_str()}, {}, 1, {},
                   failed("--date \"7777777777777777777777777777777777777777\u2026\" has 201 characters: a field holds at most 200.\n")},
        ScriptCase{"MjdWithTextAfterIt", {"--mjd", "12x"}, {}, 1, {}, notANumber("mjd", "12x", ": the number \"12\" is followed by \"x\"")},
        ScriptCase{"MjdOnlyWithoutADateIsCopyable", {"--mjd", "30000000", "--mjd-only"}, {}, 0, QStringLiteral("30000000\n"), {}},
        ScriptCase{"MjdOnlyRefusesAnMjdWithoutLines", {"--mjd", "1E+304", "--mjd-only"}, {}, 1, {}, kNoLinesFor1E304},
        ScriptCase{"ValuesAfterEqualsSigns", {"--longitude=122", "--mjd=51544.5"}, {}, 0, kWestLines, {}},
        ScriptCase{"DateInUnitedStatesForm", {"--date", "1/1/2000 12:00:00 PM"}, kUnitedStates, 0, kWestLines, {}},
        ScriptCase{"DateInGermanForm", {"--date", "01.01.2000 12:00:00"}, kGermany, 0, kWestLines, {}},
        ScriptCase{"MjdOnlyKeepsTheTextAsTyped", {"--mjd", "51544.50", "--mjd-only"}, {}, 0, QStringLiteral("51544.50\n"), {}},
        ScriptCase{"MjdOnlyOfAUnitedStatesDate", {"--date", "3/4/2026 18:00", "--mjd-only"}, kUnitedStates, 0,
                   QStringLiteral("61103.75\n"), {}},
        ScriptCase{"MjdOnlyOfAGermanDate", {"--date", "3.4.2026 18:00", "--mjd-only"}, kGermany, 0,
                   QStringLiteral("61133.75\n"), {}},
        ScriptCase{"MjdBeyondTheCalendarStillHasLines", {"--mjd", "3000000"}, {}, 0,
                   QStringLiteral("RPOS-38974765.7073267 6400419.76505866 -14755156.5946858\n"
                                  "RVEL 1172.88168956774 1131.05387637414 -2607.46602184363\n"),
                   {}},
        ScriptCase{"DateThatIsNoDate", {"--date", "nonsense"}, kUnitedStates, 1, {},
                   failed("\u201Cnonsense\u201D is no month, weekday or other date word here: type a date and time such as "
                          "12/28/2026 7:23:40 PM. (Error 13, Type mismatch)\n")},
        ScriptCase{"RightToLeftTextQuotedPlainly", {"--date", "\u05E9\u05DC\u05D5\u05DD"}, kUnitedStates, 1, {},
                   failed("\u201C\u05E9\u05DC\u05D5\u05DD\u201D is no month, weekday or other date word here")},
        ScriptCase{"DateAfterTheYear9999", {"--date", "1/1/10000"}, kUnitedStates, 1, {},
                   failed("No such day (the numbers are read in the order of 12/28/2026; dates run from 1 January 100 to "
                          "31 December 9999)")},
        ScriptCase{"LongitudeBeyondTheDoubleRange", {"--longitude", "1E+400", "--mjd", "51544.5"}, {}, 1, {}, kLongitudeTooLarge},
        ScriptCase{"SecondLongitudeFailsAndNothingIsPrinted",
                   {"--longitude", "0", "--longitude", "1E+400", "--mjd", "51544.5"}, {}, 1, {}, kLongitudeTooLarge},
        ScriptCase{"MjdTooLargeForTheOrbit", {"--mjd", "1E+304"}, {}, 1, {}, kNoLinesFor1E304},
        ScriptCase{"MjdOnlyBeyondTheDoubleRange", {"--mjd", "1E+400", "--mjd-only"}, {}, 1, {},
                   failed("MJD \u201C1E+400\u201D is too large to read as a number. Type an MJD from -642416 to "
                          "2973484 (the years 100 to 9999). (Error 6, Overflow)\n")},
        ScriptCase{"DirectionWithTheLongitude", {"--east", "--longitude", "122W", "--mjd", "51544.5"}, {}, 0, kWestLines, {}},
        ScriptCase{"EachLongitudeItsDirection", {"--longitude", "122 e", "--longitude", "122", "--mjd", "51544.5"}, {}, 0,
                   kEastLines + kWestLines, {}},
        ScriptCase{"RangeEastwardIntoTheWest", {"--longitudes", "122:238:116", "--mjd", "51544.5"}, {}, 0, kEastLines + kWestLines, {}},
        ScriptCase{"RangeWithDecimalCommas", {"--longitudes", "122:122,5:1", "--mjd", "51544,5"}, kGermany, 0, kEastLines, {}},
        ScriptCase{"LongitudeWithAnotherLetter", {"--longitude", "75.5N"}, {}, 1, {},
                   notANumber("longitude", "75.5N", ": the number \"75.5\" is followed by \"N\"")},
        ScriptCase{"RangeWithoutStep", {"--longitudes", "0:350"}, {}, 1, {}, failed("--longitudes \"0:350\" is not start:stop:step")},
        ScriptCase{"RangeAwayFromStop", {"--longitudes", "10:0:5"}, {}, 1, {}, failed("--longitudes \"10:0:5\" is not start:stop:step")},
        ScriptCase{"RangeTooLong", {"--longitudes", "0:1:1E-6"}, {}, 1, {}, failed("--longitudes \"0:1:1E-6\" names more than 100000")},
        ScriptCase{"UnknownFormat", {"--format", "xml"}, {}, 1, {}, failed("--format \"xml\" is not one of lines, csv and json.\n")},
        ScriptCase{"SetFileMissing", {"--set", "/nonexistent/set.txt"}, {}, 1, {},
                   failed("The set file \u201C/nonexistent/set.txt\u201D cannot be read: No such file")},
        ScriptCase{"SetFileWithoutEnd", {"--set", "/dev/zero"}, {}, 1, {},
                   failed("The set file \u201C/dev/zero\u201D cannot be read: it is longer than the 4 MB a set file may hold.\n")}),
    [](const testing::TestParamInfo<ScriptCase>& row) { return std::string(row.param.name); });

struct UsageCase {
    const char* name;
    std::vector<const char*> arguments;
};

void PrintTo(const UsageCase& usage, std::ostream* out) {
    *out << usage.name << ": " << argumentsOf(usage.arguments).join(u' ').toStdString();
}

class UsageMistakes : public testing::TestWithParam<UsageCase> {};

TEST_P(UsageMistakes, PrintTheUsageAndExitWithTwo) {
    const test::ProgramRun run = runProgram(argumentsOf(GetParam().arguments));
    EXPECT_EQ(run.status, 2) << testing::PrintToString(run);
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_TRUE(run.err.startsWith(QStringLiteral("skyanchor-satellite: "))) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(QStringLiteral("\nUsage: "))) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(QStringLiteral("--longitude <degrees>"))) << run.err.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Options, UsageMistakes,
    testing::Values(UsageCase{"EastAndWest", {"--east", "--west"}}, UsageCase{"MjdAndDate", {"--mjd", "1", "--date", "1/1/2000"}},
                    UsageCase{"TwoMjds", {"--mjd", "1", "--mjd", "2"}}, UsageCase{"TwoFormats", {"--format", "csv", "--format", "json"}},
                    UsageCase{"MjdOnlyWithALongitude", {"--mjd-only", "--longitude", "5"}},
                    UsageCase{"MjdOnlyWithEast", {"--mjd-only", "--east"}}, UsageCase{"MjdOnlyWithARange", {"--mjd-only", "--longitudes", "0:90:10"}},
                    UsageCase{"MjdOnlyWithASet", {"--mjd-only", "--set", "ring.txt"}}, UsageCase{"UnknownOption", {"--north"}}, UsageCase{"QtHelpAll", {"--help-all"}},
                    UsageCase{"MissingValue", {"--longitude"}}, UsageCase{"StrayArgument", {"--mjd", "1", "122"}},
                    UsageCase{"QtOptionWithoutItsValue", {"-style"}}, UsageCase{"QtOptionWithScripting", {"--mjd", "1", "-reverse"}}),
    [](const testing::TestParamInfo<UsageCase>& row) { return std::string(row.param.name); });

TEST(CommandLine, SeveralLongitudesGiveTheirLinesInOrder) {
    const test::ProgramRun run = runProgram(argumentsOf({"--longitude", "122", "--longitude", "0", "--longitude", "122",
                                                         "--mjd", "51544.5"}));
    ASSERT_EQ(run.status, 0) << testing::PrintToString(run);
    const QStringList lines = run.out.split(u'\n');
    ASSERT_EQ(lines.size(), 7);  // six lines, each ending with a newline
    EXPECT_EQ(lines.mid(0, 2).join(u'\n') + u'\n', kWestLines);
    EXPECT_EQ(lines.mid(4, 2).join(u'\n') + u'\n', kWestLines);
    EXPECT_NE(lines.at(2), lines.at(0));
    EXPECT_TRUE(lines.at(2).startsWith(QStringLiteral("RPOS")) && lines.at(3).startsWith(QStringLiteral("RVEL")));
    EXPECT_TRUE(lines.at(6).isEmpty());
}

// Without --mjd or --date the instant is the present one, in UT whatever the time zone.
// csv and json give each satellite's record with the lines' numbers in the same digits, and json
// tools read the json.
TEST(CommandLine, RecordsCarryTheLinesNumbers) {
    const QStringList request{QStringLiteral("--longitudes"), QStringLiteral("0:350:10"), QStringLiteral("--longitude"),
                              QStringLiteral("75.5E"), QStringLiteral("--mjd"), QStringLiteral("61000.123456")};
    const test::ProgramRun lines = runProgram(request);
    const test::ProgramRun csv = runProgram(request + QStringList{QStringLiteral("--format"), QStringLiteral("csv")});
    const test::ProgramRun json = runProgram(request + QStringList{QStringLiteral("--format=json")});
    ASSERT_TRUE(lines.status == 0 && csv.status == 0 && json.status == 0) << testing::PrintToString(json);
    const QStringList pairs = lines.out.split(u'\n', Qt::SkipEmptyParts);
    const QStringList rows = csv.out.split(u'\n', Qt::SkipEmptyParts);
    const QStringList objects = json.out.split(u'\n', Qt::SkipEmptyParts).mid(1, rows.size() - 1);
    const QJsonArray records = QJsonDocument::fromJson(json.out.toUtf8()).array();
    ASSERT_EQ(pairs.size(), 2 * 37);
    ASSERT_EQ(rows.size(), 38);
    ASSERT_EQ(records.size(), 37);
    EXPECT_EQ(rows.at(0), QStringLiteral("longitude,direction,mjd,instant,x,z,y,vx,vz,vy"));
    const QStringList names = rows.at(0).split(u',');
    for (qsizetype at = 0; at < records.size(); ++at) {
        const QStringList numbers = (pairs.at(2 * at).mid(4) + u' ' + pairs.at(2 * at + 1).mid(4)).split(u' ', Qt::SkipEmptyParts);
        const QStringList fields = rows.at(at + 1).split(u',');
        ASSERT_EQ(fields.size(), 10) << rows.at(at + 1).toStdString();
        EXPECT_EQ(fields.mid(4), numbers);
        const double instantMjd = static_cast<double>(QDateTime::fromString(fields.at(3), Qt::ISODate).toMSecsSinceEpoch()) / 86400000.0 + 40587.0;
        EXPECT_NEAR(instantMjd, 61000.123456, 0.6 / 86400.0) << fields.at(3).toStdString();
        for (qsizetype field = 0; field < names.size(); ++field) {
            const QJsonValue value = records.at(at).toObject().value(names.at(field));
            EXPECT_EQ(value.isString() ? value.toString() : QString::number(value.toDouble(), 'g', 17),
                      field == 1 || field == 3 ? fields.at(field) : QString::number(fields.at(field).toDouble(), 'g', 17));
            const QString written = u'"' + names.at(field) + QStringLiteral("\": ") + fields.at(field);
            EXPECT_TRUE(field < 4 || objects.at(at).contains(written)) << written.toStdString();
        }
    }
    QTemporaryDir folder;
    QFile file(folder.filePath(QStringLiteral("records.json")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(json.out.toUtf8()) > 0 && file.flush());
    for (const QStringList& tool : {QStringList{QStringLiteral("python3"), QStringLiteral("-m"), QStringLiteral("json.tool")},
                                    QStringList{QStringLiteral("jq"), QStringLiteral("-e"), QStringLiteral("length == 37")}}) {
        const test::ProgramRun run = runProgram(tool.mid(1) + QStringList{file.fileName()}, {}, tool.at(0));
        EXPECT_EQ(run.status, 0) << tool.at(0).toStdString() << ": " << run.err.toStdString();
    }
}

// --set reads the window's set files; a file with a wrong line prints nothing and names the line.
TEST(CommandLine, SetFilesAsTheWindowWritesThem) {
    QTemporaryDir folder;
    const auto setFile = [&folder](const char* name, const char* text) {
        QFile file(folder.filePath(QString::fromLatin1(name)));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(text) > 0);
        return file.fileName();
    };
    const QString good = setFile("good.txt", "# two\n122 E\n\n122 W\n");
    const QString bad = setFile("bad.txt", "122 E\n122\n");
    const QString mjd = QStringLiteral("--mjd=51544.5");
    const test::ProgramRun read = runProgram({QStringLiteral("--set"), good, mjd});
    EXPECT_EQ(read.status, 0) << testing::PrintToString(read);
    EXPECT_EQ(read.out, kEastLines + kWestLines);
    const test::ProgramRun refused = runProgram({QStringLiteral("--longitude=0"), QStringLiteral("--set"), bad, mjd});
    EXPECT_EQ(refused.status, 1);
    EXPECT_TRUE(refused.out.isEmpty());
    EXPECT_TRUE(refused.err.contains(QStringLiteral(" is not opened. Line 2, ")) && refused.err.count(u'\n') == 1) << refused.err.toStdString();
}

TEST(CommandLine, ThePresentInstantInUniversalTime) {
    using namespace std::chrono;
    const auto mjdNow = [] {
        return duration<double, days::period>(system_clock::now().time_since_epoch()).count() + 40587.0;
    };
    // Zones far from UT on both sides: a clock read in local time would be hours off.
    for (const char* zone : {"America/New_York", "Pacific/Kiritimati"}) {
        const double before = mjdNow();
        const test::ProgramRun run = runProgram({QStringLiteral("--mjd-only")}, {{QStringLiteral("TZ"), QString::fromLatin1(zone)}});
        const double after = mjdNow();
        ASSERT_EQ(run.status, 0) << zone << ": " << testing::PrintToString(run);
        const double printed = run.out.trimmed().toDouble();
        constexpr double kTwoSeconds = 2.0 / 86400.0;
        EXPECT_GE(printed, before - kTwoSeconds) << zone << ": " << run.out.toStdString();
        EXPECT_LE(printed, after + kTwoSeconds) << zone << ": " << run.out.toStdString();
        EXPECT_TRUE(run.out.endsWith(u'\n'));
    }
}

TEST(CommandLine, HelpNeedsNoDisplay) {
    for (const char* option : {"--help", "-h"}) {
        const test::ProgramRun run = runProgram({QString::fromLatin1(option)});
        EXPECT_EQ(run.status, 0) << option;
        EXPECT_TRUE(run.out.contains(QStringLiteral("Usage: "))) << run.out.toStdString();
        for (const char* documented : {"--longitude <degrees>", "--east", "--west", "--mjd <number>", "--date <text>",
                                       "--mjd-only", "--version", "\nExamples:\n", "\nExit status:\n  0  ", "\n  2  "}) {
            EXPECT_TRUE(run.out.contains(QString::fromLatin1(documented))) << documented;
        }
        EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
    }
}

// Output that does not arrive (a full disk, a closed stream) fails in one line on standard error.
TEST(CommandLine, LostOutputIsAFailure) {
    for (const char* redirect : {">/dev/full", ">&-"}) {
        const QString script = QStringLiteral("exec \"$0\" --mjd 51544.5 %1").arg(QString::fromLatin1(redirect));
        const test::ProgramRun run = runProgram({QStringLiteral("-c"), script, QStringLiteral(SKYANCHOR_PROGRAM)}, {}, QStringLiteral("/bin/sh"));
        EXPECT_EQ(run.status, 1) << redirect << ' ' << testing::PrintToString(run);
        EXPECT_TRUE(run.err.startsWith(QStringLiteral("skyanchor-satellite: cannot write to standard output: ")) && run.err.count(u'\n') == 1)
            << redirect << ' ' << run.err.toStdString();
    }
}

// A byte that is no UTF-8 is refused, not read as U+FFFD: the shell passes the bytes as given.
TEST(CommandLine, RefusesTextsThatAreNoUtf8) {
    for (const auto& [arguments, said] :
         {std::pair{"--date \"$(printf '12/8/2026\\377 10:00')\"", "--date \"12/8/2026\\xFF 10:00\" is not UTF-8 text: byte 10 (0xFF)"},
          std::pair{"--mjd=\"$(printf '5\\355\\240\\200')\"", "--mjd \"5\\xED\\xA0\\x80\" is not UTF-8 text: byte 2 (0xED)"}}) {
        const QString script = QStringLiteral("exec \"$0\" ") + QString::fromLatin1(arguments);
        const auto run = runProgram({QStringLiteral("-c"), script, QStringLiteral(SKYANCHOR_PROGRAM)}, kUnitedStates, QStringLiteral("/bin/sh"));
        EXPECT_EQ(run.status, 1) << testing::PrintToString(run);
        EXPECT_EQ(run.out.toStdString() + run.err.toStdString(),
                  "skyanchor-satellite: " + std::string(said) + " is no part of a character. Give the text in UTF-8.\n");
    }
}

// Qt's own options open the window with them: it is still running when the test ends it.
TEST(CommandLine, QtOptionsOpenTheWindow) {
    for (const QString& options : {QStringLiteral("-style Fusion -reverse"), QStringLiteral("--style=Fusion -widgetcount"),
                                   QStringLiteral("-qwindowgeometry 300x200+0+0"), QStringLiteral("-platform offscreen")}) {
        QProcess process;
        QProcessEnvironment variables = QProcessEnvironment::systemEnvironment();
        variables.remove(QStringLiteral("DISPLAY"));
        if (!options.startsWith(QStringLiteral("-platform"))) variables.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        process.setProcessEnvironment(variables);
        process.start(QStringLiteral(SKYANCHOR_PROGRAM), options.split(u' '));
        EXPECT_FALSE(process.waitForFinished(1500)) << options.toStdString() << ": " << process.readAllStandardError().toStdString();
        process.kill();
        process.waitForFinished();
    }
}

TEST(CommandLine, VersionNeedsNoDisplay) {
    const test::ProgramRun run = runProgram({QStringLiteral("--version")});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, QStringLiteral("skyanchor-satellite " SKYANCHOR_VERSION "\n"));
}

// A display number with no X server: no socket and no lock file of a running one.
QString unusedDisplay() {
    for (int number = 140; number < 400; ++number) {
        if (!QFile::exists(QStringLiteral("/tmp/.X%1-lock").arg(number)) &&
            !QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(number))) {
            return QStringLiteral(":%1").arg(number);
        }
    }
    return {};
}

TEST(CommandLine, ADisplayThatNoServerAnswersIsNamedInOneLine) {
    const QString display = unusedDisplay();
    ASSERT_FALSE(display.isEmpty());
    // Named by the environment, or by Qt's own -display option.
    for (const bool asOption : {false, true}) {
        const test::ProgramRun run = asOption ? runProgram({QStringLiteral("-display"), display})
                                              : runProgram({}, {{QStringLiteral("DISPLAY"), display}});
        EXPECT_EQ(run.status, 1) << testing::PrintToString(run);
        EXPECT_EQ(run.err, QStringLiteral("skyanchor-satellite: cannot open display %1: no X server answers there\n").arg(display));
    }
}

TEST(CommandLine, NoDisplayAtAllIsSaidInOneLine) {
    const test::ProgramRun run = runProgram({});
    EXPECT_EQ(run.status, 1) << testing::PrintToString(run);
    EXPECT_EQ(run.err.count(u'\n'), 1) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(QStringLiteral("no display found"))) << run.err.toStdString();
}

}  // namespace
}  // namespace skyanchor
