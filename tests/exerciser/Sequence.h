#pragma once

// The exerciser's random source and its sequences of actions. A sequence is a list of steps,
// each the name of an action and the seed of that action's own generator, so that a step drops
// out of a sequence without changing what any other step does, and a sequence written down
// replays the same actions after new actions join the table.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sim::exerciser {

// A fully specified generator (splitmix64): the standard library's distributions differ from
// one library to the next, and a replay must draw the same numbers everywhere.
class Rng {
  public:
    explicit Rng(std::uint64_t seed = 0) : state_(seed) {}
    std::uint64_t Next();
    // A whole number in [low, high].
    std::int64_t Between(std::int64_t low, std::int64_t high);
    int Int(int low, int high) { return static_cast<int>(Between(low, high)); }
    // A real number in [0, 1).
    double Real();
    bool Chance(double p) { return Real() < p; }
    template <typename T>
    const T& Pick(const std::vector<T>& items) {
        return items[static_cast<std::size_t>(Between(0, static_cast<std::int64_t>(items.size()) - 1))];
    }

  private:
    std::uint64_t state_;
};

// The mixing step of splitmix64, also used to derive seeds.
std::uint64_t Mix(std::uint64_t value);
std::uint64_t HashName(std::string_view name);

struct Step {
    std::string Action;
    std::uint64_t Seed = 0;
    bool operator==(const Step&) const = default;
};
using Sequence = std::vector<Step>;

// A weighted choice that stays put when rows join the table: each row draws its own key from
// the draw and its name (an exponential race), and the smallest wins. A new row changes a
// choice only where it wins itself.
struct Weighted {
    std::string_view Name;
    double Weight;
};
std::size_t ChooseWeighted(std::uint64_t draw, const std::vector<Weighted>& rows);

// The first count steps of seed's sequence over the top-level rows of the action table.
Sequence Generate(std::uint64_t seed, std::size_t count);

// "name:seed name:seed ...", the seed in hexadecimal.
std::string FormatSequence(const Sequence& steps);
// Reads FormatSequence's text (blanks and line ends between steps); nothing on an unknown
// action or a malformed step, with the reason in error.
std::optional<Sequence> ParseSequence(std::string_view text, std::string* error);

}  // namespace sim::exerciser
