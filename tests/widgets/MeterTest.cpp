#include "widgets/Meter.h"

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>

#include <cmath>
#include <limits>

namespace sim {
namespace {

constexpr QRgb kBlack = 0xFF000000;
constexpr QRgb kWhite = 0xFFFFFFFF;

// A point of the dial at radius r and dial angle a, measured at the pivot (132, 168).
QPoint At(double r, double a) {
    return {static_cast<int>(132 - r * std::cos(a)), static_cast<int>(168 - r * std::sin(a))};
}

// The dial as the meter paints it.
QImage Dial(const TMuszer& meter) {
    return meter.Image1()->grab().toImage();
}

bool IsBlack(const TMuszer& meter, QPoint p) {
    return Dial(meter).pixel(p) == kBlack;
}

class MeterTest : public ::testing::Test {
  protected:
    double Span() const { return meter.EndAngle() - meter.StartAngle(); }
    int TextWidth(const QString& text, int pointSize) const {
        QFont font = meter.Edit1()->font();
        font.setPointSize(pointSize);
        const QImage device(1, 1, QImage::Format_RGB32);
        return QFontMetrics(font, &device).horizontalAdvance(text);
    }
    TMuszer meter;
};

TEST(MeterFormat, ScientificHasUppercaseEAndThreeExponentDigits) {
    EXPECT_EQ(FormatMeterScientific(0.0015), " 1.50E-003");
    EXPECT_EQ(FormatMeterScientific(980), " 9.80E+002");
    EXPECT_EQ(FormatMeterScientific(0), " 0.00E+000");
    EXPECT_EQ(FormatMeterScientific(-12.5), "-1.25E+001");
    EXPECT_EQ(FormatMeterScientific(2.5e-300), " 2.50E-300");
}

TEST_F(MeterTest, StartsAtZeroWithDefaultSettings) {
    EXPECT_EQ(meter.Mant(), 0);
    EXPECT_EQ(meter.XExp(), 0);
    EXPECT_EQ(meter.Value(), 0);
    EXPECT_TRUE(meter.Auto());
    EXPECT_EQ(meter.Caption(), "Caption");
    EXPECT_EQ(meter.XMax(), 10);
    EXPECT_FALSE(meter.Inverse());
    EXPECT_DOUBLE_EQ(meter.StartAngle(), 0.9561333748727311);
    EXPECT_DOUBLE_EQ(meter.EndAngle(), 2.185459278717062);
    EXPECT_EQ(meter.NeedleAngle(), meter.StartAngle());
    EXPECT_EQ(meter.ECaption()->text().trimmed(), "Caption");
    EXPECT_EQ(meter.Label1()->text(), "x10");
}

TEST_F(MeterTest, ChildControlsKeepTheirPlaces) {
    EXPECT_EQ(meter.Image1()->geometry(), QRect(1, 0, 264, 193));
    EXPECT_EQ(Dial(meter).size(), QSize(264, 193));
    EXPECT_EQ(meter.Shape1()->geometry(), QRect(124, 160, 16, 16));
    EXPECT_EQ(meter.Edit1()->pos(), QPoint(15, 190));
    EXPECT_EQ(meter.Edit1()->width(), 115);
    EXPECT_EQ(meter.EdExp()->pos(), QPoint(178, 185));
    EXPECT_EQ(meter.EdExp()->width(), 50);
    EXPECT_EQ(meter.Label1()->pos(), QPoint(138, 196));
    EXPECT_EQ(meter.ECaption()->parentWidget(), &meter);
    EXPECT_EQ(meter.ECaption()->geometry().topLeft(), QPoint(15, 235));
    EXPECT_EQ(meter.ECaption()->width(), 237);
}

TEST_F(MeterTest, AutoRangeSplitsIntoMantissaAndExponent) {
    struct Case {
        double v, mant;
        int exp;
    };
    for (const Case& c : {Case{980, 9.8, 2}, Case{0.0015, 1.5, -3}, Case{0, 0, 0},
                          Case{9.996, 1, 1}, Case{-12.5, -1.25, 1}, Case{3.14159e-7, 3.14, -7}}) {
        meter.SetValue(c.v);
        EXPECT_DOUBLE_EQ(meter.Mant(), c.mant) << c.v;
        EXPECT_EQ(meter.XExp(), c.exp) << c.v;
        EXPECT_EQ(meter.Value(), c.v);
    }
}

TEST_F(MeterTest, ManualRangeKeepsTheLastExponent) {
    meter.SetValue(980);
    meter.SetAuto(false);
    meter.SetValue(500);
    EXPECT_DOUBLE_EQ(meter.Mant(), 5);
    EXPECT_EQ(meter.XExp(), 2);
}

TEST_F(MeterTest, NormalScaleTicksAndFaceSitOnTheirPixels) {
    meter.SetValue(5);  // needle well away from both end ticks
    EXPECT_TRUE(IsBlack(meter, {57, 61}));
    EXPECT_TRUE(IsBlack(meter, {62, 69}));
    EXPECT_TRUE(IsBlack(meter, {206, 61}));
    EXPECT_TRUE(IsBlack(meter, {201, 69}));
    // ...and end there, one pixel wide: the pixels beyond and beside them stay white.
    for (const QPoint beyond :
         {QPoint(56, 60), QPoint(63, 70), QPoint(207, 60), QPoint(200, 70), QPoint(205, 61)}) {
        EXPECT_EQ(Dial(meter).pixel(beyond), kWhite) << beyond.x() << "," << beyond.y();
    }
    EXPECT_TRUE(IsBlack(meter, At(130, meter.StartAngle() + 0.3 * Span())));  // tick 3

    // The fill blackens everything round the face and nothing on it.
    for (const QPoint corner : {QPoint(0, 0), QPoint(263, 0), QPoint(0, 192), QPoint(263, 192),
                                QPoint(21, 11), QPoint(243, 151)}) {
        EXPECT_TRUE(IsBlack(meter, corner)) << corner.x() << "," << corner.y();
    }
    EXPECT_EQ(Dial(meter).pixel(100, 120), kWhite);
    EXPECT_EQ(Dial(meter).pixel(30, 100), kWhite);
    EXPECT_EQ(Dial(meter).pixel(235, 20), kWhite);
    EXPECT_TRUE(IsBlack(meter, {19, 100}));
}

TEST_F(MeterTest, NeedleEndsAtTheLabelRadiusAndIsRedrawnEachTime) {
    meter.SetValue(0.0015);
    EXPECT_DOUBLE_EQ(meter.NeedleAngle(), meter.StartAngle() + 0.15 * Span());
    EXPECT_TRUE(IsBlack(meter, {73, 40}));
    EXPECT_EQ(Dial(meter).pixel(At(150, meter.NeedleAngle())), kWhite);

    meter.SetValue(980);
    EXPECT_EQ(Dial(meter).pixel(73, 40), kWhite);  // the old needle is gone
    EXPECT_DOUBLE_EQ(meter.NeedleAngle(), meter.StartAngle() + 0.98 * Span());
    EXPECT_TRUE(IsBlack(meter, At(140, meter.NeedleAngle())));

    meter.SetValue(0);
    EXPECT_EQ(meter.NeedleAngle(), meter.StartAngle());
    EXPECT_TRUE(IsBlack(meter, {51, 53}));
}

TEST_F(MeterTest, NegativeReadingSwingsLeftWithoutLimit) {
    meter.SetValue(-0.0025);
    EXPECT_DOUBLE_EQ(meter.Mant(), -2.5);
    EXPECT_EQ(meter.XExp(), -3);
    EXPECT_DOUBLE_EQ(meter.NeedleAngle(), meter.StartAngle() - 0.25 * Span());
    EXPECT_TRUE(IsBlack(meter, At(100, meter.NeedleAngle())));  // on the face, left of tick 0
}

TEST_F(MeterTest, ReadingAboveTheScaleIsHeldJustPastItsEnd) {
    meter.SetAuto(false);
    meter.SetValue(25);
    EXPECT_DOUBLE_EQ(meter.Mant(), 25);
    EXPECT_DOUBLE_EQ(meter.NeedleAngle(), meter.EndAngle() + 0.17);
    EXPECT_TRUE(IsBlack(meter, At(140, meter.EndAngle() + 0.17)));

    meter.SetValue(std::numeric_limits<double>::infinity());
    EXPECT_DOUBLE_EQ(meter.NeedleAngle(), meter.EndAngle() + 0.17);
    meter.SetValue(std::numeric_limits<double>::quiet_NaN());
    EXPECT_EQ(meter.NeedleAngle(), meter.StartAngle());
}

TEST_F(MeterTest, InverseScaleIsReciprocalAndReadsTheValue) {
    meter.SetInverse(true);
    meter.SetValue(10);
    EXPECT_DOUBLE_EQ(meter.NeedleAngle(), meter.EndAngle());
    EXPECT_TRUE(IsBlack(meter, {212, 53}));
    EXPECT_TRUE(IsBlack(meter, {205, 61}));  // labelled ticks are two pixels wide

    meter.SetValue(100);
    const double tick100 = meter.StartAngle() + 0.1 * Span();
    EXPECT_DOUBLE_EQ(meter.NeedleAngle(), tick100);
    EXPECT_TRUE(IsBlack(meter, At(130, tick100)));
    EXPECT_TRUE(IsBlack(meter, {57, 61}));   // unlabelled
    for (const double r : {130.0, 120.0}) {  // no tick where the normal scale has its 3
        EXPECT_EQ(Dial(meter).pixel(At(r, meter.StartAngle() + 0.3 * Span())), kWhite);
    }

    meter.SetValue(5);
    EXPECT_DOUBLE_EQ(meter.NeedleAngle(), meter.EndAngle() + 0.17);
    meter.SetValue(0);
    EXPECT_EQ(meter.NeedleAngle(), meter.StartAngle());
}

TEST_F(MeterTest, TextBoxesShowMantissaExponentAndCaption) {
    meter.SetCaption("Nyomás (mbar)");
    meter.SetValue(0.0015);
    EXPECT_EQ(meter.EdExp()->text(), "        -3");
    const QString mant = meter.Edit1()->text();
    EXPECT_TRUE(mant.endsWith(" 1.5"));
    EXPECT_EQ(mant.trimmed(), "1.5");
    EXPECT_GE(TextWidth(mant, 14), 115 - 14);
    EXPECT_LT(TextWidth(mant.mid(1), 14), 115 - 14);
    EXPECT_EQ(meter.ECaption()->text(), meter.PadToWidth("Nyomás (mbar)", 237, 'C', 14));

    meter.SetValue(980);
    EXPECT_EQ(meter.EdExp()->text(), "         2");
    EXPECT_EQ(meter.Edit1()->text().trimmed(), "9.8");
}

TEST_F(MeterTest, PadToWidthPrefixesTheFewestBlanks) {
    EXPECT_EQ(meter.PadToWidth("        -3", 50, 'L', 11), "        -3");
    EXPECT_EQ(meter.PadToWidth("12", 200, 'X', 14), "12");

    const QString right = meter.PadToWidth("2", 115, 'R', 14);
    EXPECT_EQ(right.trimmed(), "2");
    EXPECT_TRUE(right.startsWith(' '));
    EXPECT_GE(TextWidth(right, 14), 101);
    EXPECT_LT(TextWidth(right.mid(1), 14), 101);

    const QString caption = "Fordulatszám (1/s)";
    const int target = (237 + TextWidth(caption, 14)) / 2 - 14;
    const QString centred = meter.PadToWidth(caption, 237, 'C', 14);
    EXPECT_TRUE(centred.endsWith(caption));
    EXPECT_GE(TextWidth(centred, 14), target);
    EXPECT_LT(TextWidth(centred.mid(1), 14), target);

    const QString wide = "Nagyon hosszú felirat, szélesebb a doboznál";
    EXPECT_EQ(meter.PadToWidth(wide, 237, 'C', 14), wide);
    EXPECT_EQ(meter.PadToWidth(wide, 115, 'R', 14), wide);
}

TEST_F(MeterTest, SettingsShowOnlyAtTheNextReading) {
    meter.SetValue(0.0015);
    const QImage before = Dial(meter).copy();
    const QString captionBefore = meter.ECaption()->text();

    meter.SetCaption("Fordulatszám (1/s)");
    meter.SetXMax(5);
    meter.SetInverse(true);
    EXPECT_EQ(Dial(meter), before);
    EXPECT_EQ(meter.ECaption()->text(), captionBefore);

    meter.SetValue(0.0015);
    EXPECT_NE(Dial(meter), before);
    EXPECT_EQ(meter.ECaption()->text().trimmed(), "Fordulatszám (1/s)");

    // XMax spaces the normal scale: with 20 the ticks 0..10 fill only its left half.
    meter.SetInverse(false);
    meter.SetXMax(20);
    meter.SetValue(0.0015);
    EXPECT_DOUBLE_EQ(meter.NeedleAngle(), meter.StartAngle() + 0.075 * Span());
    EXPECT_TRUE(IsBlack(meter, At(130, meter.StartAngle() + 0.05 * Span())));  // tick 1
    EXPECT_TRUE(IsBlack(meter, At(130, meter.StartAngle() + 0.5 * Span())));   // tick 10
    EXPECT_EQ(Dial(meter).pixel(206, 61), kWhite);
    EXPECT_EQ(Dial(meter).pixel(201, 69), kWhite);
}

TEST_F(MeterTest, DialShowsTheLastReadingWhateverCameBefore) {
    // Scales whose labels fall outside the face, and readings far off the scale.
    meter.SetXMax(1);
    meter.SetValue(0.0015);
    meter.SetXMax(3);
    meter.SetValue(-1e300);
    meter.SetInverse(true);
    meter.SetValue(5);
    meter.SetInverse(false);
    meter.SetXMax(10);
    meter.SetValue(0.0015);

    TMuszer fresh;
    fresh.SetValue(0.0015);
    EXPECT_EQ(Dial(meter), Dial(fresh));
}

TEST_F(MeterTest, ReadingsBetweenRepaintsShowOnlyTheLast) {
    for (const double v : {980.0, 0.5, 3.7e-5, 7.0}) {
        meter.SetValue(v);
    }
    TMuszer once;
    once.SetValue(7.0);
    EXPECT_EQ(Dial(meter), Dial(once));
    EXPECT_EQ(meter.grab().toImage(), once.grab().toImage()) << "text boxes too";
}

TEST_F(MeterTest, NonPositiveXMaxIsRefused) {
    meter.SetXMax(0);
    EXPECT_EQ(meter.XMax(), 10);
    meter.SetXMax(-3);
    EXPECT_EQ(meter.XMax(), 10);
    meter.SetValue(0.0015);
    EXPECT_DOUBLE_EQ(meter.NeedleAngle(), meter.StartAngle() + 0.15 * Span());
}

}  // namespace
}  // namespace sim
