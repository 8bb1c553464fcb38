#include "common/VirtualClock.h"

#include <algorithm>
#include <utility>

namespace sim {

struct VirtualClock::Entry {
    int interval = 0;
    std::function<void()> onTick;
    bool enabled = false;
    bool firing = false;
    std::int64_t due = 0;
};

class VirtualClock::VirtualTimer : public Timer {
  public:
    VirtualTimer(VirtualClock& clock, std::unique_ptr<Entry> entry)
        : clock_(clock), alive_(clock.alive_), entry_(std::move(entry)) {}
    ~VirtualTimer() override {
        if (*alive_) {
            clock_.firing_.erase(entry_.get());
            auto& list = clock_.entries_;
            list.erase(std::remove(list.begin(), list.end(), entry_.get()), list.end());
        }
    }
    VirtualTimer(const VirtualTimer&) = delete;
    VirtualTimer& operator=(const VirtualTimer&) = delete;

    void SetEnabled(bool enabled) override {
        if (enabled && !entry_->enabled) {
            entry_->due = clock_.now_ + entry_->interval;
        }
        entry_->enabled = enabled;
    }
    bool Enabled() const override { return entry_->enabled; }

  private:
    VirtualClock& clock_;
    std::shared_ptr<bool> alive_;
    std::unique_ptr<Entry> entry_;
};

VirtualClock::VirtualClock() : alive_(std::make_shared<bool>(true)) {}

VirtualClock::~VirtualClock() {
    *alive_ = false;
}

std::unique_ptr<Timer> VirtualClock::CreateTimer(int intervalMs, std::function<void()> onTick) {
    auto entry = std::make_unique<Entry>();
    entry->interval = std::max(1, intervalMs);
    entry->onTick = std::move(onTick);
    entries_.push_back(entry.get());
    return std::make_unique<VirtualTimer>(*this, std::move(entry));
}

VirtualClock::Entry* VirtualClock::NextDue() const {
    Entry* next = nullptr;
    for (Entry* e : entries_) {
        if (e->enabled && !e->firing && (next == nullptr || e->due < next->due)) {
            next = e;
        }
    }
    return next;
}

std::optional<std::int64_t> VirtualClock::NextDueMs() const {
    const Entry* next = NextDue();
    return next == nullptr ? std::nullopt : std::optional<std::int64_t>(next->due);
}

void VirtualClock::Fire(Entry& entry) {
    now_ = std::max(now_, entry.due);
    // A tick that came late (behind a wait nested in another tick) is not made up for, as with
    // the toolkit's timers: the next one is due an interval from now.
    entry.due += entry.interval;
    if (entry.due < now_) {
        entry.due = now_ + entry.interval;
    }
    ++events_;
    // The callback may destroy or re-enable timers; copy what it needs first.
    auto callback = entry.onTick;
    // Like the toolkit's timers, a tick is not run again by a wait inside itself (a modal
    // message it opens); the other timers go on.
    Entry* const firing = &entry;
    entry.firing = true;
    firing_.insert(firing);
    callback();
    if (firing_.erase(firing) != 0) {
        firing->firing = false;
    }
}

void VirtualClock::ProcessPendingEvents() {
    Entry* next = NextDue();
    if (next == nullptr) {
        throw Stalled();
    }
    Fire(*next);
}

void VirtualClock::Advance(std::int64_t ms) {
    const std::int64_t end = now_ + ms;
    for (Entry* next = NextDue(); next != nullptr && next->due <= end; next = NextDue()) {
        Fire(*next);
    }
    now_ = std::max(now_, end);
}

void VirtualClock::RunUntil(const std::function<bool()>& done, std::int64_t maxEvents) {
    for (std::int64_t n = 0; !done(); ++n) {
        if (n >= maxEvents) {
            throw std::runtime_error("RunUntil: condition not reached");
        }
        ProcessPendingEvents();
    }
}

}  // namespace sim
