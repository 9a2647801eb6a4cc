#include "platform/ComboItems.h"

#include <QComboBox>
#include <QSignalBlocker>

namespace platform::ui {

void fillCombo(QComboBox *combo, const QStringList &items)
{
    const QSignalBlocker block(combo);
    combo->clear();
    combo->addItems(items);
    combo->setCurrentIndex(-1);
}

} // namespace platform::ui
