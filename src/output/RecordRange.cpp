#include "output/RecordRange.h"

#include "platform/Stepper.h"

#include <QLineEdit>

#include <algorithm>

namespace recordrange {

namespace {

void show(QLineEdit *field, platform::Stepper *stepper, int value)
{
    if (field)
        field->setText(QString::number(value));
    if (stepper)
        stepper->setDoubleValue(value);
}

} // namespace

void Set_Tot_Value(const Controls &range, bool batch, int value, int max, const QString &setFor)
{
    if (value == 0)
        value = 1;
    if (!batch)
        max = Most_Records;
    value = std::min(value, Most_Records);
    for (platform::Stepper *s : {range.Total_Stepper, range.To_Stepper, range.from_Stepper})
        if (s)
            s->setMaxValue(max);
    if (setFor == QLatin1String("TOT")) {
        show(range.Total_Text, range.Total_Stepper, value);
    } else if (setFor == QLatin1String("TO")) {
        show(range.To_Text, range.To_Stepper, value);
    } else if (setFor == QLatin1String("A")) {
        show(range.Total_Text, range.Total_Stepper, value);
        show(range.To_Text, range.To_Stepper, value);
        if (!batch)
            show(range.from_Text, range.from_Stepper, 1);
    }
}

} // namespace recordrange
