#include "platform/QtPlatform.h"
#include "platform/WindowSystem.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QLockFile>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <optional>

#if defined(Q_OS_UNIX)
#include <unistd.h>
#define HOLDER "cat"
#else
#include <windows.h>
#define HOLDER "cmd"
#endif

using namespace aurivane;

// The host a lock file names, as Qt writes it (on Windows not the name
// QSysInfo gives).
static QByteArray LockHost() {
    QTemporaryDir dir;
    QLockFile probe(dir.filePath(QStringLiteral("probe.lock")));
    qint64 pid = 0;
    QString host, app;
    return probe.tryLock() && probe.getLockInfo(&pid, &host, &app) ? host.toUtf8() : "?";
}

// An environment variable set for the scope (unset for an empty value) and
// put back as it was.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const QByteArray& value)
        : m_name(name), m_was(qEnvironmentVariableIsSet(name)), m_value(qgetenv(name)) {
        Set(value.isEmpty() ? std::nullopt : std::optional<QByteArray>(value));
    }
    ~ScopedVariable() { Set(m_was ? std::optional<QByteArray>(m_value) : std::nullopt); }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

private:
    void Set(const std::optional<QByteArray>& value) {
        if (value)
            qputenv(m_name, *value);
        else
            qunsetenv(m_name);
    }
    const char* m_name;
    bool m_was;
    QByteArray m_value;
};

class TestPlatform : public QObject {
    Q_OBJECT
private slots:
    void roundHalfEven() {
        const std::pair<double, int> rows[] = {
            {1.0, 1},    {1.5, 2},  {2.5, 2},   {6.7, 7},
            {2.4999, 2}, {-0.5, 0}, {-1.5, -2}, {1e300, std::numeric_limits<int>::max()}};
        for (const auto& [value, rounded] : rows)
            QVERIFY2(Platform::RoundHalfEven(value) == rounded, qPrintable(QString::number(value)));
    }

    void drawsStayBelowOne() {
        QtPlatform platform;
        platform.seedRandomFromClock();
        float lowest = 1.0F, highest = 0.0F;
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
        const QString program = QStringLiteral("aurivane"), section = QStringLiteral("Settings");
        {
            QtPlatform platform;
            platform.setSettingsFile(file);
            QCOMPARE(platform.readSetting(program, section, name, QStringLiteral("none")),
                     std::optional<QString>(QStringLiteral("none")));
            QVERIFY(platform.writeSetting(program, section, name, value));
        }
        // A new platform object reads what the first one flushed.
        QtPlatform later;
        later.setSettingsFile(file);
        QCOMPARE(later.readSetting(program, section, name, QString()),
                 std::optional<QString>(value));
    }

    // A lock (named after the program file, here the test's) left behind by
    // an earlier process that had our id, or by one whose id is never used,
    // is taken over; one of a live process holds however old it is.
    void lockHoldsOnlyForALiveProcess_data() {
        QTest::addColumn<qint64>("pid"); // 0: a live stand-in for the instance
        QTest::addColumn<bool>("refused");
        QTest::newRow("our own id") << QCoreApplication::applicationPid() << false;
        QTest::newRow("a dead process") << qint64(2147483600) << false;
        QTest::newRow("a live process") << qint64(0) << true;
    }
    void lockHoldsOnlyForALiveProcess() {
        QFETCH(qint64, pid);
        QFETCH(bool, refused);
        QTemporaryDir dir;
        // The live stand-in: a program waiting for input that never comes.
        QProcess holder;
        const QByteArray app = pid == 0 ? HOLDER : "tst_platform";
        if (pid == 0) {
#if defined(Q_OS_WIN)
            // Without a console: under Wine a console program gets a console
            // host that may outlive it once it is killed, keeping this
            // suite's output open, so that whoever reads it waits for ever.
            holder.setCreateProcessArgumentsModifier(
                [](QProcess::CreateProcessArguments* arguments) {
                    arguments->flags |= DETACHED_PROCESS;
                });
#endif
            holder.start(QStringLiteral(HOLDER), {});
            QVERIFY(holder.waitForStarted());
            pid = holder.processId();
        }
        {
            QFile lock(dir.filePath(QStringLiteral("tst_platform.lock")));
            QVERIFY(lock.open(QIODevice::WriteOnly));
            lock.write(QByteArray::number(pid) + "\n" + app + "\n" + LockHost() + "\n");
            QVERIFY(lock.flush());
            // Written an hour ago: far past any age after which a lock
            // would count as left behind.
            QVERIFY(lock.setFileTime(QDateTime::currentDateTime().addSecs(-3600),
                                     QFileDevice::FileModificationTime));
        }
        QtPlatform platform;
        platform.setLockDirectory(dir.path());
        const bool answer = platform.anotherInstanceRunning();
        const bool again = platform.anotherInstanceRunning(); // the answer stays fixed
        holder.kill();
        holder.waitForFinished();
        QCOMPARE(answer, refused);
        QCOMPARE(again, refused);
    }

    void messageBoxShowsItsIcon() {
        const std::pair<MessageIcon, int> rows[] = {
            {MessageIcon::Critical, QMessageBox::Critical},
            {MessageIcon::Information, QMessageBox::Information},
            {MessageIcon::None, QMessageBox::NoIcon}};
        for (const auto& [icon, shown] : rows) {
            int seen = -1;
            QTimer::singleShot(0, [&seen] {
                if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                    seen = box->icon();
                    box->accept();
                }
            });
            QtPlatform platform;
            platform.showMessage(nullptr, QStringLiteral("Text"), icon);
            QCOMPARE(seen, shown);
        }
    }

    // X first wherever there is a DISPLAY, Wayland where it is alone; what
    // the user names is followed. Empty counts as unset.
    void windowSystemChosenAndWaylandKnownByEveryName() {
        using enum WindowSystem::Choice;
        const QByteArray no, empty(""), x(":0"), w("wayland-0");
        // Unix desktop, QT_QPA_PLATFORM, DISPLAY, WAYLAND_DISPLAY, Wayland plugin, -platform
        const struct {
            const char* row;
            WindowSystem::Surroundings around;
            WindowSystem::Choice chosen;
            QByteArray platform; // what Qt is given
        } rows[] = {
            {"X beside Wayland", {true, no, x, w, true, false}, X11, "xcb;wayland"},
            {"Wayland alone", {true, no, empty, w, true, false}, Wayland, "wayland"},
            {"no plugin", {true, no, no, w, false, false}, NoDisplay, ""},
            {"nothing", {true, empty, empty, empty, true, false}, NoDisplay, ""},
            {"QT_QPA_PLATFORM", {true, "wayland-egl", x, w, true, false}, QtDecides, ""},
            {"-platform", {true, no, no, no, false, true}, QtDecides, ""},
            {"not X11 or Wayland", {false, no, x, w, true, false}, QtDecides, ""},
        };
        for (const auto& [row, around, chosen, platform] : rows) {
            const auto choice = WindowSystem::Choose(around);
            QVERIFY2(choice == chosen && WindowSystem::PlatformVariable(choice) == platform, row);
        }
        // Wayland is known by every name of its plugins.
        for (const char16_t* name : {u"wayland", u"wayland-egl", u"wayland-xcomposite-egl"})
            QVERIFY(WindowSystem::IsWayland(name));
        for (const char16_t* name : {u"xcb", u"offscreen", u"waylandish", u"xcb;wayland"})
            QVERIFY(!WindowSystem::IsWayland(name));
    }

#if defined(Q_OS_UNIX)
    // The choice as this process's surroundings make it: Qt's Wayland plugin
    // is looked for in each folder of QT_PLUGIN_PATH and in Qt's own, where
    // the project's install step puts Debian's; a platform the user names
    // wins.
    void windowSystemChosenFromTheEnvironment() {
        const ScopedVariable path("QT_PLUGIN_PATH", "/nowhere:/elsewhere");
        QCOMPARE(
            WindowSystem::PluginFolders(),
            (QStringList{"/nowhere", "/elsewhere", QLibraryInfo::path(QLibraryInfo::PluginsPath)}));
        // Any folder of them may hold the plugin, itself or linked to.
        QTemporaryDir plugins;
        const QString none = plugins.filePath(QStringLiteral("none"));
        const QString some = plugins.filePath(QStringLiteral("some"));
        QVERIFY(QDir().mkpath(none + QStringLiteral("/platforms")) &&
                QDir().mkpath(some + QStringLiteral("/platforms")));
        QFile other(none + QStringLiteral("/platforms/libqxcb.so"));
        QVERIFY(other.open(QIODevice::WriteOnly));
        QVERIFY(QFile::link(other.fileName(),
                            some + QStringLiteral("/platforms/libqwayland-xcomposite-egl.so")));
        // A link to nothing is no plugin.
        QVERIFY(QFile::link(QStringLiteral("/nowhere/libqwayland-egl.so"),
                            none + QStringLiteral("/platforms/libqwayland-egl.so")));
        QVERIFY(!WindowSystem::WaylandPluginIn({"/nowhere", none}));
        QVERIFY(WindowSystem::WaylandPluginIn({none, some, "/nowhere"}));

        const ScopedVariable display("DISPLAY", "");
        const ScopedVariable wayland("WAYLAND_DISPLAY", "wayland-0");
        using enum WindowSystem::Choice;
        const struct {
            const char* platform; // QT_QPA_PLATFORM
            std::vector<const char*> argv;
            WindowSystem::Choice chosen;
        } rows[] = {
            {"", {"aurivane"}, Wayland},
            {"offscreen", {"aurivane"}, QtDecides},
            // The option as Qt reads it, with one dash or two and a name after it.
            {"", {"aurivane", "-platform", "offscreen", "-reverse"}, QtDecides},
            {"", {"aurivane", "--platform", "xcb"}, QtDecides},
            {"", {"aurivane", "-platform"}, Wayland},
            {"", {"aurivane", "platform", "xcb"}, Wayland},
            {"", {"aurivane", "-platformtheme", "gtk3"}, Wayland},
        };
        for (const auto& [named, argv, chosen] : rows) {
            const ScopedVariable platform("QT_QPA_PLATFORM", named);
            const auto around =
                WindowSystem::Surroundings::OfThisProcess(int(argv.size()), argv.data());
            QCOMPARE(WindowSystem::Choose(around), chosen);
        }
    }

    // The guard, which acts on Wayland alone: a window of fixed size that
    // the compositor has maximized or put full screen comes back to its
    // size, and keeps it: its edges drag it no larger. So does a window
    // opened in the place in memory of one gone.
    void fixedSizeWindowKeepsItsSizeOnceEnlarged() {
        WindowSystem::GuardFixedSizeWindows(*qApp, u"wayland-egl");
        std::optional<QWindow> window;
        for (const Qt::WindowState state :
             {Qt::WindowMaximized, Qt::WindowFullScreen, Qt::WindowMaximized}) {
            window.reset();
            window.emplace();
            window->setMinimumSize(QSize(300, 200));
            window->setMaximumSize(QSize(300, 200));
            window->resize(300, 200);
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(&*window));
            window->setWindowStates(state);
            QTRY_COMPARE(window->windowStates(), Qt::WindowNoState);
            QTRY_COMPARE(window->maximumSize(), QSize(300, 200));
            QCOMPARE(window->minimumSize(), QSize(300, 200));
            QTRY_COMPARE(window->size(), QSize(300, 200));
        }
    }
#endif

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
        const QString folder = [&runtime, &dir] {
            const ScopedVariable set("XDG_RUNTIME_DIR",
                                     runtime.isEmpty() ? "" : dir.filePath(runtime).toUtf8());
            return QtPlatform::DefaultLockDirectory();
        }();
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
