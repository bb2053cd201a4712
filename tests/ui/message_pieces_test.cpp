// The message bar and the field problem marks on their own, in a bare window, at each scale
// this binary is registered under.
#include "ui/field_problem.hpp"
#include "ui/message_bar.hpp"

#include <QAccessible>
#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <string>

namespace skyanchor {
namespace {

using namespace std::chrono_literals;

const QString kLongMessage = QStringLiteral(
    "MJD 30000000 is after 31 December 9999, so no date can be shown; the lines are computed. (Error 6, Overflow)");

class MessagePieces : public testing::Test {
protected:
    MessagePieces() {
        host.resize(480, 200);
        bar = new MessageBar(&host);
        field = new QLineEdit(&host);
        field->setAccessibleDescription(QStringLiteral("own description"));
        host.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&host));
    }
    QWidget host;
    MessageBar* bar;
    QLineEdit* field;
};

TEST(MessageColorsTest, ReadAtLeastFourAndAHalfToOneForEveryKindOnLightDarkAndDullPalettes) {
    EXPECT_NEAR(contrastRatio(Qt::black, Qt::white), 21.0, 1e-9);
    const struct {
        const char* name;
        QColor window, text;
        bool keepsOwnText;
    } palettes[] = {{"light", QColor(239, 239, 239), Qt::black, true},
                    {"dark", QColor(53, 53, 53), Qt::white, true},
                    {"dull", QColor(128, 128, 128), QColor(140, 140, 140), false}};
    for (const auto& look : palettes) {
        QPalette palette;
        palette.setColor(QPalette::Window, look.window);
        palette.setColor(QPalette::WindowText, look.text);
        for (const MessageKind kind : {MessageKind::Error, MessageKind::Warning, MessageKind::Positive}) {
            const MessageColors colors = messageColors(kind, palette);
            EXPECT_GE(contrastRatio(colors.text, colors.background), 4.5) << look.name << static_cast<int>(kind);
            EXPECT_NE(colors.background, look.window) << look.name;
            EXPECT_EQ(colors.text == look.text, look.keepsOwnText) << look.name;
        }
    }
}

class MessageBarFonts : public MessagePieces, public testing::WithParamInterface<int> {};

// At every width the whole text lies within the text area of the height asked for, which is never
// less than the two lines reserved, and the icon stands inside the band, clear of the text, on
// the left or, mirrored, on the right.
TEST_P(MessageBarFonts, ReservesTwoLinesAndFitsTheIconAndTheWholeText) {
    QFont font = bar->font();
    font.setPointSize(GetParam());
    bar->setFont(font);
    bar->showMessage(MessageKind::Error, kLongMessage);
    const QFontMetrics metrics(font);
    EXPECT_GE(bar->reservedHeight(), 2 * metrics.lineSpacing());
    EXPECT_GE(bar->iconSide(), metrics.height());
    const int wide = metrics.horizontalAdvance(kLongMessage) + bar->iconSide() + 8 * metrics.averageCharWidth();  // one line
    for (int width = metrics.averageCharWidth() * 20; width <= wide; width += metrics.averageCharWidth() * 7) {
        const QSize size(width, bar->heightForWidth(width));
        bar->resize(size);
        EXPECT_GE(size.height(), bar->reservedHeight());
        const QRect text = bar->textRect(size);
        EXPECT_TRUE(text.contains(bar->textExtent().toAlignedRect())) << width;
        EXPECT_GE(bar->textExtent().height(), metrics.height() * (metrics.horizontalAdvance(kLongMessage) / text.width() + 1) - 1) << width;
        EXPECT_TRUE(QRect(QPoint(0, 0), size).contains(bar->iconRect(size))) << width;
        EXPECT_FALSE(bar->iconRect(size).intersects(text)) << width;
    }
    EXPECT_EQ(bar->heightForWidth(wide), bar->reservedHeight());
    const QSize size(wide, bar->reservedHeight());
    const QRect icon = bar->iconRect(size);
    bar->setLayoutDirection(Qt::RightToLeft);
    EXPECT_EQ(bar->iconRect(size), QRect(size.width() - icon.right() - 1, icon.top(), icon.width(), icon.height()));
    EXPECT_GT(bar->iconRect(size).left(), bar->textRect(size).right());
}

INSTANTIATE_TEST_SUITE_P(Points, MessageBarFonts, testing::Values(8, 9, 12, 16),
                         [](const testing::TestParamInfo<int>& points) { return "font" + std::to_string(points.param) + "pt"; });

// Each new message shows the bar anew, which is what reaches screen readers over AT-SPI (the
// offscreen platform sends no accessibility events to look at); the same message again does not
// repeat itself, and clearing keeps the bar's place.
class ShowCounter final : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Show) ++shows;
        return false;
    }
    int shows = 0;
};

TEST_F(MessagePieces, IsAnAlertNamedByItsTextShownAnewForEachNewMessage) {
    ShowCounter counter;
    bar->installEventFilter(&counter);
    bar->showMessage(MessageKind::Error, QStringLiteral("first"));
    QAccessibleInterface* alert = QAccessible::queryAccessibleInterface(bar);
    EXPECT_EQ(alert->role(), QAccessible::AlertMessage);
    EXPECT_EQ(alert->text(QAccessible::Name), "first");
    EXPECT_EQ(alert->text(QAccessible::Description), "Error");
    bar->showMessage(MessageKind::Error, QStringLiteral("first"));
    EXPECT_EQ(counter.shows, 1);
    bar->showMessage(MessageKind::Warning, QStringLiteral("second"));
    EXPECT_EQ(counter.shows, 2);
    // A readout over a message is no new message: it is its description, and the band is not shown anew.
    bar->showReadout(QStringLiteral("read back"));
    EXPECT_EQ(counter.shows, 2);
    EXPECT_EQ(alert->text(QAccessible::Description), "read back");
    bar->clear();
    EXPECT_TRUE(bar->isHidden());
    EXPECT_TRUE(bar->sizePolicy().retainSizeWhenHidden());
}

TEST_F(MessagePieces, ConfirmsForAMomentUnlessAnotherMessageComes) {
    int gone = 0;
    bar->setAfterConfirmation([&gone] { ++gone; });
    bar->setConfirmationTime(50ms);
    bar->confirm(QStringLiteral("RPOS and RVEL lines copied"));
    EXPECT_EQ(bar->kind(), MessageKind::Positive);
    EXPECT_TRUE(bar->isVisible());
    EXPECT_TRUE(QTest::qWaitFor([this] { return !bar->confirming(); }, 2000));
    EXPECT_EQ(gone, 1);
    bar->confirm(QStringLiteral("copied"));
    bar->showMessage(MessageKind::Error, QStringLiteral("failed"));
    QTest::qWait(150);
    EXPECT_TRUE(bar->isVisible());
    EXPECT_EQ(gone, 1);
}

TEST_F(MessagePieces, MarksAFieldWithOneIconWhoseTooltipIsTheMessage) {
    markFieldProblem(field, QStringLiteral("first"));
    markFieldProblem(field, QStringLiteral("second"));
    ASSERT_EQ(field->actions().size(), 1);
    EXPECT_EQ(fieldProblem(field), "second");
    EXPECT_EQ(field->accessibleDescription(), "second\nown description");
    clearFieldProblem(field);
    EXPECT_TRUE(field->actions().isEmpty());
    EXPECT_EQ(field->accessibleDescription(), "own description");
}

struct ScoldCase {
    const char* name;
    const char* steps;  // x: an edit that does not read, v: one that reads, p: a pause, f: the focus leaves
    int scolds;
    int forgives;
};

void PrintTo(const ScoldCase& scoldCase, std::ostream* out) { *out << scoldCase.name; }

class ScoldDelays : public MessagePieces, public testing::WithParamInterface<ScoldCase> {};

TEST_P(ScoldDelays, ScoldAfterAPauseOrOnLeavingAndForgiveAtOnce) {
    int scolds = 0;
    int forgives = 0;
    ScoldDelay delay(field, [&scolds] { ++scolds; }, [&forgives] { ++forgives; }, 40ms);
    for (const char step : std::string(GetParam().steps)) {
        if (step == 'x' || step == 'v') delay.edited(step == 'v');
        if (step == 'p') QTest::qWait(120);
        if (step == 'f') {
            QFocusEvent leaves(QEvent::FocusOut);
            QApplication::sendEvent(field, &leaves);
        }
    }
    EXPECT_EQ(scolds, GetParam().scolds);
    EXPECT_EQ(forgives, GetParam().forgives);
}

INSTANTIATE_TEST_SUITE_P(Steps, ScoldDelays,
                         testing::Values(ScoldCase{"TypingOn", "xxx", 0, 0}, ScoldCase{"Pause", "xxp", 1, 0},
                                         ScoldCase{"FocusLeaves", "xf", 1, 0}, ScoldCase{"ReadsBeforeThePause", "xvp", 0, 0},
                                         ScoldCase{"ReadsAfterScolding", "xpvp", 1, 1},
                                         ScoldCase{"LeavesAReadingText", "vf", 0, 0}),
                         [](const testing::TestParamInfo<ScoldCase>& steps) { return std::string(steps.param.name); });

}  // namespace
}  // namespace skyanchor
