#pragma once

#include "orbit/ground_longitude.hpp"
#include "ui/label_rims.hpp"

#include <QPointF>
#include <QWidget>

#include <cstddef>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

namespace skyanchor {

// A satellite where the picture places it: its angle in the equatorial plane, eastward from the
// vernal equinox (degrees), and its distance from the Earth's centre (metres).
struct PicturedSatellite {
    double equatorialAngle = 0.0;
    double radius = 0.0;
};

// What the picture shows of one instant.
struct PictureData {
    double siderealAngle = 0.0;  // degrees, eastward from the vernal equinox to the Greenwich meridian
    double earthRadius = 0.0;    // metres, equatorial
    std::vector<PicturedSatellite> satellites;
    std::optional<std::size_t> current;  // the highlighted one, an index into satellites (none if beyond them)
};

// Where the picture stands inside the widget, in its logical pixels.
struct PictureGeometry {
    QPointF centre;
    double circleRadius = 0.0;    // the stationary circle's, or where it would stand without satellites
    double pixelsPerMetre = 0.0;  // 0 when the data gives nothing to scale by
    double step = 0.0;            // degrees: the longitude a click or a key chooses is a multiple of it
};

// The satellite that an RPOS line places ("RPOS x z y", metres, as the lines write them), read
// back in the body's equator; none for a text that is no such line.
[[nodiscard]] std::optional<PicturedSatellite> satelliteOfLine(std::string_view rposLine, const BodyOrientation& body);

// The equatorial plane at an instant, seen from above the North Pole and to scale: the Earth
// turned by the sidereal angle, the direction of the vernal equinox, the stationary circle and
// the satellites on it, the current one highlighted with East and West beside its meridian.
//
// Its geometry is physical (East is counterclockwise, the equinox to the right) whatever the
// layout direction, and sized by the font. A click or a drag on the plane, or the arrow, page and
// Home keys with it focused, choose a longitude, rounded to the picture's step, and tell it as
// degrees (0 to 180) and West or not.
class OrbitPicture final : public QWidget {
public:
    using LongitudeChosen = std::function<void(double degrees, bool west)>;

    explicit OrbitPicture(QWidget* parent = nullptr);

    void setData(PictureData data);
    [[nodiscard]] const PictureData& data() const { return data_; }
    void onLongitudeChosen(LongitudeChosen callback) { longitudeChosen_ = std::move(callback); }

    [[nodiscard]] PictureGeometry pictureGeometry() const;
    // Where a satellite of the data is drawn.
    [[nodiscard]] QPointF satellitePlace(std::size_t index) const;
    // The longitude (East positive, unrounded) that a point of the widget lies over.
    [[nodiscard]] double longitudeAt(QPointF point) const;

    [[nodiscard]] QSize sizeHint() const override;
    [[nodiscard]] QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    [[nodiscard]] std::optional<double> currentLongitude() const;
    void chooseAt(QPointF point);
    void choose(double longitude);
    void describe();

    PictureData data_;
    LongitudeChosen longitudeChosen_;
    std::optional<double> lastChosen_;  // during a drag, so that only a change is told
    LabelRims labelRims_;
};

}  // namespace skyanchor
