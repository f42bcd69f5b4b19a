#include "Platform.h"

#include <cmath>
#include <limits>

namespace aurivane {

Platform::~Platform() = default;

QString Platform::ApplicationTitle() {
    return QStringLiteral("Aurivane");
}

QString Platform::TitleWithVersion() {
    return ApplicationTitle() + QStringLiteral(" v" AURIVANE_TITLE_VERSION);
}

int Platform::RoundHalfEven(double value) {
    if (std::isnan(value))
        return 0;
    const double lower = std::floor(value);
    const double diff = value - lower;
    double rounded = lower;
    if (diff > 0.5 || (diff == 0.5 && std::fmod(lower, 2.0) != 0.0))
        rounded = lower + 1.0;
    if (rounded >= static_cast<double>(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (rounded <= static_cast<double>(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return static_cast<int>(rounded);
}

} // namespace aurivane
