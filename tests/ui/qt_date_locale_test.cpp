#include "time/date_serial.hpp"
#include "time/date_text.hpp"
#include "ui/qt_date_locale.hpp"

#include <gtest/gtest.h>

namespace skyanchor {
namespace {

struct LocaleCase {
    const char* name;
    double serial;
    const char* text;
};

void PrintTo(const LocaleCase& c, std::ostream* out) { *out << c.name << ' ' << c.serial << " as \"" << c.text << '"'; }

class QtDateLocale : public testing::TestWithParam<LocaleCase> {};

TEST_P(QtDateLocale, WritesAndReadsTheLocaleForm) {
    const DateTextCodec codec(dateLocaleOf(QLocale(QString::fromLatin1(GetParam().name))));
    EXPECT_EQ(formatDateText(GetParam().serial, codec), GetParam().text);
    EXPECT_NEAR(parseDateText(GetParam().text, codec), GetParam().serial, 1e-9);
}

constexpr double kMorning = 46364.30810185185;   // 8 December 2026, 07:23:40
constexpr double kEvening = 46364.80810185185;   // 8 December 2026, 19:23:40

INSTANTIATE_TEST_SUITE_P(
    Locales, QtDateLocale,
    testing::Values(LocaleCase{"C", kMorning, "2026-12-08 07:23:40"},
                    LocaleCase{"en_US", kEvening, "12/8/2026 7:23:40 PM"},
                    LocaleCase{"en_GB", kEvening, "08/12/2026 19:23:40"},
                    LocaleCase{"de_DE", kMorning, "08.12.2026 07:23:40"},
                    LocaleCase{"fr_FR", kEvening, "08/12/2026 19:23:40"},
                    LocaleCase{"ja_JP", kEvening, "2026/12/08 19時23分40秒"},
                    LocaleCase{"ko_KR", kEvening, "2026. 12. 8. 오후 7시 23분 40초"},
                    LocaleCase{"zh_CN", kMorning, "2026/12/8 07:23:40"},
                    LocaleCase{"en_US", 0.0, "12:00:00 AM"}, LocaleCase{"de_DE", -1.25, "29.12.1899 06:00:00"},
                    LocaleCase{"en_CA", kEvening, "2026-12-08 7:23:40 p.m."},
                    LocaleCase{"ca_ES", kEvening, "8/12/2026 19:23:40"},
                    LocaleCase{"sq_AL", kMorning, "8.12.2026 7:23:40 e paradites"},
                    LocaleCase{"fi_FI", 0.75, "30.12.1899 18.00.00"},
                    LocaleCase{"fr_CH", 0.75, "30.12.1899 18.00:00 h"},
                    LocaleCase{"nds_DE", 0.75, "30.12.1899 Klock 18.00:00"},
                    LocaleCase{"ar_EG", kEvening, "8\u200F/12\u200F/2026 7:23:40 م"}));

// The names for reading come from Qt in both their forms: Russian dates say "января", a
// calendar heading says "январь".
TEST(DateLocaleOf, FillsTheNamesForReading) {
    const DateLocale russian = dateLocaleOf(QLocale(QStringLiteral("ru_RU")));
    EXPECT_EQ(russian.monthNames[0], "января");
    EXPECT_EQ(russian.standaloneMonthNames[0], "январь");
    EXPECT_EQ(russian.dayNames[0], "понедельник");
    EXPECT_EQ(russian.longDatePattern, "dddd, d MMMM yyyy 'г'.");
    EXPECT_EQ(russian.shortTimePattern, "HH:mm");
    const DateTextCodec codec(russian);
    EXPECT_EQ(parseDateText("Понедельник, 15 Январь 2001 г.", codec), 36906.0);
}

#ifdef SKYANCHOR_SANITIZED
constexpr int kDayStride = 37;  // every 37th day: the sanitizers make each day slow
#else
constexpr int kDayStride = 1;
#endif

// Every day of the date range, in locales that order day, month and year differently.
TEST(QtDateLocaleRoundTrip, EveryDayFromYear100To9999) {
    for (const char* name : {"en_US", "de_DE", "ja_JP", "C"}) {
        const DateTextCodec codec(dateLocaleOf(QLocale(QString::fromLatin1(name))));
        long long days = 0;
        for (double serial = -657434; serial <= 2958465; serial += kDayStride) {
            const std::string text = formatDateText(serial, codec);
            ASSERT_EQ(parseDateText(text, codec), serial) << name << ": " << text;
            ++days;
        }
        EXPECT_EQ(days, (3615900 + kDayStride - 1) / kDayStride);
    }
}

// Every second of one day, on a 12-hour and on 24-hour clocks.
TEST(QtDateLocaleRoundTrip, EverySecondOfADay) {
    for (const char* name : {"en_US", "en_GB", "ja_JP", "ko_KR"}) {
        const DateTextCodec codec(dateLocaleOf(QLocale(QString::fromLatin1(name))));
        for (int second = 0; second < 86400; ++second) {
            const double serial = 46364.0 + second / 86400.0;
            const std::string text = formatDateText(serial, codec);
            ASSERT_NEAR(parseDateText(text, codec), serial, 1e-9) << name << ": " << text;
        }
    }
}

}  // namespace
}  // namespace skyanchor
