#include "text/vector_lines.hpp"

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <ostream>

namespace skyanchor {
namespace {

struct LineCase {
    Components position;
    Components velocity;
    const char* rpos;
    const char* rvel;
};

void PrintTo(const LineCase& c, std::ostream* os) { *os << '"' << c.rpos << "\" \"" << c.rvel << '"'; }

class VectorLinesTest : public testing::TestWithParam<LineCase> {};

TEST_P(VectorLinesTest, WritesKeywordAndComponentsInXZYOrder) {
    const VectorLines lines = buildVectorLines(GetParam().position, GetParam().velocity);
    EXPECT_EQ(lines.rpos, GetParam().rpos);
    EXPECT_EQ(lines.rvel, GetParam().rvel);
    const std::optional<Components> back = positionOfLine(lines.rpos);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ((std::array{back->x, back->y, back->z}), (std::array{GetParam().position.x, GetParam().position.y, GetParam().position.z}));
}

TEST(PositionOfLine, ReadsNothingFromATextThatIsNoPositionLine) {
    for (const char* text : {"", "RVEL 1 2 3", "RPOS 1 2", "RPOS 1 2 3x", "RPOS 1, 2, 3", "rpos 1 2 3"}) {
        EXPECT_FALSE(positionOfLine(text).has_value()) << text;
    }
}

INSTANTIATE_TEST_SUITE_P(
    States, VectorLinesTest,
    testing::Values(
        LineCase{{.x = 1000.5, .y = 3, .z = -20}, {}, "RPOS 1000.5 -20 3", "RVEL 0 0 0"},
        LineCase{{.x = -7.25, .y = -1, .z = 2}, {}, "RPOS-7.25 2 -1", "RVEL 0 0 0"},
        LineCase{{}, {.x = 5, .y = -6, .z = -7}, "RPOS 0 0 0", "RVEL 5 -7 -6"},
        LineCase{{.x = -1, .y = -0.0, .z = -2}, {.x = -0.0, .y = 1e-9, .z = -3e20}, "RPOS-1 -2 0", "RVEL 0 -3E+20 1E-09"}));

}  // namespace
}  // namespace skyanchor
