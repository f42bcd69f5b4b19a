#include "engine/ChakraCatalogue.h"

#include <QSet>
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

    void rowsAreInBodyOrderWithTheirPictures() {
        const QStringList names{"Crown Chakra", "Third Eye Chakra", "Throat Chakra", "Heart Chakra",
                                "Navel Chakra", "Sacral Chakra",    "Root Chakra"};
        for (int i = 0; i < ChakraCatalogue::RowCount; ++i) {
            const ChakraEntry& e = ChakraCatalogue::Entry(i);
            QCOMPARE(e.Name, names.at(i));
            QCOMPARE(e.PictureName,
                     QString::number(i) + u' ' + names.at(i) + QStringLiteral(".jpg"));
            QCOMPARE(ChakraCatalogue::IndexOfName(e.Name), std::optional<int>(i));
        }
    }

    void textsThatAreEasyToGetWrong() {
        namespace C = ChakraCatalogue;
        // The two Sanskrit columns spell rows 2 and 5 differently.
        QCOMPARE(C::Entry(2).SanskritName, QStringLiteral("Vishuddha"));
        QCOMPARE(C::Entry(2).SanskritWithMeaning, QStringLiteral("Visuddha (purification)"));
        QCOMPARE(C::Entry(5).SanskritName, QStringLiteral("Swadhisthanna"));
        QCOMPARE(C::Entry(5).SanskritWithMeaning, QStringLiteral("Svadhisthana (sweetness)"));
        QCOMPARE(C::Entry(3).SanskritWithMeaning,
                 QStringLiteral("Anahata (unstruck; the fresh, clean sound made without striking "
                                "two things)"));
        // The crown keyword is a sentence without its closing full stop.
        QVERIFY(C::Entry(0).Keyword.startsWith(u"Kundalini Shakti rises up the spinal column"));
        QVERIFY(C::Entry(0).Keyword.endsWith(u"and Attains illumination"));
        QCOMPARE(C::Entry(1).Keyword,
                 QStringLiteral("Transcending Senses, Experiencing God-In-Self or Atman"));
        QCOMPARE(C::Entry(6).Keyword, QStringLiteral("Patience and Greediness"));
        QCOMPARE(C::Entry(1).OverActiveText,
                 QStringLiteral("In over-active state you may tend to wander in the world "
                                "fantasies and may be moody."));
        QCOMPARE(C::Entry(6).OpenText,
                 QStringLiteral("If this root energy is open you will feel grounded, calm, stable "
                                "and secure. Generally you are well behaved do not cause trouble. "
                                "You have great inner strength and are generally a comfortable "
                                "presence."));
        const QStringList colours{"Violet", "Indigo", "Blue", "Green", "Yellow", "Orange", "Red"};
        for (int i = 0; i < C::RowCount; ++i)
            QCOMPARE(C::Entry(i).Color, colours.at(i));
    }

    void noTextHasStrayBlanksOrBreaks() {
        for (int i = 0; i < ChakraCatalogue::RowCount; ++i) {
            const ChakraEntry& e = ChakraCatalogue::Entry(i);
            for (const QString& text :
                 {e.Name, e.SanskritName, e.Description, e.Symbol, e.SanskritWithMeaning, e.Keyword,
                  e.Color, e.OpenText, e.OverActiveText, e.UnderActiveText}) {
                QVERIFY2(!text.isEmpty(), qPrintable(e.Name));
                QVERIFY2(text.trimmed() == text, qPrintable(text));
                QVERIFY2(!text.contains(QStringLiteral("  ")), qPrintable(text));
                QVERIFY2(!text.contains(u'\n'), qPrintable(text));
            }
        }
    }

    void indexOutsideTheTableIsHarmless() {
        QCOMPARE(ChakraCatalogue::Entry(-1).Name, QStringLiteral("Crown Chakra"));
        QCOMPARE(ChakraCatalogue::Entry(7).Name, QStringLiteral("Crown Chakra"));
    }
};

QTEST_APPLESS_MAIN(TestChakraCatalogue)
#include "tst_chakracatalogue.moc"
