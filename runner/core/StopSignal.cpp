#include "runner/core/StopSignal.h"

#include <csignal>

#include "common/Platform.h"

namespace sim {

namespace {

volatile std::sig_atomic_t caught = 0;

void Note(int signal) {
    caught = signal;
}

}  // namespace

void CatchStopSignals() {
    platform::CatchStopRequests(Note);
}

int CaughtStopSignal() {
    return caught;
}

}  // namespace sim
