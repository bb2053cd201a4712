#include "ui/failure_marks.hpp"

#include "ui/error_look.hpp"

#include <QAccessible>
#include <QEvent>
#include <QLabel>
#include <QToolTip>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <utility>
#include <vector>

namespace skyanchor {
namespace {

constexpr int kBalloonWidthInCharacters = 44;
constexpr int kGap = 4;

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

// Showing a note maps its window, and on X11 the mapping gives the window its input back; clearing
// and setting the flag again once it is on screen lets clicks through to what lies beneath.
void showTransparentForInput(QWidget* note) {
    if (note->isVisible()) return;
    note->show();
    QWindow* shown = note->windowHandle();
    const Qt::WindowFlags flags = shown->flags();
    shown->setFlags(flags & ~Qt::WindowTransparentForInput);
    shown->setFlags(flags);
}

QString describedWith(const QString& ownDescription, const QString& note) {
    return ownDescription.isEmpty() ? note : ownDescription + QLatin1Char('\n') + note;
}

}  // namespace

FailureMarks::FailureMarks(QWidget* shownWindow) : window(shownWindow) { window->installEventFilter(this); }

FailureMarks::~FailureMarks() = default;

void FailureMarks::mark(QWidget* control, const QString& note, MarkCause cause) {
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
    newMark.cause = cause;
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
    placeNotes();
}

std::optional<MarkCause> FailureMarks::causeAt(const QWidget* control) const {
    const auto found = marks.find(control);
    if (found == marks.end()) return std::nullopt;
    return found->second.cause;
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
        placeNotes();
        return;
    }
    if (!changed.balloon) changed.balloon = makeBalloon();
    changed.balloon->setText(note);
    placeNotes();
    QAccessibleEvent alert(control, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

// Beside the window at the height of each control, to its right, or to its left when the screen
// has no room there, else below it; each note below the one before, so none covers a control or
// another note. Nothing shows while the window is hidden or minimised.
void FailureMarks::placeNotes() {
    std::vector<std::pair<int, QLabel*>> shown;
    for (auto& [control, held] : marks) {
        if (!held.balloon) continue;
        if (!window->isVisible() || window->isMinimized() || !control->isVisibleTo(window)) {
            held.balloon->hide();
            continue;
        }
        shown.emplace_back(control->mapToGlobal(QPoint(0, 0)).y(), held.balloon.get());
    }
    if (shown.empty()) return;
    std::sort(shown.begin(), shown.end());
    const QRect frame = window->frameGeometry();
    const QRect screen = window->screen()->availableGeometry();
    const int width = shown.front().second->fontMetrics().averageCharWidth() * kBalloonWidthInCharacters;
    const bool right = frame.right() + kGap + width <= screen.right();
    const bool left = !right && frame.left() - kGap - width >= screen.left();
    const int x = right ? frame.right() + 1 + kGap : left ? frame.left() - kGap - width : frame.left();
    int nextFree = (right || left) ? screen.top() : frame.bottom() + 1 + kGap;
    for (const auto& [controlTop, balloon] : shown) {
        const int top = std::max(controlTop, nextFree);
        balloon->setGeometry(x, top, width, balloon->heightForWidth(width));
        showTransparentForInput(balloon);
        nextFree = top + balloon->height() + kGap;
    }
}

// The notes follow the window as it is shown, moved, resized, hidden and minimised.
bool FailureMarks::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::Show:
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Hide:
    case QEvent::WindowStateChange:
        placeNotes();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace skyanchor
