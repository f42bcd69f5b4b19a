#pragma once

#include "ChakraReading.h"

#include <QString>
#include <QStringList>
#include <QStringView>

namespace aurivane {

// The twelve months as the date list offers them, January first.
const QStringList& MonthNames();

// The sun sign of a day (1 to 31) of a month given by its English name.
// An unknown month name yields an empty text.
QString SunSignForDate(int dayNumber, QStringView monthName);

struct SignChakra {
    QString ChakraName;
    QString RulingPlanet;
};

// The chakra and ruling planet of a sign; empty texts for an unknown sign.
SignChakra ChakraForSign(QStringView sign);

// The whole determination for the picked day, month and year texts.
void MakeReading(const QString& dayText, const QString& monthName, const QString& yearText,
                 ChakraReading& reading);

} // namespace aurivane
