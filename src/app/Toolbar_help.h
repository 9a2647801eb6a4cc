#pragma once
// The toolbar item with a minimum size on the systems that need one.

#include <QSizeF>

namespace Toolbar_help {
// 42 x 27 points on the systems that need it (version 1504 or later), else the given size.
QSizeF minSize(int osVersion, const QSizeF &inherited);
}
