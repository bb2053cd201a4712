#include "time/date_serial.hpp"
#include "time/date_text.hpp"
#include "ui/qt_date_locale.hpp"

#include <QDateTime>
#include <QLocale>

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <iostream>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

namespace skyanchor {
namespace {

#ifdef SKYANCHOR_SANITIZED
constexpr int kDayStride = 1009;   // days between round-trip samples of the whole range
constexpr int kQtDayStride = 365;  // days between samples of Qt's own texts, 1930..2029
#else
constexpr int kDayStride = 101;
constexpr int kQtDayStride = 37;
#endif

constexpr std::array<int, 6> kSecondsOfDay{0, 3804, 43199, 43200, 47107, 86399};  // 00:00:00, 01:03:24, ...

// Every locale Qt knows, each once, script variants included: name() leaves the script out, so
// sr_Latn_RS and sr_Cyrl_RS would be one.
std::vector<QLocale> everyLocale() {
    std::vector<QLocale> locales;
    std::set<std::tuple<QLocale::Language, QLocale::Script, QLocale::Territory>> seen;
    for (const QLocale& locale : QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory)) {
        if (seen.emplace(locale.language(), locale.script(), locale.territory()).second) locales.push_back(locale);
    }
    return locales;
}

// Remains of a left-out field: an empty bracket pair, or punctuation or a blank at the end.
bool hasDebris(const std::string& text) {
    for (const char* remains : {"()", "( )", "[]", "[ ]", "  "}) {
        if (text.find(remains) != std::string::npos) return true;
    }
    for (const char* end : {",", " ", "\xD8\x8C", "(", "["}) {
        if (text.ends_with(end)) return true;
    }
    return text.starts_with(" ");
}

struct LocaleResult {
    int roundTripFailures = 0;
    int debris = 0;
    int shortFailures = 0;
    int shortRefusals = 0;
    int longFailures = 0;
    std::string examples;

    // Counts a failure; the first of each kind is kept as an example.
    template <typename... Parts>
    void note(int& counter, const Parts&... parts) {
        if (counter++ != 0) return;
        std::ostringstream example;
        example << "\n    ";
        (example << ... << parts);
        examples += example.str();
    }
};

double serialOf(const QDate& date, int secondOfDay) {
    const auto civilDate = std::chrono::year{date.year()} / date.month() / date.day();
    return serialFromCivil({civilDate, std::chrono::seconds{secondOfDay}});
}

LocaleResult checkLocale(const QLocale& locale) {
    const DateTextCodec codec(dateLocaleOf(locale));
    LocaleResult result;
    const auto roundTrip = [&](double serial) {
        const std::string text = formatDateText(serial, codec);
        const Result<double> back = readDateText(text, codec);
        if (!back || std::abs(*back - serial) > 0.5 / 86400.0) {
            result.note(result.roundTripFailures, "writes ", serial, " as \"", text, "\", reads ",
                        back ? std::to_string(*back) : "no date");
        }
        if (hasDebris(text)) result.note(result.debris, "debris in \"", text, '"');
    };
    std::size_t sample = 0;
    for (int day = -657434; day <= 2958465; day += kDayStride) {
        const double fraction = kSecondsOfDay[sample++ % kSecondsOfDay.size()] / 86400.0;
        roundTrip(day < 0 ? day - fraction : day + fraction);
    }
    for (const int second : kSecondsOfDay) roundTrip(second / 86400.0);  // the time alone

    const QDate first(1930, 1, 1);
    for (QDate date = first; date.year() < 2030; date = date.addDays(kQtDayStride)) {
        const int second = kSecondsOfDay[sample++ % kSecondsOfDay.size()] / 60 * 60;  // short texts have no seconds
        const QTime time = QTime(0, 0).addSecs(second);
        const std::string shortText = locale.toString(QDateTime(date, time), QLocale::ShortFormat).toStdString();
        // Refused only with a reason (a Thai two-digit year may be a Buddhist one), never misread.
        const Result<double> shortRead = readDateText(shortText, codec);
        if (!shortRead) {
            result.note(result.shortRefusals, "short \"", shortText, "\" refused: ", shortRead.failure().reason());
        } else if (*shortRead != serialOf(date, second)) {
            result.note(result.shortFailures, "short \"", shortText, '"');
        }
        const std::string longText = locale.toString(date, QLocale::LongFormat).toStdString();
        const Result<double> longRead = readDateText(longText, codec);
        if (!longRead || *longRead != serialOf(date, 0)) result.note(result.longFailures, "long \"", longText, '"');
    }
    return result;
}

// The date text of every locale Qt knows: what the window writes reads back to the second and
// leaves nothing dangling, and Qt's own short and long texts read as the date they name.
TEST(EveryLocale, WritesWhatItReadsAndReadsWhatQtWrites) {
    int locales = 0;
    int roundTripping = 0;
    int textsWithDebris = 0;
    int shortReading = 0;
    int shortRefusing = 0;
    int longReading = 0;
    std::string longFailures;
    for (const QLocale& locale : everyLocale()) {
        const LocaleResult result = checkLocale(locale);
        ++locales;
        roundTripping += result.roundTripFailures == 0;
        textsWithDebris += result.debris;
        shortReading += result.shortFailures == 0;
        shortRefusing += result.shortRefusals != 0;
        longReading += result.longFailures == 0;
        if (result.longFailures != 0) longFailures.append(" ").append(locale.bcp47Name().toStdString());
        if (!result.examples.empty()) std::cout << locale.bcp47Name().toStdString() << ':' << result.examples << '\n';
    }
    std::cout << locales << " locales: " << roundTripping << " round-trip fully, " << textsWithDebris
              << " texts with debris, " << shortReading << " misread none of their short texts (" << shortRefusing
              << " refuse some), " << longReading
              << " all their long texts\nlong texts not read in:" << longFailures << '\n';
    EXPECT_GT(locales, 500);
    EXPECT_EQ(roundTripping, locales);
    EXPECT_EQ(textsWithDebris, 0);
    EXPECT_EQ(shortReading, locales);
    EXPECT_LE(shortRefusing * 100, locales);
    EXPECT_GE(longReading * 100, locales * 95);
}

}  // namespace
}  // namespace skyanchor
