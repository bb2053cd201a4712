#pragma once

#include "form/form_notes.hpp"

#include <QPalette>
#include <QString>

#include <functional>
#include <map>
#include <optional>

class QWidget;

namespace skyanchor {

// Shows the form's notes where they are: the control gets the error look, a text field a warning
// icon whose tooltip says the message, and a screen reader finds the message in the control's
// accessible description. The notes stay the form's: a mark holds only what it took from the
// control and gives back on clearing (its palette and description), and when it was made. The
// window's message area shows one message at a time: messageHolder() says whose.
class FailureMarks final {
public:
    // The form's note at the control a widget shows.
    using NoteOf = std::function<std::optional<Note>(const QWidget*)>;
    explicit FailureMarks(NoteOf noteOf) : noteOf_(std::move(noteOf)) {}

    // Marks the control with its note, or shows its note anew when it is marked already. A note
    // without words gives the error look alone.
    void mark(QWidget* control);
    void clear(QWidget* control);

    [[nodiscard]] std::optional<MarkCause> causeAt(const QWidget* control) const;
    [[nodiscard]] bool isMarked(const QWidget* control) const;
    // The note's words a marked control shows; empty at one not marked (yet).
    [[nodiscard]] QString noteAt(const QWidget* control) const;
    // The control whose message the window shows: the focused one when it has a message, else the
    // one marked last; none when no mark has a message.
    [[nodiscard]] const QWidget* messageHolder(const QWidget* focused) const;

private:
    struct Mark {
        QPalette ownPalette;
        bool hadOwnPalette = false;
        bool filledBackground = false;
        QString ownDescription;
        unsigned long order = 0;
    };

    void showMessage(QWidget* control, const Mark& mark, const QString& message);

    NoteOf noteOf_;
    std::map<const QWidget*, Mark, std::less<>> marks;
    unsigned long marked = 0;
};

}  // namespace skyanchor
