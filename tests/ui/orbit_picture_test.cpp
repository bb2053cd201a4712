#include "form_fixture.hpp"
#include "qt_printers.hpp"
#include "ui/label_rims.hpp"
#include "ui/orbit_picture.hpp"

#include <QAccessible>
#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QTest>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <numbers>
#include <random>
#include <sstream>

namespace skyanchor {
namespace {

constexpr double kDegree = std::numbers::pi / 180.0;
constexpr double kEarthRadius = 6378e3, kCircle = 42164e3, kSidereal = 100.0;

// Degrees East positive, the shorter way round: in (-180, 180].
double around(double longitude) { return 180.0 - std::fmod(540.0 - longitude, 360.0); }
auto chose(const std::vector<double>& longitudes) { return testing::Pointwise(testing::DoubleNear(1e-9), longitudes); }

class OrbitPictureTest : public testing::Test {
protected:
    void SetUp() override {
        picture.resize(picture.sizeHint());
        picture.onLongitudeChosen([this](double degrees, bool west) { chosen.push_back(west ? -degrees : degrees); });
    }
    void standAt(double longitude) { picture.setData({kSidereal, kEarthRadius, {{kSidereal + longitude, kCircle}}, 0}); }
    // The point at a longitude and a share of the circle's radius, as the widget's geometry places it.
    QPointF pointOver(double longitude, double share) const {
        const double angle = (kSidereal + longitude) * kDegree;
        return picture.pictureGeometry().centre + QPointF(std::cos(angle), -std::sin(angle)) * picture.pictureGeometry().circleRadius * share;
    }
    void mouse(QEvent::Type type, QPointF point) {
        QMouseEvent event(type, point, picture.mapToGlobal(point), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&picture, &event);
    }
    OrbitPicture picture;
    std::vector<double> chosen;  // East positive
};

struct Click { double longitude, stepsOff, share; std::optional<int> steps; };
// A click a share of the circle's radius out, some steps off a longitude, chooses it rounded to the nearest step
// (the steps from it; none on the Earth), the shorter way round, alike in either layout direction.
TEST_F(OrbitPictureTest, ClickChoosesTheLongitudeUnderIt) {
    standAt(40.0);
    const double step = picture.pictureGeometry().step;
    EXPECT_THAT(step, testing::AllOf(testing::Ge(1.0 / (picture.pictureGeometry().circleRadius * kDegree)), testing::AnyOf(0.1, 0.5, 1.0, 5.0)));
    for (const Qt::LayoutDirection direction : {Qt::LeftToRight, Qt::RightToLeft}) {
        picture.setLayoutDirection(direction);
        for (const Click& click : {Click{-122, 0.3, 1.0, 0}, Click{-122, -0.7, 1.0, -1}, Click{75, 0.45, 1.3, 0},
                                   Click{180, 0.3, 1.0, 0}, Click{180, 0.7, 0.5, 1}, Click{-0.2, 0.0, 1.0, 0}, Click{10, 0.0, 0.1, {}}}) {
            chosen.clear();
            mouse(QEvent::MouseButtonPress, pointOver(click.longitude + click.stepsOff * step, click.share));
            const double expected = std::round(click.longitude / step) * step + click.steps.value_or(0) * step;
            EXPECT_THAT(chosen, chose(click.steps ? std::vector{around(expected)} : std::vector<double>{})) << click.longitude;
        }
    }
}

TEST_F(OrbitPictureTest, DragTellsEachNewLongitudeOnce) {
    standAt(0.0);
    for (const double longitude : {-122.0, -121.0, -121.1, 30.0}) mouse(QEvent::MouseMove, pointOver(longitude, 1.0));
    EXPECT_THAT(chosen, chose({-122.0, -121.0, 30.0}));
}

struct KeyStep { Qt::Key key; Qt::KeyboardModifiers modifiers; double start, steps; };

TEST_F(OrbitPictureTest, KeysStepFromTheCurrentSatellite) {
    const double step = picture.pictureGeometry().step;
    for (const KeyStep& press : {KeyStep{Qt::Key_Right, {}, -122, 1}, KeyStep{Qt::Key_Left, {}, -122, -1}, KeyStep{Qt::Key_PageUp, {}, 10, 10},
                                 KeyStep{Qt::Key_Right, Qt::ShiftModifier, 178, 10}, KeyStep{Qt::Key_Left, Qt::ShiftModifier, -122, -10},
                                 KeyStep{Qt::Key_PageDown, {}, -178, -10}, KeyStep{Qt::Key_Home, {}, -122, 122 / step}}) {
        standAt(press.start);
        chosen.clear();
        QTest::keyClick(&picture, press.key, press.modifiers);
        EXPECT_THAT(chosen, chose({around(press.start + press.steps * step)})) << press.key;
    }
}

// The background, the Earth and the current satellite take the palette's window, base and highlight colours,
// light, dark or high contrast.
TEST_F(OrbitPictureTest, PaintsInThePalettesColours) {
    standAt(-122.0);
    for (const std::array<QColor, 3>& colours : {std::array<QColor, 3>{Qt::white, QColor(250, 250, 240), QColor(48, 140, 198)},
                                                 {QColor(32, 32, 32), QColor(42, 42, 42), QColor(61, 174, 233)},
                                                 {Qt::black, Qt::darkBlue, Qt::cyan}}) {
        QPalette palette;
        for (std::size_t role = 0; role < 3; ++role) palette.setColor(std::array{QPalette::Window, QPalette::Base, QPalette::Highlight}[role], colours[role]);
        picture.setPalette(palette);
        QImage image(picture.size(), QImage::Format_ARGB32);
        picture.render(&image);
        const PictureGeometry geometry = picture.pictureGeometry();
        const QPointF onEarth = geometry.centre + QPointF(0.0, kEarthRadius * geometry.pixelsPerMetre / 2.0);
        EXPECT_EQ((std::array{image.pixelColor(0, 0), image.pixelColor(onEarth.toPoint()), image.pixelColor(picture.satellitePlace(0).toPoint())}), colours);
    }
}

// The labels' rims are kept between paints, yet a palette turned dark or a screen of another
// pixel ratio gets them traced afresh.
TEST(LabelRims, TracesEachLookAfresh) {
    const auto opaqueColour = [](const QImage& image) {
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (image.pixelColor(x, y).alpha() == 255) return image.pixelColor(x, y);
            }
        }
        return QColor();
    };
    LabelRims rims;
    LabelRims::Look look{.font = QFont(QStringLiteral("DejaVu Sans"), 9), .colour = Qt::white, .width = 4.0, .pixelRatio = 1.0};
    const QImage light = rims.rimOf(QStringLiteral("Greenwich"), look);
    look.colour = Qt::black;
    look.pixelRatio = 2.0;
    const QImage dark = rims.rimOf(QStringLiteral("Greenwich"), look);
    EXPECT_EQ(opaqueColour(light), QColor(Qt::white));
    EXPECT_EQ(opaqueColour(dark), QColor(Qt::black));
    EXPECT_GE(dark.width(), 2 * light.width() - 1);
}

TEST_F(OrbitPictureTest, TellsWhereEachSatelliteStands) {
    picture.setData({-260.0, kEarthRadius, {{-22.0, kCircle}, {110.5, kCircle}, {99.999, kCircle}}, 0});
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&picture);
    EXPECT_EQ(accessible->text(QAccessible::Name), "Equatorial plane");
    EXPECT_EQ(accessible->text(QAccessible::Description),
              "Seen from above the North Pole, the Earth turns counterclockwise; its Greenwich meridian points 100\u00B0 east "
              "of the vernal equinox. Satellite 1 (current): 122\u00B0 West; Satellite 2: 10.5\u00B0 East; Satellite 3: 0\u00B0 East.");
    picture.setData({0.0, kEarthRadius, {}, {}});
    EXPECT_TRUE(accessible->text(QAccessible::Description).endsWith("No satellite."));
}

// Real lines at random instants: the satellite stands at its RPOS line's angle, over the longitude typed.
TEST_F(OrbitPictureTest, StandsWhereTheLinesPutTheSatellite) {
    test::FakeServices fakes;
    Form1Model form(fakes.services());
    const auto field = [&](Control control) { return parseLeadingNumber(form.text(control)).value(); };
    const double offset = field(Control::txtSidRotOffset), obliquity = field(Control::txtObliquity);
    std::mt19937_64 random(24);
    std::uniform_real_distribution<double> mjds(15020.0, 88069.0), degrees(0.0, 180.0);
    for (int instant = 0; instant < 1000; ++instant) {
        form.edit(Control::txtMJD, formatNumber(mjds(random)));
        form.edit(Control::txtLongitude, formatNumber(degrees(random)));
        form.click(random() % 2 == 0 ? Control::optWest : Control::optEast);
        const double typed = form.isWest() ? -field(Control::txtLongitude) : field(Control::txtLongitude), mjd = field(Control::txtMJD);
        double x = 0.0, y = 0.0, z = 0.0;
        std::istringstream(form.positionLine().substr(4)) >> x >> z >> y;
        const double angle = std::atan2(y * std::cos(obliquity * kDegree) - z * std::sin(obliquity * kDegree), x) / kDegree;
        const double longitude = angle - offset - 360.0 * (mjd - 51544.5) * (1.0 + 86164.09 / 31470690.0);
        picture.setData({siderealAngle(mjd, offset), kEarthRadius, {*satelliteOfLine(form.positionLine(), {obliquity, 0.0, offset})}, 0});
        const QPointF place = picture.satellitePlace(0) - picture.pictureGeometry().centre;
        EXPECT_NEAR(std::remainder(std::atan2(-place.y(), place.x()) / kDegree - angle, 360.0), 0.0, 1e-6);
        EXPECT_NEAR(std::remainder(picture.longitudeAt(picture.satellitePlace(0)) - longitude, 360.0), 0.0, 1e-6);
        EXPECT_NEAR(std::remainder(longitude - typed, 360.0), 0.0, 1e-6) << form.text(Control::txtMJD) << " " << typed;
    }
}

}  // namespace
}  // namespace skyanchor
