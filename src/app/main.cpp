#include "app/frmStartup.h"
#include "formkit/FormBehaviour.h"
#include "platform/Forms.h"
#include "platform/QtPlatform.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char* argv[]) {
    if (!aurivane::QtPlatform::DisplayAvailable()) {
        std::fputs("aurivane: no display found (neither DISPLAY nor WAYLAND_DISPLAY is set); "
                   "to run without a screen use: xvfb-run -a aurivane\n",
                   stderr);
        return 1;
    }
    QApplication app(argc, argv);
    // One look on every system: the native Windows styles ignore the
    // colours of buttons and drop-down lists, Fusion paints them.
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setApplicationVersion(QStringLiteral(AURIVANE_VERSION));
    // Lets the desktop (on Wayland, the compositor) match the windows with
    // the installed desktop entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(AURIVANE_APP_ID));
    QApplication::setQuitOnLastWindowClosed(false);
    aurivane::ShowFocusRingInEveryWindow();

    aurivane::QtPlatform platform;
    aurivane::Forms forms(platform);
    aurivane::frmStartup startup(platform, forms);
    startup.Form_Load();
    return QApplication::exec();
}
