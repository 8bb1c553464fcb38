#pragma once

#include "physics/ApparatusModel.h"

#include <string>
#include <vector>

namespace sim::test {

// The window's side of the model: the panel items it reads, wired the way the window wires
// them, with the default component sizes and the 33-pixel mounting marker.
struct Rig {
    static constexpr int kMarkerHeight = 33;
    static constexpr int kFieldLeft = 16;
    static constexpr int kFieldTop = 10;

    PanelItem Experiment{kFieldLeft, kFieldTop, 1064, 377, 0};
    PanelItem Image2;
    PanelItem Image3;
    IndexedArray<PanelItem, 1, kSlotCount> Shapes;
    ApparatusModel Model;
    std::vector<std::string> Shown;  // ErrorText of each failed evaluation, as the window shows it

    Rig() {
        IndexedArray<const PanelItem*, 1, kSlotCount> pointers;
        for (int j = 1; j <= kSlotCount; ++j) {
            Shapes[j] = PanelItem{0, 0, j <= 2 ? 57 : 26, 57, j};
            pointers[j] = &Shapes[j];
        }
        Model.Experiment = &Experiment;
        Model.Image2 = &Image2;
        Model.Image3 = &Image3;
        Model.SetDefaults(pointers, kMarkerHeight);
    }
    Rig(const Rig&) = delete;
    Rig& operator=(const Rig&) = delete;

    // One evaluation as the measurement tick runs it: a failure's text is shown and cleared.
    bool Evaluate() {
        const bool evaluated = Model.EvaluateApparatus();
        if (!evaluated) {
            Shown.push_back(Model.ErrorText);
            Model.ErrorText.clear();
        }
        return evaluated;
    }

    // Puts slot j with its top-left corner at field pixel (x, y).
    void Place(int j, int x, int y) {
        Shapes[j].Left = x + kFieldLeft;
        Shapes[j].Top = y + kFieldTop;
        Model.Slots[j].Placed = true;
    }
    void Mount(int first, int second = 0) {
        Image2.Tag = first;
        Image3.Tag = second;
    }
};

}  // namespace sim::test
