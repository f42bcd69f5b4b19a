#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace aurivane::Resources {

// The pixels of the compiled-in picture at `path` as decoding gives them,
// where they are compiled in beside it (<path>.argb, written by
// tools/artwork): copying them costs a fraction of decoding. Null when they
// are not there or do not add up. The build checks each against its picture.
QImage StoredPixels(const QString& path);

// The pixels an .argb file holds: "ARGB", then width, height and QImage
// format as little-endian 32-bit numbers, then the rows of 32-bit pixels.
// Null when `data` is no such file.
QImage PixelsFromArgb(const QByteArray& data);

} // namespace aurivane::Resources
