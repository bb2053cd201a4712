#include "ui/form1.hpp"

#include <QAction>
#include <QCloseEvent>
#include <QPushButton>

namespace skyanchor {

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
