#pragma once

#include <QString>

namespace aurivane {

// One reading, as the main window keeps it: the picked date texts and what
// the determination made of them. All texts start empty.
struct ChakraReading {
    QString Day;
    QString Month;
    QString Year;
    QString SunSign;
    QString RulingPlanet;
    QString ChakraName;
    int ChakraIndex = -1;

    friend bool operator==(const ChakraReading&, const ChakraReading&) = default;
};

} // namespace aurivane
