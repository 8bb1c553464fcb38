#pragma once

#include <cstdint>
#include <string>

#include "physics/ApparatusModel.h"

namespace sim {

// Plain records of the window's controls. The handlers change only these; the window shows
// them on its widgets, and a headless run has nothing else.
struct ButtonControl {
    std::string Caption;
    bool Enabled = true;
};

struct EditControl {
    std::string Text;
    bool Enabled = true;
};

struct CheckBoxControl {
    std::string Caption;
    bool Checked = false;
};

struct UpDownControl {
    std::int32_t Min = kRotorSpeedMin;
    std::int32_t Max = kRotorSpeedMax;
    std::int32_t Increment = kRotorSpeedIncrement;
    std::int32_t Position = kRotorSpeedMin;
};

// An item of the experiment panel: its bounds and Tag (what the physics reads), and whether
// the user may drag it and whether it is shown.
struct FieldItem : PanelItem {
    bool Draggable = false;
    bool Visible = true;
};

}  // namespace sim
