#include "data/WindowStandIn.h"

#include "core/Messages.h"

int openStandIn(const std::function<int()> &runner, const QString &thing)
{
    if (runner)
        return runner();
    Show_MessageBox(QStringLiteral("%1 is not available yet.").arg(thing));
    return 0;
}
