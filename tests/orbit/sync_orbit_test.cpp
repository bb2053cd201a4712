#include "orbit/central_bodies.hpp"
#include "orbit/kepler.hpp"
#include "orbit/sync_orbit.hpp"
#include "text/number_text.hpp"

#include <erfa.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iomanip>
#include <numbers>
#include <ostream>
#include <string>
#include <utility>

namespace skyanchor {
namespace {

const BodyConstants kEarth = startConstants();
constexpr double kOffset = 280.497218184246;

// The element as Compute writes it into its field, with 15 significant digits, or its failure.
std::string written(const Result<double>& element) {
    return element ? formatNumber(*element) : "Error " + std::to_string(element.failure().number());
}

SyncInstant westOf(double mjd, double longitude) { return {.sidRotOffset = kOffset, .mjd = mjd, .longitude = longitude, .west = true}; }

struct MjdCase {
    double mjd;
    double longitude;
    bool west;
    const char* meanAnomaly;
};

void PrintTo(const MjdCase& c, std::ostream* os) {
    *os << "MJD " << std::setprecision(15) << c.mjd << " longitude " << c.longitude << (c.west ? " West" : " East");
}

class SyncElements : public testing::TestWithParam<MjdCase> {};

TEST_P(SyncElements, StandOverTheLongitudeAtTheMjd) {
    const auto& p = GetParam();
    EXPECT_EQ(written(syncSemiMajorAxis(86164.09, 5.973698968E+24, kEarth)), "42162.9266209506");
    EXPECT_EQ(written(syncAscendingNode(0)), "180");
    EXPECT_EQ(written(syncMeanAnomaly({.sidRotOffset = kOffset, .mjd = p.mjd, .longitude = p.longitude, .west = p.west})),
              p.meanAnomaly);
}

INSTANTIATE_TEST_SUITE_P(Instants, SyncElements,
                         testing::Values(MjdCase{51544.5, 122, false, "582.497218184246"},
                                         MjdCase{51544.5, 122, true, "338.497218184246"},
                                         MjdCase{51545.25, 122, true, "249.236455369703"},
                                         MjdCase{51000, 122, false, "585.811021542228"},
                                         MjdCase{60000.75, 0, false, "605.396484215592"},
                                         MjdCase{0, 0, false, "595.682410444089"}));

struct StepCase {
    const char* name;
    Result<double> element;
    const char* written;
};

void PrintTo(const StepCase& c, std::ostream* os) { *os << c.name; }

class SyncSteps : public testing::TestWithParam<StepCase> {};

TEST_P(SyncSteps, GiveTheElementOrTheFailure) { EXPECT_EQ(written(GetParam().element), GetParam().written); }

INSTANTIATE_TEST_SUITE_P(
    Numbers, SyncSteps,
    testing::Values(StepCase{"NoPeriod", syncSemiMajorAxis(0, 5.973698968E+24, kEarth), "0"},
                    StepCase{"NoMass", syncSemiMajorAxis(86164.09, 0, kEarth), "0"},
                    StepCase{"NegativePeriod", syncSemiMajorAxis(-1, 5.973698968E+24, kEarth), "Error 5"},
                    StepCase{"NegativeMass", syncSemiMajorAxis(86164.09, -1, kEarth), "Error 5"},
                    StepCase{"NodeOfTheLan", syncAscendingNode(270), "450"},
                    StepCase{"MjdBeyondTheDoubles", syncMeanAnomaly(westOf(1E+304, 122)), "Error 6"},
                    StepCase{"MjdBelowTheDoubles", syncMeanAnomaly(westOf(-1E+304, 122)), "Error 6"},
                    StepCase{"OffsetAndLongitude", syncMeanAnomaly({1.7E+308, 51544.5, -1.7E+308, true}), "Error 6"},
                    // Too large for a second to tell, from the limits on.
                    StepCase{"MjdAtItsLimit", syncMeanAnomaly(westOf(68719476736, 122)), "Error 6"},
                    StepCase{"LongitudeAtItsLimit", syncMeanAnomaly(westOf(51544.5, -2199023255552)), "Error 6"}),
    [](const testing::TestParamInfo<StepCase>& c) { return std::string(c.param.name); });

// Each limit lies where adjacent doubles part by more than a second (of time, of arc); just below, lines come.
TEST(SyncLimits, LieWhereASecondStopsTelling) {
    for (const auto& [limit, second] : {std::pair{kMjdLimit, 1.0 / 86400.0}, std::pair{kLongitudeLimit, 1.0 / 3600.0}}) {
        const double largest = std::nextafter(limit, 0.0);
        EXPECT_LE(largest - std::nextafter(largest, 0.0), second);
        EXPECT_GT(std::nextafter(limit, INFINITY) - limit, second);
    }
    EXPECT_TRUE(syncMeanAnomaly(westOf(-68719476735.99999, 2199023255551.9997)).ok());
}

constexpr double kDegree = std::numbers::pi / 180.0;
constexpr double kTurn = 2.0 * std::numbers::pi;

// The satellite against ERFA's IAU 2006 Earth rotation model, 1950 to 2050: turned from the
// ecliptic frame of the elements into the equator's (by the obliquity the lines use), it lies in
// the equator at Greenwich mean sidereal time plus its longitude, and turns East at the Earth's rate.
TEST(SyncEndToEnd, StandsOverItsLongitudeByTheIauEarthRotation) {
    const double obliquity = 23.45 * kDegree;
    double lowest = 0.0;
    double highest = 0.0;
    for (double mjd = 33282.0; mjd <= 69807.0; mjd += 9.13147) {  // 1 January 1950 to 2050, at times spread over the day
        for (const auto& [longitude, west] : {std::pair{122.0, true}, {0.0, false}, {75.5, false}, {180.0, true}}) {
            const SyncInstant instant{.sidRotOffset = kOffset, .mjd = mjd, .longitude = longitude, .west = west};
            const StateVector s = generateVectors({syncSemiMajorAxis(86164.09, 5.973698968E+24, kEarth).value(), 0, 23.45, 0,
                                                   syncAscendingNode(0).value(), syncMeanAnomaly(instant).value()},
                                                  kEarth.pi, kEarth.massFactor);
            const double y = std::cos(obliquity) * s.y - std::sin(obliquity) * s.z;
            const double z = std::sin(obliquity) * s.y + std::cos(obliquity) * s.z;
            const double vy = std::cos(obliquity) * s.vy - std::sin(obliquity) * s.vz;
            const double radius = std::hypot(s.x, y);
            ASSERT_LT(std::abs(z), 1e-9 * radius) << mjd << ' ' << longitude;
            const double rate = (s.x * vy - y * s.vx) / (radius * radius);  // rad/s, East positive
            const double turnPerDay = std::remainder(eraEra00(2400000.5, mjd + 1.0) - eraEra00(2400000.5, mjd), kTurn) + kTurn;
            ASSERT_NEAR(rate * 86400.0 / turnPerDay, 1.0, 5e-5) << mjd;
            const double gmst = eraGmst06(2400000.5, mjd, 2400000.5, mjd + 69.0 / 86400.0);  // TT = UT + 69 s
            const double east = longitude * (west ? -1.0 : 1.0) * kDegree;
            const double error = std::remainder(std::atan2(y, s.x) - gmst - east, kTurn) / kDegree;
            lowest = std::min(lowest, error);
            highest = std::max(highest, error);
        }
    }
    // East of the longitude by 0.037 degrees in 2000, drifting 0.0008 degrees a year: from 0.004 West in
    // 1950 to 0.077 East (57 km along the orbit) in 2050. A wrong sign, axis order or offset falls outside.
    EXPECT_GT(lowest, -0.005);
    EXPECT_LT(highest, 0.078);
}

}  // namespace
}  // namespace skyanchor
