#include "physics/Random.h"

#include <cfloat>
#include <cmath>
#include <limits>

namespace sim {

// e^(-1000) must stay representable for the Poisson table, as in x86-64's 80-bit extended
// precision (GCC and MinGW). Microsoft's compiler makes long double a double: refused here.
static_assert(LDBL_MANT_DIG >= 64 && std::numeric_limits<long double>::min_exponent10 < -1000,
              "the random counts need 80-bit extended precision");

namespace {

constexpr std::uint32_t kMultiplier = 0x08088405u;
constexpr double kGaussianThreshold = 1000.0;
constexpr int kTableLast = 1000;
// Past the table the inversion goes on term by term; for any mean this far exceeds the
// mean plus many standard deviations, it only bounds the loop for absurd arguments.
constexpr int kTailLimit = 1 << 20;

}  // namespace

long double RandomSource::UniformRandom() {
    Seed = Seed * kMultiplier + 1u;
    return std::ldexp(static_cast<long double>(Seed), -32);
}

std::int32_t RandomSource::RandomCount(double mean) {
    if (!(mean > 0.0)) {
        return 0;
    }
    if (mean >= kGaussianThreshold) {
        return GaussianCount(mean);
    }
    return PoissonCount(mean);
}

std::int32_t RandomSource::PoissonCount(double mean) {
    const long double m = mean;
    long double term = std::exp(-m);
    PoissonTable[0] = static_cast<double>(term);
    long double sum = term;
    for (int k = 1; k <= kTableLast; ++k) {
        term = term * m / k;
        sum = sum + term;
        PoissonTable[static_cast<std::size_t>(k)] = static_cast<double>(sum);
    }

    const long double u = UniformRandom();
    for (int k = 0; k <= kTableLast; ++k) {
        if (u <= PoissonTable[static_cast<std::size_t>(k)]) {
            return k;
        }
    }

    // Beyond the table: the same draw, the same running sum, so every mean below the
    // Gaussian threshold keeps its whole Poisson tail instead of a lump at 1001.
    int k = kTableLast;
    while (k < kTailLimit) {
        ++k;
        term = term * m / k;
        sum = sum + term;
        if (u <= sum) {
            return k;
        }
        if (!(term > 0)) {
            return k;  // the terms have vanished (or the mean was no number at all)
        }
        if (k > m && sum + term == sum) {
            return k;  // past the peak and too small to move the sum: rounding left u unreached
        }
    }
    return k;
}

std::int32_t RandomSource::GaussianCount(double mean) {
    const double sd = std::sqrt(mean);
    double a = 0;
    double s = 0;
    do {
        a = static_cast<double>(2 * UniformRandom() - 1);
        const double b = static_cast<double>(2 * UniformRandom() - 1);
        s = static_cast<double>(static_cast<long double>(a) * a + static_cast<long double>(b) * b);
        // s == 0 cannot come out of this generator (seed 2^31 is always followed by 2^31 + 1);
        // rejecting it keeps the division below defined all the same.
    } while (s > 1 || s == 0);
    const double w = static_cast<double>(std::sqrt(-2 * std::log(static_cast<long double>(s)) / s));
    const double g = a * w;
    const long double count = std::trunc(static_cast<long double>(g) * sd + mean);

    // Means this large lie outside the model; clamp instead of converting out of range.
    if (std::isnan(count)) {
        return 0;
    }
    if (count >= static_cast<long double>(std::numeric_limits<std::int32_t>::max())) {
        return std::numeric_limits<std::int32_t>::max();
    }
    if (count <= static_cast<long double>(std::numeric_limits<std::int32_t>::min())) {
        return std::numeric_limits<std::int32_t>::min();
    }
    return static_cast<std::int32_t>(count);
}

}  // namespace sim
