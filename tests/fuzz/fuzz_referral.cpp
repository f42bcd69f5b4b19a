// Property check of the refer-a-friend address: the input is split at each
// 0xFF byte (never part of UTF-8) into the five entries, which are trimmed
// as the support screen does and built into the address. The address must
// keep its fixed pieces, carry exactly taf1 to taf6 in order, hold only
// unreserved characters and upper-case %XX escapes in each value, and give
// back every trimmed entry unchanged once percent-decoded.
#include "outreach/modTellAFriend.h"
#include "shell/WebPageLauncher.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace aurivane;

namespace {

void check(bool condition) {
    if (!condition)
        std::abort();
}

bool unreserved(QChar c) {
    const char16_t u = c.unicode();
    return (u >= u'A' && u <= u'Z') || (u >= u'a' && u <= u'z') || (u >= u'0' && u <= u'9') ||
           u == u'-' || u == u'.' || u == u'_' || u == u'~';
}

bool upperHex(QChar c) {
    const char16_t u = c.unicode();
    return (u >= u'0' && u <= u'9') || (u >= u'A' && u <= u'F');
}

// Every character unreserved, every '%' followed by two upper-case hex digits.
bool wellEncoded(const QString& value) {
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value.at(i) == u'%') {
            if (i + 2 >= value.size() || !upperHex(value.at(i + 1)) || !upperHex(value.at(i + 2)))
                return false;
            i += 2;
        } else if (!unreserved(value.at(i))) {
            return false;
        }
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::array<QByteArray, 5> pieces;
    std::size_t which = 0;
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0xFF) {
            if (++which == pieces.size())
                break;
        } else {
            pieces.at(which) += static_cast<char>(data[i]);
        }
    }
    std::array<QString, 5> entries;
    for (std::size_t i = 0; i < pieces.size(); ++i)
        entries.at(i) = modTellAFriend::TrimSpaces(QString::fromUtf8(pieces.at(i)));

    const modTellAFriend::ReferralValues values{entries[0], entries[1], entries[2], entries[3],
                                                entries[4]};
    const QString address = modTellAFriend::BuildReferralAddress(values);

    const QString prefix = modHelp::PageScriptAddress() + QStringLiteral("?page=") +
                           modHelp::KeyText(WebPageKey::ReferAFriend);
    check(address.startsWith(prefix));
    qsizetype at = prefix.size();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const QString name = QStringLiteral("&taf%1=").arg(i + 1);
        check(address.mid(at, name.size()) == name);
        at += name.size();
        const qsizetype end = address.indexOf(u'&', at);
        check(end >= 0);
        const QString value = address.mid(at, end - at);
        check(wellEncoded(value));
        const QString decoded =
            QString::fromUtf8(QByteArray::fromPercentEncoding(value.toLatin1()));
        check(decoded == entries.at(i));
        at = end;
    }
    check(address.mid(at) == QStringLiteral("&taf6=") + modHelp::ProductBaseAddress());
    return 0;
}
