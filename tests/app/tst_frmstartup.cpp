#include "app/frmStartup.h"
#include "mainwindow/frmMain.h"
#include "outreach/frmNagScreen2.h"
#include "platform/Forms.h"
#include "shell/UpdateReminder.h"
#include "shell/modHelp.h"
#include "support/Fixtures.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace aurivane;

namespace {

QList<frmMain*> mainWindows() {
    QList<frmMain*> found;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* window = qobject_cast<frmMain*>(widget))
            found << window;
    }
    return found;
}

} // namespace

class TestFrmStartup : public QObject {
    Q_OBJECT
private slots:
    void cleanup() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(mainWindows().size(), 0);
    }

    void reminderAsksBeforeTheMainWindowExists() {
        FakePlatform platform;
        Forms forms(platform);
        frmStartup startup(platform, forms);
        StoreReminderDate(platform, platform.dateToText(platform.todayDate.addDays(-15)));
        platform.answers = {MessageAnswer::Yes};
        bool asked = false;
        platform.onMessage = [&](const FakePlatform::Message& message) {
            asked = true;
            QCOMPARE(message.buttons, MessageButtons::YesNo); // the reminder's question
            QCOMPARE(platform.instanceChecks, 1);
            QVERIFY(mainWindows().isEmpty());
        };

        startup.Form_Load();

        QVERIFY(asked);
        // The download page opened before the main window was shown.
        QCOMPARE(platform.openedAddresses.size(), 1);
        QCOMPARE(mainWindows().size(), 1);
        QVERIFY(startup.mainWindow()->isVisible());
        QVERIFY(!platform.ended());
    }

    void secondInstanceOnlySaysSoAndEnds() {
        FakePlatform platform;
        Forms forms(platform);
        frmStartup startup(platform, forms);
        platform.otherInstance = true;
        // A stale date: if the reminder ran, it would ask.
        StoreReminderDate(platform, platform.dateToText(platform.todayDate.addDays(-30)));
        const auto settingsBefore = platform.settings;
        platform.onMessage = [&](const FakePlatform::Message&) { QVERIFY(!platform.ended()); };

        startup.Form_Load();

        QCOMPARE(platform.messageTexts(), QStringList{"Application is already running"});
        QCOMPARE(platform.messages.first().icon, MessageIcon::Information);
        QCOMPARE(platform.messages.first().buttons, MessageButtons::Ok);
        QCOMPARE(platform.messages.first().caption, QStringLiteral("Aurivane"));
        QCOMPARE(platform.endedWith, QList<int>{0});
        QCOMPARE(platform.settings, settingsBefore);
        QVERIFY(platform.openedAddresses.isEmpty());
        QVERIFY(mainWindows().isEmpty());
    }

    // A first start stores today's date without a question and goes straight
    // to the main window, whose front label the co-brand draw picks; a
    // failing settings store costs the reminder, nothing else.
    void startGoesStraightThrough_data() {
        QTest::addColumn<int>("fails"); // 0 nothing, 1 reading, 2 writing
        QTest::addColumn<float>("draw");
        QTest::addColumn<bool>("coBrandInFront");
        QTest::newRow("0 gives 1") << 0 << 0.0F << true;
        QTest::newRow("0.25 gives 2.5, rounded to 2") << 0 << 0.25F << false;
        QTest::newRow("0.4 gives 3") << 0 << 0.4F << true;
        QTest::newRow("0.5 gives 4") << 0 << 0.5F << false;
        QTest::newRow("0.6 gives 5") << 0 << 0.6F << true;
        QTest::newRow("0.75 gives 5.5, rounded to 6") << 0 << 0.75F << false;
        QTest::newRow("0.95 gives 7, layout kept") << 0 << 0.95F << false;
        QTest::newRow("read fails") << 1 << 0.0F << true;
        QTest::newRow("write fails") << 2 << 0.0F << true;
    }
    void startGoesStraightThrough() {
        QFETCH(int, fails);
        QFETCH(float, draw);
        QFETCH(bool, coBrandInFront);
        FakePlatform platform;
        Forms forms(platform);
        frmStartup startup(platform, forms);
        platform.settingsReadFails = fails == 1;
        platform.settingsWriteFails = fails == 2;
        platform.draws = {draw};
        startup.Form_Load();
        QVERIFY(platform.messages.isEmpty());
        QCOMPARE(StoredReminderDate(platform),
                 fails == 0 ? platform.dateToText(platform.todayDate) : QString());
        QVERIFY(startup.mainWindow() != nullptr && startup.mainWindow()->isVisible());
        // The label the user sees where the two promotional labels overlap.
        const frmMain& window = *startup.mainWindow();
        QCOMPARE(
            window.lblFullBrand->parentWidget()->childAt(window.lblFullBrand->geometry().center()),
            coBrandInFront ? static_cast<QWidget*>(window.lblCobrand)
                           : static_cast<QWidget*>(window.lblFullBrand));
    }

    void exitUnloadsStartupFormThenSupportScreen_data() {
        QTest::addColumn<bool>("byFrame");
        QTest::newRow("E&xit") << false;
        QTest::newRow("window frame") << true;
    }
    void exitUnloadsStartupFormThenSupportScreen() {
        QFETCH(bool, byFrame);
        FakePlatform platform;
        Forms forms(platform);
        frmStartup startup(platform, forms);
        startup.Form_Load();
        // Closing the main window hands over to the support screen.
        QPointer<frmMain> window = startup.mainWindow();
        window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(window.isNull());
        frmNagScreen2* screen = startup.supportScreen();
        QVERIFY(screen != nullptr && screen->isVisible());
        QVERIFY(!platform.ended());
        // It borrows the start-up form's icon, and comes only once.
        QCOMPARE(screen->picNagscreen2Icon->pixmap().toImage(),
                 startup.IMGIcon.first().pixmap(32, 32).toImage());
        QVERIFY(!screen->picNagscreen2Icon->pixmap().isNull());
        startup.ShowSupportScreen();
        QCOMPARE(startup.supportScreen(), screen);
        QCOMPARE(forms.loadedForms(), (QList<QWidget*>{&startup, screen}));
        QList<QWidget*> unloads;
        connect(&forms, &Forms::unloadStarted, &forms, [&](QWidget* form) { unloads << form; });
        const int writesBefore = platform.settingsWrites;
        const auto settingsBefore = platform.settings;
        if (byFrame)
            screen->close();
        else
            screen->cmdClose->click();
        QCOMPARE(platform.endedWith, QList<int>{0});
        // Each unload handler once, and nothing written. "E&xit" unloads in
        // load order; closed by its frame, the screen's own unload comes first.
        QList<QWidget*> expected{&startup, screen};
        if (byFrame)
            expected.swapItemsAt(0, 1);
        QCOMPARE(unloads, expected);
        QCOMPARE(platform.settingsWrites, writesBefore);
        QCOMPARE(platform.settings, settingsBefore);
    }
};

QTEST_MAIN(TestFrmStartup)
#include "tst_frmstartup.moc"
