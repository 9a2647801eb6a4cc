#pragma once
// The print dialog: label sheets printed in all three modes. The user chooses a manual label (size,
// gaps, rows, columns, alignment, auto-centre) or a predefined one from a label-stock catalogue or a
// custom product, a printer, orientation and page setup, the range or number of labels and the batch
// options; the sheet preview follows every change. Print and Preview run a print job over the print
// view, which draws the sheets from the sheet-layout globals (core/Globals.h).

#include "outputjobs/Product_Details.h"

#include "output/GapFields.h"

#include <QDialog>
#include <QIcon>
#include <QMap>
#include <QPointer>
#include <QString>
#include <vector>

class QAbstractButton;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPrinter;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QTableView;
class Add_Print_Profile;
class Custom_Product_Label;
class OutputController;
class ProfileListModel;
class Sample_Preview;
namespace platform { class Stepper; class PrintInfo; struct WholeRule; }
namespace recordrange { struct Choice; }
namespace sheetfit { struct Fields; }

class Print_Wnd : public QDialog {
    Q_OBJECT
public:
    // The one instance, made with its form on first use.
    static Print_Wnd *defaultInstance();

    // Prepares the picture and the totals of the current mode, resets the layout, lists the
    // printers and runs the dialog modally; 1 when the run ended with 0 or 1. The run reads the
    // modes and the design through output (none: a dialog without a main window).
    int Open_Print_Wnd(OutputController *output);
    // Total, To and From and their limits: "TOT", "TO" or "A" (both, and From 1 without batch).
    void Set_Tot_Value(int value, int max, const QString &setFor);
    // Checks the job and starts it: the preview when preview is YES, else the print.
    void Execute_Printing(bool preview);
    // The print job on the page setup: a print to its printer, or the preview window on it.
    void Call_Print_Box_1(bool preview);
    // The account of a stopped job: how many labels on how many sheets went to the destination.
    static QString Stopped_Message(int labels, int sheets, const QString &destination, bool toFile);
    // A job's name in the queue and its PDF title: the design's name, else "Tagora label sheet".
    QString Job_Name() const;
    QString appName() const;
    void Refresh_Preview();
    void Set_Reset_Alignemnt_Image();

    // ---- Sheet layout ----
    // The fit of the grid to the paper from the dialog's fields; then the preview.
    void Check_Max_Cell_Value();
    // The same for an edit of the rows or columns, settled (sheetfit::Settled) and shown once.
    void Fit_Grid_Edit();
    // The fields the fit reads, of the layout in use.
    sheetfit::Fields Fit_Fields() const;
    // The most a gap may be across and down (millimetres): the room of the page in use.
    QSizeF Gap_Most() const;
    // The predefined layout's page across (its width) or down, in millimetres: what a margin stays within.
    double Product_Page_MM(bool across) const;
    // Paper, size, margins and orientation of the page setup into the dialog and the layout.
    void Set_values_From_Printer();
    static float MM_to_Points_Convert(float millimetres);
    static float Points_to_MM_Convert(float points);
    // The sheet preview and its bitmap take the page's size in points.
    void Set_Preview_Size(const QSizeF &points);

    // ---- Handlers ----
    void Manual_Label_Changed();
    void Predefined_Label_Changed();
    // The printer, orientation, vendor and product lists.
    void comboBoxSelectionDidChange(QComboBox *combo);
    void Horz_Margin_Changed(QObject *sender);
    void Vert_Margin_Changed(QObject *sender);
    void Width_Changed(QObject *sender);
    void Height_Changed(QObject *sender);
    void Row_Changed(QObject *sender);
    void Col_Changed(QObject *sender);
    void Total_Val_Changed(QObject *sender);
    void Auto_Center_Checked();
    // The nine alignment buttons: label_align_val 1 top-left ... 9 bottom-right.
    void Alignment_Clicked(int value);
    void pagesetup();
    void PreviewButtonPressed();
    void PrintButtonPressed();
    void CancelButtonPressed();
    void windowWillClose();
    void boundsDidChangeNotification();
    // The range radios, and the range box as the batch box allows.
    void All_print_RD_Clicked();
    void Sel_Print_RD_Clicked();
    void Set_Enable_Diable_Range_Box();
    // Fit-to-frame off: the grid controls back, with the values kept while it was on.
    void Normal_Printing_Is_Selected();

    // ---- Range and options ----
    void From_Stepper_Changed(QObject *sender);
    void To_Stepper_Changed(QObject *sender);
    // The user typed into a field: the total, from and to counts.
    void controlTextDidChange(QObject *control);
    // Editing a product label size ended: a size above 0 (else refused with the message of the
    // manual size, the size kept), both sizes rewritten "%.2f".
    void controlTextDidEndEditing(QObject *control);
    void Apply_unit_Chaneg_Values();
    // The batch flags and the card-record count of the design, as the batch box allows.
    void Verify_Card_Count();
    void Skip_Inavlid_Checked();
    void Print_Qty_Checked();
    void Print_With_Batch_Changed();
    void Enable_Crop_Mark_clicked();
    void Show_Margin_Checked();
    void Fit_To_Frame_clicked();
    // Fit-to-frame on: the grid kept aside, one cell without gaps, the placement locked.
    void Disable_for_fit_or_duplex();
    void Capture_Last_Values();

    // ---- Print profiles ----
    // The profile list anew from the folder, row 0 selected (which loads it). tellBad: one
    // message names the files that are no profile.
    void Load_Print_Profile(bool tellBad = false);
    void Create_Profile_List(const QString &name);
    QString Get_List_Name_Text(int row) const;
    void Make_select_on_index(int row);
    void Read_and_load_profile_info(const QString &name);
    // Writes the dialog's settings as that profile; replaces: a profile whose file goes once the
    // new one is written (an edit under a new name). Answers success.
    bool Save_Print_Profile(const QString &name, const QString &printer_sel, const QString &replaces = QString());
    // The 24 strings of the dialog's settings with that printer, the label stock in use last.
    QStringList Profile_Fields(const QString &printer_sel) const;
    // The predefined layout on that vendor's product (a custom product number under "Custom");
    // false when either is not listed or no product is named.
    bool Choose_Label_Stock(const QString &vendor, const QString &product);
    void Add_Edit_Print_Profile(const QString &mode);
    void Add_profile_btn_clicked() { Add_Edit_Print_Profile(QStringLiteral("A")); }
    void Edit_profile_btn_clicked() { Add_Edit_Print_Profile(QStringLiteral("E")); }
    void Save_profile_btn_clicked();
    void Delete_profile_btn_clicked();
    // The profile table's data source and delegate.
    int numberOfRowsInTableView(const QTableView *table) const;
    QString tableView_objectValueForTableColumn_row(const QTableView *table, const QString &column, int row) const;
    void tableView_setObjectValue_forTableColumn_row(const QTableView *table, const QString &value,
                                                     const QString &column, int row);
    void tableViewSelectionDidChange(const QTableView *table);
    // The selected profile row, -1 without one.
    int Selected_Profile_Row() const;

    // ---- Predefined layout and custom products ----
    // Reads a vendor catalogue into prod_list and appends its product numbers to the product list.
    // The page number and the flag are not used; a non-empty vendor keeps the label size out.
    void Read_XML_File(const QString &path, const QString &pageNumber, const QString &vendor, bool manualPaperNameChk);
    // The chosen product into the predefined-layout fields: a catalogue product, or with the vendor
    // "Custom" (cus_or_pre "C") a custom product.
    void Read_Selected_Product_Label_Value();
    void Refresh_And_Reload_Product_Number_Combo(const QString &selectName);
    void Save_Label_Pressed();
    void Delete_Label_Pressed();
    void Check_delete_label_buttom_status();
    // The 15 texts of the predefined-layout fields, in the order a custom product stores them.
    QStringList Predefined_Field_Texts() const;

    // Page and printer
    QComboBox *Printer_ComboBox = nullptr, *Orient_ComboBox = nullptr;
    QLabel *Paper_id = nullptr, *Size_id = nullptr;
    QLabel *l_mar_id = nullptr, *r_mar_id = nullptr, *t_mar_id = nullptr, *b_mar_id = nullptr;
    QPushButton *pagesetup_btn = nullptr;
    // Layout choice
    QRadioButton *rd_manual = nullptr, *rd_predefined = nullptr;
    QGroupBox *manual_prop_Gp_Bx = nullptr, *predefine_prop_Gp_Bx = nullptr;
    // Manual layout
    QLineEdit *width_Text = nullptr, *height_Text = nullptr, *horz_mar_Text = nullptr, *vert_mar_Text = nullptr,
              *Row_Text = nullptr, *Col_Text = nullptr;
    platform::Stepper *width_Stepper = nullptr, *height_Stepper = nullptr, *horz_mar_Stepper = nullptr,
                      *vert_mar_Stepper = nullptr, *Row_Stepper = nullptr, *Col_Stepper = nullptr;
    QCheckBox *Auto_Center_chk_bx = nullptr;
    QGroupBox *align_Gp_Bx = nullptr;
    QPushButton *top_left_btn = nullptr, *top_center_btn = nullptr, *top_rite_btn = nullptr, *mid_left_btn = nullptr,
                *mid_center_btn = nullptr, *mid_rite_btn = nullptr, *bot_left_btn = nullptr, *bot_center_btn = nullptr,
                *bot_rite_btn = nullptr;
    // Predefined layout
    QComboBox *Label_ComboBox = nullptr;
    QComboBox *Product_num_ComboBox = nullptr;
    QPushButton *save_label_btn = nullptr, *delete_label_btn = nullptr;
    QLineEdit *Col_Text_pre = nullptr, *Row_Text_pre = nullptr;
    platform::Stepper *Col_Stepper_pre = nullptr, *Row_Stepper_pre = nullptr;
    QLineEdit *left_mar_pre = nullptr, *top_mar_pre = nullptr;
    QLineEdit *horz_mar_Text_pre = nullptr, *vert_mar_Text_pre = nullptr;
    platform::Stepper *horz_mar_Stepper_pre = nullptr, *vert_mar_Stepper_pre = nullptr;
    QLineEdit *width_Text_pre = nullptr, *height_Text_pre = nullptr;
    platform::Stepper *width_Stepper_pre = nullptr, *height_Stepper_pre = nullptr;
    QLineEdit *paper_used_pre = nullptr, *orientation_pre = nullptr, *page_size_pre = nullptr,
              *page_width_pre = nullptr, *page_height_pre = nullptr, *layout_group_pre = nullptr,
              *description_pre = nullptr;
    std::vector<Product_Details> prod_list;   // item i of Product_num_ComboBox belongs to record i
    int prod_id_count = 0;                    // products read so far
    // Range and totals
    QRadioButton *All_print_rd = nullptr, *Sel_print_rd = nullptr;
    QLineEdit *from_Text = nullptr, *To_Text = nullptr, *Total_Text = nullptr;
    platform::Stepper *from_Stepper = nullptr, *To_Stepper = nullptr, *Total_Stepper = nullptr;
    QLabel *tot_label = nullptr, *from_label = nullptr, *to_label = nullptr;
    QGroupBox *export_range_box = nullptr;
    // Options
    QCheckBox *print_with_batch_chk = nullptr, *skip_inavlid_chk = nullptr, *print_qty_chk = nullptr,
              *fit_frame_chk = nullptr, *crop_mark_chk = nullptr, *Show_Margins = nullptr;
    QGroupBox *card_align_box = nullptr;
    bool auto_center_bkup = false;   // the manual layout's auto-centre while a product's grid is in use
    GapFields gapFields;   // the manual gap fields: the typed gaps, or auto-centre's
    int LAST_Row = 1, LAST_Column = 1;   // the grid kept while fit-to-frame overrides it
    float LAST_Horz_Mar = 0, LAST_Vert_Mar = 0, LAST_Side_Mar = 0;
    // Preview
    QScrollArea *Print_sclview = nullptr;
    Sample_Preview *PrintView = nullptr;
    QLabel *test_image_view = nullptr;
    // Profiles
    QTableView *List_profile = nullptr;
    QList<QMap<QString, QString>> ListData_profile;   // one row each: {"List": name}
    QStringList ListData_profile_files;                // the profile each row was listed from
    QPushButton *Add_profile_btn = nullptr, *Edit_profile_btn = nullptr, *Save_profile_btn = nullptr,
                *Delete_profile_btn = nullptr;
    // Buttons
    QPushButton *previewButton = nullptr, *printButton = nullptr, *cancelButton = nullptr;
    // The name dialog of custom products, and its name field.
    Custom_Product_Label *custom_prod_window = nullptr;
    // The naming dialog of print profiles, and its name fields.
    Add_Print_Profile *prnt_prof_wnd = nullptr;
    QLineEdit *new_profile_name = nullptr;
    QString pass_profile_name;
    QLineEdit *new_prod_label_name = nullptr;
    // The printer of the last job, for tests: null once it has ended.
    QPrinter *printOperation = nullptr;

protected:
    void closeEvent(QCloseEvent *event) override;
    void reject() override;

private:
    explicit Print_Wnd(QWidget *parent = nullptr);
    recordrange::Choice rangeChoice() const;
    // The fit written into the dialog, the layout and the preview; settle: as Fit_Grid_Edit.
    void Fit_Sheet(bool settle);
    void Load_Window();
    void Wire_Handlers();
    // The page setup's printer becomes that one, with the margins it cannot mark.
    void Use_Printer(const QString &name);
    // The page setup of the jobs replaced (the main window keeps it when there is one).
    void Store_Print_Info(const platform::PrintInfo &info);
    void Enable_Custom_Editing(bool custom);
    // The alignment buttons in order 1-9, and their plain and selected pictures.
    std::vector<QPushButton *> Alignment_Buttons() const;
    std::vector<std::pair<QIcon, QIcon>> m_alignImages;
    void Wire_Options();
    // Rows or columns as whole counts in the stepper's range, named in their messages.
    static platform::WholeRule Grid_Rule(const platform::Stepper *stepper, const QString &what);
    // The counts still being typed (range, rows, columns) taken: false when one was refused.
    bool Counts_Typing_Ended();
    ProfileListModel *m_profileModel = nullptr;
    QPointer<OutputController> m_output;   // of the last opening
};
