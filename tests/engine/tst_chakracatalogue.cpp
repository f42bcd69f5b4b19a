#include "ChakraTexts.h"
#include "engine/ChakraCatalogue.h"

#include <QTest>

using namespace aurivane;

namespace {

// The fields of ChakraEntry in the order of the expected table's columns.
const struct {
    const char* name;
    QString ChakraEntry::*member;
} Fields[11] = {{"Name", &ChakraEntry::Name},
                {"SanskritName", &ChakraEntry::SanskritName},
                {"Description", &ChakraEntry::Description},
                {"Symbol", &ChakraEntry::Symbol},
                {"SanskritWithMeaning", &ChakraEntry::SanskritWithMeaning},
                {"Keyword", &ChakraEntry::Keyword},
                {"Color", &ChakraEntry::Color},
                {"OpenText", &ChakraEntry::OpenText},
                {"OverActiveText", &ChakraEntry::OverActiveText},
                {"UnderActiveText", &ChakraEntry::UnderActiveText},
                {"PictureName", &ChakraEntry::PictureName}};

} // namespace

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

    // All seventy texts and the seven picture names, letter for letter.
    void everyTextAsWritten_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("field");
        for (int row = 0; row < 7; ++row)
            for (int field = 0; field < 11; ++field)
                QTest::addRow("%d %s", row, Fields[field].name) << row << field;
    }
    void everyTextAsWritten() {
        QFETCH(int, row);
        QFETCH(int, field);
        QCOMPARE(ChakraCatalogue::Entry(row).*Fields[field].member,
                 QString::fromUtf8(ExpectedChakraTexts[row][field]));
    }

    void indexOutsideTheTableIsHarmless() {
        QCOMPARE(ChakraCatalogue::Entry(-1).Name, QStringLiteral("Crown Chakra"));
        QCOMPARE(ChakraCatalogue::Entry(7).Name, QStringLiteral("Crown Chakra"));
    }
};

QTEST_APPLESS_MAIN(TestChakraCatalogue)
#include "tst_chakracatalogue.moc"
