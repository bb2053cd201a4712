#include "qt_printers.hpp"
#include "test_locales.hpp"
#include "text/number_text.hpp"
#include "ui/failure_report.hpp"
#include "ui/form1.hpp"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace skyanchor {
namespace {

constexpr double kStartSerial = 46364.30810185185;  // 8 December 2026, 07:23:40
constexpr double kOneSecond = 1.0 / 86400.0;

const char* const kWestPosition = "RPOS-39228377.3392282 -6150164.35880617 14178232.2923016";
const char* const kWestVelocity = "RVEL-1127.02219995875 1138.41372611666 -2624.4329926753";
const char* const kEastPosition = "RPOS 31087153.2070743 -11334910.5632083 26130845.5517158";
const char* const kEastVelocity = "RVEL-2077.13080399083 -902.154111825446 2079.77377752537";

class FakeClipboard final : public Clipboard {
public:
    void clear() override {
        operations.push_back("clear");
        text.clear();
    }
    void setText(const QString& newText) override {
        if (refuses) throw Failure(FailureNumber::ClipboardUnavailable);
        operations.push_back("set");
        text = newText;
    }
    std::vector<std::string> operations;
    QString text = QStringLiteral("held before");
    bool refuses = false;
};

// The window with a clock that gives two readings one second apart, a clipboard and a failure
// report that the test can look into, and the United States' date conventions.
class Form1Test : public testing::Test {
protected:
    void SetUp() override {
        Form1Services services{
            .readClock = [this] { return kStartSerial + kOneSecond * clockReadings++; },
            .clipboard = clipboard,
            .reportFailure = [this](QWidget*, const Failure& failure) { reported.push_back(failure.number()); },
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

    QStringList listLines() const {
        QStringList lines;
        for (int row = 0; row < list()->count(); ++row) lines << list()->item(row)->text();
        return lines;
    }

    int clockReadings = 0;
    int generates = 0;
    std::vector<int> reported;
    std::shared_ptr<FakeClipboard> clipboard = std::make_shared<FakeClipboard>();
    std::unique_ptr<Form1> form;
};

TEST_F(Form1Test, StartUpFillsTheTimeFieldsAndComputesOnce) {
    EXPECT_EQ(clockReadings, 2);
    EXPECT_EQ(text("txtDateandTime"), "12/8/2026 7:23:40 AM");
    EXPECT_EQ(text("txtMJD").toStdString(), formatNumber(kStartSerial + kOneSecond + 15018));
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

    control<QPushButton>("Command3")->click();
    const double earth = parseLeadingNumber(before[1].mid(4).section(' ', 0, 0, QString::SectionSkipEmpty).toStdString());
    const double sun = parseLeadingNumber(listLines()[1].mid(4).section(' ', 0, 0, QString::SectionSkipEmpty).toStdString());
    EXPECT_NEAR(sun / earth, std::sqrt(320000.0), 1e-9);
    EXPECT_EQ(listLines()[0], before[0]);
}

TEST_F(Form1Test, ElementEditsWaitForGenerate) {
    const QStringList before = listLines();
    field("txtEccentricity")->setText(QStringLiteral("0.1"));
    EXPECT_EQ(listLines(), before);
    control<QPushButton>("Command1")->click();
    EXPECT_NE(listLines(), before);
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
    EXPECT_EQ(listLines()[0].toStdString(), form->positionLine());
    field("txtRotationalPeriod")->setText(QStringLiteral("-1"));
    typeInto("txtDateandTime", QStringLiteral("1/1/2000"));
    EXPECT_EQ(text("txtMJD"), "51544");
    EXPECT_TRUE(reported.empty());
    EXPECT_TRUE(form->isLinkArmed());
}

struct ReportedCase {
    const char* mjd;
    int number;
};

class Form1ReportedFailures : public Form1Test, public testing::WithParamInterface<ReportedCase> {};

// A failure that used to end the program is reported, and the window carries on as it was.
TEST_P(Form1ReportedFailures, KeepTheWindowGoing) {
    typeInto("txtMJD", QStringLiteral("51544.5"));
    const QString date = text("txtDateandTime");
    const QStringList lines = listLines();
    field("txtMJD")->setText(QString::fromLatin1(GetParam().mjd));
    EXPECT_EQ(reported, std::vector<int>{GetParam().number});
    EXPECT_EQ(text("txtDateandTime"), date);
    EXPECT_EQ(listLines(), lines);
    EXPECT_TRUE(form->isLinkArmed());

    typeInto("txtMJD", QStringLiteral("51544.5"));
    QTest::mouseClick(control<QRadioButton>("optEast"), Qt::LeftButton);
    EXPECT_EQ(listLines(), QStringList({kEastPosition, kEastVelocity}));
}

INSTANTIATE_TEST_SUITE_P(Mjds, Form1ReportedFailures,
                         testing::Values(ReportedCase{"3000000", 6}, ReportedCase{"1E+400", 6},
                                         ReportedCase{"-642417", 6}));

TEST_F(Form1Test, AClipboardThatRefusesIsReported) {
    clipboard->refuses = true;
    const QStringList lines = listLines();
    QTest::mouseClick(control<QPushButton>("Command2"), Qt::LeftButton);
    EXPECT_EQ(reported, std::vector<int>{521});
    EXPECT_EQ(clipboard->operations, std::vector<std::string>{"clear"});
    EXPECT_EQ(listLines(), lines);
    EXPECT_EQ(failureReportText(Failure(FailureNumber::Overflow)), "Run-time error '6':\n\nOverflow");
}

TEST_F(Form1Test, CloseHidesTheWindow) {
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    QTest::mouseClick(control<QPushButton>("Command5"), Qt::LeftButton);
    EXPECT_FALSE(form->isVisible());
}

}  // namespace
}  // namespace skyanchor
