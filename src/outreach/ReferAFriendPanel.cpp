#include "ReferAFriendPanel.h"

#include "formkit/FormLook.h"
#include "platform/Platform.h"
#include "platform/Steps.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <limits>

namespace aurivane {

namespace {

// Moving the focus to another window, or to a menu, is not the user
// leaving the box.
bool withinTheForm(const QFocusEvent* event) {
    return event->reason() != Qt::ActiveWindowFocusReason &&
           event->reason() != Qt::PopupFocusReason;
}

} // namespace

MultiLineTextBox::MultiLineTextBox(QWidget* parent) : QPlainTextEdit(parent) {
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setTabChangesFocus(true);
}

QString MultiLineTextBox::text() const {
    QString plain = toPlainText();
    return plain.replace(u'\n', QStringLiteral("\r\n"));
}

void MultiLineTextBox::setText(const QString& text) {
    QString plain = text;
    plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    setPlainText(plain);
}

ReferAFriendPanel::ReferAFriendPanel(Platform& platform, QWidget* parent)
    : QGroupBox(parent), m_platform(platform) {
    setObjectName(QStringLiteral("Frame2"));
    setTitle(QStringLiteral("Refer A Friend"));
    // The boxes keep the form's own font; only the frame's caption and the
    // button use Verdana.
    const QFont formFont = font();
    setFont(FormLook::Verdana(9.75, true));
    FormLook::SetOpaqueBackground(*this, FormLook::Navy);
    FormLook::SetColour(*this, {QPalette::WindowText}, FormLook::White, {QPalette::All});
    // The boxes and the button below drop the frame's blue again
    // (setPalette(QPalette())) and take the form's colours as a whole.

    const auto makeLine = [&](const char* name, const QString& text, QRect where) {
        auto* box = new QLineEdit(text, this);
        box->setObjectName(QString::fromLatin1(name));
        // Whatever the user pastes goes to the site whole.
        box->setMaxLength(std::numeric_limits<int>::max());
        box->setFont(formFont);
        box->setPalette(QPalette());
        box->setGeometry(where);
        box->setCursorPosition(0);
        box->installEventFilter(this);
        // The box shows what it asks for only while it is empty; the name
        // keeps saying it.
        box->setAccessibleName(text);
        return box;
    };
    txtName = makeLine("txtName", modTellAFriend::SenderNamePlaceholder(),
                       FormLook::TwipsRect(85, 360, 3375, 285));
    txtEmail = makeLine("txtEmail", modTellAFriend::SenderEmailPlaceholder(),
                        FormLook::TwipsRect(3600, 360, 3375, 285));
    txtFriendName = makeLine("txtFriendName", modTellAFriend::FriendNamePlaceholder(),
                             FormLook::TwipsRect(85, 720, 3375, 285));
    txtFriendEmail = makeLine("txtFriendEmail", modTellAFriend::FriendEmailPlaceholder(),
                              FormLook::TwipsRect(3600, 720, 3375, 285));

    // The message box lies below the frame's visible part. Nobody can see
    // it, so nobody can type into it: it is no stop of the focus order and
    // not announced as showing. Its text still goes into the referral.
    txtMessage = new MultiLineTextBox(this);
    txtMessage->setFocusPolicy(Qt::NoFocus);
    txtMessage->hide();
    txtMessage->setObjectName(QStringLiteral("txtMessage"));
    txtMessage->setFont(formFont);
    txtMessage->setPalette(QPalette());
    txtMessage->setGeometry(FormLook::TwipsRect(4800, 3600, 1815, 495));
    txtMessage->setText(modTellAFriend::MessagePlaceholder() + QStringLiteral("\r\n"));
    txtMessage->installEventFilter(this);
    txtMessage->setAccessibleName(modTellAFriend::MessagePlaceholder());

    cmdSubmit = new QPushButton(QStringLiteral("Refer A Friend &Now"), this);
    cmdSubmit->setObjectName(QStringLiteral("cmdSubmit"));
    cmdSubmit->setFont(FormLook::Verdana(8.25, true));
    cmdSubmit->setPalette(QPalette());
    cmdSubmit->setGeometry(FormLook::TwipsRect(1920, 1080, 3375, 285));
    connect(cmdSubmit, &QPushButton::clicked, this, [this] { cmdSubmit_Click(); });

    setTabOrder(txtName, cmdSubmit);
    setTabOrder(cmdSubmit, txtEmail);
    setTabOrder(txtEmail, txtFriendEmail);
    setTabOrder(txtFriendEmail, txtFriendName);
}

ReferAFriendPanel::~ReferAFriendPanel() = default;

QString ReferAFriendPanel::SpaceRefusedMessage() {
    return QStringLiteral("Email Address Cannot Contain Space");
}

void ReferAFriendPanel::cmdSubmit_Click() {
    using modTellAFriend::TrimSpaces;
    RunStep([&] {
        m_lastValues = {TrimSpaces(txtName->text()), TrimSpaces(txtEmail->text()),
                        TrimSpaces(txtMessage->text()), TrimSpaces(txtFriendName->text()),
                        TrimSpaces(txtFriendEmail->text())};
        if (const std::optional<QString> message = modTellAFriend::CheckEmailAddresses(
                m_lastValues.SenderEmail, m_lastValues.FriendEmail)) {
            m_platform.showMessage(window(), *message, MessageIcon::Critical);
            return;
        }
        if (std::optional<QString> address =
                modTellAFriend::SubmitReferral(m_platform, window(), m_lastValues))
            m_lastAddress = std::move(*address);
    });
    // After a refusal the focus goes to the address the message was about,
    // selected whole, so that what is typed next replaces it.
    if (QLineEdit* box = BoxToCorrect()) {
        box->setFocus(Qt::TabFocusReason);
        box->selectAll();
    }
}

QLineEdit* ReferAFriendPanel::BoxToCorrect() const {
    const modTellAFriend::ReferralValues& v = m_lastValues;
    if (!modTellAFriend::CheckEmailAddresses(v.SenderEmail, v.FriendEmail))
        return nullptr;
    // The same address twice: the friend's is the one to change. Otherwise
    // the first that lacks an "@" or a ".".
    const bool senderProper = v.SenderEmail.contains(u'@') && v.SenderEmail.contains(u'.');
    QLineEdit* box = senderProper || v.SenderEmail == v.FriendEmail ? txtFriendEmail : txtEmail;
    // A box still showing what it asks for would lose that on taking the
    // focus, and a refusal leaves every box as it is.
    return modTellAFriend::TrimSpaces(box->text()) == placeholderOf(box) ? nullptr : box;
}

QString ReferAFriendPanel::textOf(const QObject* box) const {
    if (box == txtMessage)
        return txtMessage->text();
    if (const auto* line = qobject_cast<const QLineEdit*>(box))
        return line->text();
    return {};
}

void ReferAFriendPanel::setTextOf(QObject* box, const QString& text) {
    if (box == txtMessage)
        txtMessage->setText(text);
    else if (auto* line = qobject_cast<QLineEdit*>(box))
        line->setText(text);
}

QString ReferAFriendPanel::placeholderOf(const QObject* box) const {
    if (box == txtName)
        return modTellAFriend::SenderNamePlaceholder();
    if (box == txtEmail)
        return modTellAFriend::SenderEmailPlaceholder();
    if (box == txtFriendName)
        return modTellAFriend::FriendNamePlaceholder();
    if (box == txtFriendEmail)
        return modTellAFriend::FriendEmailPlaceholder();
    if (box == txtMessage)
        return modTellAFriend::MessagePlaceholder();
    return {};
}

void ReferAFriendPanel::GotFocus(QObject* box) {
    // The placeholder goes once Qt has told assistive technology of the
    // focus, which it does only after this event: a screen reader takes a
    // focus that follows a change of the box's text for a repeat and says
    // nothing. Whatever the user does to the box first (a key, a click,
    // leaving it) takes it away at once.
    m_placeholderToClear = box;
    QTimer::singleShot(0, this, [this] { ClearPlaceholder(); });
}

void ReferAFriendPanel::ClearPlaceholder() {
    QObject* box = m_placeholderToClear;
    m_placeholderToClear = nullptr;
    if (box != nullptr && modTellAFriend::TrimSpaces(textOf(box)) == placeholderOf(box))
        setTextOf(box, QString());
}

void ReferAFriendPanel::LostFocus(QObject* box) {
    if (modTellAFriend::TrimSpaces(textOf(box)).isEmpty())
        setTextOf(box, placeholderOf(box));
}

bool ReferAFriendPanel::EmailKeyPress(QLineEdit* box, const QString& typed) {
    if (typed != QStringLiteral(" "))
        return false;
    RunStep(
        [&] { m_platform.showMessage(window(), SpaceRefusedMessage(), MessageIcon::Critical); });
    box->setFocus(Qt::OtherFocusReason);
    return true;
}

bool ReferAFriendPanel::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::InputMethod:
    case QEvent::MouseButtonPress:
    case QEvent::FocusOut:
        if (watched == m_placeholderToClear)
            ClearPlaceholder();
        break;
    default:
        break;
    }
    switch (event->type()) {
    case QEvent::FocusIn:
        if (withinTheForm(static_cast<QFocusEvent*>(event)))
            GotFocus(watched);
        break;
    case QEvent::FocusOut:
        if (withinTheForm(static_cast<QFocusEvent*>(event)))
            LostFocus(watched);
        break;
    case QEvent::KeyPress:
        if (watched == txtEmail || watched == txtFriendEmail) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (EmailKeyPress(static_cast<QLineEdit*>(watched), key->text()))
                return true;
        }
        break;
    default:
        break;
    }
    return QGroupBox::eventFilter(watched, event);
}

} // namespace aurivane
