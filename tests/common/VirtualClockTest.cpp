#include "common/VirtualClock.h"

#include <gtest/gtest.h>

#include <string>

namespace sim {
namespace {

TEST(VirtualClock, RunsTimersInDueOrderAndCreationOrderOnTies) {
    VirtualClock clock;
    std::string log;
    auto fast = clock.CreateTimer(10, [&] { log += 'f'; });
    auto slow = clock.CreateTimer(20, [&] { log += 's'; });
    fast->SetEnabled(true);
    slow->SetEnabled(true);
    clock.Advance(40);
    EXPECT_EQ(log, "ffsffs");
    EXPECT_EQ(clock.NowMs(), 40);
}

TEST(VirtualClock, EnablingAgainDoesNotRestartButReenablingDoes) {
    VirtualClock clock;
    int ticks = 0;
    auto timer = clock.CreateTimer(500, [&] { ++ticks; });
    timer->SetEnabled(true);
    clock.Advance(300);
    timer->SetEnabled(true);  // no restart: due at 500
    clock.Advance(200);
    EXPECT_EQ(ticks, 1);
    timer->SetEnabled(false);
    clock.Advance(100);
    timer->SetEnabled(true);  // restart: due at 1100
    clock.Advance(499);
    EXPECT_EQ(ticks, 1);
    clock.Advance(1);
    EXPECT_EQ(ticks, 2);
}

TEST(VirtualClock, WaitEndsWhenATimerSetsTheFlag) {
    VirtualClock clock;
    int ticks = 0;
    auto timer = clock.CreateTimer(10, [&] { ++ticks; });
    timer->SetEnabled(true);
    while (ticks < 5) {
        clock.ProcessPendingEvents();
    }
    EXPECT_EQ(clock.NowMs(), 50);
}

TEST(VirtualClock, AWaitWithNothingEnabledStallsInsteadOfHanging) {
    VirtualClock clock;
    auto timer = clock.CreateTimer(10, [] {});
    EXPECT_THROW(clock.ProcessPendingEvents(), VirtualClock::Stalled);
}

TEST(VirtualClock, ATimerMayDisableItselfOrBeDestroyedByAnother) {
    VirtualClock clock;
    std::unique_ptr<Timer> victim;
    std::unique_ptr<Timer> self;
    int victimTicks = 0;
    victim = clock.CreateTimer(20, [&] { ++victimTicks; });
    self = clock.CreateTimer(10, [&] {
        self->SetEnabled(false);
        victim.reset();
    });
    victim->SetEnabled(true);
    self->SetEnabled(true);
    clock.Advance(100);
    EXPECT_EQ(victimTicks, 0);
    EXPECT_FALSE(self->Enabled());
}

// A modal message opened by a tick waits in an event loop: the other timers tick under it, but
// the toolkit never runs the opening timer's tick inside itself.
TEST(VirtualClock, AWaitInsideATickRunsTheOtherTimersButNotThatOne) {
    VirtualClock clock;
    std::string log;
    std::unique_ptr<Timer> slow;
    auto fast = clock.CreateTimer(10, [&] { log += 'f'; });
    slow = clock.CreateTimer(20, [&] {
        log += '[';
        if (clock.NowMs() == 20) {
            clock.Advance(60);
        }
        log += ']';
    });
    fast->SetEnabled(true);
    slow->SetEnabled(true);
    clock.Advance(20);
    EXPECT_EQ(log, "ff[ffffff]");
    EXPECT_EQ(clock.NowMs(), 80);
    // Time never runs back, and the missed ticks are not made up: the late one runs once, and
    // the next comes an interval later.
    clock.Advance(20);
    EXPECT_EQ(log, "ff[ffffff][]ff[]");
    EXPECT_EQ(clock.NowMs(), 100);
}

}  // namespace
}  // namespace sim
