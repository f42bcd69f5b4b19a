#include "FormLook.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPalette>
#include <QScreen>
#include <QWidget>

#include <mutex>

namespace aurivane::FormLook {

QRect TwipsRect(int left, int top, int width, int height) {
    return {Pixels(left), Pixels(top), Pixels(width), Pixels(height)};
}

QPoint TwipsPoint(int left, int top) {
    return {Pixels(left), Pixels(top)};
}

QFont Font(const QString& family, double points, bool bold, bool underline) {
    static std::once_flag substituted;
    std::call_once(substituted, [] {
        QFont::insertSubstitution(QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"));
        QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans"));
    });
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

QFont Verdana(double points, bool bold, bool underline) {
    return Font(QStringLiteral("Verdana"), points, bold, underline);
}

namespace {

// Steps the label's font down in quarter points, to 6 points at the least,
// while `tooBig` says the text in that font does not fit.
template <typename TooBig> void ShrinkFontWhile(QLabel& label, TooBig tooBig) {
    QFont font = label.font();
    constexpr double SmallestPoints = 6.0;
    while (tooBig(QFontMetrics(font)) && font.pointSizeF() - 0.25 >= SmallestPoints)
        font.setPointSizeF(font.pointSizeF() - 0.25);
    label.setFont(font);
}

} // namespace

void ShrinkFontToFit(QLabel& label) {
    const int room = label.contentsRect().width();
    ShrinkFontWhile(label, [&label, room](const QFontMetrics& metrics) {
        return metrics.horizontalAdvance(label.text()) > room;
    });
}

void ShrinkWrappedFontToFit(QLabel& label) {
    const QRect room = label.contentsRect();
    ShrinkFontWhile(label, [&label, room](const QFontMetrics& metrics) {
        const QRect needed = metrics.boundingRect(QRect(0, 0, room.width(), 1 << 20),
                                                  Qt::TextWordWrap, label.text());
        return needed.width() > room.width() || needed.height() > room.height();
    });
}

QLabel* MakeLabel(QWidget* parent, const QString& objectName, const QFont& font,
                  const QColor& colour, const QString& text) {
    auto* label = new QLabel(parent);
    label->setObjectName(objectName);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setFont(font);
    SetTextColour(*label, colour);
    label->setText(text);
    return label;
}

void CentreOnScreen(QWidget& window) {
    if (const QScreen* target = window.screen())
        window.move(target->availableGeometry().center() -
                    QPoint(window.width() / 2, window.height() / 2));
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
