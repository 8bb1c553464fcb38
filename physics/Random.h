#pragma once

#include <array>
#include <cstdint>

namespace sim {

// A uniform random source (a 32-bit linear congruential generator) and the random counts drawn
// from it. It starts at 0 and is never seeded from anywhere else, so a run from the start
// replays exactly; each apparatus owns one, so runs side by side never share a sequence.
class RandomSource {
  public:
    long double UniformRandom();
    std::int32_t RandomCount(double mean);
    std::int32_t PoissonCount(double mean);
    std::int32_t GaussianCount(double mean);

    std::uint32_t Seed = 0;
    // Scratch table of PoissonCount; entry k holds P(N <= k) for the current mean.
    std::array<double, 1001> PoissonTable{};
};

}  // namespace sim
