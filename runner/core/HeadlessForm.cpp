#include "runner/core/HeadlessForm.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace sim {

std::unique_ptr<Timer> MeasureTickClock::CreateTimer(int intervalMs, std::function<void()> onTick) {
    // The measurement timer is the only one with the measurement tick's interval.
    if (intervalMs == kMeasureTickMs) {
        return inner_.CreateTimer(intervalMs, [this, tick = std::move(onTick)] {
            ++measureTicks_;
            tick();
        });
    }
    return inner_.CreateTimer(intervalMs, std::move(onTick));
}

HeadlessForm::HeadlessForm(MeasureTickClock& clock, std::string programDir)
    : TForm1Logic(clock, std::move(programDir)), ticks_(clock) {
    FormCreate();
}

bool HeadlessForm::ApparatusErrorShown() const {
    return std::any_of(Messages.begin(), Messages.end(),
                       [](const RunMessage& m) { return m.Caption == Tr(kErrorCaption); });
}

void HeadlessForm::ClosePoint() {
    if (current_.Ticks == 0) {
        return;
    }
    current_.Setpoint = Model.RotorSpeedSetpoint;
    current_.Counts = Model.CounterValue;
    Points.push_back(current_);
    current_ = {};
}

int HeadlessForm::ShowMessageDialog(const std::string& text, const std::string& caption,
                                    int flags) {
    (void)flags;
    Messages.push_back({text, caption});
    return kMsgOk;  // every message here is an OK-only one
}

std::optional<std::string> HeadlessForm::ExecuteOpenDialog(const std::string& filter) {
    (void)filter;
    return std::exchange(FileToOpen, std::nullopt);
}

void HeadlessForm::ControlsChanged() {
    if (ticks_.MeasureTicks() == seenTicks_) {
        return;  // a pump or rotor tick
    }
    seenTicks_ = ticks_.MeasureTicks();
    // The tick's own expectation: the counter drew around it, or (exact mode) took it truncated.
    current_.Expected += std::fabs(static_cast<double>(Model.CountFactor)) * Model.DetectorRate;
    ++current_.Ticks;
    if (!Model.MeasurementOn) {
        ClosePoint();
    }
}

}  // namespace sim
