#include <QApplication>
#include <QPushButton>

// The yardstick for start-up: Qt's own first program, a window that shows one captioned button.
int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QPushButton hello(QStringLiteral("Hello world!"));
    hello.resize(423, 309);
    hello.show();
    return QApplication::exec();
}
