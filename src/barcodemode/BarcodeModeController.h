#pragma once
// The Barcode mode of the main window: its page (symbology, value, settings, preview, batch and the
// value list), the answers of the main window's barcode settings editor to the editor's questions
// of policy, and the series binding of the batch. The Advanced QR mode frames its symbols through
// this editor too.

#include "barcodemode/BarcodeEditor.h"

#include <QList>
#include <QMap>
#include <QObject>
#include <QRect>
#include <QString>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableWidget;
class QWidget;
class SKTWindowController;

// One record of the value list: "Value", "Header", "Footer" and "PQ" (print quantity).
using ValueRecord = QMap<QString, QString>;

class BarcodeModeController : public QObject, public BarcodeEditor {
    Q_OBJECT
public:
    explicit BarcodeModeController(SKTWindowController &hub);
    ~BarcodeModeController() override;

    SKTWindowController &hub;
    int prev_list_item_barcode = 0;

    // A field of the Barcode mode was edited (typing when quickPreview is set, else the end of
    // editing): a new symbol, or for header and footer of a 2D symbol the one already built framed
    // anew (no new encoding).
    void barcodeFieldEdited(QObject *field, bool quickPreview);
    void barcodeTwoDCaptionRefresh();

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

    // The layout of the manual and batch states that the batch check box switches between: the
    // state text, the enabled groups, the list boxes and the typed fields. The value list and the
    // series fill in their own rows and bindings here.
    void Layout_Data_Source_State();

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
    void advancedQrMarginChanged(QObject *sender, platform::Stepper *stepper, QLineEdit *field);
    bool advancedQrSettingsWired = false;
public:
public:
    // The QR symbol of the value at the level ("L", "M", "Q", "H"), dark modules in the bar colour
    // and light ones in the background colour, size x size points, raised to USED_DPI_VALUE unless
    // Type_draw_2d_flag is set. version and scale have no effect. Null for an empty value or a
    // failed step (logged).
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
};
