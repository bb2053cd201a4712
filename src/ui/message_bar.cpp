#include "ui/message_bar.hpp"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <QPainter>
#include <QStyle>

#include <algorithm>
#include <cmath>

namespace skyanchor {
namespace {

constexpr int kBorder = 1;
constexpr float kTintShare = 0.2f;
constexpr double kReadableContrast = 4.5;

QColor hueOf(MessageKind kind) {
    switch (kind) {
    case MessageKind::Error:
        return {218, 68, 83};
    case MessageKind::Warning:
        return {246, 116, 0};
    case MessageKind::Positive:
        return {39, 174, 96};
    }
    return {};
}

QStyle::StandardPixmap iconOf(MessageKind kind) {
    switch (kind) {
    case MessageKind::Error:
        return QStyle::SP_MessageBoxCritical;
    case MessageKind::Warning:
        return QStyle::SP_MessageBoxWarning;
    case MessageKind::Positive:
        return QStyle::SP_DialogApplyButton;
    }
    return QStyle::SP_MessageBoxCritical;
}

// What a screen reader says of the message besides its text, as the icon says it to the eye.
QString wordOf(MessageKind kind) {
    switch (kind) {
    case MessageKind::Error:
        return QStringLiteral("Error");
    case MessageKind::Warning:
        return QStringLiteral("Warning");
    case MessageKind::Positive:
        return QStringLiteral("Done");
    }
    return {};
}

QColor mixed(const QColor& base, const QColor& hue, float share) {
    const auto mix = [share](float own, float tint) { return own + (tint - own) * share; };
    return QColor::fromRgbF(mix(base.redF(), hue.redF()), mix(base.greenF(), hue.greenF()), mix(base.blueF(), hue.blueF()));
}

double relativeLuminance(const QColor& color) {
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(color.redF()) + 0.7152 * linear(color.greenF()) + 0.0722 * linear(color.blueF());
}

QAccessibleInterface* accessibleMessageBar(const QString&, QObject* object) {
    auto* bar = dynamic_cast<MessageBar*>(object);
    return bar == nullptr ? nullptr : new QAccessibleWidget(bar, QAccessible::AlertMessage);
}

}  // namespace

double contrastRatio(const QColor& first, const QColor& second) {
    const auto [darker, lighter] = std::minmax({relativeLuminance(first), relativeLuminance(second)});
    return (lighter + 0.05) / (darker + 0.05);
}

MessageColors messageColors(MessageKind kind, const QPalette& palette) {
    const QColor hue = hueOf(kind);
    const QColor background = mixed(palette.color(QPalette::Window), hue, kTintShare);
    QColor text = palette.color(QPalette::WindowText);
    if (contrastRatio(text, background) < kReadableContrast) {
        const QColor black(Qt::black);
        const QColor white(Qt::white);
        text = contrastRatio(black, background) >= contrastRatio(white, background) ? black : white;
    }
    return {background, hue, text};
}

MessageBar::MessageBar(QWidget* parent) : QWidget(parent) {
    static const bool factoryInstalled = (QAccessible::installFactory(accessibleMessageBar), true);
    static_cast<void>(factoryInstalled);
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    policy.setHeightForWidth(true);
    policy.setRetainSizeWhenHidden(true);
    setSizePolicy(policy);
    expiry_.setSingleShot(true);
    expiry_.setInterval(kConfirmationTime);
    expiry_.callOnTimeout(this, [this] {
        clear();
        if (afterConfirmation_) afterConfirmation_();
    });
    hide();
}

void MessageBar::showMessage(MessageKind kind, const QString& text) {
    expiry_.stop();
    if (text.isEmpty()) {
        clear();
        return;
    }
    if (!isHidden() && kind == kind_ && text == text_) return;
    kind_ = kind;
    text_ = text;
    setAccessibleName(text);
    setAccessibleDescription(wordOf(kind));
    updateGeometry();
    update();
    // Shown anew, even over another message: becoming shown is what AT-SPI tells screen readers.
    hide();
    show();
    QAccessibleEvent alert(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

void MessageBar::confirm(const QString& text) {
    showMessage(MessageKind::Positive, text);
    expiry_.start();
}

void MessageBar::clear() {
    expiry_.stop();
    text_.clear();
    setAccessibleName(QString());
    setAccessibleDescription(QString());
    hide();
}

int MessageBar::padding() const { return fontMetrics().averageCharWidth(); }

int MessageBar::iconSide() const { return fontMetrics().height() * 5 / 4; }

int MessageBar::reservedHeight() const {
    return std::max(2 * fontMetrics().lineSpacing(), iconSide()) + 2 * (kBorder + padding());
}

QRect MessageBar::iconRect(QSize size) const {
    const int side = iconSide();
    const QRect leftToRight(kBorder + padding(), (size.height() - side) / 2, side, side);
    return QStyle::visualRect(layoutDirection(), QRect(QPoint(0, 0), size), leftToRight);
}

QRect MessageBar::textRect(QSize size) const {
    const int inset = kBorder + padding();
    const int left = inset + iconSide() + padding();
    const QRect leftToRight(left, inset, size.width() - inset - left, size.height() - 2 * inset);
    return QStyle::visualRect(layoutDirection(), QRect(QPoint(0, 0), size), leftToRight);
}

int MessageBar::heightForWidth(int width) const {
    const QRect room = textRect(QSize(width, reservedHeight()));
    const QRect needed = fontMetrics().boundingRect(QRect(0, 0, room.width(), 0), kTextFlags, text_);
    return std::max(reservedHeight(), needed.height() + 2 * (kBorder + padding()));
}

QSize MessageBar::sizeHint() const {
    const int width = fontMetrics().averageCharWidth() * 50;
    return {width, heightForWidth(width)};
}

QSize MessageBar::minimumSizeHint() const { return {iconSide() * 4, reservedHeight()}; }

void MessageBar::paintEvent(QPaintEvent*) {
    const MessageColors colors = messageColors(kind_, palette());
    QPainter painter(this);
    painter.fillRect(rect(), colors.background);
    painter.setPen(colors.border);
    painter.drawRect(rect().adjusted(0, 0, -kBorder, -kBorder));
    style()->standardIcon(iconOf(kind_), nullptr, this).paint(&painter, iconRect(size()));
    painter.setPen(colors.text);
    // The text runs in its own direction, whatever the window's: an English message stays
    // left-to-right in a right-to-left window.
    const Qt::LayoutDirection textDirection = text_.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight;
    painter.setLayoutDirection(textDirection);
    painter.drawText(textRect(size()), kTextFlags | static_cast<int>(QStyle::visualAlignment(textDirection, Qt::AlignLeft).toInt()),
                     text_);
}

void MessageBar::changeEvent(QEvent* event) {
    switch (event->type()) {
    case QEvent::FontChange:
    case QEvent::StyleChange:
    case QEvent::LayoutDirectionChange:
        updateGeometry();
        update();
        break;
    case QEvent::PaletteChange:
        update();
        break;
    default:
        break;
    }
    QWidget::changeEvent(event);
}

}  // namespace skyanchor
