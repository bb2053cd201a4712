#include "app/command_line.hpp"

#include "form/field_defaults.hpp"
#include "ui/qt_text.hpp"
#include "words/command_line.hpp"
#include "words/satellite_set.hpp"
#include "form/form1_model.hpp"
#include "base/utf8_text.hpp"
#include "ui/set_panel.hpp"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <map>
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

QString numberMistake(const QString& option, const QString& text, NumberConventions typed) {
    const std::string compact = withoutBlanks(text.toStdString());
    const std::size_t length = leadingNumberLength(compact, typed);
    const std::string_view read(compact);
    return toQString(words::notANumber(option.toStdString(), text.toStdString(), read.substr(0, length),
                                       length == 0 ? std::string_view{} : read.substr(length)));
}

// More satellites than a range may name, so that a mistyped step cannot fill a disk.
constexpr std::size_t kRangeLimit = 100000;

ScriptSatellite scriptSatellite(const Satellite& satellite) {
    return {.longitude = formatNumber(satellite.longitude), .west = satellite.west};
}

// The satellites of a set file, or why it is not taken.
std::variant<std::vector<ScriptSatellite>, TextMistake> setFileSatellites(const QString& path) {
    const Result<std::vector<Satellite>> read = readSetFileAt(path);
    if (!read) return TextMistake{toQString(read.failure().reason())};
    if (read->empty()) return TextMistake{toQString(words::setFileInFile(path.toStdString(), words::kEmptySetFile))};
    std::vector<ScriptSatellite> satellites;
    for (const Satellite& satellite : *read) satellites.push_back(scriptSatellite(satellite));
    return satellites;
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
      longitude(QStringLiteral("longitude"), toQString(words::longitudeOptionHelp(field_defaults::kLongitude)),
                QStringLiteral("degrees")),
      east(QStringLiteral("east"), toQString(words::kEastOptionHelp)),
      west(QStringLiteral("west"), toQString(words::kWestOptionHelp)),
      mjd(QStringLiteral("mjd"), toQString(words::kMjdOptionHelp), QStringLiteral("number")),
      date(QStringLiteral("date"), toQString(words::kDateOptionHelp), QStringLiteral("text")),
      mjdOnly(QStringLiteral("mjd-only"), toQString(words::kMjdOnlyOptionHelp)),
      longitudes(QStringLiteral("longitudes"), toQString(words::kLongitudesOptionHelp), QStringLiteral("start:stop:step")),
      set(QStringLiteral("set"), toQString(words::kSetOptionHelp), QStringLiteral("file")),
      format(QStringLiteral("format"), toQString(words::kFormatOptionHelp), QStringLiteral("lines|csv|json")),
      // Qt's own help option also offers --help-all for Qt's options, which these options replace.
      help(QStringList{QStringLiteral("h"), QStringLiteral("help")}, toQString(words::kHelpOptionHelp)),
      version(parser.addVersionOption()) {
    parser.setApplicationDescription(toQString(words::kProgramDescription));
    longitude.setDescription(longitude.description() + u' ' + toQString(words::kLongitudeDirectionHelp));
    parser.addOptions({help, longitude, longitudes, set, east, west, mjd, date, mjdOnly, format});
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

QString CommandLine::usage() const { return parser.helpText() + toQString(words::kUsageFooter); }

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
    return toQString(words::notUtf8(named.toStdString(), withBytesShown(text), bad + 1, hexOf(text[bad]).toStdString()));
}

// The first text the window's fields would not take as given: longer than a field holds (which a
// field would cut), or for a number option not a number as a whole.
std::optional<TextMistake> CommandLine::textMistake() const {
    for (const QCommandLineOption* option : {&longitude, &mjd, &date}) {
        for (const QString& text : parser.values(*option)) {
            const std::string bytes = text.toStdString();
            const QString name = option->names().constFirst();
            if (const std::size_t length = characterCount(bytes); length > kFieldTextLimit) {
                return TextMistake{toQString(words::tooLongForAField(name.toStdString(), bytes, length, kFieldTextLimit))};
            }
            if (option == &longitude && withDirection(text)) continue;
            if (option != &date && !isReadWhole(bytes, typed)) return TextMistake{numberMistake(name, text, typed)};
        }
    }
    return std::nullopt;
}

CommandLineReading CommandLine::request() const {
    if (!parser.positionalArguments().isEmpty()) {
        const QString stray = parser.positionalArguments().constFirst();
        return UsageMistake{toQString(words::unexpectedArgument(stray.toStdString()))};
    }
    if (parser.isSet(east) && parser.isSet(west)) return UsageMistake{toQString(words::kEastAndWest)};
    if (parser.isSet(mjd) && parser.isSet(date)) return UsageMistake{toQString(words::kMjdAndDate)};
    for (const QCommandLineOption* once : {&mjd, &date, &format}) {
        if (parser.values(*once).size() > 1) {
            return UsageMistake{toQString(words::giveOnce(once->names().constFirst().toStdString()))};
        }
    }
    if (parser.isSet(mjdOnly) && (parser.isSet(longitude) || parser.isSet(longitudes) || parser.isSet(set) ||
                                  parser.isSet(east) || parser.isSet(west))) {
        return UsageMistake{toQString(words::kMjdOnlyTakesNoLongitude)};
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
    auto satellites = this->satellites();
    if (auto* mistake = std::get_if<TextMistake>(&satellites)) return *std::move(mistake);
    request.satellites = std::get<std::vector<ScriptSatellite>>(std::move(satellites));
    if (request.satellites.empty()) request.satellites.push_back({.longitude = std::string(field_defaults::kLongitude), .west = {}});
    request.west = !parser.isSet(east);
    request.mjdOnly = parser.isSet(mjdOnly);
    const auto recordFormat = formatOf();
    if (const auto* mistake = std::get_if<TextMistake>(&recordFormat)) return *mistake;
    request.format = std::get<RecordFormat>(recordFormat);
    return request;
}

std::variant<RecordFormat, TextMistake> CommandLine::formatOf() const {
    if (!parser.isSet(format)) return RecordFormat::Lines;
    const std::optional<RecordFormat> named = recordFormatNamed(parser.value(format).toStdString());
    if (!named) return TextMistake{toQString(words::unknownFormat(parser.value(format).toStdString()))};
    return *named;
}

// The satellites in the order their options came: each --longitude, each --longitudes range,
// each --set file.
std::variant<std::vector<ScriptSatellite>, TextMistake> CommandLine::satellites() const {
    std::vector<ScriptSatellite> satellites;
    std::map<QString, qsizetype> used;
    for (const QString& name : parser.optionNames()) {
        const QCommandLineOption* option = name == longitude.names().constFirst() ? &longitude
                                         : name == longitudes.names().constFirst() ? &longitudes
                                         : name == set.names().constFirst()        ? &set
                                                                                   : nullptr;
        if (option == nullptr) continue;
        const QString value = parser.values(*option).at(used[name]++);
        if (option == &longitude) {
            satellites.push_back(withDirection(value).value_or(ScriptSatellite{.longitude = value.toStdString(), .west = {}}));
            continue;
        }
        auto given = option == &longitudes ? rangeOf(value) : setFileSatellites(value);
        if (auto* mistake = std::get_if<TextMistake>(&given)) return *std::move(mistake);
        for (ScriptSatellite& satellite : std::get<std::vector<ScriptSatellite>>(given)) satellites.push_back(std::move(satellite));
    }
    return satellites;
}

// "75.5E", "122 w": a longitude followed by its direction. A text that is a number as a whole
// ("1E5") stays one, without a direction.
std::optional<ScriptSatellite> CommandLine::withDirection(const QString& longitudeText) const {
    const QString text = longitudeText.trimmed();
    if (text.isEmpty() || isReadWhole(text.toStdString(), typed)) return std::nullopt;
    const QChar letter = text.back().toUpper();
    const std::string number = text.chopped(1).toStdString();
    if ((letter != u'E' && letter != u'W') || !isReadWhole(number, typed)) return std::nullopt;
    return ScriptSatellite{.longitude = number, .west = letter == u'W'};
}

// "0:350:10": from start to stop (included) every step degrees, eastward past 180 into the West.
std::variant<std::vector<ScriptSatellite>, TextMistake> CommandLine::rangeOf(const QString& range) const {
    const QStringList parts = range.split(u':');
    const TextMistake notARange{toQString(words::notARange(range.toStdString()))};
    if (parts.size() != 3) return notARange;
    std::array<double, 3> numbers{};
    for (std::size_t at = 0; at < numbers.size(); ++at) {
        const std::string part = parts.at(static_cast<qsizetype>(at)).toStdString();
        const Result<double> number = parseLeadingNumber(part, typed);
        if (!isReadWhole(part, typed) || !number) return notARange;
        numbers.at(at) = *number;
    }
    const auto [start, stop, step] = numbers;
    const std::optional<std::size_t> count = rangeCount(start, stop, step);
    if (!count) return notARange;
    if (*count > kRangeLimit) return TextMistake{toQString(words::tooManySatellites(range.toStdString(), kRangeLimit))};
    std::vector<ScriptSatellite> satellites;
    for (const Satellite& satellite : ring(satelliteEastOf(start), *count, step)) satellites.push_back(scriptSatellite(satellite));
    return satellites;
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
