#pragma once

#include "form/form_notes.hpp"

#include <QObject>
#include <QPalette>
#include <QString>

#include <functional>
#include <map>
#include <memory>
#include <optional>

class QLabel;
class QWidget;

namespace skyanchor {

// Shows failures where they happened: the control gets the error look, and a note beside the
// window at the control's height that never covers a control, takes the focus or a click. A screen reader finds the note at the end of the
// control's accessible description, and hears of it by an accessibility alert. Clearing a mark
// gives the control back its own palette and description.
class FailureMarks final : public QObject {
public:
    explicit FailureMarks(QWidget* window);
    ~FailureMarks() override;
    FailureMarks(const FailureMarks&) = delete;
    FailureMarks& operator=(const FailureMarks&) = delete;

    // Marks the control, or replaces its note when it is marked already. An empty note gives the
    // error look alone.
    void mark(QWidget* control, const QString& note, MarkCause cause = MarkCause::OwnFailure);
    void clear(QWidget* control);

    [[nodiscard]] std::optional<MarkCause> causeAt(const QWidget* control) const;
    [[nodiscard]] bool isMarked(const QWidget* control) const;
    [[nodiscard]] QString noteAt(const QWidget* control) const;
    // The note's own window while it is on screen, for looking at where it stands.
    [[nodiscard]] const QWidget* shownNote(const QWidget* control) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Mark {
        QPalette ownPalette;
        bool hadOwnPalette = false;
        bool filledBackground = false;
        QString ownDescription;
        QString note;
        MarkCause cause = MarkCause::OwnFailure;
        std::unique_ptr<QLabel> balloon;
    };

    void setNote(QWidget* control, Mark& mark, const QString& note);
    void placeNotes();

    QWidget* window;
    std::map<QWidget*, Mark, std::less<>> marks;
};

}  // namespace skyanchor
