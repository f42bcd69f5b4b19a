#pragma once

#include "formkit/FormLook.h"

#include <QRect>
#include <QTest>
#include <QWidget>

// Layout tables: each row names a control and gives its place in twips as
// the form was drawn, relative to its container. A width of 0 stands for a
// control sized to its text, of which only the position counts.
inline void AddLayoutColumns() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QRect>("twips");
}

inline void AddPlace(const char* control, int left, int top, int width = 0, int height = 0) {
    QTest::newRow(control) << QString::fromLatin1(control) << QRect(left, top, width, height);
}

// Compares the current row with the control of that name under `form`.
inline void CompareWithLayoutRow(const QWidget& form) {
    QFETCH(QString, control);
    QFETCH(QRect, twips);
    const auto* widget = form.findChild<QWidget*>(control);
    QVERIFY2(widget != nullptr, qPrintable(control));
    if (twips.width() == 0)
        QCOMPARE(widget->pos(), aurivane::FormLook::TwipsPoint(twips.x(), twips.y()));
    else
        QCOMPARE(widget->geometry(), aurivane::FormLook::TwipsRect(twips.x(), twips.y(),
                                                                   twips.width(), twips.height()));
}
