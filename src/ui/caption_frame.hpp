#pragma once

#include <QFrame>
#include <QString>

namespace skyanchor {

// Qt::TextShowMnemonic where the widget's style underlines Alt keys, else Qt::TextHideMnemonic:
// either way a caption's "&" marks its key and is not drawn.
[[nodiscard]] int mnemonicFlag(const QWidget& widget);

// A frame whose caption sits on its top line, broken by the caption's text, so that the field
// placed inside lies wholly within the border below the caption. A plain frame rather than a
// group box: the group box of some styles (Fusion) measures a bold caption font when it is made,
// loading a font face the window never draws and delaying start-up by a few milliseconds.
// Screen readers still meet it as a group named by its caption.
// The caption may mark its Alt key with "&", underlined where the style underlines them; the key
// focuses the buddy, the field inside. Mirrored in right-to-left layouts.
class CaptionFrame final : public QFrame {
public:
    CaptionFrame(const QString& caption, QWidget* parent);

    static constexpr int kBorderWidth = 2;  // a dark line and a light one

    // The caption as shown, without the key's mark.
    [[nodiscard]] QString title() const;
    void setBuddy(QWidget* buddy);
    // Where the border is drawn: from the middle of the caption's line to the bottom.
    [[nodiscard]] QRect borderRect() const;
    // The caption's text, on the border's top line.
    [[nodiscard]] QRect captionRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString caption_;
};

}  // namespace skyanchor
