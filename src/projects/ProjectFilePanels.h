#pragma once
// What the project-file commands share in touching the window: filling the panels' fields from a
// file or a new project's defaults with their signals blocked (a fill is no user edit), and the
// choice of the file a save goes to.

#include "platform/StepperField.h"

#include <QString>

#include <functional>

class QAbstractButton;
class QComboBox;
class QLineEdit;
namespace platform {
class Stepper;
}

namespace projectfile {

void setChecked(QAbstractButton *button, bool on);
// Selects a stored index; one outside the list takes fallback (the last item at most).
void selectIndex(QComboBox *combo, int index, int fallback = 0);
// A number field and its stepper set to the same value.
void setPair(QLineEdit *field, platform::Stepper *stepper, double value, platform::PairFormat format);

// The file a save goes to: name as it is (trimmed), or, for a save as or a blank name, the one the
// panel asks for. False, with name as it was, when the panel is cancelled.
bool chooseSavePath(QString &name, bool saveAs, const std::function<QString()> &panel);

} // namespace projectfile
