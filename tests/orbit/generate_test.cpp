#include "orbit/generate.hpp"

#include <gtest/gtest.h>

#include <numbers>
#include <ostream>
#include <string>

namespace skyanchor {
namespace {

TEST(ReadElements, ReadsEachFieldLenientlyAndZeroesThoseBeyondRange) {
    const OrbitalElements e = readElements({.semiMajorAxis = "1E+400",
                                            .eccentricity = "0.1x",
                                            .inclination = "abc",
                                            .argumentOfPeriapsis = "12abc",
                                            .ascendingNode = "",
                                            .meanAnomaly = "-1E999"});
    EXPECT_EQ(e.semiMajorAxis, 0.0);
    EXPECT_EQ(e.eccentricity, 0.1);
    EXPECT_EQ(e.inclination, 0.0);
    EXPECT_EQ(e.argumentOfPeriapsis, 12.0);
    EXPECT_EQ(e.ascendingNode, 0.0);
    EXPECT_EQ(e.meanAnomaly, 0.0);
}

struct BadSemiMajorAxis {
    const char* text;
    const char* rpos;
};

void PrintTo(const BadSemiMajorAxis& c, std::ostream* os) { *os << testing::PrintToString(std::string(c.text)); }

class GenerateLinesWithoutAxis : public testing::TestWithParam<BadSemiMajorAxis> {};

TEST_P(GenerateLinesWithoutAxis, GivesZeroComponents) {
    const VectorLines lines = generateLines(
        {GetParam().text, "0", "23.45", "0", "180", "338.497218184246"}, std::numbers::pi, 1.0);
    EXPECT_EQ(lines.rpos, GetParam().rpos);
    EXPECT_EQ(lines.rvel, "RVEL 0 0 0");
}

INSTANTIATE_TEST_SUITE_P(Texts, GenerateLinesWithoutAxis,
                         testing::Values(BadSemiMajorAxis{"", "RPOS 0 0 0"}, BadSemiMajorAxis{"km", "RPOS 0 0 0"},
                                         BadSemiMajorAxis{"1E+400", "RPOS 0 0 0"}));

// Generate must end and give two lines for every text, including those that drive the
// Kepler iteration into a cycle or into non-finite values.
TEST(GenerateLines, EndsForHostileElements) {
    const char* eccentricities[] = {"0.9", "0.999999", "1", "5", "1E+200", "-3"};
    const char* anomalies[] = {"333.6", "0", "180", "1E+300", "-1E+300"};
    for (const char* e : eccentricities) {
        for (const char* m : anomalies) {
            const VectorLines lines = generateLines({"42164", e, "23.45", "0", "180", m}, std::numbers::pi, 1.0);
            EXPECT_EQ(lines.rpos.substr(0, 4), "RPOS") << e << ' ' << m;
            EXPECT_EQ(lines.rvel.substr(0, 4), "RVEL") << e << ' ' << m;
        }
    }
}

}  // namespace
}  // namespace skyanchor
