#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include <chrono>
#include <functional>

class QLineEdit;

namespace skyanchor {

// A problem with a field's text shown in the field itself: a warning icon at its trailing end whose
// tooltip says the message, and the message at the head of the field's accessible description,
// which a screen reader reads with the field (and is told of when it changes). Qt 6.4 passes no
// invalid-entry state to AT-SPI: its accessible states have none (their "invalid" means defunct)
// and it sends none of them as that, so no accessibility interface of ours could set it.
// Marking a marked field replaces its message; clearing gives the field its own description back.
void markFieldProblem(QLineEdit* field, const QString& message);
void clearFieldProblem(QLineEdit* field);
// The message the field shows, empty when it shows none.
[[nodiscard]] QString fieldProblem(const QLineEdit* field);
// A control's accessible description with a problem's message: the message first, which a screen
// reader should say before the control's own words; either may be empty.
[[nodiscard]] QString describedWith(const QString& message, const QString& own);

// Holds back the scolding of a field's text that does not read yet while it is being typed: after
// an edit that leaves such a text it waits for a pause in that field, or for the focus to leave
// it, before it scolds; an edit that makes the text read forgives at once.
class ScoldDelay final : public QObject {
public:
    static constexpr std::chrono::milliseconds kPause{700};

    ScoldDelay(QLineEdit* field, std::function<void()> scold, std::function<void()> forgive,
               std::chrono::milliseconds pause = kPause);

    // Called after each edit of the field, with whether its text now reads.
    void edited(bool reads);
    [[nodiscard]] bool waiting() const { return pause_.isActive(); }
    [[nodiscard]] bool scolded() const { return scolded_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void scoldNow();

    QTimer pause_;
    std::function<void()> scold_;
    std::function<void()> forgive_;
    bool scolded_ = false;
};

}  // namespace skyanchor
