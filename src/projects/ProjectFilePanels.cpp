#include "projects/ProjectFilePanels.h"

#include "core/Utilities.h"
#include "platform/Stepper.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>

#include <algorithm>

namespace projectfile {

void setChecked(QAbstractButton *button, bool on)
{
    if (!button)
        return;
    const QSignalBlocker block(button);
    button->setChecked(on);
}

void selectIndex(QComboBox *combo, int index, int fallback)
{
    if (!combo)
        return;
    const QSignalBlocker block(combo);
    combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : std::min(fallback, combo->count() - 1));
}

void setPair(QLineEdit *field, platform::Stepper *stepper, double value, platform::PairFormat format)
{
    if (stepper)
        stepper->setDoubleValue(value);
    if (field) {
        const QSignalBlocker block(field);
        field->setText(platform::formatPairValue(value, format));
    }
}

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
