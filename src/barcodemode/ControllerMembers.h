// This subsystem's members of SKTWindowController. Included inside the class body of
// app/SKTWindowController.h, so it holds declarations only (no include guard, no includes).
// The editor controls shared with the barcode-object window come from BarcodeEditorForm.

    // The Barcode-mode page of the window description.
    void buildBarcodeModePanel(QWidget *page);

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
    QTableWidget *List = nullptr;
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
    QList<ValueRecord> List_Barcode_Grid_Value;

    QRect ADV_QR_image_frame_rect;   // the Advanced QR preview's frame

    void goButtonActionPerformed();
    // Connects the Barcode-mode controls to their handlers (buttons, boxes, steppers and fields).
    void wireBarcodeModeControls();
#include "barcodemode/ControllerMembers_Settings.h"
#include "barcodemode/ControllerMembers_TwoD.h"
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
public:
