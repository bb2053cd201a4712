#include "app/command_line.hpp"

#include "form/field_defaults.hpp"
#include "form/form1_model.hpp"
#include "base/utf8_text.hpp"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

namespace skyanchor {
namespace {

using namespace std::string_view_literals;

// Qt's own options, as QApplication and QGuiApplication take them; "-icon", "-title" and
// "-geometry" are the X platform's names for the -qwindow... ones.
constexpr std::array kToolkitFlags{"reverse"sv, "widgetcount"sv};
constexpr std::array kToolkitValueOptions{
    "style"sv, "stylesheet"sv, "platform"sv, "platformpluginpath"sv, "platformtheme"sv, "plugin"sv, "qwindowgeometry"sv,
    "qwindowicon"sv, "qwindowtitle"sv, "session"sv, "display"sv, "geometry"sv, "title"sv, "icon"sv};
// These take their value after "=" ("-qmljsdebugger=port:3768"), some of them as well as apart.
constexpr std::array kToolkitJoinedOptions{"qmljsdebugger"sv, "dialogs"sv, "fontengine"sv, "style"sv, "stylesheet"sv, "session"sv};

template <std::size_t N>
bool among(const std::array<std::string_view, N>& names, const std::string& name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

// What a message quotes of a typed text: its start, so that a long one does not fill the terminal.
QString quotedPart(std::string_view text) { return QString::fromStdString(excerpt(text)); }
QString quotedPart(const QString& text) { return quotedPart(text.toStdString()); }

// "--mjd \"12x\" is not a number: the number \"12\" is followed by \"x\"".
QString numberMistake(const QString& option, const QString& text, NumberConventions typed) {
    const QString said = QStringLiteral("--%1 \"%2\" is not a number").arg(option, quotedPart(text));
    const std::string compact = withoutBlanks(text.toStdString());
    const std::size_t length = leadingNumberLength(compact, typed);
    if (length == 0) return said;
    return said + QStringLiteral(": the number \"%1\" is followed by \"%2\"")
                      .arg(quotedPart(std::string_view(compact).substr(0, length)),
                           quotedPart(std::string_view(compact).substr(length)));
}

// "FF"
QString hexOf(char byte) { return QStringLiteral("%1").arg(static_cast<unsigned char>(byte), 2, 16, QLatin1Char('0')).toUpper(); }

// The text with each byte that is no UTF-8 written as \xFF, so that the message can show it.
std::string withBytesShown(std::string_view text) {
    std::string shown;
    while (!text.empty()) {
        const std::size_t valid = validUtf8Length(text);
        shown.append(text.substr(0, valid));
        if (valid == text.size()) break;
        shown += "\\x" + hexOf(text[valid]).toStdString();
        text.remove_prefix(valid + 1);
    }
    return shown;
}

}  // namespace

CommandLine::CommandLine(NumberConventions typedNumbers)
    : typed(typedNumbers),
      longitude(QStringLiteral("longitude"),
                QStringLiteral("Longitude in degrees, read as the window reads it, where the locale's decimal comma "
                               "may stand for the point (default %1). Repeat it for several satellites: two lines "
                               "each, in order.")
                    .arg(QString::fromUtf8(field_defaults::kLongitude.data(),
                                           static_cast<qsizetype>(field_defaults::kLongitude.size()))),
                QStringLiteral("degrees")),
      east(QStringLiteral("east"), QStringLiteral("The longitude is East.")),
      west(QStringLiteral("west"), QStringLiteral("The longitude is West (the default, as in the window).")),
      mjd(QStringLiteral("mjd"), QStringLiteral("The instant as a Modified Julian Date, read as the MJD field reads it (a decimal comma as the longitude's)."),
          QStringLiteral("number")),
      date(QStringLiteral("date"),
           QStringLiteral("The instant as a date and time (UT) in your locale's form, read as the date field reads "
                          "it. Without --mjd or --date: the present instant."),
           QStringLiteral("text")),
      mjdOnly(QStringLiteral("mjd-only"),
              QStringLiteral("Print only the MJD text the window's MJD field would hold (what \"Copy MJD to "
                             "clipboard\" copies), no lines.")),
      // Qt's own help option also offers --help-all for Qt's options, which these options replace.
      help(QStringList{QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Displays help on commandline options.")),
      version(parser.addVersionOption()) {
    parser.setApplicationDescription(
        QStringLiteral("Writes the RPOS and RVEL lines of a satellite in a stationary orbit over a longitude.\n"
                       "Without options, or with only Qt's own (-style Fusion, -reverse, -platform name, ...), it\n"
                       "opens the window; with any of the options below it prints the lines to standard output\n"
                       "instead and opens no window."));
    parser.addOptions({help, longitude, east, west, mjd, date, mjdOnly});
    // "-style" without its value is then one unknown option, not five unknown letters.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
}

// Printed rather than shown by the parser, which would end the program without telling whether the
// text reached standard output.
CommandLineReading CommandLine::read(const std::vector<std::string>& arguments) {
    // Qt would read a byte that is no UTF-8 as U+FFFD, a text other than the one given.
    QStringList decoded;
    for (std::size_t at = 0; at < arguments.size(); ++at) {
        if (at > 0 && validUtf8Length(arguments[at]) < arguments[at].size()) return TextMistake{notUtf8(arguments, at)};
        decoded << QString::fromStdString(arguments[at]);
    }
    if (!parser.parse(decoded)) return UsageMistake{parser.errorText()};
    if (parser.isSet(help)) return Printout{usage()};
    if (parser.isSet(version)) {
        return Printout{QCoreApplication::applicationName() + u' ' + QCoreApplication::applicationVersion() + u'\n'};
    }
    return request();
}

QString CommandLine::usage() const {
    return parser.helpText() + QStringLiteral(
        "\nExamples:\n"
        "  skyanchor-satellite --longitude 122 --mjd 51544.5\n"
        "      The lines for 122 degrees West at noon UT on 1 January 2000.\n"
        "  skyanchor-satellite --east --longitude 0 --longitude 60 --date \"3/4/2026 6:00 PM\"\n"
        "      Satellites at 0 and 60 degrees East, at a date in the United States' form.\n"
        "\nExit status:\n"
        "  0  The lines (or the MJD, or this help) were printed.\n"
        "  1  The inputs leave no lines, an option's text is not taken (a number option not a number as\n"
        "     a whole, more than 200 characters, bytes that are no UTF-8), or standard output cannot be\n"
        "     written; one line on standard error says why.\n"
        "  2  A usage mistake; the usage follows on standard error.\n");
}

// "--date \"12/8/2026\\xFF 10:00\" is not UTF-8 text: byte 10 (0xFF) is no part of a character. ..."
QString CommandLine::notUtf8(const std::vector<std::string>& arguments, std::size_t at) const {
    std::string_view text = arguments[at];
    QString named = QStringLiteral("Argument");
    for (const QCommandLineOption* option : {&longitude, &mjd, &date}) {
        const std::string name = option->names().constFirst().toStdString();
        for (const std::string& spelled : {"--" + name, "-" + name}) {
            if (arguments[at - 1] == spelled) named = QString::fromStdString(spelled);
            if (text.starts_with(spelled + '=')) {
                named = QString::fromStdString(spelled);
                text.remove_prefix(spelled.size() + 1);
            }
        }
    }
    const std::size_t bad = validUtf8Length(text);
    return QStringLiteral("%1 \"%2\" is not UTF-8 text: byte %3 (0x%4) is no part of a character. Give the text in UTF-8.")
        .arg(named, quotedPart(withBytesShown(text)))
        .arg(bad + 1)
        .arg(hexOf(text[bad]));
}

// The first text the window's fields would not take as given: longer than a field holds (which a
// field would cut), or for a number option not a number as a whole.
std::optional<TextMistake> CommandLine::textMistake() const {
    for (const QCommandLineOption* option : {&longitude, &mjd, &date}) {
        for (const QString& text : parser.values(*option)) {
            const std::string bytes = text.toStdString();
            const QString name = option->names().constFirst();
            if (const std::size_t length = characterCount(bytes); length > kFieldTextLimit) {
                return TextMistake{QStringLiteral("--%1 \"%2\" has %3 characters: a field holds at most %4.")
                                       .arg(name, quotedPart(bytes))
                                       .arg(length)
                                       .arg(kFieldTextLimit)};
            }
            if (option != &date && !isReadWhole(bytes, typed)) return TextMistake{numberMistake(name, text, typed)};
        }
    }
    return std::nullopt;
}

CommandLineReading CommandLine::request() const {
    if (!parser.positionalArguments().isEmpty()) {
        const QString stray = parser.positionalArguments().constFirst();
        return UsageMistake{QStringLiteral("Unexpected argument '%1'.").arg(quotedPart(stray))};
    }
    if (parser.isSet(east) && parser.isSet(west)) return UsageMistake{QStringLiteral("Give --east or --west, not both.")};
    if (parser.isSet(mjd) && parser.isSet(date)) return UsageMistake{QStringLiteral("Give --mjd or --date, not both.")};
    for (const QCommandLineOption* once : {&mjd, &date}) {
        if (parser.values(*once).size() > 1) {
            return UsageMistake{QStringLiteral("Give --%1 once.").arg(once->names().constFirst())};
        }
    }
    if (parser.isSet(mjdOnly) && (parser.isSet(longitude) || parser.isSet(east) || parser.isSet(west))) {
        return UsageMistake{QStringLiteral("--mjd-only prints no lines: it takes no --longitude, --east or --west.")};
    }

    if (auto mistake = textMistake()) return *std::move(mistake);

    ScriptRequest request;
    if (parser.isSet(mjd)) {
        request.instant = ScriptRequest::Instant::Mjd;
        request.instantText = parser.value(mjd).toStdString();
    } else if (parser.isSet(date)) {
        request.instant = ScriptRequest::Instant::Date;
        request.instantText = parser.value(date).toStdString();
    }
    for (const QString& text : parser.values(longitude)) request.longitudes.push_back(text.toStdString());
    if (request.longitudes.empty()) request.longitudes.emplace_back(field_defaults::kLongitude);
    request.west = !parser.isSet(east);
    request.mjdOnly = parser.isSet(mjdOnly);
    return request;
}

std::optional<WindowOptions> windowOptionsOf(const QStringList& arguments) {
    WindowOptions options;
    for (qsizetype at = 1; at < arguments.size(); ++at) {
        // Qt takes "--style" for "-style".
        const QString& argument = arguments.at(at);
        const qsizetype dashes = argument.startsWith(QStringLiteral("--")) ? 2 : argument.startsWith(u'-') ? 1 : 0;
        if (dashes == 0) return std::nullopt;
        const QString option = argument.mid(dashes);
        const qsizetype equals = option.indexOf(u'=');
        const std::string name = option.left(equals).toStdString();
        if (equals >= 0) {
            if (!among(kToolkitJoinedOptions, name)) return std::nullopt;
        } else if (among(kToolkitValueOptions, name)) {
            if (++at == arguments.size()) return std::nullopt;
            if (name == "platform") options.platform = arguments.at(at).toStdString();
            if (name == "display") options.display = arguments.at(at).toStdString();
        } else if (!among(kToolkitFlags, name)) {
            return std::nullopt;
        }
    }
    return options;
}

}  // namespace skyanchor
