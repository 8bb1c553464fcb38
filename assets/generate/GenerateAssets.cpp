// Paints the shipped pictures and writes them into the folder given as the only argument.

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "assets/JpegCodec.h"
#include "assets/Pictures.h"
#include "assets/generate/Artwork.h"

namespace {

bool WritePng(const QDir& dir, const char* name, const QImage& image) {
    const QString path = dir.filePath(QString::fromLatin1(name));
    if (image.isNull() || !image.save(path, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s %dx%d\n", qPrintable(path), image.width(), image.height());
    return true;
}

bool WriteJpeg(const QDir& dir, const char* name, const QImage& image) {
    const QString path = dir.filePath(QString::fromLatin1(name));
    const QByteArray bytes = sim::EncodeJpeg(image, 92);
    QFile file(path);
    if (bytes.isEmpty() || !file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s %dx%d\n", qPrintable(path), image.width(), image.height());
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: generate_assets <assets folder>\n");
        return EXIT_FAILURE;
    }
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QGuiApplication app(argc, argv);
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!dir.exists()) {
        std::fprintf(stderr, "no such folder: %s\n", argv[1]);
        return EXIT_FAILURE;
    }
    using namespace sim;
    bool written =
        WritePng(dir, "apparatus_photo.png",
                 artwork::PaintApparatusPhoto(kApparatusPhotoWidth, kApparatusPhotoHeight)) &&
        WriteJpeg(dir, "lid_symbol.jpg", artwork::PaintLidSymbol(kLidSymbolPictureSize)) &&
        WritePng(dir, "source_icon.png", artwork::PaintSourceIcon(kSourceIconSize));
    // The desktop's icon theme sizes, each painted at its size rather than scaled; the program
    // itself carries 64 and 256.
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const std::string name = "app_icon_" + std::to_string(size) + ".png";
        written = written && WritePng(dir, name.c_str(), artwork::PaintAppIcon(size));
    }
    return written ? EXIT_SUCCESS : EXIT_FAILURE;
}
