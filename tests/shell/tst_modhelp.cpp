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
    void encodeShiftsUpAndDropsWhatPasses255_data() {
        QTest::addColumn<QString>("plain");
        QTest::addColumn<QString>("encoded");
        QTest::newRow("empty") << QString() << QString();
        QTest::newRow("code 0") << codes({0}) << codes({85});
        QTest::newRow("code 84") << codes({84}) << codes({169});
        QTest::newRow("code 85") << codes({85}) << codes({170});
        QTest::newRow("code 170 is the last kept") << codes({170}) << codes({255});
        QTest::newRow("codes 171 and 255 dropped, order kept")
            << codes({u'a', 171, u'b', 255, u'c'}) << codes({u'a' + 85, u'b' + 85, u'c' + 85});
        // Outside the single-byte set a character becomes '?' first.
        QTest::newRow("above 255 counts as ?") << codes({0x20AC}) << codes({u'?' + 85});
        QTest::newRow("Duration") << QStringLiteral("Duration")
                                  << codes({153, 202, 199, 182, 201, 190, 196, 195});
    }
    void encodeShiftsUpAndDropsWhatPasses255() {
        QFETCH(QString, plain);
        QFETCH(QString, encoded);
        QCOMPARE(modHelp::EncodeSetting(plain), encoded);
    }

    void decodeShiftsDownAndDropsWhatFallsBelow0_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("decoded");
        QTest::newRow("empty") << QString() << QString();
        QTest::newRow("code 0 dropped") << codes({0}) << QString();
        QTest::newRow("code 84 dropped") << codes({84}) << QString();
        QTest::newRow("code 85 gives code 0") << codes({85}) << codes({0});
        QTest::newRow("code 170") << codes({170}) << codes({85});
        QTest::newRow("code 171") << codes({171}) << codes({86});
        QTest::newRow("code 255") << codes({255}) << codes({170});
        QTest::newRow("plain digit 1 reads as empty") << QStringLiteral("1") << QString();
        QTest::newRow("plain date reads as empty") << QStringLiteral("12/8/2026") << QString();
        QTest::newRow("mixed keeps order")
            << codes({u'x', 150, 10, 151}) << codes({u'x' - 85, 65, 66});
    }
    void decodeShiftsDownAndDropsWhatFallsBelow0() {
        QFETCH(QString, stored);
        QFETCH(QString, decoded);
        QCOMPARE(modHelp::DecodeSetting(stored), decoded);
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
