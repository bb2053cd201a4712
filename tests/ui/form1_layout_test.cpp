// The window's look at every application font in each environment this binary is registered
// under (scale factors 1, 1.5 and 2, a font DPI of 144), its keyboard and its accessibility.
#include "form_fixture.hpp"
#include "qt_printers.hpp"
#include "ui/beside_form.hpp"
#include "ui/caption_frame.hpp"
#include "ui/form1.hpp"
#include "ui/message_bar.hpp"
#include "ui/orbit_picture.hpp"
#include "ui/wrapping_button.hpp"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QApplication>
#include <QCloseEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QScrollBar>
#include <QShortcut>
#include <QSignalSpy>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QtTest/qtestspontaneevent.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <iterator>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace skyanchor {
namespace {

constexpr int kReferencePoints = 9;

// Every shown control but the panel that holds them.
const char* const kShownControls[] = {"Frame13", "txtLongitude", "optEast", "optWest", "Frame16", "txtDateandTime",
                                      "Frame15", "txtMJD", "List1", "Command4", "Command2", "Command5"};
const char* const kShownButtons[] = {"Command4", "Command2", "Command5"};

// The window built under an application font of the given size, shown, with its controls described.
class Form1AtFont {
public:
    explicit Form1AtFont(int points) : saved_(QApplication::font()) {
        QFont font = saved_;
        font.setPointSize(points);
        QApplication::setFont(font);
        form = std::make_unique<Form1>(fakes.services());
        form->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }
    ~Form1AtFont() {
        form.reset();
        QApplication::setFont(saved_);
    }
    Form1AtFont(const Form1AtFont&) = delete;
    Form1AtFont& operator=(const Form1AtFont&) = delete;

    template <class Widget = QWidget>
    Widget* control(const char* name) const {
        auto* widget = form->findChild<Widget*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    // A control's rectangle in the window's client area.
    QRect inWindow(const char* name) const {
        const QWidget* widget = control(name);
        return {widget->mapTo(form.get(), QPoint(0, 0)), widget->size()};
    }
    [[nodiscard]] bool atReferenceFont() const {
        return QFontInfo(QApplication::font()).pointSize() == kReferencePoints && form->logicalDpiY() == 96;
    }

    test::FakeServices fakes;
    std::unique_ptr<Form1> form;

private:
    QFont saved_;
};

std::string fontName(const testing::TestParamInfo<int>& info) { return "font" + std::to_string(info.param) + "pt"; }

class Form1Fonts : public testing::TestWithParam<int> {
protected:
    Form1AtFont window{GetParam()};
};

INSTANTIATE_TEST_SUITE_P(Matrix, Form1Fonts, testing::Values(8, 9, 10, 11, 13, 16), fontName);

struct Placement {
    const char* name;
    QRect pixels;  // at the reference font, in its container
};

const Placement kDesigned[] = {
    {"Frame13", {8, 8, 377, 49}},       {"txtLongitude", {8, 16, 129, 25}},
    {"optEast", {160, 16, 81, 25}},       {"optWest", {216, 16, 81, 25}},     {"Frame16", {8, 64, 377, 49}},
    {"txtDateandTime", {8, 16, 361, 25}}, {"Frame15", {8, 120, 377, 49}},     {"txtMJD", {8, 16, 361, 25}},
    {"List1", {8, 184, 377, 43}},         {"Command4", {8, 240, 81, 33}},     {"Command2", {96, 240, 81, 33}},
    {"Command5", {184, 240, 81, 33}},
};

// One factor scales the client area and every rectangle, up to the pixel each edge is rounded to
// and the error of the factor read back from the client width; at the reference font it is 1 exactly.
// The message band above the panel is three lines of the font high, and the panel stands below it.
TEST_P(Form1Fonts, ScalesTheClientAreaAndEveryControlByOneFactor) {
    const double factor = window.form->width() / 423.0;
    const auto near = [factor](int actual, int designed) { return std::abs(actual - designed * factor) <= 1.0 + designed * 0.5 / 423.0; };
    const QRect panel = window.control("Frame8")->geometry();
    const QRect band = window.control("messageBar")->geometry();
    EXPECT_TRUE(near(band.left(), 8) && near(band.top(), 6) && near(band.width(), 393)) << band.x() << "," << band.y();
    EXPECT_GE(band.height(), 3 * window.form->fontMetrics().lineSpacing());
    EXPECT_TRUE(near(panel.top() - band.bottom() - 1, 6) && near(panel.left(), 8) && near(panel.width(), 393) &&
                near(panel.height(), 289))
        << panel.x() << "," << panel.y() << " " << panel.width() << "x" << panel.height();
    EXPECT_TRUE(near(window.form->height() - panel.top(), 309 - 24)) << window.form->height();
    if (window.atReferenceFont()) {
        EXPECT_EQ(window.form->width(), 423);
    }
    for (const Placement& designed : kDesigned) {
        const QRect actual = window.control(designed.name)->geometry();
        EXPECT_TRUE(near(actual.left(), designed.pixels.left()) && near(actual.top(), designed.pixels.top()) &&
                    near(actual.width(), designed.pixels.width()) && near(actual.height(), designed.pixels.height()))
            << designed.name << " at " << actual.x() << "," << actual.y() << " " << actual.width() << "x" << actual.height();
        if (window.atReferenceFont()) {
            EXPECT_EQ(actual, designed.pixels) << designed.name;
        }
    }
}

// The text area of a line edit: its contents less the margins the field keeps round its text.
QRect lineEditTextArea(const QLineEdit* field) {
    QStyleOptionFrame option;
    option.initFrom(field);
    option.rect = field->rect();
    option.lineWidth = field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, field);
    option.features = QStyleOptionFrame::None;
    constexpr int horizontalMargin = 2;
    constexpr int verticalMargin = 1;
    return field->style()
        ->subElementRect(QStyle::SE_LineEditContents, &option, field)
        .adjusted(horizontalMargin, verticalMargin, -horizontalMargin, -verticalMargin);
}

TEST_P(Form1Fonts, FitsEveryFieldTextInsideItsFrameBelowTheCaption) {
    for (const auto& [frameName, fieldName] : {std::pair{"Frame13", "txtLongitude"}, std::pair{"Frame16", "txtDateandTime"},
                                               std::pair{"Frame15", "txtMJD"}}) {
        auto* frame = window.control<CaptionFrame>(frameName);
        auto* field = window.control<QLineEdit>(fieldName);
        const QFontMetrics captionMetrics(frame->font());
        const QRect caption = frame->captionRect();
        EXPECT_LE(captionMetrics.horizontalAdvance(frame->title()), caption.width()) << frameName;
        EXPECT_TRUE(frame->rect().contains(caption)) << frameName;

        constexpr int border = CaptionFrame::kBorderWidth;
        const QRect insideBorder = frame->borderRect().adjusted(border, border, -border, -border);
        EXPECT_TRUE(insideBorder.contains(field->geometry())) << fieldName;
        EXPECT_GT(field->geometry().top(), caption.bottom()) << fieldName;

        const QRect textArea = lineEditTextArea(field);
        const QFontMetrics fieldMetrics(field->font());
        EXPECT_LE(fieldMetrics.horizontalAdvance(field->text()), textArea.width()) << fieldName;
        EXPECT_LE(fieldMetrics.height(), textArea.height()) << fieldName;
    }
}

// "East" ends before "West" begins, though their boxes overlap as designed.
TEST_P(Form1Fonts, FitsTheOptionCaptionsWithoutEastRunningIntoWest) {
    for (const char* name : {"optEast", "optWest"}) {
        auto* option = window.control<QRadioButton>(name);
        QStyleOptionButton style;
        style.initFrom(option);
        style.text = option->text();
        const QRect captionArea = option->style()->subElementRect(QStyle::SE_RadioButtonContents, &style, option);
        const QFontMetrics metrics(option->font());
        const int shownWidth = metrics.size(Qt::TextShowMnemonic, option->text()).width();
        EXPECT_LE(shownWidth, captionArea.width()) << name;
        EXPECT_LE(metrics.height(), captionArea.height()) << name;
        if (option->objectName() == "optEast") {
            const int eastEnds = option->x() + captionArea.left() + shownWidth;
            EXPECT_LT(eastEnds, window.control("optWest")->x());
        }
    }
}

TEST_P(Form1Fonts, FitsTheButtonCaptionsInOneFont) {
    const QFont shared = window.control(kShownButtons[0])->font();
    for (const char* name : kShownButtons) {
        auto* button = window.control<QPushButton>(name);
        EXPECT_EQ(button->font(), shared) << name;
        const QRect area = WrappingButton::captionArea(button->size());
        const QRect caption = QFontMetrics(button->font()).boundingRect(area, WrappingButton::kCaptionFlags, button->text());
        EXPECT_TRUE(area.contains(caption)) << name;
    }
    EXPECT_GE(shared.pointSizeF(), GetParam() * 7.0 / 9.0);
    // The largest that fits: a quarter point more, and some caption no longer fits its button.
    if (shared.pointSizeF() < window.form->font().pointSizeF()) {
        QFont larger = shared;
        larger.setPointSizeF(shared.pointSizeF() + 0.25);
        const bool allFit = std::all_of(std::begin(kShownButtons), std::end(kShownButtons), [&](const char* name) {
            auto* button = window.control<QPushButton>(name);
            const QRect area = WrappingButton::captionArea(button->size());
            return area.contains(QFontMetrics(larger).boundingRect(area, WrappingButton::kCaptionFlags, button->text()));
        });
        EXPECT_FALSE(allFit) << "captions would fit at " << larger.pointSizeF() << " pt";
    }
    if (window.atReferenceFont()) {
        EXPECT_GE(shared.pointSizeF(), 7.0);
    }
}

// The two lines in full, in Inconsolata at the window's own text size, with no scrolling, for
// longitudes and instants whose lines are among the longest.
TEST_P(Form1Fonts, ShowsBothLinesInFull) {
    auto* list = window.control<QListWidget>("List1");
    const QFontMetrics metrics(list->font());
    for (const char* longitude : {"122", "0", "90", "179.999"}) {
        window.control<QLineEdit>("txtLongitude")->setText(QString::fromLatin1(longitude));
        for (const char* mjd : {"51544.5", "60000.25", "0"}) {
            window.control<QLineEdit>("txtMJD")->setText(QString::fromLatin1(mjd));
            ASSERT_EQ(list->count(), 2);
            QApplication::processEvents();
            for (int row = 0; row < 2; ++row) {
                const QString line = list->item(row)->text();
                EXPECT_LE(metrics.horizontalAdvance(line), list->viewport()->width()) << line.toStdString();
                EXPECT_TRUE(list->viewport()->rect().contains(list->visualItemRect(list->item(row)))) << line.toStdString();
            }
            EXPECT_FALSE(list->horizontalScrollBar()->isVisible()) << longitude << " " << mjd;
            EXPECT_FALSE(list->verticalScrollBar()->isVisible()) << longitude << " " << mjd;
        }
    }
    EXPECT_EQ(QFontInfo(list->font()).family(), "Inconsolata");
    EXPECT_TRUE(QFontInfo(list->font()).fixedPitch());
    EXPECT_GE(QFontInfo(list->font()).pointSizeF(), QFontInfo(window.form->font()).pointSizeF() - 0.5);
}

// The longest messages, quoting a text typed in each script at its longest, stand whole in the
// band; for a Latin text the band is as it was built, so nothing in the window moved, and a band
// grown for a taller script takes the toggle beside the form down with the form.
TEST_P(Form1Fonts, ShowsTheLongestMessagesWhole) {
    QApplication::setActiveWindow(window.form.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.form.get()));
    const QTemporaryDir folder;
    const BesideForm beside(*window.form, window.fakes.clipboard, folder.filePath(QStringLiteral("set.txt")));
    window.form->showBeside(true);
    const QSize built = window.form->size();
    const auto* bar = window.control<MessageBar>("messageBar");
    for (const char16_t* letter : {u"W", u"\u0639", u"\u05E9", u"\u0E01", u"\u56FD", u"\u0915"}) {
        for (const char* name : {"txtLongitude", "txtDateandTime", "txtMJD"}) {
            window.control<QLineEdit>(name)->setFocus();
            window.control<QLineEdit>(name)->setText(u'1' + QString::fromUtf16(letter).repeated(41));
            window.control("optEast")->setFocus();  // the field's message shows as the focus leaves it
            EXPECT_TRUE(bar->text().contains(QString::fromUtf16(letter).repeated(40), Qt::CaseInsensitive)) << name;
            EXPECT_TRUE(QRectF(bar->textRect(bar->size())).contains(bar->textExtent()) && bar->y() + bar->height() < window.control("Frame8")->y());
            EXPECT_TRUE(window.form->size() == built || *letter != u'W') << name;
            EXPECT_EQ(window.control("besideToggle")->y(), window.control("Frame8")->y()) << name;
            window.control<QLineEdit>(name)->setText(QStringLiteral("1"));
        }
    }
}

// Controls stand apart, East and West excepted, and each lies wholly within its container and the
// client area (the borderless panel reaches a few pixels below it, as designed).
TEST_P(Form1Fonts, KeepsEveryShownControlApartAndWithinItsContainer) {
    for (const char* name : kShownControls) {
        const QWidget* widget = window.control(name);
        EXPECT_TRUE(widget->isVisible()) << name;
        EXPECT_TRUE(widget->parentWidget()->rect().contains(widget->geometry())) << name;
        EXPECT_TRUE(window.form->rect().contains(window.inWindow(name))) << name;
    }
    for (const char* first : kShownControls) {
        for (const char* second : kShownControls) {
            const QWidget* a = window.control(first);
            const QWidget* b = window.control(second);
            if (a == b || a->isAncestorOf(b) || b->isAncestorOf(a)) continue;
            const bool designedOverlap = std::string(first).starts_with("opt") && std::string(second).starts_with("opt");
            EXPECT_EQ(window.inWindow(first).intersects(window.inWindow(second)), designedOverlap) << first << " " << second;
        }
    }
}

// The window keeps the size its font gives it and offers no maximise button, so nothing is ever
// left in the corner of an empty window; no hidden control shows.
TEST_P(Form1Fonts, KeepsItsSize) {
    const QSize designed = window.form->size();
    EXPECT_EQ(window.form->minimumSize(), designed);
    EXPECT_EQ(window.form->maximumSize(), designed);
    EXPECT_FALSE(window.form->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    window.form->resize(designed * 3);
    QApplication::processEvents();
    EXPECT_EQ(window.form->size(), designed);
    for (QWidget* widget : window.form->findChildren<QWidget*>()) {
        const bool shown = widget == window.control("messageBar") || widget == window.control("Frame8");
        if (!shown && !window.control("Frame8")->isAncestorOf(widget) && !window.control("messageBar")->isAncestorOf(widget)) {
            EXPECT_FALSE(widget->isVisible()) << widget->objectName().toStdString();
        }
    }
}

// Under -reverse or in a right-to-left locale every control and the band stand mirrored within
// their containers, left to right as they were.
TEST(Form1Mirrored, MirrorsEveryControlWithinItsContainer) {
    std::vector<const char*> names(std::begin(kShownControls), std::end(kShownControls));
    names.insert(names.end(), {"Frame8", "messageBar"});
    std::map<std::string, QRect> leftToRight;
    for (const char* name : names) leftToRight[name] = Form1AtFont(kReferencePoints).control(name)->geometry();
    const QLocale saved;
    for (const auto& [direction, locale] : {std::pair{Qt::RightToLeft, saved}, std::pair{Qt::LeftToRight, QLocale(QStringLiteral("he_IL"))}}) {
        QApplication::setLayoutDirection(direction);
        QLocale::setDefault(locale);
        const Form1AtFont window{kReferencePoints};
        QApplication::setLayoutDirection(Qt::LeftToRight);
        QLocale::setDefault(saved);
        for (const char* name : names) {
            const QWidget* widget = window.control(name);
            EXPECT_EQ(widget->geometry(), QStyle::visualRect(Qt::RightToLeft, widget->parentWidget()->rect(), leftToRight[name])) << name;
        }
    }
}

class Form1Keys : public testing::Test {
protected:
    void SetUp() override {
        QApplication::setActiveWindow(window.form.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.form.get()));
    }
    Form1AtFont window{kReferencePoints};
};

TEST_F(Form1Keys, StartsInTheLongitudeAndTabsInTheDesignedOrder) {
    EXPECT_TRUE(window.control<QRadioButton>("optWest")->isChecked());
    EXPECT_FALSE(window.control<QRadioButton>("optEast")->isChecked());
    ASSERT_EQ(QApplication::focusWidget(), window.control("txtLongitude"));
    QStringList visited;
    for (int press = 0; press < 8; ++press) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    // The East/West group is one tab stop, at the checked one; the arrow keys move the choice.
    EXPECT_EQ(visited, QStringList({"optWest", "txtDateandTime", "txtMJD", "List1", "Command4", "Command2", "Command5",
                                    "txtLongitude"}));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), window.control("optWest"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
    EXPECT_EQ(QApplication::focusWidget(), window.control("optEast"));
    EXPECT_TRUE(window.control<QRadioButton>("optEast")->isChecked());
}

TEST_F(Form1Keys, ReturnEnterAndSpacePressTheFocusedButton) {
    for (const char* name : {"Command2", "Command4"}) {
        auto* button = window.control<QPushButton>(name);
        button->setFocus();
        QSignalSpy clicks(button, &QPushButton::clicked);
        QTest::keyClick(button, Qt::Key_Return);
        QTest::keyClick(button, Qt::Key_Enter, Qt::KeypadModifier);
        QTest::keyClick(button, Qt::Key_Space);
        EXPECT_EQ(clicks.size(), 3) << name;
        QTest::keyClick(button, Qt::Key_Return, Qt::ShiftModifier);
        EXPECT_EQ(clicks.size(), 3) << name;
    }
    EXPECT_EQ(window.fakes.clipboard->text, window.control<QLineEdit>("txtMJD")->text().toStdString());
}

// Each Alt key reaches its control (a field through its caption), is a letter of that caption and
// no other's; an Alt key that names no control types nothing into a field.
TEST_F(Form1Keys, ReachEachControlByItsAltKeyAndTypeNothingIntoAField) {
    QString letters;
    for (const auto& [letter, name] : {std::pair{'L', "txtLongitude"}, {'E', "optEast"}, {'W', "optWest"}, {'D', "txtDateandTime"},
                                       {'M', "txtMJD"}, {'P', "Command4"}, {'V', "Command2"}, {'C', "Command5"}}) {
        QWidget* target = window.control(name);
        auto* button = qobject_cast<QAbstractButton*>(target);
        const auto* frame = dynamic_cast<CaptionFrame*>(target->parentWidget());
        const QString caption = button != nullptr ? button->text().remove(u'&') : frame->title();
        EXPECT_EQ(button != nullptr ? QKeySequence::mnemonic(button->text()) : frame->findChild<QShortcut*>()->key(),
                  QKeySequence(Qt::ALT | static_cast<Qt::Key>(letter))) << name;
        EXPECT_TRUE(caption.contains(QChar::fromLatin1(letter), Qt::CaseInsensitive) && !letters.contains(QChar::fromLatin1(letter))) << name;
        letters += QChar::fromLatin1(letter);
        if (letter == 'C') continue;  // Close would end the window
        QSignalSpy pressed(button != nullptr ? button : window.control<QAbstractButton>("optWest"), &QAbstractButton::clicked);
        QTest::keyClick(window.form.get(), static_cast<Qt::Key>(letter), Qt::AltModifier);
        EXPECT_TRUE(QApplication::focusWidget() == target || pressed.wait(2000)) << name;  // a push button is pressed, not focused
    }
    for (const char* name : {"txtLongitude", "txtDateandTime", "txtMJD"}) {
        const QString before = window.control<QLineEdit>(name)->text();
        for (int letter = 0; letter < 26; ++letter) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_A + letter, Qt::AltModifier, QString(QChar(u'a' + letter)));
            QApplication::sendEvent(window.control(name), &press);
        }
        EXPECT_EQ(window.control<QLineEdit>(name)->text(), before) << name;
    }
}

struct CloseCase {
    const char* name;
    std::function<void(Form1&)> close;
};

void PrintTo(const CloseCase& closeCase, std::ostream* out) { *out << closeCase.name; }

class Form1Closes : public Form1Keys, public testing::WithParamInterface<CloseCase> {};

// Each way of closing presses "Close" once, and the program's event loop ends with status 0.
TEST_P(Form1Closes, EndTheProgramAsCloseDoes) {
    QSignalSpy closes(window.control<QPushButton>("Command5"), &QPushButton::clicked);
    QTimer::singleShot(0, window.form.get(), [this] { GetParam().close(*window.form); });
    QTimer giveUp;
    giveUp.setSingleShot(true);
    QObject::connect(&giveUp, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    giveUp.start(3000);
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_EQ(closes.size(), 1);
    EXPECT_FALSE(window.form->isVisible());
}

INSTANTIATE_TEST_SUITE_P(
    Ways, Form1Closes,
    testing::Values(CloseCase{"CtrlQ", [](Form1& form) { QTest::keyClick(&form, Qt::Key_Q, Qt::ControlModifier); }},
                    CloseCase{"CtrlW", [](Form1& form) { QTest::keyClick(&form, Qt::Key_W, Qt::ControlModifier); }},
                    CloseCase{"WindowSystemClose",
                              [](Form1& form) {
                                  QCloseEvent fromTheWindowSystem;
                                  QSpontaneKeyEvent::setSpontaneous(&fromTheWindowSystem);
                                  qApp->notify(&form, &fromTheWindowSystem);  // keeps the event spontaneous
                              }}),
    [](const testing::TestParamInfo<CloseCase>& way) { return std::string(way.param.name); });

struct Description {
    const char* control;
    const char* nameHas;
    const char* descriptionHas;
};

void PrintTo(const Description& description, std::ostream* out) { *out << description.control; }

class Form1Accessibility : public testing::TestWithParam<Description> {
protected:
    Form1AtFont window{kReferencePoints};
};

// Read through the interfaces a screen reader uses; the tooltip says the same.
TEST_P(Form1Accessibility, NamesAndDescribesTheControl) {
    QWidget* widget = window.control(GetParam().control);
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    ASSERT_NE(accessible, nullptr);
    const QString name = accessible->text(QAccessible::Name);
    const QString description = accessible->text(QAccessible::Description);
    EXPECT_TRUE(name.contains(QString::fromUtf8(GetParam().nameHas))) << name.toStdString();
    EXPECT_TRUE(description.contains(QString::fromUtf8(GetParam().descriptionHas))) << description.toStdString();
    EXPECT_NE(name, description);
    EXPECT_EQ(widget->toolTip(), description);
    if (dynamic_cast<CaptionFrame*>(widget) != nullptr) {
        EXPECT_EQ(accessible->role(), QAccessible::Grouping);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Shown, Form1Accessibility,
    testing::Values(Description{"Frame8", "satellite", "position and velocity"},
                    Description{"Frame13", "Longitude", "degrees"},
                    Description{"txtLongitude", "Longitude in degrees", "East or West"},
                    Description{"optEast", "East", "east of the prime meridian"},
                    Description{"optWest", "West", "west of the prime meridian"},
                    Description{"Frame16", "Date and Time", "Universal Time"},
                    Description{"txtDateandTime", "Date and time in UT", "for example 12/8/2026 7:23:40 AM"},
                    Description{"Frame15", "MJD", "Modified Julian Date"},
                    Description{"txtMJD", "Modified Julian Date", "in days"},
                    Description{"List1", "Position and velocity lines", "metres per second"},
                    Description{"Command4", "Copy MJD to clipboard", "Copies the Modified Julian Date"},
                    Description{"Command2", "Copy Vectors to Clipboard", "Copies the position and velocity lines"},
                    Description{"Command5", "Close", "ends the program"}),
    [](const testing::TestParamInfo<Description>& shown) { return std::string(shown.param.control); });

TEST(Form1Window, HasItsTitleAndItsOwnIcon) {
    Form1AtFont window{kReferencePoints};
    EXPECT_EQ(window.form->windowTitle(), "Skyanchor Satellite");
    // The icon comes once the window has painted, so that it never delays the window's appearance.
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window.form->windowIcon().isNull(); }, 5000));
    const QIcon icon = window.form->windowIcon();
    EXPECT_FALSE(icon.pixmap(QSize(32, 32)).isNull());
    EXPECT_TRUE(QFile::exists(QStringLiteral(":/icons/" SKYANCHOR_APP_ID ".svg")));
}

// No panel beside the form is narrower than the share by which a narrow screen is told without
// building it; built when the toggle first shows it, it follows the form.
TEST_P(Form1Fonts, BuildsNoPanelNarrowerThanTheShareItSkipsBy) {
    const QTemporaryDir folder;
    const double formWidth = window.form->width();
    const BesideForm beside(*window.form, window.fakes.clipboard, folder.filePath(QStringLiteral("set.txt")));
    window.form->showBeside(true);
    EXPECT_EQ(beside.picture().data().satellites.size(), 1U);
    EXPECT_GE(beside.sizeHint().width() / formWidth, Form1::kNarrowestBesideShare);
}

}  // namespace
}  // namespace skyanchor
