#include "geometry/core/Placement.h"

#include <limits>

#include "geometry/core/PanelLayout.h"

namespace sim {

namespace {

constexpr std::int64_t kInt32Min = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t kInt32Max = std::numeric_limits<std::int32_t>::max();

std::int32_t ClampToInt32(std::int64_t v) {
    return static_cast<std::int32_t>(v < kInt32Min ? kInt32Min : (v > kInt32Max ? kInt32Max : v));
}

bool FitsInt32(std::int64_t v) {
    return v >= kInt32Min && v <= kInt32Max;
}

}  // namespace

bool ComponentCollides(const ComponentTable& components, const PanelItem& field, std::int32_t x,
                       std::int32_t y, const PanelItem& c) {
    // Every sum below is of at most three 32-bit values, so 64 bits cannot overflow.
    const std::int64_t w = c.Width;
    const std::int64_t h = c.Height;
    if (std::int64_t{x} > kFieldRightLimit - w) {
        return true;
    }
    const std::int64_t left = x;
    const std::int64_t top = y;
    const std::int64_t right = left + w;
    const std::int64_t bottom = top + h;

    bool result = false;
    for (int i = 1; i <= kSlotCount; ++i) {
        const PanelItem* other = components[i];
        if (other == nullptr || other->Tag == c.Tag) {
            continue;
        }
        const std::int64_t oLeft = std::int64_t{other->Left} - field.Left;
        const std::int64_t oTop = std::int64_t{other->Top} - field.Top;
        const std::int64_t oRight = oLeft + other->Width;
        const std::int64_t oBottom = oTop + other->Height;
        if (left < oRight && oLeft < right && top < oBottom && oTop < bottom) {
            result = true;
        }
    }
    return result;
}

bool ComponentDropAllowed(std::int64_t fieldX, std::int64_t fieldY) {
    return fieldX >= kDropMinX && fieldX <= kDropMaxX && fieldY <= kDropMaxY;
}

bool IsComponent(const ComponentTable& components, const PanelItem* item) {
    if (item == nullptr) {
        return false;
    }
    for (const PanelItem* c : components) {
        if (c == item) {
            return true;
        }
    }
    return false;
}

FieldPoint DragPointInField(const PanelItem& field, const PanelItem& target,
                            const PanelItem& dragged, std::int32_t x, std::int32_t y) {
    if (&target == &dragged) {
        return {std::int64_t{dragged.Left} - field.Left + x,
                std::int64_t{dragged.Top} - field.Top + y};
    }
    return {x, y};
}

std::string DragReadout(FieldPoint p) {
    return std::to_string(p.X) + ", " + std::to_string(p.Y);
}

bool ComponentDragAccepted(const ComponentTable& components, const PanelItem& field, FieldPoint p,
                           const PanelItem& dragged) {
    if (!IsComponent(components, &dragged) || !ComponentDropAllowed(p.X, p.Y) ||
        !PanelPlaceFits(field, p.X, p.Y, dragged)) {
        return false;
    }
    // Both fit in 32 bits here: x by the drop window, y by the panel-place check.
    return !ComponentCollides(components, field, static_cast<std::int32_t>(p.X),
                              static_cast<std::int32_t>(p.Y), dragged);
}

bool PanelPlaceFits(const PanelItem& field, std::int64_t x, std::int64_t y, const PanelItem& c) {
    if (!FitsInt32(x) || !FitsInt32(y)) {
        return false;
    }
    const std::int64_t left = field.Left + x;
    const std::int64_t top = field.Top + y;
    return FitsInt32(left) && FitsInt32(top) && FitsInt32(left + c.Width) &&
           FitsInt32(top + c.Height);
}

void DropOnField(PanelItem& component, const PanelItem& field, std::int32_t x, std::int32_t y) {
    component.Left = ClampToInt32(std::int64_t{field.Left} + x);
    component.Top = ClampToInt32(std::int64_t{field.Top} + y);
}

void DropOnItself(PanelItem& component, std::int32_t x, std::int32_t y) {
    component.Top = ClampToInt32(std::int64_t{component.Top} + y);
    component.Left = ClampToInt32(std::int64_t{component.Left} + x);
}

void PlaceAtField(PanelItem& component, const PanelItem& field, std::int32_t x, std::int32_t y) {
    DropOnField(component, field, x, y);
}

void MoveToHomePlace(PanelItem& component) {
    if (component.Tag < 1 || component.Tag > kSlotCount) {
        return;
    }
    const ItemPlace& home = kHomePlace[component.Tag - 1];
    component.Left = home.Left;
    component.Top = home.Top;
}

void DropSourceOnMarker(PanelItem& source, const PanelItem& marker) {
    source.Left = marker.Left;
    source.Top = marker.Top;
    source.Tag = marker.Tag;
}

bool LiesOnField(std::int32_t left) {
    return left < kBinLeft;
}

std::optional<std::string> ComponentKindText(std::int32_t tag) {
    if (tag < 1 || tag > kSlotCount) {
        return std::nullopt;
    }
    switch (kSlotDefaults[tag - 1].Kind) {
        case ComponentKind::MercuryTarget:
            return Tr(SIM_TR("Geometry", "Higany"));
        case ComponentKind::Detector:
            return Tr(SIM_TR("Geometry", "Detektor"));
        case ComponentKind::LeadShield:
            return Tr(SIM_TR("Geometry", "Ólom"));
    }
    return std::nullopt;
}

}  // namespace sim
