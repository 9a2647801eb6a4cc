#include "output/RecordRange.h"

#include "core/Utilities.h"
#include "platform/CountField.h"
#include "platform/Stepper.h"

#include <QAbstractButton>
#include <QLineEdit>

#include <algorithm>
#include <utility>

namespace recordrange {

namespace {

void show(QLineEdit *field, platform::Stepper *stepper, int value)
{
    if (field)
        field->setText(QString::number(value));
    if (stepper)
        stepper->setDoubleValue(value);
}

void enable(std::initializer_list<QWidget *> widgets, bool on)
{
    for (QWidget *w : widgets)
        if (w)
            w->setEnabled(on);
}

// Opens the total or the from-to fields; the other side closes.
void openTotal(const Choice &c, bool total)
{
    enable({c.tot_label, c.range.Total_Stepper, c.range.Total_Text}, total);
    enable({c.from_label, c.range.from_Stepper, c.range.from_Text, c.to_label, c.range.To_Stepper, c.range.To_Text}, !total);
}

} // namespace

int Typed_Record(const QString &text) { return platform::typedCount(text); }

platform::WholeRule Field_Rule(const Controls &range, const QLineEdit *field)
{
    const QString what = field == range.Total_Text  ? QStringLiteral("total")
                         : field == range.from_Text ? QStringLiteral("'From' value")
                                                    : QStringLiteral("'To' value");
    return platform::WholeRule{what, 1, Most_Records};
}

void Connect_Fields(const Controls &range, QObject *context, const std::function<void(QLineEdit *)> &ended)
{
    for (const auto &[field, stepper] : {std::pair{range.Total_Text, range.Total_Stepper},
                                         std::pair{range.from_Text, range.from_Stepper}, std::pair{range.To_Text, range.To_Stepper}}) {
        platform::connectCountField(field, Field_Rule(range, field), context, [field = field, ended] { ended(field); });
        platform::connectCountStepper(stepper, field, context);
    }
}

bool End_Typing(const Controls &range) { return platform::endTyping({range.Total_Text, range.from_Text, range.To_Text}); }

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

void Select_All(const Choice &choice)
{
    if (choice.All)
        choice.All->setChecked(true);
    if (choice.Selected)
        choice.Selected->setChecked(false);
    openTotal(choice, true);
}

void Select_Range(const Choice &choice)
{
    if (choice.Selected)
        choice.Selected->setChecked(true);
    if (choice.All)
        choice.All->setChecked(false);
    openTotal(choice, false);
}

void Set_Range_Box(QWidget *box, const Choice &choice, bool batch)
{
    if (box)
        box->setEnabled(batch);
    if (batch && choice.Selected && choice.Selected->isChecked())
        Select_Range(choice);
    else
        Select_All(choice);
}

void Offer_Range(QWidget *box, const Choice &choice, bool radios, bool total, bool fromTo)
{
    if (box)
        box->setEnabled(radios || total || fromTo);
    if (choice.All)
        choice.All->setChecked(!fromTo);
    if (choice.Selected)
        choice.Selected->setChecked(fromTo);
    enable({choice.All, choice.Selected}, radios);
    enable({choice.tot_label, choice.range.Total_Stepper, choice.range.Total_Text}, total);
    enable({choice.from_label, choice.range.from_Stepper, choice.range.from_Text, choice.to_label,
            choice.range.To_Stepper, choice.range.To_Text},
           fromTo);
}

} // namespace recordrange
