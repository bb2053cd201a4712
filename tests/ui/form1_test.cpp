#include "form1_fixture.hpp"
#include "qt_printers.hpp"
#include "text/number_text.hpp"
#include "time/date_serial.hpp"
#include "time/date_text.hpp"

#include "ui/field_problem.hpp"
#include "ui/message_bar.hpp"

#include <QAccessible>
#include <QAccessibleInterface>
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
    EXPECT_EQ(field("txtDateandTime")->placeholderText(), "No date: the MJD is outside the years 100 to 9999.");
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
        settle();
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

// Messages stand in the window's top band, not in windows of their own: the band shows the
// message of the field with the focus, else the latest; each field with a problem carries its
// icon, whose tooltip says the same.
TEST_F(Form1Test, ShowsMessagesInsideTheWindow) {
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    typeInto("txtDateandTime", QStringLiteral("1/"));
    typeInto("txtLongitude", QStringLiteral("1E+400"));
    settle();
    const auto* bar = dynamic_cast<const MessageBar*>(control<QWidget>("messageBar"));
    ASSERT_NE(bar, nullptr);
    EXPECT_TRUE(QRect(QPoint(0, 0), form->size()).contains(bar->geometry()));
    EXPECT_LE(bar->geometry().bottom(), control<QWidget>("Frame8")->geometry().top());
    EXPECT_EQ(bar->text().toStdString(), form->model().noteAt(Control::txtLongitude)->text);
    EXPECT_EQ(bar->kind(), MessageKind::Error);
    field("txtDateandTime")->setFocus();
    EXPECT_EQ(bar->text().toStdString(), form->model().noteAt(Control::txtDateandTime)->text);
    for (const auto& [name, which] : {std::pair{"txtDateandTime", Control::txtDateandTime}, std::pair{"txtLongitude", Control::txtLongitude}}) {
        EXPECT_EQ(fieldProblem(field(name)).toStdString(), form->model().noteAt(which)->text) << name;
    }
    int windows = 0;
    for (const QWidget* top : QApplication::topLevelWidgets()) windows += top->isVisible() ? 1 : 0;
    EXPECT_EQ(windows, 1);
    typeInto("txtLongitude", QStringLiteral("122"));
    typeInto("txtDateandTime", QStringLiteral("1/1/2000"));
    EXPECT_TRUE(fieldProblem(field("txtLongitude")).isEmpty());
    // With nothing wrong the band reads the result back, as the band's description, not its alert.
    EXPECT_EQ(bar->kind(), MessageKind::Readout);
    EXPECT_EQ(bar->text().toStdString(), form->model().readout());
    EXPECT_EQ(QAccessible::queryAccessibleInterface(control<QWidget>("messageBar"))->text(QAccessible::Description), bar->text());
}

// A paste longer than a field holds is cut (a pair of UTF-16 units stays whole); the band says so.
TEST_F(Form1Test, CutsALongPasteAndSaysSo) {
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    const QString digit = QString::fromUtf8("\U0001D7D9");
    for (const auto& [name, pasted, kept] : {std::tuple{"txtDateandTime", digit.repeated(300), digit.repeated(200)},
                                             std::tuple{"txtLongitude", QString(1'000'000, u' ') + u'5', QString(200, u' ')}}) {
        field(name)->selectAll();
        field(name)->insert(pasted);
        EXPECT_EQ(text(name), kept);
    }
    settle();
    EXPECT_EQ(dynamic_cast<const MessageBar*>(control<QWidget>("messageBar"))->text(),
              "The longitude text was cut to its first 200 characters, the most a field holds: check what is left and edit "
              "it; the lines stay greyed until then.");
}

// While a text is typed, the lines follow every key, but a field is told its text does not read
// only after a pause in typing or when the focus leaves it; a text that reads clears at once.
TEST(Form1Typing, ScoldsOnlyAfterAPauseOrOnLeaving) {
    test::FakeServices fakes;
    Form1 form(fakes.services(), std::chrono::milliseconds(200));
    form.show();
    QApplication::setActiveWindow(&form);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    auto* date = form.findChild<QLineEdit*>(QStringLiteral("txtDateandTime"));
    date->setFocus();
    date->selectAll();
    QTest::keyClicks(date, QStringLiteral("3/4/"));
    EXPECT_FALSE(form.failureMarks().isMarked(date));
    EXPECT_FALSE(form.findChild<QPushButton*>(QStringLiteral("Command2"))->isEnabled());
    EXPECT_TRUE(QTest::qWaitFor([&] { return form.failureMarks().isMarked(date); }, 2000));
    QTest::keyClicks(date, QStringLiteral("2026"));
    EXPECT_FALSE(form.failureMarks().isMarked(date));
    QTest::keyClicks(date, QStringLiteral(" 6:00 P"));
    EXPECT_FALSE(form.failureMarks().isMarked(date));
    form.findChild<QLineEdit*>(QStringLiteral("txtMJD"))->setFocus();
    EXPECT_TRUE(form.failureMarks().isMarked(date));
}

// A copy is confirmed in the band for a moment; in the list, the select-all and copy keys copy
// both lines as "Copy Vectors" does, and one chosen line alone.
TEST_F(Form1Test, ConfirmsCopiesAndCopiesTheListsSelection) {
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    const auto* bar = dynamic_cast<const MessageBar*>(control<QWidget>("messageBar"));
    QTest::mouseClick(control<QPushButton>("Command4"), Qt::LeftButton);
    EXPECT_EQ(bar->text(), "MJD copied");
    EXPECT_EQ(bar->kind(), MessageKind::Positive);
    typeInto("txtLongitude", QStringLiteral("abc"));  // the next edit's problem shows at once
    settle();
    EXPECT_EQ(bar->text().toStdString(), form->model().noteAt(Control::txtLongitude)->text);
    typeInto("txtLongitude", QStringLiteral("122"));
    auto* list = control<QListWidget>("List1");
    list->setFocus();
    QTest::keyClick(list, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(fakes.clipboard->text, form->model().positionLine() + '\r' + form->model().velocityLine());
    EXPECT_EQ(bar->text(), "RPOS and RVEL lines copied");
    list->setCurrentRow(1);
    QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(fakes.clipboard->text, form->model().velocityLine());
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
        settle();
        ASSERT_TRUE(form->failureMarks().isMarked(marked));
        const QColor tint = marked->palette().color(background);
        const QColor plain = own.color(background);
        EXPECT_GE(tint.red() - (tint.green() + tint.blue()) / 2, plain.red() - (plain.green() + plain.blue()) / 2 + 50);
        EXPECT_GE(contrastRatio(marked->palette().color(foreground), tint), 4.5);
        // The note first, then the control's own words, for a field and a button alike.
        EXPECT_EQ(marked->accessibleDescription(), form->failureMarks().noteAt(marked) + QStringLiteral("\nDescribed"));

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

    const double started = parseLeadingNumber(form.model().text(Control::txtMJD)).value();
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
