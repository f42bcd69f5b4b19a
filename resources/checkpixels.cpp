// Run when the program is built: each picture named on the command line must
// have beside it (<picture>.argb) exactly the pixels decoding the picture
// gives, in the format the program copies them in. A stale file fails the
// build with the name of the picture to redraw.

#include "resources.h"

#include <QCoreApplication>
#include <QFile>
#include <QImage>

#include <cstdio>

int main(int argc, char* argv[]) {
    // The application object lets QImage find its image plugins (JPEG).
    const QCoreApplication application(argc, argv);
    int stale = 0;
    for (const QString& picture : QCoreApplication::arguments().mid(1)) {
        QFile file(picture + QStringLiteral(".argb"));
        const QImage stored = file.open(QIODevice::ReadOnly)
                                  ? aurivane::Resources::PixelsFromArgb(file.readAll())
                                  : QImage();
        QImage decoded(picture);
        if (!decoded.isNull())
            decoded = decoded.convertToFormat(decoded.hasAlphaChannel()
                                                  ? QImage::Format_ARGB32_Premultiplied
                                                  : QImage::Format_RGB32);
        if (decoded.isNull() || stored != decoded) {
            std::fprintf(stderr,
                         "%s.argb does not hold the pixels of its picture; redraw it with "
                         "tools/artwork\n",
                         qPrintable(picture));
            ++stale;
        }
    }
    return stale == 0 ? 0 : 1;
}
