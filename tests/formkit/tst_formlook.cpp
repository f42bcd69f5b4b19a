#include "formkit/FormLook.h"

#include <QFontMetrics>
#include <QLabel>
#include <QTest>

using namespace aurivane;

namespace {

QRect Needed(const QLabel& label) {
    return QFontMetrics(label.font())
        .boundingRect(QRect(0, 0, label.width(), 1 << 20), Qt::TextWordWrap, label.text());
}

} // namespace

class TestFormLook : public QObject {
    Q_OBJECT
private slots:
    // A wrapped text a line too long for its box takes a smaller face until
    // it fits; one that fits keeps its face; one that cannot fit stops at 6
    // points instead of vanishing.
    void wrappedTextShrinksToItsBox_data() {
        QTest::addColumn<int>("height");
        QTest::addColumn<bool>("shrinks");
        QTest::addColumn<bool>("fits");
        QTest::newRow("room for every line") << 200 << false << true;
        QTest::newRow("a line short") << 0 << true << true;
        QTest::newRow("no room at all") << 4 << true << false;
    }
    void wrappedTextShrinksToItsBox() {
        QFETCH(int, height);
        QFETCH(bool, shrinks);
        QFETCH(bool, fits);
        QLabel label;
        label.setWordWrap(true);
        label.setFont(FormLook::Verdana(8.25));
        label.setText(QStringLiteral("In the over-active state you become greedy and obsessed "
                                     "with being secure and avoid changes in life."));
        label.resize(180, 1);
        const int spacing = QFontMetrics(label.font()).lineSpacing();
        const int lines = Needed(label).height() / spacing;
        QVERIFY(lines >= 2);
        // Height 0 stands for room for every line but the last.
        label.resize(180, height > 0 ? height : spacing * (lines - 1));

        FormLook::ShrinkWrappedFontToFit(label);

        QCOMPARE(label.font().pointSizeF() < 8.25, shrinks);
        QCOMPARE(Needed(label).height() <= label.height(), fits);
        QVERIFY(fits ? label.font().pointSizeF() >= 6.0 : label.font().pointSizeF() == 6.0);
        QCOMPARE(label.font().family(), QStringLiteral("Verdana"));
    }

    // A line exactly as wide as its room keeps its face; a pixel less, and
    // it takes a smaller one.
    void lineShrinksOnlyWhenTooWide() {
        for (const int less : {0, 1}) {
            QLabel label(QStringLiteral("Click Here To Visit Quillmoor Softwares"));
            label.setFont(FormLook::Verdana(8.25));
            label.resize(QFontMetrics(label.font()).horizontalAdvance(label.text()) - less, 20);
            FormLook::ShrinkFontToFit(label);
            QCOMPARE(label.font().pointSizeF() < 8.25, less > 0);
        }
    }
};

QTEST_MAIN(TestFormLook)
#include "tst_formlook.moc"
