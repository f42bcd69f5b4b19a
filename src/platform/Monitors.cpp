#include "Monitors.h"

#include <QElapsedTimer>
#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QThread>
#include <QTimer>
#include <QVariant>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string_view>

#if QT_CONFIG(xcb)
#include <xcb/xcb.h>
#endif

namespace aurivane::Monitors {

namespace {

constexpr const char* OpensOnProperty = "aurivaneOpensOn";

#if QT_CONFIG(xcb)
xcb_atom_t Atom(xcb_connection_t* x, std::string_view name) {
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(x, xcb_intern_atom(x, 0, name.size(), name.data()), {}), &std::free);
    return reply ? reply->atom : xcb_atom_t{};
}

QList<quint32> Cardinals(xcb_connection_t* x, xcb_window_t window, std::string_view property) {
    const std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
        xcb_get_property_reply(
            x, xcb_get_property(x, 0, window, Atom(x, property), XCB_ATOM_ANY, 0, 4096), {}),
        &std::free);
    if (!reply || reply->format != 32)
        return {};
    const auto* values = static_cast<const quint32*>(xcb_get_property_value(reply.get()));
    return {values, values + xcb_get_property_value_length(reply.get()) / 4};
}
#endif

// The frame the window manager will draw around `window`, asked before it shows:
// none off X11 or without a window manager; nothing where it will not say (KWin).
std::optional<QMargins> PromisedFrame([[maybe_unused]] QWidget& window,
                                      [[maybe_unused]] qreal devicePixelRatio) {
#if QT_CONFIG(xcb)
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr)
        return QMargins();
    xcb_connection_t* x = x11->connection();
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    xcb_client_message_event_t message{};
    message.type = Atom(x, "_NET_REQUEST_FRAME_EXTENTS");
    const QList<quint32> supported = Cardinals(x, root, "_NET_SUPPORTED");
    if (supported.isEmpty())
        return QMargins();
    if (!supported.contains(message.type))
        return std::nullopt;
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = static_cast<xcb_window_t>(window.winId());
    xcb_send_event(x, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&message));
    QElapsedTimer waited;
    waited.start();
    do {
        const QList<quint32> e = Cardinals(x, message.window, "_NET_FRAME_EXTENTS");
        if (e.size() == 4) // left, right, top, bottom
            return (QMarginsF(e[0], e[2], e[1], e[3]) / devicePixelRatio).toMargins();
        QThread::usleep(200);
    } while (waited.elapsed() < 200);
    return QMargins(); // Gone, or too busy to answer: the client area is centred.
#else
    return QMargins();
#endif
}

void Centre(QWidget& window) {
    QScreen* target = OpeningMonitor(window);
    if (target == nullptr)
        return;
    // Known at once on Windows; on X11 only once the window manager has framed the shown window.
    QMargins frame =
        window.windowHandle() != nullptr ? window.windowHandle()->frameMargins() : QMargins();
    if (frame.isNull()) {
        const std::optional<QMargins> promised = PromisedFrame(window, target->devicePixelRatio());
        if (!promised) { // The window manager places it; a dialog must not place itself.
            window.setAttribute(Qt::WA_Moved);
            return;
        }
        frame = *promised;
    }
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
        if (window.isVisible()) // In its show event: laid out, as a message box is only then.
            Place();
        else
            window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &m_window && event->type() == QEvent::Show) {
            m_window.removeEventFilter(this);
            Place();
        } else if (watched == m_handle && event->type() == QEvent::Expose &&
                   m_handle->isExposed()) {
            m_handle->removeEventFilter(this);
            // Once on screen: before, X11 reports places it had on its way
            // there. Qt takes in the new monitor and its scale first.
            QWindow* handle = m_handle;
            connect(handle, &QWindow::screenChanged, handle,
                    [handle] { QTimer::singleShot(0, handle, [handle] { FitToScale(*handle); }); });
        }
        return false;
    }

private:
    void Place() {
        Centre(m_window);
        m_handle = m_window.windowHandle();
        if (m_handle != nullptr)
            m_handle->installEventFilter(this);
    }

    QWidget& m_window;
    QPointer<QWindow> m_handle;
};

} // namespace

QScreen* OpeningMonitor(const QWidget& window) {
    const QVariant sent = window.property(OpensOnProperty);
    if (sent.isValid()) {
        if (QScreen* monitor = sent.value<QPointer<QScreen>>())
            return monitor;
    } else if (const QWidget* owner = window.parentWidget(); owner != nullptr) {
        // A hidden owner (the start-up form) places nothing.
        if (owner->window()->isVisible() && owner->window()->screen() != nullptr)
            return owner->window()->screen();
    }
    return QGuiApplication::primaryScreen();
}

void OpenOnMonitorOf(QWidget& window, const QWidget& other) {
    if (QScreen* monitor = other.window()->screen())
        window.setProperty(OpensOnProperty, QVariant::fromValue(QPointer<QScreen>(monitor)));
}

void CentreOnFirstShow(QWidget& window) {
    new FirstShowCentring(window);
}

} // namespace aurivane::Monitors
