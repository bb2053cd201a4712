#include "ui/clipboard.hpp"

#include "text/failure.hpp"

#include <QClipboard>
#include <QGuiApplication>

namespace skyanchor {

void SystemClipboard::clear() { QGuiApplication::clipboard()->clear(); }

void SystemClipboard::setText(const QString& text) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText(text);
    if (clipboard->text() != text) throw Failure(FailureNumber::ClipboardUnavailable);
}

}  // namespace skyanchor
