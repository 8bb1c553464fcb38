#include "grade/core/Expectation.h"

#include "geometry/core/PanelLayout.h"

namespace sim {

FieldEvaluator::FieldEvaluator()
    : experiment_{kExperimentPlace.Left, kExperimentPlace.Top, kExperimentPlace.Width,
                  kExperimentPlace.Height, 0},
      image2_{0, 0, kSourceSize, kSourceSize, kGradedFirstSource},
      image3_{0, 0, kSourceSize, kSourceSize, kGradedSecondSource} {
    IndexedArray<const PanelItem*, 1, kSlotCount> shapes;
    for (int j = 1; j <= kSlotCount; ++j) {
        const ItemPlace& start = kComponentStart[j - 1];
        shapes_[j] = PanelItem{start.Left, start.Top, start.Width, start.Height, j};
        items_[j] = &shapes_[j];
        shapes[j] = &shapes_[j];
    }
    model_.Experiment = &experiment_;
    model_.Image2 = &image2_;
    model_.Image3 = &image3_;
    model_.SetDefaults(shapes, kRotorMarkerSize);
    model_.RotorDriveOn = true;
}

IndexedArray<PanelItem, 1, kSlotCount> FieldEvaluator::Components(const GeometryValues& values) {
    IndexedArray<PanelItem, 1, kSlotCount> items;
    IndexedArray<PanelItem*, 1, kSlotCount> pointers;
    IndexedArray<ComponentSlot, 1, kSlotCount> slots;
    for (int j = 1; j <= kSlotCount; ++j) {
        const ItemPlace& start = kComponentStart[j - 1];
        items[j] = PanelItem{start.Left, start.Top, start.Width, start.Height, j};
        pointers[j] = &items[j];
    }
    ApplyGeometry(values, pointers, slots);
    return items;
}

bool FieldEvaluator::Rates(const GeometryValues& values, const std::vector<std::int64_t>& setpoints,
                           std::vector<double>& rates, std::string& error) {
    ApplyGeometry(values, items_, model_.Slots);
    rates.clear();
    for (const std::int64_t setpoint : setpoints) {
        model_.RotorSpeed = static_cast<double>(setpoint);
        if (!model_.EvaluateApparatus()) {
            error = model_.ErrorText;
            model_.ErrorText.clear();
            rates.clear();
            return false;
        }
        rates.push_back(model_.DetectorRate);
    }
    return true;
}

}  // namespace sim
