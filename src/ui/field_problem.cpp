#include "ui/field_problem.hpp"

#include <QAction>
#include <QEvent>
#include <QLineEdit>
#include <QStyle>

namespace skyanchor {
namespace {

const QString kProblemAction = QStringLiteral("fieldProblem");

QAction* problemAction(const QLineEdit* field) {
    return field->findChild<QAction*>(kProblemAction, Qt::FindDirectChildrenOnly);
}

}  // namespace

void markFieldProblem(QLineEdit* field, const QString& message) {
    QAction* action = problemAction(field);
    if (action == nullptr) {
        action = new QAction(field->style()->standardIcon(QStyle::SP_MessageBoxWarning, nullptr, field), message, field);
        action->setObjectName(kProblemAction);
        action->setData(field->accessibleDescription());  // the field's own, given back on clearing
        field->addAction(action, QLineEdit::TrailingPosition);
    }
    action->setText(message);
    action->setToolTip(message);
    const QString own = action->data().toString();
    field->setAccessibleDescription(describedWith(message, own));
}

void clearFieldProblem(QLineEdit* field) {
    QAction* action = problemAction(field);
    if (action == nullptr) return;
    field->setAccessibleDescription(action->data().toString());
    delete action;  // takes its icon out of the field
}

QString describedWith(const QString& message, const QString& own) {
    if (message.isEmpty() || own.isEmpty()) return message.isEmpty() ? own : message;
    return message + QLatin1Char('\n') + own;
}

QString fieldProblem(const QLineEdit* field) {
    const QAction* action = problemAction(field);
    return action == nullptr ? QString() : action->toolTip();
}

ScoldDelay::ScoldDelay(QLineEdit* field, std::function<void()> scold, std::function<void()> forgive,
                       std::chrono::milliseconds pause)
    : QObject(field), scold_(std::move(scold)), forgive_(std::move(forgive)) {
    pause_.setSingleShot(true);
    pause_.setInterval(pause);
    pause_.callOnTimeout(this, [this] { scoldNow(); });
    field->installEventFilter(this);
}

void ScoldDelay::edited(bool reads) {
    if (!reads) {
        pause_.start();
        return;
    }
    pause_.stop();
    if (scolded_) {
        scolded_ = false;
        forgive_();
    }
}

void ScoldDelay::scoldNow() {
    pause_.stop();
    scolded_ = true;
    scold_();
}

bool ScoldDelay::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && waiting()) scoldNow();
    return QObject::eventFilter(watched, event);
}

}  // namespace skyanchor
