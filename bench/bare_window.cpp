// The yardstick for start-up figures: the smallest Qt Widgets program with a
// main window, built with the same compiler, flags and Qt as Aurivane.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.setCentralWidget(new QLabel(QStringLiteral("Hello"), &window));
    window.show();
    return QApplication::exec();
}
