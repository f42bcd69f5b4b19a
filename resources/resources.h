#pragma once

#include <QByteArray>
#include <QImage>
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

// The pixels of the compiled-in picture at `path` as decoding gives them,
// where they are compiled in beside it (<path>.argb, written by
// tools/artwork). Copying them costs a fraction of decoding, and decoding any
// picture loads every image plugin. Null when they are not there or do not
// add up. The build checks each such file against its picture.
QImage StoredPixels(const QString& path);

// The pixels an .argb file holds: "ARGB", then width, height and QImage
// format as little-endian 32-bit numbers, then the rows of 32-bit pixels.
// Null when `data` is no such file.
QImage PixelsFromArgb(const QByteArray& data);

} // namespace aurivane::Resources
