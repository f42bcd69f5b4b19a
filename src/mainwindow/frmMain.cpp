#include "frmMain.h"

#include "ChakraPictures.h"
#include "MainWindowHost.h"
#include "engine/BirthDate.h"
#include "engine/ChakraCatalogue.h"
#include "engine/SunSign.h"
#include "formkit/ClickableLabel.h"
#include "formkit/FormBehaviour.h"
#include "formkit/FormLook.h"
#include "formkit/ListAccessibility.h"
#include "frmAbout.h"
#include "platform/Forms.h"
#include "platform/Monitors.h"
#include "platform/Platform.h"
#include "platform/Steps.h"
#include "shell/WebPageLauncher.h"

#include <QComboBox>
#include <QFocusFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>

#include <limits>
#include <vector>

namespace aurivane {

using namespace FormLook;

namespace {

// Shape1: a gold outline on the page, below every control on it. As a focus
// frame that follows no control, it is left out of what assistive technology
// lists: it is decoration, with nothing to say.
class OutlineShape : public QFocusFrame {
public:
    explicit OutlineShape(QWidget* parent) : QFocusFrame(parent) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        DrawWholePixelOutline(painter, QRectF(rect()), Gold);
    }
};

// A label sized to its one line of text.
QLabel* MakeCaption(QWidget* parent, const QString& objectName, const QString& text, int left,
                    int top) {
    QLabel* label = MakeLabel(parent, objectName, Verdana(8.25, true), LightBlue, text);
    label->move(TwipsPoint(left, top));
    label->adjustSize();
    return label;
}

// The wizard's two buttons (no default one: a main window has none).
QPushButton* MakeButton(QWidget* page, const QString& objectName, const QString& text,
                        const QFont& font, const QRect& geometry) {
    auto* button = new QPushButton(text, page);
    button->setObjectName(objectName);
    button->setFont(font);
    SetColour(*button, {QPalette::Button}, LightBlue, {QPalette::All});
    SetColour(*button, {QPalette::ButtonText}, Black, {QPalette::All});
    button->setGeometry(geometry);
    return button;
}

QGroupBox* MakeFrame(QWidget* parent, const QString& objectName, const QString& caption,
                     const QRect& geometry) {
    auto* frame = new QGroupBox(caption, parent);
    frame->setObjectName(objectName);
    frame->setFont(Verdana(9, true));
    SetOpaqueBackground(*frame, DarkRedBrown);
    SetTextColour(*frame, LightBlue);
    frame->setGeometry(geometry);
    if (!caption.isEmpty())
        frame->setAccessibleName(caption);
    return frame;
}

// One of the two promotional labels, both on the same spot of the frame.
ClickableLabel* MakePromotion(QWidget* frame, const QString& objectName, const QString& storedText,
                              const QString& description) {
    ClickableLabel* label = MakeLink(frame, objectName, DisplayedCaption(storedText), description);
    label->setFont(Verdana(8.25, true, true));
    SetOpaqueBackground(*label, DarkRedBrown);
    SetTextColour(*label, Lilac);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setWordWrap(true);
    label->setGeometry(TwipsRect(120, 165, 9585, 400));
    return label;
}

// The reading page's values, indexed like lblResult, with their captions; a
// value of zero size is one line, sized to its text.
struct ResultRow {
    std::size_t captionIndex;
    const char16_t* caption;
    int captionLeft, captionTop;
    int valueLeft, valueTop;
    int valueWidth, valueHeight;
};

constexpr std::array<ResultRow, 11> ResultRows{{
    {2, u"Sun Sign", 1800, 495, 3360, 495, 0, 0},
    {3, u"Ruling Planet", 1800, 810, 3360, 805, 0, 0},
    {4, u"Chakra Name", 240, 1320, 1800, 1320, 0, 0},
    {5, u"Description", 240, 1588, 1800, 1588, 7680, 435},
    {6, u"Symbol", 240, 3860, 1800, 3860, 7680, 435},
    {7, u"Sanskrit Name", 240, 4353, 1800, 4353, 0, 0},
    {8, u"Keyword", 240, 4606, 1800, 4606, 7680, 435},
    {9, u"Color", 240, 5100, 1800, 5100, 0, 0},
    {10, u"Open", 240, 2081, 1800, 2081, 7680, 615},
    {11, u"Overactive", 240, 2754, 1800, 2754, 7680, 555},
    {12, u"Underactive", 240, 3367, 1800, 3367, 7680, 435},
}};

// The value labels from the top of the page to its foot.
constexpr std::array<std::size_t, 11> ReadingOrder{0, 1, 2, 3, 8, 9, 10, 4, 5, 6, 7};

// A value as read out on its own: "Sun Sign: Capricorn".
QString Spoken(std::size_t row, const QString& value) {
    return QString::fromUtf16(ResultRows.at(row).caption) + QStringLiteral(": ") + value;
}

// Left edges of page 1's pictures, Crown to Root, which stand on one line.
constexpr std::array<int, 7> DecorationLefts{1170, 2250, 3330, 4410, 5490, 6690, 8130};
constexpr int DecorationBottom = 5250;

} // namespace

frmMain::frmMain(Platform& platform, Forms& forms, MainWindowHost* host, QWidget* parent)
    : QMainWindow(parent), m_platform(platform), m_forms(forms), m_host(host) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(Platform::TitleWithVersion());
    setWindowIcon(ChakraPictures::WindowIcon());
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint, true);

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFont(Verdana(8.25));
    SetOpaqueBackground(*client, DarkRedBrown);
    SetTextColour(*client, Gold);
    client->setFixedSize(Pixels(9900), Pixels(6675)); // below the menu bar
    setCentralWidget(client);

    BuildMenus();
    BuildBanner(*client);
    BuildPersonalDetailsPage(*client);
    BuildReadingPage(*client);
    BuildTabOrder();

    setFixedSize(client->width(), client->height() + menuBar()->sizeHint().height());

    m_forms.loaded(this, [this] { Form_Unload(); });
    // Closing by the window frame unloads the window, as "E&xit" does.
    UnloadOnClose(m_forms, *this);
    Monitors::CentreOnFirstShow(*this);
    Form_Load();
    txtName->setFocus();
}

void frmMain::BuildMenus() {
    // Names an entry and hands its choice to the entry's click handler.
    const auto entry = [this](QAction* action, const char* name,
                              void (frmMain::*click)() = nullptr) {
        action->setObjectName(QString::fromLatin1(name));
        if (click != nullptr)
            connect(action, &QAction::triggered, this, [this, click] { (this->*click)(); });
        return action;
    };
    QMenuBar* bar = menuBar();
    mnuFile = bar->addMenu(QStringLiteral("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuExit =
        entry(mnuFile->addAction(QStringLiteral("E&xit")), "mnuExit", &frmMain::mnuExit_Click);
    mnuHelp = bar->addMenu(QStringLiteral("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuOnline = entry(mnuHelp->addAction(QStringLiteral("&Online Help")), "mnuOnline",
                      &frmMain::mnuOnline_Click);
    mnuVisit = entry(mnuHelp->addAction(QStringLiteral("&Visit Us Online")), "mnuVisit",
                     &frmMain::mnuVisit_Click);
    mnuSep1 = entry(mnuHelp->addSeparator(), "mnuSep1");
    mnuUpdate = entry(mnuHelp->addAction(QStringLiteral("Check for Software &Update")), "mnuUpdate",
                      &frmMain::mnuUpdate_Click);
    mnuSep2 = entry(mnuHelp->addSeparator(), "mnuSep2");
    mnuAbout = entry(mnuHelp->addAction(QStringLiteral("&About Software")), "mnuAbout",
                     &frmMain::mnuAbout_Click);
    // Two commands on the menu bar itself, without a menu.
    mnuDonate =
        entry(bar->addAction(QStringLiteral("&Donate")), "mnuDonate", &frmMain::mnuDonate_Click);
    mnuMakeMoney = entry(bar->addAction(QStringLiteral("Make Money &Online")), "mnuMakeMoney",
                         &frmMain::mnuMakeMoney_Click);
    // Switched off for good; nothing switches it on.
    mnuMakeMoney->setEnabled(false);
}

void frmMain::BuildBanner(QWidget& client) {
    Label14 = MakeLink(&client, QStringLiteral("Label14"),
                       QStringLiteral("The Most Popular Online Mystic Discussion Forum. Click "
                                      "Here To Visit Quillmoor Now."),
                       QStringLiteral("Link: opens the Quillmoor forum in your browser"));
    Label14->setFont(Verdana(8.25, true, true));
    SetTextColour(*Label14, Lilac);
    Label14->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label14->setWordWrap(true);
    Label14->setGeometry(TwipsRect(2475, 0, 4950, 435));
    connect(Label14, &ClickableLabel::clicked, this, [this] { Label14_Click(); });

    fraFullBrand =
        MakeFrame(&client, QStringLiteral("fraFullBrand"), {}, TwipsRect(50, 6000, 9800, 650));

    // Created in this order, lblFullBrand lies in front of lblCobrand.
    ClickableLabel* cobrand = MakePromotion(
        fraFullBrand, QStringLiteral("lblCobrand"),
        QStringLiteral("Co-brand this software for your site.  Increase loyalty and "
                       "traffic to your site. Put your site's name &&  link here. See "
                       "\"Help\" for details.    Click Here for more info on "
                       "co-branding."),
        QStringLiteral("Link: opens the page about co-branding in your browser"));
    connect(cobrand, &ClickableLabel::clicked, this, [this] { lblCobrand_Click(); });
    lblCobrand = cobrand;

    ClickableLabel* fullBrand =
        MakePromotion(fraFullBrand, QStringLiteral("lblFullBrand"),
                      QStringLiteral("Home Business Opportunity. Start your own Internet business "
                                     "and make money online. Get this software fully branded for "
                                     "your website. Click here for more details."),
                      QStringLiteral("Link: opens the page about fully branded copies in your "
                                     "browser"));
    connect(fullBrand, &ClickableLabel::clicked, this, [this] { lblFullBrand_Click(); });
    lblFullBrand = fullBrand;
    cobrand->hide();
}

void frmMain::BuildPersonalDetailsPage(QWidget& client) {
    QGroupBox* page = MakeFrame(&client, QStringLiteral("fraStep(0)"),
                                QStringLiteral("Personal Details"), TwipsRect(50, 480, 9800, 5500));
    fraStep[0] = page;

    QLabel* intro = MakeLabel(
        page, QStringLiteral("lblLabel(13)"), Verdana(9.75, true), Gold,
        QStringLiteral("Aurivane is an unique tool that generates your chakras reading based on "
                       "your zodiac sun sign. Just enter your date of birth and know which Chakra "
                       "influences you the most."));
    intro->setWordWrap(true);
    intro->setGeometry(TwipsRect(720, 840, 8535, 735));
    lblLabel[13] = intro;

    lblLabel[0] =
        MakeCaption(page, QStringLiteral("lblLabel(0)"), QStringLiteral("Name"), 2516, 2235);
    lblLabel[1] = MakeCaption(page, QStringLiteral("lblLabel(1)"), QStringLiteral("Date of Birth"),
                              2516, 2820);

    txtName = new QLineEdit(page);
    txtName->setObjectName(QStringLiteral("txtName"));
    // The name has no length limit (a line box keeps 32767 characters unless told).
    txtName->setMaxLength(std::numeric_limits<int>::max());
    txtName->setFont(Verdana(8.25));
    SetColour(*txtName, {QPalette::Base}, NameBoxBackground);
    SetColour(*txtName, {QPalette::Text}, Green);
    txtName->setGeometry(TwipsRect(4129, 2160, 3255, 350));
    txtName->setAccessibleName(QStringLiteral("Name"));
    lblLabel[0]->setBuddy(txtName);

    const auto makeList = [page](const QString& name, const QString& accessibleName,
                                 const QRect& geometry) {
        auto* list = new QComboBox(page);
        list->setObjectName(name);
        list->setEditable(false);
        list->setFont(Verdana(8.25));
        SetColour(*list, {QPalette::Base, QPalette::Button, QPalette::Window}, DarkRedBrown);
        SetColour(*list, {QPalette::Text, QPalette::ButtonText, QPalette::WindowText}, Green);
        list->setGeometry(geometry);
        AnnounceListValue(*list, accessibleName);
        return list;
    };
    cboMonth = makeList(QStringLiteral("cboMonth"), QStringLiteral("Month of birth"),
                        TwipsRect(4129, 2760, 1335, 315));
    cboDate = makeList(QStringLiteral("cboDate"), QStringLiteral("Day of birth"),
                       TwipsRect(5569, 2760, 615, 315));
    cboYear = makeList(QStringLiteral("cboYear"), QStringLiteral("Year of birth"),
                       TwipsRect(6289, 2760, 1095, 315));
    lblLabel[1]->setBuddy(cboMonth);

    cmdNext =
        MakeButton(page, QStringLiteral("cmdNext"), QStringLiteral("&Get My Aurivane Reading"),
                   Verdana(8.25, true), TwipsRect(2970, 3600, 3960, 400));
    connect(cmdNext, &QPushButton::clicked, this, [this] { cmdNext_Click(); });

    const qreal ratio = devicePixelRatioF();
    for (std::size_t k = 0; k < picDisp.size(); ++k) {
        auto* picture = new QLabel(page);
        picture->setObjectName(QStringLiteral("picDisp(%1)").arg(k));
        picture->setPixmap(ChakraPictures::Picture(static_cast<int>(k), ratio));
        picture->adjustSize();
        picture->move(Pixels(DecorationLefts.at(k)), Pixels(DecorationBottom) - picture->height());
        picture->setAccessibleName(ChakraCatalogue::Entry(static_cast<int>(k)).Name);
        picDisp.at(k) = picture;
    }
}

void frmMain::BuildReadingPage(QWidget& client) {
    QGroupBox* page =
        MakeFrame(&client, QStringLiteral("fraStep(1)"), QStringLiteral("Astro Chakra Details"),
                  TwipsRect(50, 480, 9800, 5500));
    fraStep[1] = page;
    // The first stop of its Tab order: the reading lands there, and a screen
    // reader reads its description, the heart of the reading, at once.
    page->setFocusPolicy(Qt::TabFocus);

    // Made first, so that every control of the page lies on top of it.
    Shape1 = new OutlineShape(page);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setGeometry(TwipsRect(120, 1200, 9555, 4215));

    picChakra = new QLabel(page);
    picChakra->setObjectName(QStringLiteral("picChakra"));
    picChakra->move(TwipsPoint(240, 400));
    picChakra->setAccessibleName(QStringLiteral("Chakra picture"));

    for (std::size_t i = 0; i < ResultRows.size(); ++i) {
        const ResultRow& row = ResultRows.at(i);
        lblLabel.at(row.captionIndex) =
            MakeCaption(page, QStringLiteral("lblLabel(%1)").arg(row.captionIndex),
                        QString::fromUtf16(row.caption), row.captionLeft, row.captionTop);

        const bool nameLine = i == 2;
        QLabel* value =
            MakeLabel(page, QStringLiteral("lblResult(%1)").arg(i),
                      nameLine ? Verdana(9, true) : Verdana(8.25), nameLine ? Cyan : Green);
        if (row.valueWidth > 0) {
            value->setWordWrap(true);
            value->setGeometry(
                TwipsRect(row.valueLeft, row.valueTop, row.valueWidth, row.valueHeight));
        } else {
            value->move(TwipsPoint(row.valueLeft, row.valueTop));
            value->adjustSize();
        }
        value->setAccessibleName(QString::fromUtf16(row.caption));
        // Each value is a Tab stop of its own, read out with its caption.
        value->setFocusPolicy(Qt::TabFocus);
        lblResult.at(i) = value;
    }

    cmdBack = MakeButton(page, QStringLiteral("cmdBack"), QStringLiteral("&Back"), Verdana(8.25),
                         TwipsRect(8480, 500, 1000, 400));
    connect(cmdBack, &QPushButton::clicked, this, [this] { cmdBack_Click(); });
}

void frmMain::BuildTabOrder() {
    // Page 1, then page 2 (one shows at a time) from the page itself down its
    // values to Back, the promotion below, and from the banner at the top
    // back into the page.
    std::vector<QWidget*> order{txtName, cboMonth, cboDate, cboYear, cmdNext, fraStep[1]};
    for (const std::size_t row : ReadingOrder)
        order.push_back(lblResult.at(row));
    order.insert(order.end(), {cmdBack, lblFullBrand, lblCobrand, Label14});
    for (std::size_t i = 1; i < order.size(); ++i)
        setTabOrder(order.at(i - 1), order.at(i));
}

void frmMain::ShowPage(std::size_t page, QWidget* focus) {
    // Only the page in front shows, so that nothing on the other is reached
    // with Tab or announced. The focus moves before its page goes, or Qt
    // would pass it on to the next control of the order first.
    QGroupBox* front = fraStep.at(page);
    QGroupBox* covered = fraStep.at(1 - page);
    front->raise();
    front->show();
    if (focus != nullptr)
        focus->setFocus(Qt::OtherFocusReason);
    covered->hide();
}

void frmMain::Form_Load() {
    cboMonth->clear();
    cboMonth->addItems(MonthNames());
    // Each list filled at once: item by item, each would be announced.
    const auto numbers = [](int first, int last) {
        QStringList list;
        list.reserve(last - first + 1);
        for (int n = first; n <= last; ++n)
            list.append(QString::number(n));
        return list;
    };
    cboDate->clear();
    cboDate->addItems(numbers(1, 31));
    cboYear->clear();
    cboYear->addItems(numbers(1900, 2050));
    ShowPage(0, nullptr);
}

void frmMain::cmdNext_Click() {
    bool valid = false;
    RunStep([this, &valid] { valid = ValidatePersonalDetails(); });
    if (!valid)
        return;
    MakeReading(cboDate->currentText(), cboMonth->currentText(), cboYear->currentText(), m_reading);
    ShowReading(m_reading);
    // The focus goes with the reading: the button it was on is gone.
    ShowPage(1, fraStep[1]);
}

void frmMain::cmdBack_Click() {
    // The box cleared after it took the focus: a screen reader takes a focus
    // that follows a change of the box's text for a repeat and says nothing.
    ShowPage(0, txtName);
    txtName->clear();
    cboMonth->setCurrentIndex(0);
    cboDate->setCurrentIndex(0);
    cboYear->setCurrentIndex(0);
}

bool frmMain::ValidatePersonalDetails() {
    if (txtName->text().isEmpty()) {
        m_platform.showMessage(this, QStringLiteral("Please enter your name"),
                               MessageIcon::Critical);
        txtName->setFocus();
        return false;
    }

    // Position p of the month and day lists is month p + 1 and day p + 1.
    const std::optional<QString> message = CheckBirthDate(
        cboMonth->currentIndex() + 1, cboDate->currentIndex() + 1, cboYear->currentText().toInt());
    if (message) {
        m_platform.showMessage(this, *message, MessageIcon::Information);
        return false;
    }
    return true;
}

void frmMain::ShowReading(const ChakraReading& reading) {
    const ChakraEntry& e = ChakraCatalogue::Entry(reading.ChakraIndex);
    const QString nameLine = e.Name + QStringLiteral(" - ") + e.SanskritName;
    const std::array<QString, 11> values{
        reading.SunSign, reading.RulingPlanet,  nameLine,         e.Description,
        e.Symbol,        e.SanskritWithMeaning, e.Keyword,        e.Color,
        e.OpenText,      e.OverActiveText,      e.UnderActiveText};
    for (std::size_t i = 0; i < values.size(); ++i) {
        QLabel* value = lblResult.at(i);
        value->setText(values.at(i));
        if (value->wordWrap()) {
            value->setFont(Verdana(8.25));
            ShrinkWrappedFontToFit(*value);
        } else {
            value->adjustSize();
        }
        value->setAccessibleName(Spoken(i, values.at(i)));
    }
    // The heart of the reading, read out when the page appears: the sign,
    // its ruling planet and the chakra.
    fraStep[1]->setAccessibleDescription(Spoken(0, values.at(0)) + QStringLiteral(". ") +
                                         Spoken(1, values.at(1)) + QStringLiteral(". ") +
                                         Spoken(2, values.at(2)) + QStringLiteral("."));
    picChakra->setPixmap(ChakraPictures::Picture(reading.ChakraIndex, devicePixelRatioF()));
    picChakra->adjustSize();
    picChakra->setAccessibleName(e.Name + QStringLiteral(" picture"));
}

void frmMain::OpenPage(WebPageKey key) {
    RunStep([this, key] { modHelp::OpenWebPage(m_platform, key); });
}

void frmMain::BringPromotionToFront(QLabel* promotion) {
    QLabel* other = promotion == lblFullBrand ? lblCobrand : lblFullBrand;
    promotion->raise();
    promotion->show();
    other->hide();
}

void frmMain::mnuExit_Click() {
    m_forms.unload(this); // passes over a failing unload handler
}

void frmMain::mnuAbout_Click() {
    frmAbout about(m_platform, m_forms, this);
    about.exec();
}

void frmMain::Form_Unload() {
    // Off the screen before the support screen comes: window managers that
    // number windows of equal titles (KWin) would call it "<2>" otherwise.
    hide();
    if (m_host == nullptr)
        return;
    RunStep([this] { m_host->ShowSupportScreen(); });
    RunStep([this] { m_host->HideStartupForm(); });
}

} // namespace aurivane
