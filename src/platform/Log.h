#pragma once
// The application's log: one line per call, on any thread. Lower layers log here directly; the
// application's own log function adds nothing to it.

#include <QString>

namespace platform {

// One log line; an empty text writes nothing.
void logLine(const QString &text);

} // namespace platform
