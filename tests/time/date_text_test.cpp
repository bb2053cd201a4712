#include "test_codecs.hpp"
#include "base/failure.hpp"
#include "time/date_serial.hpp"
#include "time/date_text.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace skyanchor {
namespace {

using namespace std::chrono;

using test::codecOf;
constexpr auto unitedStates = codecOf<test::kUnitedStates>;
constexpr auto germany = codecOf<test::kGermany>;
constexpr auto japan = codecOf<test::kJapan>;
constexpr auto plainC = codecOf<test::kPlainC>;
constexpr auto russia = codecOf<test::kRussia>;
constexpr auto greece = codecOf<test::kGreece>;
constexpr auto egypt = codecOf<test::kEgypt>;
constexpr auto israel = codecOf<test::kIsrael>;
constexpr auto india = codecOf<test::kIndia>;
constexpr auto bangladesh = codecOf<test::kBangladesh>;
constexpr auto korea = codecOf<test::kKorea>;
constexpr auto thailand = codecOf<test::kThailand>;
constexpr auto myanmar = codecOf<test::kMyanmar>;
constexpr auto finland = codecOf<test::kFinland>;
constexpr auto canadaFrench = codecOf<test::kCanadaFrench>;
constexpr auto unitedStatesSpanish = codecOf<test::kUnitedStatesSpanish>;
constexpr auto taiwan = codecOf<test::kTaiwan>;
constexpr auto iran = codecOf<test::kIran>;

// The short date pattern of a codec, to name test cases by their locale's form.
std::string patternOf(const DateTextCodec& (*codec)()) { return codec().locale().shortDatePattern; }

double serialOf(int y, unsigned m, unsigned d, int h = 0, int min = 0, int s = 0) {
    return serialFromCivil({year{y} / month{m} / day{d}, hours{h} + minutes{min} + seconds{s}});
}

struct FormatCase {
    double serial;
    const DateTextCodec& (*codec)();
    const char* text;
};

void PrintTo(const FormatCase& c, std::ostream* out) {
    *out << c.serial << " in " << patternOf(c.codec) << " as \"" << c.text << '"';
}

class FormatDateText : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatDateText, WritesTheLocaleForm) {
    const DateTextCodec& codec = GetParam().codec();
    EXPECT_EQ(formatDateText(GetParam().serial, codec), GetParam().text);
    EXPECT_NEAR(parseDateText(GetParam().text, codec), GetParam().serial, 0.5 / 86400.0) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Serials, FormatDateText,
    testing::Values(FormatCase{36526.5, unitedStates, "1/1/2000 12:00:00 PM"},
                    FormatCase{36526.5, germany, "01.01.2000 12:00:00"},
                    FormatCase{36526.5, japan, "2000/01/01 12時00分00秒"},
                    FormatCase{36526.5, plainC, "2000-01-01 12:00:00"},
                    FormatCase{0, unitedStates, "12:00:00 AM"}, FormatCase{0, germany, "00:00:00"},
                    FormatCase{0.5, unitedStates, "12:00:00 PM"}, FormatCase{0.75, japan, "18時00分00秒"},
                    FormatCase{-15018, unitedStates, "11/17/1858"}, FormatCase{-15018, germany, "17.11.1858"},
                    FormatCase{-1.25, unitedStates, "12/29/1899 6:00:00 AM"},
                    FormatCase{-1.25, germany, "29.12.1899 06:00:00"},
                    FormatCase{-657434.5, unitedStates, "1/1/0100 12:00:00 PM"},
                    FormatCase{2958465.5, plainC, "9999-12-31 12:00:00"},
                    FormatCase{36526.5 + 0.6 / 86400.0, germany, "01.01.2000 12:00:01"},
                    // Day-half markers with points and blanks, and a right-to-left locale's marks.
                    FormatCase{serialOf(2026, 12, 8, 19, 23, 40), unitedStatesSpanish, "8/12/2026 7:23:40 p.\u00A0m."},
                    FormatCase{serialOf(2026, 12, 8, 7, 23, 40), greece, "8/12/2026 7:23:40 π.μ."},
                    FormatCase{serialOf(2026, 12, 8, 19, 23, 40), egypt, "8\u200F/12\u200F/2026 7:23:40 م"},
                    // Pattern words between the numbers of the time.
                    FormatCase{serialOf(2026, 12, 8, 19, 23, 40), canadaFrench, "2026-12-08 19 h 23 min 40 s"},
                    FormatCase{serialOf(2026, 12, 8, 19, 23, 40), korea, "2026. 12. 8. 오후 7시 23분 40초"},
                    FormatCase{serialOf(2026, 12, 8, 19, 23, 40), thailand, "8/12/2026 19 นาฬิกา 23 นาที 40 วินาที"},
                    // Nothing of a left-out zone remains: "(t)" in Persian, "B" and "[t]" in Taiwan.
                    FormatCase{serialOf(2026, 12, 8, 19, 23, 40), iran, "2026/12/8 19:23:40"},
                    FormatCase{serialOf(2026, 12, 8, 19, 23, 40), taiwan, "2026/12/8 19:23:40"},
                    // A Finnish time alone would read as a date ("1.03.24" is 1 March 2024): the
                    // date goes with it.
                    FormatCase{serialOf(1899, 12, 30, 1, 3, 24), finland, "30.12.1899 1.03.24"},
                    FormatCase{0, finland, "30.12.1899"}));

struct ParseCase {
    const char* text;
    const DateTextCodec& (*codec)();
    double serial;
};

void PrintTo(const ParseCase& c, std::ostream* out) {
    *out << '"' << c.text << "\" in " << patternOf(c.codec) << " as " << c.serial;
}

class ParseDateText : public testing::TestWithParam<ParseCase> {};

TEST_P(ParseDateText, ReadsWhatAPersonTypes) {
    EXPECT_NEAR(parseDateText(GetParam().text, GetParam().codec()), GetParam().serial, 1e-9) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseDateText,
    testing::Values(ParseCase{"12/8/2026", unitedStates, serialOf(2026, 12, 8)},
                    ParseCase{"  12 / 8 / 2026  ", unitedStates, serialOf(2026, 12, 8)},
                    ParseCase{"12-28-2026 7:23 pm", unitedStates, serialOf(2026, 12, 28, 19, 23)},
                    ParseCase{"12.28.2026 19:23:40", unitedStates, serialOf(2026, 12, 28, 19, 23, 40)},
                    ParseCase{"Dec 8, 2026", unitedStates, serialOf(2026, 12, 8)},
                    ParseCase{"8 DECEMBER 2026 12:05 AM", unitedStates, serialOf(2026, 12, 8, 0, 5)},
                    ParseCase{"decem 8 2026", unitedStates, serialOf(2026, 12, 8)},
                    ParseCase{"2026-12-08 19:23:40", unitedStates, serialOf(2026, 12, 8, 19, 23, 40)},
                    ParseCase{"12/8/26", unitedStates, serialOf(2026, 12, 8)},
                    ParseCase{"12/8/95", unitedStates, serialOf(1995, 12, 8)},
                    ParseCase{"7:23", unitedStates, serialOf(1899, 12, 30, 7, 23)},
                    ParseCase{"7:23:40 PM", unitedStates, serialOf(1899, 12, 30, 19, 23, 40)},
                    ParseCase{"8.12.2026 19:23", germany, serialOf(2026, 12, 8, 19, 23)},
                    ParseCase{"8. Dezember 2026", germany, serialOf(2026, 12, 8)},
                    ParseCase{"8 MÄRZ 2026", germany, serialOf(2026, 3, 8)},
                    ParseCase{"8. Sept. 2026", germany, serialOf(2026, 9, 8)},
                    ParseCase{"28-12-2026", germany, serialOf(2026, 12, 28)},
                    ParseCase{"2026/12/8 19:23", japan, serialOf(2026, 12, 8, 19, 23)},
                    ParseCase{"2026/12/08 午後7時23分40秒", japan, serialOf(2026, 12, 8, 19, 23, 40)},
                    ParseCase{"1 jan 0100", plainC, serialOf(100, 1, 1)},
                    ParseCase{"1/9/29", unitedStates, serialOf(2029, 1, 9)},
                    ParseCase{"1/9/30", unitedStates, serialOf(1930, 1, 9)},
                    ParseCase{"Wednesday, December 8, 2027", unitedStates, serialOf(2027, 12, 8)},
                    ParseCase{"Mi., 1. Jan. 1930", germany, serialOf(1930, 1, 1)},
                    // Cyrillic: any case, the form used in dates and the standalone one, "г.".
                    ParseCase{"15 Января 2001", russia, serialOf(2001, 1, 15)},
                    ParseCase{"январь 15 2001", russia, serialOf(2001, 1, 15)},
                    ParseCase{"понедельник, 15 января 2001 г. 13:05", russia, serialOf(2001, 1, 15, 13, 5)},
                    // Greek day-half markers in capitals and without their points.
                    ParseCase{"1/9/30 1:05 Μ.Μ.", greece, serialOf(1930, 9, 1, 13, 5)},
                    ParseCase{"1/9/30 1:05 μμ", greece, serialOf(1930, 9, 1, 13, 5)},
                    ParseCase{"Δευτέρα 1 Σεπτεμβρίου 1930", greece, serialOf(1930, 9, 1)},
                    ParseCase{"1 Σεπτέμβριος 1930", greece, serialOf(1930, 9, 1)},
                    // Arabic-Indic, Persian, Devanagari, Bengali and Myanmar digits; direction marks.
                    ParseCase{"١\u200F/٩\u200F/١٩٣٠ ١:٠٥ م", egypt, serialOf(1930, 9, 1, 13, 5)},
                    ParseCase{"الاثنين، ١ سبتمبر ١٩٣٠", egypt, serialOf(1930, 9, 1)},
                    ParseCase{"۱۹۳۰/۹/۱ ۱۳:۰۵", iran, serialOf(1930, 9, 1, 13, 5)},
                    ParseCase{"१/९/३० १:०५ pm", india, serialOf(1930, 9, 1, 13, 5)},
                    ParseCase{"सोमवार, 1 सितंबर 1930", india, serialOf(1930, 9, 1)},
                    ParseCase{"১/৯/৩০ ১:০৫ PM", bangladesh, serialOf(1930, 9, 1, 13, 5)},
                    ParseCase{"၀၁-၀၉-၃၀ ၁၃:၀၅", myanmar, serialOf(1930, 9, 1, 13, 5)},
                    ParseCase{"יום שני, 1 בספטמבר 1930", israel, serialOf(1930, 9, 1)},
                    // Pattern words glued to numbers and names: CJK, Hangul, Thai.
                    ParseCase{"1930年9月1日月曜日", japan, serialOf(1930, 9, 1)},
                    ParseCase{"1930년 9월 1일 월요일", korea, serialOf(1930, 9, 1)},
                    ParseCase{"30. 9. 1. 오후 1:05", korea, serialOf(1930, 9, 1, 13, 5)},
                    ParseCase{"วันจันทร์ที่ 1 กันยายน 1930", thailand, serialOf(1930, 9, 1)},
                    ParseCase{"1930/9/1 B13:05", taiwan, serialOf(1930, 9, 1, 13, 5)},
                    // "septembre" keeps its "s", though "s" is a word of the time pattern.
                    ParseCase{"1 septembre 1930 13 h 05 min 07 s", canadaFrench, serialOf(1930, 9, 1, 13, 5, 7)},
                    ParseCase{"lunes, 1 de septiembre de 1930", unitedStatesSpanish, serialOf(1930, 9, 1)},
                    ParseCase{"1/9/1930 1:05 P. M.", unitedStatesSpanish, serialOf(1930, 9, 1, 13, 5)},
                    ParseCase{"1/9/1930 1:05 p.m.", unitedStatesSpanish, serialOf(1930, 9, 1, 13, 5)},
                    ParseCase{"1.9.1930 13.05", finland, serialOf(1930, 9, 1, 13, 5)},
                    ParseCase{"maanantaina 1. syyskuuta 1930", finland, serialOf(1930, 9, 1)},
                    ParseCase{"1. syyskuu 1930", finland, serialOf(1930, 9, 1)}));

struct MismatchCase {
    const char* text;
    const DateTextCodec& (*codec)();
};

void PrintTo(const MismatchCase& c, std::ostream* out) { *out << '"' << c.text << "\" in " << patternOf(c.codec); }

class ReadDateTextMismatch : public testing::TestWithParam<MismatchCase> {};

// Refused as a value at the keystroke, and thrown by the form that takes a refusal as exceptional.
TEST_P(ReadDateTextMismatch, FailsWithTypeMismatch) {
    const Result<double> reading = readDateText(GetParam().text, GetParam().codec());
    ASSERT_FALSE(reading) << "read \"" << GetParam().text << "\" as a date";
    EXPECT_EQ(reading.failure().number(), 13) << GetParam().text;
    EXPECT_THROW((void)parseDateText(GetParam().text, GetParam().codec()), Failure);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadDateTextMismatch,
    testing::Values(MismatchCase{"", unitedStates}, MismatchCase{"abc", unitedStates},
                    MismatchCase{"2/31/2026", unitedStates}, MismatchCase{"31/2/2026", germany},
                    MismatchCase{"12/8", unitedStates}, MismatchCase{"12/8/2026/5", unitedStates},
                    MismatchCase{"25:00", unitedStates}, MismatchCase{"12:60", germany},
                    MismatchCase{"13:00 PM", unitedStates}, MismatchCase{"PM", unitedStates},
                    MismatchCase{"1/1/0050", unitedStates}, MismatchCase{"1/1/10000", unitedStates},
                    MismatchCase{"Dec 2026", unitedStates}, MismatchCase{"Dec Jan 8 2026", unitedStates},
                    MismatchCase{"12/8/2026 7:23 7:24", unitedStates}, MismatchCase{"1234567890:00", germany},
                    MismatchCase{"ju 8 2026", unitedStates}, MismatchCase{"1/1/2026 Mittag", germany},
                    MismatchCase{"Mittwoch", germany}, MismatchCase{"Wednesday 7:00", unitedStates},
                    MismatchCase{"Monday Tuesday 1/1/2026", unitedStates},
                    MismatchCase{"1. Januar 1930 Januar", germany}, MismatchCase{"15 январе 2001", russia},
                    MismatchCase{"9月", japan}, MismatchCase{"年 月 日", japan},
                    MismatchCase{"1/9/1930 1:05 x. m.", unitedStatesSpanish}));

// Letters inside quoted pattern text are literal: "'a'" is no day-half marker, so "h" stays a
// 24-hour clock.
TEST(DateTextCodecPatterns, QuotedLettersAreText) {
    DateLocale locale = test::kGermany;
    locale.longTimePattern = "h:mm:ss 'a'";
    const DateTextCodec codec(locale);
    EXPECT_EQ(formatDateText(serialOf(2026, 12, 8, 19, 23, 40), codec), "08.12.2026 19:23:40 a");
}

// Every second of one day reads back from its text, on a 12-hour and on a 24-hour clock.
// What reading needs of ICU is gathered at the first read; a codec that has read nothing yet
// still writes the era of a year that could pass for a Buddhist one, and reads after a move.
TEST(DateTextCodecReading, WritesTheEraBeforeItHasReadAndReadsAfterAMove) {
    const double serial = serialOf(2500, 1, 1);
    DateTextCodec fresh(test::kThailand);
    EXPECT_EQ(formatDateText(serial, fresh), "1/1/2500 ค.ศ.");
    const DateTextCodec moved(std::move(fresh));
    EXPECT_EQ(parseDateText("1/1/2500 ค.ศ.", moved), serial);
}

TEST(DateTextRoundTrip, EverySecondOfADay) {
    const double day = serialOf(2026, 12, 8);
    for (const DateTextCodec* codec : {&unitedStates(), &germany(), &japan()}) {
        for (int second = 0; second < 86400; ++second) {
            const double serial = day + second / 86400.0;
            const std::string text = formatDateText(serial, *codec);
            ASSERT_NEAR(parseDateText(text, *codec), serial, 1e-9) << text;
        }
    }
}

}  // namespace
}  // namespace skyanchor

namespace skyanchor {
namespace {

// A day or month beyond its range is no date, however many digits it has: nothing wraps round to
// a valid date (a day of 257 once read as the 1st).
TEST(ParseDateTextRange, ADayOrMonthOutOfRangeIsNoDate) {
    std::vector<long long> values;
    for (long long v = 0; v <= 4100; ++v) values.push_back(v);
    for (long long power = 8192; power < 1'000'000'000; power *= 2) {
        for (const long long near : {power - 1, power, power + 1}) values.push_back(near);
    }
    values.push_back(999'999'999);

    struct Order {
        const DateTextCodec& (*codec)();
        const char* dayForm;    // {} is the day, in January 2000
        const char* monthForm;  // {} is the month, on its 1st, 2000
    };
    const Order orders[] = {{unitedStates, "1/{}/2000", "{}/1/2000"},
                            {germany, "{}.1.2000", "1.{}.2000"},
                            {japan, "2000/1/{}", "2000/{}/1"}};
    const auto fill = [](std::string form, long long value) {
        return form.replace(form.find("{}"), 2, std::to_string(value));
    };
    for (const Order& order : orders) {
        for (const long long v : values) {
            for (const bool isDay : {true, false}) {
                const std::string text = fill(isDay ? order.dayForm : order.monthForm, v);
                const bool valid = v >= 1 && v <= (isDay ? 31 : 12);
                const Result<double> reading = readDateText(text, order.codec());
                if (reading) {
                    const double expected = isDay ? serialOf(2000, 1, static_cast<unsigned>(v))
                                                  : serialOf(2000, static_cast<unsigned>(v), 1);
                    EXPECT_TRUE(valid && *reading == expected) << text << " read as serial " << *reading;
                } else {
                    EXPECT_FALSE(valid) << text;
                    EXPECT_EQ(reading.failure().number(), 13) << text;
                }
            }
        }
    }
}

// Only the days of the range have a text; anything else fails with overflow instead of writing a
// wrapped-round year.
TEST(FormatDateTextRange, FailsWithOverflowOutsideTheDateRange) {
    for (const double serial : {-657435.0, -700000.0, 2958466.0, 1e300, std::numeric_limits<double>::quiet_NaN(),
                                -std::numeric_limits<double>::infinity()}) {
        try {
            const std::string text = formatDateText(serial, unitedStates());
            ADD_FAILURE() << serial << " written as " << text;
        } catch (const Failure& failure) {
            EXPECT_EQ(failure.number(), 6) << serial;
        }
    }
}

}  // namespace
}  // namespace skyanchor
