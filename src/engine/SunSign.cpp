#include "SunSign.h"

#include "ChakraCatalogue.h"

#include <array>

namespace aurivane {

namespace {

struct MonthRule {
    int threshold;
    const char16_t* earlierSign;
    const char16_t* laterSign;
};

// Days before the threshold belong to the earlier sign, the rest to the later.
constexpr std::array<MonthRule, 12> MonthRules{{
    {20, u"Capricorn", u"Aquarius"},
    {19, u"Aquarius", u"Pisces"},
    {21, u"Pisces", u"Aries"},
    {21, u"Aries", u"Taurus"},
    {21, u"Taurus", u"Gemini"},
    {21, u"Gemini", u"Cancer"},
    {21, u"Cancer", u"Leo"},
    {21, u"Leo", u"Virgo"},
    {21, u"Virgo", u"Libra"},
    {21, u"Libra", u"Scorpio"},
    {21, u"Scorpio", u"Sagittarius"},
    {21, u"Sagittarius", u"Capricorn"},
}};

struct SignRow {
    const char16_t* sign;
    const char16_t* chakra;
    const char16_t* planet;
};

constexpr std::array<SignRow, 12> SignRows{{
    {u"Aries", u"Navel Chakra", u"Mars"},
    {u"Taurus", u"Heart Chakra", u"Venus"},
    {u"Gemini", u"Throat Chakra", u"Mercury"},
    {u"Cancer", u"Third Eye Chakra", u"The Moon"},
    {u"Leo", u"Crown Chakra", u"The Sun"},
    {u"Virgo", u"Throat Chakra", u"Mercury"},
    {u"Libra", u"Heart Chakra", u"Venus"},
    {u"Scorpio", u"Navel Chakra", u"Pluto and Mars"},
    {u"Sagittarius", u"Sacral Chakra", u"Jupiter"},
    {u"Capricorn", u"Root Chakra", u"Saturn"},
    {u"Aquarius", u"Root Chakra", u"Uranus and Saturn"},
    {u"Pisces", u"Sacral Chakra", u"Neptune and Jupiter"},
}};

} // namespace

const QStringList& MonthNames() {
    static const QStringList names{
        QStringLiteral("January"), QStringLiteral("February"), QStringLiteral("March"),
        QStringLiteral("April"),   QStringLiteral("May"),      QStringLiteral("June"),
        QStringLiteral("July"),    QStringLiteral("August"),   QStringLiteral("September"),
        QStringLiteral("October"), QStringLiteral("November"), QStringLiteral("December")};
    return names;
}

QString SunSignForDate(int dayNumber, QStringView monthName) {
    const qsizetype month = MonthNames().indexOf(monthName);
    if (month < 0)
        return {};
    const MonthRule& rule = MonthRules[static_cast<std::size_t>(month)];
    return QString::fromUtf16(dayNumber >= rule.threshold ? rule.laterSign : rule.earlierSign);
}

SignChakra ChakraForSign(QStringView sign) {
    for (const SignRow& row : SignRows) {
        if (sign == QStringView(row.sign))
            return {QString::fromUtf16(row.chakra), QString::fromUtf16(row.planet)};
    }
    return {};
}

void MakeReading(const QString& dayText, const QString& monthName, const QString& yearText,
                 ChakraReading& reading) {
    const QString sign = SunSignForDate(dayText.toInt(), monthName);
    const SignChakra mapped = ChakraForSign(sign);
    const int index = ChakraCatalogue::IndexOfName(mapped.ChakraName).value_or(-1);
    reading = {dayText, monthName, yearText, sign, mapped.RulingPlanet, mapped.ChakraName, index};
}

} // namespace aurivane
