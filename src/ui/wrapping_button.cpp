#include "ui/wrapping_button.hpp"

#include <QFontMetrics>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace skyanchor {
namespace {

constexpr int kCaptionFlags = Qt::AlignCenter | Qt::TextWordWrap;

}  // namespace

QFont captionFontFitting(const QFont& font, const QRect& area, const QString& caption) {
    constexpr qreal smallestPointSize = 6.0;
    QFont fitting = font;
    while (fitting.pointSizeF() > smallestPointSize &&
           !area.contains(QFontMetrics(fitting).boundingRect(area, kCaptionFlags, caption))) {
        fitting.setPointSizeF(fitting.pointSizeF() - 0.5);
    }
    return fitting;
}

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

    constexpr int margin = 3;
    const QRect area = rect().adjusted(margin, margin, -margin, -margin);
    painter.setFont(captionFontFitting(font(), area, text()));
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(area, kCaptionFlags, text());
}

}  // namespace skyanchor
