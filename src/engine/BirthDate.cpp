#include "BirthDate.h"

namespace aurivane {

namespace {

bool isLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

} // namespace

std::optional<QString> CheckBirthDate(int month, int day, int year) {
    const auto picked = static_cast<Month>(month);
    const int februaryDays = isLeapYear(year) ? 29 : 28;
    if (picked == Month::February && day > februaryDays)
        return QStringLiteral("Please Enter Correct Date Or Month!");
    const bool thirtyDays = picked == Month::April || picked == Month::June ||
                            picked == Month::September || picked == Month::November;
    if (thirtyDays && day == 31)
        return QStringLiteral("Please Enter Correct Date Or Month !");
    return std::nullopt;
}

} // namespace aurivane
