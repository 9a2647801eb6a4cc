#pragma once
// What the project-file commands share in touching the window: the choice of the file a save goes
// to.

#include <QString>

#include <functional>

namespace projectfile {

// The file a save goes to: name as it is (trimmed), or, for a save as or a blank name, the one the
// panel asks for. False, with name as it was, when the panel is cancelled.
bool chooseSavePath(QString &name, bool saveAs, const std::function<QString()> &panel);

} // namespace projectfile
