#include "ui/window_icon.hpp"

#include <QEvent>
#include <QIcon>
#include <QTimer>
#include <QWidget>

namespace skyanchor {
namespace {

class IconAfterFirstPaint final : public QObject {
public:
    IconAfterFirstPaint(QWidget* window, QString iconFile) : QObject(window), window_(window), iconFile_(std::move(iconFile)) {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == window_ && event->type() == QEvent::Paint) {
            window_->removeEventFilter(this);
            // After this event loop pass, which hands the painted window to the display.
            QTimer::singleShot(0, window_, [window = window_, file = iconFile_] { window->setWindowIcon(QIcon(file)); });
            deleteLater();
        }
        return false;
    }

private:
    QWidget* window_;
    QString iconFile_;
};

}  // namespace

void setIconAfterFirstPaint(QWidget* window, const QString& iconFile) { new IconAfterFirstPaint(window, iconFile); }

}  // namespace skyanchor
