#include "app/frmStartup.h"
#include "formkit/FocusRing.h"
#include "formkit/FormLook.h"
#include "platform/Forms.h"
#include "platform/Monitors.h"
#include "platform/QtPlatform.h"
#include "platform/WindowSystem.h"

#include <QApplication>

#include <cstdio>
#include <vector>

int main(int argc, char* argv[]) {
    using aurivane::WindowSystem::Choice;
    const Choice chosen = aurivane::WindowSystem::Choose(
        argc, argv, aurivane::WindowSystem::Surroundings::OfThisProcess());
    if (chosen == Choice::NoDisplay) {
        std::fputs("aurivane: no display found (DISPLAY is not set, and WAYLAND_DISPLAY is not "
                   "set or Qt's Wayland plugin, package qt6-wayland, is missing); "
                   "to run without a screen use: xvfb-run -a aurivane\n",
                   stderr);
        return 1;
    }
    // The chosen window system goes to Qt as its -platform option, which no
    // program started from here (the browser) inherits.
    QByteArray option("-platform");
    QByteArray windowSystem = aurivane::WindowSystem::PlatformArgument(chosen);
    std::vector<char*> arguments(argv, argv + argc);
    if (!windowSystem.isEmpty() && argc > 0)
        arguments.insert(arguments.begin() + 1, {option.data(), windowSystem.data()});
    int count = static_cast<int>(arguments.size());
    arguments.push_back(nullptr);
    QApplication app(count, arguments.data());
    aurivane::WindowSystem::GuardFixedSizeWindows(app, QGuiApplication::platformName());
    aurivane::Monitors::KeepFixedSizesAtEveryScale(app);
    QApplication::setStyle(aurivane::FormLook::MakeStyle());
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
