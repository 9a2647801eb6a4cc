// The record range of the label export sheet: total, from and to with their steppers' limits.

#include "design/DesignController.h"

#include "app/SKTWindowController.h"

#include "platform/Stepper.h"

#include <QCheckBox>
#include <QLineEdit>

#include <algorithm>

namespace {

void show(QLineEdit *field, platform::Stepper *stepper, int value)
{
    if (field)
        field->setText(QString::number(value));
    if (stepper)
        stepper->setDoubleValue(value);
}

void limit(platform::Stepper *stepper, int max)
{
    if (stepper)
        stepper->setMaxValue(max);
}

} // namespace

void DesignController::Set_Tot_Value(int value, int max, const QString &setFor)
{
    constexpr int Most = 999999;
    const bool batch = Export_with_batch_chk && Export_with_batch_chk->isChecked();
    if (value == 0)
        value = 1;
    if (!batch)
        max = Most;
    value = std::min(value, Most);
    // The limits go first: a stepper keeps its value inside them.
    for (platform::Stepper *s : {Total_Stepper, To_Stepper, from_Stepper})
        limit(s, max);
    if (setFor == QLatin1String("TOT")) {
        show(Total_Text, Total_Stepper, value);
    } else if (setFor == QLatin1String("TO")) {
        show(To_Text, To_Stepper, value);
    } else if (setFor == QLatin1String("A")) {
        show(Total_Text, Total_Stepper, value);
        show(To_Text, To_Stepper, value);
        if (!batch)
            show(from_Text, from_Stepper, 1);
    }
}
