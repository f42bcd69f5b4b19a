#include "frmNagScreen2.h"

#include "ReferAFriendPanel.h"
#include "formkit/ClickableLabel.h"
#include "formkit/FormBehaviour.h"
#include "formkit/FormLook.h"
#include "platform/Forms.h"
#include "platform/Monitors.h"
#include "platform/Platform.h"
#include "platform/Steps.h"
#include "shell/WebPageLauncher.h"
#include "shell/modHelp.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

namespace aurivane {

frmNagScreen2::frmNagScreen2(Platform& platform, Forms& forms, const QIcon& icon, QWidget* parent)
    : QDialog(parent), m_platform(platform), m_forms(forms), m_icon(icon) {
    setObjectName(QStringLiteral("frmNagScreen2"));
    // A title bar that can close the window, and no resizing frame, which
    // Windows draws around a window of fixed size unless told.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(FormLook::Pixels(11115), FormLook::Pixels(4725));
    // White, whatever the desktop's palette; the blue frames set their own.
    setAutoFillBackground(true);
    setPalette(FormLook::FixedLightPalette());

    picNagscreen2Icon = new QLabel(this);
    picNagscreen2Icon->setObjectName(QStringLiteral("picNagscreen2Icon"));
    picNagscreen2Icon->setGeometry(FormLook::TwipsRect(360, 120, 540, 540));
    picNagscreen2Icon->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    lblNagScreen2Caption = new QLabel(QStringLiteral("ABC"), this);
    lblNagScreen2Caption->setObjectName(QStringLiteral("lblNagScreen2Caption"));
    lblNagScreen2Caption->setFont(FormLook::Font(QStringLiteral("MS Sans Serif"), 18));
    lblNagScreen2Caption->setGeometry(FormLook::TwipsRect(1080, 240, 720, 435));

    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setFont(FormLook::Verdana(9.75, true));
    Label2->setWordWrap(true);
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label2->setGeometry(FormLook::TwipsRect(120, 840, 6975, 1095));

    Check1 = new QCheckBox(QStringLiteral("Click Here To Visit Quillmoor Now"), this);
    Check1->setObjectName(QStringLiteral("Check1"));
    Check1->setFont(FormLook::Verdana(14.25));
    FormLook::SetTextColour(*Check1, FormLook::LinkBlue);
    Check1->setCursor(Qt::PointingHandCursor);
    Check1->setGeometry(FormLook::TwipsRect(30, 2040, 7185, 555));
    // Clearing the box raises the click once more, as ticking it does.
    connect(Check1, &QCheckBox::toggled, this, [this] { Check1_Click(); });

    cmdClose = new QPushButton(QStringLiteral("E&xit"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setGeometry(FormLook::TwipsRect(6000, 2760, 1245, 375));
    connect(cmdClose, &QPushButton::clicked, this, [this] { cmdClose_Click(); });

    Frame2 = new ReferAFriendPanel(m_platform, this);
    Frame2->setGeometry(FormLook::TwipsRect(120, 3240, 7065, 1455));

    Frame6 = new QGroupBox(QStringLiteral("Download Quillmoor Softwares"), this);
    Frame6->setObjectName(QStringLiteral("Frame6"));
    Frame6->setFont(FormLook::Verdana(9.75, true));
    FormLook::SetTextColour(*Frame6, FormLook::White);
    FormLook::SetOpaqueBackground(*Frame6, FormLook::Navy);
    Frame6->setGeometry(FormLook::TwipsRect(7320, 120, 3735, 4575));

    Label3 = new QLabel(
        QStringLiteral("If you have enjoyed this software you will surely be interested in our "
                       "other Quillmoor Softwares. From a single software, we have now grown "
                       "to become the world\u2019s largest resource of quillmoor softwares. Be "
                       "it astrology, psychic, tarot, numerology or occult, we have programs "
                       "in all fields thus giving our users a wide choice depending on their "
                       "interests.") +
            QString(61, u' ') +
            QStringLiteral("All the programs in the Quillmoor Softwares suite are simple and easy "
                           "to use. They are not only fun to use but also very informative. Try "
                           "them out today and share your experience with your friends and "
                           "family. "),
        Frame6);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setFont(FormLook::Verdana(9));
    Label3->setWordWrap(true);
    Label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label3->setGeometry(FormLook::TwipsRect(120, 360, 3495, 3855));

    lblGoToHome =
        MakeLink(Frame6, QStringLiteral("lblGoToHome"),
                 QStringLiteral("Click Here To Visit Quillmoor Softwares"),
                 QStringLiteral("Link: opens the Quillmoor Softwares page in your browser"));
    connect(lblGoToHome, &ClickableLabel::clicked, this, [this] { lblGoToHome_Click(); });
    lblGoToHome->setFont(FormLook::Verdana(9, true, true));
    FormLook::SetTextColour(*lblGoToHome, FormLook::Yellow);
    lblGoToHome->setGeometry(FormLook::TwipsRect(75, 4250, 3585, 210));
    FormLook::ShrinkFontToFit(*lblGoToHome);

    // "E&xit", the panel in its own order, then the links in reading order:
    // the other programs at the foot of the right column, round to the forum.
    setTabOrder(cmdClose, Frame2->txtName);
    setTabOrder(Frame2->txtFriendName, lblGoToHome);
    setTabOrder(lblGoToHome, Check1);
    // Return in a box presses no button, as a dialog's default one would.
    for (QPushButton* button : findChildren<QPushButton*>())
        button->setAutoDefault(false);
    cmdClose->setFocus(Qt::OtherFocusReason);

    m_forms.loaded(this, [this] { Form_Unload(); });
    // Closing by the window frame ends the program, as "E&xit" does.
    UnloadOnClose(m_forms, *this);
    Form_Load();
}

void frmNagScreen2::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void frmNagScreen2::Form_Load() {
    setWindowTitle(Platform::TitleWithVersion());
    lblNagScreen2Caption->setText(Platform::TitleWithVersion());
    lblNagScreen2Caption->adjustSize();
    setWindowIcon(m_icon);
    picNagscreen2Icon->setPixmap(m_icon.pixmap(QSize(32, 32), devicePixelRatioF()));
    RunStep([&] {
        m_platform.seedRandomFromClock();
        const float r = m_platform.nextRandom();
        // The four texts, one of which the screen shows.
        const QStringList messages{
            QStringLiteral("Quillmoor Softwares, such as this can be created and maintained only "
                           "with your support. The best way to support Quillmoor is to visit "
                           "Quillmoor regularly and take part in the discussions and other "
                           "activities on the board."),
            QStringLiteral("Visit Quillmoor regularly. Support Quillmoor by taking part in the "
                           "discussions and other activities. These softwares cannot be "
                           "supported and maintained, without you regularly visiting Quillmoor"),
            QStringLiteral("Quillmoor is a FREE online discussion forum for all things mystic. "
                           "To help Quillmoor develop and maintain this software visit Quillmoor "
                           "regularly."),
            QStringLiteral("Quillmoor needs your help. All you need to do is visit Quillmoor "
                           "regularly and take part in the various discussions and activites to "
                           "help us maintain and develop more Quillmoor Softwares.")};
        const auto n =
            std::clamp(static_cast<qsizetype>(r * 4.0F), qsizetype{0}, messages.size() - 1);
        // Screen readers read it out after the dialog's title as the screen
        // opens; a description of the same text would be read out as well.
        Label2->setText(messages.at(n));
    });
    // Centred on its first show, when the system knows its frame.
    Monitors::CentreOnFirstShow(*this);
    RunStep([&] { m_platform.makeTopmost(*this); });
}

void frmNagScreen2::Form_Unload() {
    modHelp::ExitApplication(m_forms);
}

void frmNagScreen2::Check1_Click() {
    // A link, not a setting: it never stays ticked.
    if (Check1->checkState() == Qt::Checked) {
        Check1->setChecked(false);
        RunStep([&] { modHelp::OpenWebPage(m_platform, WebPageKey::HomePage); });
    }
}

void frmNagScreen2::lblGoToHome_Click() {
    RunStep([&] { modHelp::OpenWebPage(m_platform, WebPageKey::QuillmoorSoftwares); });
}

void frmNagScreen2::cmdClose_Click() {
    // Ending the process goes through the platform.
    RunStep([&] { modHelp::ExitApplication(m_forms); });
}

} // namespace aurivane
