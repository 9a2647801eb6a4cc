#include "platform/ControlFill.h"

#include "platform/ColorWell.h"
#include "platform/Stepper.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>

#include <algorithm>

namespace platform::fill {

void setChecked(QAbstractButton *button, bool on)
{
    if (!button)
        return;
    const QSignalBlocker block(button);
    button->setChecked(on);
}

void setText(QLineEdit *field, const QString &text)
{
    if (!field)
        return;
    const QSignalBlocker block(field);
    field->setText(text);
}

void setColour(ColorWell *well, const QColor &colour)
{
    if (!well)
        return;
    const QSignalBlocker block(well);
    well->setColor(colour);
}

void setIndex(QComboBox *combo, int index)
{
    if (!combo || index < 0 || index >= combo->count())
        return;
    const QSignalBlocker block(combo);
    combo->setCurrentIndex(index);
}

void selectIndex(QComboBox *combo, int index, int fallback)
{
    if (!combo)
        return;
    const QSignalBlocker block(combo);
    combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : std::min(fallback, combo->count() - 1));
}

void setPair(QLineEdit *field, Stepper *stepper, double value, PairFormat format)
{
    if (stepper)
        stepper->setDoubleValue(value);
    setText(field, localePairValue(value, format, fieldLocale(field)));
}

} // namespace platform::fill
