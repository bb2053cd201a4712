#include "ui/wrapping_button.hpp"

#include <QFontMetrics>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace skyanchor {

WrappingButton::WrappingButton(const QString& caption, QWidget* parent) : QPushButton(parent) {
    setText(caption);
    setShortcut(QKeySequence());  // the caption's "&" is text, not a mnemonic
}

void WrappingButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);

    // The caption keeps the toolkit's font where it fits, and shrinks a little where it would not.
    constexpr int margin = 3;
    constexpr int flags = Qt::AlignCenter | Qt::TextWordWrap;
    constexpr qreal smallestPointSize = 6.0;
    const QRect area = rect().adjusted(margin, margin, -margin, -margin);
    QFont captionFont = font();
    while (captionFont.pointSizeF() > smallestPointSize &&
           !area.contains(QFontMetrics(captionFont).boundingRect(area, flags, text()))) {
        captionFont.setPointSizeF(captionFont.pointSizeF() - 0.5);
    }
    painter.setFont(captionFont);
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(area, flags, text());
}

}  // namespace skyanchor
