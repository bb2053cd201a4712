#include "words/command_line.hpp"
#include "words/form.hpp"
#include "words/quoting.hpp"

#include <gtest/gtest.h>

#include <string>

namespace skyanchor {
namespace {

struct Wording {
    const char* kind;
    std::string said;
    const char* expected;
};

void PrintTo(const Wording& wording, std::ostream* out) { *out << wording.kind; }

class Words : public testing::TestWithParam<Wording> {};

// Each kind of message as a user reads it: typed texts quoted (isolated inside the window's
// messages, in shell quotes on the command line), numbers as given, the failure's number last.
TEST_P(Words, SayEachKindOfMessage) { EXPECT_EQ(GetParam().said, GetParam().expected); }

const Failure kOverflow(FailureNumber::Overflow);

INSTANTIATE_TEST_SUITE_P(
    EveryKind, Words,
    testing::Values(
        Wording{"Quote", words::quoted("12abc"), "\u201C\u206812abc\u2069\u201D"},
        Wording{"FailureNumber", words::withFailureNumber(words::kNoOrbit, kOverflow),
                "No stationary orbit can be computed from this longitude and MJD; the lines stay greyed. (Error 6, Overflow)"},
        Wording{"WaitsForSeconds", words::waitsForSeconds(words::kLongitudeName, "1e20", words::limit(words::kLongitudeName, "2199023255552"),
                                                        words::kLongitudeAccepts),
                "The lines wait for a longitude that tells seconds of arc apart: \u201C\u20681e20\u2069\u201D is too large (the "
                "limit is \u00B12199023255552 degrees). Type a longitude in degrees, such as 122 or -75.5."},
        Wording{"MjdNamesNoDay", words::mjdNamesNoDay("3000000", false, true),
                "MJD \u201C\u20683000000\u2069\u201D is after 31 December 9999, so no date can be shown; the lines are computed."},
        Wording{"ReadAs", words::readAs("Longitude", "12abc", "12", "abc", words::kLongitudeAccepts),
                "Longitude \u201C\u206812abc\u2069\u201D is read as 12: the rest (\u201C\u2068abc\u2069\u201D) is not part of the "
                "number. Type a longitude in degrees, such as 122 or -75.5."},
        Wording{"NoDate", words::noDate(""), "The text is not a date."},
        Wording{"Cut", words::cutNotice("MJD text", 200),
                "The MJD text was cut to its first 200 characters, the most a field holds: check what is left and edit it; "
                "the lines stay greyed until then."},
        Wording{"NotANumber", words::notANumber("mjd", "12x", "12", "x"),
                "--mjd \"12x\" is not a number: the number \"12\" is followed by \"x\""},
        Wording{"NotUtf8", words::notUtf8("--date", "1\\xFF", 2, "FF"),
                "--date \"1\\xFF\" is not UTF-8 text: byte 2 (0xFF) is no part of a character. Give the text in UTF-8."},
        Wording{"NoXServer", words::noXServer(":9"), "cannot open display :9: no X server answers there"}));

}  // namespace
}  // namespace skyanchor
