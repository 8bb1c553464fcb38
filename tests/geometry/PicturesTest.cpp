#include <gtest/gtest.h>

#include <QIcon>
#include <QImage>
#include <QSet>

#include "assets/Pictures.h"

namespace sim {
namespace {

TEST(Pictures, ApparatusPhotoIsAFullPhotograph) {
    const QImage photo = ApparatusPhoto();
    ASSERT_EQ(photo.size(), QSize(kApparatusPhotoWidth, kApparatusPhotoHeight));
    // A photograph, not a flat placeholder: shading gives thousands of distinct colours.
    QSet<QRgb> colours;
    for (int y = 0; y < photo.height(); y += 2) {
        for (int x = 0; x < photo.width(); x += 2) {
            colours.insert(photo.pixel(x, y));
        }
    }
    EXPECT_GT(colours.size(), 2000);
}

TEST(Pictures, SourceIconIsAYellowDiscOnBlack) {
    const QImage icon = SourceIcon();
    ASSERT_EQ(icon.size(), QSize(kSourceIconSize, kSourceIconSize));
    const QRgb centre = icon.pixel(16, 16);
    EXPECT_GT(qRed(centre), 200);
    EXPECT_GT(qGreen(centre), 170);
    EXPECT_LT(qBlue(centre), 80);
    for (const QPoint corner : {QPoint(0, 0), QPoint(31, 0), QPoint(0, 31), QPoint(31, 31),
                                QPoint(16, 1), QPoint(1, 16)}) {
        EXPECT_EQ(icon.pixel(corner) & 0xFFFFFFu, 0u) << corner.x() << "," << corner.y();
    }
}

TEST(Pictures, AppIconHasItsTwoSizesOnATealTile) {
    const QIcon icon = AppIcon();
    const QList<QSize> sizes = icon.availableSizes();
    EXPECT_TRUE(sizes.contains(QSize(64, 64)));
    EXPECT_TRUE(sizes.contains(QSize(256, 256)));
    const QImage big = icon.pixmap(QSize(256, 256)).toImage();
    ASSERT_EQ(big.size(), QSize(256, 256));
    EXPECT_EQ(qAlpha(big.pixel(0, 0)), 0);  // rounded corner
    const QRgb tile = big.pixel(20, 128);
    EXPECT_LT(qRed(tile), 40);
    EXPECT_GT(qGreen(tile), 90);
    EXPECT_GT(qBlue(tile), 90);
}

}  // namespace
}  // namespace sim
