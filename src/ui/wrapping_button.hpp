#pragma once

#include <QPushButton>

#include <span>

namespace skyanchor {

// A push button whose caption wraps at word boundaries when it is wider than the button; an "&"
// marks its Alt key, underlined where the style underlines them. Return and Enter press it as
// Space does.
class WrappingButton final : public QPushButton {
public:
    WrappingButton(const QString& caption, QWidget* parent);

    // The part of a button of this size that its caption may fill.
    [[nodiscard]] static QRect captionArea(QSize buttonSize);
    static constexpr int kCaptionFlags = Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

// Gives the buttons one font: the largest, from their own size down by quarter points to
// smallestPointSize, at which every caption fits its button.
void fitCaptionsInOneFont(std::span<QPushButton* const> buttons, qreal smallestPointSize);

}  // namespace skyanchor
