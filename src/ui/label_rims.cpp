#include "ui/label_rims.hpp"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPen>

#include <cmath>

namespace skyanchor {
namespace {

QImage tracedRim(const QString& text, const LabelRims::Look& look) {
    const QFontMetricsF metrics(look.font);
    const double half = look.width / 2.0;
    const QSizeF size(metrics.horizontalAdvance(text) + look.width, metrics.height() + look.width);
    QImage image(static_cast<int>(std::ceil(size.width() * look.pixelRatio)), static_cast<int>(std::ceil(size.height() * look.pixelRatio)),
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(look.pixelRatio);
    image.fill(Qt::transparent);
    QPainterPath outline;
    outline.addText(half, half + metrics.ascent(), look.font, text);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.strokePath(outline, QPen(look.colour, look.width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    return image;
}

}  // namespace

const QImage& LabelRims::rimOf(const QString& text, const Look& look) {
    if (look != look_) {
        rims_.clear();
        look_ = look;
    }
    auto found = rims_.find(text);
    if (found == rims_.end()) found = rims_.emplace(text, tracedRim(text, look)).first;
    return found->second;
}

}  // namespace skyanchor
