#pragma once
// The PDF export dialog: the label size, the sheet of rows x columns with gaps, the page and its
// margins from the page setup, the alignment of the block of labels or auto-centre, the output
// option, the range, the batch options and the file naming of the current mode, with a preview of
// one sheet after every change. OK runs the export job behind the progress sheet while the dialog
// stays open; Cancel ends its modal run. One dialog for the process.

#include "output/GapFields.h"

#include <QDialog>
#include <QIcon>
#include <QPointer>
#include <QString>

#include <vector>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class OutputController;
class QScrollArea;
class Sample_Preview;
namespace platform { class Stepper; }
namespace recordrange { struct Choice; }
namespace sheetfit { struct Fields; }

class PDF_Export : public QDialog {
    Q_OBJECT
public:
    static PDF_Export *defaultInstance();

    // Prepares the dialog for the mode and edition and runs it modally until Cancel; the run reads
    // the modes and the design, and keeps its output option, through output.
    int Open_Pdf_Export_Wnd(OutputController &output);

    // ---- Sheet ----
    // The fit of the grid to the page (the paper, or the label itself for label pages); the preview.
    void Check_Max_Cell_Value();
    // The same for an edit of the rows or columns, settled (sheetfit::Settled) and shown once.
    void Fit_Grid_Edit();
    sheetfit::Fields Fit_Fields() const;
    // The most a gap may be across and down (millimetres): the room of the page in use.
    QSizeF Gap_Most() const;
    // Page name, size and margins from the page setup (the label with no margins for label pages).
    void Set_values_From_Printer();
    void Refresh_Preview();
    void Set_Reset_Alignemnt_Image();
    void Set_Tot_Value(int value, int max, const QString &setFor);
    void Set_Enable_Diable_Range_Box();
    void Verify_Card_Count();
    void Capture_Last_Values();
    void Disable_for_fit_or_duplex();
    void Normal_Printing_Is_Selected();
    // The series and spreadsheet columns of the front side that can name files (Designing mode).
    void Fill_Series_Or_Excel_List();
    bool Check_List_Name_Exist_In_Used_Ser_Combo(const QString &name) const;
    bool Check_Column_Name_Exist_In_Used_Excel_Combo(const QString &name) const;
    void Refresh_name_Fields(const QString &item);

    // ---- Handlers ----
    void Width_Changed(QObject *sender);
    void Height_Changed(QObject *sender);
    void Horz_Margin_Changed(QObject *sender);
    void Vert_Margin_Changed(QObject *sender);
    void Row_Changed(QObject *sender);
    void Col_Changed(QObject *sender);
    void Total_Val_Changed(QObject *sender);
    void From_Stepper_Changed(QObject *sender);
    void To_Stepper_Changed(QObject *sender);
    void Auto_Center_Checked();
    void Alignment_Clicked(int value);   // label_align_val 1 top-left ... 9 bottom-right
    void All_print_RD_Clicked();
    void Sel_Print_RD_Clicked();
    void Skip_Inavlid_Checked();
    void Print_Qty_Checked();
    void Print_With_Batch_Changed();
    void Show_Margin_Checked();
    void pdf_export_option_CellClick();
    void use_label_size_chk_box_Click();
    void Page_From_Printer_Click();
    void Pdf_Help_Pressed();
    void comboBoxSelectionDidChange(QComboBox *combo);
    void controlTextDidChange(QObject *control);

    // ---- The export ----
    void OKPressed();
    void CancelPressed();
    // Checks the settings and keeps what the job needs; NO (after its message) when it cannot start.
    bool Execute_Exporting();
    // The job into the folder (the "QIRO PDF Label" folder of the chosen one), behind the progress
    // sheet; the dialog's values are as before when it returns.
    // Into the folder open at folder (as the export checked it; -1: checked here by its path).
    void Export_PDF_File(const QString &destination, int folder = -1);
    // The end of every job: output option, label size, rows and columns back, Stop set, the sheet
    // closed and the export-done box when a file was written.
    void Cancel_And_Stop_Fun();

    // The output option of the job, and of the click before the last.
    int pdf_export_opt() const;
    void set_pdf_export_opt(int option);
    int pdf_export_opt_bkup = 0;
    int pdf_export_opt_real = 0;
    int row_bkup_var = 1, col_bkup_var = 1;
    int LAST_Row = 1, LAST_Column = 1;
    float LAST_Horz_Mar = 0, LAST_Vert_Mar = 0;
    GapFields gapFields;   // the gap fields: the typed gaps, or auto-centre's
    // What the last job did (tests): files written, stopped, failed.
    QStringList lastFiles;
    bool lastStopped = false, lastFailed = false;

    // ---- Outlets ----
    QLineEdit *width_Text = nullptr, *height_Text = nullptr, *horz_mar_Text = nullptr, *vert_mar_Text = nullptr,
              *Row_Text = nullptr, *Col_Text = nullptr;
    platform::Stepper *width_Stepper = nullptr, *height_Stepper = nullptr, *horz_mar_Stepper = nullptr,
                      *vert_mar_Stepper = nullptr, *Row_Stepper = nullptr, *Col_Stepper = nullptr;
    QLabel *Page_name_txt = nullptr, *Page_width_txt = nullptr, *Page_height_txt = nullptr;
    QLabel *l_mar_id = nullptr, *r_mar_id = nullptr, *t_mar_id = nullptr, *b_mar_id = nullptr;
    QPushButton *Page_From_Printer_btn = nullptr;
    QGroupBox *card_align_box = nullptr, *align_Gp_Bx = nullptr;
    QPushButton *top_left_btn = nullptr, *top_center_btn = nullptr, *top_rite_btn = nullptr, *mid_left_btn = nullptr,
                *mid_center_btn = nullptr, *mid_rite_btn = nullptr, *bot_left_btn = nullptr, *bot_center_btn = nullptr,
                *bot_rite_btn = nullptr;
    QCheckBox *Auto_Center_chk_bx = nullptr;
    QButtonGroup *pdf_matrix = nullptr;
    QCheckBox *use_label_size_chk_box = nullptr;
    QGroupBox *export_range_box = nullptr;
    QRadioButton *All_print_rd = nullptr, *Sel_print_rd = nullptr;
    QLabel *tot_label = nullptr, *from_label = nullptr, *to_label = nullptr;
    QLineEdit *Total_Text = nullptr, *from_Text = nullptr, *To_Text = nullptr;
    platform::Stepper *Total_Stepper = nullptr, *from_Stepper = nullptr, *To_Stepper = nullptr;
    QCheckBox *print_with_batch_chk = nullptr, *skip_inavlid_chk = nullptr, *print_qty_chk = nullptr,
              *Show_Margins = nullptr;
    QComboBox *Save_Type_ComboBox = nullptr, *Used_Seres_In_Design = nullptr, *Used_Excel_Col_In_Design = nullptr,
              *Used_Excel_Col_Index = nullptr;
    QLineEdit *file_name_save_txt = nullptr;
    QLabel *barcode_font_name_label = nullptr, *barcode_font_name = nullptr;
    QScrollArea *Print_sclview = nullptr;
    Sample_Preview *PrintView = nullptr;
    QLabel *test_image_view = nullptr;
    QPushButton *okButton = nullptr, *cancelButton = nullptr, *Pdf_Help_btn = nullptr;

protected:
    void reject() override;

private:
    explicit PDF_Export(QWidget *parent = nullptr);
    recordrange::Choice rangeChoice() const;
    // The fit written into the dialog, the layout and the preview; settle: as Fit_Grid_Edit.
    void Fit_Sheet(bool settle);
    void Wire_Handlers();
    std::vector<QPushButton *> Alignment_Buttons() const;
    void Fill_Naming_List();
    void gridChanged();
    QPointer<OutputController> m_output;   // of the last opening
    std::vector<std::pair<QIcon, QIcon>> m_alignImages;
};
