#include "frmAbout.h"

#include "ChakraPictures.h"
#include "formkit/ClickableLabel.h"
#include "formkit/FormBehaviour.h"
#include "formkit/FormLook.h"
#include "platform/Forms.h"
#include "platform/Monitors.h"
#include "platform/Platform.h"
#include "platform/Steps.h"
#include "shell/WebPageLauncher.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>

namespace aurivane {

using namespace FormLook;

namespace {

// The box's two links: small, underlined, light blue, sized to their text.
ClickableLabel* MakeAboutLink(QWidget* parent, const QString& objectName, const QString& text,
                              const QString& description) {
    ClickableLabel* link = MakeLink(parent, objectName, text, description);
    link->setFont(Verdana(8.25, false, true));
    SetTextColour(*link, AboutLink);
    link->adjustSize();
    return link;
}

} // namespace

frmAbout::frmAbout(Platform& platform, Forms& forms, QWidget* parent)
    : QDialog(parent), m_platform(platform), m_forms(forms) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(Platform::TitleWithVersion());
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setModal(true);
    setWindowIcon(ChakraPictures::WindowIcon());
    setFont(Verdana(8.25));
    SetOpaqueBackground(*this, DarkRedBrown);
    SetTextColour(*this, AboutText);
    setFixedSize(Pixels(7035), Pixels(3255));

    picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setPixmap(ChakraPictures::ApplicationIcon(devicePixelRatioF()));
    picIcon->move(TwipsPoint(120, 87));
    picIcon->adjustSize();
    picIcon->setAccessibleName(QStringLiteral("Aurivane icon"));

    Label2 = MakeLabel(this, QStringLiteral("Label2"), Verdana(14.25, true), AboutLink,
                       Platform::TitleWithVersion());
    Label2->move(TwipsPoint(720, 150));
    Label2->adjustSize();

    Label1 = MakeLabel(
        this, QStringLiteral("Label1"), Verdana(8.25), Green,
        QStringLiteral("Aurivane is a different and advanced zodiac software which relates the two "
                       "different worlds of astrology and chakras. This software generates the "
                       "Chakra that influences you the most based on your date of birth. The "
                       "calculation is done according to the Western Sun Sign. All rights to "
                       "this software are held by Quillmoor."));
    Label1->setWordWrap(true);
    Label1->setGeometry(TwipsRect(120, 630, 6885, 975));

    lblHomePage = MakeAboutLink(
        this, QStringLiteral("lblHomePage"), QStringLiteral("Click here to visit Quillmoor"),
        QStringLiteral("Link: opens the Quillmoor home page in your browser"));
    lblHomePage->move(TwipsPoint(2955, 1605));

    Label3 = MakeLabel(this, QStringLiteral("Label3"), Verdana(8.25, true), Green,
                       QStringLiteral("Home Business Opportunity. Start your own Internet business "
                                      "and make money online. Get this software fully branded for "
                                      "your website."));
    Label3->setWordWrap(true);
    Label3->setGeometry(TwipsRect(120, 1920, 6885, 435));

    lblCoBrand = MakeAboutLink(
        this, QStringLiteral("lblCoBrand"), QStringLiteral("Click here for more details."),
        QStringLiteral("Link: opens the page about fully branded copies in your browser"));
    lblCoBrand->move(TwipsPoint(4650, 2355));

    // A rule two pixels thick, running past both side edges.
    Line2 = new QWidget(this);
    Line2->setObjectName(QStringLiteral("Line2"));
    SetOpaqueBackground(*Line2, AboutLink);
    Line2->setGeometry(-1, Pixels(2760), Pixels(7080) + 2, 2);

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(TwipsRect(5745, 2880, 1260, 345));
    cmdOK->setDefault(true);
    // An ordinary button: the system's button text, not the box's pink.
    SetColour(*cmdOK, {QPalette::ButtonText}, QApplication::palette().color(QPalette::ButtonText),
              {QPalette::All});

    setTabOrder(cmdOK, lblHomePage);
    setTabOrder(lblHomePage, lblCoBrand);
    cmdOK->setFocus();

    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(lblHomePage, &ClickableLabel::clicked, this, [this] { lblHomePage_Click(); });
    connect(lblCoBrand, &ClickableLabel::clicked, this, [this] { lblCoBrand_Click(); });

    m_forms.loaded(this, {}, false);
    Monitors::CentreOnFirstShow(*this);
}

void frmAbout::lblHomePage_Click() {
    RunStep([this] { modHelp::OpenWebPage(m_platform, WebPageKey::HomePage); });
}

void frmAbout::lblCoBrand_Click() {
    RunStep([this] { modHelp::OpenWebPage(m_platform, WebPageKey::FullyBranded); });
}

void frmAbout::done(int result) {
    // OK, Esc and the title bar's close button all end here.
    m_forms.unload(this);
    QDialog::done(result);
}

} // namespace aurivane
