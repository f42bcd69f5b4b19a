#include "shell/UpdateReminder.h"
#include "shell/WebPageLauncher.h"
#include "shell/modHelp.h"
#include "support/Fixtures.h"

#include <QTest>

using namespace aurivane;

class TestUpdateReminder : public QObject {
    Q_OBJECT
private slots:
    // The question comes once the stored date is fifteen days or more away;
    // answered, it stores today's date, and Yes opens the download page.
    // With nothing usable stored, today's date is stored without a question.
    void remindsAfterFourteenDaysEitherWay_data() {
        QTest::addColumn<QString>("stored");  // plain; null: never written
        QTest::addColumn<QString>("outcome"); // kept, asked or afresh
        QTest::addColumn<MessageAnswer>("answer");
        const FakePlatform fake;
        const auto away = [&fake](int days) {
            return fake.dateToText(fake.todayDate.addDays(days));
        };
        const auto no = MessageAnswer::No;
        QTest::newRow("today") << away(0) << "kept" << no;
        QTest::newRow("14 days ago") << away(-14) << "kept" << no;
        QTest::newRow("15 days ago") << away(-15) << "asked" << no;
        QTest::newRow("14 days ahead") << away(14) << "kept" << no;
        QTest::newRow("15 days ahead") << away(15) << "asked" << no;
        QTest::newRow("30 days ago, Yes") << away(-30) << "asked" << MessageAnswer::Yes;
        QTest::newRow("never written") << QString() << "afresh" << no;
        QTest::newRow("not a date") << QStringLiteral("next week") << "afresh" << no;
        QTest::newRow("no such day") << QStringLiteral("31 Feb 2026") << "afresh" << no;
    }
    void remindsAfterFourteenDaysEitherWay() {
        QFETCH(QString, stored);
        QFETCH(QString, outcome);
        QFETCH(MessageAnswer, answer);
        FakePlatform platform;
        if (!stored.isNull())
            StoreReminderDate(platform, stored);
        platform.answers = {answer};
        // Nothing is written while the question is open.
        platform.onMessage = [&](const FakePlatform::Message&) {
            QCOMPARE(platform.settingsWrites, 0);
        };

        modHelp::RemindAboutUpdate(platform);

        if (outcome == u"kept") {
            QVERIFY(platform.messages.isEmpty());
            QCOMPARE(platform.settingsWrites, 0);
            QCOMPARE(StoredReminderDate(platform), stored);
            return;
        }
        QCOMPARE(platform.settingsWrites, 1);
        QCOMPARE(StoredReminderDate(platform), platform.dateToText(platform.todayDate));
        QCOMPARE(platform.openedAddresses,
                 answer == MessageAnswer::Yes
                     ? QStringList{modHelp::PageAddress(WebPageKey::DownloadWebPage)}
                     : QStringList());
        if (outcome == u"afresh") {
            QVERIFY(platform.messages.isEmpty());
            // Fifteen days on, the question comes.
            platform.onMessage = nullptr;
            platform.todayDate = platform.todayDate.addDays(15);
            modHelp::RemindAboutUpdate(platform);
            QCOMPARE(platform.messages.size(), 1);
            return;
        }
        QCOMPARE(platform.messageTexts(),
                 QStringList{"There maybe an update to this software available\r"
                             "Do you want to check for an update?"});
        const FakePlatform::Message& question = platform.messages.first();
        QCOMPARE(question.icon, MessageIcon::Information);
        QCOMPARE(question.buttons, MessageButtons::YesNo);
        QCOMPARE(question.caption, QStringLiteral("Aurivane"));
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
