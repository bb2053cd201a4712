#pragma once

#include "form/form_notes.hpp"

#include <QPalette>
#include <QString>

#include <map>
#include <optional>

class QWidget;

namespace skyanchor {

// Shows problems where they are: the control gets the error look, a text field a warning icon
// whose tooltip says the message, and a screen reader finds the message in the control's
// accessible description. Clearing a mark gives the control back its own palette and
// description. The window's message area shows one message at a time: messageHolder() says whose.
class FailureMarks final {
public:
    // Marks the control, or replaces its message when it is marked already. An empty message
    // gives the error look alone.
    void mark(QWidget* control, const QString& message, MarkCause cause);
    void clear(QWidget* control);

    [[nodiscard]] std::optional<MarkCause> causeAt(const QWidget* control) const;
    [[nodiscard]] bool isMarked(const QWidget* control) const;
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
        QString message;
        MarkCause cause = MarkCause::OwnFailure;
        unsigned long order = 0;
    };

    void setMessage(QWidget* control, Mark& mark, const QString& message);

    std::map<const QWidget*, Mark, std::less<>> marks;
    unsigned long marked = 0;
};

}  // namespace skyanchor
