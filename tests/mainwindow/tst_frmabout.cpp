#include "mainwindow/frmAbout.h"
#include "platform/Forms.h"
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

// How a test closes the box.
using Closing = void (*)(frmAbout&);

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

Q_DECLARE_METATYPE(Closing)

class TestFrmAbout : public QObject {
    Q_OBJECT
private slots:
    // As the box opens, OK holds the focus and is the default button; the
    // box has its fixed size, its texts fit their boxes and the rule runs
    // across it.
    void opensWithOKReady() {
        Fixture f;
        QCOMPARE(QApplication::focusWidget(), f.about->cmdOK);
        QCOMPARE(f.about->size(), QSize(469, 217));
        QCOMPARE(f.about->minimumSize(), f.about->maximumSize());
        for (QLabel* label : {f.about->Label1, f.about->Label3})
            QVERIFY2(WrappedTextFits(*label), qPrintable(label->objectName()));
        QVERIFY(f.about->Line2->x() <= 0);
        QVERIFY(f.about->Line2->geometry().right() >= f.about->width() - 1);
    }

    // However the box is closed, it unloads, opening nothing.
    void closingUnloads_data() {
        QTest::addColumn<Closing>("close");
        QTest::newRow("Esc") << +[](frmAbout&) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        };
        QTest::newRow("keypad Enter") << +[](frmAbout&) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter, Qt::KeypadModifier);
        };
        QTest::newRow("Return") << +[](frmAbout&) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        };
        QTest::newRow("click OK") << +[](frmAbout& about) {
            QTest::mouseClick(about.cmdOK, Qt::LeftButton);
        };
        QTest::newRow("title bar") << +[](frmAbout& about) { about.close(); };
    }
    void closingUnloads() {
        QFETCH(Closing, close);
        Fixture f;
        close(*f.about);
        QVERIFY(!f.about->isVisible());
        QVERIFY(!f.forms.isLoaded(f.about));
        QVERIFY(f.platform.openedAddresses.isEmpty());
    }

    // A link, clicked, then pressed as a screen reader does, opens its page
    // each time and keeps the box open with the focus on OK.
    void linksOpenTheirPage_data() {
        QTest::addColumn<QString>("link");
        QTest::addColumn<QString>("page");
        QTest::newRow("lblHomePage") << "lblHomePage"
                                     << "home-page";
        QTest::newRow("lblCoBrand") << "lblCoBrand"
                                    << "fully-branded";
    }
    void linksOpenTheirPage() {
        QFETCH(QString, link);
        QFETCH(QString, page);
        Fixture f;
        auto* label = f.about->findChild<QLabel*>(link);
        QCOMPARE(label->cursor().shape(), Qt::PointingHandCursor);
        QTest::mouseClick(label, Qt::LeftButton);
        QVERIFY(PressLink(label));
        QCOMPARE(f.platform.openedAddresses, QStringList(2, SitePage(page)));
        QVERIFY(f.about->isVisible());
        QCOMPARE(QApplication::focusWidget(), f.about->cmdOK);
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
        AddLook("Line2", "", {}, QColor(103, 203, 255)); // the rule across the box
    }
    void asDrawn() {
        Fixture f;
        CompareWithDrawnRow(*f.about);
    }
};

QTEST_MAIN(TestFrmAbout)
#include "tst_frmabout.moc"
