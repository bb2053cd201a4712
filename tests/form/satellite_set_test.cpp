#include "form/satellite_set.hpp"
#include "form/set_file.hpp"
#include "form_fixture.hpp"

#include <gtest/gtest.h>

namespace skyanchor {
namespace {

std::vector<std::string> textsOf(const std::vector<Satellite>& satellites) {
    std::vector<std::string> texts;
    for (const Satellite& satellite : satellites) texts.push_back(rowText(satellite));
    return texts;
}

TEST(SatelliteRing, CountsEastwardAndFoldsPastHalfATurn) {
    struct Case {
        Satellite start;
        std::size_t count;
        double step;
        std::vector<std::string> rows;
    };
    const Case cases[] = {
        {{0, false}, 4, 60, {"0 E", "60 E", "120 E", "180 W"}},
        {{0, true}, 1, 10, {"0 E"}},
        {{30, true}, 3, 20, {"30 W", "10 W", "10 E"}},
        {{10, false}, 3, -10, {"10 E", "0 E", "10 W"}},
        {{0, false}, 4, 0.1, {"0 E", "0.1 E", "0.2 E", "0.3 E"}},
        {{350, false}, 2, 20, {"10 W", "10 E"}},
    };
    for (const Case& ring : cases) EXPECT_EQ(textsOf(skyanchor::ring(ring.start, ring.count, ring.step)), ring.rows);
}

TEST(SatelliteRing, RangesIncludeTheirStop) {
    struct Case {
        double start, stop, step;
        std::optional<std::size_t> count;
    };
    const Case cases[] = {{0, 350, 10, 36}, {0, 1, 0.1, 11},         {0, 0, 10, 1},
                          {-30, 30, 10, 7}, {10, 0, -5, 3},          {10, 0, 5, std::nullopt},
                          {0, 10, 0, std::nullopt}, {0, 1E308, 1E-308, std::nullopt}};
    for (const Case& range : cases) {
        EXPECT_EQ(rangeCount(range.start, range.stop, range.step), range.count) << range.start << ':' << range.stop << ':' << range.step;
    }
}

// Each row's lines are the form's own for that place at the form's MJD, to the bit, and working
// them out leaves the form's fields as they were.
TEST(SatelliteSet, RowsHaveTheFormsLinesAtItsInstant) {
    struct Case {
        const char* longitude;
        bool west;
        const char* mjd;
    };
    const Case cases[] = {{"122", true, "51544.5"}, {"75.5", false, "61000.25"}, {"0", false, "-3.75"},
                          {"179.999", true, "40000"}, {"-10", false, "2973483"}};
    for (const Case& place : cases) {
        test::FakeServices fakes;
        Form1Model form(fakes.services());
        form.edit(Control::txtMJD, place.mjd);
        SatelliteSet set({satelliteAt(std::stod(place.longitude), place.west)});
        const std::string anomaly = form.text(Control::txtMA);
        set.recompute(form);
        EXPECT_EQ(form.text(Control::txtMA), anomaly);
        form.edit(Control::txtLongitude, place.longitude);
        form.click(place.west ? Control::optWest : Control::optEast);
        ASSERT_TRUE(set.lines().at(0)) << place.longitude;
        EXPECT_EQ(set.lines()[0]->rpos, form.positionLine()) << place.longitude << ' ' << place.mjd;
        EXPECT_EQ(set.lines()[0]->rvel, form.velocityLine()) << place.longitude << ' ' << place.mjd;
    }
}

TEST(SatelliteSet, CopiesEveryRowInOrderOrNamesTheRowThatHasNoLines) {
    struct Case {
        std::vector<Satellite> rows;
        std::string refusal;
    };
    const Case cases[] = {{{{122, true}, {75.5, false}, {0, false}}, {}},
                          {{}, "The set is empty"},
                          {{{0, false}, {1E13, true}}, "Satellite 2 (10000000000000 W) has no lines at this instant"}};
    for (const Case& copy : cases) {
        test::FakeServices fakes;
        Form1Model form(fakes.services());
        SatelliteSet set(copy.rows);
        set.recompute(form);
        const Result<std::string> text = set.copyText();
        ASSERT_EQ(text.ok(), copy.refusal.empty());
        if (!text) {
            EXPECT_NE(text.failure().reason().find(copy.refusal), std::string::npos) << text.failure().reason();
            continue;
        }
        std::string expected;
        for (const Satellite& row : copy.rows) {
            form.edit(Control::txtLongitude, formatNumber(row.longitude));
            form.click(row.west ? Control::optWest : Control::optEast);
            expected += (expected.empty() ? "" : "\r") + form.positionLine() + '\r' + form.velocityLine();
        }
        EXPECT_EQ(*text, expected);
    }
}

TEST(SatelliteSet, RowsMoveWithTheirLines) {
    test::FakeServices fakes;
    const Form1Model form(fakes.services());
    SatelliteSet set({{1, false}, {2, false}, {3, false}});
    set.recompute(form);
    const std::string first = set.lines()[0]->rpos;
    EXPECT_FALSE(set.moveUp(0));
    EXPECT_FALSE(set.moveDown(2));
    EXPECT_TRUE(set.moveDown(0));
    EXPECT_TRUE(set.moveUp(2));
    set.remove(0);
    set.remove(7);
    EXPECT_EQ(textsOf(set.rows()), (std::vector<std::string>{"3 E", "1 E"}));
    EXPECT_EQ(set.lines()[1]->rpos, first);
}

// Set files, good and bad; a good one written again reads back the same.
TEST(SetFile, ReadsWholeOrNamesTheWrongLine) {
    struct Case {
        std::string text;
        std::vector<std::string> rows;
        std::string refusal;
    };
    const Case cases[] = {
        {"# slots\n122 W\n\n  75.5 E  \r\n75.5e\n10w\n", {"122 W", "75.5 E", "75.5 E", "10 W"}, {}},
        {"1E1 W\n1.5E+2E\n-0.25 W", {"10 W", "150 E", "-0.25 W"}, {}},
        {"", {}, {}},
        {"122 W\n# 122\n122\n", {}, "Line 3, \u201C\u2068122\u2069\u201D, names no direction"},
        {"122 W\nabc E\n", {}, "Line 2, "},
        {"122 W # a comment after it\n", {}, "Line 1, "},
        {"W\n", {}, "Line 1, "},
        {"1E400 W\n", {}, "Line 1, "},
        {"122 W\n12\xFF W\n", {}, "It is not UTF-8 text."},
    };
    for (const Case& file : cases) {
        const Result<std::vector<Satellite>> read = readSetFile(file.text);
        ASSERT_EQ(read.ok(), file.refusal.empty()) << file.text;
        if (!read) {
            EXPECT_EQ(read.failure().reason().rfind(file.refusal, 0), 0U) << read.failure().reason();
            continue;
        }
        EXPECT_EQ(textsOf(*read), file.rows);
        const Result<std::vector<Satellite>> again = readSetFile(writeSetFile(*read));
        ASSERT_TRUE(again);
        EXPECT_EQ(*again, *read);
    }
}

}  // namespace
}  // namespace skyanchor
