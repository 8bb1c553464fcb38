#pragma once

#include <cstdint>

#include "common/IndexedArray.h"
#include "physics/ApparatusModel.h"

namespace sim {

// Places and sizes of the items of the experiment panel, in panel pixels. The field image lies
// at kFieldLeft/kFieldTop; field coordinates are panel coordinates minus that offset.
struct ItemPlace {
    std::int32_t Left;
    std::int32_t Top;
    std::int32_t Width;
    std::int32_t Height;
};

// The experiment panel itself; every item lies within it.
inline constexpr std::int32_t kPanelWidth = 1217;
inline constexpr std::int32_t kPanelHeight = 393;

inline constexpr ItemPlace kExperimentPlace{16, 10, 1064, 377};
inline constexpr std::int32_t kFieldLeft = kExperimentPlace.Left;
inline constexpr std::int32_t kFieldTop = kExperimentPlace.Top;
// Components whose Left is at least this lie in the bins (the field image's right edge).
inline constexpr std::int32_t kBinLeft = kExperimentPlace.Left + kExperimentPlace.Width;

inline constexpr std::int32_t kRotorMarkerSize = 33;
inline constexpr std::int32_t kBinMarkerSize = 31;
inline constexpr std::int32_t kSourceSize = 32;
inline constexpr std::int32_t kLidSymbolSize = 105;

// Components of slots 1..6 at start, and their home places in the bins.
inline constexpr ItemPlace kComponentStart[kSlotCount] = {
    {1121, 119, 57, 57}, {1123, 215, 57, 57}, {1095, 312, 26, 57},
    {1125, 312, 26, 57}, {1154, 312, 26, 57}, {1183, 312, 26, 57},
};
inline constexpr ItemPlace kHomePlace[kSlotCount] = {
    {1120, 120, 57, 57}, {1123, 216, 57, 57}, {1096, 313, 26, 57},
    {1125, 313, 26, 57}, {1154, 313, 26, 57}, {1184, 312, 26, 57},
};

inline constexpr ItemPlace kImage2Start{1104, 45, kSourceSize, kSourceSize};
inline constexpr ItemPlace kImage3Start{1161, 45, kSourceSize, kSourceSize};
inline constexpr ItemPlace kShape1Place{1104, 46, kBinMarkerSize, kBinMarkerSize};
inline constexpr ItemPlace kShape4Place{1161, 45, kBinMarkerSize, kBinMarkerSize};
inline constexpr std::int32_t kLabel8Left = 1104;
inline constexpr std::int32_t kLabel8Top = 378;

// The rotor markers, the lid and the lid symbol laid out around the rotor axis (cx, cy) of
// radius r, all in panel pixels. Integer division and truncation round toward zero.
struct RotorLayout {
    ItemPlace TopMarker;     // Shape2, rotor position 1
    ItemPlace BottomMarker;  // Shape3, rotor position 9
    ItemPlace Lid;           // Fedel
    ItemPlace LidSymbol;     // Image4
};

constexpr RotorLayout ComputeRotorLayout(std::int32_t cx, std::int32_t cy, std::int32_t r,
                                         std::int32_t markerSize, std::int32_t symbolSize) {
    // trunc(r * 0.92) in integers: r * 92 / 100 truncates toward zero as well.
    const std::int32_t markerRadius = static_cast<std::int32_t>(r * 92 / 100);
    const std::int32_t markerLeft = kFieldLeft + cx - markerSize / 2;
    const std::int32_t lidSize = 2 * r - 4;
    return RotorLayout{
        {markerLeft, cy - markerRadius, markerSize, markerSize},
        {markerLeft, markerRadius + cy - markerSize / 2, markerSize, markerSize},
        {kFieldLeft + cx - r + 2, kFieldTop + cy - r + 2, lidSize, lidSize},
        {kFieldLeft + cx - 5 - symbolSize / 2, kFieldTop + cy - 5 - symbolSize / 2, symbolSize,
         symbolSize},
    };
}

}  // namespace sim
