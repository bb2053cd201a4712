#include "text/failure.hpp"
#include "time/date_serial.hpp"

#include <gtest/gtest.h>

namespace skyanchor {
namespace {

using namespace std::chrono;

CivilDateTime civil(int y, unsigned m, unsigned d, int h = 0, int min = 0, int s = 0) {
    return CivilDateTime{year{y} / month{m} / day{d}, hours{h} + minutes{min} + seconds{s}};
}

struct MjdCase {
    double mjd;
    double serial;
    CivilDateTime civil;
};

class MjdToCivil : public testing::TestWithParam<MjdCase> {};

TEST_P(MjdToCivil, ConvertsBothWays) {
    const auto& [m, serial, expected] = GetParam();
    EXPECT_EQ(dateFromMjd(m), serial);
    EXPECT_EQ(civilFromSerial(serial), expected);
    EXPECT_EQ(serialFromCivil(expected), serial);
    if (serial < 2943448) {  // later serials have an MJD beyond the date range
        EXPECT_EQ(mjd(serial), m);
    }
}

INSTANTIATE_TEST_SUITE_P(Instants, MjdToCivil,
                         testing::Values(MjdCase{51544.5, 36526.5, civil(2000, 1, 1, 12)},
                                         MjdCase{15018, 0, civil(1899, 12, 30)},
                                         MjdCase{15018.5, 0.5, civil(1899, 12, 30, 12)},
                                         MjdCase{0, -15018, civil(1858, 11, 17)},
                                         MjdCase{15016.75, -1.25, civil(1899, 12, 29, 6)},
                                         MjdCase{2973483.5, 2958465.5, civil(9999, 12, 31, 12)},
                                         MjdCase{-642416.5, -657434.5, civil(100, 1, 1, 12)}));

TEST(Mjd, FailsWithOverflowOutsideTheDateRange) {
    for (const double m : {2973484.0, -642417.0, 1e300}) {
        EXPECT_THROW((void)dateFromMjd(m), Failure) << m;
    }
    const double lastGood = serialFromCivil(civil(9958, 11, 18, 23, 59, 59));
    EXPECT_NEAR(mjd(lastGood), 2958465.999988426, 1e-9);
    try {
        (void)mjd(serialFromCivil(civil(9958, 11, 19)));
        FAIL() << "19 November 9958 has no MJD";
    } catch (const Failure& failure) {
        EXPECT_EQ(failure.number(), 6);
    }
}

struct RoundingCase {
    double serial;
    CivilDateTime civil;
};

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
