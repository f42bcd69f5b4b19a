#include "WebPageLauncher.h"

#include "platform/Platform.h"

#ifndef AURIVANE_SITE_BASE_ADDRESS
#error "AURIVANE_SITE_BASE_ADDRESS must be set by the build"
#endif

namespace aurivane::modHelp {

QString KeyText(WebPageKey key) {
    switch (key) {
    case WebPageKey::HomePage:
        return QStringLiteral("home-page");
    case WebPageKey::HelpWebPage:
        return QStringLiteral("help-web-page");
    case WebPageKey::DownloadWebPage:
        return QStringLiteral("download-web-page");
    case WebPageKey::Donate:
        return QStringLiteral("donate");
    case WebPageKey::FullyBranded:
        return QStringLiteral("fully-branded");
    case WebPageKey::CoBrand:
        return QStringLiteral("co-brand");
    case WebPageKey::QuillmoorSoftwares:
        return QStringLiteral("quillmoorsoftwares");
    case WebPageKey::ReferAFriend:
        return QStringLiteral("qmms-refer-a-friend");
    }
    return QStringLiteral("home-page");
}

QString SiteBaseAddress() {
    return QStringLiteral(AURIVANE_SITE_BASE_ADDRESS);
}

QString ProductBaseAddress() {
    return SiteBaseAddress() + QStringLiteral("/aurivane/");
}

QString PageScriptAddress() {
    return ProductBaseAddress() + QStringLiteral("ssd.php");
}

QString PageAddress(WebPageKey key) {
    return PageScriptAddress() + u'?' + QStringLiteral("page=") + KeyText(key);
}

void OpenWebPage(Platform& platform, WebPageKey key) {
    OpenWebAddress(platform, PageAddress(key));
}

void OpenWebAddress(Platform& platform, const QString& address) {
    // Fire and forget: a browser that cannot be started is not the user's
    // concern here, and the calling window carries on either way.
    static_cast<void>(platform.openWebAddress(address));
}

} // namespace aurivane::modHelp
