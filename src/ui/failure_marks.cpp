#include "ui/failure_marks.hpp"

#include "ui/error_look.hpp"

#include <QAccessible>
#include <QEvent>
#include <QLabel>
#include <QToolTip>
#include <QWidget>

namespace skyanchor {
namespace {

constexpr int kBalloonWidth = 360;

// A frameless tooltip-like window: it is never activated, takes no focus and lets input through,
// so the keystroke after a failure still goes to the field being typed into.
std::unique_ptr<QLabel> makeBalloon() {
    auto balloon = std::make_unique<QLabel>(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus |
                                                         Qt::WindowTransparentForInput);
    balloon->setAttribute(Qt::WA_ShowWithoutActivating);
    balloon->setFocusPolicy(Qt::NoFocus);
    balloon->setPalette(QToolTip::palette());
    balloon->setForegroundRole(QPalette::ToolTipText);
    balloon->setBackgroundRole(QPalette::ToolTipBase);
    balloon->setAutoFillBackground(true);
    balloon->setFrameStyle(QFrame::Box | QFrame::Plain);
    balloon->setMargin(4);
    balloon->setWordWrap(true);
    return balloon;
}

QString describedWith(const QString& ownDescription, const QString& note) {
    return ownDescription.isEmpty() ? note : ownDescription + QLatin1Char('\n') + note;
}

}  // namespace

FailureMarks::FailureMarks(QWidget* shownWindow) : window(shownWindow) { window->installEventFilter(this); }

FailureMarks::~FailureMarks() = default;

void FailureMarks::mark(QWidget* control, const QString& note) {
    auto [entry, added] = marks.try_emplace(control);
    Mark& newMark = entry->second;
    if (added) {
        newMark.hadOwnPalette = control->testAttribute(Qt::WA_SetPalette);
        newMark.ownPalette = control->palette();
        newMark.filledBackground = control->autoFillBackground();
        newMark.ownDescription = control->accessibleDescription();
        control->setPalette(errorLook(control->palette()));
        control->setAutoFillBackground(true);
    }
    if (added || note != newMark.note) setNote(control, newMark, note);
}

void FailureMarks::clear(QWidget* control) {
    const auto found = marks.find(control);
    if (found == marks.end()) return;
    const Mark& old = found->second;
    control->setPalette(old.hadOwnPalette ? old.ownPalette : QPalette());
    control->setAutoFillBackground(old.filledBackground);
    if (!old.note.isEmpty()) control->setAccessibleDescription(old.ownDescription);
    marks.erase(found);
}

bool FailureMarks::isMarked(const QWidget* control) const { return marks.contains(control); }

QString FailureMarks::noteAt(const QWidget* control) const {
    const auto found = marks.find(control);
    return found == marks.end() ? QString() : found->second.note;
}

const QWidget* FailureMarks::shownNote(const QWidget* control) const {
    const auto found = marks.find(control);
    if (found == marks.end() || !found->second.balloon || !found->second.balloon->isVisible()) return nullptr;
    return found->second.balloon.get();
}

void FailureMarks::setNote(QWidget* control, Mark& changed, const QString& note) {
    changed.note = note;
    control->setAccessibleDescription(note.isEmpty() ? changed.ownDescription : describedWith(changed.ownDescription, note));
    if (note.isEmpty()) {
        changed.balloon.reset();
        return;
    }
    if (!changed.balloon) changed.balloon = makeBalloon();
    changed.balloon->setText(note);
    place(control, changed);
    QAccessibleEvent alert(control, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

// Just below the control, while the window and the control are on screen.
void FailureMarks::place(const QWidget* control, Mark& placed) const {
    if (!placed.balloon) return;
    if (!window->isVisible() || !control->isVisibleTo(window)) {
        placed.balloon->hide();
        return;
    }
    placed.balloon->resize(kBalloonWidth, placed.balloon->heightForWidth(kBalloonWidth));
    placed.balloon->move(control->mapToGlobal(QPoint(0, control->height() + 2)));
    placed.balloon->show();
}

// The notes follow the window as it is shown, moved, resized and hidden.
bool FailureMarks::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::Show:
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Hide:
        for (auto& [control, shown] : marks) place(control, shown);
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace skyanchor
