#include "FormLook.h"

#include <QFontMetrics>
#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QPalette>
#include <QProxyStyle>
#include <QRegularExpression>
#include <QStyleFactory>
#include <QWidget>
#include <QtMath>

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

// Down in quarter points, to 6 points at the least.
template <typename TooBig> void ShrinkFontWhile(QLabel& label, TooBig tooBig) {
    QFont font = label.font();
    constexpr double SmallestPoints = 6.0;
    while (tooBig(QFontMetrics(font)) && font.pointSizeF() - 0.25 >= SmallestPoints)
        font.setPointSizeF(font.pointSizeF() - 0.25);
    label.setFont(font);
}

class ProgramStyle : public QProxyStyle {
public:
    ProgramStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

    QIcon standardIcon(StandardPixmap which, const QStyleOption* option,
                       const QWidget* widget) const override {
        // Every menu bar makes the arrow it shows when its entries do not fit,
        // which the fixed-size windows never need; reading its pictures would
        // load every image plugin.
        if (which == SP_ToolBarHorizontalExtensionButton && option == nullptr)
            return {};
        return QProxyStyle::standardIcon(which, option, widget);
    }
};

} // namespace

QStyle* MakeStyle() {
    return new ProgramStyle;
}

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

QPalette FixedLightPalette() {
    const QColor face(240, 240, 240);
    const QColor grey(160, 160, 160);
    const QColor greyText(109, 109, 109);
    QPalette palette(Black, face, White, grey, grey, Black, White, White, White);
    // In every group; a disabled control's text and selection are then greyed.
    palette.setColor(QPalette::Midlight, QColor(227, 227, 227));
    palette.setColor(QPalette::Shadow, QColor(105, 105, 105));
    palette.setColor(QPalette::AlternateBase, face);
    palette.setColor(QPalette::Highlight, QColor(0, 120, 215));
    palette.setColor(QPalette::HighlightedText, White);
    palette.setColor(QPalette::Link, QColor(0, 102, 204));
    palette.setColor(QPalette::LinkVisited, QColor(128, 0, 128));
    palette.setColor(QPalette::ToolTipBase, QColor(255, 255, 225));
    palette.setColor(QPalette::ToolTipText, Black);
    palette.setColor(QPalette::PlaceholderText, greyText);
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::HighlightedText})
        palette.setColor(QPalette::Disabled, role, greyText);
    palette.setColor(QPalette::Disabled, QPalette::Highlight, grey);
    // Every role counts as set, so that none is taken from the desktop's.
    for (int group = 0; group < QPalette::NColorGroups; ++group) {
        const auto g = static_cast<QPalette::ColorGroup>(group);
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            const auto r = static_cast<QPalette::ColorRole>(role);
            palette.setBrush(g, r, palette.brush(g, r));
        }
    }
    return palette;
}

void DrawWholePixelOutline(QPainter& painter, const QRectF& area, const QColor& colour,
                           int thickness) {
    const QTransform toDevice = painter.deviceTransform();
    bool invertible = false;
    const QTransform toLogical = toDevice.inverted(&invertible);
    if (!invertible || area.isEmpty())
        return;
    // The whole device pixels inside the area; the slack keeps rounding
    // errors from losing one.
    const QRectF device = toDevice.mapRect(area);
    constexpr qreal Slack = 0.01;
    const int left = qCeil(device.left() - Slack);
    const int top = qCeil(device.top() - Slack);
    const int right = qFloor(device.right() + Slack);
    const int bottom = qFloor(device.bottom() + Slack);
    const int across = qMax(1, qRound(qAbs(toDevice.m11()) * thickness));
    const int down = qMax(1, qRound(qAbs(toDevice.m22()) * thickness));
    if (right - left < 2 * across || bottom - top < 2 * down)
        return;

    painter.save();
    // From here on, one unit is one device pixel.
    painter.setWorldTransform(toLogical * painter.worldTransform());
    painter.setRenderHint(QPainter::Antialiasing, false);
    const int width = right - left;
    const int height = bottom - top;
    painter.fillRect(QRect(left, top, width, down), colour);
    painter.fillRect(QRect(left, bottom - down, width, down), colour);
    painter.fillRect(QRect(left, top, across, height), colour);
    painter.fillRect(QRect(right - across, top, across, height), colour);
    painter.restore();
}

void SetColour(QWidget& widget, std::initializer_list<QPalette::ColorRole> roles,
               const QColor& colour, std::initializer_list<QPalette::ColorGroup> groups) {
    QPalette palette = widget.palette();
    for (const QPalette::ColorGroup group : groups) {
        for (const QPalette::ColorRole role : roles)
            palette.setColor(group, role, colour);
    }
    widget.setPalette(palette);
}

void SetTextColour(QWidget& widget, const QColor& colour) {
    SetColour(widget, {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}, colour);
}

void SetOpaqueBackground(QWidget& widget, const QColor& colour) {
    SetColour(widget, {QPalette::Window}, colour, {QPalette::All});
    widget.setAutoFillBackground(true);
}

QString DisplayedCaption(const QString& storedCaption) {
    return QString(storedCaption)
        .replace(QRegularExpression(QStringLiteral("&(.?)")), QStringLiteral("\\1"));
}

} // namespace aurivane::FormLook
