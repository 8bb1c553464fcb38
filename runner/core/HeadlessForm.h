#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "apparatus/core/Form1Logic.h"
#include "common/Clock.h"

namespace sim {

// A clock that passes everything through to another one and counts the ticks of the
// measurement timer, so that the window's hook knows a counting tick by the timer that ran it
// rather than by guessing from the model's values (in the exact mode every point is the same
// single tick, 0 -> 0.5 s).
class MeasureTickClock : public Clock {
  public:
    explicit MeasureTickClock(Clock& inner) : inner_(inner) {}

    std::unique_ptr<Timer> CreateTimer(int intervalMs, std::function<void()> onTick) override;
    void ProcessPendingEvents() override {
        if (BeforeEvents) {
            BeforeEvents();
        }
        inner_.ProcessPendingEvents();
    }

    // Runs before each wait of the window's logic for its events (a series' waits), so that
    // the runner can end them from outside.
    std::function<void()> BeforeEvents;

    std::int64_t MeasureTicks() const { return measureTicks_; }

  private:
    Clock& inner_;
    std::int64_t measureTicks_ = 0;
};

// One count as the window ends it: the set point, the counter the result file gets, and what
// the ticks of that count expected.
struct RunPoint {
    double Setpoint = 0;      // 1/s
    std::int32_t Counts = 0;  // CounterValue when the count ended
    double Expected = 0;      // |CountFactor| x DetectorRate summed over the ticks
    std::int32_t Ticks = 0;   // measurement ticks of the count
};

struct RunMessage {
    std::string Text;
    std::string Caption;
};

// The window's logic with nobody in front of it: every message is recorded and answered with
// OK, the open dialog answers with a path given beforehand, and every measurement tick adds to
// the running point.
class HeadlessForm : public TForm1Logic {
  public:
    HeadlessForm(MeasureTickClock& clock, std::string programDir);

    // The file the open dialog "chooses" at the next Button2Click; nothing cancels it.
    std::optional<std::string> FileToOpen;

    std::vector<RunMessage> Messages;
    std::vector<RunPoint> Points;

    // Whether the refresh routine has shown an apparatus error ("*** HIBA! ***").
    bool ApparatusErrorShown() const;
    // Ends the running point after a Stop performed from outside a tick (the contestant's).
    void ClosePoint();

  protected:
    int ShowMessageDialog(const std::string& text, const std::string& caption, int flags) override;
    std::optional<std::string> ExecuteOpenDialog(const std::string& filter) override;
    void ControlsChanged() override;

  private:
    MeasureTickClock& ticks_;
    std::int64_t seenTicks_ = 0;
    RunPoint current_;
};

}  // namespace sim
