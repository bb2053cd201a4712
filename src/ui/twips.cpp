#include "ui/twips.hpp"

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>

namespace skyanchor {
namespace {

struct FontMeasure {
    double height;
    double letterWidth;
};

FontMeasure measure(const QFont& font) {
    static const QString letters = QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ");
    const QFontMetricsF metrics(font);
    return {metrics.height(), metrics.horizontalAdvance(letters) / static_cast<double>(letters.size())};
}

QFont referenceFont() {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(12);  // 9 pt at 96 dpi, whatever the screen's dpi
    return font;
}

}  // namespace

TwipScale TwipScale::forFont(const QFont& font) {
    const FontMeasure reference = measure(referenceFont());
    const FontMeasure actual = measure(font);
    const double factor = std::max(actual.height / reference.height, actual.letterWidth / reference.letterWidth);
    return TwipScale(kReferencePixelsPerTwip * factor);
}

int TwipScale::pixels(int twips) const { return static_cast<int>(std::lround(twips * pixelsPerTwip_)); }

QRect TwipScale::rect(int left, int top, int width, int height) const {
    const int x = pixels(left);
    const int y = pixels(top);
    return {x, y, pixels(left + width) - x, pixels(top + height) - y};
}

QSize TwipScale::size(int width, int height) const { return {pixels(width), pixels(height)}; }

}  // namespace skyanchor
