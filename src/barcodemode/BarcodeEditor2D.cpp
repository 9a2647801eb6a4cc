// Drawing of the 2D symbols: each leaves its module picture in image_2d, or a null picture.

#include "barcodemode/BarcodeEditor.h"

#include "app/core/Globals.h"
#include "app/core/ImageServices.h"
#include "engines/pdf417/pdf417View.h"
#include "engines/qr/QrGenerator.h"
#include "platform/ColorWell.h"
#include "platform/Stepper.h"

#include <QComboBox>

void BarcodeEditor::Draw_QR_Barcode(const QString &value)
{
    const QString level = qr_ec_lvl_ComboBox && qr_ec_lvl_ComboBox->currentIndex() >= 0 ? qr_ec_lvl_ComboBox->currentText()
                                                                                         : QStringLiteral("L");
    const double side = HeightStepper_2D ? HeightStepper_2D->doubleValue() : 60;
    const QColor bars = barcode_clr ? barcode_clr->color() : QColor(Qt::black);
    const QColor back = bar_back_clr ? bar_back_clr->color() : QColor(Qt::white);
    platform::Picture symbol = qr::generateQrPicture(value.toUtf8(), level, bars, back, side);
    if (!symbol.isNull() && !Type_draw_2d_flag)
        symbol = Increase_DPI(symbol, USED_DPI_VALUE);
    image_2d = symbol;
}

void BarcodeEditor::Draw_PDF_417_Barcode(const QString &value)
{
    pdf417View view;
    if (pdf_ec_lvl_Stepper)
        view.setErrorLevel(pdf_ec_lvl_Stepper->intValue());
    view.drawWithText(value);
    image_2d = view.getImage();
}

void BarcodeEditor::Draw_DataMatrix_Barcode(const QString &)
{
    image_2d = platform::Picture();
}
