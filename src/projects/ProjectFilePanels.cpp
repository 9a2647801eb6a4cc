#include "projects/ProjectFilePanels.h"

#include "core/Utilities.h"

namespace projectfile {

bool chooseSavePath(QString &name, bool saveAs, const std::function<QString()> &panel)
{
    const QString remembered = name;
    if (saveAs)
        name = QStringLiteral("");
    name = Trim_Str(name);
    if (!name.isEmpty())
        return true;
    const QString chosen = panel();
    if (chosen.isEmpty()) {
        name = remembered;
        return false;
    }
    name = chosen;
    return true;
}

} // namespace projectfile
