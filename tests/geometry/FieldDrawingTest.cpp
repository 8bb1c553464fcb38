#include <gtest/gtest.h>

#include <QImage>
#include <QRect>

#include "assets/Pictures.h"
#include "geometry/FieldDrawing.h"
#include "geometry/core/PanelLayout.h"
#include "physics/ApparatusModel.h"

namespace sim {
namespace {

constexpr QRgb kWhite = kFieldBackground;
constexpr QRgb kBlack = kFieldInk;
constexpr QRgb kYellow = kWorkingAreaColour;
constexpr QRgb kGrey = kRotorDiscColour;

// The colour without its alpha, which every painted pixel has at full.
QRgb Rgb(const QImage& image, int x, int y) {
    return qRgb(qRed(image.pixel(x, y)), qGreen(image.pixel(x, y)), qBlue(image.pixel(x, y)));
}

// Smallest rectangle holding every pixel in `area` whose colour is not `ground`.
QRect Extent(const QImage& image, const QRect& area, QRgb ground) {
    QRect extent;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (Rgb(image, x, y) != ground) {
                extent |= QRect(x, y, 1, 1);
            }
        }
    }
    return extent;
}

class ExperimentField : public ::testing::Test {
  protected:
    void SetUp() override {
        const ApparatusModel model;
        cx = model.RotorCenterX;
        cy = model.RotorCenterY;
        r = model.RotorRadius;
        field = QImage(kExperimentPlace.Width, kExperimentPlace.Height, QImage::Format_RGB32);
        field.fill(Qt::red);  // anything the drawing misses shows up
        DrawExperimentField(field, cx, cy, r);
    }
    int cx = 0;
    int cy = 0;
    int r = 0;
    QImage field;
};

TEST_F(ExperimentField, WorkingAreaHasExclusiveRightAndBottomEdges) {
    EXPECT_EQ(Rgb(field, 449, 100), kWhite);
    EXPECT_EQ(Rgb(field, 450, 100), kYellow);
    EXPECT_EQ(Rgb(field, 1059, 100), kYellow);
    EXPECT_EQ(Rgb(field, 1060, 100), kWhite);
    EXPECT_EQ(Rgb(field, 700, 2), kYellow);
    EXPECT_EQ(Rgb(field, 700, 372), kYellow);
    EXPECT_EQ(Rgb(field, 700, 373), kWhite);
    // Right of the rotor, inside the frame, only the working area is not white.
    EXPECT_EQ(Extent(field, QRect(400, 2, 1060 - 400, 373), kWhite), QRect(450, 2, 610, 371));
}

TEST_F(ExperimentField, FrameIsTwoPixelsOfBlackAllRound) {
    const int w = field.width();
    const int h = field.height();
    for (int x = 0; x < w; ++x) {
        for (const int y : {0, 1, h - 2, h - 1}) {
            ASSERT_EQ(Rgb(field, x, y), kBlack) << x << "," << y;
        }
    }
    for (int y = 0; y < h; ++y) {
        for (const int x : {0, 1, w - 2, w - 1}) {
            ASSERT_EQ(Rgb(field, x, y), kBlack) << x << "," << y;
        }
    }
    // Nothing black just inside the frame.
    for (int x = 2; x < w - 2; ++x) {
        for (const int y : {2, h - 3}) {
            ASSERT_NE(Rgb(field, x, y), kBlack) << x << "," << y;
        }
    }
    for (int y = 2; y < h - 2; ++y) {
        for (const int x : {2, w - 3}) {
            ASSERT_NE(Rgb(field, x, y), kBlack) << x << "," << y;
        }
    }
}

TEST_F(ExperimentField, RotorDiscFillsItsBoxWithARimInside) {
    const QRect leftOfWorkingArea(2, 2, 448, field.height() - 4);
    EXPECT_EQ(Extent(field, leftOfWorkingArea, kWhite), QRect(20, 10, 360, 360));
    // The 2-px rim lies inside the box, the grey inside it.
    for (const QPoint rim :
         {QPoint(20, 190), QPoint(21, 190), QPoint(378, 190), QPoint(379, 190), QPoint(200, 10),
          QPoint(200, 11), QPoint(200, 368), QPoint(200, 369)}) {
        EXPECT_EQ(Rgb(field, rim.x(), rim.y()), kBlack) << rim.x() << "," << rim.y();
    }
    for (const QPoint inside : {QPoint(22, 190), QPoint(377, 190), QPoint(200, 12),
                                QPoint(200, 367), QPoint(100, 100), QPoint(300, 280)}) {
        EXPECT_EQ(Rgb(field, inside.x(), inside.y()), kGrey) << inside.x() << "," << inside.y();
    }
}

TEST_F(ExperimentField, RotorIsSymmetricAboutItsAxis) {
    // A half-pixel slip of the disc or the hub breaks the mirror image.
    for (int y = 10; y < 370; ++y) {
        for (int x = 20; x < 200; ++x) {
            ASSERT_EQ(Rgb(field, x, y), Rgb(field, 2 * cx - 1 - x, y)) << x << "," << y;
            ASSERT_EQ(Rgb(field, x, y), Rgb(field, x, 2 * cy - 1 - y)) << x << "," << y;
        }
    }
}

TEST_F(ExperimentField, HubIsABlackDiscOfRadiusTwenty) {
    EXPECT_EQ(Rgb(field, cx, cy), kBlack);
    EXPECT_EQ(Rgb(field, cx - 1, cy - 1), kBlack);
    EXPECT_EQ(Extent(field, QRect(150, 150, 100, 80), kGrey), QRect(180, 170, 40, 40));
    EXPECT_EQ(Rgb(field, 179, cy), kGrey);
    EXPECT_EQ(Rgb(field, 220, cy), kGrey);
}

TEST_F(ExperimentField, UsesOnlyTheFourFieldColours) {
    // No antialiasing: edge pixels are never blends.
    for (int y = 0; y < field.height(); ++y) {
        for (int x = 0; x < field.width(); ++x) {
            const QRgb c = Rgb(field, x, y);
            ASSERT_TRUE(c == kWhite || c == kBlack || c == kYellow || c == kGrey)
                << x << "," << y << " has " << std::hex << c;
        }
    }
}

TEST(ExperimentFieldDrawing, FollowsTheRotorItIsGiven) {
    QImage field(kExperimentPlace.Width, kExperimentPlace.Height, QImage::Format_RGB32);
    DrawExperimentField(field, 250, 150, 100);
    EXPECT_EQ(Extent(field, QRect(2, 2, 448, 373), kWhite), QRect(150, 50, 200, 200));
    EXPECT_EQ(Extent(field, QRect(200, 100, 100, 100), kGrey), QRect(230, 130, 40, 40));
}

TEST(ExperimentFieldDrawing, PaintsOnPaletteImagesAndLeavesNullOnesAlone) {
    QImage palette(kExperimentPlace.Width, kExperimentPlace.Height, QImage::Format_Indexed8);
    palette.setColorCount(1);
    palette.setColor(0, qRgb(1, 2, 3));
    palette.fill(0);
    DrawExperimentField(palette, 200, 190, 180);
    EXPECT_EQ(Rgb(palette, 450, 100), kYellow);
    EXPECT_EQ(Rgb(palette, 200, 100), kGrey);

    QImage none;
    DrawExperimentField(none, 200, 190, 180);
    EXPECT_TRUE(none.isNull());
}

int CountBlack(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += Rgb(image, x, y) == kBlack ? 1 : 0;
        }
    }
    return count;
}

TEST(PhotoFrame, BottomLineFallsBelowTheShorterPhotograph) {
    QImage photo(kApparatusPhotoWidth, kApparatusPhotoHeight, QImage::Format_RGB32);
    photo.fill(Qt::white);
    DrawPhotoFrame(photo, kImage1Width, kImage1Height);
    const int w = photo.width();
    const int h = photo.height();
    // Top rows 0-1, side columns 0-1 and W-2..W-1 down to the last row, no bottom line.
    EXPECT_EQ(CountBlack(photo), 2 * w + 4 * (h - 2));
    for (int x = 0; x < w; ++x) {
        EXPECT_EQ(Rgb(photo, x, 1), kBlack);
    }
    for (int x = 2; x < w - 2; ++x) {
        EXPECT_NE(Rgb(photo, x, 2), kBlack);
    }
    for (const int x : {0, 1, w - 2, w - 1}) {
        EXPECT_EQ(Rgb(photo, x, h - 1), kBlack);
    }
    EXPECT_EQ(Rgb(photo, 2, 100), qRgb(255, 255, 255));
    EXPECT_EQ(Rgb(photo, w - 3, 100), qRgb(255, 255, 255));
}

TEST(PhotoFrame, BottomLineSitsThreePixelsAboveTheControlEdge) {
    QImage full(kImage1Width, kImage1Height, QImage::Format_RGB32);
    full.fill(Qt::white);
    DrawPhotoFrame(full, kImage1Width, kImage1Height);
    for (const int x : {2, 200, kImage1Width - 3}) {
        EXPECT_NE(Rgb(full, x, kImage1Height - 5), kBlack);
        EXPECT_EQ(Rgb(full, x, kImage1Height - 4), kBlack);
        EXPECT_EQ(Rgb(full, x, kImage1Height - 3), kBlack);
        EXPECT_NE(Rgb(full, x, kImage1Height - 2), kBlack);
    }
}

TEST(PhotoFrame, ShippedPhotographKeepsItsBottomRow) {
    const QImage original = ApparatusPhoto();
    ASSERT_FALSE(original.isNull());
    QImage framed = original;
    DrawPhotoFrame(framed, kImage1Width, kImage1Height);
    const int last = original.height() - 1;
    for (int x = 2; x < original.width() - 2; ++x) {
        ASSERT_EQ(framed.pixel(x, last), original.pixel(x, last)) << x;
        ASSERT_EQ(Rgb(framed, x, 0), kBlack) << x;
    }
}

// Panel rectangle moved into field coordinates.
QRect InField(const ItemPlace& place) {
    return QRect(place.Left - kFieldLeft, place.Top - kFieldTop, place.Width, place.Height);
}

TEST(RotorLayout, MarkersLidAndSymbolSitWhereTheStartUpPutsThem) {
    const ApparatusModel model;
    const QImage symbol = LidSymbol();
    ASSERT_EQ(symbol.width(), kLidSymbolSize);
    const RotorLayout layout =
        ComputeRotorLayout(model.RotorCenterX, model.RotorCenterY, model.RotorRadius,
                           kRotorMarkerSize, symbol.width());
    auto place = [](const ItemPlace& p) { return QRect(p.Left, p.Top, p.Width, p.Height); };
    EXPECT_EQ(place(layout.TopMarker), QRect(200, 25, 33, 33));
    EXPECT_EQ(place(layout.BottomMarker), QRect(200, 339, 33, 33));
    EXPECT_EQ(place(layout.Lid), QRect(38, 22, 356, 356));
    EXPECT_EQ(place(layout.LidSymbol), QRect(159, 143, 105, 105));

    // Only the markers' size moves them: a smaller marker stays centred on the axis.
    const RotorLayout small = ComputeRotorLayout(200, 190, 180, 21, 105);
    EXPECT_EQ(place(small.TopMarker), QRect(206, 25, 21, 21));
    EXPECT_EQ(place(small.BottomMarker), QRect(206, 345, 21, 21));
}

TEST(RotorLayout, MarkersLieOnTheDiscAndTheLidLeavesItsRimShowing) {
    const ApparatusModel model;
    QImage field(kExperimentPlace.Width, kExperimentPlace.Height, QImage::Format_RGB32);
    DrawExperimentField(field, model.RotorCenterX, model.RotorCenterY, model.RotorRadius);
    const RotorLayout layout =
        ComputeRotorLayout(model.RotorCenterX, model.RotorCenterY, model.RotorRadius,
                           kRotorMarkerSize, kLidSymbolSize);
    for (const ItemPlace& marker : {layout.TopMarker, layout.BottomMarker}) {
        const QRect m = InField(marker);
        for (const QPoint corner : {m.topLeft(), m.topRight(), m.bottomLeft(), m.bottomRight()}) {
            EXPECT_EQ(Rgb(field, corner.x(), corner.y()), kGrey) << corner.x() << "," << corner.y();
        }
    }
    const QRect lid = InField(layout.Lid);
    EXPECT_EQ(lid, QRect(22, 12, 356, 356));
    EXPECT_EQ(Rgb(field, lid.left() - 1, model.RotorCenterY), kBlack);  // rim outside the lid
    EXPECT_EQ(Rgb(field, lid.left(), model.RotorCenterY), kGrey);
    EXPECT_EQ(Rgb(field, lid.right() + 1, model.RotorCenterY), kBlack);
    // The symbol lies wholly on the lid.
    EXPECT_TRUE(lid.contains(InField(layout.LidSymbol)));
}

}  // namespace
}  // namespace sim
