// Services of the Barcode mode that the window set-up, the mode switch and the event dispatch use.

#include "barcodemode/BarcodeModeController.h"

#include "app/SKTWindowController.h"

#include "core/Globals.h"
#include "core/Messages.h"
#include "engines/Symbologies.h"
#include "platform/GuiThread.h"

#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>

#include <exception>


void BarcodeModeController::goButtonActionPerformed()
{
    try {
        if (Barcode_Setting_Or_Designing_Mode != 0)
            return;
        platform::runOnGuiThreadAndWait([this] { Generate_Barcode_Thread_Function(); });
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

void BarcodeModeController::Set_Linear_Value_in_Field(const QString &value)
{
    try {
        if (dataText)
            dataText->setText(value);
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

void BarcodeModeController::Set_Two_D_Value_in_Field(const QString &value)
{
    try {
        if (dataText_2D)
            dataText_2D->setPlainText(value);
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

QString BarcodeModeController::Get_Two_D_Value_From_Field() const
{
    return dataText_2D ? dataText_2D->toPlainText() : QString();
}

void BarcodeModeController::_setLabels_Barcode()
{
    if (!bar_height_label)
        return;
    if (barcodeTypePopup && Symbologies::isTwoD(barcodeTypePopup->currentText())) {
        bar_height_label->setText(QStringLiteral("Bar Height :"));
        bar_width_label->setText(QStringLiteral("Bar Width :"));
        return;
    }
    const QString unit = Measument_Unit_Is_Barcode == 0   ? QStringLiteral("in")
                         : Measument_Unit_Is_Barcode == 1 ? QStringLiteral("cm")
                                                          : QStringLiteral("mm");
    bar_height_label->setText(QStringLiteral("Bar Height (%1):").arg(unit));
    margin_box->setTitle(QStringLiteral("Margins (%1)").arg(unit));
    // The two rows stand one above the other in one box: each names its band.
    hdr_mar_label->setText(QStringLiteral("Header Margin (%1):").arg(unit));
    ftr_mar_label->setText(QStringLiteral("Footer Margin (%1):").arg(unit));
    val_mar_label->setText(QStringLiteral("Value Margin (%1):").arg(unit));
    TB_mar_label->setText(QStringLiteral("Top and Bottom (%1):").arg(unit));
    LR_mar_label->setText(QStringLiteral("Left and Right (%1):").arg(unit));
    bar_width_label->setText(QStringLiteral("Bar Width (Mils):"));
}

void BarcodeModeController::Add_Qr_Logo_Tab_Setting_Mode()
{
    try {
        if (sett_tab_barcode && sett_tab_barcode->count() == 1 && qr_logo_tab_item_sett)
            sett_tab_barcode->insertTab(1, qr_logo_tab_item_sett, qr_logo_tab_item_sett_label);
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

void BarcodeModeController::Remove_Qr_Logo_Tab_Setting_Mode()
{
    try {
        // Only the logo tab goes; no other tab is ever taken for it.
        if (sett_tab_barcode && sett_tab_barcode->count() >= 2 && qr_logo_tab_item_sett) {
            const int index = sett_tab_barcode->indexOf(qr_logo_tab_item_sett);
            if (index >= 0)
                sett_tab_barcode->removeTab(index);
        }
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

void BarcodeModeController::barcodeTwoDCaptionRefresh()
{
    setHeader(HeaderText->text());
    setFooter(FooterText->text());
    setHeaderFontSize(float(header_font.pointSizeF()));
    setFooterFontSize(float(footer_font.pointSizeF()));
    Get_2d_barcode_from_image(true);
}

void BarcodeModeController::barcodeFieldEdited(QObject *field, bool quickPreview)
{
    if (liner_or_2D_font == 0) {
        goButtonActionPerformed();
    } else if (field == dataText_2D) {
        if (quickPreview)
            Type_draw_2d_flag = true;   // a quick preview while typing
        goButtonActionPerformed();
    } else {
        barcodeTwoDCaptionRefresh();   // the header and footer frame the symbol already built
    }
}
