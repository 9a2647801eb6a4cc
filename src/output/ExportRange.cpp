// The record range of the label export sheet: all records or a from-to range, the steppers and fields
// kept together, the batch option, and the user's typing brought back into the records.

#include "output/ExportWindow.h"

#include "outputjobs/OutputGlobals.h"
#include "core/Messages.h"
#include "core/Utilities.h"
#include "output/ExportSheetHost.h"
#include "output/RecordRange.h"
#include "platform/Stepper.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include <algorithm>
#include <exception>

namespace {

// The stepper's value into the field when the stepper sent the change, else the field's into the stepper.
void mirror(QObject *sender, QLineEdit *field, platform::Stepper *stepper)
{
    if (sender == stepper)
        field->setText(QString::number(stepper->intValue()));
    else
        stepper->setIntValue(field->text().trimmed().toInt());
}

// A typed record number: empty, text, 0 and negatives all come back to the first record.
int typedRecord(const QLineEdit *field) { return recordrange::Typed_Record(field->text()); }

} // namespace

recordrange::Choice ExportWindow::rangeChoice() const
{
    return {All_print_rd, Sel_print_rd, tot_label, from_label, to_label,
            {Total_Text, Total_Stepper, from_Text, from_Stepper, To_Text, To_Stepper}};
}

void ExportWindow::Set_Tot_Value(int value, int max, const QString &setFor)
{
    recordrange::Set_Tot_Value(rangeChoice().range, Export_with_batch_chk->isChecked(), value, max, setFor);
}

void ExportWindow::All_print_RD_Clicked(QObject *) { recordrange::Select_All(rangeChoice()); }

void ExportWindow::Sel_Print_RD_Clicked(QObject *) { recordrange::Select_Range(rangeChoice()); }

void ExportWindow::From_Stepper_Changed(QObject *sender) { mirror(sender, from_Text, from_Stepper); }
void ExportWindow::To_Stepper_Changed(QObject *sender) { mirror(sender, To_Text, To_Stepper); }
void ExportWindow::Total_Val_Changed(QObject *sender) { mirror(sender, Total_Text, Total_Stepper); }

void ExportWindow::Set_Enable_Diable_Range_Box()
{
    // Without a batch the radios keep their state; the box alone closes.
    if (Export_with_batch_chk->isChecked())
        recordrange::Set_Range_Box(export_range_box, rangeChoice(), true);
    else
        export_range_box->setEnabled(false);
}

void ExportWindow::Export_With_Batch_Changed(QObject *)
{
    const bool on = Export_with_batch_chk->isChecked();
    if (on) {
        if (m_host) {
            m_host->Check_Data_Sheet_Value_Use_or_Not();
            m_host->Check_Excel_Binding_Value_Use_or_Not();
        }
    } else {
        Use_Data_Sheet_Values = false;
        Use_Excel_Binding_Values = false;
    }
    if (m_host)
        m_host->Get_total_Card_count();
    Total_Label = on ? Total_Batch_Excel_Card : 1;
    Set_Tot_Value(Total_Label, Total_Label, QStringLiteral("A"));
    Set_Enable_Diable_Range_Box();
}

void ExportWindow::controlTextDidChange(QObject *F)
{
    try {
        if (!F)
            return;
        const bool batchRange = Export_with_batch_chk->isChecked() || Export_with_excel_chk->isChecked();
        if (F == Total_Text) {
            int value = typedRecord(Total_Text);
            if (batchRange && value > Total_Batch_Excel_Card)
                value = Total_Batch_Excel_Card;
            Total_Text->setText(QString::number(value));
            Set_Tot_Value(value, Total_Batch_Excel_Card, QStringLiteral("TOT"));
        } else if (F == To_Text) {
            const int value = std::min(typedRecord(To_Text), Total_Batch_Excel_Card);
            To_Text->setText(QString::number(value));
            Set_Tot_Value(value, Total_Batch_Excel_Card, QStringLiteral("TO"));
        } else if (F == from_Text) {
            const int value = std::min(typedRecord(from_Text), Total_Batch_Excel_Card);
            from_Text->setText(QString::number(value));
            from_Stepper->setIntValue(value);
        }
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}
