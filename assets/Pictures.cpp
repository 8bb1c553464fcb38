#include "assets/Pictures.h"

#include <QFile>
#include <QString>

#include "assets/JpegCodec.h"

// The resources live in a static library: registering them here by name also keeps the linker
// from dropping them. Outside every namespace, as the registration macro requires.
static void RegisterResources() {
    static const bool registered = [] {
        Q_INIT_RESOURCE(assets);
        return true;
    }();
    (void)registered;
}

namespace {

QByteArray ReadResource(const QString& path) {
    RegisterResources();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return file.readAll();
}

QImage LoadPng(const QString& path) {
    QImage image;
    image.loadFromData(ReadResource(path), "PNG");
    return image;
}

}  // namespace

namespace sim {

QImage ApparatusPhoto() {
    return LoadPng(QStringLiteral(":/assets/apparatus_photo.png"));
}

QImage LidSymbol() {
    return DecodeJpeg(ReadResource(QStringLiteral(":/assets/lid_symbol.jpg")));
}

QImage SourceIcon() {
    return LoadPng(QStringLiteral(":/assets/source_icon.png"));
}

namespace {

QString GuidePage(const QString& stem, const QString& language) {
    QByteArray page =
        ReadResource(QStringLiteral(":/assets/guide/%1_%2.html").arg(stem, language));
    if (page.isEmpty()) {
        page = ReadResource(QStringLiteral(":/assets/guide/%1_hu.html").arg(stem));
    }
    return QString::fromUtf8(page);
}

}  // namespace

QString UserGuide(const QString& language) {
    return GuidePage(QStringLiteral("leiras"), language);
}

QString PhysicsGuide(const QString& language) {
    return GuidePage(QStringLiteral("fizika"), language);
}

QIcon AppIcon() {
    RegisterResources();
    QIcon icon;
    icon.addFile(QStringLiteral(":/assets/app_icon_64.png"), QSize(64, 64));
    icon.addFile(QStringLiteral(":/assets/app_icon_256.png"), QSize(256, 256));
    return icon;
}

}  // namespace sim
