#pragma once

#include <QIcon>
#include <QPixmap>

// The pictures compiled into the program. On a high-density screen the
// double-size "@2x" picture is taken, so a picture keeps its layout size.
namespace aurivane::ChakraPictures {

// The picture of catalogue row `index`, 0 Crown to 6 Root; null outside.
QPixmap Picture(int index, qreal devicePixelRatio = 1.0);

// The application icon, 32 x 32 layout pixels.
QPixmap ApplicationIcon(qreal devicePixelRatio = 1.0);

// The icon of every window frame, drawn for each size from 16 to 128 pixels.
QIcon WindowIcon();

} // namespace aurivane::ChakraPictures
