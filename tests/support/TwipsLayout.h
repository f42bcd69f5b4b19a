#pragma once

#include <QComboBox>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QRect>
#include <QTest>
#include <QWidget>

// Tables of the forms as they were drawn: each row names a control (or the
// form itself) and gives either its place or its look.
inline void AddDrawnColumns() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QRect>("twips");
    QTest::addColumn<QString>("face");
    QTest::addColumn<QColor>("text");
    QTest::addColumn<QColor>("back");
}

// A place in twips, relative to the control's container. A width of 0 stands
// for a control sized to its text, of which only the position counts.
inline void AddPlace(const QString& control, int left, int top, int width = 0, int height = 0) {
    QTest::addRow("%s", qPrintable(control))
        << control << QRect(left, top, width, height) << QString() << QColor() << QColor();
}

// A look: the face as "family points [bold] [underline]" and the text and background colours; an
// empty face or an invalid colour is not checked. A button's colours are its text and face, a text
// box's or list's its text and box.
inline void AddLook(const char* control, const char* face, QColor text, QColor back = {}) {
    QTest::addRow("look of %s", control)
        << QString::fromLatin1(control) << QRect() << QString::fromLatin1(face) << text << back;
}

// Twips to pixels as the forms were drawn, at 96 dpi: 15 twips to a pixel,
// rounded to the nearest pixel.
constexpr int LayoutPixels(int twips) {
    return (twips * 2 + 15) / 30;
}

// Compares the current row with the control of that name under `form`.
inline void CompareWithDrawnRow(const QWidget& form) {
    QFETCH(QString, control);
    QFETCH(QRect, twips);
    QFETCH(QString, face);
    QFETCH(QColor, text);
    QFETCH(QColor, back);
    const auto* widget = form.objectName() == control ? &form : form.findChild<QWidget*>(control);
    QVERIFY2(widget != nullptr, qPrintable(control));
    if (face.isEmpty() && !text.isValid() && !back.isValid()) {
        const QRect pixels(LayoutPixels(twips.x()), LayoutPixels(twips.y()),
                           LayoutPixels(twips.width()), LayoutPixels(twips.height()));
        QCOMPARE(twips.width() == 0 ? QRect(widget->pos(), QSize(0, 0)) : widget->geometry(),
                 pixels);
        return;
    }
    const QFont font = widget->font();
    const QString seen = QStringLiteral("%1 %2%3%4")
                             .arg(font.family())
                             .arg(font.pointSizeF())
                             .arg(font.bold() ? " bold" : "", font.underline() ? " underline" : "");
    const bool button = qobject_cast<const QPushButton*>(widget) != nullptr;
    const bool box =
        qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QComboBox*>(widget);
    const auto fore = button ? QPalette::ButtonText : (box ? QPalette::Text : QPalette::WindowText);
    const auto ground = button ? QPalette::Button : (box ? QPalette::Base : QPalette::Window);
    QCOMPARE(face.isEmpty() ? face : seen, face);
    for (const auto group : {QPalette::Active, QPalette::Inactive}) { // in front, or behind another
        QCOMPARE(text.isValid() ? widget->palette().color(group, fore) : text, text);
        QCOMPARE(back.isValid() ? widget->palette().color(group, ground) : back, back);
    }
}
