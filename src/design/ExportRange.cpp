// The record range of the label export sheet: total, from and to with their steppers' limits.

#include "design/DesignController.h"

#include "app/SKTWindowController.h"

#include "platform/Stepper.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

#include "core/Globals.h"
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

namespace {

void enable(std::initializer_list<QWidget *> widgets, bool on)
{
    for (QWidget *w : widgets)
        if (w)
            w->setEnabled(on);
}

void mirror(QObject *sender, QLineEdit *field, platform::Stepper *stepper)
{
    if (!field || !stepper)
        return;
    if (sender == stepper)
        field->setText(QString::number(stepper->intValue()));
    else
        stepper->setIntValue(field->text().trimmed().toInt());
}

} // namespace

void DesignController::All_print_RD_Clicked(QObject *)
{
    if (All_print_rd)
        All_print_rd->setChecked(true);
    if (Sel_print_rd)
        Sel_print_rd->setChecked(false);
    enable({tot_label, Total_Stepper, Total_Text}, true);
    enable({from_label, from_Stepper, from_Text, to_label, To_Stepper, To_Text}, false);
}

void DesignController::Sel_Print_RD_Clicked(QObject *)
{
    if (Sel_print_rd)
        Sel_print_rd->setChecked(true);
    if (All_print_rd)
        All_print_rd->setChecked(false);
    enable({tot_label, Total_Stepper, Total_Text}, false);
    enable({from_label, from_Stepper, from_Text, to_label, To_Stepper, To_Text}, true);
}

void DesignController::From_Stepper_Changed(QObject *sender) { mirror(sender, from_Text, from_Stepper); }
void DesignController::To_Stepper_Changed(QObject *sender) { mirror(sender, To_Text, To_Stepper); }
void DesignController::Total_Val_Changed(QObject *sender) { mirror(sender, Total_Text, Total_Stepper); }

void DesignController::Set_Enable_Diable_Range_Box()
{
    const bool batch = Export_with_batch_chk && Export_with_batch_chk->isChecked();
    if (export_range_box)
        export_range_box->setEnabled(batch);
    if (!batch)
        return;
    if (Sel_print_rd && Sel_print_rd->isChecked())
        Sel_Print_RD_Clicked(Sel_print_rd);
    else
        All_print_RD_Clicked(All_print_rd);
}

void DesignController::Export_With_Batch_Changed(QObject *)
{
    const bool on = Export_with_batch_chk && Export_with_batch_chk->isChecked();
    if (on) {
        Check_Data_Sheet_Value_Use_or_Not();
        Check_Excel_Binding_Value_Use_or_Not();
    } else {
        Use_Data_Sheet_Values = false;
        Use_Excel_Binding_Values = false;
    }
    Get_total_Card_count();
    Total_Label = on ? Total_Batch_Excel_Card : 1;
    Set_Tot_Value(Total_Label, Total_Label, QStringLiteral("A"));
    Set_Enable_Diable_Range_Box();
}
