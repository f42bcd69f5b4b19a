#pragma once

#include <QString>

class QWidget;

namespace aurivane {

class Platform;

namespace modTellAFriend {

// The five entries of the last refer-a-friend attempt, trimmed.
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

// The values of the last attempt and the last address built from them.
ReferralValues& Values();
const QString& ReferralAddress();

// The refer-a-friend page address carrying the five values. Each value is
// percent-encoded as UTF-8 so that "&", "#", "+" or a line break in it
// cannot break the address apart; the fixed pieces go in as they are.
QString BuildReferralAddress(const ReferralValues& values);

// Checks the stored values in order (each must be neither empty nor its
// placeholder); the first that fails shows its message and stops.
// Otherwise builds the address and opens it. Its messages belong to `owner`.
void SubmitReferral(Platform& platform, QWidget* owner);

} // namespace modTellAFriend

} // namespace aurivane
