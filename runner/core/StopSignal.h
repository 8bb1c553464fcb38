#pragma once

namespace sim {

// SIGINT and SIGTERM no longer end the runner where they find it: the handler only notes the
// signal, and the run stops at its next event, keeps what it measured and tidies up. A second
// signal of either kind ends the program at once, as the first would have.
void CatchStopSignals();

// The stop signal caught so far, or 0.
int CaughtStopSignal();

}  // namespace sim
