#include "ui/clipboard.hpp"

#include <QClipboard>
#include <QGuiApplication>

namespace skyanchor {

void SystemClipboard::clear() { QGuiApplication::clipboard()->clear(); }

Status SystemClipboard::setText(const std::string& text) {
    const QString copied = QString::fromStdString(text);
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText(copied);
    if (clipboard->text() != copied) return Failure(FailureNumber::ClipboardUnavailable);
    return done();
}

}  // namespace skyanchor
