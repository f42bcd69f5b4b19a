#include "support/ScreenChecks.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusFrame>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>

#include <algorithm>
#include <cmath>

QAccessibleInterface* Accessible(QObject* object) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(object);
    if (accessible == nullptr)
        qFatal("no accessible interface for %s", qPrintable(object->objectName()));
    return accessible;
}

double Contrast(QRgb a, QRgb b) {
    const auto luminance = [](QRgb colour) {
        const auto linear = [](int channel) {
            const double v = channel / 255.0;
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(qRed(colour)) + 0.7152 * linear(qGreen(colour)) +
               0.0722 * linear(qBlue(colour));
    };
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QImage Shot(QWidget& widget) {
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

namespace {

// The device pixels of `shot` under `area` (in layout pixels).
QRect DevicePixels(const QImage& shot, const QRectF& area) {
    const qreal ratio = shot.devicePixelRatio();
    return QRectF(area.topLeft() * ratio, area.size() * ratio).toAlignedRect() & shot.rect();
}

// Where a control draws its own text, in its coordinates; empty for one
// without text.
QRect TextArea(QWidget* widget) {
    const QFontMetrics metrics(widget->font());
    QStyle* style = widget->style();
    const auto within = [&metrics](const QRect& room, int flags, const QString& text) {
        return text.isEmpty() ? QRect() : metrics.boundingRect(room, flags, text) & room;
    };
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
        return label->pixmap().isNull() ? within(label->contentsRect(), flags, label->text())
                                        : QRect();
    }
    if (auto* box = qobject_cast<QCheckBox*>(widget)) {
        QStyleOptionButton option;
        option.initFrom(box);
        option.text = box->text();
        const QRect room = style->subElementRect(QStyle::SE_CheckBoxContents, &option, box);
        return within(room, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, box->text());
    }
    if (auto* button = qobject_cast<QPushButton*>(widget))
        return within(button->rect().adjusted(4, 4, -4, -4), Qt::AlignCenter | Qt::TextShowMnemonic,
                      button->text());
    if (auto* frame = qobject_cast<QGroupBox*>(widget); frame && !frame->title().isEmpty()) {
        QStyleOptionGroupBox option;
        option.initFrom(frame);
        option.text = frame->title();
        option.textAlignment = frame->alignment();
        option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        option.lineWidth = 1;
        return style->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, frame);
    }
    if (auto* line = qobject_cast<QLineEdit*>(widget))
        return within(line->rect().adjusted(4, 3, -4, -3), Qt::AlignLeft | Qt::AlignVCenter,
                      line->text());
    if (auto* list = qobject_cast<QComboBox*>(widget)) {
        QStyleOptionComboBox option;
        option.initFrom(list);
        option.currentText = list->currentText();
        option.frame = true;
        option.editable = false;
        const QRect room =
            style->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list);
        return within(room, Qt::AlignLeft | Qt::AlignVCenter, list->currentText());
    }
    return {};
}

} // namespace

double ContrastWithin(const QImage& shot, const QRect& area) {
    const QRect pixels = DevicePixels(shot, area);
    QHash<QRgb, int> counts;
    for (int y = pixels.top(); y <= pixels.bottom(); ++y)
        for (int x = pixels.left(); x <= pixels.right(); ++x)
            ++counts[shot.pixel(x, y) | 0xff000000];
    const QList<QRgb> colours = counts.keys();
    const QRgb background =
        *std::max_element(colours.cbegin(), colours.cend(),
                          [&counts](QRgb a, QRgb b) { return counts[a] < counts[b]; });
    double contrast = 1.0;
    for (const QRgb colour : colours)
        contrast = std::max(contrast, Contrast(colour, background));
    return contrast;
}

QList<DrawnText> VisibleTexts(QWidget& form) {
    const QImage shot = Shot(form);
    QList<DrawnText> texts;
    for (QWidget* widget : form.findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(&form))
            continue;
        if (auto* bar = qobject_cast<QMenuBar*>(widget)) {
            for (QAction* entry : bar->actions()) {
                if (!entry->isVisible() || !entry->isEnabled())
                    continue;
                const QRect room = bar->actionGeometry(entry).adjusted(2, 2, -2, -2);
                const QRect text =
                    QFontMetrics(bar->font())
                        .boundingRect(room, Qt::AlignCenter | Qt::TextShowMnemonic, entry->text()) &
                    room;
                texts << DrawnText{
                    entry->text(),
                    ContrastWithin(shot, text.translated(bar->mapTo(&form, QPoint())))};
            }
            continue;
        }
        const QRect onForm = TextArea(widget).translated(widget->mapTo(&form, QPoint()));
        QWidget* seen = form.childAt(onForm.center());
        // Left out: no text, covered, or outside its container's visible part.
        if (!onForm.isEmpty() && (seen == widget || widget->isAncestorOf(seen)))
            texts << DrawnText{widget->objectName(), ContrastWithin(shot, onForm)};
    }
    return texts;
}

QString SeenFocus(QWidget& window) {
    QWidget* focus = QApplication::focusWidget();
    if (focus == nullptr)
        return QStringLiteral("nothing");
    const QRect onWindow(focus->mapTo(&window, QPoint(0, 0)), focus->size());
    QWidget* top = window.childAt(onWindow.center());
    const bool seen =
        window.rect().contains(onWindow) && (top == focus || focus->isAncestorOf(top));
    return focus->objectName() + (seen ? QString() : QStringLiteral(" (unseen)"));
}

QString FocusMarkFault(QWidget& window, QWidget& stop) {
    stop.setFocus(Qt::TabFocusReason);
    const QImage focused = Shot(window);
    // The same focus without the mark around it: what the control draws.
    if (auto* ring =
            window.findChild<QFocusFrame*>(QStringLiteral("focusRing"), Qt::FindDirectChildrenOnly))
        ring->hide();
    const QImage bare = Shot(window);
    stop.clearFocus();
    const QImage unfocused = Shot(window);
    const qreal ratio = focused.devicePixelRatio();
    const QRectF place(stop.mapTo(&window, QPoint()), stop.size());
    const QRect hugging = DevicePixels(focused, place.adjusted(-2, -2, 2, 2));
    const QRect own = DevicePixels(focused, place);
    // At the window's edge the mark comes inside the control, to stay whole.
    const bool room = QRectF(window.rect()).contains(place.adjusted(-4, -4, 4, 4));
    const int reach = qRound(4 * ratio);
    double changed = 0, outside = 0;
    int covered = 0, edge = 0, marked = 0;
    const QRect pixels = DevicePixels(focused, place.adjusted(-8, -8, 8, 8));
    for (int y = pixels.top(); y <= pixels.bottom(); ++y)
        for (int x = pixels.left(); x <= pixels.right(); ++x) {
            const QPoint at(x, y);
            if (Contrast(focused.pixel(at), unfocused.pixel(at)) >= 3.0) {
                ++changed;
                outside += hugging.contains(at) ? 0 : 1;
            }
            if (!own.contains(at))
                continue;
            if (room && focused.pixel(at) != bare.pixel(at))
                ++covered;
            // On the control's edge: does some pixel of the mark, straight
            // out from it, stand apart from it?
            for (const QPoint out : {QPoint(0, -1), QPoint(0, 1), QPoint(-1, 0), QPoint(1, 0)}) {
                if (own.contains(at + out))
                    continue;
                ++edge;
                int n = 1;
                while (n <= reach && focused.rect().contains(at + n * out) &&
                       Contrast(focused.pixel(at), focused.pixel(at + n * out)) < 3.0)
                    ++n;
                if (n <= reach && focused.rect().contains(at + n * out))
                    ++marked;
            }
        }
    const double line = 2 * 2.0 * (stop.width() + stop.height()) * ratio * ratio;
    QStringList faults;
    if (changed < line)
        faults << QStringLiteral("changes %1 of a line's %2 pixels").arg(changed).arg(line);
    if (outside < line / 2)
        faults << QStringLiteral("changes only %1 pixels 2 or more out").arg(outside);
    if (marked < 0.95 * edge)
        faults << QStringLiteral("stands apart at %1 of %2 edge pixels").arg(marked).arg(edge);
    if (covered > 0)
        faults << QStringLiteral("covers %1 of the control's pixels").arg(covered);
    return faults.join(QStringLiteral("; "));
}
