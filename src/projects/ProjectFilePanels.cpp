#include "projects/ProjectFilePanels.h"

#include "core/Utilities.h"
#include "platform/Dialogs.h"

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

bool chooseSaveFolder(QString &name, bool saveAs, const platform::SavedFolder &remembered, const QString &what,
                      const std::function<QString()> &panel, platform::SaveFolder *folder)
{
    const QString before = name;
    if (!chooseSavePath(name, saveAs, panel))
        return false;
    *folder = platform::openSaveFolder(name, remembered, !saveAs);
    if (folder->stranger.isEmpty())
        return true;
    platform::AlertRequest offer;
    offer.message = QStringLiteral("%1 could not be saved: the folder \"%2\" is no longer the one it was opened from or last "
                                   "saved to, but a folder that belongs to the account \"%3\". Nothing was written there.")
                        .arg(what, folder->shown, folder->stranger);
    offer.informative = QStringLiteral("Choose Save As… to save it in a folder of your choice.");
    offer.buttons = {QStringLiteral("Save As…"), QStringLiteral("Cancel")};
    // The Save As road: the panel chooses the file, wherever the user wants it.
    if (platform::runAlert(offer) != 0 || !chooseSavePath(name, true, panel)) {
        name = before;
        return false;
    }
    *folder = platform::openSaveFolder(name, remembered, false);
    return true;
}

} // namespace projectfile
