#include "ChakraPictures.h"

#include "engine/ChakraCatalogue.h"
#include "resources.h"

#include <array>

namespace aurivane {

namespace {

QString DoubleSizePath(const QString& path) {
    const qsizetype dot = path.lastIndexOf(u'.');
    return dot < 0 ? path + QStringLiteral("@2x")
                   : path.left(dot) + QStringLiteral("@2x") + path.mid(dot);
}

QPixmap Load(const QString& path, qreal devicePixelRatio) {
    if (devicePixelRatio > 1.0) {
        QPixmap sharp(DoubleSizePath(path));
        if (!sharp.isNull()) {
            sharp.setDevicePixelRatio(2.0);
            return sharp;
        }
    }
    return QPixmap(path);
}

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
    QIcon icon;
    // Added as pictures, not as files: a file would bring its "@2x"
    // double as a second 32-pixel entry, which Qt then shrinks for 32 pixels.
    for (const QString& path : Resources::ApplicationIconFamily())
        icon.addPixmap(QPixmap(path));
    return icon;
}

} // namespace aurivane
