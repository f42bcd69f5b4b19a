#include "resources.h"

namespace aurivane::Resources {

QString ApplicationIconPath() {
    return QStringLiteral(":/icons/aurivane-32.png");
}

QString PicturePath(const QString& pictureName) {
    return QStringLiteral(":/pictures/") + pictureName;
}

} // namespace aurivane::Resources
