#include "test_locales.hpp"
#include "text/failure.hpp"
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

// Each locale compiled once for the whole run.
template <const DateLocale& locale>
const DateTextCodec& codecOf() {
    static const DateTextCodec codec(locale);
    return codec;
}
constexpr auto unitedStates = codecOf<test::kUnitedStates>;
constexpr auto germany = codecOf<test::kGermany>;
constexpr auto japan = codecOf<test::kJapan>;
constexpr auto plainC = codecOf<test::kPlainC>;

double serialOf(int y, unsigned m, unsigned d, int h = 0, int min = 0, int s = 0) {
    return serialFromCivil({year{y} / month{m} / day{d}, hours{h} + minutes{min} + seconds{s}});
}

struct FormatCase {
    double serial;
    const DateTextCodec& (*codec)();
    const char* text;
};

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
                    FormatCase{36526.5, plainC, "1 Jan 2000 12:00:00"},
                    FormatCase{0, unitedStates, "12:00:00 AM"}, FormatCase{0, germany, "00:00:00"},
                    FormatCase{0.5, unitedStates, "12:00:00 PM"}, FormatCase{0.75, japan, "18時00分00秒"},
                    FormatCase{-15018, unitedStates, "11/17/1858"}, FormatCase{-15018, germany, "17.11.1858"},
                    FormatCase{-1.25, unitedStates, "12/29/1899 6:00:00 AM"},
                    FormatCase{-1.25, germany, "29.12.1899 06:00:00"},
                    FormatCase{-657434.5, unitedStates, "1/1/0100 12:00:00 PM"},
                    FormatCase{2958465.5, plainC, "31 Dec 9999 12:00:00"},
                    FormatCase{36526.5 + 0.6 / 86400.0, germany, "01.01.2000 12:00:01"}));

struct ParseCase {
    const char* text;
    const DateTextCodec& (*codec)();
    double serial;
};

class ParseDateText : public testing::TestWithParam<ParseCase> {};

TEST_P(ParseDateText, ReadsWhatAPersonTypes) {
    EXPECT_NEAR(parseDateText(GetParam().text, GetParam().codec()), GetParam().serial, 1e-9) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseDateText,
    testing::Values(ParseCase{"12/8/2026", unitedStates, serialOf(2026, 12, 8)},
                    ParseCase{"  12 / 8 / 2026  ", unitedStates, serialOf(2026, 12, 8)},
                    ParseCase{"12-8-2026 7:23 pm", unitedStates, serialOf(2026, 12, 8, 19, 23)},
                    ParseCase{"12.08.2026 19:23:40", unitedStates, serialOf(2026, 12, 8, 19, 23, 40)},
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
                    ParseCase{"08-12-2026", germany, serialOf(2026, 12, 8)},
                    ParseCase{"2026/12/8 19:23", japan, serialOf(2026, 12, 8, 19, 23)},
                    ParseCase{"2026/12/08 午後7時23分40秒", japan, serialOf(2026, 12, 8, 19, 23, 40)},
                    ParseCase{"1 jan 0100", plainC, serialOf(100, 1, 1)}));

struct MismatchCase {
    const char* text;
    const DateTextCodec& (*codec)();
};

class ParseDateTextMismatch : public testing::TestWithParam<MismatchCase> {};

TEST_P(ParseDateTextMismatch, FailsWithTypeMismatch) {
    try {
        (void)parseDateText(GetParam().text, GetParam().codec());
        FAIL() << "read \"" << GetParam().text << "\" as a date";
    } catch (const Failure& failure) {
        EXPECT_EQ(failure.number(), 13) << GetParam().text;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseDateTextMismatch,
    testing::Values(MismatchCase{"", unitedStates}, MismatchCase{"abc", unitedStates},
                    MismatchCase{"2/31/2026", unitedStates}, MismatchCase{"31/2/2026", germany},
                    MismatchCase{"12/8", unitedStates}, MismatchCase{"12/8/2026/5", unitedStates},
                    MismatchCase{"25:00", unitedStates}, MismatchCase{"12:60", germany},
                    MismatchCase{"13:00 PM", unitedStates}, MismatchCase{"PM", unitedStates},
                    MismatchCase{"1/1/0050", unitedStates}, MismatchCase{"1/1/10000", unitedStates},
                    MismatchCase{"Dec 2026", unitedStates}, MismatchCase{"Dec Jan 8 2026", unitedStates},
                    MismatchCase{"12/8/2026 7:23 7:24", unitedStates}, MismatchCase{"1234567890:00", germany},
                    MismatchCase{"ju 8 2026", unitedStates}, MismatchCase{"1/1/2026 Mittag", germany}));

// Letters inside quoted pattern text are literal: "'a'" is no day-half marker, so "h" stays a
// 24-hour clock.
TEST(DateTextCodecPatterns, QuotedLettersAreText) {
    DateLocale locale = test::kGermany;
    locale.longTimePattern = "h:mm:ss 'a'";
    const DateTextCodec codec(locale);
    EXPECT_EQ(formatDateText(serialOf(2026, 12, 8, 19, 23, 40), codec), "08.12.2026 19:23:40 a");
}

// Every second of one day reads back from its text, on a 12-hour and on a 24-hour clock.
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
                try {
                    const double serial = parseDateText(text, order.codec());
                    const double expected = isDay ? serialOf(2000, 1, static_cast<unsigned>(v))
                                                  : serialOf(2000, static_cast<unsigned>(v), 1);
                    EXPECT_TRUE(valid && serial == expected) << text << " read as serial " << serial;
                } catch (const Failure& failure) {
                    EXPECT_FALSE(valid) << text;
                    EXPECT_EQ(failure.number(), 13) << text;
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
