// Where an edit of a QR input panel lands: the panels are shared by the Advanced QR mode and the
// payload editor, so one call decides.

#include "app/SKTWindowController.h"

#include "advqr/AdvQrController.h"
#include "advqr/Edit_ADV_QR_Type.h"
#include "barcodemode/BarcodeModeGlobals.h"
#include "core/Messages.h"
#include "core/SymbolGlobals.h"

#include <exception>

void SKTWindowController::Set_Qr_Type_Value_Main_Or_Barcode_Wnd()
{
    try {
        if (QR_Val_Edit) {
            if (EDIT_QR_var)
                EDIT_QR_var->Assign_QR_Value_Text_Acc_Type();
        } else {
            advQr().Assign_QR_Value_Text_Acc_Type();
        }
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}
