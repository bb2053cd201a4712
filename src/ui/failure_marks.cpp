#include "ui/failure_marks.hpp"

#include "ui/error_look.hpp"
#include "ui/field_problem.hpp"

#include <QLineEdit>
#include <QWidget>

namespace skyanchor {

void FailureMarks::mark(QWidget* control, const QString& message, MarkCause cause) {
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
    if (added || message != newMark.message) {
        newMark.order = ++marked;
        setMessage(control, newMark, message);
    }
}

void FailureMarks::clear(QWidget* control) {
    const auto found = marks.find(control);
    if (found == marks.end()) return;
    Mark& old = found->second;
    setMessage(control, old, QString());
    control->setPalette(old.hadOwnPalette ? old.ownPalette : QPalette());
    control->setAutoFillBackground(old.filledBackground);
    marks.erase(found);
}

std::optional<MarkCause> FailureMarks::causeAt(const QWidget* control) const {
    const auto found = marks.find(control);
    if (found == marks.end()) return std::nullopt;
    return found->second.cause;
}

bool FailureMarks::isMarked(const QWidget* control) const { return marks.contains(control); }

QString FailureMarks::noteAt(const QWidget* control) const {
    const auto found = marks.find(control);
    return found == marks.end() ? QString() : found->second.message;
}

const QWidget* FailureMarks::messageHolder(const QWidget* focused) const {
    const auto ownMessage = marks.find(focused);
    if (ownMessage != marks.end() && !ownMessage->second.message.isEmpty()) return focused;
    const QWidget* latest = nullptr;
    unsigned long latestOrder = 0;
    for (const auto& [control, held] : marks) {
        if (!held.message.isEmpty() && held.order > latestOrder) {
            latest = control;
            latestOrder = held.order;
        }
    }
    return latest;
}

// A text field carries the message in its own icon and description; any other control in its
// description, after its own words.
void FailureMarks::setMessage(QWidget* control, Mark& changed, const QString& message) {
    changed.message = message;
    if (auto* field = qobject_cast<QLineEdit*>(control)) {
        if (message.isEmpty()) {
            clearFieldProblem(field);
        } else {
            markFieldProblem(field, message);
        }
        return;
    }
    control->setAccessibleDescription(message.isEmpty() || changed.ownDescription.isEmpty()
                                          ? (message.isEmpty() ? changed.ownDescription : message)
                                          : changed.ownDescription + QLatin1Char('\n') + message);
}

}  // namespace skyanchor
