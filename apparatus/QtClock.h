#pragma once

#include "common/Clock.h"

namespace sim {

// The clock of the real program: precise Qt timers on the event thread, and waiting that
// sleeps in the event loop until something happens.
class QtClock : public Clock {
  public:
    std::unique_ptr<Timer> CreateTimer(int intervalMs, std::function<void()> onTick) override;
    void ProcessPendingEvents() override;
};

}  // namespace sim
