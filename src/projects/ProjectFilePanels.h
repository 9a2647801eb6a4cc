#pragma once
// What the project-file commands share in touching the window: the choice of the file a save goes
// to, and of the folder it is written into.

#include "platform/SavedFolder.h"

#include <QString>

#include <functional>

namespace projectfile {

// The file a save goes to: name as it is (trimmed), or, for a save as or a blank name, the one the
// panel asks for. False, with name as it was, when the panel is cancelled.
bool chooseSavePath(QString &name, bool saveAs, const std::function<QString()> &panel);

// chooseSavePath, then the folder the file is written into, held (platform::openSaveFolder). When a
// plain save finds another user's folder where the one it was opened from or last saved to was,
// nothing is written: the user is told whose folder is there (what names the document: "Barcode Log")
// and offered Save As…, which asks the panel for another file; Cancel keeps everything. False, with
// name as it was, when cancelled; else folder is held, or says why it could not be reached.
bool chooseSaveFolder(QString &name, bool saveAs, const platform::SavedFolder &remembered, const QString &what,
                      const std::function<QString()> &panel, platform::SaveFolder *folder);

} // namespace projectfile
