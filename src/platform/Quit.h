#pragma once

namespace platform {
// Asks the application to end: the event loop quits, or does not start when it is not running yet.
void requestTerminate();
bool terminateRequested();
// Forgets a request (tests).
void clearTerminateRequest();
} // namespace platform
