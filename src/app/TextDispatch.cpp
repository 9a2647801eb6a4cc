// Text notifications of every control in every window reach the controller here; each is decided by
// the sending field, and fields that are not the main window's own change nothing.

#include "app/SKTWindowController.h"

#include "barcodemode/BarcodeModeGlobals.h"
#include "core/Messages.h"
#include "core/Utilities.h"
#include "advqr/AdvQrController.h"
#include "projects/ProjectsController.h"
#include "barcodemode/BarcodeModeController.h"
#include "core/SymbolGlobals.h"

#include <exception>

void SKTWindowController::controlTextDidChange(QObject *F)
{
    BarcodeModeController &bm = barcodeMode();
    lastTextChangeSender = F;
    try {
        if (!F)
            return;
        if (advQr().panel().isCaptionField(F)) {
            advQr().advancedQrCaptionRefresh();
            return;
        }
        if (bm.panel().isValueField(F))
            bm.barcodeFieldEdited(F, true);
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

void SKTWindowController::controlTextDidEndEditing(QObject *F)
{
    // The only fields that act when their editing ends are the card size page's, which listen themselves.
    lastTextEndEditingSender = F;
}

void SKTWindowController::textDidChange(QObject *V)
{
    lastTextChangeSender = V;
    try {
        if (!V)
            return;
        if (advQr().panel().isCaptionField(V)) {
            advQr().advancedQrCaptionRefresh();
            return;
        }
        if (barcodeMode().panel().isTwoDValueField(V)) {
            Set_Barcode_Mode_Save_Flag_TRUE();   // typed, whether or not it draws a symbol
            Type_draw_2d_flag = true;
            barcodeMode().goButtonActionPerformed();
            return;
        }
        // The Designing mode's value editor is its source page's own.
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

void SKTWindowController::textDidEndEditing(QObject *V)
{
    BarcodeModeController &bm = barcodeMode();
    lastTextEndEditingSender = V;
    try {
        if (!V)
            return;
        if (advQr().panel().isCaptionField(V)) {
            advQr().advancedQrCaptionRefresh();
            return;
        }
        if (bm.panel().isValueField(V))
            bm.barcodeFieldEdited(V, false);   // the final symbol, raised to the output resolution
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}
