// The label export sheet: made from its form, prepared from the batch state for a run, and its
// naming, side, destination and viewer handlers with the OK that checks the choices and leaves them
// for the export. The record range is in ExportRange.cpp.

#include "output/ExportWindow.h"

#include "core/FileServices.h"
#include "core/Globals.h"
#include "model/DesignGlobals.h"
#include "outputjobs/OutputGlobals.h"
#include "core/Messages.h"
#include "core/Utilities.h"
#include "output/ExportSheetHost.h"
#include "output/RecordRange.h"
#include "output/UsedDataLists.h"
#include "platform/CountField.h"
#include "platform/Dialogs.h"
#include "platform/FormBinding.h"
#include "platform/Stepper.h"

#include "ui_ExportWindow.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QUrl>

#include <exception>

namespace {

const QStringList formats = {QStringLiteral("jpg"), QStringLiteral("tiff"), QStringLiteral("bmp"),
                             QStringLiteral("png"), QStringLiteral("eps"),  QStringLiteral("gif")};
const QStringList tokens = {QStringLiteral("<DEF>"), QStringLiteral("<SN>"), QStringLiteral("<SV>"),
                            QStringLiteral("<SNV>"), QString(), QStringLiteral("<ECOL>")};

// Shown and enabled together, or hidden and disabled.
void setShown(QWidget *w, bool shown)
{
    if (!w)
        return;
    w->setVisible(shown);
    w->setEnabled(shown);
}

void enableAll(std::initializer_list<QWidget *> widgets, bool on)
{
    for (QWidget *w : widgets)
        w->setEnabled(on);
}

// Deselected, emptied, hidden and disabled.
void resetCombo(QComboBox *combo)
{
    combo->setCurrentIndex(-1);
    combo->clear();
    setShown(combo, false);
}

bool comboHolds(const QComboBox *combo, const QString &name)
{
    const QString trimmed = Trim_Str(name);
    if (trimmed.isEmpty() || trimmed == combo_first_Select)
        return true;
    return combo && combo->findText(trimmed, Qt::MatchExactly) >= 0;
}

int integerOf(const QLineEdit *field) { return field ? Trim_Str(field->text()).toInt() : 0; }

// Each widget of the form into the outlet of its name.
void bindOutlets(ExportWindow &c, const Ui::ExportWindow &ui)
{
    // The form's other parts: boxes, labels, rows, layouts and spacers.
    designform::bindForm<21>(ui, FORM_OUTLET(Export_Dest_Path), FORM_OUTLET(Export_Dest_Path_btn),
        FORM_OUTLET(ex_bar_matrix_file_name), FORM_OUTLET(exp_rad_def), FORM_OUTLET(exp_rad_sn),
        FORM_OUTLET(exp_rad_sv), FORM_OUTLET(exp_rad_snv), FORM_OUTLET(exp_rad_cus), FORM_OUTLET(exp_rad_exl_col),
        FORM_OUTLET(ex_bar_image_type_combo), FORM_OUTLET(prefix_suffix_chk_box), FORM_OUTLET(ex_bar_prefix),
        FORM_OUTLET(ex_bar_suffix), FORM_OUTLET(prefix_sufix_box), FORM_OUTLET(ex_bar_cus_name),
        FORM_OUTLET(export_combined_image_chk), FORM_OUTLET(combined_image_H_or_V_chk),
        FORM_OUTLET(matrix_export_card_side), FORM_OUTLET(exp_side_both), FORM_OUTLET(exp_side_front),
        FORM_OUTLET(exp_side_back), FORM_OUTLET(Used_Seres_In_Design), FORM_OUTLET(Used_Seres_Label),
        FORM_OUTLET(View_export_Series_btn), FORM_OUTLET(Used_Excel_Col_In_Design),
        FORM_OUTLET(Used_Excel_Col_Index), FORM_OUTLET(View_export_Exl_Col_btn),
        FORM_OUTLET(Export_with_batch_chk), FORM_OUTLET(Export_with_excel_chk), FORM_OUTLET(series_radio_box),
        FORM_OUTLET(excel_radio_box), FORM_OUTLET(export_range_box), FORM_OUTLET(lower_path_btn_box),
        FORM_OUTLET(All_print_rd), FORM_OUTLET(Sel_print_rd), FORM_OUTLET(tot_label), FORM_OUTLET(from_label),
        FORM_OUTLET(to_label), FORM_OUTLET(Total_Text), FORM_OUTLET(Total_Stepper), FORM_OUTLET(from_Text),
        FORM_OUTLET(from_Stepper), FORM_OUTLET(To_Text), FORM_OUTLET(To_Stepper),
        FORM_OUTLET(export_btn_on_export_image), FORM_OUTLET(export_cancel_btn));
}

} // namespace

ExportWindow::ExportWindow(QWidget *parent) : QDialog(parent), ui(std::make_unique<Ui::ExportWindow>())
{
    setWindowModality(parent ? Qt::WindowModal : Qt::ApplicationModal);
    ui->setupUi(this);
    bindOutlets(*this, *ui);
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
    Export_Full_Size = size();
    Wire_Controls();
}

ExportWindow::~ExportWindow() = default;

void ExportWindow::Wire_Controls()
{
    connect(ex_bar_matrix_file_name, &QButtonGroup::idClicked, this, [this](int row) { Apply_Export_Name_Row(row); });
    connect(matrix_export_card_side, &QButtonGroup::idClicked, this, [this](int row) { export_card_side_CellClick(row); });
    connect(prefix_suffix_chk_box, &QCheckBox::clicked, this, [this] { Prefix_suffix_Chk_Cliecked(); });
    connect(Export_Dest_Path_btn, &QPushButton::clicked, this, [this] { Export_Dest_Path_Clicked(); });
    connect(View_export_Series_btn, &QPushButton::clicked, this, [this] { View_Export_Panel_Series_Clicked(); });
    connect(View_export_Exl_Col_btn, &QPushButton::clicked, this, [this] { View_Export_Panel_Column_Clicked(); });
    connect(export_btn_on_export_image, &QPushButton::clicked, this, [this] { exportOkay(); });
    connect(export_cancel_btn, &QPushButton::clicked, this, [this] { exportCancel(); });
    connect(All_print_rd, &QRadioButton::clicked, this, [this] { All_print_RD_Clicked(All_print_rd); });
    connect(Sel_print_rd, &QRadioButton::clicked, this, [this] { Sel_Print_RD_Clicked(Sel_print_rd); });
    connect(Export_with_batch_chk, &QCheckBox::clicked, this, [this] { Export_With_Batch_Changed(Export_with_batch_chk); });
    connect(Total_Stepper, &platform::Stepper::stepped, this, [this] { Total_Val_Changed(Total_Stepper); });
    connect(from_Stepper, &platform::Stepper::stepped, this, [this] { From_Stepper_Changed(from_Stepper); });
    connect(To_Stepper, &platform::Stepper::stepped, this, [this] { To_Stepper_Changed(To_Stepper); });
    // The user's entry in the range fields once its typing ends (never text set by code).
    recordrange::Connect_Fields(rangeChoice().range, this, [this](QLineEdit *field) { controlTextDidChange(field); });
}

ExportWindow::Values ExportWindow::values() const
{
    Values v;
    v.batch = Export_with_batch_chk->isChecked();
    v.selectedRange = Sel_print_rd->isChecked();
    v.from = from_Text->text().toInt();
    v.to = To_Text->text().toInt();
    return v;
}

// ---- The run ----

void ExportWindow::Prepare_Export_Sheet()
{
    Export_Dest_Path->clear();
    // Naming: the default name, no used data listed yet.
    resetCombo(Used_Seres_In_Design);
    resetCombo(Used_Excel_Col_In_Design);
    Used_Excel_Col_Index->clear();
    for (QWidget *w : std::initializer_list<QWidget *>{Used_Seres_Label, View_export_Series_btn, View_export_Exl_Col_btn})
        setShown(w, false);
    Apply_Export_Name_Row(0);
    ex_bar_image_type_combo->setCurrentIndex(0);
    prefix_suffix_chk_box->setChecked(false);
    ex_bar_prefix->clear();
    ex_bar_suffix->clear();
    ex_bar_cus_name->clear();
    setShown(ex_bar_cus_name, false);
    SetObjEnabled(prefix_sufix_box, false);
    // Side: the front alone.
    export_combined_image_chk->setChecked(false);
    combined_image_H_or_V_chk->setChecked(false);
    exp_side_front->setChecked(true);
    export_card_side = QStringLiteral("F");
    // Range: all records.
    recordrange::Select_All(rangeChoice());
    Total_Text->hide();
    from_Text->setText(QStringLiteral("1"));
    from_Stepper->setIntValue(1);
    // The batch option first, since the range limits depend on it.
    const bool batchPossible = Use_Data_Sheet_Values || Use_Excel_Binding_Values;
    Export_with_batch_chk->setEnabled(batchPossible);
    Export_with_batch_chk->setChecked(batchPossible);
    Export_with_excel_chk->setChecked(Use_Excel_Binding_Values);
    Export_with_excel_chk->setEnabled(Use_Excel_Binding_Values);
    Export_with_excel_chk->hide();
    Set_Tot_Value(Total_Label, recordrange::Most_Records, QStringLiteral("A"));
    enableAll({exp_side_both, exp_side_back, export_combined_image_chk, combined_image_H_or_V_chk}, false);
    Total_Label = Total_Batch_Excel_Card;
    Show_Hide_export_Range_Box();
    if (!batchPossible) {
        Set_Tot_Value(Total_Label, recordrange::Most_Records, QStringLiteral("A"));
        enableAll({exp_rad_sn, exp_rad_sv, exp_rad_snv, exp_rad_exl_col}, false);
    } else {
        enableAll({series_radio_box, exp_rad_sn, exp_rad_sv, exp_rad_snv}, Use_Data_Sheet_Values);
        enableAll({excel_radio_box, exp_rad_exl_col}, Use_Excel_Binding_Values);
        Set_Tot_Value(Total_Label, Total_Label, QStringLiteral("A"));
        To_Stepper->setIntValue(Total_Stepper->intValue());
    }
    Set_Enable_Diable_Range_Box();
}

void ExportWindow::Fill_Used_Data_Lists(const QList<std::shared_ptr<SKTGraphic>> &front, const QStringList &columnTitles)
{
    const useddata::Lists lists{Used_Seres_In_Design, Used_Excel_Col_In_Design, Used_Excel_Col_Index,
                                [this](const QString &name) { return Check_List_Name_Exist_In_Used_Ser_Combo(name); },
                                [this](const QString &name) { return Check_Column_Name_Exist_In_Used_Excel_Combo(name); }};
    useddata::Fill_Used_Data_Lists(lists, front, columnTitles);
    Used_Seres_In_Design->setCurrentIndex(-1);
    Used_Excel_Col_In_Design->setCurrentIndex(-1);
}

int ExportWindow::Run_Sheet()
{
    export_btn_on_export_image->setFocus();
    const int result = Run_Export_Sheet ? Run_Export_Sheet(*this) : platform::runModal(*this);
    hide();
    return result;
}

// ---- Naming, side, destination, viewers; OK and Cancel ----

void ExportWindow::exportOkay(QObject *)
{
    try {
        // A record number still being typed is taken first; a refused one exports nothing.
        if (!recordrange::End_Typing(rangeChoice().range))
            return;
        const int row = ex_bar_matrix_file_name->checkedId();
        if (row >= 1 && row <= 3) {
            const QString series = Trim_Str(Used_Seres_In_Design->currentText());
            if (series.isEmpty() || Used_Seres_In_Design->currentIndex() < 0) {
                Show_MessageBox(QStringLiteral("Please select series name."));
                return;
            }
            file_series_exported = series;
        }
        if (row == 5) {
            const int at = Used_Excel_Col_In_Design->currentIndex();
            if (at < 0 || Trim_Str(Used_Excel_Col_In_Design->currentText()).isEmpty()) {
                Show_MessageBox(QStringLiteral("Please select excel column."));
                return;
            }
            file_series_exported = Used_Excel_Col_In_Design->currentText();
            file_exl_col_exported = Used_Excel_Col_Index->itemText(at).toInt();
        }
        if (row == 4) {
            file_name_exported = Trim_Str(Remove_Reserve_Char_In_File_Name(ex_bar_cus_name->text()));
            if (file_name_exported.isEmpty()) {
                Show_MessageBox(QStringLiteral("Please enter valid file name."));
                return;
            }
        } else {
            file_name_exported = tokens.value(row, tokens.first());
        }
        if (prefix_suffix_chk_box->isChecked()) {
            file_prefix_exported = Trim_Str(ex_bar_prefix->text());
            file_sufix_exported = Trim_Str(ex_bar_suffix->text());
            if (file_prefix_exported.isEmpty() && file_sufix_exported.isEmpty()) {
                Show_MessageBox(QStringLiteral("Please enter prefix or suffix value."));
                return;
            }
        } else {
            file_prefix_exported.clear();
            file_sufix_exported.clear();
        }
        if (!Sel_print_rd->isChecked()) {
            Print_Start = 0;
            Total_Label = Total_Batch_Excel_Card;
        } else {
            const int from = integerOf(from_Text);
            const int to = integerOf(To_Text);
            if (from > to) {
                Show_MessageBox(QStringLiteral("Please select valid range."));
                return;
            }
            Print_Start = from - 1;
            Print_End = to;
            Total_Label = Print_End;
        }
        file_path_ext = formats.value(ex_bar_image_type_combo->currentIndex(), formats.first());
        // A destination that is no folder could never take the files.
        const QString destination = Trim_Str(Export_Dest_Path->text());
        if (destination.isEmpty() || !QFileInfo(destination).isDir()) {
            Show_MessageBox(QStringLiteral("Please select destination path."));
            return;
        }
        file_export_Path = destination;
        done(1);
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

void ExportWindow::exportCancel(QObject *)
{
    file_name_exported.clear();
    file_prefix_exported.clear();
    file_sufix_exported.clear();
    file_path_ext.clear();
    file_series_exported.clear();
    done(0);
}

void ExportWindow::export_card_side_CellClick(int row)
{
    export_card_side = row == 0 ? QStringLiteral("BOTH") : row == 1 ? QStringLiteral("F") : QStringLiteral("B");
    for (QCheckBox *box : {export_combined_image_chk, combined_image_H_or_V_chk})
        box->setEnabled(row == 0);
}

void ExportWindow::Prefix_suffix_Chk_Cliecked(QObject *)
{
    SetObjEnabled(prefix_sufix_box, prefix_suffix_chk_box->isChecked());
}

void ExportWindow::Apply_Export_Name_Row(int row)
{
    const QList<QRadioButton *> radios = {exp_rad_def, exp_rad_sn, exp_rad_sv, exp_rad_snv, exp_rad_cus, exp_rad_exl_col};
    if (QRadioButton *on = radios.value(row))
        on->setChecked(true);
    const bool series = row >= 1 && row <= 3;
    const bool column = row == 5;
    for (QWidget *w : std::initializer_list<QWidget *>{Used_Seres_In_Design, Used_Seres_Label, View_export_Series_btn})
        setShown(w, series);
    for (QWidget *w : std::initializer_list<QWidget *>{Used_Excel_Col_In_Design, View_export_Exl_Col_btn})
        setShown(w, column);
    setShown(ex_bar_cus_name, row == 4);
}

void ExportWindow::Export_Dest_Path_Clicked(QObject *)
{
    try {
        platform::OpenPanelRequest request;
        request.canChooseFiles = false;
        request.canChooseDirectories = true;
        request.allowsMultipleSelection = false;
        const QStringList chosen = platform::dialogResponder().openPanel(request);
        if (chosen.isEmpty())
            return;
        Export_Dest_Path->setText(Convert_Path_From_URL(QUrl::fromLocalFile(chosen.first())));
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

void ExportWindow::View_Export_Panel_Series_Clicked(QObject *)
{
    const QString name = Trim_Str(Used_Seres_In_Design->currentText());
    if (name.isEmpty() || name == combo_first_Select) {
        Show_MessageBox(QStringLiteral("Please select the series."));
        return;
    }
    if (m_host)
        m_host->Open_Series_Value_Box(name);
}

void ExportWindow::View_Export_Panel_Column_Clicked(QObject *)
{
    if (m_host && m_host->Calculate_Excel_table_rows() > 0)
        m_host->Open_Excel_Data_Box();
    else
        Show_MessageBox(QStringLiteral("There is no excel data to view."));
}

bool ExportWindow::Check_List_Name_Exist_In_Used_Ser_Combo(const QString &name) const
{
    return comboHolds(Used_Seres_In_Design, name);
}

bool ExportWindow::Check_Column_Name_Exist_In_Used_Excel_Combo(const QString &name) const
{
    return comboHolds(Used_Excel_Col_In_Design, name);
}

void ExportWindow::Show_Hide_export_Range_Box()
{
    const bool batch = Use_Data_Sheet_Values || Use_Excel_Binding_Values;
    for (QWidget *w : std::initializer_list<QWidget *>{series_radio_box, excel_radio_box, Export_with_batch_chk, export_range_box})
        w->setVisible(batch);
    // The layout closes up over hidden groups by itself; the sheet takes the size it then needs.
    if (batch && Export_Full_Size.isValid())
        resize(Export_Full_Size);
    else
        adjustSize();
}
