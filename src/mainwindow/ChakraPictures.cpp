#include "ChakraPictures.h"

#include "engine/ChakraCatalogue.h"
#include "resources.h"

#include <QImageReader>

namespace aurivane::ChakraPictures {

namespace {

// What start-up shows is copied from its stored pixels: decoding costs
// several times as much. Anything else is read with its format named.
QPixmap Read(const QString& path) {
    QImage pixels = Resources::StoredPixels(path);
    if (pixels.isNull()) {
        QImageReader reader(path, path.endsWith(u".png") ? "png" : "jpg");
        reader.setAutoDetectImageFormat(false);
        pixels = reader.read();
    }
    return QPixmap::fromImage(std::move(pixels));
}

QPixmap Load(const QString& path, qreal devicePixelRatio) {
    if (devicePixelRatio > 1.0) {
        QPixmap sharp = Read(QString(path).insert(path.lastIndexOf(u'.'), u"@2x"));
        if (!sharp.isNull()) {
            sharp.setDevicePixelRatio(2.0);
            return sharp;
        }
    }
    return Read(path);
}

} // namespace

QPixmap Picture(int index, qreal devicePixelRatio) {
    if (index < 0 || index >= ChakraCatalogue::RowCount)
        return {};
    return Load(QStringLiteral(":/pictures/") + ChakraCatalogue::Entry(index).PictureName,
                devicePixelRatio);
}

QPixmap ApplicationIcon(qreal devicePixelRatio) {
    return Load(QStringLiteral(":/icons/aurivane-32.png"), devicePixelRatio);
}

QIcon WindowIcon() {
    static const QIcon family = [] {
        QIcon icon;
        for (const int side : {16, 20, 24, 32, 40, 48, 64, 128})
            icon.addPixmap(Read(QStringLiteral(":/icons/aurivane-%1.png").arg(side)));
        return icon;
    }();
    return family;
}

} // namespace aurivane::ChakraPictures
