#include "modTellAFriend.h"

#include "platform/Platform.h"
#include "shell/WebPageLauncher.h"

#include <QUrl>

namespace aurivane::modTellAFriend {

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
    QString address = modHelp::PageAddress(WebPageKey::ReferAFriend);
    for (std::size_t i = 0; i < Entries.size(); ++i)
        address += QStringLiteral("&taf%1=").arg(i + 1) +
                   QString::fromLatin1(QUrl::toPercentEncoding(values.*Entries.at(i).Value));
    return address + QStringLiteral("&taf6=") + modHelp::ProductBaseAddress();
}

std::optional<AddressRefusal> CheckEmailAddresses(const QString& senderEmail,
                                                  const QString& friendEmail) {
    const QString mine = TrimSpaces(senderEmail);
    const QString friends = TrimSpaces(friendEmail);
    if (mine == friends)
        return AddressRefusal{QStringLiteral("Please Enter Distinct Email Addresses"), true};
    const auto proper = [](const QString& address) {
        return address.contains(u'@') && address.contains(u'.');
    };
    if (!proper(mine) || !proper(friends))
        return AddressRefusal{QStringLiteral("Please Enter Proper Email Address"), proper(mine)};
    return std::nullopt;
}

std::optional<QString> SubmitReferral(Platform& platform, QWidget* owner,
                                      const ReferralValues& values) {
    for (const Entry& entry : Entries) {
        const QString value = TrimSpaces(values.*entry.Value);
        if (value.isEmpty() || value == entry.Placeholder) {
            platform.showMessage(owner, entry.MissingMessage.toString(), MessageIcon::Critical);
            return std::nullopt;
        }
    }
    QString address = BuildReferralAddress(values);
    platform.openWebAddress(address);
    return address;
}

} // namespace aurivane::modTellAFriend
