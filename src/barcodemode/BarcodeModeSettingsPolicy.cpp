// The main window's rules for the settings handlers: the Barcode mode acts on its own controls, the
// Designing mode leaves them alone where the handler asks for the mode, and the Advanced QR mode
// serves its own margin pairs, size pair, hide boxes and fonts with the same handlers.

#include "barcodemode/BarcodeModeController.h"


#include "core/Mode.h"
#include "core/Messages.h"
#include "core/Utilities.h"
#include "platform/ColorWell.h"
#include "platform/PictureView.h"
#include "platform/Stepper.h"
#include "platform/StepperField.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include <exception>

using platform::PairFormat;

namespace {

QString failureText(const std::exception &e) { return QString::fromUtf8(e.what()); }

} // namespace

// ---- Family radios and the batch check box ----

void BarcodeModeController::Linear_Barcode_Select(QObject *)
{
    try {
        Liner_Barcode_Opt_Select();
        if (dataText)
            dataText->setFocus();
        goButtonActionPerformed();
    } catch (const std::exception &e) {
        Show_NSLog_Message(failureText(e));
    }
}

void BarcodeModeController::TwoD_Barcode_Select(QObject *)
{
    try {
        two_d_barcode_Opt_Select();
        goButtonActionPerformed();
    } catch (const std::exception &e) {
        Show_NSLog_Message(failureText(e));
    }
}

void BarcodeModeController::barcodeData_SourceChanged(QObject *)
{
    try {
        Show_Hide_Datasheet_Control();
        goButtonActionPerformed();
    } catch (const std::exception &e) {
        Show_NSLog_Message(failureText(e));
    }
}

// ---- Margins, sizes and print flags by working mode ----

void BarcodeModeController::advancedQrMarginChanged(QObject *sender, int margin)
{
    if (advQr().copyMarginPair(sender, AdvQrBarcodeMode::Margin(margin)))
        Reframe_Advanced_QR_Symbol();
}

void BarcodeModeController::Header_Margin_Changed(QObject *sender)
{
    try {
        if (Barcode_Setting_Or_Designing_Mode == 0)
            BarcodeEditor::Header_Margin_Changed(sender);
        else if (Barcode_Setting_Or_Designing_Mode == 2)
            advancedQrMarginChanged(sender, int(AdvQrBarcodeMode::Margin::Header));
    } catch (const std::exception &e) {
        reportFailure(failureText(e));
    }
}

void BarcodeModeController::Footer_Margin_Changed(QObject *sender)
{
    try {
        if (Barcode_Setting_Or_Designing_Mode == 0)
            BarcodeEditor::Footer_Margin_Changed(sender);
        else if (Barcode_Setting_Or_Designing_Mode == 2)
            advancedQrMarginChanged(sender, int(AdvQrBarcodeMode::Margin::Footer));
    } catch (const std::exception &e) {
        reportFailure(failureText(e));
    }
}

void BarcodeModeController::TB_Margin_Changed(QObject *sender)
{
    try {
        if (Barcode_Setting_Or_Designing_Mode == 0)
            BarcodeEditor::TB_Margin_Changed(sender);
        else if (Barcode_Setting_Or_Designing_Mode == 2)
            advancedQrMarginChanged(sender, int(AdvQrBarcodeMode::Margin::TopBottom));
    } catch (const std::exception &e) {
        reportFailure(failureText(e));
    }
}

void BarcodeModeController::LR_Margin_Changed(QObject *sender)
{
    try {
        if (Barcode_Setting_Or_Designing_Mode == 0)
            BarcodeEditor::LR_Margin_Changed(sender);
        else if (Barcode_Setting_Or_Designing_Mode == 2)
            advancedQrMarginChanged(sender, int(AdvQrBarcodeMode::Margin::LeftRight));
    } catch (const std::exception &e) {
        reportFailure(failureText(e));
    }
}

void BarcodeModeController::heightChanged(QObject *sender)
{
    try {
        if (Barcode_Setting_Or_Designing_Mode == 2) {
            if (advQr().copySidePair(sender))
                advQr().DRAW_ADV_QR_With_All_Init();
        } else {
            BarcodeEditor::heightChanged(sender);
        }
    } catch (const std::exception &e) {
        reportFailure(failureText(e));
    }
}

void BarcodeModeController::captionChanged(QObject *sender)
{
    if (Barcode_Setting_Or_Designing_Mode == 0)
        BarcodeEditor::captionChanged(sender);
}

void BarcodeModeController::hideHeaderChanged(QObject *sender)
{
    try {
        if (Barcode_Setting_Or_Designing_Mode != 2) {
            BarcodeEditor::hideHeaderChanged(sender);
            return;
        }
        const bool printed = advQr().printsHeader();
        setPrintsHeader(printed);
        advQr().enableHeaderBox(printed);
        Reframe_Advanced_QR_Symbol();
    } catch (const std::exception &e) {
        reportFailure(failureText(e));
    }
}

void BarcodeModeController::hideFooterChanged(QObject *sender)
{
    try {
        if (Barcode_Setting_Or_Designing_Mode != 2) {
            BarcodeEditor::hideFooterChanged(sender);
            return;
        }
        const bool printed = advQr().printsFooter();
        setPrintsFooter(printed);
        advQr().enableFooterBox(printed);
        Reframe_Advanced_QR_Symbol();
    } catch (const std::exception &e) {
        reportFailure(failureText(e));
    }
}

bool BarcodeModeController::showsEditorPreview() const { return Barcode_Setting_Or_Designing_Mode != 2; }

void BarcodeModeController::Reframe_Advanced_QR_Symbol()
{
    if (Barcode_Setting_Or_Designing_Mode == 2)
        advQr().Get_ADV_QR_barcode_from_image(true);
}

// ---- Fonts ----

void BarcodeModeController::focusFontButton(QWidget *button)
{
    if (button)
        button->setFocus();
}

void BarcodeModeController::changeFont(const QFont &picked) { applyValueFont(picked); }

void BarcodeModeController::Header_Font_Changed(QObject *sender)
{
    try {
        if (Barcode_Setting_Or_Designing_Mode == 0) {
            BarcodeEditor::Header_Font_Changed(sender);
        } else if (Barcode_Setting_Or_Designing_Mode == 2) {
            advQr().focusHeaderFontButton();
            chooseBandFont(FontBand::Header, advQr().ADV_QR_header_font());
        }
    } catch (const std::exception &e) {
        reportFailure(failureText(e));
    }
}

void BarcodeModeController::Footer_Font_Changed(QObject *sender)
{
    try {
        if (Barcode_Setting_Or_Designing_Mode == 0)
            BarcodeEditor::Footer_Font_Changed(sender);
        else if (Barcode_Setting_Or_Designing_Mode == 2)
            chooseBandFont(FontBand::Footer, advQr().ADV_QR_footer_font());
    } catch (const std::exception &e) {
        reportFailure(failureText(e));
    }
}

void BarcodeModeController::header_changeFont(const QFont &picked)
{
    AdvQrBarcodeMode &qr = advQr();
    if (Barcode_Setting_Or_Designing_Mode != 2) {
        BarcodeEditor::header_changeFont(picked);
        return;
    }
    try {
        qr.setHeaderFont(picked);
        setHeaderFontSize(float(qr.ADV_QR_header_font().pointSizeF()));
        Reframe_Advanced_QR_Symbol();
    } catch (const std::exception &e) {
        Show_NSLog_Message(failureText(e));
    }
}

void BarcodeModeController::footer_changeFont(const QFont &picked)
{
    AdvQrBarcodeMode &qr = advQr();
    if (Barcode_Setting_Or_Designing_Mode != 2) {
        BarcodeEditor::footer_changeFont(picked);
        return;
    }
    try {
        qr.setFooterFont(picked);
        setFooterFontSize(float(qr.ADV_QR_footer_font().pointSizeF()));
        Reframe_Advanced_QR_Symbol();
    } catch (const std::exception &e) {
        Show_NSLog_Message(failureText(e));
    }
}

// ---- Colours and background ----

void BarcodeModeController::Set_Font_Clr(QObject *sender)
{
    try {
        if (Barcode_Setting_Or_Designing_Mode == 2)
            advQr().DRAW_ADV_QR_With_All_Init();
        else
            BarcodeEditor::Set_Font_Clr(sender);
    } catch (const std::exception &e) {
        reportFailure(failureText(e));
    }
}

void BarcodeModeController::Barcode_Back_Color_rd_clicked(QObject *)
{
    try {
        if (transparent_bkgnd)
            transparent_bkgnd->setChecked(false);
        if (brcd_bk_clr_rd)
            brcd_bk_clr_rd->setChecked(true);
        if (brcd_bk_clr_trnsp_rd)
            brcd_bk_clr_trnsp_rd->setChecked(false);
        if (bar_back_clr) {
            bar_back_clr->setEnabled(true);
            bar_back_clr->setColor(Qt::white);
        }
        Set_Font_Clr(nullptr);
        Transparent_Bkngd_Clicked(nullptr);
    } catch (const std::exception &e) {
        reportFailure(failureText(e));
    }
}

void BarcodeModeController::Barcode_Back_Color_Transp_rd_clicked(QObject *)
{
    try {
        if (transparent_bkgnd)
            transparent_bkgnd->setChecked(true);
        if (brcd_bk_clr_rd)
            brcd_bk_clr_rd->setChecked(false);
        if (brcd_bk_clr_trnsp_rd)
            brcd_bk_clr_trnsp_rd->setChecked(true);
        if (bar_back_clr) {
            bar_back_clr->setEnabled(false);
            bar_back_clr->setColor(Qt::white);
        }
        Set_Font_Clr(nullptr);
        Transparent_Bkngd_Clicked(nullptr);
    } catch (const std::exception &e) {
        reportFailure(failureText(e));
    }
}
