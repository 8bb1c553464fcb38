#pragma once

#include <QImage>
#include <QRect>
#include <QRgb>

namespace sim {

// The experiment field bitmap and the frame on the apparatus photograph, drawn once at start-up.
// Drawn without antialiasing: every pixel is either a colour below or untouched.

inline constexpr QRgb kFieldBackground = qRgb(255, 255, 255);
inline constexpr QRgb kFieldInk = qRgb(0, 0, 0);  // frames, outlines, hub
inline constexpr QRgb kWorkingAreaColour = qRgb(255, 255, 223);
inline constexpr QRgb kRotorDiscColour = qRgb(192, 192, 192);
inline constexpr QRgb kLidColour = qRgb(128, 128, 128);  // Fedel, outlined in kFieldInk

inline constexpr int kFieldPenWidth = 2;
// Where components may be placed, in field pixels; right and bottom exclusive.
inline constexpr QRect kWorkingArea{450, 2, 1060 - 450, 373 - 2};
inline constexpr int kHubRadius = 20;

// Image1, the control that shows the apparatus photograph; its picture is 5 px shorter.
inline constexpr int kImage1Width = 425;
inline constexpr int kImage1Height = 172;

// Paints the whole field onto `field` (normally 1064 x 377): white ground, a 2-px black frame
// round the edge, the light-yellow working area, the grey rotor disc of radius R round (cx, cy)
// with a 2-px black rim, and the black hub. The disc with its rim covers exactly the pixels of
// [cx - R, cx + R) x [cy - R, cy + R). A null image is left alone.
void DrawExperimentField(QImage& field, int cx, int cy, int R);

// Draws the 2-px black frame of a W x H control on its photograph: the polyline
// (1, 1) - (W-1, 1) - (W-1, H-3) - (1, H-3) - (1, 1). On the 167-px photograph shown in the
// 172-px Image1 the bottom line falls below the picture and is lost.
void DrawPhotoFrame(QImage& photo, int W, int H);

}  // namespace sim
