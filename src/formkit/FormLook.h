#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QRect>

#include <initializer_list>

class QLabel;
class QPainter;
class QStyle;
class QWidget;

namespace aurivane::FormLook {

// Layout positions are kept in twips, as the forms were drawn: 15 twips to a
// pixel at 96 dots per inch.
inline constexpr int TwipsPerPixel = 15;

constexpr int Pixels(int twips) {
    // Round half away from zero; every position we lay out is positive.
    return (twips + TwipsPerPixel / 2) / TwipsPerPixel;
}

QRect TwipsRect(int left, int top, int width, int height);
QPoint TwipsPoint(int left, int top);

// A face at `points`. Where Verdana or MS Sans Serif is missing (Debian)
// DejaVu Sans stands in, so the layout measures the same everywhere.
QFont Font(const QString& family, double points, bool bold = false, bool underline = false);
QFont Verdana(double points, bool bold = false, bool underline = false);

// Makes the label's font smaller until its one line fits its width, or every
// wrapped line its box: faces differ from one system to the next.
void ShrinkFontToFit(QLabel& label);
void ShrinkWrappedFontToFit(QLabel& label);

// A label for plain text, aligned to its top left, in `font` and `colour`.
QLabel* MakeLabel(QWidget* parent, const QString& objectName, const QFont& font,
                  const QColor& colour, const QString& text = {});

// Fusion, for every window on every system: the native Windows styles ignore
// the colours of buttons and drop-down lists.
QStyle* MakeStyle();

// The colours the forms are painted in.
inline const QColor DarkRedBrown{64, 0, 0};
inline const QColor Gold{255, 180, 4};
inline const QColor LightBlue{108, 177, 253};
inline const QColor Green{73, 240, 60};
inline const QColor Lilac{206, 157, 219};
inline const QColor Cyan{0, 255, 255};
inline const QColor NameBoxBackground{128, 64, 64};
inline const QColor AboutText{255, 192, 192};
inline const QColor AboutLink{103, 203, 255};
inline const QColor White{255, 255, 255};
inline const QColor Black{0, 0, 0};
inline const QColor Navy{0, 0, 128};
inline const QColor LinkBlue{0, 0, 192};
inline const QColor Yellow{255, 255, 0};

// Every role of every group in the classic light colours, for a white form:
// a text or check box following a dark desktop palette would vanish there.
QPalette FixedLightPalette();

// The outline of `area`, each edge `thickness` layout pixels rounded to whole
// device pixels inside the area, at any device pixel ratio (at 1.25 or 1.5 a
// layout pixel's edge falls inside a device pixel).
void DrawWholePixelOutline(QPainter& painter, const QRectF& area, const QColor& colour,
                           int thickness = 1);

// Gives the widget's `roles` the colour in `groups`: by default while its
// window is active and while it is not, so that a disabled control is greyed.
void SetColour(QWidget& widget, std::initializer_list<QPalette::ColorRole> roles,
               const QColor& colour,
               std::initializer_list<QPalette::ColorGroup> groups = {QPalette::Active,
                                                                     QPalette::Inactive});
// The colour of the widget's text, whichever role its kind draws text in.
void SetTextColour(QWidget& widget, const QColor& colour);
// Paints the widget's own background in `colour` (an opaque control).
void SetOpaqueBackground(QWidget& widget, const QColor& colour);

// A caption as a label shows it: "&&" is one "&", a single "&" is not shown.
QString DisplayedCaption(const QString& storedCaption);

} // namespace aurivane::FormLook
