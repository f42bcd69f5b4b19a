#pragma once

#include <QString>

#include <optional>

namespace aurivane {

// The reading wizard's date check: the message for a day (1 to 31) that the
// month (1 to 12) lacks in `year`, std::nullopt for a day that exists.
std::optional<QString> CheckBirthDate(int month, int day, int year);

} // namespace aurivane
