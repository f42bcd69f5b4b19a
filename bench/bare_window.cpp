// The yardstick for start-up figures: the smallest Qt Widgets program with a
// main window, built with the same compiler, flags and Qt as Aurivane (on
// Windows with the same resource file). Its client area has the size of
// Aurivane's main window below the menu bar, 660 x 445, so that both pay for
// a back buffer of the same size.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    auto* label = new QLabel(QStringLiteral("Hello"), &window);
    label->setFixedSize(660, 445);
    window.setCentralWidget(label);
    window.show();
    return QApplication::exec();
}
