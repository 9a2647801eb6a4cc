#pragma once
// The barcode-object window: the modal properties dialog of one barcode object on the card, and
// the renderer of barcode objects from their stored settings. It carries its own copy of the
// barcode settings editor (the Barcode mode's controls and handlers) and answers the editor's
// questions of policy in its own way: millimetres, failures shown in a message box, DataMatrix
// pictures of their modules alone, a resolution of its own that leaves the Barcode mode's alone.
//
// A render drives no control: Set_Barcode_Prop_To_Control turns the object's fields into a
// generation snapshot (barcode_objects::snapshotOfObject) and Get_Image_From_Val renders it. Only
// Open_Wnd fills the controls, and the preview it then shows is the same picture.

#include "barcodemode/BarcodeEditor.h"
#include "barcodemode/BarcodeModeSources.h"
#include "barcodemode/BarcodeObjectSnapshot.h"
#include "barcodemode/GenerationSnapshot.h"

#include <QImage>
#include <QObject>
#include <QString>

#include <memory>

class QCheckBox;
class QComboBox;
class QDialog;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QWidget;
class SKTGraphic;

class Barcode_Gen : public QObject, public BarcodeEditor {
    Q_OBJECT
public:
    // init: registers the default instance; margins 0.1, the three fonts the text-control font at
    // 10 points. The window and its controls are made by awakeFromNib.
    // sources: the Barcode mode's, which the window shares (the hub, the design, the payload
    // editor).
    explicit Barcode_Gen(BarcodeModeSources &sources);
    ~Barcode_Gen() override;
    // The instance registered by init (nullptr before one exists).
    static Barcode_Gen *defaultInstance();

    BarcodeModeSources &sources;
    BarcodeModeHost &host() const { return *sources.host; }
    DesignBarcodeMode &design() const { return *sources.design; }
    AdvQrBarcodeMode &advQr() const { return *sources.advQr; }

    // Builds the window from its forms and sets the start-up defaults.
    void awakeFromNib();

    // ---- The window ----
    QDialog *window = nullptr;
    QLabel *sel_barcode_label = nullptr;
    QLabel *bar_val_label = nullptr;
    QLabel *_imageCreatedLbl = nullptr;
    QLabel *barHeightLabel = nullptr;
    QLabel *barWidthLabel = nullptr;
    QTabWidget *sett_tab = nullptr;
    QWidget *font_tab_item = nullptr;
    QPushButton *OK_Btn = nullptr;
    QPushButton *Cancel_Btn = nullptr;
    // Data source and the three binding rows.
    QComboBox *Data_source_type = nullptr;
    QComboBox *Batch_Series = nullptr;
    QComboBox *hdr_combo_list = nullptr;
    QComboBox *ftr_combo_list = nullptr;
    QCheckBox *use_value_series_chk = nullptr;
    QCheckBox *use_hdr_series_chk = nullptr;
    QCheckBox *use_ftr_series_chk = nullptr;
    QPushButton *view_series_btn = nullptr;
    QPushButton *view_hdr_series_btn = nullptr;
    QPushButton *view_ftr_series_btn = nullptr;
    QLabel *data_source_label = nullptr;
    QPushButton *batch_help_btn = nullptr;
    // The QR payload of the QR edition.
    platform::PictureView *Sel_Qr_type_IMG = nullptr;
    QLabel *Sel_Qr_type_TEXT = nullptr;
    QPushButton *Edit_Qr_Code_Val_BTN = nullptr;
    QPlainTextEdit *AQR_Display_Text_View = nullptr;
    QWidget *AQR_Display_scl_v = nullptr;   // the display view's scroll view (the view itself here)

    // ---- State ----
    // The working copy of the object loaded last; the binding handlers and OK write into it.
    std::shared_ptr<SKTGraphic> pass_barcode_control;
    QString USE_QR_LOGO_PATH;
    // The QR encoding mode, version (-1 or 0 automatic, 1-40) and error-correction level as indexes
    // of the window's combos: its combo delegate writes them, its QR drawing reads them.
    int DES_QR_Enc_Mode_Val = 0;
    int DES_QR_Version_Val = 0;
    int DES_QR_EC_Level_Val = 0;
    // Set while a change of the data source refills the binding combos, whose selections are then
    // not taken for the user's.
    bool data_source_change = false;

    // ---- The dialog and the renders ----
    // Loads the object, runs the dialog; the edited working copy on OK, nullptr on Cancel (then the
    // object passed in becomes the canvas's current object again).
    std::shared_ptr<SKTGraphic> Open_Wnd(const std::shared_ptr<SKTGraphic> &object);
    // Loads the object's settings for the next render: the working copy, the QR logo (read from
    // its file with only_assign, else through the logo cache) and the generation snapshot. Fills no
    // control and generates nothing; the window's unit becomes millimetres.
    void Set_Barcode_Prop_To_Control(const SKTGraphic &object, bool only_assign);
    // The picture of the object loaded last with the value, header and footer; null when the
    // symbology refuses the value (or nothing was loaded).
    platform::Picture Get_Image_From_Val(const QString &value, const QString &header, const QString &footer);
    // The snapshot the last load made.
    const GenerationSnapshot &renderSnapshot() const { return m_renderSnapshot; }
    // What the window holds that objects do not store (GUI thread).
    ObjectRenderState objectRenderState() const;
    // The resolution of the window's own choice.
    int windowResolution() const { return m_dpi; }

    // OK: the checks, then the end of the run with 1; a failed check keeps the dialog open.
    void OK_Btn_Clicked(QObject *sender = nullptr);
    // Cancel: the run ends with 0.
    void Cancel_Btn_Clicked(QObject *sender = nullptr);

    // ---- Generation and the settings controls ----
    // Regenerates and shows the preview; nothing while controls are being filled.
    void goButtonActionPerformed();
    // The unit labels of the linear sizes and margins (linear family only).
    void _setLabels();
    // The value font's action.
    void BAR_VAL_changeFont(const QFont &picked);
    void Set_Two_D_Value_in_Field(const QString &value);
    QString Get_Two_D_Value_From_Field() const;
    QString Get_QR_Barcode_Display_Val() const;
    // Text events of every control of the application; only the window's value, header, footer and
    // 2D value are handled.
    void controlTextDidChange(QObject *sender);
    void textDidChange(QObject *view);
    void textDidEndEditing(QObject *sender);
    // The QR logo tab: inserted third when the tab view holds two tabs, removed when it holds three.
    void Add_Qr_Logo_Tab_Setting_Mode();
    void Remove_Qr_Logo_Tab_Setting_Mode();

    // ---- Data sources ----
    // The delegate of every combo box of the window.
    void comboBoxSelectionDidChange(QComboBox *combo);
    void Enable_Disable_Series_Control(bool on);
    void Show_Hide_Series_Control(bool hide);
    void View_batch_Series_Button(QObject *sender = nullptr);
    void View_Hedaer_Series_Button(QObject *sender = nullptr);
    void View_Footer_Series_Button(QObject *sender = nullptr);
    void Use_Value_Series_Chk(QObject *sender = nullptr);
    void Use_Hedaer_Series_Chk(QObject *sender = nullptr);
    void Use_Footer_Series_Chk(QObject *sender = nullptr);
    void Refresh_batch_combos();
    void Batch_Help_Button(QObject *sender = nullptr);

    // ---- QR logo and payload ----
    // Shows the path, reads and scales the logo when the file exists (else none).
    void Load_Logo_Image(const QString &path);
    void Use_Logo_Chk_Clicked(QObject *sender = nullptr);
    void Use_Browse_Logo_Btn_Clicked(QObject *sender = nullptr);
    // The picture of a QR payload category (textQR.png for an unknown title); null when missing.
    QImage Get_Qr_Cat_Image_Acc_to_Category(const QString &title) const;
    // Hands the payload to the QR payload editor and takes its answer into the window.
    void Edit_Adv_QR_Value_Clicked(QObject *sender = nullptr);

protected:
    // The window's answers to the editor's questions of policy.
    int sizeUnit() const override;
    void reportFailure(const QString &reason) const override;
    void fillModeStyle(BarcodeSettings &settings) const override;
    void previewPictureComing() override;
    bool valueAcceptedByWindow() const override;
    int outputResolution() const override { return m_dpi; }
    void setOutputResolution(int dpi) override { m_dpi = dpi; }
    void linearModelMade(const GenerationSnapshot &s) override { set_Fill_transparent(s.transparent); }
    PaneRules paneRules() const override;
    QWidget *payloadView() const override;
    int dataMatrixBorderPoints() const override { return 0; }
    int &qrVersionGlobal() override;
    int qrLevelGlobal() const override;
    void regenerate() override { goButtonActionPerformed(); }
    void regenerateTwoD() override { goButtonActionPerformed(); }
    bool reframeAfterRegenerate() const override { return false; }
    void beforeFamilySwitch(const QString &title) override;
    void afterFamilySwitch() override { _setLabels(); }
    void emptyValueOnSymbologyChange() override;
    void valueFontAction(const QFont &picked) override { BAR_VAL_changeFont(picked); }
    void backgroundChosen(bool transparent) override;

private:
    // Set-up of the forms and the connections of the controls.
    void buildWindow();
    void wireControls();
    // Open_Wnd's load of the object into the controls, in the load's order.
    void loadIntoControls(const SKTGraphic &object);
    void loadBinding(const SKTGraphic &object);
    // OK's write-back into the working copy, in the order of the object's barcode fields.
    void writeBack(SKTGraphic &copy) const;
    void writeBinding(SKTGraphic &copy) const;
    // The OK checks; true when the run may end.
    bool okChecksPass();
    // The logo of a load, into the window's logo state, without touching a control.
    void loadLogoState(const SKTGraphic &object, bool only_assign);
    // Selects an item from code: the delegate runs as on the user's choice (also when the item was
    // already selected, so that a load always ends in the same state).
    void selectFromCode(QComboBox *combo, int index);
    // The delegate's branches.
    void dataSourceChanged();
    void bindingRowChosen(QComboBox *combo);
    void twoDChoiceChanged(QComboBox *combo);
    void linearChoiceChanged(QComboBox *combo);
    // The row's box handler, combo, box and field.
    enum class Row { Value, Header, Footer };
    void seriesBoxChanged(Row row, bool regenerateAfter);
    void viewRow(QComboBox *combo);
    // The title of the chosen data source; empty when none is chosen.
    QString dataSourceTitle() const;
    void endRun(int code);

    GenerationSnapshot m_renderSnapshot;
    int m_dpi = 600;            // the resolution of the window's choice
    bool m_runEnded = false;    // OK or Cancel ended the modal run
    int m_runResult = 0;
};
