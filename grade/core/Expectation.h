#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "common/IndexedArray.h"
#include "geometry/core/GeometryFile.h"
#include "physics/ApparatusModel.h"

namespace sim {

// Rotor positions of the two sources during every graded series: the two markers.
inline constexpr std::int32_t kGradedFirstSource = 1;
inline constexpr std::int32_t kGradedSecondSource = 9;

// The program's own evaluation of a saved geometry, as a series measures it: the components
// where the file puts them (placed when left of the bins), both sources on the rotor markers,
// the drive on, the rotor at each set point. One per thread: the model is not shared.
class FieldEvaluator {
  public:
    FieldEvaluator();
    FieldEvaluator(const FieldEvaluator&) = delete;
    FieldEvaluator& operator=(const FieldEvaluator&) = delete;

    // DetectorRate at each set point (the expected counts of one tick per unit of factor).
    // False when the field cannot be measured; error then holds the program's message.
    bool Rates(const GeometryValues& values, const std::vector<std::int64_t>& setpoints,
               std::vector<double>& rates, std::string& error);

    // Where the window puts the components of a geometry, in panel pixels.
    static IndexedArray<PanelItem, 1, kSlotCount> Components(const GeometryValues& values);

  private:
    PanelItem experiment_;
    PanelItem image2_;
    PanelItem image3_;
    IndexedArray<PanelItem, 1, kSlotCount> shapes_;
    IndexedArray<PanelItem*, 1, kSlotCount> items_{};
    ApparatusModel model_;
};

}  // namespace sim
