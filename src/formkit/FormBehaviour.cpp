#include "FormBehaviour.h"

#include "FormLook.h"
#include "platform/Forms.h"
#include "platform/Monitors.h"
#include "platform/Steps.h"

#include <QApplication>
#include <QEvent>
#include <QFocusFrame>
#include <QPainter>
#include <QPointer>
#include <QWidget>

namespace aurivane {

namespace {

class CloseUnloading final : public QObject {
public:
    CloseUnloading(Forms& forms, QWidget& form) : QObject(&form), m_forms(forms), m_form(form) {
        form.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &m_form && event->type() == QEvent::Close) {
            RunStep([this] {
                if (m_forms.isLoaded(&m_form) && !m_forms.isUnloading(&m_form))
                    m_forms.unload(&m_form);
            });
        }
        return false;
    }

private:
    Forms& m_forms;
    QWidget& m_form;
};

// The ring is drawn on a transparent layer above everything else of the
// window, so that it may lie outside the control and over its neighbours'
// margins. Being a focus frame, assistive technology does not list it.
class FocusRing final : public QFocusFrame {
public:
    // Each band, in layout pixels.
    static constexpr int Band = 2;

    explicit FocusRing(QWidget& window) : QFocusFrame(&window), m_window(window) {
        setObjectName(QStringLiteral("focusRing"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        window.installEventFilter(this);
        connect(qApp, &QApplication::focusChanged, this, [this] { follow(); });
        hide();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
        case QEvent::WindowActivate:
        case QEvent::WindowDeactivate:
            if (watched == &m_window || watched == m_target)
                RunStep([this] { follow(); });
            break;
        default:
            break;
        }
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
    void follow() {
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
        // The band outside stands out from what the control lies on: light
        // on a dark form, dark on a light one. The other band, inside it,
        // stands out from the control's own edge where the two differ.
        QWidget* ground = m_target->parentWidget();
        while (ground != &m_window && !ground->autoFillBackground())
            ground = ground->parentWidget();
        m_outside = ground->palette().color(QPalette::Window).lightness() < 128 ? FormLook::White
                                                                                : FormLook::Black;
        const QRect around(m_target->mapTo(&m_window, QPoint(0, 0)), m_target->size());
        // Inside the window, so that a control at its edge keeps all four
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

// Gives each dialog a ring as it shows.
class RingForEveryWindow final : public QObject {
public:
    RingForEveryWindow() : QObject(qApp) { qApp->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched->isWidgetType())
            RunStep([watched] {
                auto* window = static_cast<QWidget*>(watched);
                // The forms have theirs; dialogs of Qt's own, such as the
                // message boxes, get one here.
                if (window->isWindow() && window->windowType() == Qt::Dialog)
                    ShowFocusRing(*window);
            });
        return false;
    }
};

} // namespace

void ShowFocusRing(QWidget& window) {
    if (window.findChild<QFocusFrame*>(QStringLiteral("focusRing"), Qt::FindDirectChildrenOnly) ==
        nullptr)
        new FocusRing(window);
}

void ShowFocusRingInEveryWindow() {
    new RingForEveryWindow();
}

void CentreOnFirstShow(QWidget& window) {
    Monitors::CentreOnFirstShow(window);
}

void UnloadOnClose(Forms& forms, QWidget& form) {
    new CloseUnloading(forms, form);
}

} // namespace aurivane
