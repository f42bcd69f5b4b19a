// What a screen reader, a keyboard-only user and a high-density screen get
// from the main window, the about box and the support screen. The whole
// suite runs at a scale factor of 2, so that the pictures must come from the
// double-size artwork while every layout size stays as it is at scale 1.

#include "engine/ChakraCatalogue.h"
#include "formkit/ClickableLabel.h"
#include "mainwindow/ChakraPictures.h"
#include "mainwindow/frmAbout.h"
#include "mainwindow/frmMain.h"
#include "outreach/ReferAFriendPanel.h"
#include "outreach/frmNagScreen2.h"
#include "platform/Forms.h"
#include "resources.h"
#include "shell/WebPageLauncher.h"
#include "support/Fixtures.h"
#include "support/SupportScreenFixture.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QTest>

using namespace aurivane;

namespace {

QAccessibleInterface* Accessible(QObject* object) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(object);
    if (accessible == nullptr)
        qFatal("no accessible interface for %s", qPrintable(object->objectName()));
    return accessible;
}

// The address of a page of the maker's site, by its key as written.
QString Page(const char* key) {
    return modHelp::PageScriptAddress() + QStringLiteral("?page=") + QString::fromLatin1(key);
}

QString NameOf(QObject* object) {
    return Accessible(object)->text(QAccessible::Name);
}

// Pixels compared in one format, whatever the files were decoded to.
QImage Normalised(const QPixmap& pixmap) {
    return pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
}

QImage DoubleSizeArtwork(const QString& path) {
    const qsizetype dot = path.lastIndexOf(u'.');
    return Normalised(QPixmap(path.left(dot) + QStringLiteral("@2x") + path.mid(dot)));
}

// The support screen showing its third text, with the program's icon.
struct SupportScreen : SupportScreenFixture {
    SupportScreen() : SupportScreenFixture({0.5F}, ChakraPictures::WindowIcon()) {}
};

struct MainWindow {
    FakePlatform platform;
    Forms forms{platform};
    QPointer<frmMain> window = new frmMain(platform, forms, nullptr);
    ~MainWindow() { delete window.data(); }
};

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT
private slots:
    void linkLabelsAreAnnouncedAsLinksThatCanBePressed() {
        MainWindow main;
        FakePlatform aboutPlatform;
        Forms aboutForms{aboutPlatform};
        frmAbout about(aboutPlatform, aboutForms);
        SupportScreen support;

        // What each link is called, how it is described and which key
        // presses it are in the table of every form's texts.
        struct Link {
            QWidget* label;
            FakePlatform* platform;
            const char* page;
        };
        const QList<Link> links{
            {main.window->Label14, &main.platform, "home-page"},
            {main.window->lblFullBrand, &main.platform, "fully-branded"},
            {about.lblHomePage, &aboutPlatform, "home-page"},
            {about.lblCoBrand, &aboutPlatform, "fully-branded"},
            {support.screen->lblGoToHome, &support.platform, "quillmoorsoftwares"},
        };
        for (const Link& link : links) {
            const QByteArray where = link.label->objectName().toUtf8();
            QAccessibleInterface* accessible = Accessible(link.label);
            QVERIFY2(accessible->role() == QAccessible::Link, where.constData());
            QVERIFY(accessible->state().focusable);

            QAccessibleActionInterface* actions = accessible->actionInterface();
            QVERIFY(actions);
            QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
            const qsizetype before = link.platform->openedAddresses.size();
            actions->doAction(QAccessibleActionInterface::pressAction());
            QCOMPARE(link.platform->openedAddresses.size(), before + 1);
            QCOMPARE(link.platform->openedAddresses.constLast(), Page(link.page));
        }

        // Only the promotion in front is a link anyone can reach.
        QVERIFY(!Accessible(main.window->lblCobrand)->state().focusable);
    }

    void readingByKeyboardAloneIsAnnouncedCaptionThenValue() {
        MainWindow main;
        QVERIFY(ShowActive(main.window.data()));
        frmMain& w = *main.window;
        QCOMPARE(Accessible(w.fraStep[0])->role(), QAccessible::Grouping);
        // The lists are labelled by their caption, as Qt reports it on Linux.
        const auto labels = Accessible(w.cboMonth)->relations(QAccessible::Label);
        QStringList labelNames;
        for (const auto& [label, relation] : labels)
            labelNames << label->text(QAccessible::Name);
        QVERIFY2(labelNames.contains(QStringLiteral("Date of Birth")),
                 qPrintable(labelNames.join(u'|')));
        // Qt on Linux reads a list's value where its name would be; the
        // description says which part of the date each list holds (the
        // table of every form's texts has them).

        // 1 August 1980, typed and picked with the keyboard only.
        QTRY_COMPARE(QApplication::focusWidget(), w.txtName);
        QTest::keyClicks(w.txtName, QStringLiteral("Ann"));
        QTest::keyClick(w.txtName, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), w.cboMonth);
        for (int i = 0; i < 7; ++i)
            QTest::keyClick(w.cboMonth, Qt::Key_Down);
        QTest::keyClick(w.cboMonth, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), w.cboDate);
        QTest::keyClick(w.cboDate, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), w.cboYear);
        for (int i = 0; i < 80; ++i)
            QTest::keyClick(w.cboYear, Qt::Key_Down);
        QCOMPARE(w.cboMonth->currentText(), QStringLiteral("August"));
        QCOMPARE(w.cboYear->currentText(), QStringLiteral("1980"));
        QTest::keyClick(w.cboYear, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), w.cmdNext);
        QTest::keyClick(w.cmdNext, Qt::Key_Space);

        QCOMPARE(w.Reading().SunSign, QStringLiteral("Leo"));
        QTRY_VERIFY(w.fraStep[1]->isVisible());
        QCOMPARE(w.centralWidget()->childAt(w.fraStep[1]->geometry().center())->window(), &w);
        QCOMPARE(NameOf(w.lblResult[0]), QStringLiteral("Sun Sign, Leo"));
        QCOMPARE(NameOf(w.lblResult[1]), QStringLiteral("Ruling Planet, The Sun"));
        QCOMPARE(Accessible(w.lblResult[7])->role(), QAccessible::StaticText);
        QCOMPARE(NameOf(w.lblResult[7]), QStringLiteral("Color, Violet"));
        QCOMPARE(NameOf(w.picChakra), QStringLiteral("Crown Chakra picture"));
    }

    void menusOpenAndRunFromTheKeyboard() {
        MainWindow main;
        QVERIFY(ShowActive(main.window.data()));
        QTest::keyClick(main.window.data(), Qt::Key_H, Qt::AltModifier);
        QTRY_VERIFY(main.window->mnuHelp->isVisible());
        QTest::keyClick(main.window->mnuHelp, Qt::Key_V);
        QTRY_VERIFY(!main.window->mnuHelp->isVisible());
        QCOMPARE(main.platform.openedAddresses, QStringList{Page("home-page")});
    }

    void aboutBoxLinkIsReachedWithTabAndOpenedWithSpace() {
        FakePlatform platform;
        Forms forms{platform};
        frmAbout about(platform, forms);
        QVERIFY(ShowActive(&about));
        QTRY_COMPARE(QApplication::focusWidget(), about.cmdOK);
        QTest::keyClick(about.cmdOK, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), about.lblHomePage);
        QTest::keyClick(about.lblHomePage, Qt::Key_Space);
        QCOMPARE(platform.openedAddresses, QStringList{Page("home-page")});
        QVERIFY(about.isVisible());
    }

    void supportScreenReadsItsTextsAndNamesItsBoxes() {
        SupportScreen s;
        QVERIFY(ShowActive(s.screen.data()));
        QCOMPARE(Accessible(s.screen->Check1)->role(), QAccessible::CheckBox);

        // The boxes show what they ask for only while empty; the name stays.
        ReferAFriendPanel* p = s.screen->Frame2;
        const QList<std::pair<QWidget*, QString>> boxes{
            {p->txtName, QStringLiteral("Your Name")},
            {p->txtEmail, QStringLiteral("Your Email Address")},
            {p->txtFriendName, QStringLiteral("Friend's Name")},
            {p->txtFriendEmail, QStringLiteral("Friend's Email Address")},
            {p->txtMessage, QStringLiteral("Your Message")},
        };
        for (const auto& [box, name] : boxes) {
            QCOMPARE(Accessible(box)->role(), QAccessible::EditableText);
            QCOMPARE(NameOf(box), name);
        }
        p->txtName->setFocus();
        QTest::keyClicks(p->txtName, QStringLiteral("Bo"));
        QCOMPARE(p->txtName->text(), QStringLiteral("Bo"));
        QCOMPARE(NameOf(p->txtName), QStringLiteral("Your Name"));

        // After the panel, Tab reaches the link to the other programs, and
        // Return opens their page.
        p->txtMessage->setFocus();
        QTest::keyClick(p->txtMessage, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), s.screen->lblGoToHome);
        QTest::keyClick(s.screen->lblGoToHome, Qt::Key_Return);
        QCOMPARE(s.platform.openedAddresses, QStringList{Page("quillmoorsoftwares")});
    }

    void picturesComeFromTheDoubleSizeArtworkAtScaleTwo() {
        QCOMPARE(qApp->devicePixelRatio(), 2.0);
        MainWindow main;
        frmMain& w = *main.window;
        for (std::size_t k = 0; k < w.picDisp.size(); ++k) {
            const QPixmap shown = w.picDisp.at(k)->pixmap();
            const QSize layoutSize = ChakraPictures::Picture(static_cast<int>(k)).size();
            QCOMPARE(shown.devicePixelRatio(), 2.0);
            QCOMPARE(shown.deviceIndependentSize().toSize(), layoutSize);
            QCOMPARE(w.picDisp.at(k)->size(), layoutSize);
            QCOMPARE(shown.size(), layoutSize * 2);
        }

        w.txtName->setText(QStringLiteral("Ann"));
        w.cmdNext->click();
        const QSize chakraSize = ChakraPictures::Picture(w.Reading().ChakraIndex).size();
        QCOMPARE(w.picChakra->pixmap().devicePixelRatio(), 2.0);
        QCOMPARE(w.picChakra->size(), chakraSize);

        FakePlatform platform;
        Forms forms{platform};
        frmAbout about(platform, forms);
        QCOMPARE(about.picIcon->size(), QSize(32, 32));
        QCOMPARE(about.picIcon->pixmap().devicePixelRatio(), 2.0);

        // The frame icon of every form holds the 64-pixel artwork, not the
        // 32-pixel one blown up.
        const QImage sharpIcon = DoubleSizeArtwork(Resources::ApplicationIconPath());
        QCOMPARE(sharpIcon.size(), QSize(64, 64));
        for (QWidget* form : std::initializer_list<QWidget*>{&w, &about}) {
            const QPixmap drawn = form->windowIcon().pixmap(QSize(32, 32), 2.0);
            QCOMPARE(drawn.size(), QSize(64, 64));
            QCOMPARE(Normalised(drawn), sharpIcon);
        }
        const QPixmap plainIcon = w.windowIcon().pixmap(QSize(32, 32), 1.0);
        QCOMPARE(Normalised(plainIcon), Normalised(QPixmap(Resources::ApplicationIconPath())));
    }
};

int main(int argc, char* argv[]) {
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    TestAccessibility test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_accessibility.moc"
