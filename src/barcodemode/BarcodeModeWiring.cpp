// The Barcode mode's controls and their handlers. Buttons, check boxes and steppers report only
// the user's actions, as the window description's actions do.

#include "barcodemode/BarcodeModeController.h"


#include <QPushButton>

void BarcodeModeController::wireBarcodeModeControls()
{
    QObject::connect(encode_btn, &QPushButton::clicked, this, [this] { goButtonActionPerformed(); });
    QObject::connect(Use_Quick_Barcode_btn, &QPushButton::clicked, this,
                     &BarcodeModeController::Use_Quick_Barcode_in_Design_Mode_Btn_Clicked);
    wireTwoDControls();
    wireSettingsControls();
    wireBatchControls();
}
