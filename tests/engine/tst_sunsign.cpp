#include "engine/ChakraCatalogue.h"
#include "engine/SunSign.h"

#include <QDate>
#include <QTest>

using namespace aurivane;

namespace {

// The sign ranges written out a second way, by first and last day, so that
// the per-month thresholds are checked against an independent statement.
struct Range {
    const char* sign;
    int fromMonth, fromDay, toMonth, toDay;
    const char* chakra;
    const char* planet;
};

constexpr Range ranges[] = {
    {"Aries", 3, 21, 4, 20, "Navel Chakra", "Mars"},
    {"Taurus", 4, 21, 5, 20, "Heart Chakra", "Venus"},
    {"Gemini", 5, 21, 6, 20, "Throat Chakra", "Mercury"},
    {"Cancer", 6, 21, 7, 20, "Third Eye Chakra", "The Moon"},
    {"Leo", 7, 21, 8, 20, "Crown Chakra", "The Sun"},
    {"Virgo", 8, 21, 9, 20, "Throat Chakra", "Mercury"},
    {"Libra", 9, 21, 10, 20, "Heart Chakra", "Venus"},
    {"Scorpio", 10, 21, 11, 20, "Navel Chakra", "Pluto and Mars"},
    {"Sagittarius", 11, 21, 12, 20, "Sacral Chakra", "Jupiter"},
    {"Capricorn", 12, 21, 1, 19, "Root Chakra", "Saturn"},
    {"Aquarius", 1, 20, 2, 18, "Root Chakra", "Uranus and Saturn"},
    {"Pisces", 2, 19, 3, 20, "Sacral Chakra", "Neptune and Jupiter"},
};

bool inRange(const Range& r, int month, int day) {
    const int key = month * 100 + day;
    const int from = r.fromMonth * 100 + r.fromDay;
    const int to = r.toMonth * 100 + r.toDay;
    return from <= to ? (key >= from && key <= to) : (key >= from || key <= to);
}

const Range& expectedRange(int month, int day) {
    for (const Range& r : ranges) {
        if (inRange(r, month, day))
            return r;
    }
    qFatal("no sign range holds %d/%d", month, day);
}

} // namespace

class TestSunSign : public QObject {
    Q_OBJECT
private slots:
    void everyDayOfALeapYearMatchesTheSignRanges() {
        // 2000 is a leap year, so 29 February is covered as well.
        for (QDate d(2000, 1, 1); d.year() == 2000; d = d.addDays(1)) {
            const Range& r = expectedRange(d.month(), d.day());
            const QString month = MonthNames().at(d.month() - 1);
            ChakraReading reading;
            MakeReading(QString::number(d.day()), month, QStringLiteral("2000"), reading);
            const QString where = d.toString(Qt::ISODate);
            QCOMPARE(QStringList({where, reading.SunSign, reading.ChakraName, reading.RulingPlanet,
                                  ChakraCatalogue::Entry(reading.ChakraIndex).Name}),
                     QStringList({where, QLatin1String(r.sign), QLatin1String(r.chakra),
                                  QLatin1String(r.planet), QLatin1String(r.chakra)}));
        }
    }

    // A reading overwrites every field of the last one; the year is stored
    // but changes nothing; month and sign names are exact.
    void readingOverwritesEveryFieldTheYearChangesNothingNamesAreExact() {
        ChakraReading reading;
        MakeReading(QStringLiteral("21"), QStringLiteral("July"), QStringLiteral("1980"), reading);
        QCOMPARE(reading.ChakraIndex, 0);
        MakeReading(QStringLiteral("1"), QStringLiteral("April"), QStringLiteral("1901"), reading);
        QCOMPARE(reading,
                 (ChakraReading{"1", "April", "1901", "Aries", "Mars", "Navel Chakra", 4}));

        ChakraReading early, late;
        MakeReading(QStringLiteral("1"), QStringLiteral("January"), QStringLiteral("1900"), early);
        MakeReading(QStringLiteral("1"), QStringLiteral("January"), QStringLiteral("2050"), late);
        QCOMPARE(early.Year, QStringLiteral("1900"));
        QCOMPARE(late.Year, QStringLiteral("2050"));
        late.Year = early.Year;
        QCOMPARE(late, early);
        // Case matters: a month or sign that is not spelt exactly is unknown.
        QVERIFY(SunSignForDate(1, u"january").isEmpty());
        QVERIFY(ChakraForSign(u"leo").ChakraName.isEmpty());
    }
};

QTEST_APPLESS_MAIN(TestSunSign)
#include "tst_sunsign.moc"
