#include "base/failure.hpp"
#include "time/date_serial.hpp"

#include <gtest/gtest.h>

#include <iomanip>
#include <limits>
#include <ostream>

namespace skyanchor {
namespace {

using namespace std::chrono;

CivilDateTime civil(int y, unsigned m, unsigned d, int h = 0, int min = 0, int s = 0) {
    return CivilDateTime{year{y} / month{m} / day{d}, hours{h} + minutes{min} + seconds{s}};
}

// "2000-01-01 43200 s": the day and the second of the day.
void printCivil(const CivilDateTime& c, std::ostream* out) {
    *out << static_cast<int>(c.date.year()) << '-' << static_cast<unsigned>(c.date.month()) << '-'
         << static_cast<unsigned>(c.date.day()) << ' ' << c.timeOfDay.count() << " s";
}

struct MjdCase {
    double mjd;
    double serial;
    CivilDateTime civil;
};

void PrintTo(const MjdCase& c, std::ostream* out) {
    *out << std::setprecision(17) << "MJD " << c.mjd << " serial " << c.serial << ' ';
    printCivil(c.civil, out);
}

class MjdToCivil : public testing::TestWithParam<MjdCase> {};

TEST_P(MjdToCivil, ConvertsBothWays) {
    const auto& [m, serial, expected] = GetParam();
    EXPECT_EQ(dateFromMjd(m), serial);
    EXPECT_EQ(civilFromSerial(serial), expected);
    EXPECT_EQ(serialFromCivil(expected), serial);
    EXPECT_EQ(mjd(serial), m);
}

INSTANTIATE_TEST_SUITE_P(Instants, MjdToCivil,
                         testing::Values(MjdCase{51544.5, 36526.5, civil(2000, 1, 1, 12)},
                                         MjdCase{15018, 0, civil(1899, 12, 30)},
                                         MjdCase{15018.5, 0.5, civil(1899, 12, 30, 12)},
                                         MjdCase{0, -15018, civil(1858, 11, 17)},
                                         MjdCase{15017.25, -1.25, civil(1899, 12, 29, 6)},
                                         MjdCase{15017.5, -1.5, civil(1899, 12, 29, 12)},
                                         MjdCase{15016.75, -2.75, civil(1899, 12, 28, 18)},
                                         MjdCase{0.25, -15018.25, civil(1858, 11, 17, 6)},
                                         MjdCase{2973483.5, 2958465.5, civil(9999, 12, 31, 12)},
                                         MjdCase{-642415.5, -657434.5, civil(100, 1, 1, 12)},
                                         MjdCase{-642416, -657434, civil(100, 1, 1)}));

// The MJD counts days from 17 November 1858, 00:00 to the instant the date names, before 1900 as
// after it: checked against the calendar itself at every hundredth day and four times of day.
TEST(Mjd, IsTheDaysFromItsEpochToTheInstantNamed) {
    using namespace std::chrono;
    constexpr sys_days kMjdEpoch{year{1858} / 11 / 17};
    for (long long day = -657434; day <= 2958465; day += 97) {
        const year_month_day date{kSerialEpoch + days{day}};
        for (const int hour : {0, 6, 12, 21}) {
            const CivilDateTime instant{date, hours{hour} + minutes{30}};
            const double expected = static_cast<double>((sys_days{date} - kMjdEpoch).count()) + (hour + 0.5) / 24.0;
            const double serial = serialFromCivil(instant);
            ASSERT_NEAR(mjd(serial), expected, 1e-9) << static_cast<int>(date.year()) << " day " << day << " hour " << hour;
            ASSERT_EQ(civilFromSerial(dateFromMjd(expected)), instant) << "MJD " << expected;
        }
    }
}

void expectOverflow(double (*operation)(double), double value) {
    try {
        (void)operation(value);
        ADD_FAILURE() << value << " gave a value";
    } catch (const Failure& failure) {
        EXPECT_EQ(failure.number(), 6) << value;
    }
}

TEST(Mjd, FailsWithOverflowOutsideTheDateRange) {
    for (const double m : {2973484.0, -642416.5, -642417.0, 1e300, std::numeric_limits<double>::quiet_NaN()}) {
        expectOverflow(dateFromMjd, m);
    }
    for (const double serial : {-657435.0, 2958466.0, 1e300, -std::numeric_limits<double>::infinity(),
                                std::numeric_limits<double>::quiet_NaN()}) {
        expectOverflow(mjd, serial);
    }
}

// Every day of the range has its MJD, the last days of 9958 to 9999 included.
TEST(Mjd, CoversEveryDayOfTheRange) {
    EXPECT_NEAR(mjd(serialFromCivil(civil(9958, 11, 18, 23, 59, 59))), 2958465.999988426, 1e-9);
    EXPECT_EQ(mjd(serialFromCivil(civil(9958, 11, 19))), 2958466.0);
    EXPECT_EQ(mjd(serialFromCivil(civil(9960, 1, 1))), serialFromCivil(civil(9960, 1, 1)) + 15018);
    EXPECT_NEAR(mjd(serialFromCivil(civil(9999, 12, 31, 23, 59, 59))), 2973483.999988426, 1e-9);
    EXPECT_EQ(mjd(serialFromCivil(civil(100, 1, 1))), kFirstMjd);
    EXPECT_EQ(kFirstMjd, -642416.0);
    EXPECT_EQ(kMjdUpperBound, 2973484.0);
    for (double serial = 2943448.0; serial <= 2958465.0; serial += 1.0) {
        ASSERT_EQ(dateFromMjd(mjd(serial + 0.75)), serial + 0.75) << serial;
    }
}

// Outside the range, or not finite, a serial names no day: no integer is ever overflowed.
TEST(CivilFromSerial, FailsWithOverflowOutsideTheDateRange) {
    const auto civilOf = [](double serial) { return static_cast<double>(civilFromSerial(serial).timeOfDay.count()); };
    for (const double serial : {-657435.0, -700000.0, 2958466.0, 1e19, -1e300, std::numeric_limits<double>::infinity(),
                                std::numeric_limits<double>::quiet_NaN()}) {
        expectOverflow(+civilOf, serial);
    }
}

struct RoundingCase {
    double serial;
    CivilDateTime civil;
};

void PrintTo(const RoundingCase& c, std::ostream* out) {
    *out << std::setprecision(17) << "serial " << c.serial << ' ';
    printCivil(c.civil, out);
}

class SerialRounding : public testing::TestWithParam<RoundingCase> {};

TEST_P(SerialRounding, RoundsTheTimeToTheNearestSecond) {
    EXPECT_EQ(civilFromSerial(GetParam().serial), GetParam().civil);
}

constexpr double kSecond = 1.0 / 86400.0;

INSTANTIATE_TEST_SUITE_P(
    Serials, SerialRounding,
    testing::Values(RoundingCase{0.5 + 0.4 * kSecond, civil(1899, 12, 30, 12)},
                    RoundingCase{0.5 + 0.6 * kSecond, civil(1899, 12, 30, 12, 0, 1)},
                    RoundingCase{1.0 - 0.2 * kSecond, civil(1899, 12, 31)},
                    RoundingCase{-1.0 - 0.9999999999, civil(1899, 12, 30)},
                    RoundingCase{-0.5, civil(1899, 12, 30, 12)},
                    RoundingCase{2958465.0 + 1.0 - 0.1 * kSecond, civil(9999, 12, 31, 23, 59, 59)}));

}  // namespace
}  // namespace skyanchor
