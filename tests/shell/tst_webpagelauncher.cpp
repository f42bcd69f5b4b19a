// Runs the launcher in a real X session (a private Xvfb) with a stand-in xdg-open
// first on PATH, and checks that the browser would get each address exactly
// as built, character for character.
#include "shell/WebPageLauncher.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace aurivane;

#ifndef WEBPAGELAUNCHER_PROBE
#error "WEBPAGELAUNCHER_PROBE must name the probe program"
#endif
#ifndef WITH_DISPLAY
#error "WITH_DISPLAY must name the script that runs a program on a private display"
#endif

namespace {

QString ReadAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

// Each address opens its own detached opener, so they may finish in any order.
QStringList SortedLines(const QString& text) {
    QStringList lines = text.split(u'\n', Qt::SkipEmptyParts);
    lines.sort();
    return lines;
}

} // namespace

class TestWebPageLauncher : public QObject {
    Q_OBJECT
private slots:
    void addressReachesTheBrowserUnchanged_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("help page") << QStringList{"--page=help-web-page"}
                                   << QStringList{modHelp::PageAddress(WebPageKey::HelpWebPage)};
        QTest::newRow("two pages in turn")
            << QStringList{"--page=home-page", "--page=fully-branded"}
            << QStringList{modHelp::PageAddress(WebPageKey::HomePage),
                           modHelp::PageAddress(WebPageKey::FullyBranded)};
        const QString encoded = modHelp::PageAddress(WebPageKey::ReferAFriend) +
                                QStringLiteral("&taf1=Ann%20Lee%0D%0AHi&taf2=a%26b%3Dc&taf3=x%2By");
        QTest::newRow("percent-encoded") << QStringList{encoded} << QStringList{encoded};
    }
    void addressReachesTheBrowserUnchanged() {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, expected);
        QCOMPARE(modHelp::PageAddress(WebPageKey::HelpWebPage),
                 modHelp::SiteBaseAddress() +
                     QStringLiteral("/aurivane/ssd.php?page=help-web-page"));

        QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("Xvfb")).isEmpty(),
                 "Xvfb is not installed");

        // Qt joins the opener's path and the address with a blank before it
        // splits them again: the stand-in must live in a folder without one.
        QTemporaryDir folder(QDir::tempPath() + QStringLiteral("/aurivane-launcher-XXXXXX"));
        QVERIFY(folder.isValid());
        if (folder.path().contains(u' '))
            QSKIP("the temporary folder has a blank in its path");
        const QString record = folder.filePath(QStringLiteral("opened.txt"));
        const QString opener = folder.filePath(QStringLiteral("xdg-open"));
        {
            QFile script(opener);
            QVERIFY(script.open(QIODevice::WriteOnly));
            script.write("#!/bin/sh\n"
                         "for argument in \"$@\"; do printf '[%s]\\n' \"$argument\"; done "
                         ">> \"$AURIVANE_OPENED_RECORD\"\n");
            script.close();
            QVERIFY(script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        }

        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("PATH"),
                           folder.path() + u':' + environment.value(QStringLiteral("PATH")));
        environment.insert(QStringLiteral("AURIVANE_OPENED_RECORD"), record);
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        // Qt would prefer a browser named here over xdg-open.
        for (const char* name : {"BROWSER", "DEFAULT_BROWSER", "XDG_CURRENT_DESKTOP",
                                 "DESKTOP_SESSION", "KDE_FULL_SESSION", "GNOME_DESKTOP_SESSION_ID"})
            environment.remove(QString::fromLatin1(name));

        QProcess probe;
        probe.setProcessEnvironment(environment);
        probe.setProcessChannelMode(QProcess::MergedChannels);
        probe.start(QStringLiteral("/bin/sh"), QStringList{QStringLiteral(WITH_DISPLAY),
                                                           QStringLiteral(WEBPAGELAUNCHER_PROBE)} +
                                                   arguments);
        QVERIFY2(probe.waitForFinished(60000), "the probe did not finish in time");
        QVERIFY2(probe.exitStatus() == QProcess::NormalExit && probe.exitCode() == 0,
                 probe.readAll().constData());

        QString wanted;
        for (const QString& address : expected)
            wanted += u'[' + address + QStringLiteral("]\n");
        // The opener is started detached; give it a bounded while to write.
        QTRY_COMPARE_WITH_TIMEOUT(SortedLines(ReadAll(record)), SortedLines(wanted), 10000);
    }
};

QTEST_GUILESS_MAIN(TestWebPageLauncher)
#include "tst_webpagelauncher.moc"
