#include "Monitors.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QVariant>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace aurivane::Monitors {

namespace {

constexpr const char* OpensOnProperty = "aurivaneOpensOn";

// The frame the window manager drew around the last of our windows it
// framed: the likeliest frame of the next one, until that is framed too.
QMargins g_lastFrame;

QScreen* MonitorNamed(const QString& name) {
    const QList<QScreen*> screens = QGuiApplication::screens();
    const auto found = std::find_if(screens.cbegin(), screens.cend(),
                                    [&](const QScreen* screen) { return screen->name() == name; });
    return found != screens.cend() ? *found : nullptr;
}

// On X11 nothing until the window manager has framed the shown window.
QMargins FrameOf(const QWidget& window) {
    const QWindow* handle = window.windowHandle();
    return handle != nullptr ? handle->frameMargins() : QMargins();
}

// Returns the frame it reckoned with.
QMargins CentreWithFrame(QWidget& window) {
    QScreen* target = OpeningMonitor(window);
    if (target == nullptr)
        return {};
    QMargins frame = FrameOf(window);
    if (frame.isNull())
        frame = g_lastFrame;
    const QRect area = target->availableGeometry();
    // While a window changes monitor, its size may for a moment be the other scale's.
    const bool fixed = window.minimumSize() == window.maximumSize();
    const QSize outer = (fixed ? window.minimumSize() : window.size()).grownBy(frame);
    const QPoint centred = area.center() - QPoint(outer.width() / 2, outer.height() / 2);
    const QPoint client =
        QPoint(std::max(centred.x(), area.left()), std::max(centred.y(), area.top())) +
        QPoint(frame.left(), frame.top());
    // move() places the frame as far as Qt knows it, else the client area.
    window.move(client - (window.geometry().topLeft() - window.pos()));
    return frame;
}

// Asking for the size in points again asks the window manager for the new scale's pixels.
void FitToScale(QWindow& window) {
    const QSize fixed = window.minimumSize();
    if (fixed == window.maximumSize() && fixed.isValid() && window.size() != fixed)
        window.resize(fixed);
}

class FirstShowCentring final : public QObject {
public:
    explicit FirstShowCentring(QWidget& window) : QObject(&window), m_window(window) {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &m_window && event->type() == QEvent::Show && !m_shown) {
            m_shown = true;
            m_frame = CentreWithFrame(m_window);
            m_handle = m_window.windowHandle();
            if (m_handle != nullptr)
                m_handle->installEventFilter(this);
        } else if (watched == m_handle && event->type() == QEvent::Expose &&
                   m_handle->isExposed()) {
            // On screen, and so framed.
            m_handle->removeEventFilter(this);
            const QMargins frame = FrameOf(m_window);
            if (!frame.isNull())
                g_lastFrame = frame;
            if (frame != m_frame)
                CentreWithFrame(m_window);
            // Once on screen: before, X11 reports places it had on its way
            // there. Qt takes in the new monitor and its scale first.
            QWindow* handle = m_handle;
            connect(handle, &QWindow::screenChanged, handle,
                    [handle] { QTimer::singleShot(0, handle, [handle] { FitToScale(*handle); }); });
        }
        return false;
    }

private:
    QWidget& m_window;
    QPointer<QWindow> m_handle;
    bool m_shown = false;
    QMargins m_frame;
};

} // namespace

QScreen* OpeningMonitor(const QWidget& window) {
    const QVariant sent = window.property(OpensOnProperty);
    if (sent.isValid()) {
        if (QScreen* monitor = MonitorNamed(sent.toString()))
            return monitor;
    } else if (const QWidget* owner = window.parentWidget(); owner != nullptr) {
        // A hidden owner (the start-up form) places nothing.
        if (owner->window()->isVisible() && owner->window()->screen() != nullptr)
            return owner->window()->screen();
    }
    return QGuiApplication::primaryScreen();
}

void OpenOnMonitorOf(QWidget& window, const QWidget& other) {
    if (const QScreen* monitor = other.window()->screen())
        window.setProperty(OpensOnProperty, monitor->name());
}

void Centre(QWidget& window) {
    CentreWithFrame(window);
}

void CentreOnFirstShow(QWidget& window) {
    new FirstShowCentring(window);
}

} // namespace aurivane::Monitors
