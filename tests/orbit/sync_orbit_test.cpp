#include "orbit/central_bodies.hpp"
#include "orbit/generate.hpp"
#include "orbit/sync_orbit.hpp"
#include "base/failure.hpp"
#include "text/number_text.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
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
                    FailureCase{with(kBase, &SyncInputs::longitude, "1E+999"), 6, 3}));

}  // namespace
}  // namespace skyanchor
