// How the Barcode mode of the main window answers the editor's questions of policy. In the
// Advanced QR mode the main window frames its QR symbol with that mode's own controls.

#include "barcodemode/BarcodeModeController.h"


#include "core/Mode.h"
#include "core/Units.h"
#include "core/Messages.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QComboBox>
#include <QRadioButton>

#include "platform/ColorWell.h"
#include "platform/StepperField.h"
#include "barcodemode/EditorPreview.h"

int BarcodeModeController::sizeUnit() const { return Measument_Unit_Is_Barcode; }

void BarcodeModeController::reportFailure(const QString &reason) const { Show_NSLog_Message(reason); }

void BarcodeModeController::pictureMade() { host().Set_Barcode_Mode_Save_Flag_TRUE(); }

QFont BarcodeModeController::roleHeaderFont() const
{
    return Barcode_Setting_Or_Designing_Mode == 2 ? advQr().ADV_QR_header_font() : header_font;
}

QFont BarcodeModeController::roleFooterFont() const
{
    return Barcode_Setting_Or_Designing_Mode == 2 ? advQr().ADV_QR_footer_font() : footer_font;
}

void BarcodeModeController::setFamilyRadios(bool linear)
{
    if (Linear_Barcode_RD)
        Linear_Barcode_RD->setChecked(linear);
    if (TwoD_Barcode_RD)
        TwoD_Barcode_RD->setChecked(!linear);
}

bool BarcodeModeController::valueBoundToSeries() const
{
    return data_source_chkbox && data_source_chkbox->isChecked() && barcode_value_chk && barcode_value_chk->isChecked() &&
           Data_Set_Sheet_RD && Data_Set_Sheet_RD->isChecked();
}

BarcodeModeController::Preview BarcodeModeController::preview()
{
    if (Barcode_Setting_Or_Designing_Mode == 2)
        return advQr().editorPreview();
    return BarcodeEditor::preview();
}

barcode_sizes::MarginInputs BarcodeModeController::twoDMarginInputs() const
{
    AdvQrBarcodeMode &qr = advQr();
    if (Barcode_Setting_Or_Designing_Mode != 2)
        return BarcodeEditor::twoDMarginInputs();
    return qr.ADV_QR_Margin_Inputs();
}

void BarcodeModeController::fillModeStyle(BarcodeSettings &s) const
{
    BarcodeEditor::fillModeStyle(s);
    if (s.mode != 2)
        return;
    // The Advanced QR mode frames its symbols with its own fonts, colours, alignments and logo.
    const AdvQrBarcodeMode &qr = advQr();
    const AdvQrSettings q = qr.settings();
    const QStringList alignments = barcode_editor_items::alignments();
    s.align_hdr = alignments.value(q.alignHeader);
    s.align_ftr = alignments.value(q.alignFooter);
    s.header_font = qr.ADV_QR_header_font();
    s.footer_font = qr.ADV_QR_footer_font();
    s.bar_hdr_clr = q.colours[0];
    s.bar_ftr_clr = q.colours[1];
    s.bar_back_clr = q.colours[3];
    s.USE_QR_LOGO = qr.ADV_QR_USE_QR_LOGO();
    s.USE_QR_LOGO_IMG = qr.ADV_QR_USE_QR_LOGO_IMG();
}
