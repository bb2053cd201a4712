#include "form1_fixture.hpp"
#include "qt_printers.hpp"
#include "text/number_text.hpp"
#include "time/date_serial.hpp"
#include "time/date_text.hpp"

#include <QComboBox>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <ctime>
#include <random>
#include <string_view>
#include <tuple>
#include <vector>

namespace skyanchor {
namespace {

using Form1Test = test::WindowTest;
using test::kOneSecond;

QString toQString(const std::string& text) { return QString::fromStdString(text); }

// Only what a person sees is a widget: the hidden fields live in the form.
TEST_F(Form1Test, MakesWidgetsForTheShownControlsOnly) {
    QStringList fields;
    for (const QLineEdit* field : form->findChildren<QLineEdit*>()) fields << field->objectName();
    fields.sort();
    EXPECT_EQ(fields, QStringList({"txtDateandTime", "txtLongitude", "txtMJD"}));
    QStringList buttons;
    for (const QAbstractButton* button : form->findChildren<QAbstractButton*>()) buttons << button->objectName();
    buttons.sort();
    EXPECT_EQ(buttons, QStringList({"Command2", "Command4", "Command5", "optEast", "optWest"}));
    EXPECT_EQ(form->findChild<QComboBox*>(), nullptr);
}

// The window writes back what an event changed and leaves the field being typed in alone: its
// cursor stays where the typing left it.
TEST_F(Form1Test, WritesBackWhatTheFormChanged) {
    typeInto("txtMJD", QStringLiteral("30000000"));
    EXPECT_EQ(text("txtDateandTime"), "");
    EXPECT_EQ(field("txtDateandTime")->placeholderText(), "No date: the MJD is outside the years 100 to 9999");
    EXPECT_EQ(field("txtMJD")->cursorPosition(), 8);
    EXPECT_TRUE(isMarked("txtDateandTime"));
    EXPECT_EQ(listLines(), QStringList({toQString(form->model().positionLine()), toQString(form->model().velocityLine())}));
    typeInto("txtDateandTime", QStringLiteral("1/"));
    EXPECT_EQ(text("txtMJD"), "15018");
    EXPECT_EQ(field("txtDateandTime")->placeholderText(), "");
    for (const char* copy : {"Command2", "Command4", "List1"}) EXPECT_FALSE(control<QWidget>(copy)->isEnabled()) << copy;
    QTest::keyClicks(field("txtDateandTime"), QStringLiteral("1/2000"));
    for (const char* copy : {"Command2", "Command4", "List1"}) EXPECT_TRUE(control<QWidget>(copy)->isEnabled()) << copy;
    QTest::mouseClick(control<QRadioButton>("optEast"), Qt::LeftButton);
    EXPECT_FALSE(form->model().isWest());
    QTest::mouseClick(control<QPushButton>("Command2"), Qt::LeftButton);
    EXPECT_EQ(fakes.clipboard->text, form->model().positionLine() + '\r' + form->model().velocityLine());
}

// Random key, paste and click events on the widgets: after each, every shown control shows what
// the form holds. A short run; the form's own rule runs far longer without widgets.
TEST_F(Form1Test, ShowsTheFormAfterEveryEvent) {
    std::mt19937_64 random(20261208);
    const auto pick = [&](int count) { return std::uniform_int_distribution<int>(0, count - 1)(random); };
    const std::array<const char*, 3> names = {"txtMJD", "txtLongitude", "txtDateandTime"};
    const std::array<const char*, 9> texts = {"51544.5", "30000000", "1E+400", "abc", "12abc", "1/1/2000", "1/", "", "-122"};
    for (int event = 0; event < 400 && !HasFatalFailure(); ++event) {
        const int kind = pick(5);
        if (kind < 2) {
            QLineEdit* target = field(names[static_cast<std::size_t>(pick(3))]);
            target->selectAll();
            const QString typed = QString::fromLatin1(texts[static_cast<std::size_t>(pick(9))]);
            if (kind == 0) {
                target->insert(typed);
            } else {
                QTest::keyClick(target, Qt::Key_Delete);
                QTest::keyClicks(target, typed);
            }
        } else if (kind == 2) {
            QTest::mouseClick(control<QRadioButton>(pick(2) == 0 ? "optEast" : "optWest"), Qt::LeftButton);
        } else {
            QTest::mouseClick(control<QPushButton>(kind == 3 ? "Command2" : "Command4"), Qt::LeftButton);
        }
        const Form1Model& model = form->model();
        for (const auto& [name, which] : {std::pair{"txtMJD", Control::txtMJD}, std::pair{"txtLongitude", Control::txtLongitude},
                                          std::pair{"txtDateandTime", Control::txtDateandTime}}) {
            ASSERT_EQ(text(name).toStdString(), model.text(which)) << "event " << event;
        }
        QStringList lines;
        for (const std::string& line : model.listLines()) lines << toQString(line);
        ASSERT_EQ(listLines(), lines) << "event " << event;
        ASSERT_EQ(control<QPushButton>("Command2")->isEnabled(), model.linesUsable()) << "event " << event;
        ASSERT_EQ(control<QRadioButton>("optWest")->isChecked(), model.isWest()) << "event " << event;
        for (const auto& [name, which] : {std::pair{"txtMJD", Control::txtMJD}, std::pair{"txtLongitude", Control::txtLongitude},
                                          std::pair{"txtDateandTime", Control::txtDateandTime}, std::pair{"optEast", Control::optEast},
                                          std::pair{"optWest", Control::optWest}, std::pair{"Command2", Control::Command2}}) {
            const std::optional<Note>& note = model.noteAt(which);
            ASSERT_EQ(isMarked(name), note.has_value()) << name << ", event " << event;
            if (note) {
                ASSERT_EQ(form->failureMarks().noteAt(control<QWidget>(name)).toStdString(), note->text) << name;
            }
        }
    }
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
    FormServices services = systemServices();
    services.clipboard = std::make_shared<test::FakeClipboard>();
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
        auto* target = form.findChild<QLineEdit*>(QString::fromLatin1(name));
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
    FormServices services = systemServices();
    services.clipboard = std::make_shared<test::FakeClipboard>();
    services.dateLocale = test::kUnitedStates;
    const double before = utcMjdNow();
    const Form1 form(std::move(services));
    const double after = utcMjdNow();
    qputenv("TZ", savedZone);
    tzset();

    const double started = parseLeadingNumber(form.model().text(Control::txtMJD));
    EXPECT_GE(started, before - kOneSecond);
    EXPECT_LE(started, after + kOneSecond);
    EXPECT_NEAR(parseDateText(form.model().text(Control::txtDateandTime), form.model().dateCodec()) + kMjdOfSerialZero, started,
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
