#include "mainwindow/ChakraPictures.h"

#include "engine/ChakraTexts.h"

#include <QTest>

using namespace aurivane;

class TestChakraPictures : public QObject {
    Q_OBJECT
private slots:
    void picturesDecodeWithTheirSizes_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("height");
        const int heights[] = {30, 35, 40, 40, 40, 40, 40};
        for (int index = 0; index < 7; ++index)
            QTest::addRow("%d", index) << index << heights[index];
    }
    void picturesDecodeWithTheirSizes() {
        QFETCH(int, index);
        QFETCH(int, height);
        const QPixmap plain = ChakraPictures::Picture(index);
        QVERIFY(!plain.isNull());
        QCOMPARE(plain.size(), QSize(40, height));

        const QPixmap sharp = ChakraPictures::Picture(index, 2.0);
        QCOMPARE(sharp.size(), QSize(80, 2 * height));
        QCOMPARE(sharp.deviceIndependentSize(), QSizeF(40, height));

        // The item recorded under the row's picture name.
        const QString recorded = QStringLiteral(":/pictures/") + ExpectedChakraTexts[index][10];
        QCOMPARE(plain.toImage(), QPixmap(recorded).toImage());
    }

    void thereAreSevenItems() {
        QVERIFY(ChakraPictures::ListImage(0).isNull());
        QVERIFY(ChakraPictures::ListImage(8).isNull());
        QVERIFY(ChakraPictures::Picture(-1).isNull());
    }

    void applicationIcon() {
        QCOMPARE(ChakraPictures::ApplicationIcon().size(), QSize(32, 32));
        const QPixmap sharp = ChakraPictures::ApplicationIcon(2.0);
        QCOMPARE(sharp.size(), QSize(64, 64));
        QCOMPARE(sharp.deviceIndependentSize(), QSizeF(32, 32));
    }
};

QTEST_MAIN(TestChakraPictures)
#include "tst_chakrapictures.moc"
