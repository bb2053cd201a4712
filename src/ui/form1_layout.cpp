#include "ui/caption_frame.hpp"
#include "ui/form1.hpp"
#include "ui/longest_messages.hpp"
#include "ui/message_bar.hpp"
#include "ui/qt_text.hpp"
#include "ui/twips.hpp"
#include "ui/window_icon.hpp"
#include "ui/wrapping_button.hpp"
#include "words/window.hpp"

#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QStyle>
#include <QToolButton>

#include <algorithm>
#include <array>
#include <map>
#include <string_view>
#include <vector>

namespace skyanchor {
namespace {

// The field itself keeps no more than every text of the form's limit takes in UTF-16 (two units a
// character at most) and one unit more, so that the form still sees a longer paste and says it
// cut it, while a paste of megabytes is never laid out.
constexpr int kFieldUtf16Limit = 2 * static_cast<int>(kFieldTextLimit) + 1;

// The caption with its Alt key marked: "&" before the key's first place in it ("&&" stands for a
// "&" of the caption's own).
QString keyed(std::string_view caption, char key) {
    QString marked = toQString(caption).replace(u'&', QStringLiteral("&&"));
    const qsizetype at = marked.indexOf(QChar::fromLatin1(key));
    if (at >= 0) marked.insert(at, u'&');
    return marked;
}

struct TwipRect {
    int left;
    int top;
    int width;
    int height;
};

// Places each control by its name, position and tab index; the tab chain is set once all exist.
// Positions are left-to-right; in a right-to-left window each control is mirrored within its
// container once all stand, since Qt mirrors layouts but not geometry set by hand.
class ControlPlacer {
public:
    explicit ControlPlacer(TwipScale scale) : scale_(scale) {}

    template <class Widget>
    Widget* place(Widget* widget, const char* name, TwipRect twips, int tabIndex) {
        widget->setObjectName(QString::fromLatin1(name));
        widget->setGeometry(scale_.rect(twips.left, twips.top, twips.width, twips.height));
        widget->setProperty("tabIndex", tabIndex);
        if (widget->focusPolicy() != Qt::NoFocus) tabStops_[tabIndex] = widget;
        placed_.push_back(widget);
        return widget;
    }

    CaptionFrame* frame(QWidget* parent, const char* name, const QString& caption, TwipRect twips, int tabIndex) {
        return place(new CaptionFrame(caption, parent), name, twips, tabIndex);
    }
    QLineEdit* field(QWidget* parent, const char* name, std::string_view text, TwipRect twips, int tabIndex) {
        auto* field = new QLineEdit(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())), parent);
        field->setMaxLength(kFieldUtf16Limit);
        return place(field, name, twips, tabIndex);
    }
    QRadioButton* option(QWidget* parent, const char* name, const QString& caption, TwipRect twips, int tabIndex) {
        return place(new QRadioButton(caption, parent), name, twips, tabIndex);
    }
    QPushButton* button(QWidget* parent, const char* name, const QString& caption, TwipRect twips, int tabIndex) {
        return place(new WrappingButton(caption, parent), name, twips, tabIndex);
    }

    void chainTabOrder() const {
        QWidget* previous = nullptr;
        for (const auto& [index, widget] : tabStops_) {
            if (previous != nullptr) QWidget::setTabOrder(previous, widget);
            previous = widget;
        }
    }

    void mirrorIfRightToLeft(QWidget* extra) const {
        std::vector<QWidget*> widgets = placed_;
        widgets.push_back(extra);
        for (QWidget* widget : widgets) {
            if (!widget->isRightToLeft()) continue;
            const QRect mirrored = QStyle::visualRect(Qt::RightToLeft, widget->parentWidget()->rect(), widget->geometry());
            widget->move(mirrored.topLeft());
        }
    }

private:
    TwipScale scale_;
    std::map<int, QWidget*> tabStops_;
    std::vector<QWidget*> placed_;
};

// Inconsolata, named so that no locale's fixed font stands in (a thin CJK or Thai mono): its
// half-em advance fits the longest lines at the window's own text size. Where it is missing,
// DejaVu Sans Mono takes its place; being wider, the lines then scroll sideways. The lines are
// ASCII, which both hold, so no fonts are looked up to fill in other characters.
QFont vectorLineFont(const QFont& windowFont) {
    QFont font = windowFont;
    font.setFamilies({QStringLiteral("Inconsolata"), QStringLiteral("DejaVu Sans Mono")});
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setStyleStrategy(QFont::NoFontMerging);
    return font;
}

// At the reference font of 9 pt the shared button caption may shrink to 7 pt, and as much at others.
constexpr double kSmallestCaptionShare = 7.0 / 9.0;

}  // namespace

// Messages stand in a band above the panel, as wide as the panel and as high as the longest
// message needs at the window's font, so that nothing moves as messages come and go, and the window
// keeps one size; it cannot be resized. A text measured still higher (a script whose font has
// taller lines) grows the band and the window downward rather than being cut: see fitMessageBar.
void Form1::placeMessageBar(const TwipScale& scale) {
    messageBar = new MessageBar(this);
    messageBar->setObjectName(QStringLiteral("messageBar"));
    const QRect band = scale.rect(120, 90, 5895, 0);
    int height = messageBar->reservedHeight();
    for (const QString& message : longestMessages(txtDateandTime->text())) {
        height = std::max(height, messageBar->heightFor(message, band.width()));
    }
    messageBar->setGeometry(band.left(), band.top(), band.width(), height);
    const int shift = band.top() + height + scale.pixels(90) - Frame8->y();
    Frame8->move(Frame8->x(), Frame8->y() + shift);
    const QSize client = scale.size(6345, 4635);
    formSize = QSize(client.width(), client.height() + shift);
    setFixedSize(formSize);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
}

void Form1::fitMessageBar() {
    const int growth = messageBar->heightForWidth(messageBar->width()) - messageBar->height();
    if (growth <= 0) return;
    messageBar->resize(messageBar->width(), messageBar->height() + growth);
    Frame8->move(Frame8->x(), Frame8->y() + growth);
    formSize.rheight() += growth;
    if (beside == nullptr) {
        setFixedSize(width(), std::max(height(), formSize.height()));
        return;
    }
    // The toggle stays level with the form, and the panel and the window take the new height.
    besideToggle->move(besideToggle->x(), besideToggle->y() + growth);
    showBeside(besideToggle->isChecked());
}

void Form1::buildControls() {
    setWindowTitle(toQString(words::kWindowTitle));
    setIconAfterFirstPaint(this, QStringLiteral(":/icons/" SKYANCHOR_APP_ID ".svg"));
    const auto startText = [this](Control field) { return std::string_view(form.text(field)); };
    const TwipScale scale = TwipScale::forFont(font());
    ControlPlacer c(scale);
    using namespace words;

    Frame8 = c.place(new QFrame(this), "Frame8", {120, 360, 5895, 4335}, 0);
    Frame13 = c.frame(Frame8, "Frame13", keyed(kLongitudeCaption, kLongitudeKey), {120, 120, 5655, 735}, 0);
    txtLongitude = c.field(Frame13, "txtLongitude", startText(Control::txtLongitude), {120, 240, 1935, 375}, 1);
    optEast = c.option(Frame13, "optEast", keyed(kEastCaption, kEastKey), {2400, 240, 1215, 375}, 2);
    optWest = c.option(Frame13, "optWest", keyed(kWestCaption, kWestKey), {3240, 240, 1215, 375}, 3);
    (form.isWest() ? optWest : optEast)->setChecked(true);
    Frame16 = c.frame(Frame8, "Frame16", keyed(kDateCaption, kDateKey), {120, 960, 5655, 735}, 0);
    txtDateandTime = c.field(Frame16, "txtDateandTime", startText(Control::txtDateandTime), {120, 240, 5415, 375}, 4);
    Frame15 = c.frame(Frame8, "Frame15", keyed(kMjdCaption, kMjdKey), {120, 1800, 5655, 735}, 0);
    txtMJD = c.field(Frame15, "txtMJD", startText(Control::txtMJD), {120, 240, 5415, 375}, 5);
    for (const auto& [frame, field] : {std::pair{Frame13, txtLongitude}, std::pair{Frame16, txtDateandTime}, std::pair{Frame15, txtMJD}}) {
        frame->setBuddy(field);
    }
    List1 = c.place(new QListWidget(Frame8), "List1", {120, 2760, 5655, 645}, 6);
    List1->setFont(vectorLineFont(font()));
    List1->setUniformItemSizes(true);  // both lines have one height: measure one, not each
    List1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    Command4 = c.button(Frame8, "Command4", keyed(kCopyMjdCaption, kCopyMjdKey), {120, 3600, 1215, 495}, 7);
    Command2 = c.button(Frame8, "Command2", keyed(kCopyVectorsCaption, kCopyVectorsKey), {1440, 3600, 1215, 495}, 8);
    Command5 = c.button(Frame8, "Command5", keyed(kCloseCaption, kCloseKey), {2760, 3600, 1215, 495}, 9);
    fitCaptionsInOneFont(std::array{Command4, Command2, Command5}, font().pointSizeF() * kSmallestCaptionShare);

    placeMessageBar(scale);
    c.mirrorIfRightToLeft(messageBar);
    c.chainTabOrder();
    bindCloseKeys();
    guardKeys();
    txtLongitude->setFocus();
}

}  // namespace skyanchor
