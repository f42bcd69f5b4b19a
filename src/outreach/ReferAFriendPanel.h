#pragma once

#include "modTellAFriend.h"

#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPointer>

class QLineEdit;
class QPushButton;

namespace aurivane {

class Platform;

// A multi-line text box whose text has Windows line ends: every line break
// reads as a carriage return and a line feed.
class MultiLineTextBox : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit MultiLineTextBox(QWidget* parent = nullptr);
    QString text() const;
    void setText(const QString& text);
};

// The "Refer A Friend" frame of the support screen: five boxes that show a
// placeholder while empty, two e-mail boxes that refuse typed spaces, and
// the button that checks the entries and opens the referral address.
class ReferAFriendPanel : public QGroupBox {
    Q_OBJECT
public:
    ReferAFriendPanel(Platform& platform, QWidget* parent = nullptr);
    ~ReferAFriendPanel() override;

    // First stage of a referral: keeps the trimmed entries, checks the
    // e-mail addresses, then hands over to modTellAFriend::SubmitReferral.
    void cmdSubmit_Click();

    // The entries of the last attempt, and the last address sent.
    const modTellAFriend::ReferralValues& lastValues() const { return m_lastValues; }
    const QString& lastAddress() const { return m_lastAddress; }

    static QString SpaceRefusedMessage();

    QLineEdit* txtName = nullptr;
    QLineEdit* txtEmail = nullptr;
    QLineEdit* txtFriendName = nullptr;
    QLineEdit* txtFriendEmail = nullptr;
    MultiLineTextBox* txtMessage = nullptr;
    QPushButton* cmdSubmit = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString textOf(const QObject* box) const;
    void setTextOf(QObject* box, const QString& text);
    QString placeholderOf(const QObject* box) const;
    // The e-mail box holding the user's own text that the message of the
    // last refused attempt was about; nullptr for any other outcome.
    QLineEdit* BoxToCorrect() const;
    void GotFocus(QObject* box);
    void LostFocus(QObject* box);
    // Takes away the placeholder of the box that took the focus last, if
    // it still shows it.
    void ClearPlaceholder();
    // True when the keystroke was refused.
    bool EmailKeyPress(QLineEdit* box, const QString& typed);

    Platform& m_platform;
    modTellAFriend::ReferralValues m_lastValues;
    QString m_lastAddress;
    // The box whose placeholder goes next (see GotFocus).
    QPointer<QObject> m_placeholderToClear;
};

} // namespace aurivane
