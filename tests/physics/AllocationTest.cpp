#include "tests/physics/Rig.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

namespace {
std::atomic<long> allocations{0};
}  // namespace

// Counts every allocation of this test binary; the evaluation runs once per measurement tick
// and must not touch the heap.
void* operator new(std::size_t size) {
    ++allocations;
    if (void* p = std::malloc(size == 0 ? 1 : size)) {
        return p;
    }
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}

namespace sim {
namespace {

TEST(Evaluation, AllocatesNothing) {
    test::Rig rig;
    rig.Mount(1, 9);
    rig.Model.RotorDriveOn = true;
    rig.Model.RotorSpeed = 1400;
    rig.Place(1, 507, 187);
    rig.Place(2, 450, 189);
    rig.Place(3, 476, 132);
    rig.Place(4, 450, 246);
    rig.Place(5, 476, 246);
    rig.Place(6, 450, 132);
    const long before = allocations.load();
    rig.Evaluate();
    EXPECT_EQ(allocations.load() - before, 0);
    EXPECT_GT(rig.Model.DetectorRate, 0);
    EXPECT_GT(rig.Model.TargetResonantRate, 0);
    EXPECT_TRUE(rig.Shown.empty());

    // The next ticks of the count, and the points of a series, keep what the first one formed.
    for (const double speed : {1400.0, 1450.0, 100.0, 2000.0}) {
        rig.Model.RotorSpeed = speed;
        rig.Evaluate();
    }
    EXPECT_EQ(allocations.load() - before, 0);
    EXPECT_TRUE(rig.Shown.empty());
}

}  // namespace
}  // namespace sim
