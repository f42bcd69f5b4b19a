#include "resources.h"

#include <QResource>
#include <QtEndian>

namespace aurivane::Resources {

QImage StoredPixels(const QString& path) {
    return PixelsFromArgb(QResource(path + QStringLiteral(".argb")).uncompressedData());
}

QImage PixelsFromArgb(const QByteArray& data) {
    if constexpr (Q_BYTE_ORDER != Q_LITTLE_ENDIAN)
        return {};
    constexpr qsizetype HeaderSize = 16;
    if (data.size() < HeaderSize || !data.startsWith("ARGB"))
        return {};
    const auto header = [&data](int field) {
        return qFromLittleEndian<quint32>(data.constData() + 4 * field);
    };
    const quint32 width = header(1);
    const quint32 height = header(2);
    const auto format = static_cast<QImage::Format>(header(3));
    constexpr quint32 Largest = 1024;
    if ((format != QImage::Format_RGB32 && format != QImage::Format_ARGB32_Premultiplied) ||
        width == 0 || height == 0 || width > Largest || height > Largest ||
        data.size() != HeaderSize + qsizetype(width) * height * 4)
        return {};
    const QImage pixels(reinterpret_cast<const uchar*>(data.constData() + HeaderSize), int(width),
                        int(height), int(width * 4), format);
    return pixels.copy();
}

} // namespace aurivane::Resources
