#include "ui/clipboard.hpp"

#include "base/failure.hpp"

#include <QClipboard>
#include <QGuiApplication>

namespace skyanchor {

void SystemClipboard::clear() { QGuiApplication::clipboard()->clear(); }

void SystemClipboard::setText(const std::string& text) {
    const QString copied = QString::fromStdString(text);
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText(copied);
    if (clipboard->text() != copied) throw Failure(FailureNumber::ClipboardUnavailable);
}

}  // namespace skyanchor
