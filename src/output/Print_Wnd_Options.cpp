// The print dialog's range and options: the from and to pairs, the counts typed into the total,
// from and to fields, the product label size fields, and the option boxes (batch data, print
// quantity, skip invalid, margins, crop marks, fit to frame).

#include "output/Print_Wnd.h"

#include "core/Mode.h"
#include "outputjobs/OutputGlobals.h"
#include "core/Messages.h"
#include "output/Add_Print_Profile.h"
#include "output/LabelSizeFields.h"
#include "output/OutputController.h"
#include "output/OutputSources.h"
#include "output/ProfileListModel.h"
#include "output/RecordRange.h"
#include "platform/CountField.h"
#include "platform/Stepper.h"
#include "platform/StepperField.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

#include <algorithm>
#include <exception>

namespace {

void logFailure(const std::exception &e) { Show_NSLog_Message(QString::fromUtf8(e.what())); }

void showValue(QLineEdit *field, platform::Stepper *stepper, double value)
{
    field->setText(QString::number(value));
    stepper->setDoubleValue(value);
}

} // namespace

void Print_Wnd::Wire_Options()
{
    m_profileModel = new ProfileListModel(*this, List_profile);
    List_profile->setModel(m_profileModel);
    List_profile->setSelectionBehavior(QAbstractItemView::SelectRows);
    List_profile->setSelectionMode(QAbstractItemView::SingleSelection);
    List_profile->horizontalHeader()->setStretchLastSection(true);
    connect(List_profile->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { tableViewSelectionDidChange(List_profile); });
    prnt_prof_wnd = Add_Print_Profile::defaultInstance();
    new_profile_name = prnt_prof_wnd->Profile_name;

    platform::connectPair(from_Stepper, nullptr, this, [this](QObject *s) { From_Stepper_Changed(s); });
    platform::connectPair(To_Stepper, nullptr, this, [this](QObject *s) { To_Stepper_Changed(s); });
    // The counts once the user's entry is taken, then their steppers; the sizes once their editing ends.
    recordrange::Connect_Fields(rangeChoice().range, this, [this](QLineEdit *field) {
        controlTextDidChange(field);
        field == from_Text ? From_Stepper_Changed(field) : field == To_Text ? To_Stepper_Changed(field)
                                                                          : Total_Val_Changed(field);
    });
    for (QLineEdit *field : {width_Text_pre, height_Text_pre})
        connect(field, &QLineEdit::editingFinished, this, [this, field] { controlTextDidEndEditing(field); });
    connect(skip_inavlid_chk, &QCheckBox::clicked, this, &Print_Wnd::Skip_Inavlid_Checked);
    connect(print_qty_chk, &QCheckBox::clicked, this, &Print_Wnd::Print_Qty_Checked);
    connect(print_with_batch_chk, &QCheckBox::clicked, this, &Print_Wnd::Print_With_Batch_Changed);
    connect(crop_mark_chk, &QCheckBox::clicked, this, &Print_Wnd::Enable_Crop_Mark_clicked);
    connect(Show_Margins, &QCheckBox::clicked, this, &Print_Wnd::Show_Margin_Checked);
    connect(fit_frame_chk, &QCheckBox::clicked, this, &Print_Wnd::Fit_To_Frame_clicked);
    connect(Add_profile_btn, &QPushButton::clicked, this, &Print_Wnd::Add_profile_btn_clicked);
    connect(Edit_profile_btn, &QPushButton::clicked, this, &Print_Wnd::Edit_profile_btn_clicked);
    connect(Save_profile_btn, &QPushButton::clicked, this, &Print_Wnd::Save_profile_btn_clicked);
    connect(Delete_profile_btn, &QPushButton::clicked, this, &Print_Wnd::Delete_profile_btn_clicked);
}

void Print_Wnd::From_Stepper_Changed(QObject *sender)
{
    platform::copyPair(sender, from_Stepper, from_Text, platform::PairFormat::Integer);
}

void Print_Wnd::To_Stepper_Changed(QObject *sender)
{
    platform::copyPair(sender, To_Stepper, To_Text, platform::PairFormat::Integer);
}

void Print_Wnd::controlTextDidChange(QObject *control)
{
    try {
        if (control != Total_Text && control != from_Text && control != To_Text)
            return;
        auto *field = static_cast<QLineEdit *>(control);
        int value = recordrange::Typed_Record(field->text());
        const int mode = Barcode_Setting_Or_Designing_Mode;
        const bool batch = print_with_batch_chk->isChecked();
        int limit = recordrange::Most_Records;
        if (mode == 0 && batch) {
            limit = print_wd_pq_opt ? Total_Label_Wd_PQ : Total_Barcode_Label_wd_Batch;
            Total_Label = limit;
            value = std::min(value, limit);
        } else if (mode == 1) {
            limit = Total_Batch_Excel_Card;
            if (batch)
                value = std::min(value, limit);
        }
        field->setText(QString::number(value));
        if (control == from_Text || mode == 2)
            return;
        Set_Tot_Value(value, mode == 0 ? Total_Label : limit,
                      control == Total_Text ? QStringLiteral("TOT") : QStringLiteral("TO"));
    } catch (const std::exception &e) {
        logFailure(e);
    }
}

void Print_Wnd::controlTextDidEndEditing(QObject *control)
{
    if (control != width_Text_pre && control != height_Text_pre)
        return;
    // A size of 0 or none is refused before it reaches the steppers (the pair's handler, which
    // follows, then finds the size kept).
    const bool width = control == width_Text_pre;
    auto *field = static_cast<QLineEdit *>(control);
    if (!labelsize::Take(field, field, width ? width_Stepper_pre : height_Stepper_pre,
                         width ? labelsize::Side::Width : labelsize::Side::Height))
        return;
    Apply_unit_Chaneg_Values();
}

void Print_Wnd::Apply_unit_Chaneg_Values()
{
    // Each size as its stepper holds it; one that is no size stays as shown, for the print to refuse.
    for (const auto &[field, stepper] : {std::pair{width_Text_pre, width_Stepper_pre}, std::pair{height_Text_pre, height_Stepper_pre}})
        labelsize::Load(field, stepper, field->text());
}

void Print_Wnd::Verify_Card_Count()
{
    if (!m_output)
        return;
    DesignOutput &records = *m_output->sources().design;
    records.Check_Series_Or_Excel_Use_or_not();
    if ((Use_Data_Sheet_Values || Use_Excel_Binding_Values) && !print_with_batch_chk->isChecked())
        Use_Data_Sheet_Values = Use_Excel_Binding_Values = false;
    records.Get_total_Card_count();
}

void Print_Wnd::Skip_Inavlid_Checked()
{
    skip_invalid_barcode = skip_inavlid_chk->isChecked();
    Refresh_Preview();
}

void Print_Wnd::Print_Qty_Checked()
{
    try {
        print_wd_pq_opt = print_qty_chk->isChecked();
        Total_Label = print_wd_pq_opt ? Total_Label_Wd_PQ : Total_Barcode_Label_wd_Batch;
        if (m_output)
            m_output->sources().barcode->Add_Records_In_List(print_wd_pq_opt);
        Set_Tot_Value(Total_Label, Total_Label, QStringLiteral("A"));
        Refresh_Preview();
    } catch (const std::exception &e) {
        logFailure(e);
    }
}

void Print_Wnd::Print_With_Batch_Changed()
{
    try {
        const bool on = print_with_batch_chk->isChecked();
        if (Barcode_Setting_Or_Designing_Mode != 0) {
            Verify_Card_Count();
            Total_Label = on ? Total_Batch_Excel_Card : Print_Row * Print_Col;
        } else if (!on) {
            Use_Data_Sheet_Values = false;
            print_wd_pq_opt = false;
            Total_Label = Print_Row * Print_Col;
            if (print_qty_chk->isVisible()) {
                print_qty_chk->setChecked(false);
                print_qty_chk->setEnabled(false);
            }
        } else {
            Use_Data_Sheet_Values = true;
            if (print_qty_chk->isVisible()) {
                print_qty_chk->setChecked(true);
                print_qty_chk->setEnabled(true);
            }
            print_wd_pq_opt = print_qty_chk->isChecked();
            Total_Label = print_wd_pq_opt ? Total_Label_Wd_PQ : Total_Barcode_Label_wd_Batch;
        }
        Set_Tot_Value(Total_Label, Total_Label, QStringLiteral("A"));
        Set_Enable_Diable_Range_Box();
    } catch (const std::exception &e) {
        logFailure(e);
    }
}

void Print_Wnd::Enable_Crop_Mark_clicked()
{
    Enable_Crop_Marks = crop_mark_chk->isChecked();
    Refresh_Preview();
}

void Print_Wnd::Show_Margin_Checked()
{
    Show_margin_rect = Show_Margins->isChecked();
    Refresh_Preview();
}

void Print_Wnd::Fit_To_Frame_clicked()
{
    Fit_Picture_To_Frame = fit_frame_chk->isChecked();
    if (Fit_Picture_To_Frame)
        Disable_for_fit_or_duplex();
    else
        Normal_Printing_Is_Selected();
    Check_Max_Cell_Value();
}

void Print_Wnd::Capture_Last_Values()
{
    LAST_Side_Mar = 0;
    LAST_Horz_Mar = float(horz_mar_Stepper->doubleValue());
    LAST_Vert_Mar = float(vert_mar_Stepper->doubleValue());
    LAST_Row = Row_Stepper->intValue();
    LAST_Column = Col_Stepper->intValue();
}

void Print_Wnd::Disable_for_fit_or_duplex()
{
    Capture_Last_Values();
    for (platform::Stepper *s : {horz_mar_Stepper, vert_mar_Stepper, Row_Stepper, Col_Stepper})
        s->setEnabled(false);
    showValue(horz_mar_Text, horz_mar_Stepper, 0);
    showValue(vert_mar_Text, vert_mar_Stepper, 0);
    showValue(Row_Text, Row_Stepper, 1);
    showValue(Col_Text, Col_Stepper, 1);
    card_align_box->setEnabled(false);
}
