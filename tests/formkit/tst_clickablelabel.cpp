#include "formkit/ClickableLabel.h"
#include "formkit/FormLook.h"

#include <QApplication>
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
        QCOMPARE(clicked.count(), 1);
        // Pressed over the label, released away from it: no click.
        QTest::mousePress(&label, Qt::LeftButton, {}, QPoint(10, 10));
        QTest::mouseRelease(&label, Qt::LeftButton, {}, QPoint(150, 10));
        QCOMPARE(clicked.count(), 1);
        // Released over it without a press first: no click either.
        QTest::mouseRelease(&label, Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(clicked.count(), 1);
    }

    // A focused link opens with Return, Enter (the keypad's too) or Space.
    void keysOpenAFocusedLink_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("clicks");
        QTest::newRow("Return") << int(Qt::Key_Return) << int(Qt::NoModifier) << 1;
        QTest::newRow("Enter") << int(Qt::Key_Enter) << int(Qt::NoModifier) << 1;
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << 1;
        QTest::newRow("Space") << int(Qt::Key_Space) << int(Qt::NoModifier) << 1;
        QTest::newRow("Ctrl+Space") << int(Qt::Key_Space) << int(Qt::ControlModifier) << 0;
        QTest::newRow("letter") << int(Qt::Key_A) << int(Qt::NoModifier) << 0;
    }
    void keysOpenAFocusedLink() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(int, clicks);
        ClickableLabel label;
        label.setText(QStringLiteral("Click here"));
        label.show();
        label.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&label));
        label.setFocus(Qt::TabFocusReason);
        QCOMPARE(QApplication::focusWidget(), &label);
        QSignalSpy clicked(&label, &ClickableLabel::clicked);
        QTest::keyClick(&label, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(clicked.count(), clicks);
    }

    void displayedCaption_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("shown");
        QTest::newRow("plain") << "Name"
                               << "Name";
        QTest::newRow("access key") << "&Back"
                                    << "Back";
        QTest::newRow("double") << "name &&  link"
                                << "name &  link";
        QTest::newRow("double then key") << "a &&&b"
                                         << "a &b";
        QTest::newRow("trailing") << "end&"
                                  << "end";
    }
    void displayedCaption() {
        QFETCH(QString, stored);
        QFETCH(QString, shown);
        QCOMPARE(FormLook::DisplayedCaption(stored), shown);
    }
};

QTEST_MAIN(TestClickableLabel)
#include "tst_clickablelabel.moc"
