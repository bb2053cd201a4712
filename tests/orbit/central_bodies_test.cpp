#include "orbit/central_bodies.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace skyanchor {
namespace {

TEST(CentralBodies, StartWithTheEarth) {
    const BodyConstants c = startConstants();
    EXPECT_EQ(c.pi, 3.141592653589793);
    EXPECT_EQ(c.gravConst, 6.672e-11);
    EXPECT_EQ(c.massFactor, 1);
    EXPECT_EQ(c.bodyRadius, 6378);
    EXPECT_EQ(kCentralBodyNames.front(), "Sun");
    EXPECT_EQ(kCentralBodyNames[3], "Earth");
    EXPECT_EQ(kCentralBodyNames.back(), "Earth's Moon");
}

struct Selection {
    std::vector<const char*> names;
    std::int32_t massFactor;
    std::int32_t bodyRadius;
};

void PrintTo(const Selection& s, std::ostream* os) {
    const char* separator = "";
    for (const char* name : s.names) *os << std::exchange(separator, " then ") << testing::PrintToString(std::string(name));
}

class SelectBody : public testing::TestWithParam<Selection> {};

TEST_P(SelectBody, SetsOnlyEarthAndSunValues) {
    BodyConstants c = startConstants();
    for (const char* name : GetParam().names) selectBody(name, c);
    EXPECT_EQ(c.massFactor, GetParam().massFactor);
    EXPECT_EQ(c.bodyRadius, GetParam().bodyRadius);
    EXPECT_EQ(c.pi, startConstants().pi);
}

INSTANTIATE_TEST_SUITE_P(
    Names, SelectBody,
    testing::Values(Selection{{"Sun"}, 320000, 1000000}, Selection{{"Sun", "Earth"}, 1, 6378},
                    Selection{{"Sun", "Mars"}, 320000, 1000000}, Selection{{"Earth's Moon"}, 1, 6378},
                    Selection{{"Sun", "earth"}, 320000, 1000000}, Selection{{"sun"}, 1, 6378},
                    Selection{{"Sun "}, 1, 6378}, Selection{{" Sun"}, 1, 6378}));

}  // namespace
}  // namespace skyanchor
