#include "ReferAFriendPanel.h"

#include "formkit/FormLook.h"
#include "modTellAFriend.h"
#include "platform/Platform.h"
#include "platform/Steps.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <limits>

namespace aurivane {

using modTellAFriend::TrimSpaces;

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

    const auto makeLine = [this](const char* name, QRect where) {
        auto* box = new QLineEdit(this);
        box->setObjectName(QString::fromLatin1(name));
        // Whatever the user pastes goes to the site whole.
        box->setMaxLength(std::numeric_limits<int>::max());
        box->setGeometry(where);
        return box;
    };
    txtName = makeLine("txtName", FormLook::TwipsRect(85, 360, 3375, 285));
    txtEmail = makeLine("txtEmail", FormLook::TwipsRect(3600, 360, 3375, 285));
    txtFriendName = makeLine("txtFriendName", FormLook::TwipsRect(85, 720, 3375, 285));
    txtFriendEmail = makeLine("txtFriendEmail", FormLook::TwipsRect(3600, 720, 3375, 285));
    // The message box lies below the frame's visible part, where nobody can
    // see it or type into it: no stop of the focus order, not announced as
    // showing. Its text still goes into the referral.
    txtMessage = new MultiLineTextBox(this);
    txtMessage->setObjectName(QStringLiteral("txtMessage"));
    txtMessage->setFocusPolicy(Qt::NoFocus);
    txtMessage->hide();
    txtMessage->setGeometry(FormLook::TwipsRect(4800, 3600, 1815, 495));

    m_boxes = {txtName, txtEmail, txtMessage, txtFriendName, txtFriendEmail};
    for (std::size_t i = 0; i < m_boxes.size(); ++i) {
        QWidget* box = m_boxes.at(i);
        const QString placeholder = modTellAFriend::Entries.at(i).Placeholder.toString();
        box->setFont(formFont);
        // The form's colours, not the frame's blue.
        box->setPalette(QPalette());
        // A box shows what it asks for only while it is empty; its name keeps
        // saying it.
        box->setProperty("text",
                         box == txtMessage ? placeholder + QStringLiteral("\r\n") : placeholder);
        box->setAccessibleName(placeholder);
        box->installEventFilter(this);
    }
    for (QLineEdit* line : {txtName, txtEmail, txtFriendName, txtFriendEmail})
        line->setCursorPosition(0);

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

void ReferAFriendPanel::cmdSubmit_Click() {
    QLineEdit* toCorrect = nullptr;
    RunStep([&] {
        const modTellAFriend::ReferralValues values{
            TrimSpaces(txtName->text()), TrimSpaces(txtEmail->text()),
            TrimSpaces(txtMessage->text()), TrimSpaces(txtFriendName->text()),
            TrimSpaces(txtFriendEmail->text())};
        if (const auto refusal =
                modTellAFriend::CheckEmailAddresses(values.SenderEmail, values.FriendEmail)) {
            toCorrect = refusal->FriendsAddress ? txtFriendEmail : txtEmail;
            m_platform.showMessage(window(), refusal->Message, MessageIcon::Critical);
            return;
        }
        if (std::optional<QString> address =
                modTellAFriend::SubmitReferral(m_platform, window(), values))
            m_lastAddress = std::move(*address);
    });
    // The focus goes to the refused address, selected whole, so that what is
    // typed next replaces it; not to a box still showing what it asks for,
    // which would lose that on taking the focus.
    if (toCorrect != nullptr && TrimSpaces(toCorrect->text()) != PlaceholderOf(toCorrect)) {
        toCorrect->setFocus(Qt::TabFocusReason);
        toCorrect->selectAll();
    }
}

QString ReferAFriendPanel::PlaceholderOf(const QObject* box) const {
    for (std::size_t i = 0; i < m_boxes.size(); ++i) {
        if (m_boxes.at(i) == box)
            return modTellAFriend::Entries.at(i).Placeholder.toString();
    }
    return {};
}

void ReferAFriendPanel::ClearPlaceholder() {
    QObject* box = m_placeholderToClear;
    m_placeholderToClear = nullptr;
    if (box != nullptr && TrimSpaces(box->property("text").toString()) == PlaceholderOf(box))
        box->setProperty("text", QString());
}

bool ReferAFriendPanel::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    // Whatever the user does to the box first takes its placeholder at once.
    if (watched == m_placeholderToClear &&
        (type == QEvent::KeyPress || type == QEvent::InputMethod ||
         type == QEvent::MouseButtonPress || type == QEvent::FocusOut))
        ClearPlaceholder();
    // Moving the focus to another window, or to a menu, is not the user
    // entering or leaving the box.
    const bool focusWithin =
        (type == QEvent::FocusIn || type == QEvent::FocusOut) &&
        static_cast<QFocusEvent*>(event)->reason() != Qt::ActiveWindowFocusReason &&
        static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason;
    if (focusWithin && type == QEvent::FocusIn) {
        // The placeholder goes once Qt has told assistive technology of the
        // focus, after this event: a screen reader takes a focus that follows
        // a change of the box's text for a repeat and says nothing.
        m_placeholderToClear = watched;
        QTimer::singleShot(0, this, [this] { ClearPlaceholder(); });
    } else if (focusWithin) {
        if (TrimSpaces(watched->property("text").toString()).isEmpty())
            watched->setProperty("text", PlaceholderOf(watched));
    } else if (type == QEvent::KeyPress && (watched == txtEmail || watched == txtFriendEmail) &&
               static_cast<QKeyEvent*>(event)->text() == QStringLiteral(" ")) {
        RunStep([&] {
            m_platform.showMessage(window(), QStringLiteral("Email Address Cannot Contain Space"),
                                   MessageIcon::Critical);
        });
        static_cast<QWidget*>(watched)->setFocus(Qt::OtherFocusReason);
        return true;
    }
    return QGroupBox::eventFilter(watched, event);
}

} // namespace aurivane
