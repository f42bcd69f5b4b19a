#pragma once

#include <QString>

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

// What each box shows while it holds nothing of the user's.
QString SenderNamePlaceholder();
QString SenderEmailPlaceholder();
QString MessagePlaceholder();
QString FriendNamePlaceholder();
QString FriendEmailPlaceholder();

// Leading and trailing spaces removed; tabs and line breaks stay.
QString TrimSpaces(const QString& text);

// The refer-a-friend page address carrying the five values. Each value is
// percent-encoded as UTF-8 so that "&", "#", "+" or a line break in it
// cannot break the address apart; the fixed pieces go in as they are.
QString BuildReferralAddress(const ReferralValues& values);

// The first stage of a referral: the e-mail addresses, each trimmed of
// spaces, must differ from each other (exactly, case-sensitively) and each
// hold an "@" and a "." anywhere. Returns the message to show for the first
// check that fails, or std::nullopt when both pass.
std::optional<QString> CheckEmailAddresses(const QString& senderEmail, const QString& friendEmail);

// The second stage: the values in order, each neither empty nor its
// placeholder once trimmed. Returns the message of the first that fails, or
// std::nullopt.
std::optional<QString> CheckValues(const ReferralValues& values);

// Checks `values` (CheckValues); a failure shows its message, which belongs
// to `owner`, and gives std::nullopt. Otherwise builds the address, opens it
// and returns it.
std::optional<QString> SubmitReferral(Platform& platform, QWidget* owner,
                                      const ReferralValues& values);

} // namespace modTellAFriend

} // namespace aurivane
