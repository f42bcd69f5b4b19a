#pragma once

#include <QByteArray>
#include <QStringList>
#include <QStringView>

class QGuiApplication;

namespace aurivane::WindowSystem {

// The window system the program asks Qt for, decided before the application exists.
enum class Choice {
    QtDecides, // the user named a platform, or the system is not X11 or Wayland
    X11,       // X first, then Wayland should X not answer
    Wayland,   // Wayland alone, with Qt's Wayland plugin installed
    NoDisplay,
};

// What the choice depends on; an empty variable counts as unset, as for Qt.
struct Surroundings {
    bool x11OrWayland = true;  // Linux and the other Unix systems but macOS
    QByteArray qtPlatform;     // QT_QPA_PLATFORM
    QByteArray display;        // DISPLAY
    QByteArray waylandDisplay; // WAYLAND_DISPLAY
    bool waylandPluginInstalled = false;
    bool platformOption = false; // "-platform NAME" or "--platform NAME"

    static Surroundings OfThisProcess(int argc, const char* const* argv);
};

// The folders Qt searches for plugins, in its order: QT_PLUGIN_PATH's, then its own.
QStringList PluginFolders();

// Whether one of `folders` holds a Wayland platform plugin of Qt's, under any of its names.
bool WaylandPluginIn(const QStringList& folders);

// X wherever X is there (DISPLAY, XWayland included): there the windows keep
// the places the program gives them and the support screen stays on top,
// which a Wayland client cannot ask for.
Choice Choose(const Surroundings& surroundings);

// QT_QPA_PLATFORM for `choice`: "xcb;wayland", "wayland", or nothing where Qt decides.
QByteArray PlatformVariable(Choice choice);

// Whether Qt's platform `name` is Wayland ("wayland", "wayland-egl", ...).
bool IsWayland(QStringView name);

// On Wayland, a fixed-size window that Qt's own title bar maximizes takes the
// compositor's size (any other is a protocol error that ends the program) and
// is restored at once. Does nothing unless `platform` is Wayland.
void GuardFixedSizeWindows(QGuiApplication& application, QStringView platform);

} // namespace aurivane::WindowSystem
