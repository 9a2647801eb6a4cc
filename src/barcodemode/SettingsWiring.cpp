// Connects the settings controls to their handlers. Only the user's actions reach them: the
// symbology pop-up's activation, clicks on boxes, radios and buttons, steps of a stepper, the end
// of editing of a field and a colour chosen in a well; filling the controls from code sends nothing.

#include "barcodemode/BarcodeModeController.h"


#include "platform/ColorWell.h"
#include "platform/Stepper.h"
#include "platform/StepperField.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

template <typename Handler>
void onClick(QAbstractButton *button, BarcodeModeController *c, Handler handler)
{
    if (button)
        QObject::connect(button, &QAbstractButton::clicked, c, [c, button, handler] { (c->*handler)(button); });
}

template <typename Handler>
void onPair(platform::Stepper *stepper, QLineEdit *field, BarcodeModeController *c, Handler handler)
{
    platform::connectPair(stepper, field, c, [c, handler](QObject *sender) { (c->*handler)(sender); });
}

void onColour(platform::ColorWell *well, BarcodeModeController *c)
{
    if (well)
        QObject::connect(well, &platform::ColorWell::colorChanged, c, [c, well] { c->Header_Color_Changed(well); });
}

} // namespace

void BarcodeModeController::wireSettingsControls()
{
    using C = BarcodeModeController;
    if (barcodeTypePopup) {
        QComboBox *popup = barcodeTypePopup;
        QObject::connect(popup, &QComboBox::activated, this, [this, popup] { barcodeTypeChanged(popup); });
    }
    onClick(Linear_Barcode_RD, this, &C::Linear_Barcode_Select);
    onClick(TwoD_Barcode_RD, this, &C::TwoD_Barcode_Select);

    onPair(val_mar_Stepper, val_mar_Text, this, &C::Value_Margin_Changed);
    onPair(hdr_mar_Stepper, hdr_mar_Text, this, &C::Header_Margin_Changed);
    onPair(ftr_mar_Stepper, ftr_mar_Text, this, &C::Footer_Margin_Changed);
    onPair(TB_mar_Stepper, TB_mar_Text, this, &C::TB_Margin_Changed);
    onPair(LR_mar_Stepper, LR_mar_Text, this, &C::LR_Margin_Changed);
    onPair(HeightStepper, HeightText, this, &C::heightChanged);
    onPair(HeightStepper_2D, HeightText_2D, this, &C::heightChanged);
    onPair(widthStepper, widthText, this, &C::widthChanged);
    onPair(Pdf_widthStepper_2D, Pdf_widthText_2D, this, &C::widthChanged);
    onPair(pdf_HeightStepper_2D, pdf_HeightText_2D, this, &C::pdf_heightChanged);

    onClick(captionCheckbox, this, &C::captionChanged);
    onClick(showinTopCheckbox, this, &C::showinTopChanged);
    onClick(hideHeaderCheckbox, this, &C::hideHeaderChanged);
    onClick(hideFooterCheckbox, this, &C::hideFooterChanged);
    onClick(data_source_chkbox, this, &C::barcodeData_SourceChanged);

    onClick(val_font_btn, this, &C::Value_Font_Changed);
    onClick(hdr_font_btn, this, &C::Header_Font_Changed);
    onClick(ftr_font_btn, this, &C::Footer_Font_Changed);

    for (platform::ColorWell *well : {barcode_clr, bar_back_clr, bar_val_clr, bar_hdr_clr, bar_ftr_clr})
        onColour(well, this);

    // The QR logo's box and browse button are the window's, shared with the Advanced QR mode.
    if (Use_Logo_chk)
        QObject::connect(Use_Logo_chk, &QCheckBox::clicked, this, [this] { advQr().Use_Logo_Chk_Clicked(); });
    if (Use_browse_logo_btn)
        QObject::connect(Use_browse_logo_btn, &QPushButton::clicked, this,
                         [this] { advQr().Use_Browse_Logo_Btn_Clicked(); });
    onClick(brcd_bk_clr_rd, this, &C::Barcode_Back_Color_rd_clicked);
    onClick(brcd_bk_clr_trnsp_rd, this, &C::Barcode_Back_Color_Transp_rd_clicked);
    onClick(transparent_bkgnd, this, &C::Transparent_Bkngd_Clicked);
}

void BarcodeModeController::wireAdvancedQrSettingsControls()
{
    if (advancedQrSettingsWired)
        return;
    using Control = AdvQrBarcodeMode::EditorControl;
    advancedQrSettingsWired = advQr().wireToEditor(this, [this](Control control, QObject *sender) {
        switch (control) {
        case Control::HeaderMargin: Header_Margin_Changed(sender); break;
        case Control::FooterMargin: Footer_Margin_Changed(sender); break;
        case Control::TopBottomMargin: TB_Margin_Changed(sender); break;
        case Control::LeftRightMargin: LR_Margin_Changed(sender); break;
        case Control::Side: heightChanged(sender); break;
        case Control::HideHeader: hideHeaderChanged(sender); break;
        case Control::HideFooter: hideFooterChanged(sender); break;
        case Control::HeaderFont: Header_Font_Changed(sender); break;
        case Control::FooterFont: Footer_Font_Changed(sender); break;
        case Control::Colour: Header_Color_Changed(sender); break;
        }
    });
}
