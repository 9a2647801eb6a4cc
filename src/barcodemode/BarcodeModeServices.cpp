// Services of the Barcode mode that the window set-up, the mode switch and the event dispatch use.

#include "barcodemode/BarcodeModeController.h"


#include "core/Mode.h"
#include "core/SymbolGlobals.h"
#include "core/Units.h"
#include "barcodemode/BarcodeModeGlobals.h"
#include "core/Messages.h"
#include "engines/Symbologies.h"
#include "engines/linear/NKDBarcode.h"
#include "platform/GuiThread.h"
#include "platform/Stepper.h"
#include "platform/StepperField.h"

#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>

#include <exception>
#include <utility>


void BarcodeModeController::goButtonActionPerformed()
{
    try {
        if (Barcode_Setting_Or_Designing_Mode != 0)
            return;
        platform::runOnGuiThreadAndWait([this] { Generate_Barcode_Thread_Function(); });
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

void BarcodeModeController::Set_Linear_Value_in_Field(const QString &value)
{
    try {
        if (dataText)
            dataText->setText(value);
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

void BarcodeModeController::Set_Two_D_Value_in_Field(const QString &value)
{
    try {
        if (dataText_2D)
            dataText_2D->setPlainText(value);
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

QString BarcodeModeController::Get_Two_D_Value_From_Field() const
{
    return dataText_2D ? dataText_2D->toPlainText() : QString();
}

void BarcodeModeController::_setLabels_Barcode()
{
    if (!bar_height_label)
        return;
    if (barcodeTypePopup && Symbologies::isTwoD(barcodeTypePopup->currentText())) {
        bar_height_label->setText(tr("Bar Height :"));
        bar_width_label->setText(tr("Bar Width :"));
        return;
    }
    // The header and footer rows stand one above the other in one box: each names its band.
    if (Measument_Unit_Is_Barcode == 0) {
        bar_height_label->setText(tr("Bar Height (in):"));
        margin_box->setTitle(tr("Margins (in)"));
        hdr_mar_label->setText(tr("Header Margin (in):"));
        ftr_mar_label->setText(tr("Footer Margin (in):"));
        val_mar_label->setText(tr("Value Margin (in):"));
        TB_mar_label->setText(tr("Top and Bottom (in):"));
        LR_mar_label->setText(tr("Left and Right (in):"));
    } else if (Measument_Unit_Is_Barcode == 1) {
        bar_height_label->setText(tr("Bar Height (cm):"));
        margin_box->setTitle(tr("Margins (cm)"));
        hdr_mar_label->setText(tr("Header Margin (cm):"));
        ftr_mar_label->setText(tr("Footer Margin (cm):"));
        val_mar_label->setText(tr("Value Margin (cm):"));
        TB_mar_label->setText(tr("Top and Bottom (cm):"));
        LR_mar_label->setText(tr("Left and Right (cm):"));
    } else {
        bar_height_label->setText(tr("Bar Height (mm):"));
        margin_box->setTitle(tr("Margins (mm)"));
        hdr_mar_label->setText(tr("Header Margin (mm):"));
        ftr_mar_label->setText(tr("Footer Margin (mm):"));
        val_mar_label->setText(tr("Value Margin (mm):"));
        TB_mar_label->setText(tr("Top and Bottom (mm):"));
        LR_mar_label->setText(tr("Left and Right (mm):"));
    }
    bar_width_label->setText(tr("Bar Width (Mils):"));
}

void BarcodeModeController::OK_Unit_Change_For_Barcode()
{
    try {
        if (Barcode_Setting_Or_Designing_Mode != 0)
            return;
        Measument_Unit_Is_Barcode = design().Selected_Unit_Row();
        _setLabels_Barcode();
        const float factor = design().Get_Unit_Convertor(last_unit_val_Barcode, Measument_Unit_Is_Barcode);
        // The bar height too, whatever the symbology.
        platform::scalePairs({{val_mar_Text, val_mar_Stepper}, {hdr_mar_Text, hdr_mar_Stepper},
                              {ftr_mar_Text, ftr_mar_Stepper}, {LR_mar_Text, LR_mar_Stepper},
                              {TB_mar_Text, TB_mar_Stepper}, {HeightText, HeightStepper}},
                             factor);
        last_unit_val_Barcode = Measument_Unit_Is_Barcode;

        if (liner_or_2D_font == 1) {
            Get_2d_barcode_from_image(true);
        } else if (Check_And_Validat_Barcode(false, true)) {
            if (testBarcode)
                Set_Barcode_Height(*testBarcode);
            Get_Image_From_Barcode(testBarcode.get(), true, false);
        }
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

void BarcodeModeController::Add_Qr_Logo_Tab_Setting_Mode()
{
    try {
        if (sett_tab_barcode && sett_tab_barcode->count() == 1 && qr_logo_tab_item_sett)
            sett_tab_barcode->insertTab(1, qr_logo_tab_item_sett, qr_logo_tab_item_sett_label);
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

void BarcodeModeController::Remove_Qr_Logo_Tab_Setting_Mode()
{
    try {
        // Only the logo tab goes; no other tab is ever taken for it.
        if (sett_tab_barcode && sett_tab_barcode->count() >= 2 && qr_logo_tab_item_sett) {
            const int index = sett_tab_barcode->indexOf(qr_logo_tab_item_sett);
            if (index >= 0)
                sett_tab_barcode->removeTab(index);
        }
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

void BarcodeModeController::barcodeTwoDCaptionRefresh()
{
    setHeader(HeaderText->text());
    setFooter(FooterText->text());
    setHeaderFontSize(float(header_font.pointSizeF()));
    setFooterFontSize(float(footer_font.pointSizeF()));
    Get_2d_barcode_from_image(true);
}

void BarcodeModeController::barcodeFieldEdited(QObject *field, bool quickPreview)
{
    // A typed value is a change even when it draws no symbol (yet): it would be lost unasked.
    if (quickPreview)
        host().Set_Barcode_Mode_Save_Flag_TRUE();
    if (liner_or_2D_font == 0) {
        goButtonActionPerformed();
    } else if (field == dataText_2D) {
        if (quickPreview)
            Type_draw_2d_flag = true;   // a quick preview while typing
        goButtonActionPerformed();
    } else {
        barcodeTwoDCaptionRefresh();   // the header and footer frame the symbol already built
    }
}
