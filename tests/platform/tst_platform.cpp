#include "platform/FakePlatform.h"
#include "platform/QtPlatform.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QTemporaryDir>
#include <QTest>

using namespace aurivane;

class TestPlatform : public QObject {
    Q_OBJECT
private slots:
    void roundHalfEven_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("rounded");
        QTest::newRow("1.0") << 1.0 << 1;
        QTest::newRow("1.5") << 1.5 << 2;
        QTest::newRow("2.5") << 2.5 << 2;
        QTest::newRow("3.5") << 3.5 << 4;
        QTest::newRow("5.5") << 5.5 << 6;
        QTest::newRow("6.5") << 6.5 << 6;
        QTest::newRow("6.7") << 6.7 << 7;
        QTest::newRow("2.4999") << 2.4999 << 2;
        QTest::newRow("-0.5") << -0.5 << 0;
        QTest::newRow("-1.5") << -1.5 << -2;
        QTest::newRow("huge") << 1e300 << std::numeric_limits<int>::max();
    }
    void roundHalfEven() {
        QFETCH(double, value);
        QFETCH(int, rounded);
        QCOMPARE(Platform::RoundHalfEven(value), rounded);
    }

    void daysBetweenCountsMidnights() {
        const QDate today(2026, 12, 8);
        QCOMPARE(Platform::DaysBetween(today, today.addDays(-15)), -15);
        QCOMPARE(Platform::DaysBetween(today, today.addDays(14)), 14);
        QCOMPARE(Platform::DaysBetween(QDate(2026, 2, 28), QDate(2026, 3, 1)), 1);
    }

    void drawsStayBelowOne() {
        QtPlatform platform;
        platform.seedRandomFromClock();
        float lowest = 1.0F;
        float highest = 0.0F;
        for (int i = 0; i < 20000; ++i) {
            const float r = platform.nextRandom();
            QVERIFY(r >= 0.0F && r < 1.0F);
            lowest = std::min(lowest, r);
            highest = std::max(highest, r);
        }
        QVERIFY(lowest < 0.01F);
        QVERIFY(highest > 0.99F);
    }

    void settingsRoundTripEveryShiftedCode() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString file = dir.filePath(QStringLiteral("store.ini"));
        QString value;
        for (char16_t code = 85; code <= 255; ++code)
            value += QChar(code);
        QString name;
        for (char16_t code : {153, 202, 199, 182, 201, 190, 196, 195})
            name += QChar(code);
        {
            QtPlatform platform;
            platform.setSettingsFile(file);
            QCOMPARE(platform.readSetting(QStringLiteral("aurivane"), QStringLiteral("Settings"),
                                          name, QStringLiteral("none")),
                     std::optional<QString>(QStringLiteral("none")));
            QVERIFY(platform.writeSetting(QStringLiteral("aurivane"), QStringLiteral("Settings"),
                                          name, value));
        }
        // A new platform object reads what the first one flushed.
        QtPlatform later;
        later.setSettingsFile(file);
        QCOMPARE(later.readSetting(QStringLiteral("aurivane"), QStringLiteral("Settings"), name,
                                   QString()),
                 std::optional<QString>(value));
    }

    void settingsWriteReportsAFolderItCannotUse() {
        QTemporaryDir dir;
        // A file where the settings folder should be.
        QFile blocker(dir.filePath(QStringLiteral("blocker")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QtPlatform platform;
        platform.setSettingsFile(dir.filePath(QStringLiteral("blocker/store.ini")));
        QVERIFY(!platform.writeSetting(QStringLiteral("a"), QStringLiteral("Settings"),
                                       QStringLiteral("k"), QStringLiteral("v")));
    }

    void lockNamingOurOwnProcessIsStale() {
        QTemporaryDir dir;
        // A lock file left behind by an earlier process that had our id.
        QFile lock(dir.filePath(QStringLiteral("aurivane.lock")));
        QVERIFY(lock.open(QIODevice::WriteOnly));
        lock.write(QByteArray::number(QCoreApplication::applicationPid()) + "\ntst_platform\n" +
                   QSysInfo::machineHostName().toUtf8() + "\n");
        lock.close();
        QtPlatform platform;
        platform.setLockDirectory(dir.path());
        QVERIFY(!platform.anotherInstanceRunning());
    }

    void lockOfADeadProcessIsStale() {
        QTemporaryDir dir;
        QFile lock(dir.filePath(QStringLiteral("aurivane.lock")));
        QVERIFY(lock.open(QIODevice::WriteOnly));
        // Process ids this large are never handed out.
        lock.write("2147483600\naurivane\n" + QSysInfo::machineHostName().toUtf8() + "\n");
        lock.close();
        QtPlatform platform;
        platform.setLockDirectory(dir.path());
        QVERIFY(!platform.anotherInstanceRunning());
        QVERIFY(!platform.anotherInstanceRunning()); // the answer stays fixed
    }

    void missingLockFolderIsCreated() {
        QTemporaryDir dir;
        QtPlatform platform;
        platform.setLockDirectory(dir.filePath(QStringLiteral("a/b/c")));
        QVERIFY(!platform.anotherInstanceRunning());
        QVERIFY(QFileInfo::exists(dir.filePath(
            QStringLiteral("a/b/c/") + platform.programBaseName() + QStringLiteral(".lock"))));
    }

    void unusableLockFolderLetsTheProgramRun() {
        QTemporaryDir dir;
        QFile blocker(dir.filePath(QStringLiteral("file")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QtPlatform platform;
        platform.setLockDirectory(blocker.fileName() + QStringLiteral("/sub"));
        QVERIFY(!platform.anotherInstanceRunning());
    }
};

QTEST_MAIN(TestPlatform)
#include "tst_platform.moc"
