#pragma once
// The Advanced QR mode of the main window: the type bar, the input panels, the payload, the preview
// and the symbol settings. The symbol is framed through the Barcode mode's editor.

#include "advqr/AdvQrPanel.h"
#include "advqr/AdvQrSources.h"
#include "advqr/QrTypeMemory.h"
#include "platform/Picture.h"

#include <QImage>
#include <QList>
#include <QString>

#include <memory>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;
class QWidget;
class QrPanelBase;
class Qr_Text_View_Panel;
class Qr_Sms_View_Panel;
class Qr_Email_View_Panel;
class Qr_Event_View_Panel;
class Qr_Wifi_View_Panel;
class Qr_Social_View_Panel;
class Qr_Location_View_Panel;
class Qr_vCard_View_Panel;
class Qr_Zoom_View_Panel;
class Qr_UPI_View_Panel;
class Qr_Bitcoin_Crypto_View_Panel;
namespace platform {
class ColorWell;
class PictureView;
class Stepper;
}

// The readable summary of the payload last built by the main window (handed to the Designing mode
// with the symbol).
extern QString SEL_QR_DISPLAY_VALUE;

#include <QFont>
#include <QObject>
#include <QRect>

class AdvQrController : public QObject {
    Q_OBJECT
public:
    AdvQrController();
    ~AdvQrController() override;

    // The rest of the window, each through the interface its owner declares; handed over by the
    // hub once every controller exists.
    void useSources(std::unique_ptr<AdvQrSources> sources);
    AdvQrHost &host() const { return *m_sources->host; }
    BarcodeModeAdvQr &barcodeMode() const { return *m_sources->barcode; }
    DesignAdvQr &design() const { return *m_sources->design; }
    // The main window's mode, for the windows made on first use (null without a main window).
    static AdvQrController *current();
    // The settings column as one value, and what the rest of the window asks of it.
    AdvQrPanel &panel() { return *m_panel; }
    const AdvQrPanel &panel() const { return *m_panel; }

    QFont ADV_QR_header_font;
    QFont ADV_QR_footer_font;
    QRect ADV_QR_image_frame_rect;   // the preview's frame
    bool ADV_QR_Var_loading = false;   // a type switch is under way

    // The header and footer frame the symbol already built again (no new encoding).
    void advancedQrCaptionRefresh();
    platform::Picture Get_ADV_QR_barcode_from_image(bool draw);

    // ---- Units ----
    // Advanced QR mode only: the unit chosen in the units window becomes the mode's unit; the four
    // margins and their labels follow, and the code is framed again.
    void OK_Unit_Change_For_ADV_QR();
    // The four margin labels in the mode's unit.
    void Set_ADV_QR_Margin_Labels();

public:
    // Builds the Advanced QR mode's controls on its mode tab page.
    void buildAdvancedQrPanel(QWidget *page);

    // Type button: the chosen title, its heading and its input panel.
    void QR_Text_Clicked(const QString &title);
    // Shows the input panel of the chosen type, configured for the type, and rebuilds the payload.
    void Show_Hide_QR_Type_Panel();
    // The payload and its summary from the panel fields of the chosen type.
    void Assign_QR_Value_Text_Acc_Type();
    // Stores the trimmed payload and draws it.
    void Set_Adv_Qr_Final_value(const QString &payload);
    QString Get_Adv_QR_Final_Str_Value() const;
    // Regenerates the symbol, only in Advanced QR mode and while no form is loading.
    void DRAW_ADV_QR_With_All_Init();
    void Generate_Adv_QR_Thread_Function();
    // The symbol of the payload with its header and footer: an empty payload shows the error label
    // and the blank preview; otherwise the bare symbol is drawn and framed (shown when draw is set).
    void Generate_ADV_QR_Variable(bool draw, const QString &value, const QString &header, const QString &footer,
                                  bool fromBatch);
    // The bare symbol into image_adv_QR (null when it cannot be made).
    void Draw_ADV_QR_Barcode_With_QREncoder(const QString &value);
    // The symbol framed with the header, footer, margins and logo; shown in the preview when draw
    // is set. Null when there is no symbol or the picture would be too large.
    platform::Picture Get_Image_From_ADV_QR_image(const platform::Picture &image, bool draw);
    // Every input of the mode's generation, copied from its controls now.
    GenerationSnapshot ADV_QR_Generation_Snapshot() const;
    // The four margins as typed, in the mode's unit, with the hidden bands.
    barcode_sizes::MarginInputs ADV_QR_Margin_Inputs() const;
    // The transparent box: the background well is disabled while it is on; then the symbol again.
    void ADV_QR_transp_bg_Checked();

    // ---- Per-type memory ----
    // The remembered inputs of the selected type back into the shared panel fields.
    void Load_Last_AQR_Values();
    // The shared panel fields into the memory of the selected type; nothing during a type switch.
    void Save_Last_AQR_Values();
    QrTypeMemory AQR_Memory;

    // ---- Commands ----
    // Asks, then puts every setting, the type, the panels and the memory back to their defaults.
    void ADV_QR_Reset_All_Clicked();
    // Every input panel to its start state (the background well enabled).
    void Reset_All_ADV_QR_Fields();
    // The framed symbol as PDF on the clipboard and in "QrCode.pdf" of the private temporary folder.
    void Copy_QR_Code_Clicked();
    // The logo box of the Barcode mode (0) or of this mode (2): on or off, then framed again.
    void Use_Logo_Chk_Clicked();
    // A logo chosen in the image library for the Barcode mode (0) or this mode (2).
    void Use_Browse_Logo_Btn_Clicked();
    // The input panel of the selected type back into this mode's input area (after the payload
    // editor borrowed it).
    void Take_Back_Type_Panel();
    // The shown panel out of this mode's input area into the holder, so that the payload editor
    // can show it (the area holds no panel meanwhile).
    void Release_Type_Panel();
    // The panel that holds the fields of a type title, nullptr for an unknown title.
    QrPanelBase *QR_Panel_For_Type(const QString &title) const;

    // Type bar and input area
    QList<QPushButton *> QR_Type_Buttons;
    QLineEdit *Selected_Qr_Category = nullptr;
    QLabel *Sel_Qr_Type_Label = nullptr;
    QScrollArea *QR_Input_sclview = nullptr;
    QWidget *QR_Panel_Holder = nullptr;   // keeps the panels that are not shown
    Qr_Text_View_Panel *Qr_Text = nullptr;
    Qr_Sms_View_Panel *Qr_SMS = nullptr;
    Qr_Email_View_Panel *Qr_Email = nullptr;
    Qr_Event_View_Panel *Qr_Event = nullptr;
    Qr_Wifi_View_Panel *Qr_Wifi = nullptr;
    Qr_Social_View_Panel *Qr_Social = nullptr;
    Qr_Location_View_Panel *Qr_Location = nullptr;
    Qr_vCard_View_Panel *Qr_vCard = nullptr;
    Qr_Zoom_View_Panel *Qr_Zoom = nullptr;
    Qr_UPI_View_Panel *Qr_UPI = nullptr;
    Qr_Bitcoin_Crypto_View_Panel *Qr_Bitcoin = nullptr;
    QPlainTextEdit *adv_qr_final_value = nullptr;
    // The payload exactly as stored: the view normalises line breaks, and "\r\n" is part of some
    // payloads.
    QString ADV_QR_Final_Payload;
    // Why the fields of the last build make no symbol (a latitude or an amount that is no number);
    // empty when they do.
    QString ADV_QR_Fields_Refused;

    // Preview
    QScrollArea *QR_image_scroll = nullptr;
    platform::PictureView *QR_barcodeImage = nullptr;
    QLabel *ADV_QR_barcode_error_label = nullptr;
    platform::Picture image_adv_QR;   // the bare symbol of the last generation

    // Header and footer
    QCheckBox *ADV_QR_hideHeaderCheckbox = nullptr, *ADV_QR_hideFooterCheckbox = nullptr;
    QGroupBox *ADV_QR_hdr_box = nullptr, *ADV_QR_ftr_box = nullptr;
    QLineEdit *ADV_QR_HeaderText = nullptr, *ADV_QR_FooterText = nullptr;
    QPushButton *ADV_QR_hdr_font_btn = nullptr, *ADV_QR_ftr_font_btn = nullptr;
    QLineEdit *ADV_QR_header_font_value = nullptr, *ADV_QR_footer_font_value = nullptr;
    QComboBox *ADV_QR_align_hdr_combo = nullptr, *ADV_QR_align_ftr_combo = nullptr;
    platform::ColorWell *ADV_QR_bar_hdr_clr = nullptr, *ADV_QR_bar_ftr_clr = nullptr;

    // Symbol
    platform::ColorWell *ADV_QR_barcode_clr = nullptr, *ADV_QR_back_bg_clr = nullptr;
    QCheckBox *ADV_QR_transp_bg_chk = nullptr;
    QLineEdit *ADV_QR_HeightText_2D = nullptr;
    platform::Stepper *ADV_QR_HeightStepper_2D = nullptr;
    QComboBox *ADV_QR_enc_mode_ComboBox = nullptr, *ADV_QR_version_ComboBox = nullptr, *ADV_QR_ec_lvl_ComboBox = nullptr;

    // Margins (in the Advanced QR unit)
    QLineEdit *ADV_QR_hdr_mar_Text = nullptr, *ADV_QR_ftr_mar_Text = nullptr, *ADV_QR_TB_mar_Text = nullptr,
              *ADV_QR_LR_mar_Text = nullptr;
    platform::Stepper *ADV_QR_hdr_mar_Stepper = nullptr, *ADV_QR_ftr_mar_Stepper = nullptr,
                      *ADV_QR_TB_mar_Stepper = nullptr, *ADV_QR_LR_mar_Stepper = nullptr;
    QLabel *ADV_QR_hdr_mar_lbl = nullptr, *ADV_QR_ftr_mar_lbl = nullptr, *ADV_QR_TB_mar_lbl = nullptr,
           *ADV_QR_LR_mar_lbl = nullptr;

    // Logo
    QCheckBox *ADV_QR_Use_Logo_chk = nullptr;
    QGroupBox *ADV_QR_Use_logo_box = nullptr;
    QPlainTextEdit *ADV_QR_Use_logo_path = nullptr;
    platform::PictureView *ADV_QR_Use_Logo_Image_View = nullptr;
    QPushButton *ADV_QR_logo_browse_btn = nullptr;
    bool ADV_QR_USE_QR_LOGO = false;
    QString ADV_QR_USE_QR_LOGO_PATH;
    QImage ADV_QR_USE_QR_LOGO_IMG;

    // Commands
    QPushButton *ADV_QR_Reset_btn = nullptr, *Copy_QR_Code_btn = nullptr, *Use_ADV_QR_in_Design_btn = nullptr;

private:
    void Show_QR_Panel(QWidget *panel);
    AdvQrPanel *m_panel = nullptr;   // a child of this controller
    std::unique_ptr<AdvQrSources> m_sources;

signals:
    // A symbol was encoded (once per generation).
    void symbolEncoded();

public:
    // ---- Placing the QR code on the card ----
    // Whether a QR symbol exists; "Please generate QR Code." when none does.
    bool Check_Valid_ADV_QR_Code();
    // "Use in Design": the QR code becomes a barcode object of the card with this mode's settings,
    // and the window turns to the Designing mode.
    void Use_ADV_QR_in_Design_Mode_Btn_Clicked();
};
