// The label export sheet's own handlers: the naming rows, side, prefix and suffix, the destination,
// the viewers of the used data, the layout with or without a batch part, and the OK that checks the
// choices and leaves them for the export.

#include "output/OutputController.h"

#include "app/SKTWindowController.h"
#include "core/Globals.h"
#include "core/FileServices.h"
#include "core/Messages.h"
#include "core/Utilities.h"
#include "design/DesignController.h"
#include "platform/Dialogs.h"
#include "platform/Stepper.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
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

void setShown(QWidget *w, bool shown)
{
    if (!w)
        return;
    w->setVisible(shown);
    w->setEnabled(shown);
}

bool comboHolds(const QComboBox *combo, const QString &name)
{
    const QString trimmed = Trim_Str(name);
    if (trimmed.isEmpty() || trimmed == combo_first_Select)
        return true;
    return combo && combo->findText(trimmed, Qt::MatchExactly) >= 0;
}

int integerOf(const QLineEdit *field) { return field ? Trim_Str(field->text()).toInt() : 0; }

} // namespace

void OutputController::exportOkay(QObject *)
{
    DesignController &d = hub.design();
    try {
        const int row = d.ex_bar_matrix_file_name ? d.ex_bar_matrix_file_name->checkedId() : 0;
        if (row >= 1 && row <= 3) {
            const QString series = d.Used_Seres_In_Design ? Trim_Str(d.Used_Seres_In_Design->currentText()) : QString();
            if (series.isEmpty() || d.Used_Seres_In_Design->currentIndex() < 0) {
                Show_MessageBox(QStringLiteral("Please select series name."));
                return;
            }
            file_series_exported = series;
        }
        if (row == 5) {
            const int at = d.Used_Excel_Col_In_Design ? d.Used_Excel_Col_In_Design->currentIndex() : -1;
            if (at < 0 || Trim_Str(d.Used_Excel_Col_In_Design->currentText()).isEmpty()) {
                Show_MessageBox(QStringLiteral("Please select excel column."));
                return;
            }
            file_series_exported = d.Used_Excel_Col_In_Design->currentText();
            file_exl_col_exported = d.Used_Excel_Col_Index ? d.Used_Excel_Col_Index->itemText(at).toInt() : 0;
        }
        if (row == 4) {
            file_name_exported = Trim_Str(Remove_Reserve_Char_In_File_Name(d.ex_bar_cus_name ? d.ex_bar_cus_name->text() : QString()));
            if (file_name_exported.isEmpty()) {
                Show_MessageBox(QStringLiteral("Please enter valid file name."));
                return;
            }
        } else {
            file_name_exported = tokens.value(row, tokens.first());
        }
        if (d.prefix_suffix_chk_box && d.prefix_suffix_chk_box->isChecked()) {
            file_prefix_exported = d.ex_bar_prefix ? Trim_Str(d.ex_bar_prefix->text()) : QString();
            file_sufix_exported = d.ex_bar_suffix ? Trim_Str(d.ex_bar_suffix->text()) : QString();
            if (file_prefix_exported.isEmpty() && file_sufix_exported.isEmpty()) {
                Show_MessageBox(QStringLiteral("Please enter prefix or suffix value."));
                return;
            }
        } else {
            file_prefix_exported.clear();
            file_sufix_exported.clear();
        }
        if (!d.Sel_print_rd || !d.Sel_print_rd->isChecked()) {
            Print_Start = 0;
            Total_Label = Total_Batch_Excel_Card;
        } else {
            const int from = integerOf(d.from_Text);
            const int to = integerOf(d.To_Text);
            if (from > to) {
                Show_MessageBox(QStringLiteral("Please select valid range."));
                return;
            }
            Print_Start = from - 1;
            Print_End = to;
            Total_Label = Print_End;
        }
        const int format = d.ex_bar_image_type_combo ? d.ex_bar_image_type_combo->currentIndex() : 0;
        file_path_ext = formats.value(format, formats.first());
        // A destination that is no folder could never take the files.
        const QString destination = d.Export_Dest_Path ? Trim_Str(d.Export_Dest_Path->text()) : QString();
        if (destination.isEmpty() || !QFileInfo(destination).isDir()) {
            Show_MessageBox(QStringLiteral("Please select destination path."));
            return;
        }
        file_export_Path = destination;
        if (d.ExportWindow)
            d.ExportWindow->done(1);
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

void OutputController::exportCancel(QObject *)
{
    file_name_exported.clear();
    file_prefix_exported.clear();
    file_sufix_exported.clear();
    file_path_ext.clear();
    file_series_exported.clear();
    if (hub.design().ExportWindow)
        hub.design().ExportWindow->done(0);
}

void OutputController::export_card_side_CellClick(int row)
{
    DesignController &d = hub.design();
    export_card_side = row == 0 ? QStringLiteral("BOTH") : row == 1 ? QStringLiteral("F") : QStringLiteral("B");
    for (QCheckBox *box : {d.export_combined_image_chk, d.combined_image_H_or_V_chk})
        if (box)
            box->setEnabled(row == 0);
}

void OutputController::Prefix_suffix_Chk_Cliecked(QObject *)
{
    DesignController &d = hub.design();
    SetObjEnabled(d.prefix_sufix_box, d.prefix_suffix_chk_box && d.prefix_suffix_chk_box->isChecked());
}

void OutputController::Apply_Export_Name_Row(int row)
{
    DesignController &d = hub.design();
    const QList<QRadioButton *> radios = {d.exp_rad_def, d.exp_rad_sn,  d.exp_rad_sv,
                                          d.exp_rad_snv, d.exp_rad_cus, d.exp_rad_exl_col};
    if (QRadioButton *on = radios.value(row))
        on->setChecked(true);
    const bool series = row >= 1 && row <= 3;
    const bool column = row == 5;
    for (QWidget *w : std::initializer_list<QWidget *>{d.Used_Seres_In_Design, d.Used_Seres_Label, d.View_export_Series_btn})
        setShown(w, series);
    for (QWidget *w : std::initializer_list<QWidget *>{d.Used_Excel_Col_In_Design, d.View_export_Exl_Col_btn})
        setShown(w, column);
    setShown(d.ex_bar_cus_name, row == 4);
}

void OutputController::exp_rad_def_rd_clicked(QObject *) { Apply_Export_Name_Row(0); }
void OutputController::exp_rad_sn_rd_clicked(QObject *) { Apply_Export_Name_Row(1); }
void OutputController::exp_rad_sv_rd_clicked(QObject *) { Apply_Export_Name_Row(2); }
void OutputController::exp_rad_snv_rd_clicked(QObject *) { Apply_Export_Name_Row(3); }
void OutputController::exp_rad_cus_rd_clicked(QObject *) { Apply_Export_Name_Row(4); }
void OutputController::exp_rad_exl_col_rd_clicked(QObject *) { Apply_Export_Name_Row(5); }

void OutputController::Export_Dest_Path_Clicked(QObject *)
{
    try {
        platform::OpenPanelRequest request;
        request.canChooseFiles = false;
        request.canChooseDirectories = true;
        request.allowsMultipleSelection = false;
        const QStringList chosen = platform::dialogResponder().openPanel(request);
        if (chosen.isEmpty() || !hub.design().Export_Dest_Path)
            return;
        hub.design().Export_Dest_Path->setText(Convert_Path_From_URL(QUrl::fromLocalFile(chosen.first())));
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

void OutputController::View_Export_Panel_Series_Clicked(QObject *)
{
    DesignController &d = hub.design();
    const QString name = d.Used_Seres_In_Design ? Trim_Str(d.Used_Seres_In_Design->currentText()) : QString();
    if (name.isEmpty() || name == combo_first_Select) {
        Show_MessageBox(QStringLiteral("Please select the series."));
        return;
    }
    d.Open_Series_Value_Box(name);
}

void OutputController::View_Export_Panel_Column_Clicked(QObject *)
{
    DesignController &d = hub.design();
    if (d.Calculate_Excel_table_rows() > 0)
        d.Open_Excel_Data_Box();
    else
        Show_MessageBox(QStringLiteral("There is no excel data to view."));
}

bool OutputController::Check_List_Name_Exist_In_Used_Ser_Combo(const QString &name) const
{
    return comboHolds(hub.design().Used_Seres_In_Design, name);
}

bool OutputController::Check_Column_Name_Exist_In_Used_Excel_Combo(const QString &name) const
{
    return comboHolds(hub.design().Used_Excel_Col_In_Design, name);
}

void OutputController::Show_Hide_export_Range_Box()
{
    DesignController &d = hub.design();
    const bool batch = Use_Data_Sheet_Values || Use_Excel_Binding_Values;
    for (QWidget *w : std::initializer_list<QWidget *>{d.series_radio_box, d.excel_radio_box, d.Export_with_batch_chk,
                                                      d.export_range_box})
        if (w)
            w->setVisible(batch);
    // The layout closes up over hidden groups by itself; the sheet takes the size it then needs.
    if (d.ExportWindow) {
        if (batch && d.Export_Full_Size.isValid())
            d.ExportWindow->resize(d.Export_Full_Size);
        else
            d.ExportWindow->adjustSize();
    }
}

bool OutputController::File_Name_Taken(const QString &path)
{
    const QFileInfo info(path);
    if (info.exists())
        return true;
    const QDir folder = info.absoluteDir();
    const QString base = info.completeBaseName();
    const QString suffix = info.suffix();
    for (const QString &entry : folder.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)) {
        const QFileInfo other(entry);
        if (other.completeBaseName() == base && other.suffix().compare(suffix, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

QString OutputController::Check_Exist_Path_and_Create_New(const QString &path, int counter) const
{
    QString candidate = path;
    try {
        const QFileInfo info(path);
        const QString folder = info.path();
        const QString base = info.completeBaseName();
        const QString ext = info.suffix().toUpper();
        candidate = QDir(folder).filePath(base + QLatin1Char('.') + ext);
        for (int k = counter == 0 ? 1 : counter; File_Name_Taken(candidate); ++k)
            candidate = QDir(folder).filePath(QStringLiteral("%1 (%2).%3").arg(base).arg(k).arg(ext));
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
    return candidate;
}
