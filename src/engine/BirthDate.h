#pragma once

#include <QString>

#include <optional>

namespace aurivane {

// The date check of the reading wizard: whether day `day` (1 to 31) exists
// in month `month` (1 to 12) of `year`. Returns the message to show when it
// does not: "Please Enter Correct Date Or Month!" for a day February lacks
// that year, "Please Enter Correct Date Or Month !" for the 31st of April,
// June, September or November. std::nullopt when the date may be read.
std::optional<QString> CheckBirthDate(int month, int day, int year);

} // namespace aurivane
