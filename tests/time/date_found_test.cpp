#include "test_codecs.hpp"
#include "time/date_serial.hpp"
#include "time/date_text.hpp"

#include <gtest/gtest.h>

#include <unicode/calendar.h>
#include <unicode/smpdtfmt.h>

#include <memory>
#include <string>

namespace skyanchor {
namespace {

using namespace std::chrono;

constexpr auto codecOf = test::icuCodecOf;

constexpr double kRefused = -1e9;

double serialOf(int y, unsigned m, unsigned d, int h = 0, int min = 0, int s = 0) {
    return serialFromCivil({year{y} / month{m} / day{d}, hours{h} + minutes{min} + seconds{s}});
}

struct FoundCase {
    const char* locale;
    const char* text;
    double serial;  // kRefused: no date, with a reason
};

void PrintTo(const FoundCase& c, std::ostream* out) { *out << c.locale << " \"" << c.text << '"'; }

class DateTextAsFound : public testing::TestWithParam<FoundCase> {};

// Each text read as the instant a person of the locale means, or refused with a reason.
TEST_P(DateTextAsFound, ReadsRightOrRefuses) {
    const Result<double> reading = readDateText(GetParam().text, codecOf(GetParam().locale));
    if (GetParam().serial == kRefused) {
        ASSERT_FALSE(reading) << "read as serial " << *reading;
        EXPECT_EQ(reading.failure().kind(), FailureNumber::TypeMismatch);
        EXPECT_FALSE(reading.failure().reason().empty());
    } else {
        ASSERT_TRUE(reading) << reading.failure().reason();
        EXPECT_NEAR(*reading, GetParam().serial, 1e-9);
    }
}

const double kDec8 = serialOf(2026, 12, 8);
const double kDec8Evening = serialOf(2026, 12, 8, 19, 23);
const double kDec8Morning = serialOf(2026, 12, 8, 7, 23, 40);

INSTANTIATE_TEST_SUITE_P(
    Found, DateTextAsFound,
    testing::Values(
        // Years of the locale's calendars, without an era: both readings, never a guess.
        FoundCase{"th_TH", "8/12/2569", kRefused}, FoundCase{"fa_IR", "۱۴۰۵/۹/۱۷", kRefused},
        FoundCase{"ar_SA", "٢٨/٦/١٤٤٨", kRefused}, FoundCase{"zh_TW", "115/12/08", kRefused},
        FoundCase{"th_TH", "8/12/69", kRefused}, FoundCase{"th_TH", "8/12/2026", kDec8},
        // With the era, in its calendar.
        FoundCase{"th_TH", "8 ธันวาคม พ.ศ. 2569", kDec8}, FoundCase{"ar_SA", "٢٨/٦/١٤٤٨ هـ", kDec8},
        FoundCase{"zh_TW", "民國115/12/08", kDec8}, FoundCase{"ja_JP", "令和8年12月8日", kDec8},
        FoundCase{"en_US", "12/8/2026 AD", kDec8}, FoundCase{"en_US", "12/8/2026 BC", kRefused},
        // A month of another calendar says the calendar.
        FoundCase{"fa_IR", "۱۷ آذر ۱۴۰۵", kDec8}, FoundCase{"ar_SA", "٢٨ جمادى الآخرة ١٤٤٨ هـ", kDec8},
        // Day-half words only beside a time, and never a word of the locale's patterns.
        FoundCase{"de_DE", "am 8.12.2026 12:30", serialOf(2026, 12, 8, 12, 30)},
        FoundCase{"cy_GB", "19 Chwefror 1962 am 12:22:10", serialOf(1962, 2, 19, 12, 22, 10)},
        FoundCase{"en_US", "pm 12/8/2026 7:23", kRefused},
        // A colon or comma after a date part; signs.
        FoundCase{"ne_NP", "2026 डिसेम्बर 8: 7:23:10", serialOf(2026, 12, 8, 7, 23, 10)},
        FoundCase{"en_US", "-0500-01-01", kRefused}, FoundCase{"en_US", "1/1/-100", kRefused},
        FoundCase{"en_US", "12/8/2026 \u22127:23", kRefused},
        // Qt's order against the everyday one; weekdays; the C/POSIX locale.
        FoundCase{"en_CA/Qt", "12/8/26", kRefused}, FoundCase{"en_CA/Qt", "12/8/2026", kDec8},
        FoundCase{"en_CA/Qt", "2026-12-08", kDec8}, FoundCase{"en_US", "Monday 12/8/2026", kRefused},
        FoundCase{"en_US", "Tuesday 12/8/2026", kDec8}, FoundCase{"C", "12/8/2026", kRefused},
        FoundCase{"C", "13/8/2026", serialOf(2026, 8, 13)}, FoundCase{"C", "2026-12-08 07:23:40", kDec8Morning},
        // Joining words of the long styles.
        FoundCase{"en_US", "December 8, 2026 at 7:23 PM", kDec8Evening},
        FoundCase{"fr_FR", "8 décembre 2026 à 19:23", kDec8Evening},
        FoundCase{"de_DE", "8. Dezember 2026 um 19:23", kDec8Evening},
        FoundCase{"ru_RU", "8 декабря 2026 г. в 19:23", kDec8Evening},
        FoundCase{"fi_FI", "8.12.2026 klo 19.23", kDec8Evening},
        FoundCase{"nl_NL", "8 december 2026 om 19:23", kDec8Evening},
        FoundCase{"pt_BR", "8 de dezembro de 2026 às 19:23", kDec8Evening},
        // ISO 8601, UT and mail dates.
        FoundCase{"en_US", "2026-12-08T07:23:40Z", kDec8Morning},
        FoundCase{"de_DE", "2026-12-08 07:23:40 UTC", kDec8Morning},
        FoundCase{"en_US", "2026-12-08 07:23:40 UT", kDec8Morning},
        FoundCase{"fr_FR", "2026-12-08T08:23:40+01:00", kDec8Morning},
        FoundCase{"en_US", "2026-12-08T02:23:40-0500", kDec8Morning},
        FoundCase{"de_DE", "Tue, 08 Dec 2026 07:23:40 GMT", kDec8Morning},
        FoundCase{"en_US", "12/8/2026 07:23:40.5", kDec8Morning + 0.5 / 86400.0},
        // Times in words and the locales' own forms.
        FoundCase{"en_US", "12/8/2026 7pm", serialOf(2026, 12, 8, 19)},
        FoundCase{"en_US", "12/8/2026 7 pm", serialOf(2026, 12, 8, 19)},
        FoundCase{"en_US", "12/8/2026 noon", serialOf(2026, 12, 8, 12)},
        FoundCase{"en_US", "12/8/2026 midnight", kDec8}, FoundCase{"en_US", "12/8/2026 7:23 a.m.", serialOf(2026, 12, 8, 7, 23)},
        FoundCase{"fr_FR", "8/12/2026 19h23", kDec8Evening}, FoundCase{"fr_FR", "8/12/2026 19 h 23", kDec8Evening},
        FoundCase{"de_DE", "8.12.2026 19:23 Uhr", kDec8Evening}, FoundCase{"de_DE", "8.12.2026 19 Uhr", serialOf(2026, 12, 8, 19)},
        FoundCase{"zh_CN", "2026年12月8日 下午7点23分", kDec8Evening}, FoundCase{"zh_TW", "2026/12/8 晚上7:23", kDec8Evening},
        FoundCase{"th_TH", "8/12/2026 19.23 น.", kDec8Evening}, FoundCase{"ru_RU", "8 декабря 2026 года", kDec8},
        // Letter case, accents, standalone weekdays, English ordinals.
        FoundCase{"tr_TR", "8 ARALIK 2026", kDec8}, FoundCase{"tr_TR", "8 EKİM 2026", serialOf(2026, 10, 8)},
        FoundCase{"fr_FR", "8 decembre 2026", kDec8},
        FoundCase{"fi_FI", "perjantai 31. lokakuuta 2008", serialOf(2008, 10, 31)},
        FoundCase{"en_US", "8th December 2026", kDec8}, FoundCase{"en_US", "December 8th, 2026", kDec8},
        // Japanese eras from the day each began (each era's first and last day below), "元年" for
        // the first year; a day outside its era.
        FoundCase{"ja_JP", "大正5年1月1日", serialOf(1916, 1, 1)},
        FoundCase{"ja_JP", "昭和20年8月15日", serialOf(1945, 8, 15)}, FoundCase{"ja_JP", "明治元年9月8日", serialOf(1868, 9, 8)},
        FoundCase{"ja_JP", "明治45年8月1日", kRefused}, FoundCase{"ja_JP", "慶応4年", kRefused},
        // Two digits of another calendar's year around its present; with an era, a shortened year.
        FoundCase{"ar_SA", "28 جمادى الآخرة 48", kDec8}, FoundCase{"ar_SA", "28/6/48 هـ", kRefused},
        FoundCase{"fa_IR", "17/9/05 ه‍.ش.", kRefused}, FoundCase{"en_US", "12/8/26 AD", kRefused},
        // A month of one calendar with a year of the other's present.
        FoundCase{"fa_IR", "۱۷ آذر 2026", kRefused}, FoundCase{"ar_SA", "28 جمادى الآخرة 2026", kRefused},
        // Fractions rounded, rolling over at midnight on either side of 1899, or past the last day.
        FoundCase{"en_US", "12/31/9999 23:59:59.99999", kRefused},
        FoundCase{"en_US", "1000-06-15T23:59:59.999999Z", serialOf(1000, 6, 16)},
        FoundCase{"en_US", "1600-02-29T23:59:59.9999999Z", serialOf(1600, 3, 1)},
        FoundCase{"en_US", "12/8/2026 23:59:59.9999999", serialOf(2026, 12, 9)},
        // Offsets after a date alone are its midnight in that zone; one rule after a time.
        FoundCase{"en_US", "2026-12-08+01:00", serialOf(2026, 12, 7, 23)},
        FoundCase{"en_US", "12/8/2026 UTC+05:30", serialOf(2026, 12, 7, 18, 30)},
        FoundCase{"en_US", "12/8/2026 -05:00", serialOf(2026, 12, 8, 5)},
        FoundCase{"en_US", "12/8/2026 GMT+1", serialOf(2026, 12, 7, 23)},
        FoundCase{"en_US", "12/8/2026 10:00 GMT+1", serialOf(2026, 12, 8, 9)},
        // Bytes that are no UTF-8.
        FoundCase{"en_US", "12/8/2026\xFF 10:00", kRefused}));

struct FormCase {
    const char* locale;
    const char* text;
    double serial;       // kRefused: no date
    const char* reason;  // a part of the refusal's sentence
};

void PrintTo(const FormCase& c, std::ostream* out) { *out << c.locale << " \"" << c.text << '"'; }

class DateFormsAsFound : public testing::TestWithParam<FormCase> {};

TEST_P(DateFormsAsFound, ReadsRightOrSaysWhy) {
    const Result<double> reading = readDateText(GetParam().text, codecOf(GetParam().locale));
    if (GetParam().serial == kRefused) {
        ASSERT_FALSE(reading) << "read as serial " << *reading;
        EXPECT_NE(reading.failure().reason().find(GetParam().reason), std::string::npos) << reading.failure().reason();
    } else {
        ASSERT_TRUE(reading) << reading.failure().reason();
        EXPECT_NEAR(*reading, GetParam().serial, 1e-9);
    }
}

const double kDec28 = serialOf(2026, 12, 28);
const double kMar4 = serialOf(2026, 3, 4);
const double kDec9 = serialOf(2026, 12, 9);

INSTANTIATE_TEST_SUITE_P(
    Forms, DateFormsAsFound,
    testing::Values(
        // Numbers parted otherwise than the locale parts them: both orders, unless one names no day.
        FormCase{"en_US", "04.03.2026", kRefused, "it could be 4 March 2026 or 3 April 2026"},
        FormCase{"de_DE", "3/4/2026", kRefused, "it could be 4 March 2026 or 3 April 2026"},
        FormCase{"en_US", "28.12.2026", kDec28, ""}, FormCase{"de_DE", "12/28/2026", kDec28, ""},
        FormCase{"en_US", "05.05.2026", serialOf(2026, 5, 5), ""}, FormCase{"de_DE", "4.3.2026", kMar4, ""},
        FormCase{"en_US", "3/4/2026", kMar4, ""},
        // Days of the year and of ISO weeks; 2024 has 366 days, 2026 53 weeks, 2027 52.
        FormCase{"en_US", "2026-063", kMar4, ""}, FormCase{"en_US", "2026-063T18:00:00Z", serialOf(2026, 3, 4, 18), ""},
        FormCase{"de_DE", "2026-063T18:00:00.125Z", serialOf(2026, 3, 4, 18) + 0.125 / 86400, ""},
        FormCase{"en_US", "2024-366", serialOf(2024, 12, 31), ""},
        FormCase{"en_US", "2026-366", kRefused, "2026 has days 1 to 365"},
        FormCase{"en_US", "2026-000", kRefused, "2026 has days 1 to 365"},
        FormCase{"en_US", "2024-367", kRefused, "2024 has days 1 to 366"},
        FormCase{"en_US", "2026-W50-3", kDec9, ""}, FormCase{"en_US", "2026W503", kDec9, ""},
        FormCase{"en_US", "2026-W50-3T18:00Z", serialOf(2026, 12, 9, 18), ""},
        FormCase{"en_US", "2026-W53-1", kDec28, ""}, FormCase{"en_US", "2027-W53-1", kRefused, "2027 has weeks 1 to 52"},
        FormCase{"en_US", "2026-W00-1", kRefused, "2026 has weeks 1 to 53"},
        FormCase{"en_US", "2026-W50-8", kRefused, "No such day of a week"},
        FormCase{"en_US", "2026-W50", kRefused, "A week date needs the day"},
        FormCase{"en_US", "Thursday 2026-W50-3", kRefused, "is a Wednesday"},
        // Zones the locale abbreviates, at their offsets; capitals it does not know.
        FormCase{"en_US", "12/8/2026 6:00 p.m. EST", serialOf(2026, 12, 8, 23), ""},
        FormCase{"en_US", "12/8/2026 6:00 PM PDT", serialOf(2026, 12, 9, 1), ""},
        FormCase{"en_GB", "8/12/2026 18:00 BST", serialOf(2026, 12, 8, 17), ""},
        FormCase{"de_DE", "8.12.2026 18:00 MESZ", serialOf(2026, 12, 8, 16), ""},
        FormCase{"en_US", "12/8/2026 18:00 MESZ", kRefused, "\u201C\u2068MESZ\u2069\u201D is no time-zone abbreviation"},
        FormCase{"en_US", "12/8/2026 18:00 EST UTC", kRefused, "\u201C\u2068UTC\u2069\u201D is out of place"},
        // German joining words, yet "AM" after a time is its day-half; English "am" stays a day-half word.
        FormCase{"de_DE", "8.12.2026 um 12:30", serialOf(2026, 12, 8, 12, 30), ""},
        FormCase{"de_DE", "am 8.12.2026 12:30 AM", serialOf(2026, 12, 8, 0, 30), ""},
        FormCase{"en_US", "12/8/2026 12:30 am", serialOf(2026, 12, 8, 0, 30), ""},
        // Refusals quote as typed and give an example whose day is above 12, isolated.
        FormCase{"en_US", "Pm 12/8/2026 7:23", kRefused, "\u201C\u2068Pm\u2069\u201D stands away from a time"},
        FormCase{"en_US", "2/31/2026", kRefused, "the order of \u206812/28/2026\u2069;"},
        FormCase{"en_GB", "31/2/2026", kRefused, "the order of \u206828/12/2026\u2069;"},
        FormCase{"ar_EG", "31/2/2026", kRefused, "the order of \u206828\u200F/12\u200F/2026\u2069;"}));

// Every Japanese era from Meiji on, its first and last day found by walking ICU's calendar day
// by day, written by ICU with the era and read back to the same day.
TEST(JapaneseEras, FirstAndLastDayOfEachReadBack) {
    UErrorCode status = U_ZERO_ERROR;
    const icu::Locale japanese("ja_JP@calendar=japanese");
    std::unique_ptr<icu::Calendar> calendar(icu::Calendar::createInstance(icu::TimeZone::getGMT()->clone(), japanese, status));
    icu::SimpleDateFormat format(icu::UnicodeString::fromUTF8("GGGGy年M月d日"), japanese, status);
    format.adoptCalendar(calendar->clone());
    format.setTimeZone(*icu::TimeZone::getGMT());
    ASSERT_TRUE(U_SUCCESS(status));
    const auto eraOn = [&](sys_days day) {
        calendar->setTime(static_cast<double>(day.time_since_epoch().count()) * 86400000.0, status);
        return calendar->get(UCAL_ERA, status);
    };
    std::vector<sys_days> bounds;  // each era's first day and last day
    const sys_days last = sys_days{year{2026} / 12 / 31};
    for (sys_days day = sys_days{year{1868} / 9 / 1}; day <= last; day += days{1}) {
        if (day == last || eraOn(day) != eraOn(day + days{1})) bounds.insert(bounds.end(), {day, day + days{1}});
    }
    bounds.pop_back();
    ASSERT_EQ(bounds.size(), 11u);  // the last day of Keiō, then Meiji, Taishō, Shōwa, Heisei and Reiwa
    for (auto day = bounds.begin() + 1; day != bounds.end(); ++day) {
        icu::UnicodeString written;
        format.format(static_cast<double>(day->time_since_epoch().count()) * 86400000.0, written);
        std::string text;
        written.toUTF8String(text);
        const Result<double> reading = readDateText(text, codecOf("ja_JP"));
        ASSERT_TRUE(reading) << text << ": " << reading.failure().reason();
        EXPECT_EQ(*reading, serialFromCivil({year_month_day{*day}, seconds{0}})) << text;
    }
}

}  // namespace
}  // namespace skyanchor
