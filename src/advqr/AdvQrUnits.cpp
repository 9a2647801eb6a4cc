// The Advanced QR mode's unit: its four margin labels and the conversion of the margin fields when
// the user chooses another unit.

#include "advqr/AdvQrController.h"

#include "core/Mode.h"
#include "core/Units.h"
#include "core/Messages.h"
#include "platform/Stepper.h"
#include "platform/StepperField.h"

#include <QLabel>
#include <QLineEdit>

#include <exception>
#include <utility>

void AdvQrController::Set_ADV_QR_Margin_Labels()
{
    QString topBottom = tr("Top and Bottom Margin (mm):");
    QString leftRight = tr("Left and Right Margin (mm):");
    QString band = tr("Margin (mm):");
    if (Measument_Unit_Is_Adv_QR == 0) {
        topBottom = tr("Top and Bottom Margin (in):");
        leftRight = tr("Left and Right Margin (in):");
        band = tr("Margin (in):");
    } else if (Measument_Unit_Is_Adv_QR == 1) {
        topBottom = tr("Top and Bottom Margin (cm):");
        leftRight = tr("Left and Right Margin (cm):");
        band = tr("Margin (cm):");
    }
    if (ADV_QR_TB_mar_lbl)
        ADV_QR_TB_mar_lbl->setText(topBottom);
    if (ADV_QR_LR_mar_lbl)
        ADV_QR_LR_mar_lbl->setText(leftRight);
    for (QLabel *l : {ADV_QR_hdr_mar_lbl, ADV_QR_ftr_mar_lbl})
        if (l)
            l->setText(band);
}

void AdvQrController::OK_Unit_Change_For_ADV_QR()
{
    try {
        if (Barcode_Setting_Or_Designing_Mode != 2)
            return;
        Measument_Unit_Is_Adv_QR = design().Selected_Unit_Row();
        Set_ADV_QR_Margin_Labels();
        const float factor = design().Get_Unit_Convertor(last_unit_val_Adv_QR, Measument_Unit_Is_Adv_QR);
        platform::scalePairs({{ADV_QR_hdr_mar_Text, ADV_QR_hdr_mar_Stepper},
                              {ADV_QR_ftr_mar_Text, ADV_QR_ftr_mar_Stepper},
                              {ADV_QR_LR_mar_Text, ADV_QR_LR_mar_Stepper},
                              {ADV_QR_TB_mar_Text, ADV_QR_TB_mar_Stepper}},
                             factor);
        last_unit_val_Adv_QR = Measument_Unit_Is_Adv_QR;
        Get_ADV_QR_barcode_from_image(true);
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}
