#include "ChakraPictures.h"

#include "resources.h"

#include <array>

namespace aurivane {

namespace {

// The names the list records its items under, in list order.
const std::array<QString, ChakraPictures::Count>& ItemNames() {
    static const std::array<QString, ChakraPictures::Count> names{
        QStringLiteral("0 Crown Chakra.jpg"),  QStringLiteral("1 Third Eye Chakra.jpg"),
        QStringLiteral("2 Throat Chakra.jpg"), QStringLiteral("3 Heart Chakra.jpg"),
        QStringLiteral("4 Navel Chakra.jpg"),  QStringLiteral("5 Sacral Chakra.jpg"),
        QStringLiteral("6 Root Chakra.jpg"),
    };
    return names;
}

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
    return Load(Resources::PicturePath(ItemNames().at(static_cast<std::size_t>(item - 1))),
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
    icon.addPixmap(ApplicationIcon(1.0));
    icon.addPixmap(ApplicationIcon(2.0));
    return icon;
}

} // namespace aurivane
