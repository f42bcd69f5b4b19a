#include "modTellAFriend.h"

#include "platform/Platform.h"
#include "shell/WebPageLauncher.h"

#include <QUrl>

namespace aurivane::modTellAFriend {

namespace {

ReferralValues g_values;
QString g_address;

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

ReferralValues& Values() {
    return g_values;
}

const QString& ReferralAddress() {
    return g_address;
}

QString BuildReferralAddress(const ReferralValues& values) {
    return modHelp::PageScriptAddress() + u'?' + QStringLiteral("page=") +
           modHelp::KeyText(WebPageKey::ReferAFriend) + QStringLiteral("&taf1=") +
           encoded(values.SenderName) + QStringLiteral("&taf2=") + encoded(values.SenderEmail) +
           QStringLiteral("&taf3=") + encoded(values.MessageText) + QStringLiteral("&taf4=") +
           encoded(values.FriendName) + QStringLiteral("&taf5=") + encoded(values.FriendEmail) +
           QStringLiteral("&taf6=") + modHelp::ProductBaseAddress();
}

void SubmitReferral(Platform& platform, QWidget* owner) {
    const struct {
        const QString& value;
        QString placeholder;
        QString message;
    } checks[] = {
        {g_values.SenderName, SenderNamePlaceholder(), QStringLiteral("Please Enter Your Name")},
        {g_values.SenderEmail, SenderEmailPlaceholder(), QStringLiteral("Please Enter Your Email")},
        {g_values.MessageText, MessagePlaceholder(), QStringLiteral("Please Enter Your Message")},
        {g_values.FriendName, FriendNamePlaceholder(),
         QStringLiteral("Please Enter Your Friend's Name")},
        {g_values.FriendEmail, FriendEmailPlaceholder(),
         QStringLiteral("Please Enter Your Friend's Email")},
    };
    for (const auto& check : checks) {
        if (missing(check.value, check.placeholder)) {
            platform.showMessage(owner, check.message, MessageIcon::Critical);
            return;
        }
    }
    g_address = BuildReferralAddress(g_values);
    modHelp::OpenWebAddress(platform, g_address);
}

} // namespace aurivane::modTellAFriend
