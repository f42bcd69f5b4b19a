#pragma once

#include <QImage>
#include <QList>
#include <QRect>
#include <QString>

class QAccessibleInterface;
class QObject;
class QWidget;

// What a user sees of a form, measured on its pixels as drawn, and what
// assistive technology is told of it.

// The accessible interface of `object`; there must be one.
QAccessibleInterface* Accessible(QObject* object);

// The contrast ratio of two colours as WCAG 2 defines it, from 1 to 21.
double Contrast(QRgb a, QRgb b);

// `widget` as drawn, in device pixels.
QImage Shot(QWidget& widget);

// The contrast with the commonest colour under `area` (in layout pixels) of
// the pixel there that stands out most from it.
double ContrastWithin(const QImage& shot, const QRect& area);

// Every text a user sees on `form`, named by its control or menu entry, with
// its contrast: the controls' own texts where nothing covers them, and the
// menu bar's enabled entries.
struct DrawnText {
    QString where;
    double contrast;
};
QList<DrawnText> VisibleTexts(QWidget& form);

// The control that has the focus, " (unseen)" added unless it is shown
// inside `window` and nothing covers it; "nothing" without a focus.
QString SeenFocus(QWidget& window);

// What is wrong with the mark `stop` shows when Tab brings the focus to it
// (empty if nothing). Up to 8 pixels out, the mark's pixels stand 3 : 1 from
// themselves unfocused over at least the area of a 2-pixel line around the
// control, half that area 2 pixels or more out (what hugs the edge looks like
// a larger control); some pixel of it, up to 4 pixels straight out, stands
// 3 : 1 from 95 % of the control's edge pixels; and it covers none of the
// control, unless at the window's edge.
QString FocusMarkFault(QWidget& window, QWidget& stop);
