#include "mainwindow/frmMain.h"
#include "outreach/ReferAFriendPanel.h"
#include "platform/Forms.h"
#include "shell/WebPageLauncher.h"
#include "support/FakePlatform.h"
#include "support/Fixtures.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTest>

#include <array>

using namespace aurivane;

namespace {

constexpr qsizetype Megabyte = 1024 * 1024;

// A megabyte of text with every control character, line breaks included,
// spread through it and spaces at both ends.
QString hugeWithControls(QChar fill) {
    QString text(Megabyte, fill);
    for (char16_t c = 1; c < 32; ++c)
        text[c * 1000] = QChar(c);
    text[500000] = QChar(0x7F);
    text[600000] = QChar(0x85);
    return QStringLiteral("  ") + text + QStringLiteral("  ");
}

struct Result {
    ChakraReading reading;
    QStringList shown;
    QStringList messages;
    qsizetype nameLength = 0;
};

// Reads one birth date under `name` and returns what the window made of it.
Result readWithName(const QString& name) {
    FakePlatform platform;
    Forms forms{platform};
    QPointer<frmMain> window = new frmMain(platform, forms, nullptr);
    window->show();
    window->txtName->insert(name); // what a paste does
    window->cboMonth->setCurrentIndex(6);
    window->cboDate->setCurrentIndex(20);
    window->cboYear->setCurrentIndex(85);
    window->cmdNext_Click();
    Result result{window->Reading(), {}, platform.messageTexts(), window->txtName->text().size()};
    for (const QLabel* label : window->lblResult)
        result.shown << label->text();
    delete window.data();
    return result;
}

// The five values of a referral address, percent-decoded, in order.
QStringList decodedValues(const QString& address) {
    const QString prefix = modHelp::PageScriptAddress() + QStringLiteral("?page=") +
                           modHelp::KeyText(WebPageKey::ReferAFriend);
    if (!address.startsWith(prefix))
        return {};
    const QStringList parts = address.mid(prefix.size()).split(u'&');
    if (parts.size() != 7 || !parts.at(0).isEmpty() ||
        parts.at(6) != QStringLiteral("taf6=") + ProductAddress)
        return {};
    QStringList values;
    for (int i = 1; i <= 5; ++i) {
        const QString name = QStringLiteral("taf%1=").arg(i);
        if (!parts.at(i).startsWith(name))
            return {};
        values << QString::fromUtf8(
            QByteArray::fromPercentEncoding(parts.at(i).mid(name.size()).toLatin1()));
    }
    return values;
}

} // namespace

class TestBadInput : public QObject {
    Q_OBJECT
private slots:
    void hugeNameReadsLikeShortOne() {
        const Result plain = readWithName(QStringLiteral("Ann"));

        const Result huge = readWithName(hugeWithControls(u'n'));
        QVERIFY(plain.messages.isEmpty());
        QVERIFY(huge.messages.isEmpty());
        QVERIFY(!plain.reading.SunSign.isEmpty());
        QCOMPARE(huge.reading, plain.reading);
        QCOMPARE(huge.shown, plain.shown);
        // The name box keeps all of it.
        QCOMPARE(huge.nameLength, hugeWithControls(u'n').size());
    }

    // Each box in turn gets a megabyte with control characters; the address
    // must carry every box's trimmed text back unchanged.
    void hugeReferralBoxesEncodeExactly_data() {
        QTest::addColumn<int>("box");
        int box = 0;
        for (const char* row :
             {"sender name", "sender email", "message", "friend name", "friend email"})
            QTest::newRow(row) << box++;
    }
    void hugeReferralBoxesEncodeExactly() {
        QFETCH(int, box);
        FakePlatform platform;
        ReferAFriendPanel panel(platform);
        const std::array<QString, 5> normal{
            QStringLiteral("Ann"), QStringLiteral("ann@example.org"), QStringLiteral("Hello"),
            QStringLiteral("Bob"), QStringLiteral("bob@example.org")};
        std::array<QString, 5> texts = normal;
        // The e-mail boxes get their "@" and "." up front.
        texts.at(static_cast<std::size_t>(box)) =
            (box == 1 || box == 4 ? QStringLiteral("  me@a.b") : QString()) +
            hugeWithControls(u'x');
        panel.txtName->setText(texts[0]);
        panel.txtEmail->setText(texts[1]);
        panel.txtMessage->setText(texts[2]);
        panel.txtFriendName->setText(texts[3]);
        panel.txtFriendEmail->setText(texts[4]);

        panel.cmdSubmit_Click();

        QVERIFY2(platform.messages.isEmpty(), qPrintable(platform.messageTexts().join(u'|')));
        QCOMPARE(platform.openedAddresses.size(), 1);
        QStringList expected(normal.begin(), normal.end());
        // Trimmed: the two blanks at either end go, the ones within stay.
        expected[box] =
            (box == 2 ? panel.txtMessage->text() : texts.at(static_cast<std::size_t>(box)))
                .mid(2)
                .chopped(2);
        // The box really holds a large text with its control characters.
        const QString& held = expected.at(box);
        // Nothing of it is cut off.
        QVERIFY(held.size() >= Megabyte);
        QVERIFY(held.contains(QChar(1)) && !held.startsWith(u' '));
        QCOMPARE(decodedValues(platform.openedAddresses.first()), expected);
    }
};

QTEST_MAIN(TestBadInput)
#include "tst_badinput.moc"
