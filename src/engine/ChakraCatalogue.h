#pragma once

#include <QString>
#include <QStringView>

#include <array>
#include <optional>

namespace aurivane {

// One chakra with its ten texts and the name of its picture.
struct ChakraEntry {
    QString Name;
    QString SanskritName;
    QString Description;
    QString Symbol;
    QString SanskritWithMeaning;
    QString Keyword;
    QString Color;
    QString OpenText;
    QString OverActiveText;
    QString UnderActiveText;
    QString PictureName;
};

// The fixed table of the seven chakras, from the crown of the head (row 0)
// down to the base of the spine (row 6).
namespace ChakraCatalogue {

inline constexpr int RowCount = 7;

// Row `index`, 0 to 6; the Crown row for an index outside that range.
const ChakraEntry& Entry(int index);

// The row whose Name equals `text` exactly (case-sensitive), if any.
std::optional<int> IndexOfName(QStringView text);

} // namespace ChakraCatalogue

} // namespace aurivane
