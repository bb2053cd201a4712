#include "form1_fixture.hpp"
#include "form/satellite_set.hpp"
#include "ui/beside_form.hpp"
#include "ui/message_bar.hpp"
#include "ui/orbit_picture.hpp"
#include "ui/set_panel.hpp"
#include "words/satellite_set.hpp"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>

#include <QApplication>
#include <QTest>

#include <cmath>
#include <functional>
#include <map>
#include <numbers>

namespace skyanchor {
namespace {

// The panel beside the window's form, following its events, keeping its set in a folder of its own.
class SetPanelTest : public test::WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        panel = std::make_unique<SetPanel>(form->model(), fakes.clipboard, keptFile());
        form->setAfterEvent([this] { panel->formChanged(); });
    }
    [[nodiscard]] QString keptFile() const { return folder.filePath(QStringLiteral("kept/set.txt")); }
    void press(const char* name) const { panel->findChild<QPushButton*>(QString::fromLatin1(name))->click(); }
    [[nodiscard]] QStringList rows() const {
        const auto* list = panel->findChild<QListWidget*>(QStringLiteral("setRows"));
        QStringList texts;
        for (int row = 0; row < list->count(); ++row) texts << list->item(row)->text();
        return texts;
    }
    void select(int row) const { panel->findChild<QListWidget*>(QStringLiteral("setRows"))->setCurrentRow(row); }
    QString writeFile(const char* name, const char* text) const {
        QFile file(folder.filePath(QString::fromLatin1(name)));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(text) > 0);
        return file.fileName();
    }

    QTemporaryDir folder;
    std::unique_ptr<SetPanel> panel;
};

// Ten satellites 10 degrees apart from an empty set to the clipboard: type 0, "Add ring", "Copy
// set". Each pair is what the form shows for that longitude.
TEST_F(SetPanelTest, TenSatellitesInThreeActions) {
    typeInto("txtLongitude", QStringLiteral("0"));
    press("addRing");
    press("copySet");
    const QStringList copied = QString::fromStdString(fakes.clipboard->text).split(u'\r');
    ASSERT_EQ(copied.size(), 20);
    control<QRadioButton>("optEast")->click();
    for (int at = 0; at < 10; ++at) {
        typeInto("txtLongitude", QString::number(10 * at));
        EXPECT_EQ(copied.mid(2 * at, 2), listLines()) << at;
    }
    EXPECT_EQ(panel->messages().text(), QStringLiteral("Set copied: 10 satellites"));
}

TEST_F(SetPanelTest, EditsTheRowsAndKeepsThemBetweenRuns) {
    struct Step {
        std::function<void()> action;
        QStringList rows;
    };
    const Step steps[] = {
        {[&] { press("addToSet"); }, {QStringLiteral("122 W")}},
        {[&] {
             panel->findChild<QSpinBox*>(QStringLiteral("ringCount"))->setValue(3);
             panel->findChild<QDoubleSpinBox*>(QStringLiteral("ringStep"))->setValue(120);
             press("addRing");
         },
         {QStringLiteral("122 W"), QStringLiteral("122 W"), QStringLiteral("2 W"), QStringLiteral("118 E")}},
        {[&] { select(1); press("removeRow"); }, {QStringLiteral("122 W"), QStringLiteral("2 W"), QStringLiteral("118 E")}},
        {[&] {
             press("addToSet");
             select(3);
             auto* list = panel->findChild<QListWidget*>(QStringLiteral("setRows"));
             list->setFocus();
             QTest::keyClick(list, Qt::Key_Delete);
         },
         {QStringLiteral("122 W"), QStringLiteral("2 W"), QStringLiteral("118 E")}},
        {[&] { select(2); press("moveUp"); }, {QStringLiteral("122 W"), QStringLiteral("118 E"), QStringLiteral("2 W")}},
        {[&] { select(0); press("moveDown"); }, {QStringLiteral("118 E"), QStringLiteral("122 W"), QStringLiteral("2 W")}},
    };
    panel->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(panel.get()));
    for (const Step& step : steps) {
        step.action();
        EXPECT_EQ(rows(), step.rows);
    }
    const SetPanel nextRun(form->model(), fakes.clipboard, keptFile());
    EXPECT_EQ(nextRun.satelliteSet().rows(), panel->satelliteSet().rows());
}

// A file with a wrong line opens nothing and names the line; a row without lines at the instant
// is marked and keeps the set from being copied.
TEST_F(SetPanelTest, RefusesBadFilesAndRowsWithoutLines) {
    panel->openFile(writeFile("good.txt", "# two\n75.5 E\n10 W\n"));
    const QStringList opened = rows();
    EXPECT_EQ(opened, (QStringList{QStringLiteral("75.5 E"), QStringLiteral("10 W")}));
    panel->openFile(writeFile("bad.txt", "75.5 E\n\n75.5 N\n"));
    EXPECT_EQ(rows(), opened);
    EXPECT_TRUE(panel->messages().text().contains(QStringLiteral("is not opened. Line 3, "))) << panel->messages().text().toStdString();
    typeInto("txtMJD", QStringLiteral("1E+12"));
    EXPECT_EQ(rows().at(1), QString::fromStdString(words::uncomputedRow("10 W")));
    press("copySet");
    EXPECT_EQ(fakes.clipboard->text, "held before");
    EXPECT_TRUE(panel->messages().text().startsWith(QStringLiteral("Satellite 1 (75.5 E) has no lines"))) << panel->messages().text().toStdString();
}

// A kept set that the next run cannot read is set aside, not overwritten by that run's first change.
TEST_F(SetPanelTest, SetsAsideAKeptSetItCannotRead) {
    ASSERT_TRUE(QDir().mkpath(QFileInfo(keptFile()).absolutePath()));
    QFile kept(keptFile());
    ASSERT_TRUE(kept.open(QIODevice::WriteOnly) && kept.write("122 W\n75.5 N\n") > 0);
    kept.close();
    SetPanel nextRun(form->model(), fakes.clipboard, keptFile());
    nextRun.findChild<QPushButton*>(QStringLiteral("addToSet"))->click();
    QFile aside(keptFile() + QStringLiteral(".unreadable"));
    ASSERT_TRUE(aside.open(QIODevice::ReadOnly));
    EXPECT_EQ(aside.readAll(), QByteArray("122 W\n75.5 N\n"));
    EXPECT_TRUE(nextRun.messages().text().contains(QStringLiteral(", and the set starts empty."))) << nextRun.messages().text().toStdString();
}

// Beside the form, and never inside it: every control of the form keeps its place, the toggle
// narrows the window back to the form, the picture shows the form's satellite and the set's, and a
// click on its circle reaches the form as a person's edit and click.
TEST_F(SetPanelTest, StandsBesideTheFormAndDrivesIt) {
    // Each control's place from the form's own corner: the left one, or the right one right to left.
    const auto placeOf = [](const Form1& window, const QWidget* shown) {
        const QRect inWindow(shown->mapTo(&window, QPoint()), shown->size());
        return window.isRightToLeft() ? inWindow.translated(-window.width(), 0) : inWindow;
    };
    QApplication::setLayoutDirection(Qt::RightToLeft);
    Form1 mirrored(fakes.services(), std::chrono::milliseconds(0));
    QApplication::setLayoutDirection(Qt::LeftToRight);
    BesideForm* beside = nullptr;
    for (Form1* window : {&mirrored, form.get()}) {
        std::map<const QWidget*, QRect> alone;
        for (const QWidget* shown : window->findChildren<QWidget*>()) alone[shown] = placeOf(*window, shown);
        const QSize formSize = window->size();
        beside = new BesideForm(*window, fakes.clipboard, keptFile());
        window->showBeside(true);
        for (const auto& [shown, place] : alone) EXPECT_EQ(placeOf(*window, shown), place) << shown->objectName().toStdString();
        EXPECT_GT(window->width(), formSize.width() + beside->width() - 1);
        window->showBeside(false);
        EXPECT_EQ(window->size(), formSize);
        window->showBeside(true);
    }

    typeInto("txtLongitude", QStringLiteral("0"));
    beside->findChild<QPushButton*>(QStringLiteral("addRing"))->click();
    typeInto("txtMJD", QStringLiteral("61000.25"));
    const OrbitPicture& picture = beside->picture();
    ASSERT_EQ(picture.data().satellites.size(), 11U);
    const double angle = (75.0 + picture.data().siderealAngle) * std::numbers::pi / 180.0;
    const PictureGeometry geometry = picture.pictureGeometry();
    const QPointF onCircle = geometry.centre + QPointF(std::cos(angle), -std::sin(angle)) * geometry.circleRadius;
    QTest::mouseClick(const_cast<OrbitPicture*>(&picture), Qt::LeftButton, {}, onCircle.toPoint());
    EXPECT_NEAR(field("txtLongitude")->text().toDouble(), 75.0, geometry.step);
    EXPECT_TRUE(control<QRadioButton>("optEast")->isChecked());
    EXPECT_NEAR(longitudeOver(picture.data().satellites.front().equatorialAngle, picture.data().siderealAngle),
                field("txtLongitude")->text().toDouble(), 1e-6);
}

}  // namespace
}  // namespace skyanchor
