// Handlers of the 2D settings pairs (PDF417 rows, columns and level; DataMatrix width, height and
// module size; the custom resolution) and the resolution choice.

#include "barcodemode/BarcodeEditor.h"

#include "barcodemode/TwoDFieldValues.h"
#include "barcodemode/pdf417View.h"
#include "platform/Stepper.h"
#include "platform/StepperField.h"

#include <QComboBox>
#include <QLineEdit>

#include <algorithm>
#include <exception>

using platform::PairFormat;

void BarcodeEditor::PDF_Row_Changed(QObject *sender)
{
    try {
        if (takePair(sender, pdf_row_Stepper, pdf_row_Text, PairFormat::Integer, QStringLiteral("row count"), {}))
            regenerateTwoD();
    } catch (const std::exception &) {
        // The PDF417 pairs fail silently.
    }
}

void BarcodeEditor::PDF_Col_Changed(QObject *sender)
{
    try {
        if (takePair(sender, pdf_col_Stepper, pdf_col_Text, PairFormat::Integer, QStringLiteral("column count"), {}))
            regenerateTwoD();
    } catch (const std::exception &) {
    }
}

void BarcodeEditor::PDF_EC_Lvl_Changed(QObject *sender)
{
    try {
        if (!takePair(sender, pdf_ec_lvl_Stepper, pdf_ec_lvl_Text, PairFormat::Integer,
                      QStringLiteral("error correction level"), {}))
            return;
        if (pdf_ec_lvl_Stepper)
            pdfBarcode().setErrorLevel(pdf_ec_lvl_Stepper->intValue());
        regenerateTwoD();
    } catch (const std::exception &) {
    }
}

void BarcodeEditor::dm_widthChanged(QObject *sender)
{
    try {
        if (takePair(sender, dm_widthStepper_2D, dm_widthText_2D, PairFormat::Integer, QStringLiteral("DataMatrix width"),
                     QStringLiteral("pt")))
            regenerateTwoD();
    } catch (const std::exception &e) {
        reportFailure(QString::fromUtf8(e.what()));
    }
}

void BarcodeEditor::dm_heightChanged(QObject *sender)
{
    try {
        if (takePair(sender, dm_HeightStepper_2D, dm_HeightText_2D, PairFormat::Integer,
                     QStringLiteral("DataMatrix height"), QStringLiteral("pt")))
            regenerateTwoD();
    } catch (const std::exception &e) {
        reportFailure(QString::fromUtf8(e.what()));
    }
}

void BarcodeEditor::dm_modulesizeChanged(QObject *sender)
{
    try {
        if (!takePair(sender, dm_moduleStepper_2D, dm_moduleText_2D, PairFormat::Integer, QStringLiteral("module size"),
                      QStringLiteral("pt")))
            return;
        // A click on the stepper applies the format's size rule; a typed size only redraws.
        if (sender == dm_moduleStepper_2D)
            data_matrix_barcode_size_acc_format();
        regenerateTwoD();
    } catch (const std::exception &e) {
        reportFailure(QString::fromUtf8(e.what()));
    }
}

void BarcodeEditor::DPI_Value_Changed(QObject *sender)
{
    try {
        if (!dpi_Text || !dpi_Stepper)
            return;
        // A typed resolution counts like a stepped one.
        if (!takePair(sender, dpi_Stepper, dpi_Text, PairFormat::Integer, QStringLiteral("resolution"),
                      QStringLiteral("dpi")))
            return;
        setOutputResolution(dpi_Stepper->intValue());
    } catch (const std::exception &e) {
        reportFailure(QString::fromUtf8(e.what()));
    }
}

void BarcodeEditor::Resolution_Choice_Changed()
{
    try {
        if (!DPI_ComboBox)
            return;
        const QString item = DPI_ComboBox->currentText();
        const bool custom = item == QLatin1String("Custom");
        if (dpi_Stepper)
            dpi_Stepper->setVisible(custom);
        if (dpi_Text)
            dpi_Text->setVisible(custom);
        if (custom) {
            // A resolution of 0 or less would make empty bitmaps: the stepper's minimum holds.
            if (dpi_Stepper)
                setOutputResolution(std::max(int(dpi_Stepper->minValue()), std::max(1, dpi_Stepper->intValue())));
        } else if (item == QLatin1String("Auto")) {
            setOutputResolution(600);
        } else if (const int dpi = twod::leadingInt(item); dpi > 0) {
            setOutputResolution(dpi);
        }
    } catch (const std::exception &e) {
        reportFailure(QString::fromUtf8(e.what()));
    }
}
