#include "platform/QtPlatform.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#if defined(Q_OS_UNIX)
#include <unistd.h>
#endif

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

    void leftOverLockIsStale_data() {
        QTest::addColumn<qint64>("pid");
        // Left behind by an earlier process that had our id (common in
        // containers), or by one whose id is larger than any handed out.
        QTest::newRow("our own id") << QCoreApplication::applicationPid();
        QTest::newRow("a dead process") << qint64(2147483600);
    }
    void leftOverLockIsStale() {
        QFETCH(qint64, pid);
        QTemporaryDir dir;
        QFile lock(dir.filePath(QStringLiteral("aurivane.lock")));
        QVERIFY(lock.open(QIODevice::WriteOnly));
        lock.write(QByteArray::number(pid) + "\naurivane\n" + QSysInfo::machineHostName().toUtf8() +
                   "\n");
        lock.close();
        QtPlatform platform;
        platform.setLockDirectory(dir.path());
        QVERIFY(!platform.anotherInstanceRunning());
        QVERIFY(!platform.anotherInstanceRunning()); // the answer stays fixed
    }

    void liveLockHoldsHoweverOldItIs() {
#if !defined(Q_OS_UNIX)
        QSKIP("needs sleep(1) as a long-lived stand-in for the instance holding the lock");
#endif
        QTemporaryDir dir;
        QtPlatform platform;
        platform.setLockDirectory(dir.path());
        QProcess holder;
        holder.start(QStringLiteral("sleep"), {QStringLiteral("60")});
        QVERIFY(holder.waitForStarted());
        {
            QFile lock(dir.filePath(platform.programBaseName() + QStringLiteral(".lock")));
            QVERIFY(lock.open(QIODevice::WriteOnly));
            lock.write(QByteArray::number(holder.processId()) + "\nsleep\n" +
                       QSysInfo::machineHostName().toUtf8() + "\n");
            QVERIFY(lock.flush());
            // Written an hour ago: far past any age after which a lock
            // would count as left behind.
            QVERIFY(lock.setFileTime(QDateTime::currentDateTime().addSecs(-3600),
                                     QFileDevice::FileModificationTime));
        }
        const bool refused = platform.anotherInstanceRunning();
        holder.kill();
        holder.waitForFinished();
        QVERIFY(refused);
    }

    void lockFolderFallsBackWhenRuntimeFolderIsNoFolder_data() {
        QTest::addColumn<QString>("runtime"); // under a temporary folder; "" leaves it unset
        QTest::addColumn<bool>("used");
        QTest::newRow("folder") << "run" << true;
        QTest::newRow("a file") << "file" << false;
        QTest::newRow("missing") << "nowhere" << false;
        QTest::newRow("unset") << "" << false;
    }
    void lockFolderFallsBackWhenRuntimeFolderIsNoFolder() {
        QFETCH(QString, runtime);
        QFETCH(bool, used);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("run")));
        QFile file(dir.filePath(QStringLiteral("file")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        const std::optional<QByteArray> saved =
            qEnvironmentVariableIsSet("XDG_RUNTIME_DIR")
                ? std::optional<QByteArray>(qgetenv("XDG_RUNTIME_DIR"))
                : std::nullopt;
        qputenv("XDG_RUNTIME_DIR", dir.filePath(runtime).toUtf8());
        if (runtime.isEmpty())
            qunsetenv("XDG_RUNTIME_DIR");
        const QString folder = QtPlatform::DefaultLockDirectory();
        if (saved)
            qputenv("XDG_RUNTIME_DIR", *saved);
        else
            qunsetenv("XDG_RUNTIME_DIR");
#if defined(Q_OS_UNIX)
        const QString fallback =
            QDir::tempPath() + QStringLiteral("/aurivane-") + QString::number(::getuid());
#else
        // Windows keeps its locks in the user's own temporary folder.
        const QString fallback = QStandardPaths::writableLocation(QStandardPaths::TempLocation);
#endif
        QCOMPARE(folder, used ? dir.filePath(runtime) : fallback);
    }
};

QTEST_MAIN(TestPlatform)
#include "tst_platform.moc"
