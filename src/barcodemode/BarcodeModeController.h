#pragma once
// The Barcode mode of the main window: its page (symbology, value, settings, preview, batch and the
// value list), the answers of the main window's barcode settings editor to the editor's questions
// of policy, and the series binding of the batch. The Advanced QR mode frames its symbols through
// this editor too.

#include "barcodemode/BarcodeEditor.h"
#include "barcodemode/BarcodeModePanel.h"
#include "barcodemode/BarcodeModeSources.h"
#include "barcodemode/BarcodeValueListHost.h"
#include "barcodemode/PrintGrid.h"
#include "io/ValueRecord.h"

#include <QList>
#include <QMap>
#include <QObject>
#include <QRect>
#include <QString>

#include <atomic>
#include <memory>
#include <mutex>

class AccessoryViewController;
class Import_Excel_Barcode;
class Import_From_Txt_File;
class QAbstractItemView;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QMenu;
class QRadioButton;
class QTableView;
class QWidget;
class Update_List_Details;
class ValueListModel;
struct BarcodeBatchSnapshot;

class BarcodeModeController : public QObject, public BarcodeEditor {
    Q_OBJECT
public:
    BarcodeModeController();
    ~BarcodeModeController() override;

    // The rest of the window, each through the interface its owner declares; handed over by the
    // hub once every controller exists, and shared with the barcode-object window.
    void useSources(std::unique_ptr<BarcodeModeSources> sources);
    BarcodeModeSources &sources() const { return *m_sources; }
    BarcodeModeHost &host() const { return *m_sources->host; }
    AdvQrBarcodeMode &advQr() const { return *m_sources->advQr; }
    DesignBarcodeMode &design() const { return *m_sources->design; }
    DataBarcodeMode &valueListWindows() const { return *m_sources->valueListWindows; }
    int prev_list_item_barcode = 0;
    QString USE_QR_LOGO_PATH;   // the logo file of the Barcode mode's QR symbol

    // A field of the Barcode mode was edited (typing when quickPreview is set, else the end of
    // editing): a new symbol, or for header and footer of a 2D symbol the one already built framed
    // anew (no new encoding).
    void barcodeFieldEdited(QObject *field, bool quickPreview);
    void barcodeTwoDCaptionRefresh();

    // The Barcode-mode page of the window description.
    void buildBarcodeModePanel(QWidget *page);
    // The page's forms, and what they show as one value.
    BarcodeModePanel &panel() { return *m_panel; }
    const BarcodeModePanel &panel() const { return *m_panel; }

    // Family radio buttons of the main window.
    QRadioButton *Linear_Barcode_RD = nullptr;
    QRadioButton *TwoD_Barcode_RD = nullptr;
    QPushButton *Use_Quick_Barcode_btn = nullptr;

    // Batch processing and series.
    QGroupBox *batch_box = nullptr;
    QCheckBox *data_source_chkbox = nullptr;
    QLineEdit *data_source_txt_box = nullptr;
    QRadioButton *Custom_Sheet_RD = nullptr;
    QRadioButton *Data_Set_Sheet_RD = nullptr;
    QGroupBox *batch_chk_Gp_Bx = nullptr;
    QCheckBox *barcode_value_chk = nullptr;
    QCheckBox *barcode_header_chk = nullptr;
    QCheckBox *barcode_footer_chk = nullptr;
    QPushButton *barcode_data_source_help_btn = nullptr;
    QPushButton *batch_help_btn = nullptr;
    QComboBox *val_combo_list = nullptr;
    QComboBox *hdr_combo_list = nullptr;
    QComboBox *ftr_combo_list = nullptr;
    QComboBox *val_combo_value = nullptr;
    QComboBox *hdr_combo_value = nullptr;
    QComboBox *ftr_combo_value = nullptr;
    QLineEdit *val_list_name_txt = nullptr;
    QLineEdit *hdr_list_name_txt = nullptr;
    QLineEdit *ftr_list_name_txt = nullptr;

    // The value list.
    QGroupBox *data_Sheet_Gp_Bx = nullptr;
    QTableView *List = nullptr;
    ValueListModel *List_Source = nullptr;   // the table's data source, a view of ListData_barcode
    QMenu *List_Menu = nullptr;              // the list's context menu: the row commands
    QLabel *tot_row_count = nullptr;
    QPushButton *add_list_btn = nullptr;
    QPushButton *delete_list_btn = nullptr;
    QPushButton *move_top_list_btn = nullptr;
    QPushButton *move_up_list_btn = nullptr;
    QPushButton *move_down_list_btn = nullptr;
    QPushButton *move_last_list_btn = nullptr;
    QPushButton *import_list_btn = nullptr;
    QPushButton *excel_list_btn = nullptr;
    QPushButton *create_list_btn = nullptr;
    QPushButton *export_list_btn = nullptr;
    QList<ValueRecord> ListData_barcode;
    PrintGrid List_Barcode_Grid_Value;   // one record per label; rebuilt by Add_Records_In_List
    bool clear_PQ_Flag = false;          // the clear commands store print quantities as given
    BarcodeValueListHost valueListHost{*this};   // the list as the series tools see it

    // The edit-row sheet, made with the page, and the main window's outlets to its fields.
    Update_List_Details *Update_List_Item_Window = nullptr;
    QLineEdit *Update_bar_value_str = nullptr;
    QLineEdit *Update_bar_hdr_str = nullptr;
    QLineEdit *Update_bar_ftr_str = nullptr;
    QLineEdit *Update_bar_pq_str = nullptr;
    QLineEdit *Update_s_indx_str = nullptr;

    // ---- Value list: records, table, selection ----
    // Adds a record by the list's rules (trimmed, print quantity 1 to 1000, no separator value) and
    // updates the count; reloads the table only when the list was empty. Answers whether a record
    // was added.
    bool Create_Item_List(const QString &value, const QString &Header_str, const QString &Footer_str,
                          const QString &PQ_str, int at_index);
    // Replaces record at_index by the rules (the print quantity kept as given while clear_PQ_Flag is
    // on). Neither count nor table is updated. Throws std::out_of_range for a row outside the list.
    void Replace_Item_List(const QString &value, const QString &Header_str, const QString &Footer_str,
                           const QString &PQ_str, int at_index);
    // The table fetches the list anew (the selection is kept where rows remain); then the buttons.
    void Reload_List();
    void Update_List_Count();
    void Mark_List_New_Selection_barcode(int row);
    void Select_First_Value_For_Barcode_Setting_Mode();
    void Select_Valid_Value_For_Barcode_Setting_Mode(int n);
    // Use_Data_Sheet_Values from the batch boxes: the data source box and one of value, header or
    // footer ticked. Output recomputes it before counting the mode's labels.
    void Check_Data_Sheet_Value_Use_or_Not_Barcode();
    // Opens the edit-row sheet on the selected record.
    void OnGetSelected();
    // The row the table reports as selected (the current row when selected, else the last selected
    // one), -1 for none; and every selected row, ascending.
    int selectedListRow() const;
    QList<int> selectedListRows() const;

    // The delegate of both tables, List and the Designing mode's Fill_List_RHS.
    void tableViewSelectionDidChange(QAbstractItemView *table);
    void doubleClickInTable(QObject *sender = nullptr);
    void doubleClick_Fil_List_RHS(QObject *sender = nullptr);

    // ---- Value list: row commands ----
    void Del_Sel_Row_Menu(QObject *sender = nullptr);
    void Delete_List_Button(QObject *sender = nullptr) { Del_Sel_Row_Menu(sender); }
    void Del_Empty_Row_Menu(QObject *sender = nullptr);
    void Del_All_Row_Menu(QObject *sender = nullptr);
    void Add_Row_Top_Menu(QObject *sender = nullptr);
    void Add_Row_Bottom_Menu(QObject *sender = nullptr);
    void Add_Row_Selection_Menu(QObject *sender = nullptr);
    void Add_List_Button(QObject *sender = nullptr) { Add_Row_Selection_Menu(sender); }
    void Clear_Bar_Value_Menu(QObject *sender = nullptr);
    void Clear_Bar_Hdr_Menu(QObject *sender = nullptr);
    void Clear_Bar_Ftr_Menu(QObject *sender = nullptr);
    void Clear_Print_Qnt_Menu(QObject *sender = nullptr);
    void Clear_All_Record_Menu(QObject *sender = nullptr);
    void Move_Top_List_Button(QObject *sender = nullptr);
    void Move_Up_List_Button(QObject *sender = nullptr);
    void Move_Down_List_Button(QObject *sender = nullptr);
    void Move_Last_List_Button(QObject *sender = nullptr);
    // Swaps records from and to through the replacement rule, reloads and selects row to.
    void Move_And_Replace_List_Item(int from, int move_to_index);
    void Change_List_Value_With_New_Selection();
    void List_Operation_Button_State();

    // ---- Binding the current batch row into the fields ----
    void bind_all();
    void Bind_Data_with_Barcode_VALUE();
    void Bind_Data_with_Barcode_HEADER();
    void Bind_Data_with_Barcode_FOOTER();

    // Sets up the table's data source, context menu, buttons and edit-row sheet (page set-up).
    void wireValueList();

    // ---- Value list: import and export ----
    // The text import's options window.
    Import_From_Txt_File *Import_TXT_File_Window = nullptr;
    Import_Excel_Barcode *imp_xl_Wnd = nullptr;   // the spreadsheet import window
    AccessoryViewController *aVC = nullptr;       // the export panel's format chooser, made on first use
    // Asks for a text, RTF or CSV file and imports it on a worker thread.
    void Import_List_Button(QObject *sender = nullptr);
    void Load_text_file_Thread(const QString &path);
    // The text import job (on the worker): the options window, then the file read by the tab or
    // CSV rule into the list under the please-wait sheet.
    void Load_text_file_Func(const QString &path);
    // Runs the options window modally (GUI thread) and keeps its result (the window keeps it in
    // Import_Error_Rerult too).
    void Open_Import_Num_Window();
    // Asks for a workbook and runs the spreadsheet import window on it.
    void Excel_List_Button(QObject *sender = nullptr);
    // Writes the list to a workbook or a tab-separated text file the user names.
    void Export_List_Button(QObject *sender = nullptr);
    // Runs the list generator, then selects the first record and binds it into the fields.
    void Create_List_Button(QObject *sender = nullptr);
    // The export's save panel; the chosen path, or "" when it was not confirmed.
    QString Export_list_method_2();
    // The spreadsheet readers' row cap (the sheet's first row and 10,000 more), with its message.
    int Check_Max_Excel_Row_Count(int rows);
    // Whether a text import job is running.
    bool textImportRunning() const { return m_textImportRunning.load(); }
    // Makes the import windows and connects the import and export buttons (page set-up).
    void wireValueListTransfers();

    void goButtonActionPerformed();
    // Connects the Barcode-mode controls to their handlers (buttons, boxes, steppers and fields).
    void wireBarcodeModeControls();
public:
    void Linear_Barcode_Select(QObject *sender);
    void TwoD_Barcode_Select(QObject *sender);
    void barcodeData_SourceChanged(QObject *sender);
    void Barcode_Back_Color_rd_clicked(QObject *sender);
    void Barcode_Back_Color_Transp_rd_clicked(QObject *sender);
    // The value font's action of the main window.
    void changeFont(const QFont &picked);

    void Header_Margin_Changed(QObject *sender) override;
    void Footer_Margin_Changed(QObject *sender) override;
    void TB_Margin_Changed(QObject *sender) override;
    void LR_Margin_Changed(QObject *sender) override;
    void heightChanged(QObject *sender) override;
    void captionChanged(QObject *sender) override;
    void hideHeaderChanged(QObject *sender) override;
    void hideFooterChanged(QObject *sender) override;
    void Header_Font_Changed(QObject *sender) override;
    void Footer_Font_Changed(QObject *sender) override;
    void header_changeFont(const QFont &picked) override;
    void footer_changeFont(const QFont &picked) override;
    void Set_Font_Clr(QObject *sender) override;

    // Connects the settings controls of the Barcode mode to their handlers.
    void wireSettingsControls();
    // Connects the Advanced QR mode's margin pairs, size pair, hide boxes, font buttons and colour
    // wells to the same handlers; to be called once that mode's controls exist.
    void wireAdvancedQrSettingsControls();

    // ---- Batch processing: manual, from the value list or from series ----
    // Lays the window out for the batch box and the radio pair: the state text, the groups, the
    // list boxes, the typed fields or the series combos, the first row, and the binding.
    void Show_Hide_Datasheet_Control();
    // An empty value list's first record: the typed value, header and footer (a field left empty
    // takes the sample's text), selected and bound; the sample record when the list refuses it.
    void Keep_Typed_As_First_Record();
    // The typed value (the 2D view for a 2D symbology), header and footer shown, the series combos
    // hidden.
    void Show_Barcode_Val_Hdr_Ftr_Txt_Box();
    void Custom_Sheet_Check(QObject *sender = nullptr);
    void Data_Set_Sheet_Check(QObject *sender = nullptr);
    void Batch_Value_Check(QObject *sender = nullptr);
    void Batch_Header_Check(QObject *sender = nullptr);
    void Batch_Footer_Check(QObject *sender = nullptr);
    // Back to manual entry when batch processing is on with none of the three list boxes ticked.
    void Check_Any_Batch_Option_IS_Selected();
    void Barcode_Data_Source_Help_Button(QObject *sender = nullptr);
    void Batch_Help_Button(QObject *sender = nullptr);
    // Refills a series name combo and keeps its series chosen (new_ser_name, when given, instead);
    // "<--Select-->" when the series is gone.
    void Refresh_Data_Set_File_Name_In_Combo(QComboBox *combo, const QString &new_ser_name);
    // The three name combos, and the Designing mode's series combo while its source is series.
    void Refresh_All_Series_Combobox();
    // Rebuilds the print grid from the batch: one record per series row, or each value-list record
    // for as many labels as its print quantity (usePQ) or once.
    void Add_Records_In_List(bool usePQ);
    // Connects the batch box's radios, list boxes and help buttons to their actions.
    void wireBatchControls();

    // ---- Batch pictures for printing, PDF export, image export and mail ----
    // The output job takes a batch snapshot on the GUI thread as it starts and releases it at its
    // end; its requests read only that snapshot, on whatever thread they run, and never touch the
    // window, its models, its preview or its save flag.
    std::shared_ptr<const BarcodeBatchSnapshot> Take_Batch_Snapshot();
    void Release_Batch_Snapshot();
    // A new snapshot of the window as it is (GUI thread), not kept.
    std::shared_ptr<const BarcodeBatchSnapshot> makeBatchSnapshot();
    // The labels to print or export as PDF, counting print quantities.
    int Get_Total_Count_With_PQ();
    // The picture of label index of the print grid, and of record index of the batch; null for a
    // record that yields none. A request on a worker thread without a job's snapshot is logged and
    // answers null; on the GUI thread it uses a new snapshot.
    platform::Picture Get_Image_From_Barcode_Grid(int index);
    platform::Picture Get_Image_From_List_Val(int index);
    // Frames the Advanced QR mode's last symbol anew with its header, footer and margins and shows
    // it; without a symbol the preview is blanked.
    void Reframe_Advanced_QR_Symbol();

protected:
    void regenerate() override { goButtonActionPerformed(); }
    void focusFontButton(QWidget *button) override;
    void valueFontAction(const QFont &picked) override { changeFont(picked); }
    // The Advanced QR mode shows its own symbol in its own preview.
    bool showsEditorPreview() const override;

private:
    // The Advanced QR branch of a margin handler: copy its pair, frame again.
    void advancedQrMarginChanged(QObject *sender, int margin);
    bool advancedQrSettingsWired = false;
public:
public:
    // The QR symbol of the value at the level ("L", "M", "Q", "H"), dark modules in the bar colour
    // and light ones in the background colour, size x size points, raised to USED_DPI_VALUE unless
    // Type_draw_2d_flag is set. version and scale have no effect. Null for an empty value or a
    // failed step (logged).
    // The Advanced QR mode draws its symbols with it.
    platform::Picture Create_QR_By_CI_Filter(const QString &value, const QString &errorCorrectionLevel, qint64 version,
                                             const QColor &barcodeColor, const QColor &backgroundColor, double scale,
                                             double barcode_size);
    // alpha << 24 | blue << 16 | green << 8 | red
    quint32 HEX_Of_NSColor_in_BGR(const QColor &colour) const;
    // red << 16 | green << 8 | blue
    quint32 HEX_Of_NSColor_in_RGB(const QColor &colour) const;

    // Connects the PDF417, DataMatrix and resolution pairs and the help buttons to their handlers.
    void wireTwoDControls();

protected:
    void regenerateTwoD() override { goButtonActionPerformed(); }
    bool qrSizePair(QLineEdit **field, platform::Stepper **stepper) const override;
public:
public:
    void Set_Linear_Value_in_Field(const QString &value);
    void Set_Two_D_Value_in_Field(const QString &value);
    QString Get_Two_D_Value_From_Field() const;
    void Fill_Combo_List_Reading_Data_List_File(int mode, const QString &seriesName, int updateDel);
    // Series of the batch: name combos, item combos kept in step, binding into the fields.
    void Fill_Data_Set_File_Name_In_Combo(QComboBox *combo);
    int Balance_Datasheet_Combo_Max_Count();
    void Combo_Selection_Change(int source);
    void Bind_Data_with_Barcode_VALUE_For_Series();
    void Bind_Data_with_Barcode_HEADER_For_Series();
    void Bind_Data_with_Barcode_FOOTER_For_Series();
    void set_list_value_to_text_box();
    bool combo_sel = false;   // Combo_Selection_Change is running

    void _setLabels_Barcode();
    void Add_Qr_Logo_Tab_Setting_Mode();
    void Remove_Qr_Logo_Tab_Setting_Mode();

    // ---- Units ----
    // Barcode mode only: the unit chosen in the units window becomes the mode's unit; the labels,
    // the five margins and the bar height follow, and the preview is drawn again.
    void OK_Unit_Change_For_Barcode();

    // The Barcode mode's answers to the editor's questions of policy.
protected:
    int sizeUnit() const override;
    void reportFailure(const QString &reason) const override;
    void pictureMade() override;
    void fillModeStyle(BarcodeSettings &settings) const override;
    Preview preview() override;
    barcode_sizes::MarginInputs twoDMarginInputs() const override;
    QFont roleHeaderFont() const override;
    QFont roleFooterFont() const override;
    void setFamilyRadios(bool linear) override;
    bool valueBoundToSeries() const override;
    void addQrLogoTab() override { Add_Qr_Logo_Tab_Setting_Mode(); }
    void removeQrLogoTab() override { Remove_Qr_Logo_Tab_Setting_Mode(); }
private:
    BarcodeModePanel *m_panel = nullptr;   // a child of this controller
    std::unique_ptr<BarcodeModeSources> m_sources;
    // The output job's batch snapshot, or a new one on the GUI thread; null (logged) on a worker
    // without one.
    std::shared_ptr<const BarcodeBatchSnapshot> requestSnapshot(const char *request);
    bool seriesLaidOut = false;   // the last batch layout was for series (the radio actions compare)
    mutable std::mutex batchSnapshotMutex;
    std::shared_ptr<const BarcodeBatchSnapshot> jobBatchSnapshot;

    // Value list helpers.
    bool listReloading = false;   // a reload restores the selection: no delegate call for it
    std::atomic<bool> m_textImportRunning{false};
    int m_textImportResult = 0;   // the options window's last result: 1 after OK
    // "List is empty." and the focus to the table, when it is; answers whether it was.
    bool listEmptyNotice();
    // The clear commands: asks the question, then replaces every record through the replacement
    // rule with the fields edit() gives, under the please-wait sheet.
    void clearEveryRecord(const QString &question, bool keepPQ, void (*edit)(ValueRecord &));
    // The move to the top or the bottom: the copy is made by the creation rule first; the old row
    // goes only when the copy was made.
    void moveSelectedTo(bool top);

public:
    // ---- Placing the symbol on the card ----
    // "Use in Design": a valid symbol becomes a barcode object of the card with this mode's
    // settings, and the window turns to the Designing mode.
    void Use_Quick_Barcode_in_Design_Mode_Btn_Clicked();
};
