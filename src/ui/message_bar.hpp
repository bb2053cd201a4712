#pragma once

#include <QColor>
#include <QTextLayout>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <functional>

namespace skyanchor {

// A readout is no message: it reads the result back in a neutral look, with no icon, and raises
// no alert.
enum class MessageKind { Error, Warning, Positive, Readout };

struct MessageColors {
    QColor background;
    QColor border;
    QColor text;
};

// The kind's hue laid lightly over the palette's window colour, its text in the palette's own text
// colour, or in black or white where that would read worse than 4.5 : 1; a readout in the
// palette's own field colours.
[[nodiscard]] MessageColors messageColors(MessageKind kind, const QPalette& palette);
// The contrast ratio of two colours by their relative luminance: 1 for equal colours, 21 for black on white.
[[nodiscard]] double contrastRatio(const QColor& first, const QColor& second);

// A message inside the window: the style's icon for its kind and the text beside it, word-wrapped,
// on a band tinted by its kind; mirrored in right-to-left layouts and measured from the font.
//
// It is hidden while it holds nothing, so screen readers find it only when it speaks; its space
// stays reserved (two lines at the font, also in layouts), so nothing in the window moves as
// messages come and go; a text of more lines asks for more height rather than being cut.
// Between messages it may read the result back (a readout), which is shown without an alert.
// Screen readers meet it as an alert named by its text, and every message is shown anew, which
// is the change of state that AT-SPI passes on to them (Qt 6.4 drops the accessibility alert event
// there, though it is sent too for the platforms that take it).
class MessageBar final : public QWidget {
public:
    static constexpr std::chrono::milliseconds kConfirmationTime{4000};

    explicit MessageBar(QWidget* parent);

    // Shows the message; the same message shown again is left alone, not repeated to a screen reader.
    void showMessage(MessageKind kind, const QString& text);
    // A positive message that goes by itself after the confirmation time, and then calls back.
    void confirm(const QString& text);
    // The result read back while nothing is wrong: shown without the alert a message raises, and
    // read by screen readers as the band's description. Empty, the band stays blank.
    void showReadout(const QString& text);
    // A confirmation ends at once, without calling back: the next message takes its place.
    void endConfirmation() { expiry_.stop(); }
    void clear();
    void setConfirmationTime(std::chrono::milliseconds time) { expiry_.setInterval(time); }
    void setAfterConfirmation(std::function<void()> callback) { afterConfirmation_ = std::move(callback); }

    [[nodiscard]] const QString& text() const { return text_; }
    [[nodiscard]] MessageKind kind() const { return kind_; }
    [[nodiscard]] bool confirming() const { return expiry_.isActive(); }
    // Two lines of text, or the icon if it is taller, within the band's padding.
    [[nodiscard]] int reservedHeight() const;
    [[nodiscard]] int iconSide() const;
    // Where the icon and the text stand in a band of the given size.
    [[nodiscard]] QRect iconRect(QSize size) const;
    [[nodiscard]] QRect textRect(QSize size) const;

    [[nodiscard]] QSize sizeHint() const override;
    [[nodiscard]] QSize minimumSizeHint() const override;
    [[nodiscard]] bool hasHeightForWidth() const override { return true; }
    [[nodiscard]] int heightForWidth(int width) const override;
    // The height that shows the given text whole at that width.
    [[nodiscard]] int heightFor(const QString& text, int width) const;
    // Where the text's lines stand in the band, centred in the text area's height; where one
    // character stands, and which character stands at a point (-1 for none).
    [[nodiscard]] QRectF textExtent() const;
    [[nodiscard]] QRectF characterExtent(int offset) const;
    [[nodiscard]] int offsetAt(QPointF point) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    [[nodiscard]] int padding() const;
    [[nodiscard]] int verticalPadding() const;
    // The text in lines of the given width, each starting at the left or, for a right-to-left
    // text, at the right; broken between words, and inside a word longer than a line (a long paste).
    void layOut(QTextLayout& layout, const QString& text, qreal width) const;
    // The shown text laid out in the band as it is; returns where the layout stands.
    QPointF layOutShown(QTextLayout& layout) const;

    MessageKind kind_ = MessageKind::Error;
    QString text_;
    QTimer expiry_;
    std::function<void()> afterConfirmation_;
};

}  // namespace skyanchor
