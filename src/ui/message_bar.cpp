#include "ui/message_bar.hpp"

#include "ui/error_look.hpp"
#include "words/window.hpp"

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
    case MessageKind::Readout:
        break;
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
    case MessageKind::Readout:
        return QStyle::SP_DialogApplyButton;
    }
    return QStyle::SP_MessageBoxCritical;
}

// What a screen reader says of the message besides its text, as the icon says it to the eye.
QString wordOf(MessageKind kind) {
    switch (kind) {
    case MessageKind::Error:
        return QString::fromLatin1(words::kErrorWord.data(), static_cast<qsizetype>(words::kErrorWord.size()));
    case MessageKind::Warning:
        return QString::fromLatin1(words::kWarningWord.data(), static_cast<qsizetype>(words::kWarningWord.size()));
    case MessageKind::Positive:
        return QString::fromLatin1(words::kDoneWord.data(), static_cast<qsizetype>(words::kDoneWord.size()));
    case MessageKind::Readout:
        return QString::fromLatin1(words::kReadoutWord.data(), static_cast<qsizetype>(words::kReadoutWord.size()));
    }
    return {};
}

double relativeLuminance(const QColor& color) {
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(color.redF()) + 0.7152 * linear(color.greenF()) + 0.0722 * linear(color.blueF());
}

// An alert whose text a screen reader can read, character by character and with each character's
// place, as a label's; it has no selection and no cursor.
class AccessibleMessageBar final : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit AccessibleMessageBar(MessageBar* bar) : QAccessibleWidget(bar, QAccessible::AlertMessage), bar_(bar) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TextInterface ? static_cast<QAccessibleTextInterface*>(this) : QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text kind) const override { return QAccessibleWidget::text(kind); }
    QString text(int start, int end) const override { return bar_->text().mid(start, end - start); }
    int characterCount() const override { return static_cast<int>(bar_->text().size()); }
    QRect characterRect(int offset) const override {
        const QRect local = bar_->characterExtent(offset).toAlignedRect();
        return {bar_->mapToGlobal(local.topLeft()), local.size()};
    }
    int offsetAtPoint(const QPoint& point) const override { return bar_->offsetAt(bar_->mapFromGlobal(point)); }
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* start, int* end) const override {
        *start = 0;
        *end = characterCount();
        return {};
    }

private:
    MessageBar* bar_;
};

QAccessibleInterface* accessibleMessageBar(const QString&, QObject* object) {
    auto* bar = dynamic_cast<MessageBar*>(object);
    return bar == nullptr ? nullptr : new AccessibleMessageBar(bar);
}

}  // namespace

double contrastRatio(const QColor& first, const QColor& second) {
    const auto [darker, lighter] = std::minmax({relativeLuminance(first), relativeLuminance(second)});
    return (lighter + 0.05) / (darker + 0.05);
}

MessageColors messageColors(MessageKind kind, const QPalette& palette) {
    const bool readout = kind == MessageKind::Readout;
    const QColor hue = readout ? palette.color(QPalette::Mid) : hueOf(kind);
    const QColor background = readout ? palette.color(QPalette::Base) : blended(palette.color(QPalette::Window), hue, kTintShare);
    QColor text = palette.color(readout ? QPalette::Text : QPalette::WindowText);
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
    // What follows a confirmation is shown over it, so that a readout following raises no alert.
    expiry_.callOnTimeout(this, [this] {
        if (afterConfirmation_) {
            afterConfirmation_();
        } else {
            clear();
        }
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

void MessageBar::showReadout(const QString& text) {
    expiry_.stop();
    if (kind_ == MessageKind::Readout && text == text_ && !isHidden()) return;
    kind_ = MessageKind::Readout;
    text_ = text;
    setAccessibleName(wordOf(kind_));
    setAccessibleDescription(text);
    updateGeometry();
    update();
    show();
}

void MessageBar::clear() {
    expiry_.stop();
    text_.clear();
    setAccessibleName(QString());
    setAccessibleDescription(QString());
    hide();
}

int MessageBar::padding() const { return fontMetrics().averageCharWidth(); }

// Above and below the text a quarter line is room enough; it keeps the band for the longest
// message low enough that the window fits a 1280 x 800 screen at scale 2.
int MessageBar::verticalPadding() const { return fontMetrics().height() / 4; }

int MessageBar::iconSide() const { return fontMetrics().height() * 5 / 4; }

int MessageBar::reservedHeight() const {
    return std::max(2 * fontMetrics().lineSpacing(), iconSide()) + 2 * (kBorder + verticalPadding());
}

QRect MessageBar::iconRect(QSize size) const {
    const int side = iconSide();
    const QRect leftToRight(kBorder + padding(), (size.height() - side) / 2, side, side);
    return QStyle::visualRect(layoutDirection(), QRect(QPoint(0, 0), size), leftToRight);
}

QRect MessageBar::textRect(QSize size) const {
    const int inset = kBorder + padding();
    const int left = inset + iconSide() + padding();
    const int top = kBorder + verticalPadding();
    const QRect leftToRight(left, top, size.width() - inset - left, size.height() - 2 * top);
    return QStyle::visualRect(layoutDirection(), QRect(QPoint(0, 0), size), leftToRight);
}

int MessageBar::heightForWidth(int width) const { return heightFor(text_, width); }

void MessageBar::layOut(QTextLayout& layout, const QString& text, qreal width) const {
    const Qt::LayoutDirection direction = text.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight;
    QTextOption option(QStyle::visualAlignment(direction, Qt::AlignLeft) | Qt::AlignAbsolute);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    option.setTextDirection(direction);
    layout.setText(text);
    layout.setFont(font());
    layout.setTextOption(option);
    layout.beginLayout();
    qreal top = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        line.setPosition(QPointF(0, top));
        top += line.height();
    }
    layout.endLayout();
}

int MessageBar::heightFor(const QString& text, int width) const {
    const QRect room = textRect(QSize(width, reservedHeight()));
    QTextLayout layout;
    layOut(layout, text, room.width());
    const int needed = static_cast<int>(std::ceil(layout.boundingRect().height()));
    return std::max(reservedHeight(), needed + 2 * (kBorder + verticalPadding()));
}

QPointF MessageBar::layOutShown(QTextLayout& layout) const {
    const QRect room = textRect(size());
    layOut(layout, text_, room.width());
    return {static_cast<qreal>(room.left()), room.top() + (room.height() - layout.boundingRect().height()) / 2};
}

QRectF MessageBar::textExtent() const {
    QTextLayout layout;
    const QPointF origin = layOutShown(layout);
    QRectF lines;
    for (int index = 0; index < layout.lineCount(); ++index) lines |= layout.lineAt(index).naturalTextRect();
    return lines.translated(origin);
}

QRectF MessageBar::characterExtent(int offset) const {
    QTextLayout layout;
    const QPointF origin = layOutShown(layout);
    const QTextLine line = layout.lineForTextPosition(offset);
    if (!line.isValid()) return {};
    const qreal from = line.cursorToX(offset);
    const qreal to = line.cursorToX(offset + 1);
    return QRectF(std::min(from, to), line.y(), std::abs(to - from), line.height()).translated(origin);
}

int MessageBar::offsetAt(QPointF point) const {
    QTextLayout layout;
    const QPointF inLayout = point - layOutShown(layout);
    for (int index = 0; index < layout.lineCount(); ++index) {
        const QTextLine line = layout.lineAt(index);
        if (line.rect().contains(inLayout)) return line.xToCursor(inLayout.x());
    }
    return -1;
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
    if (kind_ != MessageKind::Readout) style()->standardIcon(iconOf(kind_), nullptr, this).paint(&painter, iconRect(size()));
    painter.setPen(colors.text);
    // The text runs in its own direction, whatever the window's: an English message stays
    // left-to-right in a right-to-left window.
    QTextLayout layout;
    layout.draw(&painter, layOutShown(layout));
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
