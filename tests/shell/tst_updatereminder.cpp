#include "shell/UpdateReminder.h"
#include "shell/WebPageLauncher.h"
#include "shell/modHelp.h"
#include "support/Fixtures.h"

#include <QTest>

using namespace aurivane;

class TestUpdateReminder : public QObject {
    Q_OBJECT
private slots:
    void asksOnlyAfterFourteenDaysEitherWay_data() {
        QTest::addColumn<int>("offset"); // stored date minus today, in days
        QTest::addColumn<bool>("asks");
        QTest::newRow("today") << 0 << false;
        QTest::newRow("14 days ago") << -14 << false;
        QTest::newRow("15 days ago") << -15 << true;
        QTest::newRow("14 days ahead") << 14 << false;
        QTest::newRow("15 days ahead") << 15 << true;
        QTest::newRow("years ago") << -800 << true;
    }
    void asksOnlyAfterFourteenDaysEitherWay() {
        QFETCH(int, offset);
        QFETCH(bool, asks);
        FakePlatform platform;
        const QString last = platform.dateToText(platform.todayDate.addDays(offset));
        StoreReminderDate(platform, last);

        modHelp::RemindAboutUpdate(platform);

        if (!asks) {
            QVERIFY(platform.messages.isEmpty());
            QCOMPARE(platform.settingsWrites, 0);
            QCOMPARE(StoredReminderDate(platform), last);
            return;
        }
        QCOMPARE(platform.messageTexts(),
                 QStringList{"There maybe an update to this software available\r"
                             "Do you want to check for an update?"});
        const FakePlatform::Message& question = platform.messages.first();
        QCOMPARE(question.icon, MessageIcon::Information);
        QCOMPARE(question.buttons, MessageButtons::YesNo);
        QCOMPARE(question.caption, QStringLiteral("Aurivane"));
        QCOMPARE(StoredReminderDate(platform), platform.dateToText(platform.todayDate));
    }

    void answerDecidesTheDownloadPage_data() {
        QTest::addColumn<MessageAnswer>("answer");
        QTest::newRow("Yes") << MessageAnswer::Yes;
        QTest::newRow("No") << MessageAnswer::No;
    }
    void answerDecidesTheDownloadPage() {
        QFETCH(MessageAnswer, answer);
        FakePlatform platform;
        StoreReminderDate(platform, platform.dateToText(platform.todayDate.addDays(-30)));
        platform.answers = {answer};
        // The date is stored before the page opens.
        platform.onMessage = [&](const FakePlatform::Message&) {
            QCOMPARE(platform.settingsWrites, 0);
        };

        modHelp::RemindAboutUpdate(platform);

        QCOMPARE(platform.settingsWrites, 1);
        QCOMPARE(StoredReminderDate(platform), platform.dateToText(platform.todayDate));
        if (answer == MessageAnswer::Yes)
            QCOMPARE(platform.openedAddresses,
                     QStringList{modHelp::PageAddress(WebPageKey::DownloadWebPage)});
        else
            QVERIFY(platform.openedAddresses.isEmpty());
    }

    // Nothing usable stored: remember today, ask nothing.
    void startsAfreshWithoutAReadableDate_data() {
        QTest::addColumn<bool>("present");
        QTest::addColumn<QString>("plain");
        QTest::newRow("never written") << false << QString();
        QTest::newRow("not a date") << true << QStringLiteral("next week");
        QTest::newRow("no such day") << true << QStringLiteral("31 Feb 2026");
        QTest::newRow("blanks") << true << QStringLiteral("   ");
    }
    void startsAfreshWithoutAReadableDate() {
        QFETCH(bool, present);
        QFETCH(QString, plain);
        FakePlatform platform;
        if (present)
            StoreReminderDate(platform, plain);

        modHelp::RemindAboutUpdate(platform);

        QVERIFY(platform.messages.isEmpty());
        QVERIFY(platform.openedAddresses.isEmpty());
        QCOMPARE(platform.settingsWrites, 1);
        QCOMPARE(StoredReminderDate(platform), platform.dateToText(platform.todayDate));

        // Fifteen days on, the question comes.
        platform.todayDate = platform.todayDate.addDays(15);
        modHelp::RemindAboutUpdate(platform);
        QCOMPARE(platform.messages.size(), 1);
    }

    void failingStoreAbandonsTheReminder() {
        FakePlatform platform;
        StoreReminderDate(platform, platform.dateToText(platform.todayDate.addDays(-30)));
        platform.settingsReadFails = true;
        QVERIFY_THROWS_EXCEPTION(modHelp::SettingsStoreError, modHelp::RemindAboutUpdate(platform));
        QVERIFY(platform.messages.isEmpty());
        QCOMPARE(platform.settingsWrites, 0);

        // Asked, but the date cannot be stored: the rest is abandoned.
        platform.settingsReadFails = false;
        platform.settingsWriteFails = true;
        platform.answers = {MessageAnswer::Yes};
        QVERIFY_THROWS_EXCEPTION(modHelp::SettingsStoreError, modHelp::RemindAboutUpdate(platform));
        QCOMPARE(platform.messages.size(), 1);
        QVERIFY(platform.openedAddresses.isEmpty());
    }
};

QTEST_MAIN(TestUpdateReminder)
#include "tst_updatereminder.moc"
