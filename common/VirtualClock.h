#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <unordered_set>
#include <vector>

#include "common/Clock.h"

namespace sim {

// Simulated time in whole milliseconds. Each ProcessPendingEvents advances to the earliest
// due timer and runs it; timers due at the same moment run in the order they were created.
// A timer whose tick is running is not run again by a wait nested in that tick.
class VirtualClock : public Clock {
  public:
    // Thrown when a wait has nothing left that could ever end it (no timer enabled).
    class Stalled : public std::runtime_error {
      public:
        Stalled() : std::runtime_error("a wait has no enabled timer to wake it") {}
    };

    VirtualClock();
    ~VirtualClock() override;
    VirtualClock(const VirtualClock&) = delete;
    VirtualClock& operator=(const VirtualClock&) = delete;

    std::unique_ptr<Timer> CreateTimer(int intervalMs, std::function<void()> onTick) override;
    void ProcessPendingEvents() override;

    // Runs every timer due up to now + ms, then sets the time to now + ms.
    void Advance(std::int64_t ms);
    // Runs due timers until the predicate holds; throws Stalled if it can never hold, and
    // std::runtime_error after maxEvents events.
    void RunUntil(const std::function<bool()>& done, std::int64_t maxEvents = 100'000'000);

    std::int64_t NowMs() const { return now_; }
    // When the timer that ProcessPendingEvents would run next is due; none while no timer
    // could run.
    std::optional<std::int64_t> NextDueMs() const;
    std::int64_t EventsRun() const { return events_; }

  private:
    struct Entry;
    class VirtualTimer;
    Entry* NextDue() const;
    void Fire(Entry& entry);

    std::int64_t now_ = 0;
    std::int64_t events_ = 0;
    std::vector<Entry*> entries_;  // in creation order; owned by their timers
    std::unordered_set<Entry*> firing_;  // ticks running now, until they return
    std::shared_ptr<bool> alive_;
};

}  // namespace sim
