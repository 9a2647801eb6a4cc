// The Designing mode's image export: the sheet prepared from the design's batch state, run, and on
// OK the hand-over to the single or the batch export.

#include "design/DesignController.h"

#include "app/SKTWindowController.h"
#include "core/Globals.h"
#include "core/Messages.h"
#include "core/Utilities.h"
#include "model/SKTBarcode.h"
#include "model/SKTGraphic.h"
#include "model/SKTImage.h"
#include "model/SKTText.h"
#include "output/OutputController.h"
#include "platform/Dialogs.h"
#include "platform/Stepper.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <exception>

namespace {

void showEnable(QWidget *w, bool on)
{
    if (!w)
        return;
    w->setVisible(on);
    w->setEnabled(on);
}

void resetCombo(QComboBox *combo)
{
    if (!combo)
        return;
    combo->setCurrentIndex(-1);
    combo->clear();
    showEnable(combo, false);
}

bool batchObject(const SKTGraphic &g)
{
    return g.print_object == 0 && (g.isExactly<SKTText>() || g.isExactly<SKTImage>() || g.isExactly<SKTBarcode>());
}

} // namespace

void DesignController::Export_Label_Design()
{
    try {
        OutputController &out = hub.output();
        // 1
        replace_keep_file_flag = 0;
        export_card_counter = 0;
        Export_Any_File = false;
        Msg_Apply_All_Chk = false;
        Check_Series_Or_Excel_Use_or_not();
        Build_Export_Window();
        Export_Dest_Path->clear();
        // 2
        resetCombo(Used_Seres_In_Design);
        resetCombo(Used_Excel_Col_In_Design);
        if (Used_Excel_Col_Index)
            Used_Excel_Col_Index->clear();
        for (QWidget *w : std::initializer_list<QWidget *>{Used_Seres_Label, View_export_Series_btn, View_export_Exl_Col_btn})
            showEnable(w, false);
        out.Apply_Export_Name_Row(0);
        if (ex_bar_image_type_combo)
            ex_bar_image_type_combo->setCurrentIndex(0);
        prefix_suffix_chk_box->setChecked(false);
        ex_bar_prefix->clear();
        ex_bar_suffix->clear();
        ex_bar_cus_name->clear();
        showEnable(ex_bar_cus_name, false);
        SetObjEnabled(prefix_sufix_box, false);
        export_combined_image_chk->setChecked(false);
        combined_image_H_or_V_chk->setChecked(false);
        exp_side_front->setChecked(true);
        export_card_side = QStringLiteral("F");
        All_print_rd->setChecked(true);
        Sel_print_rd->setChecked(false);
        Total_Text->hide();
        for (QWidget *w : std::initializer_list<QWidget *>{tot_label, Total_Text, Total_Stepper})
            w->setEnabled(true);
        from_Text->setText(QStringLiteral("1"));
        from_Stepper->setIntValue(1);
        for (QWidget *w : std::initializer_list<QWidget *>{from_label, from_Text, from_Stepper, to_label, To_Text, To_Stepper})
            w->setEnabled(false);
        // 3: the batch option first, since the range limits depend on it.
        const bool batchPossible = Use_Data_Sheet_Values || Use_Excel_Binding_Values;
        Export_with_batch_chk->setEnabled(batchPossible);
        Export_with_batch_chk->setChecked(batchPossible);
        Export_with_excel_chk->setChecked(Use_Excel_Binding_Values);
        Export_with_excel_chk->setEnabled(Use_Excel_Binding_Values);
        Export_with_excel_chk->hide();
        Set_Tot_Value(Total_Label, 999999, QStringLiteral("A"));
        for (QWidget *w : std::initializer_list<QWidget *>{exp_side_both, exp_side_back, export_combined_image_chk,
                                                          combined_image_H_or_V_chk})
            w->setEnabled(false);
        // 4
        Total_Label = Total_Batch_Excel_Card;
        out.Show_Hide_export_Range_Box();
        if (!batchPossible) {
            // 5
            Set_Tot_Value(Total_Label, 999999, QStringLiteral("A"));
            for (QWidget *w : std::initializer_list<QWidget *>{exp_rad_sn, exp_rad_sv, exp_rad_snv, exp_rad_exl_col})
                w->setEnabled(false);
        } else {
            // 6.1
            for (QWidget *w : std::initializer_list<QWidget *>{series_radio_box, exp_rad_sn, exp_rad_sv, exp_rad_snv})
                w->setEnabled(Use_Data_Sheet_Values);
            for (QWidget *w : std::initializer_list<QWidget *>{excel_radio_box, exp_rad_exl_col})
                w->setEnabled(Use_Excel_Binding_Values);
            // 6.2
            Set_Tot_Value(Total_Label, Total_Label, QStringLiteral("A"));
            To_Stepper->setIntValue(Total_Stepper->intValue());
            // 6.3
            Fill_Used_Data_Lists();
        }
        // 7
        Set_Enable_Diable_Range_Box();
        export_btn_on_export_image->setFocus();
        const int result = Run_Export_Sheet ? Run_Export_Sheet(*ExportWindow) : platform::runModal(*ExportWindow);
        ExportWindow->hide();
        if (result == 0) {
            // 8
            Check_Series_Or_Excel_Use_or_not();
            return;
        }
        // 9
        if (!hub.Set_Front_Back_Value_To_Print_Export_Mail()) {
            Check_Series_Or_Excel_Use_or_not();
            return;
        }
        if ((Use_Data_Sheet_Values || Use_Excel_Binding_Values) && !Export_with_batch_chk->isChecked()) {
            Use_Data_Sheet_Values = false;
            Use_Excel_Binding_Values = false;
        }
        Get_total_Card_count();
        if (!Use_Data_Sheet_Values && !Use_Excel_Binding_Values) {
            const QString base = QDir(file_export_Path).filePath(QStringLiteral("Label.") + file_path_ext);
            const QString firstValue = Trim_Str(Get_First_Value_Of_Dataset(file_series_exported));
            const QString name = out.Export_Name_With_Options(firstValue, file_series_exported, base, 1);
            const QString path = Trim_Str(hub.output().Check_And_Show_Keep_Replace_File_Msg(name, false));
            if (!path.isEmpty())
                out.Export_Single_File(path, true, true);
            Check_Series_Or_Excel_Use_or_not();
            return;
        }
        if (Sel_print_rd->isChecked()) {
            Print_Start = from_Text->text().toInt() - 1;
            Print_End = To_Text->text().toInt();
            Total_Label = Print_End;
        } else {
            Print_Start = 0;
            Total_Label = Total_Batch_Excel_Card;
        }
        out.Export_Batch_File(file_export_Path);
        Check_Series_Or_Excel_Use_or_not();
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

void DesignController::Fill_Used_Data_Lists()
{
    OutputController &out = hub.output();
    auto addSeries = [&](const QString &name) {
        const QString trimmed = Trim_Str(name);
        if (trimmed.isEmpty() || out.Check_List_Name_Exist_In_Used_Ser_Combo(trimmed))
            return;
        // Only a series whose file is there can name files.
        if (!OutputController::File_Name_Taken(QDir(Data_Folder_Path).filePath(trimmed + QLatin1Char('.') + batch_file_EXT)))
            return;
        Used_Seres_In_Design->addItem(trimmed);
    };
    auto addColumn = [&](int k) {
        if (k <= 0 || k > Linked_Sheet.columnTitles.size())
            return;
        const QString title = Linked_Sheet.columnTitles.at(k - 1);
        if (out.Check_Column_Name_Exist_In_Used_Excel_Combo(title))
            return;
        Used_Excel_Col_In_Design->addItem(title);
        Used_Excel_Col_Index->addItem(QString::number(k));
    };
    for (const std::shared_ptr<SKTGraphic> &g : Get_Front_Controls_Array()) {
        if (!g || !batchObject(*g))
            continue;
        const bool barcode = g->isExactly<SKTBarcode>();
        if (Use_Data_Sheet_Values && g->data_source_type == 1) {
            addSeries(g->batch_list_name);
            if (barcode) {
                addSeries(g->batch_hdr_list_name);
                addSeries(g->batch_ftr_list_name);
            }
        }
        if (Use_Excel_Binding_Values && g->data_source_type == 2 && g->excel_col_indx > 0) {
            addColumn(g->excel_col_indx);
            if (barcode) {
                addColumn(g->batch_hdr_list_index);
                addColumn(g->batch_ftr_list_index);
            }
        }
    }
    Used_Seres_In_Design->setCurrentIndex(-1);
    Used_Excel_Col_In_Design->setCurrentIndex(-1);
}
