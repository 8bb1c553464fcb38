#pragma once

// The geometry file: Left and Top of the six components (slots 1..6, in that order) as twelve
// signed 32-bit little-endian integers, 48 bytes, no header. Coordinates are panel pixels.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "common/IndexedArray.h"
#include "common/Translate.h"
#include "geometry/core/Placement.h"
#include "physics/ApparatusModel.h"

namespace sim {

inline constexpr std::size_t kGeometryValueCount = std::size_t{2} * kSlotCount;
inline constexpr std::size_t kGeometryFileSize = 4 * kGeometryValueCount;
using GeometryValues = std::array<std::int32_t, kGeometryValueCount>;

// The report of a file shorter than 48 bytes: the words of the toolkit the program first
// ran on, in every language it speaks.
inline constexpr TrText kReadBeyondEndOfFile = SIM_TR("Geometry", "Read beyond end of file");

// The name a geometry is saved under: the chosen name, ".", the participant's key. The key is
// appended even when the chosen name already ends with it.
std::string GeometryFileName(const std::string& chosen, const std::string& participantId);

// Writes the twelve values to path. The file is written under a temporary name in the same
// folder and renamed over path only once it is complete, so a failed save leaves whatever was
// at path before untouched. Returns nothing on success, else the error text to report.
std::optional<std::string> SaveGeometryFile(const std::string& path, const GeometryValues& values);

struct LoadedGeometry {
    std::optional<GeometryValues> Values;  // set exactly when the load succeeded
    std::string Error;                     // the text to report otherwise
};

// Reads the first 48 bytes of path; bytes beyond them are ignored. A shorter file fails with
// kReadBeyondEndOfFile, and then no value is returned.
LoadedGeometry LoadGeometryFile(const std::string& path);

// Left and Top of the components of slots 1..6, in file order.
template <typename Item>
GeometryValues CollectGeometry(const IndexedArray<Item*, 1, kSlotCount>& components) {
    GeometryValues values{};
    for (int i = 1; i <= kSlotCount; ++i) {
        const std::size_t k = 2 * static_cast<std::size_t>(i - 1);
        values[k] = components[i]->Left;
        values[k + 1] = components[i]->Top;
    }
    return values;
}

// Whether every component would lie wholly within the experiment panel at the given places
// (with the sizes it has from the start). Outside it, a person could never reach it again.
bool GeometryFitsPanel(const GeometryValues& values);

// Moves the components to the loaded places as they stand, without any range or overlap test,
// and marks as placed exactly those left of the bins.
template <typename Item>
void ApplyGeometry(const GeometryValues& values, IndexedArray<Item*, 1, kSlotCount>& components,
                   IndexedArray<ComponentSlot, 1, kSlotCount>& modelSlots) {
    for (int i = 1; i <= kSlotCount; ++i) {
        const std::size_t k = 2 * static_cast<std::size_t>(i - 1);
        components[i]->Left = values[k];
        components[i]->Top = values[k + 1];
        modelSlots[i].Placed = LiesOnField(values[k]);
    }
}

}  // namespace sim
