// Drawing of the 2D symbols through the generation core: each leaves its module picture in
// image_2d, or a null picture. Also
// the two size rules that follow from a symbol's modules: the QR side by version and the DataMatrix
// width and height by format.

#include "barcodemode/BarcodeEditor.h"

#include "barcodemode/GenerationCore.h"

#include "core/FileServices.h"
#include "barcodemode/BarcodeModeGlobals.h"
#include "core/Messages.h"
#include "barcodemode/TwoDFieldValues.h"
#include "barcodemode/TwoDSymbols.h"
#include "engines/datamatrix/DataMatrixSymbol.h"
#include "barcodemode/pdf417View.h"
#include "platform/Stepper.h"
#include "core/SymbolGlobals.h"

#include <QComboBox>
#include <QLineEdit>

#include <exception>

pdf417View &BarcodeEditor::pdfBarcode()
{
    if (!pdf_barcode)
        pdf_barcode = std::make_shared<pdf417View>();
    return *pdf_barcode;
}

int &BarcodeEditor::qrVersionGlobal() { return QR_Version_Val; }

int BarcodeEditor::qrLevelGlobal() const { return QR_EC_Level_Val; }

bool BarcodeEditor::qrSizePair(QLineEdit **field, platform::Stepper **stepper) const
{
    *field = HeightText_2D;
    *stepper = HeightStepper_2D;
    return true;
}

void BarcodeEditor::Draw_QR_Barcode(const QString &value)
{
    GenerationSnapshot s = generationSnapshot();
    automaticQrVersionFromNowOn(s);
    const platform::Picture symbol = barcode_generation::drawQr(s, value);
    // The encoder keeps the last symbol when it makes none.
    if (s.qrGeneratorRoute || !symbol.isNull())
        image_2d = symbol;
}

void BarcodeEditor::Draw_PDF_417_Barcode(const QString &value)
{
    image_2d = barcode_generation::drawPdf417(generationSnapshot(), value);
}

void BarcodeEditor::Draw_DataMatrix_Barcode(const QString &value)
{
    const platform::Picture symbol = barcode_generation::drawDataMatrix(generationSnapshot(), value, Barcode_module_size);
    if (symbol.isNull())
        Set_Blank_Image();
    else
        image_2d = symbol;
}

void BarcodeEditor::Check_And_Set_QR_size_Acc_Version(int version)
{
    try {
        QLineEdit *field = nullptr;
        platform::Stepper *stepper = nullptr;
        if (!qrSizePair(&field, &stepper) || !field || !stepper)
            return;
        const int minimum = twod::minimumQrSide(version);
        const int current = twod::fieldInt(field);
        stepper->setMinValue(minimum);
        if (current < minimum) {
            twod::setFieldInt(field, minimum);
            stepper->setIntValue(minimum);
        }
    } catch (const std::exception &) {
        // What was already set stays; nothing to report.
    }
}

void BarcodeEditor::data_matrix_barcode_size_acc_format()
{
    try {
        if (!dm_moduleStepper_2D || !dm_format_ComboBox || !dm_widthStepper_2D || !dm_HeightStepper_2D)
            return;
        const int m = dm_moduleStepper_2D->intValue();
        const QString format = dm_format_ComboBox->currentText();
        if (format == QLatin1String("Auto"))
            return;
        int columns = 0, rows = 0;
        datamatrix::sizeFromFormatItem(format, &columns, &rows);
        const int width = dm_widthStepper_2D->intValue();
        const int height = dm_HeightStepper_2D->intValue();
        if (width < columns * m) {
            dm_widthStepper_2D->setIntValue(columns * m);
            twod::setFieldInt(dm_widthText_2D, columns * m);
        }
        if (height < rows * m) {
            dm_HeightStepper_2D->setIntValue(rows * m);
            twod::setFieldInt(dm_HeightText_2D, rows * m);
        }
    } catch (const std::exception &e) {
        reportFailure(QString::fromUtf8(e.what()));
    }
}
