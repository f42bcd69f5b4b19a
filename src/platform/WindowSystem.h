#pragma once

#include <QByteArray>

#include <optional>

class QGuiApplication;

namespace aurivane::WindowSystem {

// The window system to ask Qt for, decided before the application exists.
// An empty text leaves the choice to Qt (the user named a platform in
// QT_QPA_PLATFORM or with -platform, or the system is not X11/Wayland);
// nullopt means no display can be reached.
//
// When X is there (DISPLAY, as in every GNOME or KDE Wayland session through
// XWayland) the program runs on X: there its windows keep the places it gives
// them and the support screen stays above the others, which a Wayland client
// cannot ask for. With Wayland alone it runs on Wayland, when Qt's Wayland
// plugin is installed.
std::optional<QByteArray> Choose(int argc, const char* const* argv);

// On Wayland, a fixed-size window that the title bar Qt draws itself asks to
// maximize is let to take the size the compositor gives (a different size
// is a protocol error that ends the program) and is restored at once. Does
// nothing on other window systems.
void GuardFixedSizeWindows(QGuiApplication& application);

} // namespace aurivane::WindowSystem
