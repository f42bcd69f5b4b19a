#include "WindowSystem.h"

#include <QDir>
#include <QEvent>
#include <QGuiApplication>
#include <QHash>
#include <QLibraryInfo>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <optional>

namespace aurivane::WindowSystem {

namespace {

constexpr Qt::WindowStates Enlarged = Qt::WindowMaximized | Qt::WindowFullScreen;

// Qt's own title bar asks the compositor to maximize even a fixed-size window:
// it takes the compositor's size, then is asked back to normal and its size.
class FixedSizeGuard final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (type != QEvent::Show && type != QEvent::WindowStateChange)
            return false;
        auto* window = qobject_cast<QWindow*>(watched);
        if (window == nullptr || !window->isTopLevel())
            return false;
        if (type == QEvent::Show)
            Watch(*window);
        else if (event->spontaneous())
            Settle(*window);
        return false;
    }

private:
    void Watch(QWindow& window) {
        if (m_watched.contains(&window))
            return;
        m_watched.insert(&window, {});
        connect(&window, &QObject::destroyed, this, [this, w = &window] { m_watched.remove(w); });
        connect(&window, &QWindow::windowStateChanged, this,
                [this, w = &window](Qt::WindowState state) { Requested(*w, state); });
    }

    // The title bar asked for a larger state; the compositor has not answered yet.
    void Requested(QWindow& window, Qt::WindowState state) {
        if (!(Enlarged & state) || window.minimumSize() != window.maximumSize())
            return;
        m_watched[&window] = window.maximumSize();
        window.setMaximumSize(QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
    }

    // The compositor reported a new state.
    void Settle(QWindow& window) {
        const auto found = m_watched.find(&window);
        if (found == m_watched.end() || !found->has_value())
            return;
        if (window.windowStates() & Enlarged) {
            QTimer::singleShot(
                0, &window, [w = &window] { w->setWindowStates(w->windowStates() & ~Enlarged); });
            return;
        }
        window.setMaximumSize(**found);
        found->reset();
    }

    // Each shown window, with its fixed size put aside while the compositor maximizes it.
    QHash<const QWindow*, std::optional<QSize>> m_watched;
};

} // namespace

QStringList PluginFolders() {
    QStringList folders = qEnvironmentVariable("QT_PLUGIN_PATH").split(QDir::listSeparator());
    folders.removeAll(QString());
    folders.append(QLibraryInfo::path(QLibraryInfo::PluginsPath));
    return folders;
}

bool WaylandPluginIn(const QStringList& folders) {
    for (const QString& folder : folders) {
        if (!folder.isEmpty() && !QDir(folder + QStringLiteral("/platforms"))
                                      .entryList({QStringLiteral("*qwayland*")}, QDir::Files)
                                      .isEmpty())
            return true;
    }
    return false;
}

QByteArray PlatformVariable(Choice choice) {
    return choice == Choice::X11       ? QByteArrayLiteral("xcb;wayland")
           : choice == Choice::Wayland ? QByteArrayLiteral("wayland")
                                       : QByteArray();
}

Surroundings Surroundings::OfThisProcess(int argc, const char* const* argv) {
    Surroundings here;
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    here.qtPlatform = qgetenv("QT_QPA_PLATFORM");
    here.display = qgetenv("DISPLAY");
    here.waylandDisplay = qgetenv("WAYLAND_DISPLAY");
    here.waylandPluginInstalled =
        !here.waylandDisplay.isEmpty() && WaylandPluginIn(PluginFolders());
    for (int i = 1; i + 1 < argc; ++i)
        here.platformOption |=
            qstrcmp(argv[i], "-platform") == 0 || qstrcmp(argv[i], "--platform") == 0;
#else
    Q_UNUSED(argc);
    Q_UNUSED(argv);
    here.x11OrWayland = false;
#endif
    return here;
}

Choice Choose(const Surroundings& surroundings) {
    if (!surroundings.x11OrWayland || !surroundings.qtPlatform.isEmpty() ||
        surroundings.platformOption)
        return Choice::QtDecides;
    if (!surroundings.display.isEmpty())
        return Choice::X11;
    if (!surroundings.waylandDisplay.isEmpty() && surroundings.waylandPluginInstalled)
        return Choice::Wayland;
    return Choice::NoDisplay;
}

bool IsWayland(QStringView name) {
    return name == u"wayland" || name.startsWith(u"wayland-");
}

void GuardFixedSizeWindows(QGuiApplication& application, QStringView platform) {
    if (IsWayland(platform))
        application.installEventFilter(new FixedSizeGuard(&application));
}

} // namespace aurivane::WindowSystem
