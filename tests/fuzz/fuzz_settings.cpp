// Property check of the settings shift: every text whose character codes
// lie from 0 to 170 comes back unchanged, the shift never lengthens a text,
// and what it drops is exactly what cannot be shifted.
#include "shell/modHelp.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

using aurivane::modHelp::DecodeSetting;
using aurivane::modHelp::EncodeSetting;

namespace {

void check(bool condition) {
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Bytes as single-byte characters, and pairs of bytes as UTF-16 units.
    QString bytes;
    for (std::size_t i = 0; i < size; ++i)
        bytes += QChar(static_cast<char16_t>(data[i]));
    QString wide;
    for (std::size_t i = 0; i + 1 < size; i += 2)
        wide += QChar(static_cast<char16_t>(data[i] | (data[i + 1] << 8)));

    for (const QString& text : {bytes, wide}) {
        QString keepable;
        for (const QChar c : text) {
            if (c.unicode() <= 170)
                keepable += c;
        }
        check(DecodeSetting(EncodeSetting(keepable)) == keepable);

        const QString encoded = EncodeSetting(text);
        const QString decoded = DecodeSetting(text);
        check(encoded.size() <= text.size());
        check(decoded.size() <= text.size());
        qsizetype dropped = 0;
        for (const QChar c : text) {
            if (c.unicode() >= 171 && c.unicode() <= 255)
                ++dropped;
        }
        check(encoded.size() == text.size() - dropped);
        for (const QChar c : encoded)
            check(c.unicode() >= 85 && c.unicode() <= 255);
        for (const QChar c : decoded)
            check(c.unicode() <= 170);
    }
    return 0;
}
