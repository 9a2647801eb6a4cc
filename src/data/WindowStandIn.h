#pragma once
// The answer of a window that does not exist yet: the runner's, when a test put one in place,
// else a message that the thing is not available yet and 0 (Cancel).

#include <QString>

#include <functional>

int openStandIn(const std::function<int()> &runner, const QString &thing);
