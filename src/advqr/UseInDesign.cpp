// The Advanced QR mode's "Use in Design" command.

#include "advqr/AdvQrController.h"

#include "core/Mode.h"
#include "core/Messages.h"
#include "model/SKTGraphic.h"
#include "model/SKTGraphicView.h"
#include "platform/PictureView.h"

#include <QLabel>

bool AdvQrController::Check_Valid_ADV_QR_Code()
{
    // A symbol is shown, not the error label.
    const bool shown = QR_barcodeImage && QR_barcodeImage->hasPicture();
    const bool errorShown = ADV_QR_barcode_error_label && !ADV_QR_barcode_error_label->isHidden();
    if (!shown || errorShown) {
        Show_MessageBox(QStringLiteral("Please generate QR Code."));
        return false;
    }
    return true;
}

void AdvQrController::Use_ADV_QR_in_Design_Mode_Btn_Clicked()
{
    if (!Check_Valid_ADV_QR_Code())
        return;
    DesignAdvQr &dsg = design();
    dsg.Set_Selected_Control_Tool(10);
    if (SKTGraphicView *canvas = dsg.Graphic_View())
        canvas->createGraphicOfClass(QStringLiteral("SKTBarcode"), std::nullopt, true, QRectF(), QStringLiteral("F"),
                                     QStringLiteral("PASS_QR"), QString());
    Not_Draw_Only_Prop_Change = false;
    host().Designing_Mode_Select();
    // The new object is the selected one: the sidebar shows its page, as a click on it would.
    if (const std::shared_ptr<SKTGraphic> object = dsg.Get_Selected_Graphic())
        dsg.Show_RHS_Properties(object.get());
}
