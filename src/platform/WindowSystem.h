#pragma once

#include <QByteArray>
#include <QStringList>
#include <QStringView>

class QGuiApplication;

namespace aurivane::WindowSystem {

// The window system the program asks Qt for, decided before the application
// exists.
enum class Choice {
    // Qt's own choice: the user named a platform (QT_QPA_PLATFORM, or
    // "-platform NAME" on the command line), or the system is not one where
    // X11 and Wayland are the choices.
    QtDecides,
    X11,     // X first, then Wayland should X not answer
    Wayland, // Wayland alone, with Qt's Wayland plugin installed
    NoDisplay,
};

// What the choice depends on. An empty variable counts as unset, as it does
// for Qt.
struct Surroundings {
    bool x11OrWayland = true;  // Linux and the other Unix systems but macOS
    QByteArray qtPlatform;     // QT_QPA_PLATFORM
    QByteArray display;        // DISPLAY
    QByteArray waylandDisplay; // WAYLAND_DISPLAY
    bool waylandPluginInstalled = false;
    bool platformOption = false; // "-platform NAME" or "--platform NAME"

    static Surroundings OfThisProcess(int argc, const char* const* argv);
};

// The plugin folders Qt searches, in its order: each folder of
// QT_PLUGIN_PATH, then Qt's own. A folder of platform plugins named on its
// own (QT_QPA_PLATFORM_PLUGIN_PATH, -platformpluginpath) is not listed.
QStringList PluginFolders();

// Whether one of `folders` holds a Wayland platform plugin of Qt's, under
// any of the names it goes by ("libqwayland-generic.so", "qwayland-egl").
bool WaylandPluginIn(const QStringList& folders);

// X wherever X is there (DISPLAY, as in every GNOME or KDE Wayland session
// through XWayland): there the windows keep the places the program gives
// them and the support screen stays above the others, which a Wayland client
// cannot ask for.
Choice Choose(const Surroundings& surroundings);

// The value of QT_QPA_PLATFORM for `choice`: "xcb;wayland", "wayland", or
// nothing where Qt decides. A -platform option still wins over it.
QByteArray PlatformVariable(Choice choice);

// Whether Qt's platform `name` is Wayland: "wayland" or one of its variants
// such as "wayland-egl".
bool IsWayland(QStringView name);

// On Wayland, a fixed-size window that the title bar Qt draws itself asks to
// maximize is let to take the size the compositor gives (a different size
// is a protocol error that ends the program) and is restored at once. Does
// nothing unless `platform`, the name of Qt's platform in use, is Wayland.
void GuardFixedSizeWindows(QGuiApplication& application, QStringView platform);

} // namespace aurivane::WindowSystem
