#include "physics/Random.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace sim {
namespace {

class RandomCounts : public ::testing::Test {
  protected:
    RandomSource rng;  // a fresh one starts at 0, as the program does

    std::vector<std::int32_t> Draw(double mean, int n) {
        std::vector<std::int32_t> out;
        for (int k = 0; k < n; ++k) {
            out.push_back(rng.RandomCount(mean));
        }
        return out;
    }
    struct Moments {
        double Mean, Sd;
    };
    static Moments MomentsOf(const std::vector<std::int32_t>& xs) {
        double sum = 0, squares = 0;
        for (std::int32_t x : xs) {
            sum += x;
            squares += static_cast<double>(x) * x;
        }
        const double n = static_cast<double>(xs.size());
        const double mean = sum / n;
        return {mean, std::sqrt(squares / n - mean * mean)};
    }
};

TEST_F(RandomCounts, UniformSequenceFromProgramStart) {
    const double expected[] = {2.3283064365386963e-10, 0.031379939522594213, 0.8610484672244638,
                               0.20258096512407064,    0.2729212671983987,   0.6716544185765088};
    for (double value : expected) {
        EXPECT_EQ(static_cast<double>(rng.UniformRandom()), value);
    }
}

TEST_F(RandomCounts, KnownSequencesFromProgramStart) {
    EXPECT_EQ(Draw(5.0, 6), (std::vector<std::int32_t>{0, 1, 7, 3, 4, 6}));
    rng.Seed = 0;
    EXPECT_EQ(rng.RandomCount(2000.0), 2017);
    std::uint32_t replay = 0;
    for (int k = 0; k < 4; ++k) {  // the first pair is rejected
        replay = replay * 134775813u + 1u;
    }
    EXPECT_EQ(rng.Seed, replay);
    EXPECT_EQ(Draw(2000.0, 2), (std::vector<std::int32_t>{1946, 1978}));
}

TEST_F(RandomCounts, SourcesSideBySideKeepTheirOwnSequences) {
    RandomSource other;
    std::vector<std::int32_t> first, second;
    for (int k = 0; k < 6; ++k) {
        first.push_back(rng.RandomCount(5.0));
        second.push_back(other.RandomCount(5.0));
    }
    const std::vector<std::int32_t> fromStart{0, 1, 7, 3, 4, 6};
    EXPECT_EQ(first, fromStart);
    EXPECT_EQ(second, fromStart);
}

TEST_F(RandomCounts, NoPositiveMeanDrawsNothing) {
    rng.Seed = 12345;
    for (double mean : {0.0, -0.0, -3.0, std::numeric_limits<double>::quiet_NaN(),
                        -std::numeric_limits<double>::infinity()}) {
        EXPECT_EQ(rng.RandomCount(mean), 0);
        EXPECT_EQ(rng.Seed, 12345u);
    }
}

TEST_F(RandomCounts, GaussianFromExactlyOneThousand) {
    for (std::uint32_t seed : {0u, 7u, 123456789u}) {
        rng.Seed = seed;
        const std::int32_t viaCount = rng.RandomCount(1000.0);
        const std::uint32_t after = rng.Seed;
        rng.Seed = seed;
        EXPECT_EQ(rng.GaussianCount(1000.0), viaCount);
        EXPECT_EQ(rng.Seed, after);

        const double below = std::nextafter(1000.0, 0.0);
        rng.Seed = seed;
        const std::int32_t poisson = rng.RandomCount(below);
        EXPECT_EQ(rng.Seed, seed * 134775813u + 1u);  // one uniform number
        rng.Seed = seed;
        EXPECT_EQ(rng.PoissonCount(below), poisson);
    }
    const auto draws = Draw(1000.0, 4000);
    const Moments m = MomentsOf(draws);
    EXPECT_NEAR(m.Mean, 999.5, 2.5);
    EXPECT_NEAR(m.Sd, 31.6, 1.5);
    EXPECT_GT(*std::max_element(draws.begin(), draws.end()), 1080);
}

TEST_F(RandomCounts, PoissonKeepsItsTailAboveTheTable) {
    for (double mean : {999.9, 990.0}) {
        const auto draws = Draw(mean, 4000);
        const Moments m = MomentsOf(draws);
        EXPECT_NEAR(m.Mean, mean, 2.5) << mean;
        EXPECT_NEAR(m.Sd, std::sqrt(mean), 1.5) << mean;
        // P(N = 1001) is about 1.3 %, not the whole mass above 1000.
        const auto lumped = std::count(draws.begin(), draws.end(), 1001);
        EXPECT_LT(lumped, 100) << mean;
        EXPECT_GT(*std::max_element(draws.begin(), draws.end()), 1080) << mean;
    }
}

TEST_F(RandomCounts, ExtendedPrecisionCarriesLargeMeans) {
    const auto draws = Draw(800.0, 2000);
    EXPECT_EQ(rng.PoissonTable[0], 0.0);  // e^-800 is below every double
    const Moments m = MomentsOf(draws);
    EXPECT_NEAR(m.Mean, 800, 2.5);
    EXPECT_NEAR(m.Sd, std::sqrt(800.0), 1.5);
    EXPECT_NEAR(rng.PoissonTable[800], 0.5094, 1e-3);  // the median of a Poisson(800) variable

    const auto tiny = Draw(1e-9, 2000);
    EXPECT_EQ(std::count(tiny.begin(), tiny.end(), 0), 2000);
}

TEST_F(RandomCounts, AbsurdMeansStayDefined) {
    // Outside the callers' range, but no conversion may overflow and no loop may run away.
    EXPECT_EQ(rng.GaussianCount(1e30), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(rng.GaussianCount(std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(rng.PoissonCount(1e6), 1001);  // every term vanishes
    EXPECT_EQ(rng.PoissonCount(std::numeric_limits<double>::quiet_NaN()), 1001);
    const std::int32_t large = rng.PoissonCount(5000.0);
    EXPECT_NEAR(large, 5000, 5 * std::sqrt(5000.0));
}

}  // namespace
}  // namespace sim
