#include "ui/orbit_picture.hpp"

#include "text/number_text.hpp"
#include "text/vector_lines.hpp"
#include "ui/label_rims.hpp"
#include "ui/qt_text.hpp"
#include "words/picture.hpp"
#include "words/window.hpp"

#include <QKeyEvent>
#include <QLineF>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <string_view>
#include <utility>
#include <vector>

namespace skyanchor {
namespace {

// Sizes in lines of the widget's font, so that the picture grows with it.
constexpr double kMarginLines = 1.25;   // around the circle, for the current satellite's mark
constexpr double kSideLines = 22.0;     // the side of the picture it asks for
constexpr double kMinimumSideLines = 12.0;
constexpr double kPenLines = 1.0 / 12.0;
// A stationary orbit of the Earth lies 6.6 of its radii out: without satellites the Earth keeps
// the size it has beside them.
constexpr double kStationaryEarthRadii = 6.6;
// The steps a chosen longitude is rounded to, in tenths of a degree: the first at least as large
// as the angle one pixel subtends on the circle.
constexpr std::array<int, 4> kStepTenths = {1, 5, 10, 50};

constexpr double kDegree = std::numbers::pi / 180.0;

double roundedToStep(double degrees, double step) {
    const double tenths = std::round(step * 10.0);
    return std::round(degrees * 10.0 / tenths) * tenths / 10.0;
}

double stepFor(double circleRadius) {
    const double degreesPerPixel = 1.0 / (circleRadius * kDegree);
    const auto fits = std::find_if(kStepTenths.begin(), kStepTenths.end(),
                                   [degreesPerPixel](int tenths) { return tenths / 10.0 >= degreesPerPixel; });
    return (fits == kStepTenths.end() ? kStepTenths.back() : *fits) / 10.0;
}

// The distance the picture must hold: the farthest satellite, or where a stationary one would be.
double extentOf(const PictureData& data) {
    if (data.satellites.empty()) return data.earthRadius * kStationaryEarthRadii;
    return std::ranges::max(data.satellites, {}, &PicturedSatellite::radius).radius;
}

// The screen direction of an angle counted counterclockwise from the right (the screen's y grows down).
QPointF direction(double degrees) { return {std::cos(degrees * kDegree), -std::sin(degrees * kDegree)}; }

// Where a point of the plane (its equatorial angle in degrees, its distance in metres) is drawn.
QPointF placeOf(const PictureGeometry& geometry, double angle, double radius) {
    return geometry.centre + direction(angle) * (radius * geometry.pixelsPerMetre);
}

// A text's box beside a point, on the side the direction points to, so that it never covers the point.
QRectF labelBox(const QFontMetricsF& metrics, const QString& text, QPointF point, QPointF towards) {
    const QSizeF size(metrics.horizontalAdvance(text), metrics.height());
    const QPointF middle = point + QPointF(towards.x() * size.width() / 2.0, towards.y() * size.height() / 2.0);
    return {middle - QPointF(size.width() / 2.0, size.height() / 2.0), size};
}

// Hundredths of a degree, as a screen reader says them; the side follows the rounded value.
double spoken(double degrees) { return std::round(degrees * 100.0) / 100.0; }

// One drawing of the picture: the painter, its geometry and the font's measures.
struct Canvas {
    QPainter& painter;
    const PictureGeometry& geometry;
    const QPalette& palette;
    QFontMetricsF metrics;
    double line;

    [[nodiscard]] QPen pen(QPalette::ColorRole role, double widthInPens = 1.0, Qt::PenStyle style = Qt::SolidLine) const {
        return QPen(palette.color(role), line * kPenLines * widthInPens, style, Qt::RoundCap);
    }
    [[nodiscard]] QPointF at(double degrees, double pixels) const { return geometry.centre + direction(degrees) * pixels; }
    void arrowHead(QPointF tip, QPointF along) const {
        const QPointF across(-along.y(), along.x());
        const double size = 0.35 * line;
        painter.setPen(Qt::NoPen);
        painter.setBrush(palette.color(QPalette::WindowText));
        painter.drawPolygon(QPolygonF{tip, tip - along * size + across * size / 2.0, tip - along * size - across * size / 2.0});
    }
    // Labels wait to be drawn last: see drawLabels.
    std::vector<std::pair<QRectF, QString>>& labels;

    void label(const QString& text, QPointF point, QPointF towards) const { labels.emplace_back(labelBox(metrics, text, point, towards), text); }
};

// Labels over everything else, each inside a rim of the background, so that the circle, the lines
// and the satellites never run through their letters. A rim is stamped where the label goes, on a
// whole pixel, and the label drawn over it.
void drawLabels(const Canvas& canvas, LabelRims& rims) {
    QPainter& painter = canvas.painter;
    const LabelRims::Look look{.font = painter.font(), .colour = canvas.palette.color(QPalette::Window), .width = 0.3 * canvas.line,
                               .pixelRatio = painter.device()->devicePixelRatioF()};
    painter.setPen(canvas.palette.color(QPalette::WindowText));
    for (const auto& [box, text] : canvas.labels) {
        const QPointF corner = box.topLeft() - QPointF(look.width, look.width) / 2.0;
        painter.drawImage(QPointF(std::round(corner.x() * look.pixelRatio), std::round(corner.y() * look.pixelRatio)) / look.pixelRatio,
                          rims.rimOf(text, look));
        painter.drawText(box, Qt::AlignCenter, text);
    }
}

// The lines' x axis, from the centre to the right edge, labelled above its head, clear of the
// Earth and its meridian's label whatever the picture's size.
void drawEquinox(const Canvas& canvas, double rightEdge) {
    const QPointF centre = canvas.geometry.centre;
    const QPointF end(rightEdge - 0.25 * canvas.line, centre.y());
    canvas.painter.setPen(canvas.pen(QPalette::WindowText, 1.0, Qt::DashLine));
    canvas.painter.drawLine(centre, end);
    canvas.arrowHead(end, {1.0, 0.0});
    const QPointF labelEnd = end + QPointF(0.0, -0.2 * canvas.line);
    canvas.label(toQString(words::kEquinoxLabel), labelEnd, {-1.0, -1.0});
}

// The Earth, its Greenwich meridian, and an arrow turning the way it turns (counterclockwise).
void drawEarth(const Canvas& canvas, double earthPixels, double siderealAngle) {
    QPainter& painter = canvas.painter;
    painter.setPen(canvas.pen(QPalette::WindowText));
    painter.setBrush(canvas.palette.color(QPalette::Base));
    painter.drawEllipse(canvas.geometry.centre, earthPixels, earthPixels);
    const QPointF meridianEnd = canvas.at(siderealAngle, earthPixels + 1.5 * canvas.line);
    painter.drawLine(canvas.geometry.centre, meridianEnd);
    canvas.label(toQString(words::kGreenwichLabel), meridianEnd, direction(siderealAngle));

    const double arc = earthPixels + 0.6 * canvas.line;
    const double from = siderealAngle + 150.0, span = 90.0;
    painter.setPen(canvas.pen(QPalette::WindowText));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(canvas.geometry.centre - QPointF(arc, arc), QSizeF(2 * arc, 2 * arc)), static_cast<int>(from * 16),
                    static_cast<int>(span * 16));
    const double end = from + span;
    canvas.arrowHead(canvas.at(end, arc), direction(end + 90.0));
}

// The current satellite's meridian, with East on its counterclockwise side and West on the other.
void drawSides(const Canvas& canvas, QPointF place) {
    canvas.painter.setPen(canvas.pen(QPalette::Highlight, 1.5));
    canvas.painter.drawLine(canvas.geometry.centre, place);
    const double angle = std::atan2(canvas.geometry.centre.y() - place.y(), place.x() - canvas.geometry.centre.x()) / kDegree;
    const double radius = 0.75 * canvas.geometry.circleRadius;
    for (const auto& [caption, side] : {std::pair{words::kEastCaption, 1.0}, std::pair{words::kWestCaption, -1.0}}) {
        const QString text = toQString(caption);
        const double apart = 0.4 * canvas.line + std::hypot(canvas.metrics.horizontalAdvance(text), canvas.line) / 2.0;
        canvas.label(text, canvas.at(angle + side * apart / (radius * kDegree), radius), {0.0, 0.0});
    }
}

void drawSatellite(const Canvas& canvas, QPointF place, bool current) {
    const double radius = (current ? 0.38 : 0.22) * canvas.line;
    canvas.painter.setPen(canvas.pen(QPalette::WindowText));
    canvas.painter.setBrush(canvas.palette.color(current ? QPalette::Highlight : QPalette::WindowText));
    canvas.painter.drawEllipse(place, radius, radius);
}

}  // namespace

std::optional<PicturedSatellite> satelliteOfLine(std::string_view rposLine, const BodyOrientation& body) {
    const std::optional<Components> read = positionOfLine(rposLine);
    if (!read) return std::nullopt;
    const StateVector position{.x = read->x, .y = read->y, .z = read->z};
    return PicturedSatellite{equatorialAngle(position, body), std::hypot(read->x, read->y, read->z)};
}

OrbitPicture::OrbitPicture(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(toQString(words::kPictureName));
    describe();
}

void OrbitPicture::setData(PictureData data) {
    data_ = std::move(data);
    if (data_.current >= data_.satellites.size()) data_.current.reset();
    describe();
    update();
}

PictureGeometry OrbitPicture::pictureGeometry() const {
    const double line = QFontMetricsF(font()).height();
    const QRectF area(rect());
    const double frameRadius = std::max(line, std::min(area.width(), area.height()) / 2.0 - kMarginLines * line);
    const double extent = extentOf(data_);
    const double pixelsPerMetre = extent > 0.0 && std::isfinite(extent) ? frameRadius / extent : 0.0;
    const double circleRadius = data_.current ? data_.satellites[*data_.current].radius * pixelsPerMetre : frameRadius;
    return {area.center(), circleRadius, pixelsPerMetre, stepFor(circleRadius)};
}

QPointF OrbitPicture::satellitePlace(std::size_t index) const {
    const PicturedSatellite& satellite = data_.satellites.at(index);
    return placeOf(pictureGeometry(), satellite.equatorialAngle, satellite.radius);
}

double OrbitPicture::longitudeAt(QPointF point) const {
    const QPointF offset = point - pictureGeometry().centre;
    return longitudeOver(std::atan2(-offset.y(), offset.x()) / kDegree, data_.siderealAngle);
}

QSize OrbitPicture::sizeHint() const {
    const int side = static_cast<int>(std::ceil(kSideLines * QFontMetricsF(font()).height()));
    return {side, side};
}

QSize OrbitPicture::minimumSizeHint() const {
    const int side = static_cast<int>(std::ceil(kMinimumSideLines * QFontMetricsF(font()).height()));
    return {side, side};
}

void OrbitPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    const PictureGeometry geometry = pictureGeometry();
    std::vector<std::pair<QRectF, QString>> labels;
    const Canvas canvas{painter, geometry, palette(), QFontMetricsF(font()), QFontMetricsF(font()).height(), labels};
    drawEquinox(canvas, rect().right());
    // The stationary circle, dashed while no satellite stands on it (the form's lines greyed, the
    // set empty): it still shows where a click chooses a longitude.
    painter.setPen(canvas.pen(QPalette::WindowText, 1.0, data_.satellites.empty() ? Qt::DashLine : Qt::SolidLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(geometry.centre, geometry.circleRadius, geometry.circleRadius);
    drawEarth(canvas, data_.earthRadius * geometry.pixelsPerMetre, data_.siderealAngle);
    // The current one last, so that a satellite at the same place does not hide its highlight.
    const auto place = [&](std::size_t index) {
        return placeOf(geometry, data_.satellites[index].equatorialAngle, data_.satellites[index].radius);
    };
    for (std::size_t index = 0; index < data_.satellites.size(); ++index) {
        if (index != data_.current) drawSatellite(canvas, place(index), false);
    }
    if (data_.current) {
        drawSides(canvas, place(*data_.current));
        drawSatellite(canvas, place(*data_.current), true);
    }
    drawLabels(canvas, labelRims_);
    // A frame of its own: some styles show theirs only after a Tab, and a click focuses it too.
    if (!hasFocus()) return;
    const QPen frame = canvas.pen(QPalette::Highlight, 2.0);
    painter.setPen(frame);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(rect()).adjusted(frame.widthF(), frame.widthF(), -frame.widthF(), -frame.widthF()));
}

void OrbitPicture::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
    lastChosen_.reset();
    chooseAt(event->position());
}

void OrbitPicture::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons().testFlag(Qt::LeftButton)) chooseAt(event->position());
}

void OrbitPicture::keyPressEvent(QKeyEvent* event) {
    const double step = pictureGeometry().step;
    const int shifted = event->modifiers().testFlag(Qt::ShiftModifier) ? 10 : 1;
    const double from = roundedToStep(currentLongitude().value_or(0.0), step);
    lastChosen_.reset();
    switch (event->key()) {
        case Qt::Key_Right: return choose(from + shifted * step);
        case Qt::Key_Left: return choose(from - shifted * step);
        case Qt::Key_PageUp: return choose(from + 10 * step);
        case Qt::Key_PageDown: return choose(from - 10 * step);
        case Qt::Key_Home: return choose(0.0);
        default: return QWidget::keyPressEvent(event);
    }
}

std::optional<double> OrbitPicture::currentLongitude() const {
    if (!data_.current) return std::nullopt;
    return longitudeOver(data_.satellites[*data_.current].equatorialAngle, data_.siderealAngle);
}

// Points on the Earth's disc are left alone: near the centre a pixel turns the angle too far.
void OrbitPicture::chooseAt(QPointF point) {
    const PictureGeometry geometry = pictureGeometry();
    if (QLineF(geometry.centre, point).length() <= data_.earthRadius * geometry.pixelsPerMetre) return;
    choose(longitudeAt(point));
}

// The shorter way round: |longitude| <= 180, East for positive (and for 180).
void OrbitPicture::choose(double longitude) {
    const double chosen = longitudeOver(roundedToStep(longitudeOver(longitude, 0.0), pictureGeometry().step), 0.0);
    if (lastChosen_ == chosen) return;
    lastChosen_ = chosen;
    if (longitudeChosen_) longitudeChosen_(std::abs(chosen), chosen < 0.0);
}

void OrbitPicture::describe() {
    std::vector<words::Standing> standings;
    for (std::size_t index = 0; index < data_.satellites.size(); ++index) {
        const double longitude = spoken(longitudeOver(data_.satellites[index].equatorialAngle, data_.siderealAngle));
        standings.push_back({formatNumber(std::abs(longitude)), longitude < 0.0, index == data_.current});
    }
    const double meridian = std::fmod(std::fmod(spoken(data_.siderealAngle), 360.0) + 360.0, 360.0);
    setAccessibleDescription(toQString(words::pictureText(formatNumber(meridian), standings)));
}

}  // namespace skyanchor
