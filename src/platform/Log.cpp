#include "platform/Log.h"

#include <QDebug>

namespace platform {

void logLine(const QString &text)
{
    if (text.isEmpty())
        return;
    qInfo().noquote() << text;
}

} // namespace platform
