// Leaks one block on purpose after loading every image plugin and decoding
// a JPEG picture, as the form suites do. In a sanitizer build LeakSanitizer
// must report exactly that block at exit, and not fail on its own.
#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>

#include <cstdlib>

void* volatile lost = nullptr;

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (QImageReader::supportedImageFormats().isEmpty())
        return 2;
    QImage picture(16, 16, QImage::Format_RGB32);
    picture.fill(Qt::darkRed);
    QBuffer jpeg;
    if (!jpeg.open(QIODevice::ReadWrite) || !picture.save(&jpeg, "JPG"))
        return 3;
    if (QImage::fromData(jpeg.data(), "JPG").isNull())
        return 4;
    lost = std::malloc(4242);
    lost = nullptr;
    return 0;
}
