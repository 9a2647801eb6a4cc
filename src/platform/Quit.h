#pragma once

namespace platform {
// Asks the application to end with status 0: the event loop ends without asking the windows again,
// or does not start when it is not running yet.
void requestTerminate();
bool terminateRequested();
// Forgets a request (tests).
void clearTerminateRequest();
} // namespace platform
