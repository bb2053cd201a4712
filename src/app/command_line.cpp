#include "app/command_line.hpp"

#include "form/field_defaults.hpp"

namespace skyanchor {

CommandLine::CommandLine()
    : longitude(QStringLiteral("longitude"),
                QStringLiteral("Longitude in degrees, read as the window reads it (default %1). Repeat it for "
                               "several satellites: two lines each, in order.")
                    .arg(QString::fromUtf8(field_defaults::kLongitude.data(),
                                           static_cast<qsizetype>(field_defaults::kLongitude.size()))),
                QStringLiteral("degrees")),
      east(QStringLiteral("east"), QStringLiteral("The longitude is East.")),
      west(QStringLiteral("west"), QStringLiteral("The longitude is West (the default, as in the window).")),
      mjd(QStringLiteral("mjd"), QStringLiteral("The instant as a Modified Julian Date, read as the MJD field reads it."),
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
                       "Without options it opens the window; with any of the options below it prints the lines\n"
                       "to standard output instead and opens no window."));
    parser.addOptions({help, longitude, east, west, mjd, date, mjdOnly});
}

std::variant<ScriptRequest, UsageMistake> CommandLine::read(const QStringList& arguments) {
    if (!parser.parse(arguments)) return UsageMistake{parser.errorText()};
    if (parser.isSet(help)) parser.showHelp(0);
    if (parser.isSet(version)) parser.showVersion();
    return request();
}

std::variant<ScriptRequest, UsageMistake> CommandLine::request() const {
    if (!parser.positionalArguments().isEmpty()) {
        return UsageMistake{QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().constFirst())};
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

}  // namespace skyanchor
