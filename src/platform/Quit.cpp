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
    if (QCoreApplication *app = QCoreApplication::instance())
        QMetaObject::invokeMethod(app, &QCoreApplication::quit, Qt::QueuedConnection);
}

bool terminateRequested() { return requested; }
void clearTerminateRequest() { requested = false; }

} // namespace platform
