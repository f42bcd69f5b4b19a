#include "ClickableLabel.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include <utility>

namespace aurivane {

namespace {

// A hidden link (the promotion behind the other) cannot be pressed.
bool Pressable(const QWidget& label) {
    return label.isEnabled() && !label.isHidden();
}

// The link role and a Press action, which sends the label the Space key a
// keyboard user activates it with.
class LinkAccessible : public QAccessibleWidget {
public:
    explicit LinkAccessible(QWidget* label) : QAccessibleWidget(label, QAccessible::Link) {}

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.linked = true;
        return s;
    }

    QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        if (Pressable(*widget()))
            names.prepend(pressAction());
        return names;
    }

    void doAction(const QString& actionName) override {
        if (actionName != pressAction()) {
            QAccessibleWidget::doAction(actionName);
        } else if (Pressable(*widget())) {
            for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
                QKeyEvent key(type, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
                QCoreApplication::sendEvent(widget(), &key);
            }
        }
    }

    QStringList keyBindingsForAction(const QString& actionName) const override {
        if (actionName == pressAction())
            return {QStringLiteral("Space")};
        return QAccessibleWidget::keyBindingsForAction(actionName);
    }
};

} // namespace

ClickableLabel::ClickableLabel(QWidget* parent) : QLabel(parent) {
    // Made before anything asks for the label's accessible interface.
    static const bool installed = [] {
        QAccessible::installFactory([](const QString&, QObject* object) -> QAccessibleInterface* {
            if (auto* label = qobject_cast<ClickableLabel*>(object))
                return new LinkAccessible(label);
            return nullptr;
        });
        return true;
    }();
    Q_UNUSED(installed);
    setCursor(Qt::PointingHandCursor);
    // Reached with Tab; a mouse click leaves the focus where it was.
    setFocusPolicy(Qt::TabFocus);
    setTextFormat(Qt::PlainText);
}

ClickableLabel* MakeLink(QWidget* parent, const QString& objectName, const QString& text,
                         const QString& description) {
    auto* link = new ClickableLabel(parent);
    link->setObjectName(objectName);
    link->setText(text);
    link->setAccessibleName(text);
    link->setAccessibleDescription(description);
    return link;
}

void ClickableLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return QLabel::mousePressEvent(event);
    m_pressed = true;
    event->accept();
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return QLabel::mouseReleaseEvent(event);
    const bool wasPressed = std::exchange(m_pressed, false);
    event->accept();
    if (wasPressed && rect().contains(event->position().toPoint()))
        emit clicked();
}

void ClickableLabel::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) &&
        (modifiers == Qt::NoModifier || modifiers == Qt::KeypadModifier)) {
        event->accept();
        emit clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}

} // namespace aurivane
