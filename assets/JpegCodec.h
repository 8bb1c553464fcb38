#pragma once

#include <QByteArray>
#include <QImage>

namespace sim {

// JPEG through libjpeg directly, so that the lid symbol does not depend on an image plugin being
// installed beside the program.

// Decodes a baseline or progressive JPEG (grey or colour) into an RGB32 image. Damaged,
// truncated or unsupported data (CMYK, pictures above kMaxJpegPixels) gives a null image; the
// process never exits and nothing is printed.
QImage DecodeJpeg(const QByteArray& data);

// Encodes an image as a JFIF JPEG of the given quality (1..100); grey output when grayscale is
// set. An empty array on failure.
QByteArray EncodeJpeg(const QImage& image, int quality, bool grayscale = false);

inline constexpr qint64 kMaxJpegPixels = qint64{8192} * 8192;

}  // namespace sim
