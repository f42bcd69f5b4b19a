#include "formkit/ClickableLabel.h"
#include "outreach/ReferAFriendPanel.h"
#include "outreach/frmNagScreen2.h"
#include "platform/Forms.h"
#include "shell/WebPageLauncher.h"
#include "shell/modHelp.h"
#include "support/Fixtures.h"
#include "support/SupportScreenFixture.h"
#include "support/TwipsLayout.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include <array>

using namespace aurivane;

namespace {

QIcon distinctIcon() {
    QPixmap pixmap(32, 32);
    pixmap.fill(QColor(12, 200, 34));
    return QIcon(pixmap);
}

// The support screen, shown and active, with an icon of its own, so that the
// borrowed one can be told apart.
struct Fixture : SupportScreenFixture {
    explicit Fixture(QList<float> draws = {0.0F})
        : SupportScreenFixture(std::move(draws), distinctIcon()) {
        if (!showActive())
            qFatal("the support screen did not become active");
    }
    // 0 name, 1 email, 2 friend's name, 3 friend's email.
    QLineEdit* box(int index) const {
        ReferAFriendPanel* p = panel();
        return std::array{p->txtName, p->txtEmail, p->txtFriendName, p->txtFriendEmail}.at(index);
    }
};

} // namespace

class TestFrmNagScreen2 : public QObject {
    Q_OBJECT
private slots:
    void picksOneOfFourMessages_data() {
        QTest::addColumn<float>("draw");
        QTest::addColumn<int>("index");
        QTest::newRow("0") << 0.0F << 0;
        QTest::newRow("just below a quarter") << 0.2499F << 0;
        QTest::newRow("a quarter") << 0.25F << 1;
        QTest::newRow("just below three quarters") << 0.7499F << 2;
        QTest::newRow("three quarters") << 0.75F << 3;
        QTest::newRow("highest draw") << 0.99999994F << 3;
    }
    void picksOneOfFourMessages() {
        QFETCH(float, draw);
        QFETCH(int, index);
        Fixture f({draw});
        QCOMPARE(f.screen->Label2->text(), SupportMessages.at(index));
    }

    void asDrawn_data() {
        AddDrawnColumns();
        AddPlace("picNagscreen2Icon", 360, 120, 540, 540);
        AddPlace("lblNagScreen2Caption", 1080, 240);
        AddPlace("Label2", 120, 840, 6975, 1095);
        AddPlace("Check1", 30, 2040, 7185, 555);
        AddPlace("cmdClose", 6000, 2760, 1245, 375);
        AddPlace("Frame2", 120, 3240, 7065, 1455);
        AddPlace("txtName", 85, 360, 3375, 285);
        AddPlace("txtEmail", 3600, 360, 3375, 285);
        AddPlace("txtFriendName", 85, 720, 3375, 285);
        AddPlace("txtFriendEmail", 3600, 720, 3375, 285);
        AddPlace("txtMessage", 4800, 3600, 1815, 495);
        AddPlace("cmdSubmit", 1920, 1080, 3375, 285);
        AddPlace("Frame6", 7320, 120, 3735, 4575);
        AddPlace("Label3", 120, 360, 3495, 3855);
        AddPlace("lblGoToHome", 75, 4250, 3585, 210);
        AddLook("frmNagScreen2", "", {}, QColor(255, 255, 255));
        AddLook("lblNagScreen2Caption", "MS Sans Serif 18", {});
        AddLook("Check1", "Verdana 14.25", QColor(0, 0, 192));
        AddLook("Frame2", "Verdana 9.75 bold", QColor(255, 255, 255), QColor(0, 0, 128));
        AddLook("lblGoToHome", "", QColor(255, 255, 0));
    }
    void asDrawn() {
        Fixture f;
        CompareWithDrawnRow(*f.screen);
    }

    // The screen loads on top, with the icon it borrows, and opens its links.
    void loadsWithBorrowedIconOnTopAndOpensItsLinks() {
        Fixture f;
        const QImage expected = distinctIcon().pixmap(32, 32).toImage();
        QCOMPARE(f.screen->picNagscreen2Icon->pixmap().toImage(), expected);
        QCOMPARE(f.screen->windowIcon().pixmap(32, 32).toImage(), expected);
        QCOMPARE(f.platform.topmostWindows, (QList<QPointer<QWidget>>{f.screen.data()}));
        // The title and the two links show their whole line; the links, the pointing hand.
        const QWidget* title = f.screen->lblNagScreen2Caption;
        for (const QWidget* shown : std::initializer_list<const QWidget*>{
                 title, f.screen->lblGoToHome, f.screen->Check1}) {
            const QString text = shown->property("text").toString();
            QVERIFY2(QFontMetrics(shown->font()).horizontalAdvance(text) <= shown->width(),
                     qPrintable(text));
            QCOMPARE(shown->cursor().shape(),
                     shown == title ? Qt::ArrowCursor : Qt::PointingHandCursor);
        }
        // Wrapped texts stay inside their boxes.
        for (const QLabel* label : {f.screen->Label2, f.screen->Label3})
            QVERIFY2(WrappedTextFits(*label), qPrintable(label->text().left(40)));
        // Check1, a link never left ticked, clicked twice and pressed twice by
        // Space; the softwares link clicked, then pressed as a screen reader does.
        const QString home = SitePage(QStringLiteral("home-page"));
        QStringList opened;
        for (const bool byKeyboard : {false, false, true, true}) {
            if (byKeyboard) {
                f.screen->Check1->setFocus();
                QTest::keyClick(f.screen->Check1, Qt::Key_Space);
            } else {
                QTest::mouseClick(f.screen->Check1, Qt::LeftButton);
            }
            QVERIFY(!f.screen->Check1->isChecked());
            opened << home;
            QCOMPARE(f.platform.openedAddresses, opened);
        }
        QTest::mouseClick(f.screen->lblGoToHome, Qt::LeftButton);
        QVERIFY(PressLink(f.screen->lblGoToHome));
        const QString page = SitePage(QStringLiteral("quillmoorsoftwares"));
        QCOMPARE(f.platform.openedAddresses, (opened + QStringList{page, page}));
    }

    void placeholdersComeAndGoWithFocus_data() {
        QTest::addColumn<int>("box"); // 0 name, 1 email, 2 friend's name, 3 friend's email
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("afterLeaving");
        const QStringList placeholders{
            QStringLiteral("Your Name"), QStringLiteral("Your Email Address"),
            QStringLiteral("Friend's Name"), QStringLiteral("Friend's Email Address")};
        for (int box = 0; box < 4; ++box) {
            QTest::addRow("%d only spaces", box) << box << "   " << placeholders[box];
            QTest::addRow("%d text kept", box)
                << box << QStringLiteral(" x@y.z ") << QStringLiteral(" x@y.z ");
        }
    }
    void placeholdersComeAndGoWithFocus() {
        QFETCH(int, box);
        QFETCH(QString, typed);
        QFETCH(QString, afterLeaving);
        Fixture f;
        QLineEdit* edit = f.box(box);
        const QString placeholder = edit->text();
        // It stays when the focus moves on before the program turns, as with a
        // click on a button straight after Tab.
        edit->setFocus(Qt::TabFocusReason);
        f.screen->cmdClose->setFocus(Qt::MouseFocusReason);
        QCoreApplication::processEvents();
        QCOMPARE(edit->text(), placeholder);
        // The placeholder with spaces around it still counts as the placeholder.
        edit->setText(QStringLiteral("  ") + placeholder + QStringLiteral(" "));
        // It goes once the focus has been announced.
        edit->setFocus(Qt::TabFocusReason);
        QTRY_COMPARE(edit->text(), QString());
        edit->setText(typed);
        // Switching to another window and back, or opening a menu over it, leaves the box alone.
        QWidget other;
        QVERIFY(ShowActive(&other) && f.showActive());
        QMenu menu;
        menu.popup(edit->mapToGlobal(QPoint()));
        QCOMPARE(edit->text(), typed);
        menu.close();
        f.screen->cmdClose->setFocus(Qt::TabFocusReason);
        QCOMPARE(edit->text(), afterLeaving);
        // Entering a box with the user's own text leaves it alone.
        edit->setText(placeholder + u'!');
        edit->setFocus(Qt::TabFocusReason);
        QCoreApplication::processEvents();
        QCOMPARE(edit->text(), placeholder + u'!');
    }

    void emailBoxesRefuseTypedSpaces_data() {
        QTest::addColumn<int>("box"); // as Fixture::box
        QTest::addColumn<QString>("afterTyping");
        QTest::addColumn<int>("refusals");
        QTest::newRow("own email") << 1 << QStringLiteral("ab@c.d") << 2;
        QTest::newRow("friend's email") << 3 << QStringLiteral("ab@c.d") << 2;
        QTest::newRow("name takes spaces") << 0 << QStringLiteral("a b@c. d") << 0;
    }
    void emailBoxesRefuseTypedSpaces() {
        QFETCH(int, box);
        QFETCH(QString, afterTyping);
        QFETCH(int, refusals);
        Fixture f;
        QLineEdit* edit = f.box(box);
        edit->setFocus(Qt::TabFocusReason);
        QTRY_COMPARE(edit->text(), QString());
        f.platform.onMessage = [&](const FakePlatform::Message&) {
            // The refused space never reaches the box.
            QVERIFY(!edit->text().contains(u' '));
            // Another control takes the focus meanwhile, as a message box would.
            f.screen->cmdClose->setFocus(Qt::OtherFocusReason);
        };
        QTest::keyClicks(edit, QStringLiteral("a b@c. d"));
        QCOMPARE(edit->text(), afterTyping);
        QCOMPARE(QApplication::focusWidget(), edit);
        QCOMPARE(f.platform.messages.size(), refusals);
        for (const FakePlatform::Message& message : f.platform.messages) {
            QCOMPARE(message.text, QStringLiteral("Email Address Cannot Contain Space"));
            QCOMPARE(message.icon, MessageIcon::Critical);
            QCOMPARE(message.owner.data(), f.screen.data());
        }
        // Pasted spaces pass, even straight after the placeholder goes.
        edit->clear();
        f.screen->cmdClose->setFocus(Qt::TabFocusReason);
        edit->setFocus(Qt::TabFocusReason);
        QApplication::clipboard()->setText(QStringLiteral("bob @example.org"));
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(edit->text(), QStringLiteral("bob @example.org"));
        QCOMPARE(f.platform.messages.size(), refusals);
    }

    // Return, Enter and Escape typed in a box press no button and leave the
    // screen open; Alt+X presses "E&xit".
    void keysPressOnlyTheirButtons() {
        Fixture f;
        for (int index = 0; index < 4; ++index)
            for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
                QTest::keyClick(f.box(index), key);
        QVERIFY(f.platform.messages.isEmpty() && !f.forms.processEnded());
        QVERIFY(f.screen->isVisible());
        QTest::keyClick(f.screen.data(), Qt::Key_X, Qt::AltModifier);
        QTRY_VERIFY(f.forms.processEnded());
    }

    void submitChecksInOrder_data() {
        QTest::addColumn<QStringList>("entries"); // name, email, friend, friend's email
        QTest::addColumn<QString>("message");     // empty: the referral goes out
        QTest::addColumn<QString>("focus");       // where the focus is afterwards
        const QString proper = QStringLiteral("Please Enter Proper Email Address");
        // The panel shows the message of each stage, e-mail checks first, and
        // hands the focus to a wrong address the user typed, selected whole.
        QTest::newRow("untouched panel") << QStringList() << proper << "cmdSubmit";
        QTest::newRow("own address without a dot")
            << QStringList{"Ann", "ann@example", "Bob", "b@c.d"} << proper << "txtEmail";
        QTest::newRow("own address without an at sign")
            << QStringList{"Ann", "ann.example.org", "Bob", "b@c.d"} << proper << "txtEmail";
        QTest::newRow("friend's address without a dot")
            << QStringList{"Ann", "a@b.c", "Bob", "bob@example"} << proper << "txtFriendEmail";
        QTest::newRow("one improper address twice")
            << QStringList{"Ann", "ann@example", "Bob", "ann@example"}
            << QStringLiteral("Please Enter Distinct Email Addresses") << "txtFriendEmail";
        QTest::newRow("name placeholder with spaces")
            << QStringList{"  Your Name  ", "a@b.c", "Bob", "b@c.d"}
            << QStringLiteral("Please Enter Your Name") << "cmdSubmit";
        QTest::newRow("addresses differing in case only")
            << QStringList{"Ann & Co", "A@b.c", "Bob", "a@b.c"} << QString() << "cmdSubmit";
    }
    void submitChecksInOrder() {
        QFETCH(QStringList, entries);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        Fixture f;
        ReferAFriendPanel* p = f.panel();
        for (int i = 0; i < entries.size(); ++i)
            f.box(i)->setText(entries.at(i));
        const QString nameBefore = p->txtName->text();
        QTest::mouseClick(p->cmdSubmit, Qt::LeftButton);

        QCOMPARE(p->txtName->text(), nameBefore);
        QCOMPARE(QApplication::focusWidget()->objectName(), focus);
        // What is typed next replaces the wrong address.
        if (auto* box = qobject_cast<QLineEdit*>(QApplication::focusWidget()))
            QCOMPARE(box->selectedText(), entries.at(focus == u"txtEmail" ? 1 : 3));
        if (!message.isEmpty()) {
            QCOMPARE(f.platform.messageTexts(), QStringList{message});
            QCOMPARE(f.platform.messages.first().icon, MessageIcon::Critical);
            QCOMPARE(f.platform.messages.first().owner.data(), f.screen.data());
            QVERIFY(f.platform.openedAddresses.isEmpty());
            return;
        }
        QVERIFY(f.platform.messages.isEmpty());
        QCOMPARE(f.platform.openedAddresses.size(), 1);
        QCOMPARE(p->lastAddress(), f.platform.openedAddresses.first());
        QCOMPARE(f.platform.openedAddresses.first(),
                 modHelp::PageScriptAddress() +
                     QStringLiteral("?page=qmms-refer-a-friend&taf1=Ann%20%26%20Co&taf2=A%40b.c"
                                    "&taf3=Your%20Message%0D%0A&taf4=Bob&taf5=a%40b.c&taf6=") +
                     ProductAddress);
        // Pressing again sends again.
        QTest::mouseClick(p->cmdSubmit, Qt::LeftButton);
        QCOMPARE(f.platform.openedAddresses.size(), 2);
    }
};

AURIVANE_TEST_MAIN_WITH_FONT_DPI(TestFrmNagScreen2)
#include "tst_frmnagscreen2.moc"
