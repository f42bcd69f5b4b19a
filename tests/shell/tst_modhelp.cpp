#include "platform/Forms.h"
#include "shell/modHelp.h"
#include "support/FakePlatform.h"

#include <QPointer>
#include <QTest>

using namespace aurivane;

namespace {

QString codes(std::initializer_list<char16_t> list) {
    QString text;
    for (char16_t c : list)
        text += QChar(c);
    return text;
}

} // namespace

class TestModHelp : public QObject {
    Q_OBJECT
private slots:
    // Stored, each code moves up by 85 and what would pass 255 is dropped;
    // read back, each moves down and what would fall below 0 is dropped.
    void shiftBothWays_data() {
        QTest::addColumn<QString>("plain");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("ways"); // 1: stored as, 2: read back from, 3: both
        QTest::newRow("empty") << QString() << QString() << 3;
        QTest::newRow("code 0") << codes({0}) << codes({85}) << 3;
        QTest::newRow("code 84") << codes({84}) << codes({169}) << 3;
        QTest::newRow("code 85") << codes({85}) << codes({170}) << 3;
        QTest::newRow("code 170 is the last kept") << codes({170}) << codes({255}) << 3;
        QTest::newRow("codes 171 and 255 dropped, order kept")
            << codes({u'a', 171, u'b', 255, u'c'}) << codes({u'a' + 85, u'b' + 85, u'c' + 85}) << 1;
        // Outside the single-byte set a character becomes '?' first.
        QTest::newRow("above 255 counts as ?") << codes({0x20AC}) << codes({u'?' + 85}) << 1;
        QTest::newRow("code 84 dropped") << QString() << codes({84}) << 2;
        QTest::newRow("plain date reads as empty") << QString() << QStringLiteral("12/8/2026") << 2;
        QTest::newRow("mixed keeps order")
            << codes({u'x' - 85, 65, 66}) << codes({u'x', 150, 10, 151}) << 2;
    }
    void shiftBothWays() {
        QFETCH(QString, plain);
        QFETCH(QString, stored);
        QFETCH(int, ways);
        if (ways & 1)
            QCOMPARE(modHelp::EncodeSetting(plain), stored);
        if (ways & 2)
            QCOMPARE(modHelp::DecodeSetting(stored), plain);
    }

    void settingsGoThroughTheShiftUnderTheProgramName() {
        FakePlatform platform;
        platform.baseName = QStringLiteral("renamed-copy");
        QVERIFY(modHelp::SaveSetting(platform, QStringLiteral("Duration"),
                                     QStringLiteral("12/8/2026")));
        // "Duration" and "12/8/2026", each code shifted up by 85.
        const QString key =
            FakePlatform::SettingsKey(QStringLiteral("renamed-copy"), QStringLiteral("Settings"),
                                      codes({153, 202, 199, 182, 201, 190, 196, 195}));
        QCOMPARE(platform.settings.value(key),
                 codes({134, 135, 132, 141, 132, 135, 133, 135, 139}));
        QCOMPARE(modHelp::GetSetting(platform, QStringLiteral("Duration")),
                 std::optional<QString>(QStringLiteral("12/8/2026")));

        // Another program name has its own, empty store.
        platform.baseName = QStringLiteral("aurivane");
        QCOMPARE(modHelp::GetSetting(platform, QStringLiteral("Duration")),
                 std::optional<QString>(QString()));
    }

    void exitGoesOnPastAFailingHandler() {
        FakePlatform platform;
        Forms forms(platform);
        QPointer<QWidget> failing = new QWidget;
        QPointer<QWidget> after = new QWidget;
        int afterRuns = 0;
        forms.loaded(failing, [] { throw std::runtime_error("cannot unload"); });
        forms.loaded(after, [&] { ++afterRuns; });
        modHelp::ExitApplication(forms);
        QCOMPARE(afterRuns, 1);
        QCOMPARE(platform.endedWith, QList<int>{0});
        QVERIFY(forms.loadedForms().isEmpty());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(failing.isNull());
        QVERIFY(after.isNull());
    }
};

QTEST_MAIN(TestModHelp)
#include "tst_modhelp.moc"
