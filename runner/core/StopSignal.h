#pragma once

namespace sim {

// SIGINT and SIGTERM (on Windows: Ctrl+C, Ctrl+Break and closing the console) no longer end the
// runner where they find them: the handler only notes the request, and the run stops at its
// next event, keeps what it measured and tidies up. A second request ends the program at once,
// as the first would have.
void CatchStopSignals();

// The stop signal caught so far, or 0.
int CaughtStopSignal();

}  // namespace sim
