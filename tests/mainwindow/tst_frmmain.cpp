#include "engine/ChakraTexts.h"
#include "formkit/ClickableLabel.h"
#include "mainwindow/MainWindowHost.h"
#include "mainwindow/frmAbout.h"
#include "mainwindow/frmMain.h"
#include "platform/Forms.h"
#include "support/FakePlatform.h"
#include "support/Fixtures.h"
#include "support/TwipsLayout.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDebug>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <stdexcept>

using namespace aurivane;

namespace {

class RecordingHost final : public MainWindowHost {
public:
    QStringList calls;
    bool supportScreenFails = false;
    void ShowSupportScreen() override {
        calls << QStringLiteral("ShowSupportScreen");
        if (supportScreenFails)
            throw std::runtime_error("support screen failed");
    }
    void HideStartupForm() override { calls << QStringLiteral("HideStartupForm"); }
};

// One main window, shown and active, with its fake platform around it.
struct Fixture {
    FakePlatform platform;
    Forms forms{platform};
    RecordingHost host;
    QPointer<frmMain> window;

    Fixture() {
        window = new frmMain(platform, forms, &host);
        if (!ShowActive(window.data()))
            qFatal("the main window did not become active");
    }
    ~Fixture() { delete window.data(); }

    // Types the name, picks the date and presses the reading button.
    void read(const QString& name, int month, int day, int year) const {
        window->txtName->setText(name);
        window->cboMonth->setCurrentIndex(month - 1);
        window->cboDate->setCurrentIndex(day - 1);
        window->cboYear->setCurrentIndex(year - 1900);
        window->cmdNext->click();
    }

    // The page the user sees: the one found at the middle of the panel.
    int frontPage() const {
        QWidget* client = window->centralWidget();
        const QPoint middle = window->fraStep[0]->geometry().center();
        QWidget* seen = client->childAt(middle);
        for (int page = 0; page < 2; ++page) {
            QWidget* frame = window->fraStep.at(static_cast<std::size_t>(page));
            if (seen == frame || frame->isAncestorOf(seen))
                return page;
        }
        return -1;
    }

    QStringList resultTexts() const {
        QStringList texts;
        for (QLabel* value : window->lblResult)
            texts << value->text();
        return texts;
    }

    // A reading for 21 July 1980, then the focus moved to Back.
    void readLeo() const {
        read(QStringLiteral("Ann"), 7, 21, 1980);
        window->cmdBack->setFocus();
    }

    // What the user sees: whether the window shows, the page in front, the
    // focus, the name and date picked, the reading and the messages shown.
    QStringList seen() const {
        QWidget* focus = QApplication::focusWidget();
        return QStringList{window->isVisible() ? "shown" : "hidden",
                           QString::number(frontPage()),
                           focus != nullptr ? focus->objectName() : QString(),
                           window->txtName->text(),
                           window->cboMonth->currentText(),
                           window->cboDate->currentText(),
                           window->cboYear->currentText()} +
               resultTexts() + platform.messageTexts();
    }
};

QImage Normalised(const QPixmap& pixmap) {
    return pixmap.toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

class TestFrmMain : public QObject {
    Q_OBJECT
private slots:
    // A name and a date that exists give the reading at once.
    void acceptedEntriesShowTheReading_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("day");
        QTest::newRow("one blank is a name") << " " << 28;
        QTest::newRow("29 Feb 2000") << "A" << 29;
    }
    void acceptedEntriesShowTheReading() {
        QFETCH(QString, name);
        QFETCH(int, day);
        Fixture f;
        f.read(name, 2, day, 2000);
        QVERIFY(f.platform.messages.isEmpty());
        QCOMPARE(f.frontPage(), 1);
        QCOMPARE(f.window->lblResult[0]->text(), QStringLiteral("Pisces"));
    }

    // A missing name or a date that does not exist is refused with its
    // message, over the window; the picked date stays, and only the name
    // message moves the focus, to the name.
    void refusedEntriesShowTheirMessage_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("year");
        QTest::addColumn<QString>("message");
        QTest::addColumn<MessageIcon>("icon");
        QTest::addColumn<QString>("focus");

        const QString name = QStringLiteral("Please enter your name");
        const auto critical = MessageIcon::Critical;
        const auto info = MessageIcon::Information;
        QTest::newRow("empty name, impossible date")
            << "" << 2 << 31 << 1901 << name << critical << "txtName";
        QTest::newRow("empty name, good date")
            << "" << 5 << 3 << 1980 << name << critical << "txtName";
        // The date check itself is tested row by row in tst_birthdate; here
        // the window hands it the picked month, day and year and shows its
        // message.
        QTest::newRow("30 Feb 2000")
            << "A" << 2 << 30 << 2000 << "Please Enter Correct Date Or Month!" << info << "cboYear";
        QTest::newRow("31 Apr") << "A" << 4 << 31 << 1975 << "Please Enter Correct Date Or Month !"
                                << info << "cboYear";
    }
    void refusedEntriesShowTheirMessage() {
        QFETCH(QString, name);
        QFETCH(int, month);
        QFETCH(int, day);
        QFETCH(int, year);
        QFETCH(QString, message);
        QFETCH(MessageIcon, icon);
        QFETCH(QString, focus);

        Fixture f;
        f.window->cboYear->setFocus();
        f.read(name, month, day, year);

        QCOMPARE(f.platform.messageTexts(), QStringList{message});
        const FakePlatform::Message& shown = f.platform.messages.constFirst();
        QCOMPARE(shown.icon, icon);
        QCOMPARE(shown.buttons, MessageButtons::Ok);
        QCOMPARE(shown.caption, QStringLiteral("Aurivane"));
        QCOMPARE(shown.owner.data(), f.window.data());
        QCOMPARE(f.frontPage(), 0);
        QCOMPARE(QApplication::focusWidget()->objectName(), focus);
        QCOMPARE(f.window->cboMonth->currentIndex(), month - 1);
        QCOMPARE(f.window->cboDate->currentIndex(), day - 1);
        QCOMPARE(f.window->cboYear->currentIndex(), year - 1900);
    }

    // Back clears page 1 and leaves the reading; so do refused attempts after it.
    void backAndRefusalsKeepTheReading() {
        Fixture f;
        f.read(QStringLiteral("Ann"), 7, 21, 1980);
        const QStringList shown = f.resultTexts();
        QCOMPARE(shown.first(), QStringLiteral("Leo"));
        f.window->cboDate->setFocus();

        f.window->cmdBack->click();
        QCOMPARE(f.frontPage(), 0);
        QVERIFY(f.window->txtName->text().isEmpty());
        QCOMPARE(f.window->cboMonth->currentText(), QStringLiteral("January"));
        QCOMPARE(f.window->cboDate->currentText(), QStringLiteral("1"));
        QCOMPARE(f.window->cboYear->currentText(), QStringLiteral("1900"));
        QCOMPARE(QApplication::focusWidget(), f.window->txtName);

        f.read(QString(), 12, 1, 1990);
        f.read(QStringLiteral("Ann"), 2, 30, 1990);
        QCOMPARE(f.platform.messages.size(), 2);
        QCOMPARE(f.resultTexts(), shown);
        QCOMPARE(f.frontPage(), 0);
    }

    void readings_data() {
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("day");
        QTest::addColumn<QString>("sign");
        QTest::addColumn<int>("chakra");
        QTest::addColumn<QString>("planet");
        QTest::addColumn<QSize>("pictureSize");

        const QSize square(40, 40);
        QTest::newRow("21 Jul") << 7 << 21 << "Leo" << 0 << "The Sun" << QSize(40, 30);
        QTest::newRow("20 Jul") << 7 << 20 << "Cancer" << 1 << "The Moon" << QSize(40, 35);
        QTest::newRow("21 May") << 5 << 21 << "Gemini" << 2 << "Mercury" << square;
        QTest::newRow("20 Apr") << 4 << 20 << "Aries" << 4 << "Mars" << square;
        QTest::newRow("21 Apr") << 4 << 21 << "Taurus" << 3 << "Venus" << square;
        QTest::newRow("1 Dec") << 12 << 1 << "Sagittarius" << 5 << "Jupiter" << square;
        QTest::newRow("19 Jan") << 1 << 19 << "Capricorn" << 6 << "Saturn" << square;
    }
    void readings() {
        QFETCH(int, month);
        QFETCH(int, day);
        QFETCH(QString, sign);
        QFETCH(QString, planet);
        QFETCH(int, chakra);
        QFETCH(QSize, pictureSize);

        Fixture f;
        f.read(QStringLiteral("Ann"), month, day, 1984);
        QCOMPARE(f.frontPage(), 1);

        // The rows as the page lists them: sign, planet, name line, then the
        // chakra's texts by their columns in the expected table.
        const auto text = [chakra](int column) {
            return QString::fromUtf8(ExpectedChakraTexts[chakra][column]);
        };
        QStringList expected{sign, planet, text(0) + QStringLiteral(" - ") + text(1)};
        for (int column = 2; column < 10; ++column)
            expected << text(column);
        QCOMPARE(f.resultTexts(), expected);
        QCOMPARE(f.window->lblResult[0]->accessibleName(), QStringLiteral("Sun Sign: ") + sign);
        QCOMPARE(f.window->lblResult[7]->accessibleName(), QStringLiteral("Color: ") + text(6));
        QCOMPARE(f.window->picChakra->accessibleName(), text(0) + QStringLiteral(" picture"));

        QCOMPARE(f.window->picChakra->size(), pictureSize);
        if (f.window->devicePixelRatioF() == 1.0) // enlarged, it shows the sharper picture
            QCOMPARE(Normalised(f.window->picChakra->pixmap()),
                     Normalised(QPixmap(QStringLiteral(":/pictures/") + text(10))));

        // The texts fit their boxes: wrapped ones within width and height,
        // one-line ones within the page.
        QGroupBox* page = f.window->fraStep[1];
        for (std::size_t i = 0; i < f.window->lblResult.size(); ++i) {
            QLabel* value = f.window->lblResult.at(i);
            const QFontMetrics metrics(value->font());
            if (value->wordWrap()) {
                QVERIFY2(WrappedTextFits(*value),
                         qPrintable(value->objectName() + u' ' + value->text()));
            } else {
                QVERIFY2(value->width() >= metrics.horizontalAdvance(value->text()),
                         qPrintable(value->text()));
                QCOMPARE(value->height(), value->sizeHint().height());
            }
            QVERIFY2(value->geometry().right() < page->width() - 2, qPrintable(value->text()));
            // Captions end before their values begin.
            QLabel* caption = f.window->lblLabel.at(i + 2);
            QVERIFY2(caption->geometry().right() < value->x(), qPrintable(caption->text()));
        }
    }

    // The banner, the promotions and page 1's heading fit their boxes, and
    // their boxes fit inside what holds them.
    void fixedTextsFit() {
        Fixture f;
        for (const char* control : {"Label14", "lblFullBrand", "lblCobrand", "lblLabel(13)"}) {
            auto* label = f.window->findChild<QLabel*>(QString::fromLatin1(control));
            QVERIFY2(label, control);
            QVERIFY2(WrappedTextFits(*label), control);
            QVERIFY2(label->geometry().right() < label->parentWidget()->width(), control);
            QVERIFY2(label->geometry().bottom() < label->parentWidget()->height(), control);
        }
    }

    // Crown, then Root, then Crown again: the second Crown reading looks
    // exactly like the first.
    void aReadingLeavesNoTraceInTheNextOne() {
        Fixture f;
        const auto read = [&f](int month, int day) {
            f.window->cmdBack->click();
            f.read(QStringLiteral("Ann"), month, day, 1984);
            QStringList seen = f.resultTexts();
            for (QLabel* value : f.window->lblResult)
                seen << value->font().toString();
            return seen;
        };
        const QStringList crown = read(7, 21);
        // Narrower boxes stand in for a wider face, in which Root's long
        // texts have to shrink to fit.
        for (QLabel* value : f.window->lblResult)
            value->setContentsMargins(0, 0, value->width() / 3, 0);
        const QStringList root = read(1, 1);
        for (QLabel* value : f.window->lblResult)
            value->setContentsMargins(0, 0, 0, 0);
        for (qsizetype i = 0; i < 11; ++i)
            QVERIFY2(root.at(i) != crown.at(i), qPrintable(root.at(i)));
        QVERIFY(root.mid(11) != crown.mid(11));
        QCOMPARE(f.window->picChakra->size(), QSize(40, 40));
        QCOMPARE(read(7, 21), crown);
        QCOMPARE(f.window->picChakra->size(), QSize(40, 30));
        // The name line is as wide as its text, however wide it was before.
        const int advance = f.window->lblResult[2]->fontMetrics().horizontalAdvance(crown.at(2));
        QVERIFY(f.window->lblResult[2]->width() >= advance);
        QVERIFY(f.window->lblResult[2]->width() <= advance + 2);
    }

    // --- menus and links -------------------------------------------------

    // The promotions as the start leaves them: brought to the front in
    // order, the one then in front and the one behind it.
    static void AddPromotionRows() {
        QTest::addColumn<QStringList>("raised");
        QTest::addColumn<QString>("front");
        QTest::addColumn<QString>("behind");
        QTest::newRow("as laid out") << QStringList() << "lblFullBrand"
                                     << "lblCobrand";
        QTest::newRow("lblCobrand brought forward") << QStringList{"lblCobrand"} << "lblCobrand"
                                                    << "lblFullBrand";
        QTest::newRow("lblFullBrand brought back")
            << QStringList{"lblCobrand", "lblFullBrand"} << "lblFullBrand"
            << "lblCobrand";
    }

    // A link opens its page, clicked or pressed by a screen reader, and
    // changes nothing else; of the two promotions laid over each other, the
    // one in front opens its own.
    void linksOpenTheirPage_data() {
        AddPromotionRows();
        QTest::newRow("Label14") << QStringList() << "Label14" << QString();
    }
    void linksOpenTheirPage() {
        QFETCH(QStringList, raised);
        QFETCH(QString, front);
        const QHash<QString, QString> pages{{"Label14", "home-page"},
                                            {"lblFullBrand", "fully-branded"},
                                            {"lblCobrand", "co-brand"}};
        Fixture f;
        for (const QString& name : raised)
            f.window->BringPromotionToFront(f.window->findChild<QLabel*>(name));
        f.readLeo();
        const QStringList before = f.seen();
        auto* label = f.window->findChild<QLabel*>(front);
        QTest::mouseClick(label, Qt::LeftButton);
        QVERIFY(PressLink(label));
        QCOMPARE(f.platform.openedAddresses, QStringList(2, SitePage(pages.value(front))));
        QCOMPARE(f.seen(), before);
    }

    // The promotion covered by the other takes no click: neither Tab nor a
    // screen reader reaches it, nor does a press by name (Windows' Invoke)
    // open its page.
    void coveredPromotionOpensNothing_data() { AddPromotionRows(); }
    void coveredPromotionOpensNothing() {
        QFETCH(QStringList, raised);
        QFETCH(QString, front);
        QFETCH(QString, behind);
        Fixture f;
        for (const QString& name : raised)
            f.window->BringPromotionToFront(f.window->findChild<QLabel*>(name));
        f.readLeo();
        const QStringList before = f.seen();
        const QPoint middle = f.window->lblFullBrand->geometry().center();
        QCOMPARE(f.window->fraFullBrand->childAt(middle)->objectName(), front);
        auto* covered = f.window->findChild<QLabel*>(behind);
        QVERIFY(!PressLink(covered));
        QAccessible::queryAccessibleInterface(covered)->actionInterface()->doAction(
            QAccessibleActionInterface::pressAction());
        QVERIFY(f.platform.openedAddresses.isEmpty());
        QCOMPARE(f.seen(), before);
    }

    // A menu entry opens its page each time and changes nothing else.
    void menuEntriesOpenTheirPage() {
        Fixture f;
        f.readLeo();
        const QStringList before = f.seen();
        for (const auto& [entry, page] : {std::pair{"mnuOnline", "help-web-page"},
                                          {"mnuVisit", "home-page"},
                                          {"mnuUpdate", "download-web-page"},
                                          {"mnuDonate", "donate"}}) {
            f.platform.openedAddresses.clear();
            auto* action = f.window->findChild<QAction*>(QString::fromLatin1(entry));
            action->trigger();
            action->trigger();
            QCOMPARE(f.platform.openedAddresses,
                     QStringList(2, SitePage(QString::fromLatin1(page))));
        }
        QCOMPARE(f.seen(), before);
    }

    // Return, Enter and Escape press no button; an access key clicks its
    // button after a short press. The first reading after start, with the
    // lists untouched, is for 1 January 1900.
    void keysPressOnlyTheirButtons() {
        Fixture f;
        // An empty name: the reading button would complain at once.
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
            QTest::keyClick(f.window->txtName, key);
            QTest::keyClick(f.window->cboYear, key);
            QVERIFY(f.platform.messages.isEmpty());
            QVERIFY(f.window->isVisible());
            QCOMPARE(f.frontPage(), 0);
        }
        f.window->txtName->setText(QStringLiteral("Ann"));
        QTest::keyClick(f.window.data(), Qt::Key_G, Qt::AltModifier);
        QTRY_COMPARE(f.frontPage(), 1);
        QVERIFY(f.platform.messages.isEmpty());
        QCOMPARE(f.resultTexts().first(2), (QStringList{"Capricorn", "Saturn"}));
        QTest::keyClick(f.window.data(), Qt::Key_B, Qt::AltModifier);
        QTRY_COMPARE(f.frontPage(), 0);
    }

    void aboutBoxIsModalAndFreshEachTime() {
        Fixture f;
        f.read(QStringLiteral("Ann"), 7, 21, 1980);
        const QStringList shown = f.resultTexts();

        struct Seen {
            QPointer<frmAbout> about;
            bool modal = false;
            QString description;
        };
        const auto openAndClose = [&f](Seen& seen) {
            // Bounded: whatever is modal then goes away with Esc.
            QTimer::singleShot(0, f.window, [&f, &seen] {
                seen.about = qobject_cast<frmAbout*>(QApplication::activeModalWidget());
                if (seen.about.isNull())
                    return;
                seen.modal = seen.about->isModal();
                seen.description = seen.about->Label1->text();
                // Spoil this instance; the next opening must not see it.
                seen.about->Label1->setText(QStringLiteral("changed"));
                QTest::keyClick(seen.about, Qt::Key_Escape);
            });
            QTimer::singleShot(5000, f.window, [] {
                if (QWidget* modal = QApplication::activeModalWidget())
                    modal->close();
            });
            f.window->mnuAbout->trigger();
        };

        Seen seen[2];
        for (Seen& opening : seen) {
            openAndClose(opening);
            QVERIFY(opening.modal);
            QVERIFY(opening.about.isNull());
        }
        QCOMPARE(seen[1].description, seen[0].description);

        QCOMPARE(f.forms.loadedForms(), QList<QWidget*>{f.window.data()});
        QCOMPARE(f.frontPage(), 1);
        QCOMPARE(f.resultTexts(), shown);
        QVERIFY(f.platform.openedAddresses.isEmpty());
    }

    // --- closing -------------------------------------------------------------

    void closingHandsOverToTheHost_data() {
        QTest::addColumn<bool>("byMenu");
        QTest::addColumn<bool>("hostFails");
        QTest::newRow("E&xit") << true << false;
        QTest::newRow("window frame") << false << false;
        QTest::newRow("support screen fails") << true << true;
    }
    void closingHandsOverToTheHost() {
        QFETCH(bool, byMenu);
        QFETCH(bool, hostFails);
        Fixture f;
        f.host.supportScreenFails = hostFails;
        if (byMenu)
            f.window->mnuExit->trigger();
        else
            f.window->close();
        QCOMPARE(f.host.calls, (QStringList{"ShowSupportScreen", "HideStartupForm"}));
        QVERIFY(!f.forms.isLoaded(f.window));
        QVERIFY(!f.window->isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(f.window.isNull());
        QVERIFY(!f.forms.processEnded());
    }

    // --- layout --------------------------------------------------------------

    void asDrawn_data() {
        AddDrawnColumns();
        AddPlace("Label14", 2475, 0, 4950, 435);
        AddPlace("fraFullBrand", 50, 6000, 9800, 650);
        AddPlace("lblFullBrand", 120, 165, 9585, 400);
        AddPlace("lblCobrand", 120, 165, 9585, 400);
        AddPlace("fraStep(0)", 50, 480, 9800, 5500);
        AddPlace("lblLabel(13)", 720, 840, 8535, 735);
        AddPlace("lblLabel(0)", 2516, 2235);
        AddPlace("txtName", 4129, 2160, 3255, 350);
        AddPlace("lblLabel(1)", 2516, 2820);
        AddPlace("cboMonth", 4129, 2760, 1335, 315);
        AddPlace("cboDate", 5569, 2760, 615, 315);
        AddPlace("cboYear", 6289, 2760, 1095, 315);
        AddPlace("cmdNext", 2970, 3600, 3960, 400);
        // The seven pictures stand on one line along the page's foot.
        const int pictureLeft[] = {1170, 2250, 3330, 4410, 5490, 6690, 8130};
        const int pictureHeight[] = {450, 525, 600, 600, 600, 600, 600};
        for (int k = 0; k < 7; ++k)
            AddPlace(QStringLiteral("picDisp(%1)").arg(k), pictureLeft[k], 5250 - pictureHeight[k],
                     600, pictureHeight[k]);
        AddPlace("fraStep(1)", 50, 480, 9800, 5500);
        AddPlace("picChakra", 240, 400);
        AddPlace("cmdBack", 8480, 500, 1000, 400);
        AddPlace("Shape1", 120, 1200, 9555, 4215);
        AddPlace("lblLabel(2)", 1800, 495);
        AddPlace("lblResult(0)", 3360, 495);
        AddPlace("lblLabel(3)", 1800, 810);
        AddPlace("lblResult(1)", 3360, 805);
        // Below them each caption at 240 and its value at 1800, both as
        // {caption, value, top, value height}; a value of height 0 is sized
        // to its text.
        const int rows[][4] = {{4, 2, 1320, 0},    {5, 3, 1588, 435},   {10, 8, 2081, 615},
                               {11, 9, 2754, 555}, {12, 10, 3367, 435}, {6, 4, 3860, 435},
                               {7, 5, 4353, 0},    {8, 6, 4606, 435},   {9, 7, 5100, 0}};
        for (const auto& [caption, value, top, height] : rows) {
            AddPlace(QStringLiteral("lblLabel(%1)").arg(caption), 240, top);
            AddPlace(QStringLiteral("lblResult(%1)").arg(value), 1800, top, height > 0 ? 7680 : 0,
                     height);
        }
        const QColor gold(255, 180, 4), lightBlue(108, 177, 253), green(73, 240, 60);
        AddLook("client", "Verdana 8.25", gold, QColor(64, 0, 0));
        AddLook("fraStep(0)", "Verdana 9 bold", lightBlue, QColor(64, 0, 0));
        AddLook("lblLabel(13)", "Verdana 9.75 bold", gold);
        AddLook("lblLabel(0)", "Verdana 8.25 bold", lightBlue);
        AddLook("txtName", "", green, QColor(128, 64, 64));
        AddLook("cmdNext", "Verdana 8.25 bold", {}, lightBlue);
        AddLook("lblResult(0)", "Verdana 8.25", green);
        AddLook("lblResult(2)", "Verdana 9 bold", QColor(0, 255, 255));
        AddLook("lblFullBrand", "Verdana 8.25 bold underline", QColor(206, 157, 219));
        AddLook("Label14", "Verdana 8.25 bold underline", QColor(206, 157, 219));
    }
    void asDrawn() {
        Fixture f;
        f.window->cmdNext->click(); // fills the reading page
        CompareWithDrawnRow(*f.window);
    }

    // The window opens at its fixed size on page 1, with the seven
    // pictures along the page's foot.
    void windowOpensAtItsFixedSizeOnPage1() {
        Fixture f;
        QCOMPARE(f.window->centralWidget()->size(), QSize(660, 445));
        QCOMPARE(f.window->minimumSize(), f.window->maximumSize());
        QCOMPARE(f.frontPage(), 0);
        for (std::size_t k = 0; k < 7; ++k)
            QCOMPARE(
                Normalised(f.window->picDisp.at(k)->pixmap()),
                Normalised(QPixmap(QStringLiteral(":/pictures/") + ExpectedChakraTexts[k][10])));
    }

    // The banner and the two promotions are centred and wrapped; the
    // promotions hide what lies behind them, the banner does not.
    void bannerAndPromotionsCentredAndWrapped() {
        Fixture f;
        for (const QLabel* label : std::initializer_list<const QLabel*>{
                 f.window->Label14, f.window->lblFullBrand, f.window->lblCobrand})
            QVERIFY2(label->wordWrap() && (label->alignment() & Qt::AlignHCenter),
                     qPrintable(label->objectName()));
        QVERIFY(!f.window->Label14->autoFillBackground());
        QVERIFY(f.window->lblFullBrand->autoFillBackground());
        QVERIFY(f.window->lblCobrand->autoFillBackground());
    }

    // The menus hold plain entries, with no key combinations; Make Money
    // shows greyed and opens nothing. (The entries' texts and order are in
    // the table of every form's texts.)
    void menusHoldPlainEntries() {
        Fixture f;
        QVERIFY(f.window->mnuDonate->menu() == nullptr);
        QVERIFY(f.window->mnuMakeMoney->menu() == nullptr);
        QVERIFY(f.window->mnuMakeMoney->isVisible());
        QVERIFY(!f.window->mnuMakeMoney->isEnabled());
        for (QAction* action : f.window->findChildren<QAction*>())
            QVERIFY2(action->shortcut().isEmpty(), qPrintable(action->text()));
    }

    // The gold outline around the reading keeps all four edges, each one
    // layout pixel (rounded to whole device pixels) thick, wherever the
    // window's layout pixels fall on the device pixels: at 125 % a page at
    // an odd offset starts in the middle of a device pixel.
    void outlineKeepsFourWholeEdges_data() {
        QTest::addColumn<qreal>("ratio");
        for (const qreal ratio : {1.0, 1.25, 1.5, 1.75, 2.0})
            QTest::addRow("%g", ratio) << ratio;
    }
    void outlineKeepsFourWholeEdges() {
        QFETCH(qreal, ratio);
        Fixture f;
        f.read(QStringLiteral("Ann"), 1, 1, 1984);
        QCOMPARE(f.frontPage(), 1);
        QImage shot((QSizeF(f.window->size()) * ratio).toSize(), QImage::Format_RGB32);
        shot.setDevicePixelRatio(ratio);
        shot.fill(Qt::black);
        f.window->render(&shot);

        const QWidget* outline = f.window->findChild<QWidget*>(QStringLiteral("Shape1"));
        QVERIFY(outline);
        const QRectF area(QPointF(outline->mapTo(f.window.data(), QPoint(0, 0))) * ratio,
                          QSizeF(outline->size()) * ratio);
        const int thickness = std::max(1, qRound(ratio));
        const QRgb gold = qRgb(255, 180, 4);
        // Gold runs met crossing the outline from one side to the other,
        // as (first pixel, length).
        const auto runs = [&shot, gold](QPoint from, QPoint step, int count) {
            QList<QPair<int, int>> found;
            for (int i = 0; i < count; ++i) {
                if (shot.pixel(from + step * i) != gold)
                    continue;
                if (!found.isEmpty() && found.last().first + found.last().second == i)
                    ++found.last().second;
                else
                    found.append({i, 1});
            }
            return found;
        };
        const int left = qFloor(area.left()) - 2;
        const int top = qFloor(area.top()) - 2;
        const int across = qCeil(area.width()) + 4;
        const int down = qCeil(area.height()) + 4;
        for (const double at : {0.1, 0.5, 0.9}) {
            const auto vertical =
                runs(QPoint(left + qRound(area.width() * at) + 2, top), QPoint(0, 1), down);
            const auto horizontal =
                runs(QPoint(left, top + qRound(area.height() * at) + 2), QPoint(1, 0), across);
            QString text; // the runs as (first pixel, length)
            QDebug(&text).nospace()
                << "at " << at << ": top/bottom " << vertical << ", left/right " << horizontal;
            const QByteArray detail = text.toUtf8();
            QVERIFY2(vertical.size() == 2 && horizontal.size() == 2, detail.constData());
            for (const auto& run : vertical + horizontal)
                QVERIFY2(run.second == thickness, detail.constData());
            // The edges lie on the outline's own border, not a pixel off.
            QVERIFY2(vertical.first().first <= 3 && horizontal.first().first <= 3,
                     detail.constData());
            QVERIFY2(down - (vertical.last().first + thickness) <= 3 &&
                         across - (horizontal.last().first + thickness) <= 3,
                     detail.constData());
        }
    }
};

AURIVANE_TEST_MAIN_WITH_FONT_DPI(TestFrmMain)
#include "tst_frmmain.moc"
