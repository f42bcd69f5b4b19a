#include "ChakraPictures.h"

#include "engine/ChakraCatalogue.h"
#include "resources.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPixmapCache>
#include <QStyle>
#include <QStyleOption>

#include <array>

namespace aurivane {

namespace {

QString DoubleSizePath(const QString& path) {
    const qsizetype dot = path.lastIndexOf(u'.');
    return dot < 0 ? path + QStringLiteral("@2x")
                   : path.left(dot) + QStringLiteral("@2x") + path.mid(dot);
}

QPixmap Read(const QString& path) {
    QPixmap picture;
    if (QPixmapCache::find(path, &picture))
        return picture;
    QImage pixels = Resources::StoredPixels(path);
    if (pixels.isNull())
        pixels.load(path);
    picture = QPixmap::fromImage(std::move(pixels));
    if (!picture.isNull())
        QPixmapCache::insert(path, picture);
    return picture;
}

QPixmap Load(const QString& path, qreal devicePixelRatio) {
    if (devicePixelRatio > 1.0) {
        QPixmap sharp = Read(DoubleSizePath(path));
        if (!sharp.isNull()) {
            sharp.setDevicePixelRatio(2.0);
            return sharp;
        }
    }
    return Read(path);
}

// The application icon family. Each picture is read the first time a size
// asks for it, not before. Window frames are offered the sizes up to 128
// pixels, whose pixels are compiled in: on X11 every offered size is read
// and handed to the window manager when a window is created, and the
// 256-pixel picture alone would more than double that work (Windows asks
// for its two sizes by itself). The 256-pixel picture, which the program
// file's icon on Windows needs, is decoded only when asked for by size. As with a family of added
// pictures, a size in between is shrunk from the next larger picture and a larger size gets the
// largest.
class IconFamilyEngine : public QIconEngine {
public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        painter->drawPixmap(
            rect, pixmap(rect.size() * painter->device()->devicePixelRatio(), mode, state));
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
        const int side = Resources::ApplicationIconSizes().at(Pick(size));
        QSize actual(side, side);
        if (side > size.width() || side > size.height())
            actual.scale(size, Qt::KeepAspectRatio);
        return actual;
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        const qsizetype index = Pick(size);
        if (m_decoded.size() <= index)
            m_decoded.resize(index + 1);
        QPixmap& decoded = m_decoded[index];
        if (decoded.isNull())
            decoded = Read(Resources::ApplicationIconFamily().at(index));
        QPixmap shown = decoded;
        const QSize actual = actualSize(size, mode, state);
        if (!actual.isEmpty() && actual != shown.size())
            shown = shown.scaled(actual, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        if (mode != QIcon::Normal) {
            QStyleOption option(0);
            option.palette = QGuiApplication::palette();
            shown = QApplication::style()->generatedIconPixmap(mode, shown, &option);
        }
        return shown;
    }

    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        QList<QSize> sizes;
        if (mode != QIcon::Normal || state != QIcon::Off)
            return sizes;
        for (const int side : Resources::ApplicationIconSizes()) {
            if (side <= LargestFrameIcon)
                sizes.append(QSize(side, side));
        }
        return sizes;
    }

    QIconEngine* clone() const override { return new IconFamilyEngine(*this); }

private:
    static constexpr int LargestFrameIcon = 128;

    // The smallest picture that covers `size`, or the largest there is.
    static qsizetype Pick(const QSize& size) {
        const QList<int> sides = Resources::ApplicationIconSizes();
        const qint64 wanted = qint64(size.width()) * size.height();
        for (qsizetype i = 0; i < sides.size(); ++i) {
            if (qint64(sides.at(i)) * sides.at(i) >= wanted)
                return i;
        }
        return sides.size() - 1;
    }

    QList<QPixmap> m_decoded;
};

} // namespace

QPixmap ChakraPictures::ListImage(int item, qreal devicePixelRatio) {
    if (item < 1 || item > Count)
        return {};
    // Item n holds the picture of catalogue row n - 1, under the row's name.
    return Load(Resources::PicturePath(ChakraCatalogue::Entry(item - 1).PictureName),
                devicePixelRatio);
}

QPixmap ChakraPictures::Picture(int index, qreal devicePixelRatio) {
    return ListImage(index + 1, devicePixelRatio);
}

QPixmap ChakraPictures::ApplicationIcon(qreal devicePixelRatio) {
    return Load(Resources::ApplicationIconPath(), devicePixelRatio);
}

QIcon ChakraPictures::WindowIcon() {
    // One family for every window, each picture decoded once.
    static const QIcon family(new IconFamilyEngine);
    return family;
}

} // namespace aurivane
