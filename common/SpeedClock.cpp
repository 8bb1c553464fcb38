#include "common/SpeedClock.h"

#include <algorithm>
#include <utility>

namespace sim {

struct SpeedClock::Firer {
    std::unique_ptr<Timer> Wall;
    bool Running = false;
};

SpeedClock::SpeedClock(Clock& wall) : wall_(wall) {
    pace_ = wall_.CreateTimer(kPaceMs, [this] { Pace(); });
    pace_->SetEnabled(true);
}

SpeedClock::~SpeedClock() = default;

std::unique_ptr<Timer> SpeedClock::CreateTimer(int intervalMs, std::function<void()> onTick) {
    return simulated_.CreateTimer(intervalMs, std::move(onTick));
}

void SpeedClock::SetSpeed(int factor) {
    speed_ = std::max(1, factor);
}

bool SpeedClock::DueWithinPace() const {
    const auto due = simulated_.NextDueMs();
    return due && *due <= allowed_;
}

bool SpeedClock::FireOneDue() {
    if (!DueWithinPace()) {
        return false;
    }
    simulated_.ProcessPendingEvents();
    return true;
}

void SpeedClock::ProcessPendingEvents() {
    if (!FireOneDue()) {
        wall_.ProcessPendingEvents();
    }
}

void SpeedClock::Pace() {
    const std::int64_t step = std::int64_t{kPaceMs} * speed_;
    if (!DueWithinPace()) {
        // Nothing waits: the simulated time catches up with the pace at once.
        simulated_.Advance(allowed_ - simulated_.NowMs());
    }
    // Ticks that could not keep up are not made up for later in a burst: the pace goes on
    // from where the simulated time is.
    allowed_ = std::max(allowed_, simulated_.NowMs() + step);
    EnsureFiring();
}

void SpeedClock::EnsureFiring() {
    if (!DueWithinPace()) {
        return;
    }
    Firer* idle = nullptr;
    for (const auto& firer : firers_) {
        if (!firer->Running) {
            if (firer->Wall->Enabled()) {
                return;
            }
            idle = idle != nullptr ? idle : firer.get();
        }
    }
    if (idle == nullptr) {
        firers_.push_back(std::make_unique<Firer>());
        idle = firers_.back().get();
        idle->Wall = wall_.CreateTimer(0, [this, idle] { Fire(*idle); });
    }
    idle->Wall->SetEnabled(true);
}

void SpeedClock::Fire(Firer& firer) {
    firer.Running = true;
    FireOneDue();
    firer.Running = false;
    // One idle firer at most: two in one pass of the wall's events would run two ticks before
    // a wait looks at its condition again.
    const bool another = std::any_of(firers_.begin(), firers_.end(), [&](const auto& other) {
        return other.get() != &firer && !other->Running && other->Wall->Enabled();
    });
    if (another || !DueWithinPace()) {
        firer.Wall->SetEnabled(false);
    }
}

}  // namespace sim
