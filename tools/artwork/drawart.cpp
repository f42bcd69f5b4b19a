// drawart: draws Aurivane's chakra pictures and application icon from vectors.
//
// Usage: drawart <resources-dir>
// Writes <dir>/pictures/*.jpg (1x and @2x) and <dir>/icons/aurivane-*.png plus aurivane.ico.

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <QTextStream>
#include <QTransform>

#include <cmath>
#include <functional>
#include <numbers>
#include <span>
#include <vector>

namespace {

const QColor kPageColour(64, 0, 0);

// The seven chakra colours, crown first.
const QColor kViolet(168, 86, 240);
const QColor kIndigo(96, 84, 236);
const QColor kBlue(36, 136, 255);
const QColor kGreen(44, 196, 84);
const QColor kYellow(255, 214, 36);
const QColor kOrange(255, 136, 24);
const QColor kRed(238, 36, 40);

QColor mix(const QColor& a, const QColor& b, qreal t) {
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                            float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t),
                            float(a.alphaF() + (b.alphaF() - a.alphaF()) * t));
}

QColor tint(const QColor& c, qreal t) {
    return mix(c, Qt::white, t);
}
QColor shade(const QColor& c, qreal t) {
    return mix(c, Qt::black, t);
}

QColor withAlpha(QColor c, qreal a) {
    c.setAlphaF(float(a));
    return c;
}

QPointF polar(QPointF centre, qreal radius, qreal degrees) {
    const qreal rad = degrees * std::numbers::pi / 180.0;
    return centre + QPointF(radius * std::cos(rad), radius * std::sin(rad));
}

// ---------------------------------------------------------------------------
// Petal ring: the shared building block of every emblem.

struct PetalRing {
    int count = 8;
    qreal rootRadius = 8; // where the petal leaves the disc
    qreal tipRadius = 18; // where the point of the petal is
    qreal width = 1.0;    // 1.0 = neighbouring roots just touch
    qreal startDeg = -90; // direction of the first petal (-90 = straight up)
    qreal outlineWidth = 0.6;
    qreal highlight = 0.45;  // how far towards white the lit middle of a petal goes
    qreal outlineTint = 0.6; // how far towards white the petal edges go
};

// One petal pointing along +x, root at x = root, tip at x = tip.
QPainterPath petalShape(qreal root, qreal tip, qreal halfWidth) {
    const qreal len = tip - root;
    QPainterPath path;
    path.moveTo(root, -halfWidth);
    path.cubicTo(root + len * 0.45, -halfWidth * 1.35, tip - len * 0.18, -halfWidth * 0.45, tip, 0);
    path.cubicTo(tip - len * 0.18, halfWidth * 0.45, root + len * 0.45, halfWidth * 1.35, root,
                 halfWidth);
    path.closeSubpath();
    return path;
}

// Draws ring.count petals around centre; petal i takes colours[i % colours.size()].
// Light falls from the upper left, so petals on that side are a touch brighter.
void drawPetalRing(QPainter& p, QPointF centre, const PetalRing& ring,
                   std::span<const QColor> colours) {
    const qreal step = 360.0 / ring.count;
    const qreal halfWidth = ring.rootRadius * std::sin(std::numbers::pi / ring.count) * ring.width;
    const QPainterPath shape = petalShape(ring.rootRadius, ring.tipRadius, halfWidth);

    for (int i = 0; i < ring.count; ++i) {
        const qreal angle = ring.startDeg + i * step;
        const QColor base = colours[std::size_t(i) % colours.size()];
        const qreal lit = 0.5 + 0.5 * std::cos((angle + 135.0) * std::numbers::pi / 180.0);

        QTransform t;
        t.translate(centre.x(), centre.y());
        t.rotate(angle);
        const QPainterPath petal = t.map(shape);

        QLinearGradient grad(polar(centre, ring.rootRadius, angle),
                             polar(centre, ring.tipRadius, angle));
        grad.setColorAt(0.0, shade(base, 0.35));
        grad.setColorAt(0.5, tint(base, ring.highlight * (0.55 + 0.45 * lit)));
        grad.setColorAt(1.0, base);
        p.setBrush(grad);
        if (ring.outlineWidth > 0)
            p.setPen(QPen(withAlpha(tint(base, ring.outlineTint), 0.85), ring.outlineWidth));
        else
            p.setPen(Qt::NoPen);
        p.drawPath(petal);
    }
}

void drawPetalRing(QPainter& p, QPointF centre, const PetalRing& ring, const QColor& colour) {
    drawPetalRing(p, centre, ring, std::span<const QColor>(&colour, 1));
}

// The central disc: a darker body of the chakra colour, lit from the upper left,
// with a bright rim that separates it from the petals.
void drawDisc(QPainter& p, QPointF centre, qreal radius, const QColor& colour, qreal rimWidth) {
    QRadialGradient grad(centre, radius, centre + QPointF(-radius * 0.35, -radius * 0.4));
    grad.setColorAt(0.0, shade(colour, 0.05));
    grad.setColorAt(0.7, shade(colour, 0.45));
    grad.setColorAt(1.0, shade(colour, 0.6));
    p.setBrush(grad);
    p.setPen(QPen(tint(colour, 0.55), rimWidth));
    p.drawEllipse(centre, radius, radius);
}

// Small bright point, used as the seed at the centre of several emblems.
void drawBindu(QPainter& p, QPointF centre, qreal radius, const QColor& colour) {
    QRadialGradient grad(centre, radius);
    grad.setColorAt(0.0, Qt::white);
    grad.setColorAt(0.6, tint(colour, 0.7));
    grad.setColorAt(1.0, withAlpha(tint(colour, 0.5), 0.0));
    p.setPen(Qt::NoPen);
    p.setBrush(grad);
    p.drawEllipse(centre, radius, radius);
}

QPolygonF regularPolygon(QPointF centre, qreal radius, int corners, qreal startDeg) {
    QPolygonF poly;
    for (int i = 0; i < corners; ++i)
        poly << polar(centre, radius, startDeg + i * 360.0 / corners);
    return poly;
}

// ---------------------------------------------------------------------------
// The seven emblems. Each is drawn in 1x pixel units; the caller scales the
// painter for the @2x versions.

void drawCrown(QPainter& p, QSizeF size) {
    const QPointF c(size.width() / 2, size.height() / 2);
    // Seen slightly from above, so the ring is a little wider than tall.
    p.save();
    p.translate(c);
    p.scale(1.3, 1.0);
    p.translate(-c);

    // A thousand petals, suggested by two tiers of very thin ones.
    PetalRing outer{.count = 40,
                    .rootRadius = 5.5,
                    .tipRadius = 14.3,
                    .width = 1.25,
                    .startDeg = -90,
                    .outlineWidth = 0.0,
                    .highlight = 0.55};
    const QColor outerColours[] = {kViolet, shade(kViolet, 0.2)};
    drawPetalRing(p, c, outer, outerColours);

    PetalRing inner{.count = 40,
                    .rootRadius = 4.5,
                    .tipRadius = 10.5,
                    .width = 1.25,
                    .startDeg = -90 + 4.5,
                    .outlineWidth = 0.0,
                    .highlight = 0.75};
    const QColor innerColours[] = {tint(kViolet, 0.25), kViolet};
    drawPetalRing(p, c, inner, innerColours);
    p.restore();

    drawDisc(p, c, 4.6, kViolet, 0.7);
    drawBindu(p, c, 2.6, kViolet);
}

void drawThirdEye(QPainter& p, QSizeF size) {
    const QPointF c(size.width() / 2, size.height() / 2);
    const QColor col = kIndigo;

    PetalRing wings{.count = 2,
                    .rootRadius = 8.0,
                    .tipRadius = 19.3,
                    .width = 0.95,
                    .startDeg = 0,
                    .outlineWidth = 0.6,
                    .highlight = 0.5};
    drawPetalRing(p, c, wings, col);
    drawDisc(p, c, 10.0, col, 0.9);

    // An open eye in the disc.
    const QColor light = tint(col, 0.75);
    QPainterPath eye;
    eye.moveTo(c + QPointF(-6.8, 0));
    eye.quadTo(c + QPointF(0, -6.6), c + QPointF(6.8, 0));
    eye.quadTo(c + QPointF(0, 6.6), c + QPointF(-6.8, 0));
    p.setPen(QPen(light, 1.0));
    p.setBrush(withAlpha(tint(col, 0.35), 0.55));
    p.drawPath(eye);
    p.setPen(Qt::NoPen);
    p.setBrush(light);
    p.drawEllipse(c, 2.3, 2.3);
    p.setBrush(shade(col, 0.7));
    p.drawEllipse(c, 1.0, 1.0);
}

void drawThroat(QPainter& p, QSizeF size) {
    const QPointF c(size.width() / 2, size.height() / 2);
    const QColor col = kBlue;

    PetalRing ring{.count = 16,
                   .rootRadius = 9.0,
                   .tipRadius = 18.8,
                   .width = 1.3,
                   .startDeg = -90,
                   .outlineWidth = 0.5,
                   .highlight = 0.45};
    drawPetalRing(p, c, ring, col);
    drawDisc(p, c, 10.0, col, 0.9);

    // The full moon inside a downward triangle.
    const QColor light = tint(col, 0.75);
    p.setPen(QPen(light, 0.9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(regularPolygon(c + QPointF(0, 0.6), 7.6, 3, 90));
    QRadialGradient moon(c + QPointF(-0.8, -0.4), 3.6);
    moon.setColorAt(0.0, Qt::white);
    moon.setColorAt(1.0, light);
    p.setPen(Qt::NoPen);
    p.setBrush(moon);
    p.drawEllipse(c + QPointF(0, -0.6), 3.0, 3.0);
}

void drawHeart(QPainter& p, QSizeF size) {
    const QPointF c(size.width() / 2, size.height() / 2);
    const QColor col = kGreen;

    PetalRing ring{.count = 12,
                   .rootRadius = 9.0,
                   .tipRadius = 18.8,
                   .width = 1.25,
                   .startDeg = -90,
                   .outlineWidth = 0.55,
                   .highlight = 0.45};
    drawPetalRing(p, c, ring, col);
    drawDisc(p, c, 10.0, col, 0.9);

    // Six-pointed star: two interlaced triangles.
    const QColor light = tint(col, 0.85);
    QPainterPath star;
    star.addPolygon(regularPolygon(c, 7.8, 3, -90));
    star.closeSubpath();
    star.addPolygon(regularPolygon(c, 7.8, 3, 90));
    star.closeSubpath();
    star.setFillRule(Qt::WindingFill);
    p.setPen(QPen(light, 1.05, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(withAlpha(tint(col, 0.25), 0.6));
    p.drawPath(star);
}

void drawNavel(QPainter& p, QSizeF size) {
    const QPointF c(size.width() / 2, size.height() / 2);
    const QColor col = kYellow;

    PetalRing ring{.count = 10,
                   .rootRadius = 9.0,
                   .tipRadius = 18.8,
                   .width = 1.2,
                   .startDeg = -90,
                   .outlineWidth = 0.55,
                   .highlight = 0.4};
    drawPetalRing(p, c, ring, col);
    drawDisc(p, c, 10.0, mix(col, kOrange, 0.45), 0.9);

    // Downward triangle of fire.
    QPolygonF tri = regularPolygon(c + QPointF(0, 0.9), 8.0, 3, 90);
    QLinearGradient fire(c + QPointF(0, -4), c + QPointF(0, 8.5));
    fire.setColorAt(0.0, QColor(255, 250, 215));
    fire.setColorAt(1.0, QColor(255, 190, 60));
    p.setPen(QPen(QColor(255, 252, 230), 0.7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fire);
    p.drawPolygon(tri);
}

void drawSacral(QPainter& p, QSizeF size) {
    const QPointF c(size.width() / 2, size.height() / 2);
    const QColor col = kOrange;

    PetalRing ring{.count = 6,
                   .rootRadius = 9.0,
                   .tipRadius = 18.8,
                   .width = 1.1,
                   .startDeg = -90,
                   .outlineWidth = 0.6,
                   .highlight = 0.45};
    drawPetalRing(p, c, ring, col);
    drawDisc(p, c, 10.0, col, 0.9);

    // Crescent moon, horns upward.
    QPainterPath full;
    full.addEllipse(c + QPointF(0, 0.8), 6.6, 6.6);
    QPainterPath bite;
    bite.addEllipse(c + QPointF(0, -2.6), 6.2, 6.2);
    QRadialGradient moon(c + QPointF(0, 5), 8);
    moon.setColorAt(0.0, Qt::white);
    moon.setColorAt(1.0, tint(col, 0.6));
    p.setPen(Qt::NoPen);
    p.setBrush(moon);
    p.drawPath(full.subtracted(bite));
}

void drawRoot(QPainter& p, QSizeF size) {
    const QPointF c(size.width() / 2, size.height() / 2);
    const QColor col = kRed;

    PetalRing ring{.count = 4,
                   .rootRadius = 9.0,
                   .tipRadius = 18.8,
                   .width = 1.05,
                   .startDeg = -90,
                   .outlineWidth = 0.65,
                   .highlight = 0.2,
                   .outlineTint = 0.4};
    drawPetalRing(p, c, ring, col);
    drawDisc(p, c, 10.0, col, 0.9);

    // The square of earth, with a small seed at its centre.
    const qreal h = 5.2;
    const QColor light = tint(col, 0.7);
    p.setPen(QPen(light, 1.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(withAlpha(tint(col, 0.3), 0.5));
    p.drawRect(QRectF(c - QPointF(h, h), c + QPointF(h, h)));
    drawBindu(p, c, 2.0, col);
}

// ---------------------------------------------------------------------------
// Application icon: seven chakra-coloured lotus petals around a golden centre on
// a dark rounded square. Drawn in 256-unit coordinates and scaled to each size.

void drawIcon(QPainter& p, int pixels) {
    const qreal s = pixels / 256.0;
    const bool small = pixels < 40; // drop hairline detail that would only blur
    p.scale(s, s);
    const QPointF c(128, 128);

    // Background tile.
    const QRectF tile(8, 8, 240, 240);
    QRadialGradient bg(c, 170, c + QPointF(-20, -30));
    bg.setColorAt(0.0, QColor(96, 14, 8));
    bg.setColorAt(0.6, kPageColour);
    bg.setColorAt(1.0, QColor(44, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(bg);
    p.drawRoundedRect(tile, 46, 46);
    if (!small) {
        p.setPen(QPen(QColor(214, 168, 72, 150), 4));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(tile.adjusted(7, 7, -7, -7), 39, 39);
    }

    // Golden rays between the petals, like the spokes of a wheel.
    const int n = 7;
    const qreal step = 360.0 / n;
    if (!small) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(230, 180, 70));
        for (int i = 0; i < n; ++i) {
            const qreal a = -90 + step / 2 + i * step;
            QPolygonF ray;
            ray << polar(c, 40, a - 7) << polar(c, 104, a) << polar(c, 40, a + 7);
            p.drawPolygon(ray);
        }
    }

    // Seven petals, crown (violet) at the top, then clockwise down to root (red).
    const QColor colours[] = {kViolet, kIndigo, kBlue, kGreen, kYellow, kOrange, kRed};
    PetalRing ring{.count = n,
                   .rootRadius = 38,
                   .tipRadius = small ? 116.0 : 112.0,
                   .width = 1.55,
                   .startDeg = -90,
                   .outlineWidth = small ? 0.0 : 3.0,
                   .highlight = 0.5};
    drawPetalRing(p, c, ring, colours);

    // Golden centre.
    QRadialGradient gold(c, 44, c + QPointF(-14, -16));
    gold.setColorAt(0.0, QColor(255, 246, 190));
    gold.setColorAt(0.45, QColor(246, 196, 64));
    gold.setColorAt(1.0, QColor(168, 104, 12));
    p.setPen(small ? Qt::NoPen : QPen(QColor(255, 226, 140), 3));
    p.setBrush(gold);
    p.drawEllipse(c, 42, 42);
    if (!small) {
        // A ring of seven small points around the seed.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(150, 84, 8));
        for (int i = 0; i < n; ++i)
            p.drawEllipse(polar(c, 26, -90 + i * step), 4.5, 4.5);
        p.setBrush(QColor(120, 60, 4));
        p.drawEllipse(c, 9, 9);
    } else {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(140, 76, 6));
        p.drawEllipse(c, 14, 14);
    }
}

// ---------------------------------------------------------------------------
// Output.

bool fail(const QString& what) {
    QTextStream(stderr) << "drawart: " << what << '\n';
    return false;
}

using EmblemFn = std::function<void(QPainter&, QSizeF)>;

struct Emblem {
    const char* file; // without extension
    QSize size;       // 1x pixel size
    EmblemFn draw;
};

QImage renderPicture(const Emblem& e, int scale) {
    QImage img(e.size * scale, QImage::Format_RGB32);
    img.fill(kPageColour);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
    e.draw(p, QSizeF(e.size));
    p.end();
    return img;
}

QImage renderIcon(int pixels) {
    QImage img(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    drawIcon(p, pixels);
    p.end();
    return img.convertToFormat(QImage::Format_ARGB32);
}

QByteArray pngBytes(const QImage& img) {
    QByteArray bytes;
    QBuffer buf(&bytes);
    buf.open(QIODevice::WriteOnly);
    img.save(&buf, "PNG");
    return bytes;
}

void putLE16(QByteArray& out, quint16 v) {
    out.append(char(v & 0xff));
    out.append(char(v >> 8));
}

void putLE32(QByteArray& out, quint32 v) {
    for (int i = 0; i < 4; ++i)
        out.append(char((v >> (8 * i)) & 0xff));
}

// Beside a picture the program shows at start-up, its pixels as the program
// decodes them (<file>.argb): "ARGB", then width, height and QImage format as
// little-endian 32-bit numbers, then the rows of 32-bit pixels. The program
// copies these instead of decoding the file.
bool writePixels(const QString& path) {
    QImage decoded(path);
    if (decoded.isNull())
        return false;
    decoded = decoded.convertToFormat(
        decoded.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    QByteArray pixels("ARGB");
    putLE32(pixels, quint32(decoded.width()));
    putLE32(pixels, quint32(decoded.height()));
    putLE32(pixels, quint32(decoded.format()));
    for (int y = 0; y < decoded.height(); ++y) {
        const auto* row = reinterpret_cast<const quint32*>(decoded.constScanLine(y));
        for (int x = 0; x < decoded.width(); ++x)
            putLE32(pixels, row[x]);
    }
    QFile out(path + ".argb");
    return out.open(QIODevice::WriteOnly) && out.write(pixels) == pixels.size() && out.flush();
}

// ICO container with PNG-compressed entries (understood by Windows Vista and later).
bool writeIco(const QString& path, const std::vector<QImage>& images) {
    std::vector<QByteArray> payloads;
    for (const QImage& img : images)
        payloads.push_back(pngBytes(img));

    QByteArray out;
    putLE16(out, 0); // reserved
    putLE16(out, 1); // type: icon
    putLE16(out, quint16(images.size()));
    quint32 offset = quint32(6 + 16 * images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        const int w = images[i].width(), h = images[i].height();
        out.append(char(w >= 256 ? 0 : w)); // 0 means 256
        out.append(char(h >= 256 ? 0 : h));
        out.append(char(0)); // no palette
        out.append(char(0)); // reserved
        putLE16(out, 1);     // colour planes
        putLE16(out, 32);    // bits per pixel
        putLE32(out, quint32(payloads[i].size()));
        putLE32(out, offset);
        offset += quint32(payloads[i].size());
    }
    for (const QByteArray& png : payloads)
        out.append(png);

    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(out) != out.size())
        return fail("cannot write " + path);
    return true;
}

bool run(const QString& outDir) {
    const QDir root(outDir);
    if (!root.mkpath("pictures") || !root.mkpath("icons"))
        return fail("cannot create output folders under " + outDir);

    const std::vector<Emblem> emblems = {
        {"0 Crown Chakra", QSize(40, 30), drawCrown},
        {"1 Third Eye Chakra", QSize(40, 35), drawThirdEye},
        {"2 Throat Chakra", QSize(40, 40), drawThroat},
        {"3 Heart Chakra", QSize(40, 40), drawHeart},
        {"4 Navel Chakra", QSize(40, 40), drawNavel},
        {"5 Sacral Chakra", QSize(40, 40), drawSacral},
        {"6 Root Chakra", QSize(40, 40), drawRoot},
    };
    for (const Emblem& e : emblems) {
        for (int scale : {1, 2}) {
            const QString name = QString::fromUtf8(e.file) + (scale == 2 ? "@2x" : "") + ".jpg";
            const QString path = root.filePath("pictures/" + name);
            // Page 1 shows the pictures at 100 %; their pixels go beside them.
            if (!renderPicture(e, scale).save(path, "JPG", 92) ||
                (scale == 1 && !writePixels(path)))
                return fail("cannot write " + path);
        }
    }

    // Every size a desktop asks for: 16 to 32 for title bars and lists at 100 to
    // 200 %, 40 to 64 for task switchers and taskbars, 128 and 256 for large views.
    for (int px : {16, 20, 24, 32, 40, 48, 64, 128, 256}) {
        const QString path = root.filePath(QString("icons/aurivane-%1.png").arg(px));
        // The window frames' sizes, up to 128 pixels, also as pixels.
        if (!renderIcon(px).save(path, "PNG") || (px <= 128 && !writePixels(path)))
            return fail("cannot write " + path);
    }
    const QString hidpi = root.filePath("icons/aurivane-32@2x.png");
    if (!renderIcon(64).save(hidpi, "PNG"))
        return fail("cannot write " + hidpi);

    // The sizes Windows takes from an executable's icon at 100 to 200 %.
    std::vector<QImage> icoImages;
    for (int px : {16, 20, 24, 32, 40, 48, 64, 256})
        icoImages.push_back(renderIcon(px));
    return writeIco(root.filePath("icons/aurivane.ico"), icoImages);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QStringList args = app.arguments();
    if (args.size() != 2) {
        QTextStream(stderr) << "usage: drawart <resources-dir>\n";
        return 2;
    }
    return run(args.at(1)) ? 0 : 1;
}
