// Opens web addresses the way the program does, through the real platform,
// for tst_webpagelauncher. Each argument is an address, or "--page=<key>"
// for the address of one of the site's pages. Exits with 0 when every
// address was handed over.
#include "platform/QtPlatform.h"
#include "shell/WebPageLauncher.h"

#include <QApplication>

#include <array>
#include <cstdio>

using namespace aurivane;

namespace {

QString AddressOf(const QString& argument) {
    const QString pagePrefix = QStringLiteral("--page=");
    if (!argument.startsWith(pagePrefix))
        return argument;
    const QString key = argument.mid(pagePrefix.size());
    constexpr std::array keys{WebPageKey::HomePage,           WebPageKey::HelpWebPage,
                              WebPageKey::DownloadWebPage,    WebPageKey::Donate,
                              WebPageKey::FullyBranded,       WebPageKey::CoBrand,
                              WebPageKey::QuillmoorSoftwares, WebPageKey::ReferAFriend};
    for (const WebPageKey candidate : keys) {
        if (modHelp::KeyText(candidate) == key)
            return modHelp::PageAddress(candidate);
    }
    return {};
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QtPlatform platform;
    int failures = 0;
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    for (const QString& argument : arguments) {
        const QString address = AddressOf(argument);
        if (address.isEmpty() || !platform.openWebAddress(address)) {
            std::fprintf(stderr, "not handed over: %s\n", qPrintable(argument));
            ++failures;
        }
    }
    return failures == 0 ? 0 : 2;
}
