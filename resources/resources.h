#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace aurivane::Resources {

// The application icon, 32 x 32 pixels (a 64 x 64 version sits beside it
// for high-density screens).
QString ApplicationIconPath();

// The sizes the application icon is drawn at, 16 to 256 pixels, smallest
// first, and the pictures, in the same order.
QList<int> ApplicationIconSizes();
QStringList ApplicationIconFamily();

// A chakra picture by the name it is recorded under, e.g. "0 Crown Chakra.jpg".
QString PicturePath(const QString& pictureName);

} // namespace aurivane::Resources
