#pragma once

#include <functional>
#include <memory>

namespace sim {

// A periodic timer that runs its callback on the event thread while enabled. Enabling an
// enabled timer does not restart it.
class Timer {
  public:
    virtual ~Timer() = default;
    virtual void SetEnabled(bool enabled) = 0;
    virtual bool Enabled() const = 0;
};

// The one source of time and waiting. The program runs it on the toolkit's event loop; tests
// and the headless runner run it on a virtual clock, so thousands of ticks take milliseconds.
class Clock {
  public:
    virtual ~Clock() = default;
    virtual std::unique_ptr<Timer> CreateTimer(int intervalMs, std::function<void()> onTick) = 0;
    // Waits for and handles pending events (at least one where one can come), for loops that
    // wait on a flag set by those events.
    virtual void ProcessPendingEvents() = 0;
};

}  // namespace sim
