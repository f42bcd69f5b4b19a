#include "ClickableLabel.h"

#include "LinkAccessibility.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace aurivane {

ClickableLabel::ClickableLabel(QWidget* parent) : QLabel(parent) {
    setCursor(Qt::PointingHandCursor);
    // Reached with Tab; a mouse click opens the link and leaves the focus
    // where it was.
    setFocusPolicy(Qt::TabFocus);
    setTextFormat(Qt::PlainText);
    MarkAsLink(*this);
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
    if (event->button() == Qt::LeftButton) {
        m_pressed = true;
        event->accept();
        return;
    }
    QLabel::mousePressEvent(event);
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        const bool wasPressed = m_pressed;
        m_pressed = false;
        event->accept();
        if (wasPressed && rect().contains(event->position().toPoint()))
            emit clicked();
        return;
    }
    QLabel::mouseReleaseEvent(event);
}

void ClickableLabel::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
            event->accept();
            emit clicked();
            return;
        }
        break;
    default:
        break;
    }
    QLabel::keyPressEvent(event);
}

} // namespace aurivane
