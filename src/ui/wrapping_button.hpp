#pragma once

#include <QPushButton>

namespace skyanchor {

// The button font, shrunk by half points (not below 6) until the caption, word-wrapped, fits the
// area; the font itself where it already fits.
[[nodiscard]] QFont captionFontFitting(const QFont& font, const QRect& area, const QString& caption);

// A push button whose caption wraps onto several lines when it is wider than the button, and is
// drawn as written (an "&" is shown, not taken as a shortcut marker).
class WrappingButton final : public QPushButton {
public:
    WrappingButton(const QString& caption, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace skyanchor
