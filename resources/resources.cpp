#include "resources.h"

namespace aurivane::Resources {

QString ApplicationIconPath() {
    return QStringLiteral(":/icons/aurivane-32.png");
}

QList<int> ApplicationIconSizes() {
    return {16, 20, 24, 32, 40, 48, 64, 128, 256};
}

QStringList ApplicationIconFamily() {
    QStringList family;
    for (const int size : ApplicationIconSizes())
        family.append(QStringLiteral(":/icons/aurivane-%1.png").arg(size));
    return family;
}

QString PicturePath(const QString& pictureName) {
    return QStringLiteral(":/pictures/") + pictureName;
}

} // namespace aurivane::Resources
