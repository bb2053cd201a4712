#include "ui/failure_marks.hpp"

#include "ui/error_look.hpp"
#include "ui/field_problem.hpp"
#include "ui/qt_text.hpp"

#include <QLineEdit>
#include <QWidget>

namespace skyanchor {

// The form changes a control's note only by an event, after which the window marks the control
// anew: each mark is the latest of its control.
void FailureMarks::mark(QWidget* control) {
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
    newMark.order = ++marked;
    const std::optional<Note> note = noteOf_(control);
    showMessage(control, newMark, note ? toQString(note->text) : QString());
}

void FailureMarks::clear(QWidget* control) {
    const auto found = marks.find(control);
    if (found == marks.end()) return;
    const Mark& old = found->second;
    showMessage(control, old, QString());
    control->setPalette(old.hadOwnPalette ? old.ownPalette : QPalette());
    control->setAutoFillBackground(old.filledBackground);
    marks.erase(found);
}

std::optional<MarkCause> FailureMarks::causeAt(const QWidget* control) const {
    if (!isMarked(control)) return std::nullopt;
    const std::optional<Note> note = noteOf_(control);
    return note ? std::optional(note->cause) : std::nullopt;
}

bool FailureMarks::isMarked(const QWidget* control) const { return marks.contains(control); }

// A text field shows the note it was marked with while a new one waits for a pause in typing: its
// icon says which.
QString FailureMarks::noteAt(const QWidget* control) const {
    if (!isMarked(control)) return {};
    if (const auto* field = qobject_cast<const QLineEdit*>(control)) return fieldProblem(field);
    const std::optional<Note> note = noteOf_(control);
    return note ? toQString(note->text) : QString();
}

const QWidget* FailureMarks::messageHolder(const QWidget* focused) const {
    if (!noteAt(focused).isEmpty()) return focused;
    const QWidget* latest = nullptr;
    unsigned long latestOrder = 0;
    for (const auto& [control, held] : marks) {
        if (held.order > latestOrder && !noteAt(control).isEmpty()) {
            latest = control;
            latestOrder = held.order;
        }
    }
    return latest;
}

// A text field carries the message in its own icon and description; any other control in its
// description, before its own words.
void FailureMarks::showMessage(QWidget* control, const Mark& shown, const QString& message) {
    if (auto* field = qobject_cast<QLineEdit*>(control)) {
        if (message.isEmpty()) {
            clearFieldProblem(field);
        } else {
            markFieldProblem(field, message);
        }
        return;
    }
    control->setAccessibleDescription(describedWith(message, shown.ownDescription));
}

}  // namespace skyanchor
