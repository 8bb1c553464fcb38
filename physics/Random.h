#pragma once

#include <array>
#include <cstdint>

namespace sim {

// The process's only uniform random source: a 32-bit linear congruential generator that starts
// at 0 and is never seeded from anywhere else. Tests set it back to 0 to replay a run.
extern std::uint32_t RandomSeed;
// Scratch table of PoissonCount; entry k holds P(N <= k) for the current mean.
extern std::array<double, 1001> PoissonTable;

long double UniformRandom();
std::int32_t RandomCount(double mean);
std::int32_t PoissonCount(double mean);
std::int32_t GaussianCount(double mean);

}  // namespace sim
