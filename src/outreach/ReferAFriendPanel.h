#pragma once

#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPointer>

#include <array>

class QLineEdit;
class QPushButton;

namespace aurivane {

class Platform;

// A multi-line text box whose text has Windows line ends: every line break
// reads as a carriage return and a line feed. Its `text` property is that
// text, as a line box's is.
class MultiLineTextBox : public QPlainTextEdit {
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText)
public:
    explicit MultiLineTextBox(QWidget* parent = nullptr) : QPlainTextEdit(parent) {
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        setTabChangesFocus(true);
    }
    QString text() const { return toPlainText().replace(u'\n', QStringLiteral("\r\n")); }
    void setText(const QString& text) {
        setPlainText(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    }
};

// The "Refer A Friend" frame of the support screen: five boxes that show a
// placeholder while empty, two e-mail boxes that refuse typed spaces, and
// the button that checks the entries and opens the referral address.
class ReferAFriendPanel : public QGroupBox {
    Q_OBJECT
public:
    ReferAFriendPanel(Platform& platform, QWidget* parent = nullptr);

    void cmdSubmit_Click();
    // The last address sent.
    const QString& lastAddress() const { return m_lastAddress; }

    QLineEdit* txtName = nullptr;
    QLineEdit* txtEmail = nullptr;
    QLineEdit* txtFriendName = nullptr;
    QLineEdit* txtFriendEmail = nullptr;
    MultiLineTextBox* txtMessage = nullptr;
    QPushButton* cmdSubmit = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString PlaceholderOf(const QObject* box) const;
    // Takes the placeholder away from the box that took the focus last.
    void ClearPlaceholder();

    Platform& m_platform;
    QString m_lastAddress;
    // The boxes in the order of modTellAFriend::Entries.
    std::array<QWidget*, 5> m_boxes{};
    // The box whose placeholder goes next (see eventFilter).
    QPointer<QObject> m_placeholderToClear;
};

} // namespace aurivane
