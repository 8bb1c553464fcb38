// The overlap test and the drag rules on arbitrary 32-bit rectangles, field offsets, candidate
// positions and pointer points: no overflow, and the answers of a plain reading in 128 bits.

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>

#include "fuzz/FuzzSupport.h"
#include "geometry/core/Placement.h"

namespace {

__extension__ using Wide = __int128;

constexpr Wide kMin32 = std::numeric_limits<std::int32_t>::min();
constexpr Wide kMax32 = std::numeric_limits<std::int32_t>::max();

sim::PanelItem ReadItem(sim::fuzz::ByteReader& in) {
    sim::PanelItem item;
    item.Left = in.Int32();
    item.Top = in.Int32();
    item.Width = in.Int32();
    item.Height = in.Int32();
    item.Tag = in.Int32();
    return item;
}

bool ReferenceCollides(const std::array<const sim::PanelItem*, sim::kSlotCount>& others,
                       const sim::PanelItem& field, Wide x, Wide y, const sim::PanelItem& c) {
    if (x + c.Width > sim::kFieldRightLimit) {
        return true;
    }
    for (const sim::PanelItem* o : others) {
        if (o == nullptr || o->Tag == c.Tag) {
            continue;
        }
        const Wide left = Wide{o->Left} - field.Left;
        const Wide top = Wide{o->Top} - field.Top;
        // Edges exclusive: each starts before the other ends, on both axes. (For rectangles
        // of no or negative size this is the rule as the window applies it, not an area test.)
        const bool acrossX = x < left + o->Width && left < x + c.Width;
        const bool acrossY = y < top + o->Height && top < y + c.Height;
        if (acrossX && acrossY) {
            return true;
        }
    }
    return false;
}

std::int32_t Clamp32(Wide v) {
    return static_cast<std::int32_t>(std::clamp(v, kMin32, kMax32));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    sim::fuzz::ByteReader in(data, size);
    std::array<sim::PanelItem, sim::kSlotCount> items{};
    for (sim::PanelItem& item : items) {
        item = ReadItem(in);
    }
    const std::uint8_t present = in.Byte();  // which table entries exist (the rest are null)
    const sim::PanelItem field = ReadItem(in);
    const std::int32_t x = in.Int32();
    const std::int32_t y = in.Int32();
    // The candidate is one of the table's items, or a stranger.
    const auto which = static_cast<std::uint8_t>(in.Byte() % (sim::kSlotCount + 1));
    const sim::PanelItem stranger = ReadItem(in);
    const sim::PanelItem& c = which < sim::kSlotCount ? items[which] : stranger;

    sim::ComponentTable table{};
    std::array<const sim::PanelItem*, sim::kSlotCount> others{};
    for (int i = 0; i < sim::kSlotCount; ++i) {
        if (((present >> i) & 1) != 0) {
            table[i + 1] = &items[static_cast<std::size_t>(i)];
            others[static_cast<std::size_t>(i)] = &items[static_cast<std::size_t>(i)];
        }
    }

    SIM_FUZZ_CHECK(sim::ComponentCollides(table, field, x, y, c) ==
                   ReferenceCollides(others, field, x, y, c));

    // A drag over the item itself or over the field, with an arbitrary pointer.
    const std::int32_t px = in.Int32();
    const std::int32_t py = in.Int32();
    const bool overItself = in.Bit();
    const sim::FieldPoint point = sim::DragPointInField(field, overItself ? c : field, c, px, py);
    const Wide fx = overItself ? Wide{c.Left} - field.Left + px : Wide{px};
    const Wide fy = overItself ? Wide{c.Top} - field.Top + py : Wide{py};
    SIM_FUZZ_CHECK(point.X == fx && point.Y == fy);

    const bool accepted = sim::ComponentDragAccepted(table, field, point, c);
    auto in32 = [](Wide v) { return v >= kMin32 && v <= kMax32; };
    const Wide left = Wide{field.Left} + fx;
    const Wide top = Wide{field.Top} + fy;
    const bool fits = in32(fx) && in32(fy) && in32(left) && in32(top) && in32(left + c.Width) &&
                      in32(top + c.Height);
    const bool isComponent = which < sim::kSlotCount && table[which + 1] != nullptr;
    SIM_FUZZ_CHECK(accepted == (isComponent && sim::ComponentDropAllowed(point.X, point.Y) &&
                                fits && !ReferenceCollides(others, field, fx, fy, c)));

    // Drops clamp instead of wrapping.
    sim::PanelItem dropped = c;
    sim::DropOnField(dropped, field, px, py);
    SIM_FUZZ_CHECK(dropped.Left == Clamp32(Wide{field.Left} + px));
    SIM_FUZZ_CHECK(dropped.Top == Clamp32(Wide{field.Top} + py));
    dropped = c;
    sim::DropOnItself(dropped, px, py);
    SIM_FUZZ_CHECK(dropped.Left == Clamp32(Wide{c.Left} + px));
    SIM_FUZZ_CHECK(dropped.Top == Clamp32(Wide{c.Top} + py));
    return 0;
}
