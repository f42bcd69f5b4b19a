#pragma once

#include <QLabel>

namespace aurivane {

// A label that acts as a link: a left click (press and release over it)
// emits clicked() and leaves the keyboard focus where it was. Tab brings the
// focus to it, and Enter, Return or Space activate it like a click. Screen
// readers announce it as a link that can be pressed.
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickableLabel(QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool m_pressed = false;
};

// A link label under `parent` showing `text`. Assistive technology names it
// by that text and describes it with `description` (what following it does).
ClickableLabel* MakeLink(QWidget* parent, const QString& objectName, const QString& text,
                         const QString& description);

} // namespace aurivane
