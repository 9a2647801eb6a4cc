// The label export sheet, made once from its form: outlets, the ids of its two radio matrices, and
// the signals of its controls.

#include "design/ExportWindow.h"

#include "design/DesignController.h"

#include "app/SKTWindowController.h"
#include "output/OutputController.h"
#include "platform/Dialogs.h"
#include "platform/Stepper.h"

#include "ui_ExportWindow.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QMainWindow>

namespace exportwindow {

void bindExportWindow(DesignController &c, const Ui::ExportWindow &ui)
{
    c.Export_Dest_Path = ui.Export_Dest_Path;
    c.Export_Dest_Path_btn = ui.Export_Dest_Path_btn;
    c.ex_bar_matrix_file_name = ui.ex_bar_matrix_file_name;
    c.exp_rad_def = ui.exp_rad_def;
    c.exp_rad_sn = ui.exp_rad_sn;
    c.exp_rad_sv = ui.exp_rad_sv;
    c.exp_rad_snv = ui.exp_rad_snv;
    c.exp_rad_cus = ui.exp_rad_cus;
    c.exp_rad_exl_col = ui.exp_rad_exl_col;
    c.ex_bar_image_type_combo = ui.ex_bar_image_type_combo;
    c.prefix_suffix_chk_box = ui.prefix_suffix_chk_box;
    c.ex_bar_prefix = ui.ex_bar_prefix;
    c.ex_bar_suffix = ui.ex_bar_suffix;
    c.prefix_sufix_box = ui.prefix_sufix_box;
    c.ex_bar_cus_name = ui.ex_bar_cus_name;
    c.export_combined_image_chk = ui.export_combined_image_chk;
    c.combined_image_H_or_V_chk = ui.combined_image_H_or_V_chk;
    c.matrix_export_card_side = ui.matrix_export_card_side;
    c.exp_side_both = ui.exp_side_both;
    c.exp_side_front = ui.exp_side_front;
    c.exp_side_back = ui.exp_side_back;
    c.Used_Seres_In_Design = ui.Used_Seres_In_Design;
    c.Used_Seres_Label = ui.Used_Seres_Label;
    c.View_export_Series_btn = ui.View_export_Series_btn;
    c.Used_Excel_Col_In_Design = ui.Used_Excel_Col_In_Design;
    c.Used_Excel_Col_Index = ui.Used_Excel_Col_Index;
    c.View_export_Exl_Col_btn = ui.View_export_Exl_Col_btn;
    c.Export_with_batch_chk = ui.Export_with_batch_chk;
    c.Export_with_excel_chk = ui.Export_with_excel_chk;
    c.series_radio_box = ui.series_radio_box;
    c.excel_radio_box = ui.excel_radio_box;
    c.export_range_box = ui.export_range_box;
    c.lower_path_btn_box = ui.lower_path_btn_box;
    c.All_print_rd = ui.All_print_rd;
    c.Sel_print_rd = ui.Sel_print_rd;
    c.tot_label = ui.tot_label;
    c.from_label = ui.from_label;
    c.to_label = ui.to_label;
    c.Total_Text = ui.Total_Text;
    c.Total_Stepper = ui.Total_Stepper;
    c.from_Text = ui.from_Text;
    c.from_Stepper = ui.from_Stepper;
    c.To_Text = ui.To_Text;
    c.To_Stepper = ui.To_Stepper;
    c.export_btn_on_export_image = ui.export_btn_on_export_image;
    c.export_cancel_btn = ui.export_cancel_btn;
}

} // namespace exportwindow

void DesignController::Build_Export_Window()
{
    if (ExportWindow)
        return;
    // A sheet of the main window once that exists.
    QWidget *owner = hub.isWindowLoaded() ? hub.window() : nullptr;
    ExportWindow = new QDialog(owner);
    ExportWindow->setWindowModality(owner ? Qt::WindowModal : Qt::ApplicationModal);
    Ui::ExportWindow ui;
    ui.setupUi(ExportWindow);
    exportwindow::bindExportWindow(*this, ui);
    const QList<QRadioButton *> rows = {exp_rad_def, exp_rad_sn, exp_rad_sv, exp_rad_snv, exp_rad_cus, exp_rad_exl_col};
    for (int i = 0; i < rows.size(); ++i)
        ex_bar_matrix_file_name->setId(rows[i], i);
    matrix_export_card_side->setId(exp_side_both, 0);
    matrix_export_card_side->setId(exp_side_front, 1);
    matrix_export_card_side->setId(exp_side_back, 2);
    // The range steppers count whole records.
    for (platform::Stepper *s : {Total_Stepper, from_Stepper, To_Stepper}) {
        s->setMinValue(1);
        s->setIncrement(1);
    }
    Export_Full_Size = ExportWindow->size();

    OutputController &out = hub.output();
    QObject::connect(ex_bar_matrix_file_name, &QButtonGroup::idClicked, &out,
                     [&out](int row) { out.Apply_Export_Name_Row(row); });
    QObject::connect(matrix_export_card_side, &QButtonGroup::idClicked, &out,
                     [&out](int row) { out.export_card_side_CellClick(row); });
    QObject::connect(prefix_suffix_chk_box, &QCheckBox::clicked, &out, [&out] { out.Prefix_suffix_Chk_Cliecked(); });
    QObject::connect(Export_Dest_Path_btn, &QPushButton::clicked, &out, [&out] { out.Export_Dest_Path_Clicked(); });
    QObject::connect(View_export_Series_btn, &QPushButton::clicked, &out, [&out] { out.View_Export_Panel_Series_Clicked(); });
    QObject::connect(View_export_Exl_Col_btn, &QPushButton::clicked, &out, [&out] { out.View_Export_Panel_Column_Clicked(); });
    QObject::connect(export_btn_on_export_image, &QPushButton::clicked, &out, [&out] { out.exportOkay(); });
    QObject::connect(export_cancel_btn, &QPushButton::clicked, &out, [&out] { out.exportCancel(); });
    QObject::connect(All_print_rd, &QRadioButton::clicked, this, [this] { All_print_RD_Clicked(All_print_rd); });
    QObject::connect(Sel_print_rd, &QRadioButton::clicked, this, [this] { Sel_Print_RD_Clicked(Sel_print_rd); });
    QObject::connect(Export_with_batch_chk, &QCheckBox::clicked, this, [this] { Export_With_Batch_Changed(Export_with_batch_chk); });
    QObject::connect(Total_Stepper, &platform::Stepper::stepped, this, [this] { Total_Val_Changed(Total_Stepper); });
    QObject::connect(from_Stepper, &platform::Stepper::stepped, this, [this] { From_Stepper_Changed(from_Stepper); });
    QObject::connect(To_Stepper, &platform::Stepper::stepped, this, [this] { To_Stepper_Changed(To_Stepper); });
    // The range fields' typing goes through the window's text handler.
    for (QLineEdit *field : {Total_Text, from_Text, To_Text})
        QObject::connect(field, &QLineEdit::textEdited, &hub, [this, field] { hub.controlTextDidChange(field); });
}
