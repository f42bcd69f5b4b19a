#include "FocusRing.h"

#include "FormLook.h"

#include <QApplication>
#include <QEvent>
#include <QFocusFrame>
#include <QPainter>
#include <QPointer>
#include <QWidget>

namespace aurivane {

namespace {

// Drawn on a transparent layer above the rest of the window, so that it may
// lie outside the control, over its neighbours' margins. Being a focus frame,
// assistive technology does not list it.
class FocusRing final : public QFocusFrame {
public:
    // Each band, in layout pixels.
    static constexpr int Band = 2;

    explicit FocusRing(QWidget& window) : QFocusFrame(&window), m_window(window) {
        setObjectName(QStringLiteral("focusRing"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        window.installEventFilter(this);
        connect(qApp, &QApplication::focusChanged, this, [this] { Follow(); });
        hide();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if ((watched == &m_window || watched == m_target) &&
            (type == QEvent::Move || type == QEvent::Resize || type == QEvent::Show ||
             type == QEvent::Hide || type == QEvent::WindowActivate ||
             type == QEvent::WindowDeactivate))
            Follow();
        return false;
    }

    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const QRectF outer(rect());
        FormLook::DrawWholePixelOutline(painter, outer, m_outside, Band);
        FormLook::DrawWholePixelOutline(
            painter, outer.adjusted(Band, Band, -Band, -Band),
            m_outside == FormLook::White ? FormLook::Black : FormLook::White, Band);
    }

private:
    void Follow() {
        QWidget* focused = m_window.focusWidget();
        if (focused == this || (focused != nullptr && !m_window.isAncestorOf(focused)))
            focused = nullptr;
        if (focused != m_target) {
            if (m_target != nullptr)
                m_target->removeEventFilter(this);
            m_target = focused;
            if (m_target != nullptr)
                m_target->installEventFilter(this);
        }
        if (m_target == nullptr || !m_target->isVisible() || !m_window.isActiveWindow()) {
            hide();
            return;
        }
        // The outer band stands out from what the control lies on, light on a
        // dark form and dark on a light one; the inner one from the control.
        QWidget* ground = m_target->parentWidget();
        while (ground != &m_window && !ground->autoFillBackground())
            ground = ground->parentWidget();
        m_outside = ground->palette().color(QPalette::Window).lightness() < 128 ? FormLook::White
                                                                                : FormLook::Black;
        const QRect around(m_target->mapTo(&m_window, QPoint(0, 0)), m_target->size());
        // Kept inside the window, so that a control at its edge keeps all four
        // sides of its ring.
        setGeometry(around.adjusted(-2 * Band, -2 * Band, 2 * Band, 2 * Band) & m_window.rect());
        raise();
        show();
        update();
    }

    QWidget& m_window;
    QPointer<QWidget> m_target;
    QColor m_outside = FormLook::White;
};

// Gives each window its ring the first time it shows: the forms and Qt's own
// dialogs such as the message boxes, but no menu, drop-down list or tooltip.
class RingForEveryWindow final : public QObject {
public:
    RingForEveryWindow() : QObject(qApp) { qApp->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Show || !watched->isWidgetType())
            return false;
        auto* window = static_cast<QWidget*>(watched);
        const Qt::WindowType type = window->windowType();
        if (window->isWindow() && (type == Qt::Window || type == Qt::Dialog) &&
            window->findChild<QFocusFrame*>(QStringLiteral("focusRing"),
                                            Qt::FindDirectChildrenOnly) == nullptr)
            new FocusRing(*window);
        return false;
    }
};

} // namespace

void ShowFocusRingInEveryWindow() {
    new RingForEveryWindow();
}

} // namespace aurivane
