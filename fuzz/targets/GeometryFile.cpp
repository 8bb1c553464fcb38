// Loading a geometry file of arbitrary bytes, as the Load button does, then applying it to the
// components and saving it back: no crash, the values are the file's first 48 bytes, and a
// loaded geometry saves to the same 48 bytes.

#include <array>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "fuzz/FuzzSupport.h"
#include "geometry/core/GeometryFile.h"
#include "geometry/core/PanelLayout.h"
#include "geometry/core/Placement.h"

namespace {

std::vector<unsigned char> ReadBack(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = sim::fuzz::WriteScratchFile("g.Brk2017_fuzz", data, size);
    const sim::LoadedGeometry loaded = sim::LoadGeometryFile(path);
    if (size < sim::kGeometryFileSize) {
        SIM_FUZZ_CHECK(!loaded.Values);
        SIM_FUZZ_CHECK(loaded.Error == sim::Tr(sim::kReadBeyondEndOfFile));
        return 0;
    }
    SIM_FUZZ_CHECK(loaded.Values);
    for (std::size_t i = 0; i < sim::kGeometryValueCount; ++i) {
        const std::uint32_t v = static_cast<std::uint32_t>(data[4 * i]) |
                                static_cast<std::uint32_t>(data[4 * i + 1]) << 8 |
                                static_cast<std::uint32_t>(data[4 * i + 2]) << 16 |
                                static_cast<std::uint32_t>(data[4 * i + 3]) << 24;
        SIM_FUZZ_CHECK((*loaded.Values)[i] == static_cast<std::int32_t>(v));
    }

    // Applied as it stands, then used the way the window uses placed components.
    std::array<sim::PanelItem, sim::kSlotCount> items{};
    sim::IndexedArray<sim::PanelItem*, 1, sim::kSlotCount> components{};
    sim::IndexedArray<sim::ComponentSlot, 1, sim::kSlotCount> slots{};
    for (int i = 1; i <= sim::kSlotCount; ++i) {
        const sim::ItemPlace& start = sim::kComponentStart[i - 1];
        const auto k = static_cast<std::size_t>(i - 1);
        items[k] = {start.Left, start.Top, start.Width, start.Height, i};
        components[i] = &items[k];
    }
    sim::ApplyGeometry(*loaded.Values, components, slots);
    const sim::PanelItem field{sim::kFieldLeft, sim::kFieldTop, sim::kExperimentPlace.Width,
                               sim::kExperimentPlace.Height, 0};
    const sim::ComponentTable table = sim::MakeComponentTable(components);
    for (int i = 1; i <= sim::kSlotCount; ++i) {
        SIM_FUZZ_CHECK(slots[i].Placed == sim::LiesOnField(components[i]->Left));
        const sim::FieldPoint over =
            sim::DragPointInField(field, *components[i], *components[i], 0, 0);
        (void)sim::ComponentDragAccepted(table, field, over, *components[i]);
    }

    const std::string copy = path + ".copy";
    SIM_FUZZ_CHECK(!sim::SaveGeometryFile(copy, sim::CollectGeometry(components)));
    const std::vector<unsigned char> saved = ReadBack(copy);
    SIM_FUZZ_CHECK(saved == std::vector<unsigned char>(data, data + sim::kGeometryFileSize));
    return 0;
}
