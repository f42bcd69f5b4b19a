#include "modTellAFriend.h"

#include "platform/Platform.h"
#include "shell/WebPageLauncher.h"

#include <QUrl>

namespace aurivane::modTellAFriend {

namespace {

QString encoded(const QString& value) {
    return QString::fromLatin1(QUrl::toPercentEncoding(value));
}

// True when the value is empty or still the box's placeholder.
bool missing(const QString& value, const QString& placeholder) {
    const QString trimmed = TrimSpaces(value);
    return trimmed.isEmpty() || trimmed == placeholder;
}

} // namespace

QString SenderNamePlaceholder() {
    return QStringLiteral("Your Name");
}

QString SenderEmailPlaceholder() {
    return QStringLiteral("Your Email Address");
}

QString MessagePlaceholder() {
    return QStringLiteral("Your Message");
}

QString FriendNamePlaceholder() {
    return QStringLiteral("Friend's Name");
}

QString FriendEmailPlaceholder() {
    return QStringLiteral("Friend's Email Address");
}

QString TrimSpaces(const QString& text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == u' ')
        ++first;
    while (last > first && text.at(last - 1) == u' ')
        --last;
    return text.mid(first, last - first);
}

QString BuildReferralAddress(const ReferralValues& values) {
    return modHelp::PageScriptAddress() + u'?' + QStringLiteral("page=") +
           modHelp::KeyText(WebPageKey::ReferAFriend) + QStringLiteral("&taf1=") +
           encoded(values.SenderName) + QStringLiteral("&taf2=") + encoded(values.SenderEmail) +
           QStringLiteral("&taf3=") + encoded(values.MessageText) + QStringLiteral("&taf4=") +
           encoded(values.FriendName) + QStringLiteral("&taf5=") + encoded(values.FriendEmail) +
           QStringLiteral("&taf6=") + modHelp::ProductBaseAddress();
}

std::optional<QString> CheckEmailAddresses(const QString& senderEmail, const QString& friendEmail) {
    const QString mine = TrimSpaces(senderEmail);
    const QString friends = TrimSpaces(friendEmail);
    if (mine == friends)
        return QStringLiteral("Please Enter Distinct Email Addresses");
    const auto proper = [&](QChar c) { return mine.contains(c) && friends.contains(c); };
    if (!proper(u'@') || !proper(u'.'))
        return QStringLiteral("Please Enter Proper Email Address");
    return std::nullopt;
}

std::optional<QString> CheckValues(const ReferralValues& values) {
    const struct {
        const QString& value;
        QString placeholder;
        QString message;
    } checks[] = {
        {values.SenderName, SenderNamePlaceholder(), QStringLiteral("Please Enter Your Name")},
        {values.SenderEmail, SenderEmailPlaceholder(), QStringLiteral("Please Enter Your Email")},
        {values.MessageText, MessagePlaceholder(), QStringLiteral("Please Enter Your Message")},
        {values.FriendName, FriendNamePlaceholder(),
         QStringLiteral("Please Enter Your Friend's Name")},
        {values.FriendEmail, FriendEmailPlaceholder(),
         QStringLiteral("Please Enter Your Friend's Email")},
    };
    for (const auto& check : checks) {
        if (missing(check.value, check.placeholder))
            return check.message;
    }
    return std::nullopt;
}

std::optional<QString> SubmitReferral(Platform& platform, QWidget* owner,
                                      const ReferralValues& values) {
    if (const std::optional<QString> message = CheckValues(values)) {
        platform.showMessage(owner, *message, MessageIcon::Critical);
        return std::nullopt;
    }
    QString address = BuildReferralAddress(values);
    modHelp::OpenWebAddress(platform, address);
    return address;
}

} // namespace aurivane::modTellAFriend
