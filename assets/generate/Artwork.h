#pragma once

#include <QImage>

namespace sim::artwork {

// The shipped pictures, painted from scratch. Deterministic: the same program paints the same
// pixels, so regenerating changes a file only when its drawing changed.

// A lab photograph of the apparatus: the vacuum chamber with its lid and the rotor seen through
// the lid window, the motor under it, the pump line with its gauge, the drive's control box.
QImage PaintApparatusPhoto(int width, int height);

// A curved clockwise yellow arrow on the lid's grey.
QImage PaintLidSymbol(int size);

// A gold source seen from above: a small yellow disc on black.
QImage PaintSourceIcon(int size);

// The rotor with its two sources on a teal tile, with transparent corners.
QImage PaintAppIcon(int size);

}  // namespace sim::artwork
