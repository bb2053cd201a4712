// What stands beside the form: placed to its right, never inside it, so that the form keeps its
// size and every control its place.
#include "ui/form1.hpp"

#include "ui/message_bar.hpp"
#include "words/window.hpp"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QToolButton>

#include <algorithm>

namespace skyanchor {
namespace {

QString toQString(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

void describe(QToolButton& button, std::string_view caption, const words::Described& words) {
    button.setText(toQString(caption));
    button.setAccessibleName(toQString(words.name));
    button.setAccessibleDescription(toQString(words.description));
    button.setToolTip(toQString(words.name));
}

}  // namespace

// The toggle fills the form's right margin beside Frame8, outside it; the panel stands right of
// the form, as high as the form or, where it needs more, higher.
void Form1::placeBeside(QWidget* panel) {
    beside = panel;
    beside->setParent(this);
    besideToggle = new QToolButton(this);
    besideToggle->setObjectName(QStringLiteral("besideToggle"));
    besideToggle->setCheckable(true);
    const int margin = formSize.width() - Frame8->geometry().right() - 1;
    const QRect strip(Frame8->geometry().right() + 1 + margin / 8, Frame8->y(), margin - margin / 4, Frame8->height());
    besideToggle->setGeometry(QStyle::visualRect(layoutDirection(), QRect(QPoint(), formSize), strip));
    setTabOrder(Command5, besideToggle);
    connect(besideToggle, &QToolButton::toggled, this, [this](bool shown) { showBeside(shown); });
    showBeside(besideFitsScreen());
}

void Form1::showBeside(bool shown) {
    if (beside == nullptr) return;
    besideToggle->setChecked(shown);
    describe(*besideToggle, shown ? words::kHideBeside : words::kShowBeside, shown ? words::kHideBesideButton : words::kShowBesideButton);
    beside->setVisible(shown);
    const int gap = Frame8->x();
    const QSize wanted = beside->sizeHint();
    const int top = messageBar->y();
    const int height = std::max(formSize.height() - top - gap, wanted.height());
    beside->setGeometry(formSize.width(), top, wanted.width(), height);
    setFixedSize(shown ? QSize(formSize.width() + wanted.width() + gap, std::max(formSize.height(), top + height + gap)) : formSize);
}

bool Form1::besideShown() const { return beside != nullptr && beside->isVisible(); }

// The window's frame is not known before it is shown: a title bar's and a border's room are
// allowed for at the font.
bool Form1::besideFitsScreen() const {
    const QScreen* shownOn = screen();
    if (shownOn == nullptr) return false;
    const int gap = Frame8->x();
    const QSize wanted = beside->sizeHint();
    const QSize frame(2 * gap, 3 * fontMetrics().height());
    const QSize window(formSize.width() + wanted.width() + gap, std::max(formSize.height(), messageBar->y() + wanted.height() + gap));
    const QSize available = shownOn->availableGeometry().size();
    return window.width() + frame.width() <= available.width() && window.height() + frame.height() <= available.height();
}

void Form1::chooseLongitude(const std::string& degrees, bool west) {
    txtLongitude->setText(QString::fromStdString(degrees));
    QRadioButton* direction = west ? optWest : optEast;
    if (!direction->isChecked()) direction->click();
}

}  // namespace skyanchor
