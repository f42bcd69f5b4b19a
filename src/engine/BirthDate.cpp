#include "BirthDate.h"

namespace aurivane {

std::optional<QString> CheckBirthDate(int month, int day, int year) {
    const bool leapYear = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    if (month == 2 && day > (leapYear ? 29 : 28))
        return QStringLiteral("Please Enter Correct Date Or Month!");
    if ((month == 4 || month == 6 || month == 9 || month == 11) && day == 31)
        return QStringLiteral("Please Enter Correct Date Or Month !");
    return std::nullopt;
}

} // namespace aurivane
