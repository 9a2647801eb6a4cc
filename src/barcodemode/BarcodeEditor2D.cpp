// Drawing of the 2D symbols: each leaves its module picture in image_2d, or a null picture. Also
// the two size rules that follow from a symbol's modules: the QR side by version and the DataMatrix
// width and height by format.

#include "barcodemode/BarcodeEditor.h"

#include "app/SKTWindowController.h"
#include "core/FileServices.h"
#include "core/Globals.h"
#include "core/Messages.h"
#include "barcodemode/TwoDFieldValues.h"
#include "barcodemode/TwoDSymbols.h"
#include "engines/datamatrix/DataMatrixSymbol.h"
#include "barcodemode/pdf417View.h"
#include "platform/ColorWell.h"
#include "platform/Stepper.h"
#include "barcodemode/BarcodeModeController.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include <exception>

namespace {

bool ticked(const QCheckBox *box) { return box && box->isChecked(); }

QColor wellColour(const platform::ColorWell *well, Qt::GlobalColor fallback)
{
    return well ? well->color() : QColor(fallback);
}

QString comboText(const QComboBox *combo) { return combo ? combo->currentText() : QString(); }

} // namespace

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

platform::Picture BarcodeEditor::qrFromGenerator(const QString &value, const QString &level, const QColor &bars,
                                                 const QColor &background, double size)
{
    if (Main_App_wnd)
        return Main_App_wnd->barcodeMode().Create_QR_By_CI_Filter(value, level, 0, bars, background, 1.0, size);
    return twod::qrByGenerator(value, level, bars, background, size, Type_draw_2d_flag ? 0 : int(USED_DPI_VALUE));
}

void BarcodeEditor::Draw_QR_Barcode(const QString &value)
{
    try {
        const QColor bars = wellColour(barcode_clr, Qt::black);
        const QColor background = wellColour(bar_back_clr, Qt::white);
        if (twod::usesQrGenerator(double(Get_OS_Version()))) {
            // The generator knows no transparency flag: a clear background is its light colour.
            const QColor light = ticked(transparent_bkgnd) ? QColor(Qt::transparent) : background;
            image_2d = qrFromGenerator(value, comboText(qr_ec_lvl_ComboBox), bars, light,
                                       twod::fieldDouble(HeightText_2D));
            return;
        }
        int &version = qrVersionGlobal();
        if (version == 0)
            version = -1;   // automatic from now on
        const platform::Picture symbol = twod::qrByEncoder(value, qrLevelGlobal(), version, twod::fieldInt(HeightText_2D),
                                                           bars, background, ticked(transparent_bkgnd),
                                                           Type_draw_2d_flag ? 0 : int(USED_DPI_VALUE));
        if (!symbol.isNull())
            image_2d = symbol;
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

void BarcodeEditor::Draw_PDF_417_Barcode(const QString &value)
{
    try {
        platform::Picture symbol;
        const int result = twod::pdf417Symbol(pdfBarcode(), value, twod::fieldInt(Pdf_widthText_2D),
                                              pdf_HeightStepper_2D ? pdf_HeightStepper_2D->intValue() : 0, &symbol);
        image_2d = platform::Picture();
        if (result == pdf417View::ImageReady)
            image_2d = symbol;
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

void BarcodeEditor::Draw_DataMatrix_Barcode(const QString &value)
{
    try {
        const QByteArray utf8 = value.toUtf8();
        const datamatrix::Ecc200Request request =
            twod::dataMatrixRequest(comboText(dm_format_ComboBox), comboText(dm_encoding_ComboBox), utf8);
        const datamatrix::Ecc200Result symbol = datamatrix::iec16022ecc200(utf8, request);
        if (!symbol.ok() || symbol.width == 0) {
            twod::reportDataMatrixFailure(symbol, utf8);
            Set_Blank_Image();
            return;
        }
        Create_Data_Matrix_Image(utf8, symbol.width, symbol.height, symbol.grid.data());
        if (image_2d.isNull())
            return;
        // Sized before it is raised, so that the bitmap has the output resolution at its final size.
        image_2d = twod::dataMatrixPicture(image_2d.image(), symbol.width, symbol.height, Barcode_module_size,
                                           dataMatrixBorderPoints(), Type_draw_2d_flag ? 0 : int(USED_DPI_VALUE));
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

void BarcodeEditor::Create_Data_Matrix_Image(const QByteArray &value, int W, int H, const unsigned char *grid)
{
    image_2d = platform::Picture();
    try {
        // The picture is framed on the background colour, or on nothing when it is transparent.
        const QColor beneath = ticked(transparent_bkgnd) ? QColor(Qt::transparent) : wellColour(bar_back_clr, Qt::white);
        QString error;
        const QImage image = twod::dataMatrixImage(value, W, H, grid, wellColour(barcode_clr, Qt::black), beneath, &error);
        if (image.isNull()) {
            Show_NSLog_Message(error);
            return;
        }
        image_2d = platform::Picture::fromImage(image, QSizeF(W + 2, H + 2));
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
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
