// Every text a user can see or hear on the program's forms, typed out in one
// table and compared with what the running forms show: window captions,
// menu entries with their access keys, list entries, the captions of
// buttons, labels and frames, the boxes' texts and placeholders, and what
// assistive technology announces (names where they differ from the shown
// text, descriptions and key bindings). A text the forms show that the
// table does not name fails as surely as a wrong one, so no control can
// slip in unchecked.

#include "app/frmStartup.h"
#include "mainwindow/frmAbout.h"
#include "mainwindow/frmMain.h"
#include "outreach/ReferAFriendPanel.h"
#include "outreach/frmNagScreen2.h"
#include "platform/Forms.h"
#include "support/FakePlatform.h"
#include "support/SupportScreenFixture.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QComboBox>
#include <QFocusFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QToolButton>

#include <memory>

using namespace aurivane;

namespace {

using Texts = QMap<QString, QString>;

QString MenuEntries(const QWidget* menu) {
    QStringList entries;
    for (const QAction* action : menu->actions())
        entries << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return entries.join(u'|');
}

// The texts of one control, keyed "control what".
void Collect(QWidget* widget, Texts& texts) {
    const bool menuBar = qobject_cast<QMenuBar*>(widget) != nullptr;
    const QString name = widget->objectName().isEmpty() && menuBar ? QStringLiteral("menuBar")
                                                                   : widget->objectName();
    const auto add = [&](const char* what, const QString& text) {
        if (!text.isEmpty())
            texts.insert(name + u' ' + QLatin1String(what), text);
    };

    QString shown;
    if (widget->isWindow()) {
        shown = widget->windowTitle();
        add("title", shown);
    }
    if (menuBar || qobject_cast<QMenu*>(widget) != nullptr) {
        add("entries", MenuEntries(widget));
        return;
    }
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        shown = label->text();
        add("text", shown);
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        // A button is heard without the access key's marker.
        shown = button->text();
        add("text", shown);
        shown.remove(u'&');
    } else if (auto* frame = qobject_cast<QGroupBox*>(widget)) {
        shown = frame->title();
        add("title", shown);
    } else if (auto* box = qobject_cast<QLineEdit*>(widget)) {
        shown = box->text();
        add("text", shown);
        add("placeholder", box->placeholderText());
    } else if (auto* text = qobject_cast<MultiLineTextBox*>(widget)) {
        shown = text->text();
        add("text", shown);
    } else if (auto* list = qobject_cast<QComboBox*>(widget)) {
        QStringList entries;
        for (int i = 0; i < list->count(); ++i)
            entries << list->itemText(i);
        add("entries", entries.join(u'|'));
        // Qt on Linux names a list by its value, on Windows by its name.
        add("name", list->accessibleName());
        shown = list->currentText();
    }

    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    if (accessible == nullptr)
        return;
    // A name is listed where it says more than the shown text.
    const QString heard = accessible->text(QAccessible::Name);
    if (heard != shown && qobject_cast<QComboBox*>(widget) == nullptr)
        add("name", heard);
    add("description", accessible->text(QAccessible::Description));
    if (QAccessibleActionInterface* actions = accessible->actionInterface()) {
        QStringList bindings;
        for (const QString& action : actions->actionNames()) {
            QStringList keys = actions->keyBindingsForAction(action);
            keys.removeAll(QString());
            if (!keys.isEmpty())
                bindings << action + u'=' + keys.join(u',');
        }
        add("keys", bindings.join(u';'));
    }
}

// Every text of a form and its controls. A control that shows a text must
// have a name: an unnamed one is listed under its class so the table fails.
Texts FormTexts(QWidget* form) {
    Texts texts;
    Collect(form, texts);
    QList<QWidget*> qtParts;
    for (auto* button : form->findChildren<QToolButton*>()) {
        if (button->objectName().startsWith(QStringLiteral("qt_")) && button->menu() != nullptr)
            qtParts << button->menu();
    }
    for (QWidget* child : form->findChildren<QWidget*>()) {
        if (child->window() != form && qobject_cast<QMenu*>(child) == nullptr)
            continue;
        // Qt's own parts (a menu bar's overflow button and the menu it keeps
        // the entries in that did not fit at some time, a list's pop-up)
        // are not the form's controls.
        if (child->objectName().startsWith(QStringLiteral("qt_")) || qtParts.contains(child))
            continue;
        // Nor is what assistive technology leaves out (the focus ring, the
        // outline around the reading).
        if (qobject_cast<QFocusFrame*>(child) != nullptr)
            continue;
        if (child->objectName().isEmpty() && qobject_cast<QMenuBar*>(child) == nullptr) {
            Texts unnamed;
            Collect(child, unnamed);
            for (auto it = unnamed.cbegin(); it != unnamed.cend(); ++it)
                texts.insert(QStringLiteral("unnamed ") +
                                 QLatin1String(child->metaObject()->className()) + it.key(),
                             it.value());
            continue;
        }
        Collect(child, texts);
    }
    return texts;
}

QString Numbers(int first, int last) {
    QStringList numbers;
    for (int n = first; n <= last; ++n)
        numbers << QString::number(n);
    return numbers.join(u'|');
}

const QString Caption = QStringLiteral("Aurivane v1.20");

// The main window right after start, before any reading.
Texts MainWindowTexts() {
    Texts texts{
        {"frmMain title", Caption},
        {"menuBar entries", "&File|&Help|&Donate|Make Money &Online"},
        {"mnuFile entries", "E&xit"},
        {"mnuHelp entries",
         "&Online Help|&Visit Us Online|-|Check for Software &Update|-|&About Software"},
        {"Label14 text",
         "The Most Popular Online Mystic Discussion Forum. Click Here To Visit Quillmoor Now."},
        {"Label14 description", "Link: opens the Quillmoor forum in your browser"},
        {"Label14 keys", "Press=Space"},
        {"lblFullBrand text",
         "Home Business Opportunity. Start your own Internet business and make money online. "
         "Get this software fully branded for your website. Click here for more details."},
        {"lblFullBrand description",
         "Link: opens the page about fully branded copies in your browser"},
        {"lblFullBrand keys", "Press=Space"},
        {"lblCobrand text",
         "Co-brand this software for your site.  Increase loyalty and traffic to your site. Put "
         "your site's name &  link here. See \"Help\" for details.    Click Here for more info "
         "on co-branding."},
        {"lblCobrand description", "Link: opens the page about co-branding in your browser"},
        // lblCobrand lies behind lblFullBrand here, so nothing presses it.
        // Page 1
        {"fraStep(0) title", "Personal Details"},
        {"lblLabel(13) text",
         "Aurivane is an unique tool that generates your chakras reading based on your zodiac "
         "sun sign. Just enter your date of birth and know which Chakra influences you the "
         "most."},
        {"lblLabel(0) text", "Name"},
        {"txtName name", "Name"},
        {"lblLabel(1) text", "Date of Birth"},
        {"cboMonth entries", "January|February|March|April|May|June|July|August|September|"
                             "October|November|December"},
        {"cboMonth name", "Month of birth"},
        {"cboMonth description", "Month of birth, January"},
        {"cboDate entries", Numbers(1, 31)},
        {"cboDate name", "Day of birth"},
        {"cboDate description", "Day of birth, 1"},
        {"cboYear entries", Numbers(1900, 2050)},
        {"cboYear name", "Year of birth"},
        {"cboYear description", "Year of birth, 1900"},
        {"cmdNext text", "&Get My Aurivane Reading"},
        {"cmdNext keys", "Press=Alt+G"},
        // Page 2, its captions; the values are the catalogue's, filled by a
        // reading (the reading tests compare them).
        {"fraStep(1) title", "Astro Chakra Details"},
        {"picChakra name", "Chakra picture"},
        {"cmdBack text", "&Back"},
        {"cmdBack keys", "Press=Alt+B"},
    };
    const char* const chakras[] = {"Crown", "Third Eye", "Throat", "Heart",
                                   "Navel", "Sacral",    "Root"};
    for (int k = 0; k < 7; ++k)
        texts.insert(QStringLiteral("picDisp(%1) name").arg(k),
                     chakras[k] + QStringLiteral(" Chakra"));
    // The result page's captions, each value named after the caption beside it.
    const char* const captions[] = {"Sun Sign", "Ruling Planet", "Chakra Name", "Description",
                                    "Symbol",   "Sanskrit Name", "Keyword",     "Color",
                                    "Open",     "Overactive",    "Underactive"};
    for (int i = 0; i < 11; ++i) {
        texts.insert(QStringLiteral("lblLabel(%1) text").arg(i + 2), captions[i]);
        texts.insert(QStringLiteral("lblResult(%1) name").arg(i), captions[i]);
    }
    return texts;
}

Texts AboutBoxTexts() {
    return {
        {"frmAbout title", Caption},
        {"picIcon name", "Aurivane icon"},
        {"Label2 text", Caption},
        {"Label1 text",
         "Aurivane is a different and advanced zodiac software which relates the two different "
         "worlds of astrology and chakras. This software generates the Chakra that influences "
         "you the most based on your date of birth. The calculation is done according to the "
         "Western Sun Sign. All rights to this software are held by Quillmoor."},
        {"lblHomePage text", "Click here to visit Quillmoor"},
        {"lblHomePage description", "Link: opens the Quillmoor home page in your browser"},
        {"lblHomePage keys", "Press=Space"},
        {"Label3 text", "Home Business Opportunity. Start your own Internet business and make "
                        "money online. Get this software fully branded for your website."},
        {"lblCoBrand text", "Click here for more details."},
        {"lblCoBrand description",
         "Link: opens the page about fully branded copies in your browser"},
        {"lblCoBrand keys", "Press=Space"},
        {"cmdOK text", "OK"},
    };
}

// The support screen with its third text (draw 0.5).
Texts SupportScreenTexts() {
    const QString& message2 = SupportMessages.at(2);
    return {
        {"frmNagScreen2 title", Caption},
        {"lblNagScreen2Caption text", Caption},
        {"Label2 text", message2},
        {"Check1 text", "Click Here To Visit Quillmoor Now"},
        {"cmdClose text", "E&xit"},
        {"cmdClose keys", "Press=Alt+X"},
        {"Frame2 title", "Refer A Friend"},
        {"txtName text", "Your Name"},
        {"txtEmail text", "Your Email Address"},
        {"txtFriendName text", "Friend's Name"},
        {"txtFriendEmail text", "Friend's Email Address"},
        {"txtMessage text", "Your Message\r\n"},
        {"txtMessage name", "Your Message"},
        {"cmdSubmit text", "Refer A Friend &Now"},
        {"cmdSubmit keys", "Press=Alt+N"},
        {"Frame6 title", "Download Quillmoor Softwares"},
        {"Label3 text",
         QStringLiteral("If you have enjoyed this software you will surely be interested in our "
                        "other Quillmoor Softwares. From a single software, we have now grown to "
                        "become the world\u2019s largest resource of quillmoor softwares. Be it "
                        "astrology, psychic, tarot, numerology or occult, we have programs in "
                        "all fields thus giving our users a wide choice depending on their "
                        "interests.") +
             QString(61, u' ') +
             QStringLiteral("All the programs in the Quillmoor Softwares suite are simple and "
                            "easy to use. They are not only fun to use but also very "
                            "informative. Try them out today and share your experience with "
                            "your friends and family. ")},
        {"lblGoToHome text", "Click Here To Visit Quillmoor Softwares"},
        {"lblGoToHome description", "Link: opens the Quillmoor Softwares page in your browser"},
        {"lblGoToHome keys", "Press=Space"},
    };
}

// Compared as sorted lines, a text missing, wrong or not in the table
// shows as the first line that differs.
QStringList Lines(const Texts& texts) {
    QStringList all;
    for (auto it = texts.cbegin(); it != texts.cend(); ++it)
        all << QStringLiteral("%1 = \"%2\"").arg(it.key(), it.value());
    return all;
}

// The forms as the program wires them: the start-up form opens the main
// window; closing it opens the support screen.
struct Program {
    FakePlatform platform;
    Forms forms{platform};
    std::unique_ptr<frmStartup> startup;
    Program() {
        platform.draws = {0.95F, 0.5F};
        startup = std::make_unique<frmStartup>(platform, forms);
        startup->Form_Load();
    }
};

} // namespace

class TestFormTexts : public QObject {
    Q_OBJECT
private slots:
    void mainWindowShowsExactlyItsTexts() {
        Program program;
        QVERIFY(program.startup->mainWindow() != nullptr);
        QCOMPARE(Lines(FormTexts(program.startup->mainWindow())), Lines(MainWindowTexts()));
    }

    void aboutBoxShowsExactlyItsTexts() {
        Program program;
        frmAbout about(program.platform, program.forms);
        QCOMPARE(Lines(FormTexts(&about)), Lines(AboutBoxTexts()));
    }

    void supportScreenShowsExactlyItsTexts() {
        Program program;
        QVERIFY(program.startup->mainWindow() != nullptr);
        program.startup->mainWindow()->close();
        QVERIFY(program.startup->supportScreen() != nullptr);
        QCOMPARE(Lines(FormTexts(program.startup->supportScreen())), Lines(SupportScreenTexts()));
    }
};

QTEST_MAIN(TestFormTexts)
#include "tst_formtexts.moc"
