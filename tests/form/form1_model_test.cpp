#include "form_fixture.hpp"
#include "text/number_text.hpp"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>
#include <vector>

namespace skyanchor {
namespace {

using Lines = std::vector<std::string>;

const Lines kWest = {"RPOS-39228377.3392282 -6150164.35880617 14178232.2923016",
                     "RVEL-1127.02219995875 1138.41372611666 -2624.4329926753"};
const Lines kEast = {"RPOS 31087153.2070743 -11334910.5632083 26130845.5517158",
                     "RVEL-2077.13080399083 -902.154111825446 2079.77377752537"};
const std::string kMjdAccepts = "Type an MJD from -642416 to 2973484 (the years 100 to 9999).";
const std::string kLongitudeAccepts = "Type a longitude in degrees, such as 122 or -75.5.";
const std::string kOverflow = " (Error 6, Overflow)";

// A user's text as messages quote it: in quotation marks, isolated from the words around it.
std::string q(const std::string& text) { return "\u201C\u2068" + text + "\u2069\u201D"; }

class Form1ModelTest : public testing::Test {
protected:
    // As a person types: the field emptied, then the text key by key. Counts the Generates.
    void typeInto(Control field, const std::string& text) {
        form.edit(field, "");
        for (std::size_t length = 1; length <= text.size(); ++length) form.edit(field, text.substr(0, length));
    }
    int generatesOf(Control field, const std::string& text) {
        (void)form.takeChanges();
        form.edit(field, text);
        return form.takeChanges().list ? 1 : 0;
    }
    [[nodiscard]] std::string text(Control field) const { return form.text(field); }
    [[nodiscard]] std::string noteAt(Control control) const {
        const std::optional<Note>& note = form.noteAt(control);
        return note ? note->text : "";
    }
    [[nodiscard]] bool isMarked(Control control) const { return form.noteAt(control).has_value(); }
    [[nodiscard]] Lines fieldLines() const { return test::linesOfFields(form).value_or(Lines{}); }

    test::FakeServices fakes;
    Form1Model form{fakes.services()};
};

// One clock reading names the start instant in both fields, even when the clock moves on.
TEST_F(Form1ModelTest, StartUpFillsTheTimeFieldsFromOneReadingAndComputesOnce) {
    EXPECT_EQ(fakes.clockReadings, 1);
    EXPECT_EQ(text(Control::txtDateandTime), "12/8/2026 7:23:40 AM");
    EXPECT_EQ(text(Control::txtMJD), formatNumber(test::kStartSerial + 15018));
    EXPECT_TRUE(form.isLinkArmed());
    EXPECT_EQ(text(Control::txtSMA), "42162.9266209506");
    EXPECT_EQ(text(Control::txtInclination), "23.45");
    EXPECT_EQ(text(Control::txtLan), "180");
    EXPECT_EQ(form.listLines(), (Lines{form.positionLine(), form.velocityLine()}));
    EXPECT_EQ(text(Control::txtrpos), form.positionLine());
    EXPECT_EQ(form.bodyConstants().massFactor, 1);
    EXPECT_EQ(form.bodyConstants().bodyRadius, 6378);
    ASSERT_EQ(form.bodyEntries().size(), 11U);
    EXPECT_EQ(form.bodyEntries().front(), "Sun");
    EXPECT_EQ(form.bodyEntries().back(), "Earth's Moon");
    EXPECT_EQ(text(Control::Combo1), "Earth");
    EXPECT_TRUE(form.linesUsable());
}

// Each keystroke runs Generate once: the date handler's write into the MJD field, and the MJD
// handler's into the date field, run the other handler only as far as its guard.
TEST_F(Form1ModelTest, TypingEitherTimeFieldMovesTheOtherAndComputesOncePerKeystroke) {
    form.edit(Control::txtMJD, "");
    EXPECT_EQ(text(Control::txtDateandTime), "11/17/1858");  // an empty MJD reads as 0
    const std::string mjd = "51544.50";
    for (std::size_t length = 1; length <= mjd.size(); ++length) {
        EXPECT_EQ(generatesOf(Control::txtMJD, mjd.substr(0, length)), 1) << length;
        EXPECT_EQ(text(Control::txtMJD), mjd.substr(0, length));
    }
    EXPECT_EQ(text(Control::txtDateandTime), "1/1/2000 12:00:00 PM");
    EXPECT_EQ(form.listLines(), kWest);

    form.edit(Control::txtDateandTime, "");
    EXPECT_EQ(text(Control::txtMJD), "15018");
    const std::string date = "1/1/2000 12:00:00 PM";
    for (std::size_t length = 1; length <= date.size(); ++length) {
        EXPECT_EQ(generatesOf(Control::txtDateandTime, date.substr(0, length)), 1) << length;
    }
    EXPECT_EQ(text(Control::txtMJD), "51544.5");
    EXPECT_EQ(form.listLines(), kWest);
    typeInto(Control::txtDateandTime, "1/");
    EXPECT_EQ(text(Control::txtMJD), "15018");
}

TEST_F(Form1ModelTest, EastWestAndLongitudeRecompute) {
    typeInto(Control::txtMJD, "51544.5");
    form.click(Control::optEast);
    EXPECT_EQ(form.listLines(), kEast);
    EXPECT_EQ(text(Control::txtMA), "582.497218184246");
    form.click(Control::optWest);
    EXPECT_EQ(form.listLines(), kWest);
    typeInto(Control::txtLongitude, "-122");
    EXPECT_EQ(form.listLines(), kEast);
}

TEST_F(Form1ModelTest, PickingABodyChangesNothingUntilTheNextCompute) {
    typeInto(Control::txtMJD, "51544.5");
    form.pickBody(0);
    EXPECT_EQ(text(Control::Combo1), "Sun");
    EXPECT_EQ(form.bodyConstants().massFactor, 320000);
    EXPECT_EQ(form.listLines(), kWest);
    EXPECT_EQ(text(Control::txtMass), "5.973698968E+24");
    EXPECT_FALSE(form.linesUsable());

    form.click(Control::Command3);
    EXPECT_TRUE(form.linesUsable());
    const auto speed = [](const std::string& line) { return parseLeadingNumber(line.substr(4)).value(); };
    EXPECT_NEAR(speed(form.listLines()[1]) / speed(kWest[1]), std::sqrt(320000.0), 1e-9);
    EXPECT_EQ(form.listLines()[0], kWest[0]);
}

TEST_F(Form1ModelTest, ElementEditsWaitForGenerateAndCompute) {
    const Lines before = form.listLines();
    form.edit(Control::txtEccentricity, "0.1");
    EXPECT_EQ(form.listLines(), before);
    EXPECT_FALSE(form.linesUsable());
    form.click(Control::Command1);
    EXPECT_NE(form.listLines(), before);
    EXPECT_FALSE(form.linesUsable());
    form.click(Control::Command3);
    EXPECT_EQ(form.listLines(), fieldLines());
    EXPECT_TRUE(form.linesUsable());
}

TEST_F(Form1ModelTest, CopiesTheLinesJoinedByACarriageReturnAndTheMjdAsTyped) {
    typeInto(Control::txtMJD, "51544.5");
    form.click(Control::Command2);
    EXPECT_EQ(fakes.clipboard->text, kWest[0] + '\r' + kWest[1]);
    typeInto(Control::txtMJD, " 51544.50abc");
    form.click(Control::Command4);
    EXPECT_EQ(fakes.clipboard->text, " 51544.50abc");
    EXPECT_EQ(fakes.clipboard->operations, (std::vector<std::string>{"clear", "set", "clear", "set"}));
}

// The last years of the range have their MJD too; a Compute that fails under a date edit is
// skipped without a note.
TEST_F(Form1ModelTest, LateDatesHaveTheirMjdAndComputeFailuresAreSkipped) {
    typeInto(Control::txtDateandTime, "1/1/9960");
    EXPECT_EQ(text(Control::txtMJD), "2958874");
    typeInto(Control::txtDateandTime, "12/31/9999 11:59:59 PM");
    EXPECT_EQ(text(Control::txtMJD), "2973483.99998843");
    EXPECT_EQ(form.listLines(), fieldLines());
    form.edit(Control::txtRotationalPeriod, "-1");
    typeInto(Control::txtDateandTime, "1/1/2000");
    EXPECT_EQ(text(Control::txtMJD), "51544");
    EXPECT_FALSE(isMarked(Control::txtDateandTime));
    EXPECT_TRUE(form.isLinkArmed());
    EXPECT_FALSE(form.linesUsable());
    EXPECT_EQ(form.linesFailure()->kind(), FailureNumber::InvalidArgument);
}

// An MJD beyond the last date: the lines follow the MJD as typed (also after East and West), the
// date field is empty and says why, and the MJD carries the failure until an MJD in range is typed.
TEST_F(Form1ModelTest, AnMjdBeyondTheDatesKeepsItsLinesAndSaysWhy) {
    typeInto(Control::txtMJD, "30000000");
    EXPECT_EQ(text(Control::txtDateandTime), "");
    EXPECT_EQ(form.dateReading(), DateReading::NoDateForMjd);
    EXPECT_TRUE(isMarked(Control::txtDateandTime));
    EXPECT_EQ(noteAt(Control::txtMJD),
              "MJD " + q("30000000") + " is after 31 December 9999, so no date can be shown; the lines are computed." + kOverflow);
    EXPECT_EQ(form.listLines(), fieldLines());
    EXPECT_TRUE(form.linesUsable());
    EXPECT_FALSE(form.linesFailure());

    form.click(Control::optEast);
    EXPECT_EQ(form.listLines(), fieldLines());
    form.click(Control::optWest);
    EXPECT_FALSE(isMarked(Control::optWest));

    typeInto(Control::txtMJD, "51544.5");
    EXPECT_FALSE(isMarked(Control::txtMJD));
    EXPECT_FALSE(isMarked(Control::txtDateandTime));
    EXPECT_EQ(form.dateReading(), DateReading::Date);
    EXPECT_EQ(form.listLines(), kWest);
}

// A longitude beyond the double range: Compute fails, so neither copy can be made until a
// longitude in range brings lines that belong to the fields.
TEST_F(Form1ModelTest, ALongitudeThatFailsStopsTheCopies) {
    typeInto(Control::txtMJD, "51544.5");
    form.edit(Control::txtLongitude, "1E+400");  // as a paste does
    const std::string waits = "The lines wait for a longitude that can be read as a number: " + q("1E+400") + " is too large." + kOverflow;
    EXPECT_EQ(noteAt(Control::txtLongitude), waits);
    EXPECT_FALSE(form.linesUsable());
    EXPECT_EQ(form.linesFailure()->kind(), FailureNumber::Overflow);

    form.click(Control::optEast);
    EXPECT_EQ(noteAt(Control::optEast), waits);
    typeInto(Control::txtLongitude, "122");
    EXPECT_FALSE(isMarked(Control::txtLongitude));
    EXPECT_FALSE(isMarked(Control::optEast));
    EXPECT_TRUE(form.linesUsable());
    EXPECT_EQ(form.listLines(), kEast);
}

// A half-typed date reads as no date: the lines of MJD 15018 are computed but cannot be copied
// until the date reads or the MJD is edited; the note gives the present instant as an example.
TEST_F(Form1ModelTest, LinesOfADateTextThatIsNoDateCannotBeCopied) {
    form.edit(Control::txtDateandTime, "12/8/2026 7");
    EXPECT_EQ(text(Control::txtMJD), "15018");
    EXPECT_EQ(form.listLines(), fieldLines());
    EXPECT_FALSE(form.linesUsable());
    EXPECT_EQ(form.linesFailure()->kind(), FailureNumber::TypeMismatch);
    // The reader says why, with an example of what to type; the clock is not asked again.
    EXPECT_EQ(noteAt(Control::txtDateandTime), "There are more numbers than a date and a time have: type a date and time such as "
                                               "\u206812/28/2026 7:23:40 PM\u2069. (Error 13, Type mismatch)");
    EXPECT_EQ(fakes.clockReadings, 1);
    form.edit(Control::txtDateandTime, "12/8/2026 7:00");
    EXPECT_TRUE(form.linesUsable());
    EXPECT_FALSE(isMarked(Control::txtDateandTime));
    typeInto(Control::txtDateandTime, "abc");
    EXPECT_FALSE(form.linesUsable());
    typeInto(Control::txtMJD, "51544.5");
    EXPECT_TRUE(form.linesUsable());
}

// A note that a failed Compute left goes with the next Compute that succeeds, whichever control
// started it; a note about the control's own text stays until that text is mended.
TEST_F(Form1ModelTest, AFailedComputesNotesGoWithTheNextComputeThatSucceeds) {
    typeInto(Control::txtLongitude, "1E+400");
    form.click(Control::optEast);
    typeInto(Control::txtMJD, "51544.5");
    EXPECT_EQ(noteAt(Control::txtMJD), "The lines wait for a longitude that can be read as a number: " + q("1E+400") + " is too large." + kOverflow);
    typeInto(Control::txtLongitude, "5");
    EXPECT_EQ(form.listLines(), fieldLines());
    for (const Control control : {Control::txtLongitude, Control::optEast, Control::txtMJD}) {
        EXPECT_FALSE(isMarked(control)) << nameOf(control);
    }
    typeInto(Control::txtMJD, "3000000");
    typeInto(Control::txtLongitude, "1E+400");
    typeInto(Control::txtLongitude, "7");
    EXPECT_EQ(noteAt(Control::txtMJD),
              "MJD " + q("3000000") + " is after 31 December 9999, so no date can be shown; the lines are computed." + kOverflow);
}

// A date edit gives the MJD field a text of its own, so a note the MJD carried goes with it.
TEST_F(Form1ModelTest, ADateEditClearsTheNoteOfTheMjdItRewrites) {
    typeInto(Control::txtMJD, "-700000");
    EXPECT_TRUE(isMarked(Control::txtMJD));
    typeInto(Control::txtDateandTime, "1/1/2000");
    EXPECT_FALSE(isMarked(Control::txtMJD));
}

TEST_F(Form1ModelTest, AClipboardThatRefusesIsNotedAtTheButtonPressed) {
    fakes.clipboard->refuses = true;
    form.click(Control::Command2);
    EXPECT_EQ(noteAt(Control::Command2), "The clipboard did not take the text; another program may hold it. Try again. "
                                         "(Error 521, Can't open Clipboard)");
    EXPECT_FALSE(isMarked(Control::Command4));
    form.click(Control::Command4);
    EXPECT_TRUE(isMarked(Control::Command4));
    fakes.clipboard->refuses = false;
    form.click(Control::Command2);
    EXPECT_FALSE(isMarked(Control::Command2));
    EXPECT_TRUE(isMarked(Control::Command4));
    EXPECT_TRUE(form.linesUsable());
}

// A text longer than a field holds is cut after 200 code points, also where the form held the cut text already; the
// lines follow it as cut but cannot be copied, and the field says so, where it has no note of its own, until it is
// written again.
TEST_F(Form1ModelTest, CutsATextLongerThanAFieldHolds) {
    const std::string cut = " text was cut to its first 200 characters, the most a field holds: check what is left and edit "
                            "it; the lines stay greyed until then.";
    const std::string longitude = "122" + std::string(197, ' ');
    form.edit(Control::txtLongitude, longitude + "5");
    (void)form.takeChanges();
    form.edit(Control::txtLongitude, longitude + "6");
    EXPECT_EQ(text(Control::txtLongitude), longitude);
    EXPECT_TRUE(form.takeChanges().texts.test(indexOf(Control::txtLongitude)));
    form.edit(Control::txtDateandTime, std::string(194, ' ') + "1/1/2026");  // padded as in a column: cut, it reads 2020
    EXPECT_EQ(noteAt(Control::txtDateandTime), "The date and time" + cut);
    typeInto(Control::txtMJD, "51544.5");
    EXPECT_EQ(form.listLines(), kWest);
    EXPECT_EQ(noteAt(Control::txtLongitude), "The longitude" + cut);
    EXPECT_FALSE(isMarked(Control::txtDateandTime));
    EXPECT_FALSE(form.linesUsable());
    typeInto(Control::txtLongitude, "122");
    EXPECT_TRUE(form.linesUsable());
}

// Where the locale writes a decimal comma, "51544,5" is the MJD 51544.5: the lines, the date and
// the copied MJD agree. The lines are computed from the same reading as the date.
TEST(Form1ModelNumbers, ReadADecimalCommaWhereTheLocaleWritesOne) {
    test::FakeServices fakes;
    fakes.numbers.decimalComma = true;
    Form1Model form(fakes.services());
    form.edit(Control::txtMJD, "51544,5");
    form.edit(Control::txtLongitude, "122,0");
    EXPECT_EQ(form.text(Control::txtDateandTime), "1/1/2000 12:00:00 PM");
    EXPECT_EQ(form.listLines(), kWest);
    EXPECT_FALSE(form.noteAt(Control::txtMJD));
    EXPECT_FALSE(form.noteAt(Control::txtLongitude));
    form.edit(Control::txtMJD, "51544,5,");
    EXPECT_EQ(form.noteAt(Control::txtMJD)->cause, MarkCause::Reading);
}

TEST_F(Form1ModelTest, CloseEndsTheFormAndSaysSo) {
    (void)form.takeChanges();
    form.click(Control::Command5);
    EXPECT_TRUE(form.isClosed());
    EXPECT_TRUE(form.takeChanges().closed);
}

struct NoteCase {
    const char* name;
    Control field;
    const char* text;    // UTF-8
    const char* period;  // the rotational period, to make Compute fail for any longitude and MJD
    Control clicked;     // clicked after the edit, and its note checked; txtLongitude: no click
    std::string note;
};

void PrintTo(const NoteCase& c, std::ostream* out) { *out << c.name; }

class Form1ModelNotes : public Form1ModelTest, public testing::WithParamInterface<NoteCase> {};

// What a field's note says: how a text not read whole was read, what an MJD without a date
// means, or what the lines wait for after a Compute that failed under a click. The lines are
// those of the fields whenever they can be copied, and the note goes with a text that reads.
TEST_P(Form1ModelNotes, SayWhatHappenedInPlainWords) {
    form.edit(Control::txtRotationalPeriod, GetParam().period);
    form.edit(GetParam().field, GetParam().text);
    const Control clicked = GetParam().clicked;
    if (clicked != Control::txtLongitude) form.click(clicked);
    EXPECT_EQ(noteAt(clicked == Control::txtLongitude ? GetParam().field : clicked), GetParam().note);
    if (form.linesUsable()) {
        EXPECT_EQ(form.listLines(), fieldLines());
    }
    form.edit(Control::txtRotationalPeriod, "86164.09");
    form.edit(GetParam().field, "51544");
    EXPECT_FALSE(isMarked(GetParam().field));
}

const std::string kLongitudeWaits = "The lines wait for a longitude that can be read as a number: " + q("1E+400") + " is too large." + kOverflow;

std::string readAs(const std::string& field, const std::string& text, const std::string& value, const std::string& rest,
                   const std::string& instead = "") {
    const std::string accepts = !instead.empty() ? instead : field == "MJD" ? kMjdAccepts : kLongitudeAccepts;
    const std::string why = rest.empty() ? ": it does not begin with a number. " : ": the rest (" + q(rest) + ") is not part of the number. ";
    return field + ' ' + q(text) + " is read as " + value + why + accepts;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Form1ModelNotes,
    testing::Values(
        NoteCase{"Letters", Control::txtLongitude, "abc", "86164.09", Control::txtLongitude, readAs("Longitude", "abc", "0", "")},
        NoteCase{"FullWidthDigits", Control::txtLongitude, "\uFF11\uFF12\uFF12", "86164.09", Control::txtLongitude,
                 readAs("Longitude", "\uFF11\uFF12\uFF12", "0", "")},
        NoteCase{"TrailingLetters", Control::txtLongitude, "12abc", "86164.09", Control::txtLongitude,
                 readAs("Longitude", "12abc", "12", "abc")},
        NoteCase{"DecimalComma", Control::txtMJD, "51544,5", "86164.09", Control::txtLongitude, readAs("MJD", "51544,5", "51544", ",5", "Type 51544.5.")},
        NoteCase{"HalfTypedExponent", Control::txtLongitude, "1E+", "86164.09", Control::txtLongitude, readAs("Longitude", "1E+", "1", "E+")},
        NoteCase{"LongTextQuotedInPart", Control::txtLongitude, "12xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx", "86164.09",
                 Control::txtLongitude, readAs("Longitude", "12" + std::string(38, 'x') + "\u2026", "12", std::string(40, 'x') + "\u2026")},
        NoteCase{"Blanks", Control::txtLongitude, " 1 000 ", "86164.09", Control::txtLongitude, ""},
        NoteCase{"Hexadecimal", Control::txtLongitude, "&H1F", "86164.09", Control::txtLongitude, ""},
        NoteCase{"LongitudeUnreadable", Control::txtLongitude, "1E+400", "86164.09", Control::optEast, kLongitudeWaits},
        NoteCase{"MjdUnreadable", Control::txtMJD, "1E+400", "86164.09", Control::optEast,
                 "The lines wait for an MJD that can be read as a number: " + q("1E+400") + " is too large." + kOverflow},
        NoteCase{"MjdBeforeTheDates", Control::txtMJD, "-700000", "86164.09", Control::txtLongitude,
                 "MJD " + q("-700000") + " is before 1 January 100, so no date can be shown; the lines are computed." + kOverflow},
        NoteCase{"MjdWithoutDateOrLines", Control::txtMJD, "3000000", "-1", Control::txtLongitude,
                 "MJD " + q("3000000") + " is after 31 December 9999, so no date can be shown, and no lines can be computed for it. "
                 "(Error 6, Overflow)"},
        NoteCase{"LongitudePastSeconds", Control::txtLongitude, "1e20", "86164.09", Control::txtLongitude,
                 "The lines wait for a longitude that tells seconds of arc apart: " + q("1e20") +
                     " is too large (the limit is \u00B12199023255552 degrees). " + kLongitudeAccepts + kOverflow},
        NoteCase{"MjdPastSecondsUnderAClick", Control::txtMJD, "-1e300", "86164.09", Control::optEast,
                 "The lines wait for an MJD that tells seconds apart: " + q("-1e300") + " is too large (the limit is "
                 "\u00B168719476736 days). " + kMjdAccepts + kOverflow},
        NoteCase{"NoOrbitForTheirValues", Control::txtLongitude, "5", "-1", Control::optEast,
                 "No stationary orbit can be computed from this longitude and MJD; the lines stay greyed. "
                 "(Error 5, Invalid procedure call or argument)"}),
    [](const testing::TestParamInfo<NoteCase>& c) { return std::string(c.param.name); });

constexpr const char* kAxis = "42162.9266209506";
constexpr const char* kAnomaly = "338.497218184246";

// Compute reads the body's fields as they stand, copies the obliquity's text as the inclination,
// and writes each element as soon as it is known: a step that fails leaves the earlier ones.
TEST(Form1ModelCompute, WritesTheElementsUpToAStepThatFails) {
    // The SMA, inclination, LAN and MA after Compute ("-" where left unwritten), and its failure (0: none).
    struct Case { const char* name; Control field; const char* text; std::array<const char*, 4> elements; int failure; };
    const Case cases[] = {
        {"Lan", Control::txtPlanetLAN, "270", {kAxis, "23.45", "450", kAnomaly}, 0},
        {"ObliquityAsTyped", Control::txtObliquity, "23.450", {kAxis, "23.450", "180", kAnomaly}, 0},
        {"ObliquityNoNumber", Control::txtObliquity, "abc", {kAxis, "abc", "180", kAnomaly}, 0},
        {"ObliquityEmpty", Control::txtObliquity, "", {kAxis, "", "180", kAnomaly}, 0},
        {"NoPeriod", Control::txtRotationalPeriod, "0", {"0", "23.45", "180", kAnomaly}, 0},
        {"NoMass", Control::txtMass, "0", {"0", "23.45", "180", kAnomaly}, 0},
        // The annual term keeps its fixed multiplier whatever the period field holds.
        {"OtherPeriod", Control::txtRotationalPeriod, "86400", {"42239.8505667443", "23.45", "180", kAnomaly}, 0},
        {"NegativePeriod", Control::txtRotationalPeriod, "-1", {"-", "-", "-", "-"}, 5},
        {"NegativeMass", Control::txtMass, "-1", {"-", "-", "-", "-"}, 5},
        {"MassBeyondTheDoubles", Control::txtMass, "1E+400", {"-", "-", "-", "-"}, 6},
        {"LanBeyondTheDoubles", Control::txtPlanetLAN, "1E+400", {kAxis, "23.45", "-", "-"}, 6},
        {"OffsetBeyondTheDoubles", Control::txtSidRotOffset, "1E+400", {kAxis, "23.45", "180", "-"}, 6},
        {"MjdBeyondTheDoubles", Control::txtMJD, "1E+304", {kAxis, "23.45", "180", "-"}, 6},
        {"MjdBelowTheDoubles", Control::txtMJD, "-1E+304", {kAxis, "23.45", "180", "-"}, 6},
        {"MjdPastSeconds", Control::txtMJD, "68719476736", {kAxis, "23.45", "180", "-"}, 6},
        {"LongitudeBeyondTheDoubles", Control::txtLongitude, "1E+999", {kAxis, "23.45", "180", "-"}, 6},
        {"LongitudePastSeconds", Control::txtLongitude, "-2199023255552", {kAxis, "23.45", "180", "-"}, 6}};
    const std::array elements = {Control::txtSMA, Control::txtInclination, Control::txtLan, Control::txtMA};
    for (const Case& c : cases) {
        test::FakeServices fakes;
        Form1Model form(fakes.services());
        form.edit(Control::txtMJD, "51544.5");
        for (const Control element : elements) form.edit(element, "-");
        form.edit(c.field, c.text);
        form.click(Control::Command3);
        for (std::size_t i = 0; i < elements.size(); ++i) EXPECT_EQ(form.text(elements[i]), c.elements[i]) << c.name << ' ' << nameOf(elements[i]);
        EXPECT_EQ(form.linesFailure() ? form.linesFailure()->number() : 0, c.failure) << c.name;
    }
}

// Generate reads each element field by the lenient number rule; a text beyond the double range
// keeps its element's zero rather than stopping Generate.
TEST_F(Form1ModelTest, GenerateReadsTheElementFieldsLeniently) {
    const std::array fields = {Control::txtSMA, Control::txtEccentricity, Control::txtInclination, Control::txtArgumentOfPerapsis, Control::txtLan, Control::txtMA};
    const std::pair<std::array<const char*, 6>, Lines> cases[] = {
        {{"42164abc", "0.1x", "abc", "12abc", "", "-1E999"},
         {"RPOS 37118353.8936062 0 7889749.678476", "RVEL-706.727486805048 0 3324.89141361907"}},
        {{"", "0", "23.45", "0", "180", kAnomaly}, {"RPOS 0 0 0", "RVEL 0 0 0"}},
        {{"km", "0", "23.45", "0", "180", kAnomaly}, {"RPOS 0 0 0", "RVEL 0 0 0"}},
        {{"1E+400", "0", "23.45", "0", "180", kAnomaly}, {"RPOS 0 0 0", "RVEL 0 0 0"}}};
    for (const auto& [texts, lines] : cases) {
        for (std::size_t i = 0; i < fields.size(); ++i) form.edit(fields[i], texts[i]);
        form.click(Control::Command1);
        EXPECT_EQ(form.listLines(), lines) << texts[0];
    }
}

// The reading note gives way to a failed Compute's note at the same field, and comes back when
// a later Compute succeeds.
TEST_F(Form1ModelTest, AReadingNoteComesBackAfterAFailedCompute) {
    form.edit(Control::txtRotationalPeriod, "-1");
    typeInto(Control::txtLongitude, "12abc");
    EXPECT_EQ(form.noteAt(Control::txtLongitude)->cause, MarkCause::LinesFailure);
    form.edit(Control::txtRotationalPeriod, "86164.09");
    form.click(Control::optEast);
    EXPECT_EQ(noteAt(Control::txtLongitude),
              "Longitude " + q("12abc") + " is read as 12: the rest (" + q("abc") + ") is not part of the number. " + kLongitudeAccepts);
}

// A longitude or MJD text not read whole keeps the lines from being copied, and no readout is
// given, until it reads whole; where its meaning is plain the note says what to type instead.
TEST(Form1ModelReadings, SayWhatToTypeAndHoldTheLinesBack) {
    const struct {
        Control field;
        const char* text;
        bool decimalComma;
        std::string instead;
    } rows[] = {
        {Control::txtLongitude, "75.5 E", false, "Type 75.5 and choose East."},
        {Control::txtLongitude, "75.5\u00B0W", false, "Type 75.5 and choose West."},
        {Control::txtLongitude, "75.5 Ost", false, "Type 75.5 and choose East."},
        {Control::txtLongitude, "75.5 West", false, "Type 75.5 and choose West."},
        {Control::txtLongitude, "W 122", false, "Type 122 and choose West."},
        {Control::txtLongitude, "75,5 e", true, "Type 75.5 and choose East."},
        {Control::txtLongitude, "45\u00B030'", false, "Type 45.5."},
        {Control::txtLongitude, "45\u00B0 30\u2032", false, "Type 45.5."},
        {Control::txtLongitude, "-45\u00B030'36\"", false, "Type -45.51."},
        {Control::txtMJD, "MJD 60000", false, "Type 60000."},
        {Control::txtMJD, "51544,5", false, "Type 51544.5."},
        {Control::txtLongitude, "12o", false, kLongitudeAccepts},
        {Control::txtLongitude, "45\u00B075'", false, kLongitudeAccepts},
        {Control::txtMJD, "60000 E", false, kMjdAccepts},
        {Control::txtMJD, "51544,5,5", false, kMjdAccepts},
    };
    for (const auto& row : rows) {
        test::FakeServices fakes;
        fakes.numbers.decimalComma = row.decimalComma;
        Form1Model form(fakes.services());
        form.edit(row.field, row.text);
        const std::optional<Note> note = form.noteAt(row.field);
        ASSERT_TRUE(note) << row.text;
        EXPECT_TRUE(note->text.ends_with(" " + row.instead)) << note->text;
        EXPECT_FALSE(form.linesUsable()) << row.text;
        EXPECT_EQ(form.readout(), "") << row.text;
        form.edit(row.field, "75.5");
        EXPECT_TRUE(form.linesUsable()) << row.text;
    }
}

// The readout names the place read back from the position line, so a longitude beyond a half turn
// is told as the place it names; the instant and the numbers are the locale's.
TEST(Form1ModelReadout, SaysWhatWasReadInTheLocale) {
    DateLocale british = test::kUnitedStates;
    british.icuLocale = "en_GB";
    const struct {
        const DateLocale& locale;
        const char* longitude;
        bool east;
        const char* readout;
    } rows[] = {
        {british, "122", false, "Over 122\u00B0 West on \u2068Wednesday, 4 March 2026\u2069, \u206818:00:00\u2069 UT (MJD 61103.75), "
                                 "35,785 km above the equator."},
        {test::kGermany, "75.5", true, "Over 75,5\u00B0 East on \u2068Mittwoch, 4. M\u00E4rz 2026\u2069, \u206818:00:00\u2069 UT "
                                        "(MJD 61103.75), 35.785 km above the equator."},
        {test::kUnitedStates, "-540", true, "Over 180\u00B0 on \u2068Wednesday, March 4, 2026\u2069, \u20686:00:00\u202FPM\u2069 UT "
                                            "(MJD 61103.75), 35,785 km above the equator."},
        {test::kUnitedStates, "359.25", false, "Over 0.75\u00B0 East on \u2068Wednesday, March 4, 2026\u2069, \u20686:00:00\u202FPM\u2069 UT "
                                               "(MJD 61103.75), 35,785 km above the equator."},
    };
    for (const auto& row : rows) {
        Form1Model form({.readClock = [] { return test::kStartSerial; }, .clipboard = nullptr, .dateLocale = row.locale, .numbers = {}});
        form.edit(Control::txtMJD, "61103.75");
        if (row.east) form.click(Control::optEast);
        form.edit(Control::txtLongitude, row.longitude);
        EXPECT_EQ(form.readout(), row.readout);
        (void)form.takeChanges();
        form.edit(Control::txtObliquity, "0");
        EXPECT_EQ(form.readout(), "") << "lines left behind by an element";
        EXPECT_TRUE(form.takeChanges().readout);
    }
    Form1Model lastDay({.readClock = [] { return test::kStartSerial; }, .clipboard = nullptr, .dateLocale = test::kUnitedStates, .numbers = {}});
    lastDay.edit(Control::txtMJD, "2973483.99999999");  // the last half second of 9999 stays in it, as in the date field
    EXPECT_NE(lastDay.readout().find("December 31, 9999\u2069, \u206811:59:59\u202FPM"), std::string::npos) << lastDay.readout();
}

// While the date text is no date, the MJD it counts as is marked too, until either reads again.
TEST_F(Form1ModelTest, MarksTheMjdOfADateThatIsNoDate) {
    const std::string noDate = "MJD 15018 stands for no date: the date and time text is not one. Correct the date, or type an MJD.";
    typeInto(Control::txtDateandTime, "nonsense");
    EXPECT_EQ(noteAt(Control::txtMJD), noDate);
    typeInto(Control::txtDateandTime, "1/1/2000");
    EXPECT_FALSE(isMarked(Control::txtMJD));
    typeInto(Control::txtDateandTime, "nonsense");
    typeInto(Control::txtMJD, "51544");
    EXPECT_FALSE(isMarked(Control::txtMJD));
}

}  // namespace
}  // namespace skyanchor
