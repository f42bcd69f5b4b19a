#pragma once

#include <QString>

namespace aurivane {

class Platform;

// The pages of the maker's site, each named by the value of the address's
// "page=" parameter.
enum class WebPageKey {
    HomePage,
    HelpWebPage,
    DownloadWebPage,
    Donate,
    FullyBranded,
    CoBrand,
    QuillmoorSoftwares,
    ReferAFriend,
};

namespace modHelp {

// The text of the "page=" parameter for a key, e.g. "home-page".
QString KeyText(WebPageKey key);

// Scheme and host of the maker's site, without a trailing slash.
QString SiteBaseAddress();
// SiteBaseAddress() + "/aurivane/"
QString ProductBaseAddress();
// ProductBaseAddress() + "ssd.php"
QString PageScriptAddress();
// PageScriptAddress() + "?page=" + the key's text
QString PageAddress(WebPageKey key);

// Opens the page of `key` in the default browser.
void OpenWebPage(Platform& platform, WebPageKey key);

// Hands `address` to the default browser as it stands and returns at once;
// whether the browser could be started is not examined.
void OpenWebAddress(Platform& platform, const QString& address);

} // namespace modHelp

} // namespace aurivane
