#pragma once
// The label export sheet of the Designing mode: file naming, image format, card side, batch option
// and record range. Its OK checks the choices and leaves them in the export globals; what the run
// needs of the sheet besides comes from values().

#include <QDialog>
#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class ExportSheetHost;
class SKTGraphic;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
namespace platform { class Stepper; }
namespace recordrange { struct Choice; }
namespace Ui { class ExportWindow; }

class ExportWindow : public QDialog {
    Q_OBJECT
public:
    // A sheet of the parent window when there is one, else application-modal.
    explicit ExportWindow(QWidget *parent = nullptr);
    ~ExportWindow() override;

    // The design's side: batch state, record count and the data viewers. Without one those steps
    // are left out.
    void setHost(ExportSheetHost *host) { m_host = host; }

    // The choices the run reads after OK.
    struct Values {
        bool batch = false;           // one image per record
        bool selectedRange = false;   // the from-to range rather than all records
        int from = 0;                 // first record, 1-based
        int to = 0;                   // last record, 1-based
    };
    Values values() const;

    // ---- The run ----
    // The sheet reset and set from the batch state (Use_Data_Sheet_Values, Use_Excel_Binding_Values,
    // Total_Label, Total_Batch_Excel_Card): destination, naming, format, side, batch option and range.
    // Leaves Total_Label at Total_Batch_Excel_Card.
    void Prepare_Export_Sheet();
    // The series and spreadsheet columns that the front side's batch objects use, into the sheet's
    // lists; a series only when its file is in the data folder, a column by its title in columnTitles.
    void Fill_Used_Data_Lists(const QList<std::shared_ptr<SKTGraphic>> &front, const QStringList &columnTitles);
    // Runs the sheet modally with the focus on its export button and puts it away: 1 for OK, 0 for Cancel.
    int Run_Sheet();
    // Runs the sheet in place of the modal loop when set (tests): answers 1 for OK, 0 for Cancel.
    std::function<int(QDialog &)> Run_Export_Sheet;
    QSize Export_Full_Size;   // the sheet's size with its batch part

    // ---- Naming, side, destination, viewers; OK and Cancel ----
    void exportOkay(QObject *sender = nullptr);
    void exportCancel(QObject *sender = nullptr);
    void export_card_side_CellClick(int row);
    void Prefix_suffix_Chk_Cliecked(QObject *sender = nullptr);
    // Selects naming row 0-5 and shows the controls that row needs.
    void Apply_Export_Name_Row(int row);
    void Export_Dest_Path_Clicked(QObject *sender = nullptr);
    void View_Export_Panel_Series_Clicked(QObject *sender = nullptr);
    void View_Export_Panel_Column_Clicked(QObject *sender = nullptr);
    bool Check_List_Name_Exist_In_Used_Ser_Combo(const QString &name) const;
    bool Check_Column_Name_Exist_In_Used_Excel_Combo(const QString &name) const;
    // The series, spreadsheet, batch and range groups shown only when a batch is possible.
    void Show_Hide_export_Range_Box();

    // ---- Record range ----
    void Set_Tot_Value(int value, int max, const QString &setFor);
    void All_print_RD_Clicked(QObject *sender = nullptr);
    void Sel_Print_RD_Clicked(QObject *sender = nullptr);
    void From_Stepper_Changed(QObject *sender);
    void To_Stepper_Changed(QObject *sender);
    void Total_Val_Changed(QObject *sender);
    void Export_With_Batch_Changed(QObject *sender = nullptr);
    void Set_Enable_Diable_Range_Box();
    // The user's typing in the range fields: brought back into the records.
    void controlTextDidChange(QObject *F);

    // ---- Outlets ----
    QLineEdit *Export_Dest_Path = nullptr;
    QPushButton *Export_Dest_Path_btn = nullptr;
    QButtonGroup *ex_bar_matrix_file_name = nullptr;
    QRadioButton *exp_rad_def = nullptr, *exp_rad_sn = nullptr, *exp_rad_sv = nullptr, *exp_rad_snv = nullptr,
                 *exp_rad_cus = nullptr, *exp_rad_exl_col = nullptr;
    QComboBox *ex_bar_image_type_combo = nullptr;
    QCheckBox *prefix_suffix_chk_box = nullptr;
    QLineEdit *ex_bar_prefix = nullptr, *ex_bar_suffix = nullptr;
    QGroupBox *prefix_sufix_box = nullptr;
    QLineEdit *ex_bar_cus_name = nullptr;
    QCheckBox *export_combined_image_chk = nullptr, *combined_image_H_or_V_chk = nullptr;
    QButtonGroup *matrix_export_card_side = nullptr;
    QRadioButton *exp_side_both = nullptr, *exp_side_front = nullptr, *exp_side_back = nullptr;
    QComboBox *Used_Seres_In_Design = nullptr;
    QLabel *Used_Seres_Label = nullptr;
    QPushButton *View_export_Series_btn = nullptr;
    QComboBox *Used_Excel_Col_In_Design = nullptr, *Used_Excel_Col_Index = nullptr;
    QPushButton *View_export_Exl_Col_btn = nullptr;
    QCheckBox *Export_with_batch_chk = nullptr;
    QCheckBox *Export_with_excel_chk = nullptr;   // shows whether spreadsheet values are in use; kept hidden
    QGroupBox *series_radio_box = nullptr, *excel_radio_box = nullptr, *export_range_box = nullptr,
              *lower_path_btn_box = nullptr;
    QRadioButton *All_print_rd = nullptr, *Sel_print_rd = nullptr;
    QLabel *tot_label = nullptr, *from_label = nullptr, *to_label = nullptr;
    QLineEdit *Total_Text = nullptr;
    platform::Stepper *Total_Stepper = nullptr;
    QLineEdit *from_Text = nullptr;
    platform::Stepper *from_Stepper = nullptr;
    QLineEdit *To_Text = nullptr;
    platform::Stepper *To_Stepper = nullptr;
    QPushButton *export_btn_on_export_image = nullptr, *export_cancel_btn = nullptr;

private:
    void Wire_Controls();
    recordrange::Choice rangeChoice() const;
    std::unique_ptr<Ui::ExportWindow> ui;
    ExportSheetHost *m_host = nullptr;
};
