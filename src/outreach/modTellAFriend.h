#pragma once

#include <QString>
#include <QStringView>

#include <array>
#include <optional>

class QWidget;

namespace aurivane {

class Platform;

namespace modTellAFriend {

// The five entries of a refer-a-friend attempt, trimmed.
struct ReferralValues {
    QString SenderName;
    QString SenderEmail;
    QString MessageText;
    QString FriendName;
    QString FriendEmail;
};

// Each entry in the order it is checked and sent (taf1 to taf5): what its box
// shows while it holds nothing of the user's, and the message when it is missing.
struct Entry {
    QString ReferralValues::*Value;
    QStringView Placeholder;
    QStringView MissingMessage;
};
inline constexpr std::array<Entry, 5> Entries{{
    {&ReferralValues::SenderName, u"Your Name", u"Please Enter Your Name"},
    {&ReferralValues::SenderEmail, u"Your Email Address", u"Please Enter Your Email"},
    {&ReferralValues::MessageText, u"Your Message", u"Please Enter Your Message"},
    {&ReferralValues::FriendName, u"Friend's Name", u"Please Enter Your Friend's Name"},
    {&ReferralValues::FriendEmail, u"Friend's Email Address", u"Please Enter Your Friend's Email"},
}};

// Leading and trailing spaces removed; tabs and line breaks stay.
QString TrimSpaces(const QString& text);

// The refer-a-friend page address carrying the five values, each
// percent-encoded as UTF-8 so that "&", "#", "+" or a line break in it cannot
// break the address apart.
QString BuildReferralAddress(const ReferralValues& values);

// Why the two e-mail addresses were refused, and which of them to change.
struct AddressRefusal {
    QString Message;
    bool FriendsAddress = false;
};

// The first stage of a referral: the addresses, trimmed of spaces, must
// differ (exactly, case-sensitively) and each hold an "@" and a ".".
// The same address twice is the friend's to change; otherwise the first
// improper one.
std::optional<AddressRefusal> CheckEmailAddresses(const QString& senderEmail,
                                                  const QString& friendEmail);

// The second stage: each value, trimmed, neither empty nor its placeholder.
// The first that fails shows its message, which belongs to `owner`, and
// gives std::nullopt; otherwise the address is built, opened and returned.
std::optional<QString> SubmitReferral(Platform& platform, QWidget* owner,
                                      const ReferralValues& values);

} // namespace modTellAFriend

} // namespace aurivane
