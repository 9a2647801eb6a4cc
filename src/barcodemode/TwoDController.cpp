// The main window's share of the 2D symbols: the QR generator route, the colour packings, the
// QR size pair of each mode and the wiring of the 2D settings controls.

#include "barcodemode/BarcodeModeController.h"


#include "core/Mode.h"
#include "core/SymbolGlobals.h"
#include "barcodemode/BarcodeModeGlobals.h"
#include "core/Messages.h"
#include "barcodemode/TwoDSymbols.h"
#include "platform/Stepper.h"
#include "platform/StepperField.h"

#include <QLineEdit>
#include <QPushButton>

#include <exception>

platform::Picture BarcodeModeController::Create_QR_By_CI_Filter(const QString &value, const QString &errorCorrectionLevel,
                                                              qint64 version, const QColor &barcodeColor,
                                                              const QColor &backgroundColor, double scale,
                                                              double barcode_size)
{
    Q_UNUSED(version);
    Q_UNUSED(scale);
    try {
        // A quick preview is not raised, but shown at the size the output resolution gives it.
        const bool quick = Type_draw_2d_flag;
        const platform::Picture picture = twod::qrByGenerator(value, errorCorrectionLevel, barcodeColor, backgroundColor,
                                                              barcode_size, quick ? 0 : int(USED_DPI_VALUE));
        return quick ? picture.shownAsOutputAt(USED_DPI_VALUE) : picture;
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
        return {};
    }
}

quint32 BarcodeModeController::HEX_Of_NSColor_in_BGR(const QColor &colour) const { return twod::packBGR(colour); }

quint32 BarcodeModeController::HEX_Of_NSColor_in_RGB(const QColor &colour) const { return twod::packRGB(colour); }

bool BarcodeModeController::qrSizePair(QLineEdit **field, platform::Stepper **stepper) const
{
    switch (Barcode_Setting_Or_Designing_Mode) {
    case 0:
        return BarcodeEditor::qrSizePair(field, stepper);
    case 2:
        advQr().sidePair(field, stepper);
        return true;
    default:
        return false;   // the Designing mode has no QR size pair in this window
    }
}

void BarcodeModeController::wireTwoDControls()
{
    using Handler = void (BarcodeEditor::*)(QObject *);
    // A pair reports which half changed: a click on the stepper, or the end of editing in the field.
    auto pair = [this](QLineEdit *field, platform::Stepper *stepper, Handler handler) {
        platform::connectPair(stepper, field, this, [this, handler](QObject *sender) { (this->*handler)(sender); });
    };
    pair(pdf_row_Text, pdf_row_Stepper, &BarcodeEditor::PDF_Row_Changed);
    pair(pdf_col_Text, pdf_col_Stepper, &BarcodeEditor::PDF_Col_Changed);
    pair(pdf_ec_lvl_Text, pdf_ec_lvl_Stepper, &BarcodeEditor::PDF_EC_Lvl_Changed);
    pair(dm_widthText_2D, dm_widthStepper_2D, &BarcodeEditor::dm_widthChanged);
    pair(dm_HeightText_2D, dm_HeightStepper_2D, &BarcodeEditor::dm_heightChanged);
    pair(dm_moduleText_2D, dm_moduleStepper_2D, &BarcodeEditor::dm_modulesizeChanged);
    pair(dpi_Text, dpi_Stepper, &BarcodeEditor::DPI_Value_Changed);

    auto help = [this](QPushButton *button, Handler handler) {
        if (button)
            QObject::connect(button, &QPushButton::clicked, this, [this, button, handler] { (this->*handler)(button); });
    };
    help(qr_version_help_btn, &BarcodeEditor::QR_Version_Help_Btn);
    help(qr_ec_lvl_help_btn, &BarcodeEditor::QR_EC_Lvl_Help_Btn);
    help(pdf_row_help_btn, &BarcodeEditor::PDF_row_Help_btn);
    help(pdf_col_help_btn, &BarcodeEditor::PDF_col_Help_btn);
    help(pdf_ec_lvl_help_btn, &BarcodeEditor::PDF_ec_lvl_Help_btn);
    help(dm_format_help_btn, &BarcodeEditor::DM_format_Help_btn);
    help(dm_encoding_help_btn, &BarcodeEditor::DM_Encoding_Help_btn);
    help(dpi_help_btn, &BarcodeEditor::DPI_Help_Label);
}
