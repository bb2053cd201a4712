#include "ui/wrapping_button.hpp"

#include "ui/caption_frame.hpp"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QStyleOptionButton>
#include <QStylePainter>

#include <algorithm>

namespace skyanchor {
namespace {

bool captionFits(const QFont& font, const QPushButton& button) {
    const QRect area = WrappingButton::captionArea(button.size());
    return area.contains(QFontMetrics(font).boundingRect(area, WrappingButton::kCaptionFlags, button.text()));
}

}  // namespace

WrappingButton::WrappingButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {}

QRect WrappingButton::captionArea(QSize buttonSize) {
    constexpr int margin = 3;  // inside the style's bevel
    return QRect(QPoint(0, 0), buttonSize).adjusted(margin, margin, -margin, -margin);
}

void WrappingButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    // The underlined key letter is drawn as a run of its own, which loses its kerning with its
    // neighbours; a pixel of room either side keeps a caption measured to fit on its lines.
    painter.drawText(captionArea(size()).adjusted(-1, 0, 1, 0), (kCaptionFlags & ~Qt::TextShowMnemonic) | mnemonicFlag(*this), text());
}

void WrappingButton::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!enter || (event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        QPushButton::keyPressEvent(event);
        return;
    }
    if (!event->isAutoRepeat()) click();
    event->accept();
}

void fitCaptionsInOneFont(std::span<QPushButton* const> buttons, qreal smallestPointSize) {
    if (buttons.empty()) return;
    QFont font = buttons.front()->font();
    const auto allFit = [&font, buttons] {
        return std::all_of(buttons.begin(), buttons.end(), [&font](const QPushButton* button) { return captionFits(font, *button); });
    };
    while (font.pointSizeF() - 0.25 >= smallestPointSize && !allFit()) font.setPointSizeF(font.pointSizeF() - 0.25);
    for (QPushButton* button : buttons) button->setFont(font);
}

}  // namespace skyanchor
