#include "WindowSystem.h"

#include "Steps.h"

#include <QDir>
#include <QEvent>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <cstring>

namespace aurivane::WindowSystem {

namespace {

[[maybe_unused]] bool WaylandPluginInstalled() {
    QStringList folders = qEnvironmentVariable("QT_PLUGIN_PATH").split(QDir::listSeparator());
    folders.append(QLibraryInfo::path(QLibraryInfo::PluginsPath));
    for (const QString& folder : folders) {
        if (!folder.isEmpty() && !QDir(folder + QStringLiteral("/platforms"))
                                      .entryList({QStringLiteral("*qwayland*")}, QDir::Files)
                                      .isEmpty())
            return true;
    }
    return false;
}

constexpr Qt::WindowStates Enlarged = Qt::WindowMaximized | Qt::WindowFullScreen;
constexpr const char* FixedSizeProperty = "aurivaneFixedSize";
constexpr const char* WatchedProperty = "aurivaneWatched";

// Watches every top-level window. Qt's own title bar asks the compositor to
// maximize even a window of fixed size, and the compositor answers with a
// size of its own: the window takes it (any other size is a protocol error
// that ends the program), and as soon as the compositor has made it
// maximized it is asked back to its normal state and its fixed size.
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
        RunStep([&] {
            if (type == QEvent::Show)
                Watch(*window);
            else if (event->spontaneous())
                Settle(*window);
        });
        return false;
    }

private:
    void Watch(QWindow& window) {
        if (window.property(WatchedProperty).toBool())
            return;
        window.setProperty(WatchedProperty, true);
        connect(&window, &QWindow::windowStateChanged, this,
                [w = &window](Qt::WindowState state) { RunStep([&] { Requested(*w, state); }); });
    }

    // The title bar asked for a larger state; the request is still on its
    // way, the compositor's answer not yet in.
    static void Requested(QWindow& window, Qt::WindowState state) {
        if (!(Enlarged & state) || window.minimumSize() != window.maximumSize())
            return;
        window.setProperty(FixedSizeProperty, window.maximumSize());
        window.setMaximumSize(QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
    }

    // The compositor reported a new state.
    static void Settle(QWindow& window) {
        const QVariant fixed = window.property(FixedSizeProperty);
        if (!fixed.isValid())
            return;
        if (window.windowStates() & Enlarged) {
            QTimer::singleShot(0, &window, [w = &window] {
                RunStep([w] { w->setWindowStates(w->windowStates() & ~Enlarged); });
            });
            return;
        }
        window.setProperty(FixedSizeProperty, QVariant());
        window.setMaximumSize(fixed.toSize());
    }
};

} // namespace

std::optional<QByteArray> Choose(int argc, const char* const* argv) {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0)
            return QByteArray();
    }
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        return QByteArray();
    if (!qEnvironmentVariableIsEmpty("DISPLAY"))
        return QByteArrayLiteral("xcb");
    if (!qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") && WaylandPluginInstalled())
        return QByteArrayLiteral("wayland");
    return std::nullopt;
#else
    Q_UNUSED(argc);
    Q_UNUSED(argv);
    return QByteArray();
#endif
}

void GuardFixedSizeWindows(QGuiApplication& application) {
    if (QGuiApplication::platformName() == QStringLiteral("wayland"))
        application.installEventFilter(new FixedSizeGuard(&application));
}

} // namespace aurivane::WindowSystem
