#include "output/RecordRange.h"

#include "core/Utilities.h"
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

int Typed_Record(const QString &text)
{
    const QString t = Trim_Str(text);
    qsizetype end = 0;
    while (end < t.size() && (t.at(end).isDigit() || (end == 0 && (t.at(end) == QLatin1Char('-') || t.at(end) == QLatin1Char('+')))))
        ++end;
    bool ok = false;
    const int value = t.left(end).toInt(&ok);
    return ok && value >= 1 ? value : 1;
}

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
