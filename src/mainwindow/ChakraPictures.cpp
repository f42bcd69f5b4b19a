#include "ChakraPictures.h"

#include "engine/ChakraCatalogue.h"

#include <QImageReader>

namespace aurivane::ChakraPictures {

namespace {

// With its format named, Qt reads a picture without asking every image
// plugin whether it knows the file.
QPixmap Read(const QString& path) {
    QImageReader reader(path, path.endsWith(u".png") ? "png" : "jpg");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
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
