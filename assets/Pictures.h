#pragma once

#include <QIcon>
#include <QImage>
#include <QString>

namespace sim {

// The pictures and the user guide the program ships, compiled in as Qt resources under
// ":/assets/".

inline constexpr int kApparatusPhotoWidth = 425;
inline constexpr int kApparatusPhotoHeight = 167;
inline constexpr int kLidSymbolPictureSize = 105;
inline constexpr int kSourceIconSize = 32;

// The photograph of the rotor apparatus shown in the upper-left panel (Image1).
QImage ApparatusPhoto();
// The curved clockwise arrow shown on the closed lid (Image4), decoded from its JPEG; a null
// image if the stored picture were damaged.
QImage LidSymbol();
// A gold source (Image2, Image3): a small yellow disc on black.
QImage SourceIcon();
// The window and desktop icon, in the sizes it is stored in.
QIcon AppIcon();

// The user guide, one HTML page, in a language ("hu", "en", ...); the Hungarian one for a
// language that has no guide of its own.
QString UserGuide(const QString& language);
// The class edition's page on the physics of the experiment, in the same way.
QString PhysicsGuide(const QString& language);

}  // namespace sim
