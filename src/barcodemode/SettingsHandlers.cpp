// The settings handlers of the barcode editor: symbology choice, the stepper and field pairs of
// sizes and margins, the print-flag boxes, and the three levels of refresh they end in.

#include "barcodemode/BarcodeEditor.h"

#include "core/Messages.h"
#include "engines/Symbologies.h"
#include "engines/linear/NKDBarcode.h"
#include "platform/Stepper.h"
#include "platform/StepperField.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>

#include <exception>

using platform::PairFormat;

namespace {

bool ticked(const QCheckBox *box) { return box && box->isChecked(); }

// The symbologies whose caption digits are placed by the standard, so kerning has no say.
bool fixedCaptionSpacing(const QString &title)
{
    return title == QLatin1String("UPCE") || title == QLatin1String("UPCA") || title == QLatin1String("EAN-8") ||
           title == QLatin1String("EAN-13");
}

} // namespace

QString BarcodeEditor::chosenSymbologyTitle() const
{
    if (!barcodeTypePopup || barcodeTypePopup->currentIndex() < 0)
        return QString();
    return Symbologies::titleAt(Symbologies::indexOfDisplayed(barcodeTypePopup->currentText()));
}

void BarcodeEditor::barcodeTypeChanged(QObject *)
{
    try {
        const QString title = chosenSymbologyTitle();
        beforeFamilySwitch(title);
        if (Symbologies::isTwoD(title)) {
            if (dataText_2D) {
                dataText_2D->horizontalScrollBar()->setValue(dataText_2D->horizontalScrollBar()->minimum());
                dataText_2D->verticalScrollBar()->setValue(dataText_2D->verticalScrollBar()->minimum());
            }
            liner_or_2D_font = 1;
            two_d_barcode_Opt_Select();
        } else {
            liner_or_2D_font = 0;
            Liner_Barcode_Opt_Select();
        }
        afterFamilySwitch();

        QString value;
        if (liner_or_2D_font == 0) {
            value = dataText ? dataText->text() : QString();
            for (QWidget *w : std::initializer_list<QWidget *>{
                     HeightStepper, HeightText, widthStepper, widthText, captionCheckbox, hideHeaderCheckbox,
                     hideFooterCheckbox, FooterText, val_mar_Text, hdr_mar_Text, ftr_mar_Text, val_mar_Stepper,
                     hdr_mar_Stepper, ftr_mar_Stepper, align_hdr_combo, align_ftr_combo, showinTopCheckbox,
                     kerning_value_Checkbox})
                if (w)
                    w->setEnabled(true);
        } else {
            value = dataText_2D ? dataText_2D->toPlainText() : QString();
        }
        if (value.isEmpty()) {
            emptyValueOnSymbologyChange();
            Set_Blank_Image();
            return;
        }
        if (fixedCaptionSpacing(title) && kerning_value_Checkbox)
            kerning_value_Checkbox->setEnabled(false);
        try {
            regenerate();
        } catch (const std::exception &e) {
            Show_NSLog_Message(QString::fromUtf8(e.what()));
        }
    } catch (const std::exception &e) {
        reportFailure(QString::fromUtf8(e.what()));
    }
}

bool BarcodeEditor::takePair(QObject *sender, platform::Stepper *stepper, QLineEdit *field, PairFormat format,
                             const QString &what, const QString &unit)
{
    const QString refused = platform::copyPairRefusing(sender, stepper, field, format, {what, unit});
    if (!refused.isEmpty())
        Show_MessageBox(refused);
    return refused.isEmpty();
}

bool BarcodeEditor::takeLength(QObject *sender, platform::Stepper *stepper, QLineEdit *field, const QString &what)
{
    return takePair(sender, stepper, field, PairFormat::Real, what, platform::unitName(sizeUnit()));
}

// A margin pair that re-lays a linear symbol or re-frames a 2D one.
void BarcodeEditor::marginPairChanged(QObject *sender, platform::Stepper *stepper, QLineEdit *field, const QString &what)
{
    try {
        if (!takeLength(sender, stepper, field, what))
            return;
        if (liner_or_2D_font == 0)
            relayoutLinear();
        else
            reframe2D();
    } catch (const std::exception &e) {
        reportFailure(QString::fromUtf8(e.what()));
    }
}

void BarcodeEditor::Value_Margin_Changed(QObject *sender)
{
    try {
        if (!takeLength(sender, val_mar_Stepper, val_mar_Text, QStringLiteral("value margin")))
            return;
        if (liner_or_2D_font == 0)
            relayoutLinear();
    } catch (const std::exception &e) {
        reportFailure(QString::fromUtf8(e.what()));
    }
}

void BarcodeEditor::Header_Margin_Changed(QObject *sender)
{
    marginPairChanged(sender, hdr_mar_Stepper, hdr_mar_Text, QStringLiteral("header margin"));
}

void BarcodeEditor::Footer_Margin_Changed(QObject *sender)
{
    marginPairChanged(sender, ftr_mar_Stepper, ftr_mar_Text, QStringLiteral("footer margin"));
}

void BarcodeEditor::TB_Margin_Changed(QObject *sender)
{
    marginPairChanged(sender, TB_mar_Stepper, TB_mar_Text, QStringLiteral("top and bottom margin"));
}

void BarcodeEditor::LR_Margin_Changed(QObject *sender)
{
    try {
        if (!takeLength(sender, LR_mar_Stepper, LR_mar_Text, QStringLiteral("left and right margin")))
            return;
        if (liner_or_2D_font == 0)
            rewidthLinear();
        else
            reframe2D();
    } catch (const std::exception &e) {
        reportFailure(QString::fromUtf8(e.what()));
    }
}

void BarcodeEditor::heightChanged(QObject *sender)
{
    try {
        if (liner_or_2D_font == 0) {
            if (takeLength(sender, HeightStepper, HeightText, QStringLiteral("bar height")))
                relayoutLinear();
        } else if (takePair(sender, HeightStepper_2D, HeightText_2D, PairFormat::Integer, QStringLiteral("QR code size"),
                            QStringLiteral("pt"))) {
            regenerate();
        }
    } catch (const std::exception &e) {
        reportFailure(QString::fromUtf8(e.what()));
    }
}

void BarcodeEditor::widthChanged(QObject *sender)
{
    try {
        if (liner_or_2D_font == 0) {
            if (takePair(sender, widthStepper, widthText, PairFormat::Real, QStringLiteral("bar width"),
                         QStringLiteral("mils")))
                rewidthLinear();
        } else if (takePair(sender, Pdf_widthStepper_2D, Pdf_widthText_2D, PairFormat::Integer,
                            QStringLiteral("PDF417 width"), QStringLiteral("pt"))) {
            regenerate();
        }
    } catch (const std::exception &e) {
        reportFailure(QString::fromUtf8(e.what()));
    }
}

void BarcodeEditor::pdf_heightChanged(QObject *sender)
{
    try {
        if (takePair(sender, pdf_HeightStepper_2D, pdf_HeightText_2D, PairFormat::Integer,
                     QStringLiteral("PDF417 height"), QStringLiteral("pt")))
            regenerate();
    } catch (const std::exception &e) {
        reportFailure(QString::fromUtf8(e.what()));
    }
}

void BarcodeEditor::captionChanged(QObject *)
{
    try {
        if (liner_or_2D_font == 0) {
            // The print state also enables the value-on-top box exactly when the value is printed.
            const bool printed = Get_Print_State() != 0;
            if (testBarcode) {
                testBarcode->setPrintsCaption(printed);
                relayoutLinear();
            }
        } else {
            reframe2D();
        }
    } catch (const std::exception &e) {
        reportFailure(QString::fromUtf8(e.what()));
    }
}

void BarcodeEditor::showinTopChanged(QObject *)
{
    try {
        if (liner_or_2D_font != 0 || !testBarcode)
            return;
        testBarcode->setPrintsCaption(!ticked(captionCheckbox));
        relayoutLinear();
    } catch (const std::exception &e) {
        reportFailure(QString::fromUtf8(e.what()));
    }
}

void BarcodeEditor::hideHeaderChanged(QObject *)
{
    try {
        const bool printed = !ticked(hideHeaderCheckbox);
        if (liner_or_2D_font == 0) {
            if (testBarcode) {
                testBarcode->setPrintsHeader(printed);
                relayoutLinear();
            }
        } else {
            setPrintsHeader(printed);
            reframe2D();
        }
    } catch (const std::exception &e) {
        reportFailure(QString::fromUtf8(e.what()));
    }
}

void BarcodeEditor::hideFooterChanged(QObject *)
{
    try {
        const bool printed = !ticked(hideFooterCheckbox);
        if (liner_or_2D_font == 0) {
            if (testBarcode) {
                testBarcode->setPrintsFooter(printed);
                relayoutLinear();
            }
        } else {
            setPrintsFooter(printed);
            reframe2D();
        }
    } catch (const std::exception &e) {
        reportFailure(QString::fromUtf8(e.what()));
    }
}

void BarcodeEditor::refreshModelSettings()
{
    if (testBarcode)
        testBarcode->setSettings(currentRenderSettings());
}

void BarcodeEditor::relayoutLinear()
{
    if (!testBarcode)
        return;
    refreshModelSettings();   // band metrics are measured with the current fonts
    Set_Barcode_Height(*testBarcode);
    // The picture's width follows the texts it must hold: a header or footer that is shown again or
    // set in a larger font would otherwise be cut at the picture's edges.
    testBarcode->calculateWidth();
    testBarcode->setWidth(Set_Linear_Barcode_Width(*testBarcode));
    refreshModelSettings();   // now with the margins in points
    if (showsEditorPreview())
        Get_Image_From_Barcode(testBarcode.get(), true, false);
}

void BarcodeEditor::rewidthLinear()
{
    if (!testBarcode)
        return;
    const float mils = widthStepper ? float(widthStepper->doubleValue()) : 0.0f;
    testBarcode->setBarWidth(mils / 1000.0f * 72.0f);
    testBarcode->calculateWidth();
    testBarcode->setWidth(Set_Linear_Barcode_Width(*testBarcode));
    refreshModelSettings();
    if (showsEditorPreview())
        Get_Image_From_Barcode(testBarcode.get(), true, false);
}

void BarcodeEditor::reframe2D()
{
    if (showsEditorPreview())
        Get_2d_barcode_from_image(true);
}

void BarcodeEditor::redrawBarcode()
{
    if (!showsEditorPreview())
        return;
    if (liner_or_2D_font != 0) {
        regenerate();
        if (reframeAfterRegenerate())
            Get_2d_barcode_from_image(true);
    } else if (testBarcode) {
        Get_Image_From_Barcode(testBarcode.get(), true, false);
    }
}
