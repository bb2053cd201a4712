#include "ui/form1.hpp"

#include <QAction>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace skyanchor {
namespace {

// An Alt key that names no control types nothing into a field: Alt with a letter is a command,
// never text. (AltGr, which types characters, is no Alt here, nor is Ctrl+Alt.)
class AltKeysTypeNothing final : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
        const auto* key = static_cast<QKeyEvent*>(event);
        return key->modifiers().testFlag(Qt::AltModifier) && !key->modifiers().testFlag(Qt::ControlModifier) &&
               !key->text().isEmpty();
    }
};

}  // namespace

void Form1::guardKeys() {
    auto* altKeys = new AltKeysTypeNothing(this);
    for (const auto& [field, control] : textFields()) field->installEventFilter(altKeys);
}

// Tab and Shift+Tab into East or West land on the one that is checked, from which the arrow keys
// move the choice: the other takes the focus only when clicked or reached by an arrow.
void Form1::tabToTheChoice() {
    for (QRadioButton* option : {optEast, optWest}) option->setFocusPolicy(option->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
}

// The platform's Quit and Close keys, and Ctrl+Q and Ctrl+W where the platform names others,
// press "Close".
void Form1::bindCloseKeys() {
    QList<QKeySequence> keys = QKeySequence::keyBindings(QKeySequence::Quit);
    keys += QKeySequence::keyBindings(QKeySequence::Close);
    for (const QKeySequence& key : {QKeySequence(Qt::CTRL | Qt::Key_Q), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
        if (!keys.contains(key)) keys += key;
    }
    auto* closeKeys = new QAction(this);
    closeKeys->setShortcuts(keys);
    connect(closeKeys, &QAction::triggered, Command5, &QPushButton::click);
    addAction(closeKeys);
}

// The close that "Close" itself asks for comes from the program, not spontaneously.
void Form1::closeEvent(QCloseEvent* event) {
    if (event->spontaneous()) Command5->click();
    event->accept();
}

}  // namespace skyanchor
