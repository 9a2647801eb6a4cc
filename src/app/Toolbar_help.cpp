#include "app/Toolbar_help.h"

QSizeF Toolbar_help::minSize(int osVersion, const QSizeF &inherited)
{
    return osVersion >= 1504 ? QSizeF(42, 27) : inherited;
}
