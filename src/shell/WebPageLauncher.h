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
    ReferAFriend
};

namespace modHelp {

// The text of the "page=" parameter for a key, e.g. "home-page".
QString KeyText(WebPageKey key);

// The site's address, fixed by the build, + "/aurivane/".
QString ProductBaseAddress();
// ProductBaseAddress() + "ssd.php"
QString PageScriptAddress();
// PageScriptAddress() + "?page=" + the key's text
QString PageAddress(WebPageKey key);

// Opens the page of `key` in the default browser and returns at once.
void OpenWebPage(Platform& platform, WebPageKey key);

} // namespace modHelp

} // namespace aurivane
