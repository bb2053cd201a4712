#pragma once

#include <QGroupBox>

namespace skyanchor {

// A frame whose caption sits on its top line, broken by the caption's text, so that the field
// placed inside lies wholly within the border below the caption.
class CaptionFrame final : public QGroupBox {
public:
    CaptionFrame(const QString& caption, QWidget* parent);

    static constexpr int kBorderWidth = 2;  // a dark line and a light one

    // Where the border is drawn: from the middle of the caption's line to the bottom.
    [[nodiscard]] QRect borderRect() const;
    // The caption's text, on the border's top line.
    [[nodiscard]] QRect captionRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace skyanchor
