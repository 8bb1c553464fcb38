#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "common/Clock.h"
#include "common/VirtualClock.h"

namespace sim {

// Time that may run faster than the wall clock. The timers run on a simulated clock, one tick
// at a time and in the order that clock gives them, and the wall clock only paces how far the
// simulated time may go: a run is the same sequence of ticks at every speed, and so gives the
// same counts, while a faster speed just lets more of it happen per second.
class SpeedClock : public Clock {
  public:
    // The wall clock's pace: every this many milliseconds the simulated time may go on by this
    // many milliseconds times the speed.
    static constexpr int kPaceMs = 10;

    explicit SpeedClock(Clock& wall);
    ~SpeedClock() override;
    SpeedClock(const SpeedClock&) = delete;
    SpeedClock& operator=(const SpeedClock&) = delete;

    std::unique_ptr<Timer> CreateTimer(int intervalMs, std::function<void()> onTick) override;
    // Runs the next simulated tick where the pace allows it, else waits on the wall clock.
    void ProcessPendingEvents() override;

    void SetSpeed(int factor);  // 1 or more
    int Speed() const { return speed_; }
    std::int64_t SimulatedMs() const { return simulated_.NowMs(); }

  private:
    struct Firer;
    bool DueWithinPace() const;
    bool FireOneDue();
    void Pace();
    void Fire(Firer& firer);
    void EnsureFiring();

    Clock& wall_;
    VirtualClock simulated_;
    std::int64_t allowed_ = 0;  // simulated milliseconds the pace has let through
    int speed_ = 1;
    std::unique_ptr<Timer> pace_;
    // Each runs one simulated tick per wall event. A tick that waits inside itself (a modal
    // message) holds its firer, as a toolkit timer is not run again inside its own tick: the
    // next idle one goes on with the other timers meanwhile.
    std::vector<std::unique_ptr<Firer>> firers_;
};

}  // namespace sim
