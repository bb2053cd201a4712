#include "orbit/field_defaults.hpp"
#include "ui/caption_frame.hpp"
#include "ui/form1.hpp"
#include "ui/twips.hpp"
#include "ui/window_icon.hpp"
#include "ui/wrapping_button.hpp"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>

#include <array>
#include <map>
#include <string_view>

namespace skyanchor {
namespace {

struct TwipRect {
    int left;
    int top;
    int width;
    int height;
};

// Places each control by its name, position and tab index; the tab chain is set once all exist.
class ControlPlacer {
public:
    explicit ControlPlacer(TwipScale scale) : scale_(scale) {}

    template <class Widget>
    Widget* place(Widget* widget, const char* name, TwipRect twips, int tabIndex) {
        widget->setObjectName(QString::fromLatin1(name));
        widget->setGeometry(scale_.rect(twips.left, twips.top, twips.width, twips.height));
        widget->setProperty("tabIndex", tabIndex);
        if (widget->focusPolicy() != Qt::NoFocus) tabStops_[tabIndex] = widget;
        return widget;
    }

    CaptionFrame* frame(QWidget* parent, const char* name, const char* caption, TwipRect twips, int tabIndex) {
        return place(new CaptionFrame(QString::fromUtf8(caption), parent), name, twips, tabIndex);
    }
    QLineEdit* field(QWidget* parent, const char* name, std::string_view text, TwipRect twips, int tabIndex) {
        return place(new QLineEdit(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())), parent), name,
                     twips, tabIndex);
    }
    QRadioButton* option(QWidget* parent, const char* name, const char* caption, TwipRect twips, int tabIndex) {
        return place(new QRadioButton(QString::fromUtf8(caption), parent), name, twips, tabIndex);
    }
    QPushButton* button(QWidget* parent, const char* name, const char* caption, TwipRect twips, int tabIndex) {
        return place(new WrappingButton(QString::fromUtf8(caption), parent), name, twips, tabIndex);
    }

    void chainTabOrder() const {
        QWidget* previous = nullptr;
        for (const auto& [index, widget] : tabStops_) {
            if (previous != nullptr) QWidget::setTabOrder(previous, widget);
            previous = widget;
        }
    }

private:
    TwipScale scale_;
    std::map<int, QWidget*> tabStops_;
};

// Inconsolata, named so that no locale's fixed font stands in (a thin CJK or Thai mono): its
// half-em advance fits the longest lines at the window's own text size. Where it is missing,
// DejaVu Sans Mono takes its place; being wider, the lines then scroll sideways.
QFont vectorLineFont(const QFont& windowFont) {
    QFont font = windowFont;
    font.setFamilies({QStringLiteral("Inconsolata"), QStringLiteral("DejaVu Sans Mono")});
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    return font;
}

// At the reference font of 9 pt the shared button caption may shrink to 7 pt, and as much at others.
constexpr double kSmallestCaptionShare = 7.0 / 9.0;

}  // namespace

void Form1::buildControls() {
    setWindowTitle(QStringLiteral("Skyanchor Satellite"));
    setIconAfterFirstPaint(this, QStringLiteral(":/icons/" SKYANCHOR_APP_ID ".svg"));
    namespace fields = field_defaults;
    const TwipScale scale = TwipScale::forFont(font());
    resize(scale.size(6345, 4635));
    setMinimumSize(size());
    ControlPlacer c(scale);

    Frame8 = c.place(new QFrame(this), "Frame8", {120, 360, 5895, 4335}, 19);
    Frame13 = c.frame(Frame8, "Frame13", "Longitude", {120, 120, 5655, 735}, 20);
    txtLongitude = c.field(Frame13, "txtLongitude", fields::kLongitude, {120, 240, 1935, 375}, 21);
    optEast = c.option(Frame13, "optEast", "East", {2400, 240, 1215, 375}, 43);
    optWest = c.option(Frame13, "optWest", "West", {3240, 240, 1215, 375}, 44);
    optWest->setChecked(true);
    Frame16 = c.frame(Frame8, "Frame16", "Date and Time (UT)", {120, 960, 5655, 735}, 34);
    txtDateandTime = c.field(Frame16, "txtDateandTime", "", {120, 240, 5415, 375}, 35);
    Frame15 = c.frame(Frame8, "Frame15", "MJD", {120, 1800, 5655, 735}, 22);
    txtMJD = c.field(Frame15, "txtMJD", "51544.5", {120, 240, 5415, 375}, 23);
    List1 = c.place(new QListWidget(Frame8), "List1", {120, 2760, 5655, 645}, 37);
    List1->setFont(vectorLineFont(font()));
    List1->setUniformItemSizes(true);  // both lines have one height: measure one, not each
    Command4 = c.button(Frame8, "Command4", "Copy MJD to clipboard", {120, 3600, 1215, 495}, 41);
    Command2 = c.button(Frame8, "Command2", "Copy Vectors to Clipboard", {1440, 3600, 1215, 495}, 36);
    Command5 = c.button(Frame8, "Command5", "Close", {2760, 3600, 1215, 495}, 42);
    fitCaptionsInOneFont(std::array{Command4, Command2, Command5}, font().pointSizeF() * kSmallestCaptionShare);

    // Hidden: right of the client area, switched off where they stand directly on the window.
    CaptionFrame* frame5 = c.frame(this, "Frame5", "Semi-major axis", {10200, 360, 8415, 735}, 6);
    txtSMA = c.field(frame5, "txtSMA", "", {120, 240, 4815, 375}, 7);
    c.option(frame5, "Option1", "Distance", {5280, 120, 2415, 255}, 14);
    c.option(frame5, "Option2", "Altitude", {5280, 360, 2295, 255}, 15);
    CaptionFrame* frame4 = c.frame(this, "Frame4", "Inclination", {10200, 1200, 5055, 735}, 4);
    txtInclination = c.field(frame4, "txtInclination", "23.5", {120, 240, 4815, 375}, 5);
    CaptionFrame* frame3 = c.frame(this, "Frame3", "Eccentricity", {10200, 2040, 5055, 735}, 2);
    txtEccentricity = c.field(frame3, "txtEccentricity", fields::kEccentricity, {120, 240, 4815, 375}, 3);
    CaptionFrame* frame2 = c.frame(this, "Frame2", "Argument of Perapsis", {10200, 2880, 5055, 735}, 0);
    txtArgumentOfPerapsis = c.field(frame2, "txtArgumentOfPerapsis", fields::kArgumentOfPeriapsis, {120, 240, 4815, 375}, 1);
    CaptionFrame* frame1 = c.frame(this, "Frame1", "Longitude of Ascending Node", {10200, 3720, 5055, 735}, 8);
    txtLan = c.field(frame1, "txtLan", "0", {120, 240, 4815, 375}, 9);
    CaptionFrame* frame6 = c.frame(this, "Frame6", "Mean Anomaly", {10200, 4560, 5055, 735}, 10);
    txtMA = c.field(frame6, "txtMA", "0", {120, 240, 4815, 375}, 11);
    Command1 = c.button(this, "Command1", "Generate RPOS & RVEL", {10200, 5520, 1215, 495}, 12);
    Command3 = c.button(this, "Command3", "Compute", {10200, 6120, 855, 375}, 40);
    txtrpos = c.field(this, "txtrpos", "Text1", {10320, 7320, 5535, 375}, 38);
    txtrvel = c.field(this, "txtrvel", "Text2", {10320, 7800, 5535, 375}, 39);
    CaptionFrame* frame9 = c.frame(this, "Frame9", "Rotational Period", {10440, 8400, 5055, 735}, 32);
    txtRotationalPeriod = c.field(frame9, "txtRotationalPeriod", fields::kRotationalPeriod, {120, 240, 4815, 375}, 33);
    CaptionFrame* frame10 = c.frame(this, "Frame10", "Obliquity", {10440, 9120, 5055, 735}, 30);
    txtObliquity = c.field(frame10, "txtObliquity", fields::kObliquity, {120, 240, 4815, 375}, 31);
    CaptionFrame* frame11 = c.frame(this, "Frame11", "LAN", {10440, 9960, 5055, 735}, 28);
    txtPlanetLAN = c.field(frame11, "txtPlanetLAN", fields::kPlanetLan, {120, 240, 4815, 375}, 29);
    CaptionFrame* frame12 = c.frame(this, "Frame12", "Mass", {10440, 10800, 5055, 735}, 26);
    txtMass = c.field(frame12, "txtMass", fields::kMass, {120, 240, 4815, 375}, 27);
    CaptionFrame* frame14 = c.frame(this, "Frame14", "SidRotOffset", {10440, 11640, 5055, 735}, 24);
    txtSidRotOffset = c.field(frame14, "txtSidRotOffset", fields::kSidRotOffset, {120, 240, 4815, 375}, 25);
    CaptionFrame* frame7 = c.frame(this, "Frame7", "Plane", {15600, 1320, 2775, 975}, 16);
    c.option(frame7, "Option3", "Ecliptic", {240, 240, 2055, 255}, 17);
    c.option(frame7, "Option4", "Equatorial", {240, 600, 2295, 255}, 18);
    Combo1 = c.place(new QComboBox(this), "Combo1", {15600, 2400, 2295, 315}, 13);
    Combo1->setEditable(true);
    Combo1->setEditText(QStringLiteral("Earth"));

    for (QWidget* hidden : std::initializer_list<QWidget*>{frame5, frame4, frame3, frame2, frame1, frame6, Command1, Command3,
                                                           txtrpos, txtrvel, frame9, frame10, frame11, frame12, frame14,
                                                           frame7, Combo1}) {
        hidden->hide();
    }
    c.chainTabOrder();
    bindCloseKeys();
    txtLongitude->setFocus();
}

}  // namespace skyanchor
