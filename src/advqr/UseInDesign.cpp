// The Advanced QR mode's "Use in Design" command.

#include "advqr/AdvQrController.h"

#include "app/SKTWindowController.h"
#include "core/Globals.h"
#include "core/Messages.h"
#include "design/DesignController.h"
#include "model/SKTGraphicView.h"

bool AdvQrController::Check_Valid_ADV_QR_Code()
{
    if (image_adv_QR.isNull()) {
        Show_MessageBox(tr("Please generate QR Code."));
        return false;
    }
    return true;
}

void AdvQrController::Use_ADV_QR_in_Design_Mode_Btn_Clicked()
{
    if (!Check_Valid_ADV_QR_Code())
        return;
    DesignController &dsg = hub.design();
    dsg.Selected_Control_Tool = 10;
    if (SKTGraphicView *canvas = dsg.Graphic_View())
        canvas->createGraphicOfClass(QStringLiteral("SKTBarcode"), std::nullopt, true, QRectF(), QStringLiteral("F"),
                                     QStringLiteral("PASS_QR"), QString());
    Not_Draw_Only_Prop_Change = false;
    hub.Designing_Mode_Select();
}
