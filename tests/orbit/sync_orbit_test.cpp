#include "orbit/central_bodies.hpp"
#include "orbit/generate.hpp"
#include "orbit/kepler.hpp"
#include "orbit/sync_orbit.hpp"
#include "base/failure.hpp"
#include "text/number_text.hpp"

#include <erfa.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>
#include <ostream>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace skyanchor {
namespace {

// Records the element texts in the order they are written.
struct Written {
    std::vector<std::pair<SyncElement, std::string>> writes;
    std::string text(SyncElement element) const {
        for (const auto& [which, text] : writes)
            if (which == element) return text;
        return "(not written)";
    }
};

SyncInputs defaultBody(std::string_view mjd, std::string_view longitude, bool west) {
    return SyncInputs{.rotationalPeriod = "86164.09",
                      .mass = "5.973698968E+24",
                      .obliquity = "23.45",
                      .planetLan = "0",
                      .sidRotOffset = "280.497218184246",
                      .mjd = mjd,
                      .longitude = longitude,
                      .west = west};
}

Written compute(const SyncInputs& inputs) {
    Written written;
    const BodyConstants c = startConstants();
    computeSyncElements(inputs, c.pi, c.gravConst,
                        [&](SyncElement which, std::string_view text) { written.writes.emplace_back(which, text); });
    return written;
}

struct MjdCase {
    const char* mjd;
    const char* longitude;
    bool west;
    const char* meanAnomaly;
};

void PrintTo(const MjdCase& c, std::ostream* os) {
    *os << "MJD " << testing::PrintToString(std::string(c.mjd)) << " longitude "
        << testing::PrintToString(std::string(c.longitude)) << (c.west ? " West" : " East");
}

class SyncElements : public testing::TestWithParam<MjdCase> {};

TEST_P(SyncElements, WritesTheFourElementsInOrder) {
    const auto& p = GetParam();
    const Written w = compute(defaultBody(p.mjd, p.longitude, p.west));
    ASSERT_EQ(w.writes.size(), 4u);
    EXPECT_EQ(w.writes[0], std::make_pair(SyncElement::SemiMajorAxis, std::string("42162.9266209506")));
    EXPECT_EQ(w.writes[1], std::make_pair(SyncElement::Inclination, std::string("23.45")));
    EXPECT_EQ(w.writes[2], std::make_pair(SyncElement::AscendingNode, std::string("180")));
    EXPECT_EQ(w.writes[3], std::make_pair(SyncElement::MeanAnomaly, std::string(p.meanAnomaly)));
}

INSTANTIATE_TEST_SUITE_P(Instants, SyncElements,
                         testing::Values(MjdCase{"51544.5", "122", false, "582.497218184246"},
                                         MjdCase{"51544.5", "122", true, "338.497218184246"},
                                         MjdCase{"51545.25", "122", true, "249.236455369703"},
                                         MjdCase{"51000", "122", false, "585.811021542228"},
                                         MjdCase{"60000.75", "0", false, "605.396484215592"},
                                         MjdCase{"", "", false, "595.682410444089"}));

struct BodyCase {
    const char* field;
    const char* text;
    SyncElement element;
    const char* expected;
};

void PrintTo(const BodyCase& c, std::ostream* os) { *os << c.field << ' ' << testing::PrintToString(std::string(c.text)); }

class SyncBodyFields : public testing::TestWithParam<BodyCase> {};

TEST_P(SyncBodyFields, AreReadAsTheyStand) {
    SyncInputs inputs = defaultBody("51544.5", "122", true);
    const std::string field = GetParam().field;
    if (field == "period") inputs.rotationalPeriod = GetParam().text;
    if (field == "mass") inputs.mass = GetParam().text;
    if (field == "obliquity") inputs.obliquity = GetParam().text;
    if (field == "lan") inputs.planetLan = GetParam().text;
    EXPECT_EQ(compute(inputs).text(GetParam().element), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, SyncBodyFields,
    testing::Values(BodyCase{"lan", "270", SyncElement::AscendingNode, "450"},
                    BodyCase{"obliquity", "23.450", SyncElement::Inclination, "23.450"},
                    BodyCase{"obliquity", "abc", SyncElement::Inclination, "abc"},
                    BodyCase{"obliquity", "", SyncElement::Inclination, ""},
                    BodyCase{"period", "0", SyncElement::SemiMajorAxis, "0"},
                    BodyCase{"mass", "0", SyncElement::SemiMajorAxis, "0"},
                    // The annual term keeps its fixed multiplier whatever the period field holds.
                    BodyCase{"period", "86400", SyncElement::MeanAnomaly, "338.497218184246"}));

struct FailureCase {
    SyncInputs inputs;
    int number;
    std::size_t writtenBefore;
};

class SyncFailures : public testing::TestWithParam<FailureCase> {};

TEST_P(SyncFailures, StopAtTheFailingStepKeepingEarlierWrites) {
    Written written;
    const BodyConstants c = startConstants();
    try {
        computeSyncElements(GetParam().inputs, c.pi, c.gravConst,
                            [&](SyncElement which, std::string_view text) { written.writes.emplace_back(which, text); });
        FAIL() << "no failure";
    } catch (const Failure& failure) {
        EXPECT_EQ(failure.number(), GetParam().number);
    }
    EXPECT_EQ(written.writes.size(), GetParam().writtenBefore);
}

SyncInputs with(SyncInputs inputs, std::string_view SyncInputs::*field, std::string_view text) {
    inputs.*field = text;
    return inputs;
}

const SyncInputs kBase = defaultBody("51544.5", "122", true);

// Names the fields that differ from the base case.
void PrintTo(const FailureCase& c, std::ostream* os) {
    constexpr std::pair<const char*, std::string_view SyncInputs::*> kFields[] = {
        {"period", &SyncInputs::rotationalPeriod}, {"mass", &SyncInputs::mass},
        {"obliquity", &SyncInputs::obliquity},     {"lan", &SyncInputs::planetLan},
        {"offset", &SyncInputs::sidRotOffset},     {"mjd", &SyncInputs::mjd},
        {"longitude", &SyncInputs::longitude}};
    const char* separator = "";
    for (const auto& [name, field] : kFields) {
        if (c.inputs.*field == kBase.*field) continue;
        *os << std::exchange(separator, " ") << name << ' ' << testing::PrintToString(std::string(c.inputs.*field));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, SyncFailures,
    testing::Values(FailureCase{with(kBase, &SyncInputs::rotationalPeriod, "-1"), 5, 0},
                    FailureCase{with(kBase, &SyncInputs::mass, "-1"), 5, 0},
                    FailureCase{with(kBase, &SyncInputs::mass, "1E+400"), 6, 0},
                    FailureCase{with(kBase, &SyncInputs::mjd, "1E+304"), 6, 3},
                    FailureCase{with(kBase, &SyncInputs::mjd, "-1E+304"), 6, 3},
                    FailureCase{with(with(kBase, &SyncInputs::sidRotOffset, "1.7E+308"), &SyncInputs::longitude, "-1.7E+308"), 6, 3},
                    FailureCase{with(kBase, &SyncInputs::longitude, "1E+999"), 6, 3},
                    // Too large for a second to tell, from the limits on.
                    FailureCase{with(kBase, &SyncInputs::mjd, "68719476736"), 6, 3},
                    FailureCase{with(kBase, &SyncInputs::longitude, "-2199023255552"), 6, 3}));

// Each limit lies where adjacent doubles part by more than a second (of time, of arc); just below, lines come.
TEST(SyncLimits, LieWhereASecondStopsTelling) {
    for (const auto& [limit, second] : {std::pair{kMjdLimit, 1.0 / 86400.0}, std::pair{kLongitudeLimit, 1.0 / 3600.0}}) {
        const double largest = std::nextafter(limit, 0.0);
        EXPECT_LE(largest - std::nextafter(largest, 0.0), second);
        EXPECT_GT(std::nextafter(limit, INFINITY) - limit, second);
    }
    EXPECT_EQ(compute(defaultBody("-68719476735.99999", "2199023255551.9997", true)).writes.size(), 4U);
}

constexpr double kDegree = std::numbers::pi / 180.0;
constexpr double kTurn = 2.0 * std::numbers::pi;

// The satellite against ERFA's IAU 2006 Earth rotation model, 1950 to 2050: turned from the
// ecliptic frame of the elements into the equator's (by the obliquity the lines use), it lies in
// the equator at Greenwich mean sidereal time plus its longitude, and turns East at the Earth's rate.
TEST(SyncEndToEnd, StandsOverItsLongitudeByTheIauEarthRotation) {
    const BodyConstants c = startConstants();
    const double obliquity = 23.45 * kDegree;
    double lowest = 0.0;
    double highest = 0.0;
    for (double mjd = 33282.0; mjd <= 69807.0; mjd += 9.13147) {  // 1 January 1950 to 2050, at times spread over the day
        for (const auto& [longitude, west] : {std::pair{"122", true}, {"0", false}, {"75.5", false}, {"180", true}}) {
            const std::string mjdText = formatNumber(mjd);
            const Written w = compute(defaultBody(mjdText, longitude, west));
            const std::string a = w.text(SyncElement::SemiMajorAxis);
            const std::string i = w.text(SyncElement::Inclination);
            const std::string node = w.text(SyncElement::AscendingNode);
            const std::string anomaly = w.text(SyncElement::MeanAnomaly);
            const StateVector s = generateVectors(readElements({a, "0", i, "0", node, anomaly}), c.pi, c.massFactor);
            const double y = std::cos(obliquity) * s.y - std::sin(obliquity) * s.z;
            const double z = std::sin(obliquity) * s.y + std::cos(obliquity) * s.z;
            const double vy = std::cos(obliquity) * s.vy - std::sin(obliquity) * s.vz;
            const double radius = std::hypot(s.x, y);
            ASSERT_LT(std::abs(z), 1e-9 * radius) << mjd << ' ' << longitude;
            const double rate = (s.x * vy - y * s.vx) / (radius * radius);  // rad/s, East positive
            const double turnPerDay = std::remainder(eraEra00(2400000.5, mjd + 1.0) - eraEra00(2400000.5, mjd), kTurn) + kTurn;
            ASSERT_NEAR(rate * 86400.0 / turnPerDay, 1.0, 5e-5) << mjd;
            const double gmst = eraGmst06(2400000.5, mjd, 2400000.5, mjd + 69.0 / 86400.0);  // TT = UT + 69 s
            const double east = parseLeadingNumber(longitude) * (west ? -1.0 : 1.0) * kDegree;
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
