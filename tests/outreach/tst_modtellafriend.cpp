#include "outreach/modTellAFriend.h"
#include "shell/WebPageLauncher.h"
#include "support/FakePlatform.h"
#include "support/Fixtures.h"

#include <QTest>

using namespace aurivane;
using namespace modTellAFriend;

Q_DECLARE_METATYPE(ReferralValues)

namespace {

ReferralValues valid() {
    return {QStringLiteral("Ann"), QStringLiteral("ann@example.org"), QStringLiteral("Hello"),
            QStringLiteral("Bob"), QStringLiteral("bob@example.org")};
}

QString prefix() {
    return modHelp::PageScriptAddress() + QStringLiteral("?page=qmms-refer-a-friend");
}

} // namespace

class TestModTellAFriend : public QObject {
    Q_OBJECT
private slots:
    void addressEncodesEachValue_data() {
        QTest::addColumn<ReferralValues>("values");
        QTest::addColumn<QString>("parameters");
        QTest::newRow("tricky") << ReferralValues{"Ann & Co #1", "ann@example.org",
                                                  "1+1=2\r\nsee you?",
                                                  QStringLiteral("Jos\u00E9 M\u00FCller \u5F20"),
                                                  "bob+tag@ex-ample.org"}
                                << QStringLiteral(
                                       "&taf1=Ann%20%26%20Co%20%231&taf2=ann%40example.org"
                                       "&taf3=1%2B1%3D2%0D%0Asee%20you%3F"
                                       "&taf4=Jos%C3%A9%20M%C3%BCller%20%E5%BC%A0"
                                       "&taf5=bob%2Btag%40ex-ample.org");
        QTest::newRow("unreserved kept, slash encoded")
            << ReferralValues{"a-b.c_d~e/f", "ann@example.org", "Hello", "Bob", "bob@example.org"}
            << QStringLiteral("&taf1=a-b.c_d~e%2Ff&taf2=ann%40example.org&taf3=Hello"
                              "&taf4=Bob&taf5=bob%40example.org");
    }
    void addressEncodesEachValue() {
        QFETCH(ReferralValues, values);
        QFETCH(QString, parameters);
        QCOMPARE(modTellAFriend::BuildReferralAddress(values),
                 prefix() + parameters + QStringLiteral("&taf6=") + ProductAddress);
    }

    void submitChecksValuesInOrder_data() {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("bad");
        QTest::addColumn<QString>("message");
        const QStringList messages{QStringLiteral("Please Enter Your Name"),
                                   QStringLiteral("Please Enter Your Email"),
                                   QStringLiteral("Please Enter Your Message"),
                                   QStringLiteral("Please Enter Your Friend's Name"),
                                   QStringLiteral("Please Enter Your Friend's Email")};
        const QStringList placeholders{
            QStringLiteral("Your Name"), QStringLiteral("Your Email Address"),
            QStringLiteral("Your Message"), QStringLiteral("Friend's Name"),
            QStringLiteral("Friend's Email Address")};
        for (int field = 0; field < 5; ++field) {
            QTest::addRow("%d empty", field) << field << QString() << messages[field];
            QTest::addRow("%d placeholder", field)
                << field << placeholders[field] << messages[field];
            QTest::addRow("%d spaced placeholder", field)
                << field << QStringLiteral("  ") + placeholders[field] + QStringLiteral(" ")
                << messages[field];
        }
        // Exact and case-sensitive: this passes.
        QTest::newRow("other case passes") << 0 << QStringLiteral("your name") << QString();
    }
    void submitChecksValuesInOrder() {
        QFETCH(int, field);
        QFETCH(QString, bad);
        QFETCH(QString, message);
        FakePlatform platform;
        ReferralValues values = valid();
        QString* fields[] = {&values.SenderName, &values.SenderEmail, &values.MessageText,
                             &values.FriendName, &values.FriendEmail};
        *fields[field] = bad;
        // Every later field is bad as well: only the first failure speaks.
        // Where the value passes, the later ones are good.
        for (int later = field + 1; later < 5; ++later)
            *fields[later] = message.isEmpty() ? valid().SenderName : QString();
        const std::optional<QString> address =
            modTellAFriend::SubmitReferral(platform, nullptr, values);

        if (message.isEmpty()) {
            QVERIFY(platform.messages.isEmpty());
            QVERIFY(address.has_value());
            QCOMPARE(platform.openedAddresses, QStringList{*address});
            QVERIFY(address->startsWith(prefix() + QStringLiteral("&taf1=")));
            QVERIFY(address->endsWith(QStringLiteral("&taf6=") + ProductAddress));
            return;
        }
        QVERIFY(!address.has_value());
        QCOMPARE(platform.messageTexts(), QStringList{message});
        QCOMPARE(platform.messages.first().icon, MessageIcon::Critical);
        QCOMPARE(platform.messages.first().buttons, MessageButtons::Ok);
        QVERIFY(platform.openedAddresses.isEmpty());
    }

    // The support screen's checks of the two addresses, before the values'.
    void emailChecks_data() {
        QTest::addColumn<QString>("mine");
        QTest::addColumn<QString>("friends");
        QTest::addColumn<QString>("message"); // empty: both pass
        const QString distinct = QStringLiteral("Please Enter Distinct Email Addresses");
        QTest::newRow("both empty") << QString() << QString() << distinct;
        QTest::newRow("same address, spaced")
            << QStringLiteral("a@b.c") << QStringLiteral(" a@b.c ") << distinct;
    }
    void emailChecks() {
        QFETCH(QString, mine);
        QFETCH(QString, friends);
        QFETCH(QString, message);
        QCOMPARE(CheckEmailAddresses(mine, friends).value_or(AddressRefusal()).Message, message);
    }

    // Spaces go from both ends; a tab and a line end stay.
    void trimsSpacesOnly() {
        QCOMPARE(modTellAFriend::TrimSpaces(QStringLiteral("  a b  ")), QStringLiteral("a b"));
        QCOMPARE(modTellAFriend::TrimSpaces(QStringLiteral("   ")), QString());
        QCOMPARE(modTellAFriend::TrimSpaces(QStringLiteral("\t a \r\n ")),
                 QStringLiteral("\t a \r\n"));
    }
};

QTEST_MAIN(TestModTellAFriend)
#include "tst_modtellafriend.moc"
