#include <QApplication>
#include <QLabel>

// The yardstick for start-up: the classic hello world, a window showing one line of text. Like
// any window with captions, it lays out its text (and so loads its fonts) before it is shown.
int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QLabel hello(QStringLiteral("Hello world!"));
    hello.show();
    return QApplication::exec();
}
