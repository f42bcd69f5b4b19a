#pragma once

#include <QRect>

namespace aurivane {

// Form layouts are drawn in twips: 15 twips to a pixel at 96 dots per inch.
constexpr int Px(int twips) {
    return (twips * 2 + 15) / 30;
}

constexpr QRect TwipsRect(int left, int top, int width, int height) {
    return QRect(Px(left), Px(top), Px(width), Px(height));
}

} // namespace aurivane
