#include "WebPageLauncher.h"

#include "platform/Platform.h"

#include <array>

#ifndef AURIVANE_SITE_BASE_ADDRESS
#error "AURIVANE_SITE_BASE_ADDRESS must be set by the build"
#endif

namespace aurivane::modHelp {

QString KeyText(WebPageKey key) {
    static constexpr std::array<QStringView, 8> Texts{
        u"home-page",     u"help-web-page", u"download-web-page",  u"donate",
        u"fully-branded", u"co-brand",      u"quillmoorsoftwares", u"qmms-refer-a-friend"};
    static_assert(Texts.size() == static_cast<std::size_t>(WebPageKey::ReferAFriend) + 1);
    return Texts.at(static_cast<std::size_t>(key)).toString();
}

QString ProductBaseAddress() {
    return QStringLiteral(AURIVANE_SITE_BASE_ADDRESS "/aurivane/");
}

QString PageScriptAddress() {
    return ProductBaseAddress() + QStringLiteral("ssd.php");
}

QString PageAddress(WebPageKey key) {
    return PageScriptAddress() + QStringLiteral("?page=") + KeyText(key);
}

void OpenWebPage(Platform& platform, WebPageKey key) {
    // A browser that cannot be started is not the user's concern here: the
    // calling window carries on either way.
    platform.openWebAddress(PageAddress(key));
}

} // namespace aurivane::modHelp
