#include "runner/core/StopSignal.h"

#include <signal.h>

#include <csignal>
#include <initializer_list>

namespace sim {

namespace {

volatile std::sig_atomic_t caught = 0;

void Note(int signal) {
    caught = signal;
}

}  // namespace

void CatchStopSignals() {
    struct sigaction action {};
    action.sa_handler = Note;
    sigemptyset(&action.sa_mask);
    // Restarted calls: a file write under way is never cut short by the signal.
    action.sa_flags = static_cast<int>(SA_RESTART | SA_RESETHAND);
    for (const int signal : {SIGINT, SIGTERM}) {
        ::sigaction(signal, &action, nullptr);
    }
}

int CaughtStopSignal() {
    return caught;
}

}  // namespace sim
