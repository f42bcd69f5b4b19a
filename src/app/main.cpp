#include "app/frmStartup.h"
#include "formkit/FocusRing.h"
#include "formkit/FormLook.h"
#include "platform/Forms.h"
#include "platform/QtPlatform.h"
#include "platform/WindowSystem.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char* argv[]) {
    namespace WindowSystem = aurivane::WindowSystem;
    const WindowSystem::Choice chosen =
        WindowSystem::Choose(WindowSystem::Surroundings::OfThisProcess(argc, argv));
    if (chosen == WindowSystem::Choice::NoDisplay) {
        std::fputs("aurivane: no display found (DISPLAY is not set, and WAYLAND_DISPLAY is not "
                   "set or Qt's Wayland plugin, package qt6-wayland, is missing); "
                   "to run without a screen use: xvfb-run -a aurivane\n",
                   stderr);
        return 1;
    }
    // Qt reads its platform from the variable, and on several monitors keeps
    // clear of the panels only when told; the browser inherits neither.
    const QByteArray qtPlatform = WindowSystem::PlatformVariable(chosen);
    const bool workArea = !qEnvironmentVariableIsSet("QT_RELY_ON_NET_WORKAREA_ATOM");
    if (!qtPlatform.isEmpty())
        qputenv("QT_QPA_PLATFORM", qtPlatform);
    if (workArea)
        qputenv("QT_RELY_ON_NET_WORKAREA_ATOM", "1");
    QApplication app(argc, argv);
    if (!qtPlatform.isEmpty())
        qunsetenv("QT_QPA_PLATFORM");
    if (workArea)
        qunsetenv("QT_RELY_ON_NET_WORKAREA_ATOM");
    aurivane::WindowSystem::GuardFixedSizeWindows(app, QGuiApplication::platformName());
    QApplication::setStyle(aurivane::FormLook::MakeStyle());
    QApplication::setApplicationVersion(QStringLiteral(AURIVANE_VERSION));
    // Matches the windows with the installed desktop entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(AURIVANE_APP_ID));
    QApplication::setQuitOnLastWindowClosed(false);
    aurivane::ShowFocusRingInEveryWindow();

    aurivane::QtPlatform platform;
    aurivane::Forms forms(platform);
    aurivane::frmStartup startup(platform, forms);
    startup.Form_Load();
    return QApplication::exec();
}
