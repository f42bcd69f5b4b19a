#include "FormLook.h"

#include <QPalette>
#include <QWidget>

#include <mutex>

namespace aurivane::FormLook {

QRect TwipsRect(int left, int top, int width, int height) {
    return {Pixels(left), Pixels(top), Pixels(width), Pixels(height)};
}

QPoint TwipsPoint(int left, int top) {
    return {Pixels(left), Pixels(top)};
}

QFont Verdana(double points, bool bold, bool underline) {
    static std::once_flag substituted;
    std::call_once(substituted, [] {
        QFont::insertSubstitution(QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"));
    });
    QFont font(QStringLiteral("Verdana"));
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

void SetTextColour(QWidget& widget, const QColor& colour) {
    QPalette palette = widget.palette();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::WindowText, colour);
        palette.setColor(group, QPalette::Text, colour);
        palette.setColor(group, QPalette::ButtonText, colour);
    }
    widget.setPalette(palette);
}

void SetOpaqueBackground(QWidget& widget, const QColor& colour) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, colour);
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

QString DisplayedCaption(const QString& storedCaption) {
    QString shown;
    shown.reserve(storedCaption.size());
    for (qsizetype i = 0; i < storedCaption.size(); ++i) {
        const QChar c = storedCaption.at(i);
        if (c == u'&') {
            if (i + 1 < storedCaption.size() && storedCaption.at(i + 1) == u'&') {
                shown += u'&';
                ++i;
            }
            continue;
        }
        shown += c;
    }
    return shown;
}

} // namespace aurivane::FormLook
