#include "ui/caption_frame.hpp"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPainter>
#include <QShortcut>
#include <QStyle>
#include <qdrawutil.h>

namespace skyanchor {

namespace {

// A caption frame is announced as a group named by its caption, as group boxes are.
QAccessibleInterface* accessibleCaptionFrame(const QString&, QObject* object) {
    auto* frame = dynamic_cast<CaptionFrame*>(object);
    return frame == nullptr ? nullptr : new QAccessibleWidget(frame, QAccessible::Grouping, frame->title());
}

}  // namespace

int mnemonicFlag(const QWidget& widget) {
    return widget.style()->styleHint(QStyle::SH_UnderlineShortcut, nullptr, &widget) != 0 ? Qt::TextShowMnemonic
                                                                                          : Qt::TextHideMnemonic;
}

CaptionFrame::CaptionFrame(const QString& caption, QWidget* parent) : QFrame(parent), caption_(caption) {
    static const bool factoryInstalled = (QAccessible::installFactory(accessibleCaptionFrame), true);
    static_cast<void>(factoryInstalled);
}

QString CaptionFrame::title() const {
    QString shown;
    for (qsizetype at = 0; at < caption_.size(); ++at) {
        if (caption_[at] == u'&' && at + 1 < caption_.size()) ++at;
        shown += caption_[at];
    }
    return shown;
}

void CaptionFrame::setBuddy(QWidget* buddy) {
    auto* key = new QShortcut(QKeySequence::mnemonic(caption_), this);
    connect(key, &QShortcut::activated, buddy, [buddy] { buddy->setFocus(Qt::ShortcutFocusReason); });
}

QRect CaptionFrame::borderRect() const {
    const int top = fontMetrics().height() / 2;
    return rect().adjusted(0, top, 0, 0);
}

QRect CaptionFrame::captionRect() const {
    const QFontMetrics metrics = fontMetrics();
    const int indent = metrics.averageCharWidth();
    const int gap = metrics.averageCharWidth() / 2;
    const QRect leftToRight(indent, 0, metrics.horizontalAdvance(title()) + 2 * gap, metrics.height());
    return QStyle::visualRect(layoutDirection(), rect(), leftToRight);
}

// An etched line, as classic group boxes have, drawn here since some styles (Fusion) draw their
// group box frame below the caption and as a shaded band.
void CaptionFrame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    qDrawShadeRect(&painter, borderRect(), palette(), true, kBorderWidth / 2, 0);
    if (title().isEmpty()) return;

    const QRect caption = captionRect();
    painter.fillRect(caption, palette().brush(backgroundRole()));
    style()->drawItemText(&painter, caption, Qt::AlignCenter | mnemonicFlag(*this), palette(), isEnabled(), caption_,
                          QPalette::WindowText);
}

}  // namespace skyanchor
