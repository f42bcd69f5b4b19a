#include "engine/BirthDate.h"

#include <QTest>

using namespace aurivane;

class TestBirthDate : public QObject {
    Q_OBJECT
private slots:
    void dayMustExistInTheMonth_data() {
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("year");
        QTest::addColumn<QString>("message"); // empty: the date may be read

        const QString february = QStringLiteral("Please Enter Correct Date Or Month!");
        const QString thirty = QStringLiteral("Please Enter Correct Date Or Month !");
        QTest::newRow("29 Feb 1900, no leap year") << 2 << 29 << 1900 << february;
        QTest::newRow("29 Feb 1901") << 2 << 29 << 1901 << february;
        QTest::newRow("29 Feb 2000") << 2 << 29 << 2000 << QString();
        QTest::newRow("29 Feb 1904") << 2 << 29 << 1904 << QString();
        QTest::newRow("28 Feb 1901") << 2 << 28 << 1901 << QString();
        QTest::newRow("30 Feb 2000") << 2 << 30 << 2000 << february;
        QTest::newRow("31 Feb 2000") << 2 << 31 << 2000 << february;
        QTest::newRow("31 Apr") << 4 << 31 << 1975 << thirty;
        QTest::newRow("31 Jun") << 6 << 31 << 1975 << thirty;
        QTest::newRow("31 Sep") << 9 << 31 << 1975 << thirty;
        QTest::newRow("31 Nov") << 11 << 31 << 1975 << thirty;
        QTest::newRow("30 Apr") << 4 << 30 << 1975 << QString();
        QTest::newRow("31 May") << 5 << 31 << 1975 << QString();
        QTest::newRow("31 Dec") << 12 << 31 << 2050 << QString();
    }
    void dayMustExistInTheMonth() {
        QFETCH(int, month);
        QFETCH(int, day);
        QFETCH(int, year);
        QFETCH(QString, message);
        QCOMPARE(CheckBirthDate(month, day, year).value_or(QString()), message);
    }
};

QTEST_MAIN(TestBirthDate)
#include "tst_birthdate.moc"
