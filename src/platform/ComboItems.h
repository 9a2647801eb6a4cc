#pragma once
// Item lists that code fills into the combo boxes of the forms.

#include <QStringList>

class QComboBox;

namespace platform::ui {

// Replaces a combo box's items without reporting a selection change; the box ends with no selection.
void fillCombo(QComboBox *combo, const QStringList &items);

} // namespace platform::ui
