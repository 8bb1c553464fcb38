#include <gtest/gtest.h>

#include <QColor>
#include <QFile>
#include <QImage>

#include "assets/JpegCodec.h"
#include "assets/Pictures.h"

namespace sim {
namespace {

QByteArray ShippedLidSymbolBytes() {
    (void)LidSymbol();  // registers the resources
    QFile file(QStringLiteral(":/assets/lid_symbol.jpg"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool IsYellow(QRgb c) {
    return qRed(c) > 200 && qGreen(c) > 180 && qBlue(c) < 90;
}

bool IsLidGrey(QRgb c) {
    return std::abs(qRed(c) - 128) <= 12 && std::abs(qGreen(c) - 128) <= 12 &&
           std::abs(qBlue(c) - 128) <= 12;
}

int Distance(QRgb a, QRgb b) {
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                     std::abs(qBlue(a) - qBlue(b))});
}

TEST(JpegCodec, DecodesTheShippedLidSymbol) {
    const QByteArray bytes = ShippedLidSymbolBytes();
    ASSERT_FALSE(bytes.isEmpty());
    ASSERT_TRUE(bytes.startsWith("\xFF\xD8")) << "the lid symbol must be stored as a JPEG";
    const QImage symbol = DecodeJpeg(bytes);
    ASSERT_EQ(symbol.size(), QSize(kLidSymbolPictureSize, kLidSymbolPictureSize));
    EXPECT_EQ(symbol.format(), QImage::Format_RGB32);

    // The arrow runs clockwise round (52, 52) at radius 33, from the upper left over the top,
    // the right and the bottom to its head at the lower left; the rest is the lid's grey.
    for (const QPoint onArrow : {QPoint(52, 19), QPoint(85, 52), QPoint(52, 85), QPoint(75, 29)}) {
        EXPECT_TRUE(IsYellow(symbol.pixel(onArrow))) << onArrow.x() << "," << onArrow.y();
    }
    for (const QPoint onLid : {QPoint(52, 52), QPoint(3, 3), QPoint(101, 3), QPoint(3, 101),
                               QPoint(101, 101), QPoint(21, 41)}) {
        EXPECT_TRUE(IsLidGrey(symbol.pixel(onLid))) << onLid.x() << "," << onLid.y();
    }
    EXPECT_EQ(LidSymbol(), symbol);
}

TEST(JpegCodec, RoundTripKeepsColoursAndRowsOfOddWidth) {
    // 37 px of RGB888 is 111 bytes: rows are padded, so a stride slip shears the picture.
    QImage quadrants(37, 23, QImage::Format_RGB32);
    const QRgb colours[4] = {qRgb(220, 30, 30), qRgb(30, 200, 40), qRgb(30, 40, 210),
                             qRgb(240, 240, 240)};
    for (int y = 0; y < quadrants.height(); ++y) {
        for (int x = 0; x < quadrants.width(); ++x) {
            quadrants.setPixel(x, y, colours[(y >= 12 ? 2 : 0) + (x >= 18 ? 1 : 0)]);
        }
    }
    const QByteArray bytes = EncodeJpeg(quadrants, 95);
    ASSERT_FALSE(bytes.isEmpty());
    const QImage decoded = DecodeJpeg(bytes);
    ASSERT_EQ(decoded.size(), quadrants.size());
    for (const QPoint at : {QPoint(6, 5), QPoint(30, 5), QPoint(6, 19), QPoint(30, 19)}) {
        EXPECT_LE(Distance(decoded.pixel(at), quadrants.pixel(at)), 16) << at.x() << "," << at.y();
    }
}

TEST(JpegCodec, GreyPicturesComeOutGrey) {
    QImage ramp(64, 8, QImage::Format_Grayscale8);
    for (int y = 0; y < ramp.height(); ++y) {
        for (int x = 0; x < ramp.width(); ++x) {
            ramp.scanLine(y)[x] = static_cast<uchar>(x * 4);
        }
    }
    const QImage decoded = DecodeJpeg(EncodeJpeg(ramp, 95, true));
    ASSERT_EQ(decoded.size(), ramp.size());
    for (const int x : {2, 30, 61}) {
        const QRgb c = decoded.pixel(x, 4);
        EXPECT_EQ(qRed(c), qGreen(c));
        EXPECT_EQ(qGreen(c), qBlue(c));
        EXPECT_NEAR(qRed(c), x * 4, 6);
    }
}

TEST(JpegCodec, TruncatedDataGivesNoPicture) {
    const QByteArray bytes = ShippedLidSymbolBytes();
    ASSERT_GT(bytes.size(), 200);
    // Cuts in the headers, in the scan and in the closing marker.
    for (qsizetype cut = 0; cut < bytes.size(); cut += 61) {
        EXPECT_TRUE(DecodeJpeg(bytes.left(cut)).isNull()) << "cut at " << cut;
    }
    EXPECT_TRUE(DecodeJpeg(bytes.left(bytes.size() - 1)).isNull());
    EXPECT_FALSE(DecodeJpeg(bytes).isNull());
}

TEST(JpegCodec, GarbageGivesNoPicture) {
    QByteArray noise(4096, '\0');
    std::uint32_t seed = 7;
    for (char& byte : noise) {
        seed = seed * 1103515245u + 12345u;
        byte = static_cast<char>(seed >> 24);
    }
    EXPECT_TRUE(DecodeJpeg(noise).isNull());
    EXPECT_TRUE(DecodeJpeg(QByteArray("\xFF\xD8", 2) + noise).isNull());
    EXPECT_TRUE(DecodeJpeg(QByteArray()).isNull());

    QFile png(QStringLiteral(":/assets/source_icon.png"));
    ASSERT_TRUE(png.open(QIODevice::ReadOnly));
    EXPECT_TRUE(DecodeJpeg(png.readAll()).isNull());
}

TEST(JpegCodec, RefusesAHeaderClaimingAHugePicture) {
    QByteArray bytes = ShippedLidSymbolBytes();
    const qsizetype frame = bytes.indexOf(QByteArray("\xFF\xC0", 2));
    ASSERT_GE(frame, 0);
    // Start of frame: marker, length (2), precision (1), height (2), width (2).
    for (const qsizetype field : {frame + 5, frame + 7}) {
        bytes[field] = static_cast<char>(0xEA);
        bytes[field + 1] = static_cast<char>(0x60);  // 60000
    }
    EXPECT_TRUE(DecodeJpeg(bytes).isNull());
}

}  // namespace
}  // namespace sim
