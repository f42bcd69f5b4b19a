#include "engine/ChakraCatalogue.h"

#include <QTest>

using namespace aurivane;

class TestChakraCatalogue : public QObject {
    Q_OBJECT
private slots:
    void indexOfName_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("index");
        QTest::newRow("crown") << "Crown Chakra" << 0;
        QTest::newRow("third eye") << "Third Eye Chakra" << 1;
        QTest::newRow("heart") << "Heart Chakra" << 3;
        QTest::newRow("root") << "Root Chakra" << 6;
        QTest::newRow("lower case") << "crown chakra" << -1;
        QTest::newRow("short") << "Crown" << -1;
        QTest::newRow("empty") << "" << -1;
        QTest::newRow("trailing blank") << "Root Chakra " << -1;
    }
    void indexOfName() {
        QFETCH(QString, text);
        QFETCH(int, index);
        QCOMPARE(ChakraCatalogue::IndexOfName(text).value_or(-1), index);
    }

    void indexOutsideTheTableIsHarmless() {
        QCOMPARE(ChakraCatalogue::Entry(-1).Name, QStringLiteral("Crown Chakra"));
        QCOMPARE(ChakraCatalogue::Entry(7).Name, QStringLiteral("Crown Chakra"));
    }
};

QTEST_APPLESS_MAIN(TestChakraCatalogue)
#include "tst_chakracatalogue.moc"
