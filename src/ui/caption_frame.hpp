#pragma once

#include <QFrame>
#include <QString>

namespace skyanchor {

// A frame whose caption sits on its top line, broken by the caption's text, so that the field
// placed inside lies wholly within the border below the caption. A plain frame rather than a
// group box: the group box of some styles (Fusion) measures a bold caption font when it is made,
// loading a font face the window never draws and delaying start-up by a few milliseconds.
// Screen readers still meet it as a group named by its caption.
class CaptionFrame final : public QFrame {
public:
    CaptionFrame(const QString& caption, QWidget* parent);

    static constexpr int kBorderWidth = 2;  // a dark line and a light one

    [[nodiscard]] const QString& title() const { return title_; }
    // Where the border is drawn: from the middle of the caption's line to the bottom.
    [[nodiscard]] QRect borderRect() const;
    // The caption's text, on the border's top line.
    [[nodiscard]] QRect captionRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString title_;
};

}  // namespace skyanchor
