#include "apparatus/QtClock.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <utility>

namespace sim {

namespace {

class QtTimer : public Timer {
  public:
    QtTimer(int intervalMs, std::function<void()> onTick) {
        timer_.setTimerType(Qt::PreciseTimer);
        timer_.setInterval(intervalMs);
        QObject::connect(&timer_, &QTimer::timeout, std::move(onTick));
    }
    void SetEnabled(bool enabled) override {
        if (enabled && !timer_.isActive()) {
            timer_.start();
        } else if (!enabled) {
            timer_.stop();
        }
    }
    bool Enabled() const override { return timer_.isActive(); }

  private:
    QTimer timer_;
};

}  // namespace

std::unique_ptr<Timer> QtClock::CreateTimer(int intervalMs, std::function<void()> onTick) {
    return std::make_unique<QtTimer>(intervalMs, std::move(onTick));
}

void QtClock::ProcessPendingEvents() {
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

}  // namespace sim
