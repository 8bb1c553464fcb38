#pragma once

// The placement rules of the experiment panel, without a toolkit: where a dragged component may
// be released, the overlap test, and what each drop or dialog result does to the items. The
// window's drag handlers only decide which items are involved and call these.

#include <cstdint>
#include <optional>
#include <string>

#include "common/IndexedArray.h"
#include "common/Translate.h"
#include "physics/ApparatusModel.h"

namespace sim {

// The six component items, slots 1..6; not owned.
using ComponentTable = IndexedArray<const PanelItem*, 1, kSlotCount>;

// Read-only view of a table of records derived from PanelItem (the window's FieldItems).
template <typename Item>
ComponentTable MakeComponentTable(const IndexedArray<Item*, 1, kSlotCount>& items) {
    ComponentTable table{};
    for (int i = 1; i <= kSlotCount; ++i) {
        table[i] = items[i];
    }
    return table;
}

// The window in field pixels where a component's top-left corner may be released by dragging.
inline constexpr std::int32_t kDropMinX = 450;
inline constexpr std::int32_t kDropMaxX = 1000;
inline constexpr std::int32_t kDropMaxY = 310;
// A component's right edge must stay at or left of this field x.
inline constexpr std::int32_t kFieldRightLimit = 1075;

inline constexpr TrText kPutBackQuestion = SIM_TR("Geometry", "        Visszateszed a helyére?");
inline constexpr TrText kPutBackCaption = SIM_TR("Geometry", "*** MEGERŐSÍTÉS ***");

// A pointer position in field pixels. Wide enough for any item position plus any offset.
struct FieldPoint {
    std::int64_t X = 0;
    std::int64_t Y = 0;
};

// True when component c with its top-left corner at field (x, y) would stick out right of the
// limit or overlap another component (edges exclusive, so shared edges do not count). The slot
// whose item has c's Tag is skipped; a null entry is skipped too.
bool ComponentCollides(const ComponentTable& components, const PanelItem& field, std::int32_t x,
                       std::int32_t y, const PanelItem& c);

// The window of drag releases: 450 <= x <= 1000 and y <= 310, field pixels.
bool ComponentDropAllowed(std::int64_t fieldX, std::int64_t fieldY);

// Whether item is one of the table's components (by identity).
bool IsComponent(const ComponentTable& components, const PanelItem* item);

// The pointer position of a component drag in the coordinates the acceptance rule uses. (X, Y)
// is local to target. Over the dragged item itself it is converted to field pixels; over the
// field image it already is; over anything else it stays local (and so never passes the rule).
FieldPoint DragPointInField(const PanelItem& field, const PanelItem& target,
                            const PanelItem& dragged, std::int32_t x, std::int32_t y);

// The coordinate readout shown during every drag: "612, 140".
std::string DragReadout(FieldPoint p);

// Whether a dragged item may be released at p: it must be a component, p must lie in the drop
// window, and the component must not collide there.
bool ComponentDragAccepted(const ComponentTable& components, const PanelItem& field, FieldPoint p,
                           const PanelItem& dragged);

// Whether a component with its top-left corner at field (x, y) has panel bounds (left, top,
// right, bottom) that all fit in 32 bits. Typed coordinates far out must be refused before
// they are applied.
bool PanelPlaceFits(const PanelItem& field, std::int64_t x, std::int64_t y, const PanelItem& c);

// Drops. Each puts the component's top-left corner at the release point; (X, Y) is local to the
// target. Results beyond the 32-bit range are clamped to it.
// Over the field image: Left := field.Left + X, Top := field.Top + Y.
void DropOnField(PanelItem& component, const PanelItem& field, std::int32_t x, std::int32_t y);
// Over the component itself: Left += X, Top += Y.
void DropOnItself(PanelItem& component, std::int32_t x, std::int32_t y);
// The dialog's OK: the typed field position.
void PlaceAtField(PanelItem& component, const PanelItem& field, std::int32_t x, std::int32_t y);
// The put-back: to the home place of the component's Tag; a Tag outside 1..6 leaves it alone.
void MoveToHomePlace(PanelItem& component);
// A source dropped on a marker takes the marker's place and its position index.
void DropSourceOnMarker(PanelItem& source, const PanelItem& marker);

// A component whose Left is left of the bins counts as placed on the field.
bool LiesOnField(std::int32_t left);

// The kind shown by the position dialog for a Tag: "Higany", "Detektor", "Ólom", or nothing for
// a Tag outside 1..6.
std::optional<std::string> ComponentKindText(std::int32_t tag);

}  // namespace sim
