#include "Platform.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace aurivane {

int Platform::RoundHalfEven(double value) {
    if (std::isnan(value))
        return 0;
    // The default rounding mode rounds halves to the even neighbour.
    const double limit = std::numeric_limits<int>::max();
    return static_cast<int>(std::clamp(std::nearbyint(value), -limit - 1, limit));
}

} // namespace aurivane
