#pragma once

#include "engine/ChakraCatalogue.h"

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace aurivane {

// IMG, the main window's picture list: the seven chakra pictures in catalogue
// order, items 1 to 7, fetched by position. The pictures are compiled into
// the program; on a high-density screen the double-size "@2x" picture is
// taken, so the picture keeps its size in layout pixels.
class ChakraPictures {
public:
    static constexpr int Count = ChakraCatalogue::RowCount;

    // Item `item` of the list, counted from 1 as the list counts; a null
    // pixmap outside 1 to 7.
    static QPixmap ListImage(int item, qreal devicePixelRatio = 1.0);

    // The picture of catalogue row `index` (0 Crown to 6 Root), that is
    // item index + 1 of the list.
    static QPixmap Picture(int index, qreal devicePixelRatio = 1.0);

    // The application icon, 32 x 32 layout pixels.
    static QPixmap ApplicationIcon(qreal devicePixelRatio = 1.0);

    // The application icon for window frames, task bars and task switchers:
    // the whole family from 16 to 256 pixels, each size drawn for itself, so
    // that every desktop and screen density picks a sharp one. The pictures
    // are decoded once, each when first wanted.
    static QIcon WindowIcon();
};

} // namespace aurivane
