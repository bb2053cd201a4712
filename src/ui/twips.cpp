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

// DejaVu Sans at 12 px (9 pt at 96 dpi), the font the layout is drawn at: its line height and the
// mean advance of the letters above, from FreeType's 64ths of a pixel. Hinting hardly moves them
// (full hinting narrows the letters by 0.02 %, which leaves the scale at one), so they are kept
// as numbers: measuring them would open that font at each start where the window's is another.
constexpr FontMeasure kReferenceMeasure{894.0 / 64.0, 24644.0 / 64.0 / 52.0};

}  // namespace

TwipScale TwipScale::forFont(const QFont& font) {
    const FontMeasure actual = measure(font);
    const double factor =
        std::max(actual.height / kReferenceMeasure.height, actual.letterWidth / kReferenceMeasure.letterWidth);
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
