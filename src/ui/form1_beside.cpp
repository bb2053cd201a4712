// What stands beside the form: placed to its right, never inside it, so that the form keeps its
// size and every control its place.
#include "ui/form1.hpp"

#include "ui/message_bar.hpp"
#include "ui/qt_text.hpp"
#include "words/window.hpp"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QStyle>
#include <QToolButton>

#include <algorithm>

namespace skyanchor {

// The toggle fills the form's margin beside Frame8, outside it; the panel stands on that side of
// the form (the right, or the left in a right-to-left window), as high as the form or, where it
// needs more, higher.
void Form1::placeBeside(QWidget* panel) {
    beside = panel;
    beside->setParent(this);
    besideToggle = new QToolButton(this);
    besideToggle->setObjectName(QStringLiteral("besideToggle"));
    besideToggle->setCheckable(true);
    besideToggle->setAccessibleName(toQString(words::kBesideToggle.name));
    besideToggle->setAccessibleDescription(toQString(words::kBesideToggle.description));
    besideToggle->setToolTip(toQString(words::kBesideToggle.description));
    const QRect client(QPoint(), formSize);
    const QRect frame = QStyle::visualRect(layoutDirection(), client, Frame8->geometry());
    const int margin = formSize.width() - frame.right() - 1;
    const QRect strip(frame.right() + 1 + margin / 8, frame.y(), margin - margin / 4, frame.height());
    besideToggle->setGeometry(QStyle::visualRect(layoutDirection(), client, strip));
    setTabOrder(Command5, besideToggle);
    connect(besideToggle, &QToolButton::toggled, this, [this](bool shown) { showBeside(shown); });
    showBeside(besideFitsScreen());
}

void Form1::showBeside(bool shown) {
    if (beside == nullptr) return;
    {
        const QSignalBlocker quiet(besideToggle);  // its toggled signal would call this again
        besideToggle->setChecked(shown);
    }
    besideToggle->setText(toQString(shown ? words::kHideBeside : words::kShowBeside));
    const int gap = besideGap();
    // Hidden, the panel is not measured, which would build it.
    const QSize wanted = shown ? beside->sizeHint() : QSize();
    beside->setVisible(shown);
    const int top = messageBar->y();
    const int height = std::max(formSize.height() - top - gap, wanted.height());
    // Right to left, the form moves aside for the panel on its left; its controls keep their
    // places within it.
    const int shift = shown && isRightToLeft() ? wanted.width() + gap : 0;
    for (QWidget* own : {static_cast<QWidget*>(Frame8), static_cast<QWidget*>(messageBar), static_cast<QWidget*>(besideToggle)}) {
        own->move(own->x() + shift - formShift, own->y());
    }
    formShift = shift;
    if (shown) beside->setGeometry(isRightToLeft() ? gap : formSize.width(), top, wanted.width(), height);
    setFixedSize(shown ? sizeWithBeside(wanted) : formSize);
}

// The form's narrower side margin, which also parts it from the panel.
int Form1::besideGap() const {
    const int left = Frame8->x() - formShift;
    return std::min(left, formSize.width() - left - Frame8->width());
}

// The window's size with a panel of that size beside the form, from the band's top down.
QSize Form1::sizeWithBeside(QSize panel) const {
    const int gap = besideGap();
    return {formSize.width() + panel.width() + gap, std::max(formSize.height(), messageBar->y() + panel.height() + gap)};
}

// The window's frame is not known before it is shown: a title bar's and a border's room are
// allowed for at the font. Where not even the narrowest panel could stand beside the form, the
// panel is not built to be measured.
bool Form1::besideFitsScreen() const {
    const QScreen* shownOn = screen();
    if (shownOn == nullptr) return false;
    const int gap = besideGap();
    const QSize frame(2 * gap, 3 * fontMetrics().height());
    const QSize available = shownOn->availableGeometry().size();
    if (formSize.width() * (1 + kNarrowestBesideShare) + gap + frame.width() > available.width()) return false;
    const QSize window = sizeWithBeside(beside->sizeHint());
    return window.width() + frame.width() <= available.width() && window.height() + frame.height() <= available.height();
}

void Form1::chooseLongitude(const std::string& degrees, bool west) {
    txtLongitude->setText(QString::fromStdString(degrees));
    QRadioButton* direction = west ? optWest : optEast;
    if (!direction->isChecked()) direction->click();
}

}  // namespace skyanchor
