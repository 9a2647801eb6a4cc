#include "platform/Quit.h"

#include <QCoreApplication>
#include <QMetaObject>

#include <atomic>

namespace platform {
namespace {
std::atomic<bool> requested{false};
}

void requestTerminate()
{
    requested = true;
    // exit, not quit: quit asks every window to close first, and the main window's close runs the
    // exit command again, which would ask and request again without end.
    if (QCoreApplication *app = QCoreApplication::instance())
        QMetaObject::invokeMethod(app, [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
}

bool terminateRequested() { return requested; }
void clearTerminateRequest() { requested = false; }

} // namespace platform
