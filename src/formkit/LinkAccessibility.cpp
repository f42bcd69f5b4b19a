#include "LinkAccessibility.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>

namespace aurivane {

namespace {

const char* const LinkProperty = "aurivaneLink";
// A hidden link (the promotion behind the other) cannot be pressed.
bool pressable(const QWidget& label) {
    return label.isEnabled() && !label.isHidden();
}

class LinkAccessible : public QAccessibleWidget {
public:
    explicit LinkAccessible(QWidget* label) : QAccessibleWidget(label, QAccessible::Link) {}

    QString text(QAccessible::Text t) const override {
        // A link is named by its text unless given a name of its own.
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) {
            if (const auto* label = qobject_cast<const QLabel*>(widget()))
                return label->text();
        }
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.linked = true;
        return s;
    }

    QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        if (pressable(*widget()))
            names.prepend(pressAction());
        return names;
    }

    void doAction(const QString& actionName) override {
        if (actionName != pressAction()) {
            QAccessibleWidget::doAction(actionName);
            return;
        }
        if (!pressable(*widget()))
            return;
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
        QCoreApplication::sendEvent(widget(), &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
        QCoreApplication::sendEvent(widget(), &release);
    }

    QStringList keyBindingsForAction(const QString& actionName) const override {
        if (actionName == pressAction())
            return {QStringLiteral("Space")};
        return QAccessibleWidget::keyBindingsForAction(actionName);
    }
};

QAccessibleInterface* LinkFactory(const QString&, QObject* object) {
    if (object == nullptr || !object->isWidgetType() || !object->property(LinkProperty).toBool())
        return nullptr;
    return new LinkAccessible(static_cast<QWidget*>(object));
}

} // namespace

void MarkAsLink(QWidget& label) {
    static const bool installed = [] {
        QAccessible::installFactory(LinkFactory);
        return true;
    }();
    Q_UNUSED(installed);
    label.setProperty(LinkProperty, true);
}

} // namespace aurivane
