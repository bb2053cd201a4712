#include "form1_fixture.hpp"
#include "qt_printers.hpp"
#include "test_locales.hpp"
#include "text/number_text.hpp"
#include "time/date_serial.hpp"
#include "time/date_text.hpp"
#include "ui/form1.hpp"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <ctime>
#include <memory>
#include <string_view>
#include <tuple>
#include <vector>

namespace skyanchor {
namespace {

constexpr double kStartSerial = 46364.30810185185;  // 8 December 2026, 07:23:40
constexpr double kOneSecond = 1.0 / 86400.0;

const char* const kWestPosition = "RPOS-39228377.3392282 -6150164.35880617 14178232.2923016";
const char* const kWestVelocity = "RVEL-1127.02219995875 1138.41372611666 -2624.4329926753";
const char* const kEastPosition = "RPOS 31087153.2070743 -11334910.5632083 26130845.5517158";
const char* const kEastVelocity = "RVEL-2077.13080399083 -902.154111825446 2079.77377752537";

using test::FakeClipboard;

// The window with a clock whose readings are one second apart, a clipboard that the test can look
// into, and the United States' date conventions.
class Form1Test : public testing::Test {
protected:
    void SetUp() override {
        Form1Services services{
            .readClock = [this] { return kStartSerial + kOneSecond * clockReadings++; },
            .clipboard = clipboard,
            .dateLocale = test::kUnitedStates,
        };
        form = std::make_unique<Form1>(std::move(services));
        QObject::connect(list()->model(), &QAbstractItemModel::modelReset, [this] { ++generates; });
    }

    template <class Widget = QLineEdit>
    Widget* control(const char* name) const {
        auto* widget = form->findChild<Widget*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QLineEdit* field(const char* name) const { return control<QLineEdit>(name); }
    QListWidget* list() const { return control<QListWidget>("List1"); }
    QString text(const char* name) const { return field(name)->text(); }

    void typeInto(const char* name, const QString& keys) {
        QLineEdit* target = field(name);
        target->selectAll();
        QTest::keyClick(target, Qt::Key_Delete);
        QTest::keyClicks(target, keys);
    }

    QStringList listLines() const { return test::listLinesOf(*form); }
    QString noteAt(const char* name) const { return form->failureMarks().noteAt(control<QWidget>(name)); }
    bool isMarked(const char* name) const { return form->failureMarks().isMarked(control<QWidget>(name)); }
    bool copyButtonsEnabled() const {
        return control<QPushButton>("Command2")->isEnabled() && control<QPushButton>("Command4")->isEnabled();
    }
    // The lines the core gives for the fields as they stand.
    QStringList linesOfFields() const {
        const std::optional<VectorLines> lines = test::linesOfFields(*form);
        if (!lines) return {};
        return {QString::fromStdString(lines->rpos), QString::fromStdString(lines->rvel)};
    }

    int clockReadings = 0;
    int generates = 0;
    std::shared_ptr<FakeClipboard> clipboard = std::make_shared<FakeClipboard>();
    std::unique_ptr<Form1> form;
};

// One clock reading names the start instant in both fields, even when the clock moves on.
TEST_F(Form1Test, StartUpFillsTheTimeFieldsFromOneReadingAndComputesOnce) {
    EXPECT_EQ(clockReadings, 1);
    EXPECT_EQ(text("txtDateandTime"), "12/8/2026 7:23:40 AM");
    EXPECT_EQ(text("txtMJD").toStdString(), formatNumber(kStartSerial + 15018));
    EXPECT_TRUE(form->isLinkArmed());
    EXPECT_EQ(text("txtSMA"), "42162.9266209506");
    EXPECT_EQ(text("txtInclination"), "23.45");
    EXPECT_EQ(text("txtLan"), "180");
    EXPECT_EQ(listLines(), QStringList({QString::fromStdString(form->positionLine()),
                                        QString::fromStdString(form->velocityLine())}));
    EXPECT_EQ(text("txtrpos").toStdString(), form->positionLine());
    EXPECT_EQ(form->bodyConstants().massFactor, 1);
    EXPECT_EQ(form->bodyConstants().bodyRadius, 6378);

    auto* selector = control<QComboBox>("Combo1");
    ASSERT_EQ(selector->count(), 11);
    EXPECT_EQ(selector->itemText(0), "Sun");
    EXPECT_EQ(selector->itemText(10), "Earth's Moon");
    EXPECT_EQ(selector->currentIndex(), -1);
    EXPECT_EQ(selector->currentText(), "Earth");
}

TEST_F(Form1Test, TypingAnMjdMovesTheDateAndComputesOncePerKeystroke) {
    const QString typed = QStringLiteral("51544.50");
    typeInto("txtMJD", QString());
    EXPECT_EQ(text("txtDateandTime"), "11/17/1858");  // an empty MJD reads as 0
    for (int length = 1; length <= typed.size(); ++length) {
        const int before = generates;
        QTest::keyClicks(field("txtMJD"), typed.mid(length - 1, 1));
        EXPECT_EQ(generates, before + 1) << length;
        EXPECT_EQ(text("txtMJD"), typed.left(length));
    }
    EXPECT_EQ(text("txtDateandTime"), "1/1/2000 12:00:00 PM");
    EXPECT_EQ(listLines(), QStringList({kWestPosition, kWestVelocity}));
}

TEST_F(Form1Test, TypingADateRewritesTheMjdAtEachKeystroke) {
    const QString typed = QStringLiteral("1/1/2000 12:00:00 PM");
    typeInto("txtDateandTime", QString());
    EXPECT_EQ(text("txtMJD"), "15018");
    for (int length = 1; length <= typed.size(); ++length) {
        const int before = generates;
        QTest::keyClicks(field("txtDateandTime"), typed.mid(length - 1, 1));
        EXPECT_EQ(generates, before + 1) << length;
    }
    EXPECT_EQ(text("txtMJD"), "51544.5");
    EXPECT_EQ(listLines(), QStringList({kWestPosition, kWestVelocity}));
    typeInto("txtDateandTime", QStringLiteral("1/"));
    EXPECT_EQ(text("txtMJD"), "15018");
}

TEST_F(Form1Test, EastWestAndLongitudeRecompute) {
    typeInto("txtMJD", QStringLiteral("51544.5"));
    QTest::mouseClick(control<QRadioButton>("optEast"), Qt::LeftButton);
    EXPECT_EQ(listLines(), QStringList({kEastPosition, kEastVelocity}));
    EXPECT_EQ(text("txtMA"), "582.497218184246");
    QTest::mouseClick(control<QRadioButton>("optWest"), Qt::LeftButton);
    EXPECT_EQ(listLines(), QStringList({kWestPosition, kWestVelocity}));
    typeInto("txtLongitude", QStringLiteral("-122"));
    EXPECT_EQ(listLines(), QStringList({kEastPosition, kEastVelocity}));
}

TEST_F(Form1Test, PickingABodyChangesNothingUntilTheNextCompute) {
    typeInto("txtMJD", QStringLiteral("51544.5"));
    const QStringList before = listLines();
    auto* selector = control<QComboBox>("Combo1");
    selector->setCurrentIndex(0);
    emit selector->activated(0);
    EXPECT_EQ(form->bodyConstants().massFactor, 320000);
    EXPECT_EQ(listLines(), before);
    EXPECT_EQ(text("txtMass"), "5.973698968E+24");
    EXPECT_FALSE(copyButtonsEnabled());

    control<QPushButton>("Command3")->click();
    EXPECT_TRUE(copyButtonsEnabled());
    const double earth = parseLeadingNumber(before[1].mid(4).section(' ', 0, 0, QString::SectionSkipEmpty).toStdString());
    const double sun = parseLeadingNumber(listLines()[1].mid(4).section(' ', 0, 0, QString::SectionSkipEmpty).toStdString());
    EXPECT_NEAR(sun / earth, std::sqrt(320000.0), 1e-9);
    EXPECT_EQ(listLines()[0], before[0]);
}

TEST_F(Form1Test, ElementEditsWaitForGenerate) {
    const QStringList before = listLines();
    field("txtEccentricity")->setText(QStringLiteral("0.1"));
    EXPECT_EQ(listLines(), before);
    EXPECT_FALSE(copyButtonsEnabled());
    control<QPushButton>("Command1")->click();
    EXPECT_NE(listLines(), before);
    EXPECT_FALSE(copyButtonsEnabled());
    control<QPushButton>("Command3")->click();
    EXPECT_EQ(listLines(), linesOfFields());
    EXPECT_TRUE(copyButtonsEnabled());
}

TEST_F(Form1Test, CopiesTheLinesJoinedByACarriageReturn) {
    typeInto("txtMJD", QStringLiteral("51544.5"));
    QTest::mouseClick(control<QPushButton>("Command2"), Qt::LeftButton);
    EXPECT_EQ(clipboard->operations, (std::vector<std::string>{"clear", "set"}));
    EXPECT_EQ(clipboard->text, QString(kWestPosition) + '\r' + kWestVelocity);
}

TEST_F(Form1Test, CopiesTheMjdTextAsTyped) {
    typeInto("txtMJD", QStringLiteral(" 51544.50abc"));
    QTest::mouseClick(control<QPushButton>("Command4"), Qt::LeftButton);
    EXPECT_EQ(clipboard->text, " 51544.50abc");
    typeInto("txtMJD", QString());
    QTest::mouseClick(control<QPushButton>("Command4"), Qt::LeftButton);
    EXPECT_EQ(clipboard->text, "");
    EXPECT_EQ(clipboard->operations, (std::vector<std::string>{"clear", "set", "clear", "set"}));
}

// The last years of the range have their MJD too; a Compute that fails under a date edit is
// skipped without a report.
TEST_F(Form1Test, LateDatesHaveTheirMjdAndComputeFailuresAreSkipped) {
    typeInto("txtDateandTime", QStringLiteral("1/1/9960"));
    EXPECT_EQ(text("txtMJD"), "2958874");
    typeInto("txtDateandTime", QStringLiteral("12/31/9999 11:59:59 PM"));
    EXPECT_EQ(text("txtMJD"), "2973483.99998843");
    EXPECT_EQ(listLines(), linesOfFields());
    field("txtRotationalPeriod")->setText(QStringLiteral("-1"));
    typeInto("txtDateandTime", QStringLiteral("1/1/2000"));
    EXPECT_EQ(text("txtMJD"), "51544");
    EXPECT_FALSE(isMarked("txtDateandTime"));
    EXPECT_TRUE(form->isLinkArmed());
    EXPECT_FALSE(form->areLinesCurrent());
    EXPECT_FALSE(copyButtonsEnabled());
}

// An MJD typed key by key beyond the last date: every key lands in the field, the lines follow
// the MJD as typed (also after East and West), the date field shows it names no date, and the MJD
// field carries the failure with what it accepts until an MJD in range is typed.
TEST_F(Form1Test, AnMjdBeyondTheDatesKeepsItsLinesAndSaysWhy) {
    typeInto("txtMJD", QStringLiteral("30000000"));
    EXPECT_EQ(text("txtMJD"), "30000000");
    EXPECT_EQ(text("txtDateandTime"), "");
    EXPECT_EQ(field("txtDateandTime")->placeholderText(), "No date: the MJD is outside the years 100 to 9999");
    EXPECT_TRUE(isMarked("txtDateandTime"));
    EXPECT_EQ(noteAt("txtMJD"), "Run-time error '6': Overflow\n"
                                "Accepts the MJD of a date from 1 January 100 to 31 December 9999 (-642416 up to 2973484)");
    ASSERT_EQ(linesOfFields().size(), 2);
    EXPECT_EQ(listLines(), linesOfFields());
    EXPECT_TRUE(copyButtonsEnabled());

    QTest::mouseClick(control<QRadioButton>("optEast"), Qt::LeftButton);
    EXPECT_EQ(listLines(), linesOfFields());
    QTest::mouseClick(control<QRadioButton>("optWest"), Qt::LeftButton);
    EXPECT_EQ(listLines(), linesOfFields());
    EXPECT_FALSE(isMarked("optWest"));

    typeInto("txtMJD", QStringLiteral("51544.5"));
    EXPECT_FALSE(isMarked("txtMJD"));
    EXPECT_FALSE(isMarked("txtDateandTime"));
    EXPECT_EQ(field("txtDateandTime")->placeholderText(), "");
    EXPECT_EQ(text("txtDateandTime"), "1/1/2000 12:00:00 PM");
    EXPECT_EQ(listLines(), QStringList({kWestPosition, kWestVelocity}));
}

// A longitude beyond the double range: Compute fails, so the old lines are greyed and neither copy
// button can be pressed until a longitude in range brings lines that belong to the fields.
TEST_F(Form1Test, ALongitudeThatFailsGreysTheLinesAndStopsTheCopies) {
    typeInto("txtMJD", QStringLiteral("51544.5"));
    field("txtLongitude")->selectAll();
    field("txtLongitude")->insert(QStringLiteral("1E+400"));  // as a paste does
    EXPECT_EQ(noteAt("txtLongitude"), "Run-time error '6': Overflow\nThe lines wait for a longitude that can be read as a number");
    EXPECT_FALSE(form->areLinesCurrent());
    EXPECT_FALSE(copyButtonsEnabled());
    EXPECT_FALSE(list()->isEnabled());
    clipboard->operations.clear();
    QTest::mouseClick(control<QPushButton>("Command2"), Qt::LeftButton);
    QTest::mouseClick(control<QPushButton>("Command4"), Qt::LeftButton);
    EXPECT_TRUE(clipboard->operations.empty());
    EXPECT_EQ(clipboard->text, "held before");

    QTest::mouseClick(control<QRadioButton>("optEast"), Qt::LeftButton);
    EXPECT_EQ(noteAt("optEast"), "Run-time error '6': Overflow\nThe lines wait for a longitude that can be read as a number");
    typeInto("txtLongitude", QStringLiteral("122"));
    EXPECT_FALSE(isMarked("txtLongitude"));
    EXPECT_FALSE(isMarked("optEast"));
    EXPECT_TRUE(copyButtonsEnabled());
    EXPECT_TRUE(list()->isEnabled());
    EXPECT_EQ(listLines(), QStringList({kEastPosition, kEastVelocity}));
    QTest::mouseClick(control<QPushButton>("Command2"), Qt::LeftButton);
    EXPECT_EQ(clipboard->text, QString(kEastPosition) + '\r' + kEastVelocity);
}

struct NotePlaceCase {
    const char* name;
    int windowLeft;  // from the screen's left edge; negative: from its right edge
    int windowWidth;  // 0: the window's own width
};

void PrintTo(const NotePlaceCase& place, std::ostream* out) { *out << place.name; }

class Form1NotePlace : public Form1Test, public testing::WithParamInterface<NotePlaceCase> {};

// Each note is a window of its own beside the window, at its control's height or below the note
// before it: it covers no control and no other note, stays on the screen's width, and takes
// neither the focus nor a key.
TEST_P(Form1NotePlace, NotesStandBesideTheWindowAndLeaveTheKeysToIt) {
    const QRect screen = form->screen()->availableGeometry();
    if (GetParam().windowWidth > 0) form->resize(GetParam().windowWidth, form->height());
    form->show();
    QApplication::setActiveWindow(form.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    const int left = GetParam().windowLeft >= 0 ? screen.left() + GetParam().windowLeft
                                                : screen.right() + 1 + GetParam().windowLeft - form->frameGeometry().width();
    form->move(left, screen.top() + 20);
    typeInto("txtDateandTime", QStringLiteral("1/"));
    typeInto("txtLongitude", QStringLiteral("1E+400"));
    QTest::mouseClick(control<QRadioButton>("optEast"), Qt::LeftButton);
    QTest::mouseClick(control<QRadioButton>("optWest"), Qt::LeftButton);
    QLineEdit* longitude = field("txtLongitude");
    longitude->setFocus();

    const QRect frame = form->frameGeometry();
    std::vector<QRect> notes;
    for (const char* name : {"txtDateandTime", "txtLongitude", "optEast", "optWest"}) {
        SCOPED_TRACE(name);
        const QWidget* note = form->failureMarks().shownNote(control<QWidget>(name));
        ASSERT_NE(note, nullptr);
        const QRect placed = note->geometry();
        EXPECT_FALSE(placed.intersects(frame)) << placed.x() << ',' << placed.y() << " frame " << frame.x() << ',' << frame.y();
        EXPECT_GE(placed.left(), screen.left());
        EXPECT_LE(placed.right(), screen.right());
        const std::string_view side = GetParam().name;
        if (side == "right") {
            EXPECT_GT(placed.left(), frame.right());
        } else if (side == "left") {
            EXPECT_LT(placed.right(), frame.left());
        } else {
            EXPECT_GT(placed.top(), frame.bottom());
        }
        if (side != "below") {
            EXPECT_GE(placed.top(), control<QWidget>(name)->mapToGlobal(QPoint(0, 0)).y());
        }
        for (const QRect& other : notes) EXPECT_FALSE(placed.intersects(other));
        notes.push_back(placed);
    }

    EXPECT_EQ(QApplication::activeWindow(), form.get());
    EXPECT_EQ(QApplication::focusWidget(), longitude);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_0);
    EXPECT_EQ(text("txtLongitude"), "1E+4000");
    EXPECT_NE(form->failureMarks().shownNote(longitude), nullptr);
    typeInto("txtLongitude", QStringLiteral("122"));
    EXPECT_EQ(form->failureMarks().shownNote(longitude), nullptr);
    EXPECT_EQ(form->failureMarks().shownNote(control<QWidget>("optWest")), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Sides, Form1NotePlace,
                         testing::Values(NotePlaceCase{"right", 0, 0}, NotePlaceCase{"left", -1, 0}, NotePlaceCase{"below", 0, 2000}),
                         [](const testing::TestParamInfo<NotePlaceCase>& place) { return std::string(place.param.name); });

TEST_F(Form1Test, ANoteWaitsForTheWindowAndLeavesWithIt) {
    typeInto("txtMJD", QStringLiteral("3000000"));
    EXPECT_EQ(form->failureMarks().shownNote(field("txtMJD")), nullptr);
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    EXPECT_NE(form->failureMarks().shownNote(field("txtMJD")), nullptr);
    form->showMinimized();
    EXPECT_EQ(form->failureMarks().shownNote(field("txtMJD")), nullptr);
    form->showNormal();
    EXPECT_NE(form->failureMarks().shownNote(field("txtMJD")), nullptr);
    form->hide();
    EXPECT_EQ(form->failureMarks().shownNote(field("txtMJD")), nullptr);
}

// A date text that is no date (here a day beyond the month) gives MJD 15018 as before, and the
// field shows it with an example: the present instant's text.
TEST_F(Form1Test, ADateTextThatIsNoDateIsShownWithAnExample) {
    typeInto("txtDateandTime", QStringLiteral("1/257/2000"));
    EXPECT_EQ(text("txtMJD"), "15018");
    const std::string example = formatDateText(kStartSerial + kOneSecond * (clockReadings - 1), DateTextCodec(test::kUnitedStates));
    EXPECT_EQ(noteAt("txtDateandTime").toStdString(),
              "Run-time error '13': Type mismatch\nAccepts a date and time such as \u2068" + example + "\u2069, or either alone");
    EXPECT_EQ(listLines(), linesOfFields());
    EXPECT_FALSE(copyButtonsEnabled());
    EXPECT_FALSE(list()->isEnabled());
    // Typing on through texts that are no date keeps the note as it is: no clock, no new note.
    const int readings = clockReadings;
    QTest::keyClicks(field("txtDateandTime"), QStringLiteral("xyz"));
    EXPECT_EQ(clockReadings, readings);
    EXPECT_TRUE(isMarked("txtDateandTime"));
    typeInto("txtDateandTime", QStringLiteral("1/1/2000"));
    EXPECT_FALSE(isMarked("txtDateandTime"));
    EXPECT_EQ(text("txtMJD"), "51544");
    EXPECT_TRUE(copyButtonsEnabled());
}

// A half-typed date reads as no date: the lines of MJD 15018 are computed but greyed, and come
// back as soon as the date reads or the MJD is edited.
TEST_F(Form1Test, LinesOfADateTextThatIsNoDateCannotBeCopied) {
    typeInto("txtDateandTime", QStringLiteral("12/8/2026 7"));
    EXPECT_EQ(text("txtMJD"), "15018");
    EXPECT_EQ(listLines(), linesOfFields());
    EXPECT_FALSE(copyButtonsEnabled());
    QTest::keyClicks(field("txtDateandTime"), QStringLiteral(":00"));
    EXPECT_TRUE(copyButtonsEnabled());
    typeInto("txtDateandTime", QStringLiteral("abc"));
    EXPECT_FALSE(copyButtonsEnabled());
    typeInto("txtMJD", QStringLiteral("51544.5"));
    EXPECT_TRUE(copyButtonsEnabled());
    EXPECT_TRUE(list()->isEnabled());
}

// A mark that a failed Compute left goes with the next Compute that succeeds, whichever control
// started it; a mark about the control's own text stays until that text is mended.
TEST_F(Form1Test, AFailedComputesMarksGoWithTheNextComputeThatSucceeds) {
    typeInto("txtLongitude", QStringLiteral("1E+400"));
    QTest::mouseClick(control<QRadioButton>("optEast"), Qt::LeftButton);
    typeInto("txtMJD", QStringLiteral("51544.5"));
    EXPECT_EQ(noteAt("txtMJD"), "Run-time error '6': Overflow\nThe lines wait for a longitude that can be read as a number");
    typeInto("txtLongitude", QStringLiteral("5"));
    EXPECT_EQ(listLines(), linesOfFields());
    for (const char* name : {"txtLongitude", "optEast", "txtMJD"}) EXPECT_FALSE(isMarked(name)) << name;

    typeInto("txtMJD", QStringLiteral("3000000"));
    typeInto("txtLongitude", QStringLiteral("1E+400"));
    typeInto("txtLongitude", QStringLiteral("7"));
    EXPECT_EQ(noteAt("txtMJD"), "Run-time error '6': Overflow\n"
                                "Accepts the MJD of a date from 1 January 100 to 31 December 9999 (-642416 up to 2973484)");
}

struct LinesNeedCase {
    const char* name;
    const char* longitude;
    const char* mjd;
    const char* period;
    const char* note;
};

void PrintTo(const LinesNeedCase& c, std::ostream* out) { *out << c.name; }

class Form1LinesNeed : public Form1Test, public testing::WithParamInterface<LinesNeedCase> {};

// A Compute that fails under a click names the texts that cannot be read, or says that the lines
// cannot be computed from them; an MJD that fails in its own reading keeps its range line.
TEST_P(Form1LinesNeed, TheNoteSaysWhatTheLinesNeed) {
    field("txtRotationalPeriod")->setText(QString::fromLatin1(GetParam().period));
    typeInto("txtLongitude", QString::fromLatin1(GetParam().longitude));
    typeInto("txtMJD", QString::fromLatin1(GetParam().mjd));
    QTest::mouseClick(control<QRadioButton>("optEast"), Qt::LeftButton);
    EXPECT_EQ(noteAt("optEast").toStdString(), GetParam().note);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Form1LinesNeed,
    testing::Values(
        LinesNeedCase{"LongitudeUnreadable", "1E+400", "51544", "86164.09", "Run-time error '6': Overflow\nThe lines wait for a longitude that can be read as a number"},
        LinesNeedCase{"MjdUnreadable", "5", "1E+400", "86164.09", "Run-time error '6': Overflow\nThe lines wait for an MJD that can be read as a number"},
        LinesNeedCase{"BothUnreadable", "1E+400", "1E+400", "86164.09",
                      "Run-time error '6': Overflow\nThe lines wait for a longitude and an MJD that can be read as numbers"},
        LinesNeedCase{"NoOrbitForTheirValues", "5", "51544", "-1",
                      "Run-time error '5': Invalid procedure call or argument\n"
                      "The lines cannot be computed from the longitude and MJD as they stand"}),
    [](const testing::TestParamInfo<LinesNeedCase>& c) { return std::string(c.param.name); });

struct ReadingCase {
    const char* name;
    const char* field;
    const char* text;  // UTF-8
    const char* note;  // empty: read whole, no mark
};

void PrintTo(const ReadingCase& c, std::ostream* out) { *out << c.name; }

class Form1Reading : public Form1Test, public testing::WithParamInterface<ReadingCase> {};

constexpr const char* kLongitudeAccepts = "Accepts a longitude in degrees, such as 122 or -75.5";
constexpr const char* kMjdAccepts = "Accepts the MJD of a date from 1 January 100 to 31 December 9999 (-642416 up to 2973484)";

// A longitude or MJD text that is not read whole is computed as read, and the field says how it
// was read; the copies stay, and the mark goes as soon as the text reads whole.
TEST_P(Form1Reading, ATextNotReadWholeSaysHowItWasRead) {
    QLineEdit* target = field(GetParam().field);
    target->selectAll();
    target->insert(QString::fromUtf8(GetParam().text));
    const bool longitude = std::string_view(GetParam().field) == "txtLongitude";
    const std::string note = *GetParam().note == '\0' ? "" : std::string(GetParam().note) + '\n' + (longitude ? kLongitudeAccepts : kMjdAccepts);
    EXPECT_EQ(noteAt(GetParam().field).toStdString(), note);
    EXPECT_EQ(listLines(), linesOfFields());
    EXPECT_TRUE(copyButtonsEnabled());
    typeInto(GetParam().field, QStringLiteral("51544"));
    EXPECT_FALSE(isMarked(GetParam().field));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Form1Reading,
    testing::Values(ReadingCase{"Letters", "txtLongitude", "abc", "Read as 0: \"abc\" does not begin with a number"},
                    ReadingCase{"FullWidthDigits", "txtLongitude", "\uFF11\uFF12\uFF12",
                                "Read as 0: \"\uFF11\uFF12\uFF12\" does not begin with a number"},
                    ReadingCase{"ArabicIndicDigits", "txtMJD", "\u0661\u0662\u0662",
                                "Read as 0: \"\u0661\u0662\u0662\" does not begin with a number"},
                    ReadingCase{"TrailingLetters", "txtLongitude", "12abc", "Read as 12: the rest (\"abc\") is not part of the number"},
                    ReadingCase{"DecimalComma", "txtMJD", "51544,5", "Read as 51544: the rest (\",5\") is not part of the number"},
                    ReadingCase{"HalfTypedExponent", "txtLongitude", "1E+", "Read as 1: the rest (\"E+\") is not part of the number"},
                    ReadingCase{"LoneMinus", "txtLongitude", "-", "Read as 0: \"-\" does not begin with a number"},
                    ReadingCase{"Blanks", "txtLongitude", " 1 000 ", ""}, ReadingCase{"Empty", "txtMJD", "", ""},
                    ReadingCase{"Hexadecimal", "txtLongitude", "&H1F", ""}),
    [](const testing::TestParamInfo<ReadingCase>& c) { return std::string(c.param.name); });

// The reading note gives way to a failed Compute's note at the same field, and comes back when
// a later Compute succeeds.
TEST_F(Form1Test, AReadingNoteComesBackAfterAFailedCompute) {
    field("txtRotationalPeriod")->setText(QStringLiteral("-1"));
    typeInto("txtLongitude", QStringLiteral("12abc"));
    EXPECT_EQ(form->failureMarks().causeAt(field("txtLongitude")), MarkCause::LinesFailure);
    field("txtRotationalPeriod")->setText(QStringLiteral("86164.09"));
    QTest::mouseClick(control<QRadioButton>("optEast"), Qt::LeftButton);
    EXPECT_EQ(noteAt("txtLongitude").toStdString(),
              std::string("Read as 12: the rest (\"abc\") is not part of the number\n") + kLongitudeAccepts);
}

// A date edit gives the MJD field a text of its own, so a mark the MJD carried goes with it.
TEST_F(Form1Test, ADateEditClearsTheMarkOfTheMjdItRewrites) {
    typeInto("txtMJD", QStringLiteral("-700000"));
    EXPECT_TRUE(isMarked("txtMJD"));
    typeInto("txtDateandTime", QStringLiteral("1/1/2000"));
    EXPECT_FALSE(isMarked("txtMJD"));
}

TEST_F(Form1Test, AClipboardThatRefusesIsShownAtTheButtonPressed) {
    clipboard->refuses = true;
    const QStringList lines = listLines();
    QTest::mouseClick(control<QPushButton>("Command2"), Qt::LeftButton);
    EXPECT_EQ(noteAt("Command2"), "Run-time error '521': Can't open Clipboard\n"
                                  "The clipboard did not take the text; another program may hold it. Try again");
    EXPECT_FALSE(isMarked("Command4"));
    EXPECT_EQ(clipboard->operations, std::vector<std::string>{"clear"});
    EXPECT_EQ(listLines(), lines);
    QTest::mouseClick(control<QPushButton>("Command4"), Qt::LeftButton);
    EXPECT_TRUE(isMarked("Command4"));

    clipboard->refuses = false;
    QTest::mouseClick(control<QPushButton>("Command2"), Qt::LeftButton);
    EXPECT_FALSE(isMarked("Command2"));
    EXPECT_TRUE(isMarked("Command4"));
}

struct PaletteCase {
    const char* name;
    QColor window;
    QColor base;
    QColor text;
};

void PrintTo(const PaletteCase& palette, std::ostream* out) { *out << palette.name; }

double relativeLuminance(const QColor& color) {
    const auto linear = [](double channel) { return channel <= 0.03928 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(color.redF()) + 0.7152 * linear(color.greenF()) + 0.0722 * linear(color.blueF());
}

double contrastRatio(const QColor& first, const QColor& second) {
    const double a = relativeLuminance(first);
    const double b = relativeLuminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

class Form1ErrorLook : public Form1Test, public testing::WithParamInterface<PaletteCase> {};

// The error look is clearly redder than the control's own background, its text stays readable,
// and it goes without a trace: palette and accessible description as they were.
TEST_P(Form1ErrorLook, ReadsInThePaletteAndGoesWithoutATrace) {
    QPalette palette(GetParam().window, GetParam().window);
    for (const QPalette::ColorRole role : {QPalette::Window, QPalette::Button}) palette.setColor(role, GetParam().window);
    palette.setColor(QPalette::Base, GetParam().base);
    for (const QPalette::ColorRole role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText}) {
        palette.setColor(role, GetParam().text);
    }
    form->setPalette(palette);
    for (const auto& [name, background, foreground] :
         {std::tuple{"txtMJD", QPalette::Base, QPalette::Text}, std::tuple{"optEast", QPalette::Window, QPalette::WindowText}}) {
        SCOPED_TRACE(name);
        QWidget* marked = control<QWidget>(name);
        marked->setAccessibleDescription(QStringLiteral("Described"));
        const QPalette own = marked->palette();
        field("txtLongitude")->setText(QStringLiteral("1E+400"));
        QTest::mouseClick(control<QRadioButton>("optEast"), Qt::LeftButton);
        field("txtMJD")->setText(QStringLiteral("51544.5"));
        ASSERT_TRUE(form->failureMarks().isMarked(marked));
        const QColor tint = marked->palette().color(background);
        const QColor plain = own.color(background);
        EXPECT_GE(tint.red() - (tint.green() + tint.blue()) / 2, plain.red() - (plain.green() + plain.blue()) / 2 + 50);
        EXPECT_GE(contrastRatio(marked->palette().color(foreground), tint), 4.5);
        EXPECT_EQ(marked->accessibleDescription(), "Described\n" + form->failureMarks().noteAt(marked));

        field("txtLongitude")->setText(QStringLiteral("122"));
        QTest::mouseClick(control<QRadioButton>("optEast"), Qt::LeftButton);
        field("txtMJD")->setText(QStringLiteral("51544.50"));
        EXPECT_FALSE(form->failureMarks().isMarked(marked));
        EXPECT_TRUE(marked->palette() == own);
        EXPECT_FALSE(marked->testAttribute(Qt::WA_SetPalette));
        EXPECT_EQ(marked->accessibleDescription(), "Described");
    }
}

INSTANTIATE_TEST_SUITE_P(Palettes, Form1ErrorLook,
                         testing::Values(PaletteCase{"light", QColor(239, 239, 239), Qt::white, Qt::black},
                                         PaletteCase{"dark", QColor(53, 53, 53), QColor(42, 42, 42), QColor(230, 230, 230)}),
                         [](const testing::TestParamInfo<PaletteCase>& palette) { return std::string(palette.param.name); });

// With the window's own failure display, no dialog ever opens to take the keys: each key of an
// MJD or a longitude beyond the range lands in its field.
TEST(Form1Failures, NeverOpenADialog) {
    Form1Services services = Form1Services::system();
    services.clipboard = std::make_shared<FakeClipboard>();
    services.dateLocale = test::kUnitedStates;
    Form1 form(std::move(services));
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    int dialogs = 0;
    QTimer watchdog;
    QObject::connect(&watchdog, &QTimer::timeout, [&] {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            ++dialogs;
            dialog->close();
        }
    });
    watchdog.start(50);
    for (const auto& [name, typed] : {std::pair{"txtMJD", "30000000"}, std::pair{"txtLongitude", "1E+400"},
                                      std::pair{"txtLongitude", "1E+305"}, std::pair{"txtMJD", "-700000"}}) {
        QLineEdit* target = test::fieldOf(form, name);
        target->selectAll();
        QTest::keyClick(target, Qt::Key_Delete);
        QTest::keyClicks(target, QString::fromLatin1(typed));
        EXPECT_EQ(target->text(), typed);
    }
    EXPECT_EQ(dialogs, 0);
}

class Form1TimeZone : public testing::TestWithParam<const char*> {};

double utcMjdNow() { return static_cast<double>(QDateTime::currentMSecsSinceEpoch()) / 86'400'000.0 + 40587.0; }

// The start instant is the present in UT whatever the zone, and date and MJD name one second.
TEST_P(Form1TimeZone, StartsAtThePresentInstantInUt) {
    const QByteArray savedZone = qgetenv("TZ");
    qputenv("TZ", GetParam());
    tzset();
    Form1Services services = Form1Services::system();
    services.clipboard = std::make_shared<FakeClipboard>();
    services.dateLocale = test::kUnitedStates;
    const double before = utcMjdNow();
    const Form1 form(std::move(services));
    const double after = utcMjdNow();
    qputenv("TZ", savedZone);
    tzset();

    const double started = parseLeadingNumber(test::textOf(form, "txtMJD"));
    EXPECT_GE(started, before - kOneSecond);
    EXPECT_LE(started, after + kOneSecond);
    EXPECT_NEAR(parseDateText(test::textOf(form, "txtDateandTime"), DateTextCodec(test::kUnitedStates)) + kMjdOfSerialZero, started,
                kOneSecond / 100);
}

INSTANTIATE_TEST_SUITE_P(Zones, Form1TimeZone, testing::Values("America/New_York", "Pacific/Kiritimati", "UTC"),
                         [](const testing::TestParamInfo<const char*>& zone) {
                             std::string name = zone.param;
                             std::replace(name.begin(), name.end(), '/', '_');
                             return name;
                         });

TEST_F(Form1Test, CloseHidesTheWindow) {
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    QTest::mouseClick(control<QPushButton>("Command5"), Qt::LeftButton);
    EXPECT_FALSE(form->isVisible());
}

}  // namespace
}  // namespace skyanchor
