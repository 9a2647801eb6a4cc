// The Barcode mode's "Use in Design" command.

#include "barcodemode/BarcodeModeController.h"

#include "core/Mode.h"
#include "model/SKTGraphicView.h"

void BarcodeModeController::Use_Quick_Barcode_in_Design_Mode_Btn_Clicked()
{
    if (!Check_And_Validat_Barcode(true, true))
        return;
    DesignBarcodeMode &dsg = design();
    dsg.Set_Selected_Control_Tool(10);
    if (SKTGraphicView *canvas = dsg.Graphic_View())
        canvas->createGraphicOfClass(QStringLiteral("SKTBarcode"), std::nullopt, true, QRectF(), QStringLiteral("F"),
                                     QStringLiteral("PASS_BAR"), QString());
    Not_Draw_Only_Prop_Change = false;
    host().Designing_Mode_Select();
}
