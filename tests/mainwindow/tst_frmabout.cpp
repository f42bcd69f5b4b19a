#include "formkit/ClickableLabel.h"
#include "mainwindow/frmAbout.h"
#include "platform/Forms.h"
#include "shell/WebPageLauncher.h"
#include "support/FakePlatform.h"
#include "support/Fixtures.h"
#include "support/TwipsLayout.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>

using namespace aurivane;

namespace {

// The about box, shown and active.
struct Fixture {
    FakePlatform platform;
    Forms forms{platform};
    QPointer<frmAbout> about;

    Fixture() {
        about = new frmAbout(platform, forms);
        if (!ShowActive(about.data()))
            qFatal("the about box did not become active");
    }
    ~Fixture() { delete about.data(); }
};

} // namespace

class TestFrmAbout : public QObject {
    Q_OBJECT
private slots:
    // As the box opens, OK holds the focus and is the default button; the
    // box has its fixed size, its texts fit their boxes and the rule runs
    // across it. A link opens its page and keeps the box open with the focus
    // on OK; however the box is then closed, it unloads.
    void opensAndClosesAndUnloads_data() {
        // A row named after a link clicks it, then presses it as a screen
        // reader does, before the key: the page it opens.
        QTest::addColumn<QString>("page");
        QTest::addColumn<int>("key"); // pressed where the focus is; 0: OK clicked, -1: title bar
        QTest::newRow("Esc") << QString() << int(Qt::Key_Escape);
        QTest::newRow("Enter") << QString() << int(Qt::Key_Enter); // the keypad's
        QTest::newRow("Return") << QString() << int(Qt::Key_Return);
        QTest::newRow("click OK") << QString() << 0;
        QTest::newRow("title bar") << QString() << -1;
        QTest::newRow("lblHomePage") << "home-page" << int(Qt::Key_Return);
        QTest::newRow("lblCoBrand") << "fully-branded" << int(Qt::Key_Return);
    }
    void opensAndClosesAndUnloads() {
        QFETCH(QString, page);
        QFETCH(int, key);
        Fixture f;
        QCOMPARE(QApplication::focusWidget(), f.about->cmdOK);
        QVERIFY(f.forms.isLoaded(f.about));
        QCOMPARE(f.about->size(), QSize(469, 217));
        QCOMPARE(f.about->minimumSize(), f.about->maximumSize());
        for (QLabel* label : {f.about->Label1, f.about->Label3})
            QVERIFY2(WrappedTextFits(*label), qPrintable(label->objectName()));
        QVERIFY(f.about->Line2->x() <= 0);
        QVERIFY(f.about->Line2->geometry().right() >= f.about->width() - 1);
        QCOMPARE(f.about->picIcon->size(), QSize(32, 32));

        const QString address = modHelp::PageScriptAddress() + QStringLiteral("?page=") + page;
        const QStringList opened = page.isEmpty() ? QStringList() : QStringList{address, address};
        if (!page.isEmpty()) {
            auto* label = f.about->findChild<ClickableLabel*>(QTest::currentDataTag());
            QVERIFY(label);
            QCOMPARE(label->cursor().shape(), Qt::PointingHandCursor);
            QTest::mouseClick(label, Qt::LeftButton);
            QVERIFY(PressLink(label));
            QCOMPARE(f.platform.openedAddresses, opened);
            QVERIFY(f.about->isVisible());
            QVERIFY(f.forms.isLoaded(f.about));
            QCOMPARE(QApplication::focusWidget(), f.about->cmdOK);
        }
        if (key > 0)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key(key),
                            key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        else if (key == 0)
            QTest::mouseClick(f.about->cmdOK, Qt::LeftButton);
        else
            f.about->close();
        QVERIFY(!f.about->isVisible());
        QVERIFY(!f.forms.isLoaded(f.about));
        QCOMPARE(f.platform.openedAddresses, opened);
    }

    void asDrawn_data() {
        AddDrawnColumns();
        AddPlace("picIcon", 120, 87);
        AddPlace("Label2", 720, 150);
        AddPlace("Label1", 120, 630, 6885, 975);
        AddPlace("lblHomePage", 2955, 1605);
        AddPlace("Label3", 120, 1920, 6885, 435);
        AddPlace("lblCoBrand", 4650, 2355);
        AddPlace("cmdOK", 5745, 2880, 1260, 345);
        AddLook("frmAbout", "Verdana 8.25", QColor(255, 192, 192), QColor(64, 0, 0));
        AddLook("Label2", "Verdana 14.25 bold", QColor(103, 203, 255));
    }
    void asDrawn() {
        Fixture f;
        CompareWithDrawnRow(*f.about);
    }
};

QTEST_MAIN(TestFrmAbout)
#include "tst_frmabout.moc"
