#pragma once

// The table of what a person can do to the window. A row is an action's name (it names the
// action in written sequences, so it never changes), its weight in the random choice, whether
// it may also happen while the program waits inside a handler (the measurement Start waits
// through a whole speed series, and the window takes clicks meanwhile), and what it does.
// A new kind of action is one more row.

#include <string_view>
#include <vector>

namespace sim::exerciser {

class Engine;

struct ActionRow {
    const char* Name;
    double Weight;
    bool Nested;
    void (*Run)(Engine& engine);
};

const std::vector<ActionRow>& ActionTable();
const ActionRow* FindAction(std::string_view name);

}  // namespace sim::exerciser
