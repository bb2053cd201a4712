#pragma once

#include <QFont>
#include <QRect>
#include <QSize>

namespace skyanchor {

// Twips to pixels, following the window's font as dialog units follow a dialog's font.
//
// Reference: DejaVu Sans 9 pt on a 96 dpi screen (12 px), the toolkit's default here, where
// 15 twips make one pixel and the client area is 423 x 309. Any other font scales every position
// and size by one factor for x and y: the larger of its height and its average letter width
// (over a-z and A-Z) to those of the reference face at 12 px, measured once at start.
class TwipScale {
public:
    static constexpr double kReferencePixelsPerTwip = 1.0 / 15.0;

    explicit constexpr TwipScale(double pixelsPerTwip) : pixelsPerTwip_(pixelsPerTwip) {}
    [[nodiscard]] static TwipScale forFont(const QFont& font);

    [[nodiscard]] constexpr double pixelsPerTwip() const { return pixelsPerTwip_; }
    [[nodiscard]] int pixels(int twips) const;
    // Both edges are rounded, so neighbours that touch in twips touch in pixels.
    [[nodiscard]] QRect rect(int left, int top, int width, int height) const;
    [[nodiscard]] QSize size(int width, int height) const;

private:
    double pixelsPerTwip_;
};

}  // namespace skyanchor
