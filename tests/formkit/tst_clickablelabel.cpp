#include "formkit/ClickableLabel.h"
#include "formkit/FormLook.h"

#include <QSignalSpy>
#include <QTest>

using namespace aurivane;

class TestClickableLabel : public QObject {
    Q_OBJECT
private slots:
    void onlyALeftClickOverTheLabelCounts() {
        ClickableLabel label;
        label.setText(QStringLiteral("Click here"));
        label.resize(100, 20);
        label.show();
        QVERIFY(QTest::qWaitForWindowExposed(&label));
        QSignalSpy clicked(&label, &ClickableLabel::clicked);

        QTest::mouseClick(&label, Qt::LeftButton);
        QCOMPARE(clicked.count(), 1);
        QTest::mouseClick(&label, Qt::RightButton);
        QTest::mouseClick(&label, Qt::MiddleButton);
        // Pressed over the label, released away from it: no click.
        QTest::mousePress(&label, Qt::LeftButton, {}, QPoint(10, 10));
        QTest::mouseRelease(&label, Qt::LeftButton, {}, QPoint(150, 10));
        // Released over it without a press first: no click either.
        QTest::mouseRelease(&label, Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(clicked.count(), 1); // the first click alone
    }

    // A link opens with Return, Enter (the keypad's too) or Space alone.
    void keysOpenALink_data() {
        QTest::addColumn<QKeyCombination>("keys");
        QTest::addColumn<int>("clicks");
        QTest::newRow("Return") << QKeyCombination(Qt::Key_Return) << 1;
        QTest::newRow("keypad Enter") << (Qt::KeypadModifier | Qt::Key_Enter) << 1;
        QTest::newRow("Space") << QKeyCombination(Qt::Key_Space) << 1;
        QTest::newRow("Ctrl+Space") << (Qt::ControlModifier | Qt::Key_Space) << 0;
        QTest::newRow("letter") << QKeyCombination(Qt::Key_A) << 0;
    }
    void keysOpenALink() {
        QFETCH(QKeyCombination, keys);
        QFETCH(int, clicks);
        ClickableLabel label;
        QSignalSpy clicked(&label, &ClickableLabel::clicked);
        QTest::keyClick(&label, keys.key(), keys.keyboardModifiers());
        QCOMPARE(clicked.count(), clicks);
    }

    void displayedCaption_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("shown");
        QTest::newRow("plain") << QStringLiteral("Name") << QStringLiteral("Name");
        QTest::newRow("access key") << QStringLiteral("&Back") << QStringLiteral("Back");
        QTest::newRow("double") << QStringLiteral("name &&  link")
                                << QStringLiteral("name &  link");
        QTest::newRow("double then key") << QStringLiteral("a &&&b") << QStringLiteral("a &b");
        QTest::newRow("trailing") << QStringLiteral("end&") << QStringLiteral("end");
    }
    void displayedCaption() {
        QFETCH(QString, stored);
        QFETCH(QString, shown);
        QCOMPARE(FormLook::DisplayedCaption(stored), shown);
    }
};

QTEST_MAIN(TestClickableLabel)
#include "tst_clickablelabel.moc"
