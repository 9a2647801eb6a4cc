// Fonts, colours and background of the barcode editor. A font is chosen in the font chooser and
// handed to the action of its text; the renderer reads the colour wells when it draws, so a
// colour change only has to draw again.

#include "barcodemode/BarcodeEditor.h"

#include "core/Messages.h"
#include "engines/linear/NKDBarcode.h"
#include "platform/ColorWell.h"
#include "platform/Dialogs.h"
#include "platform/FontNames.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <exception>

QString BarcodeEditor::fontDisplayText(const QFont &font) { return platform::fontDisplayText(font); }

void BarcodeEditor::chooseBandFont(FontBand band, const QFont &current)
{
    const std::optional<QFont> picked = platform::chooseFont(current);
    if (!picked)
        return;
    switch (band) {
    case FontBand::Value:
        valueFontAction(*picked);
        break;
    case FontBand::Header:
        header_changeFont(*picked);
        break;
    case FontBand::Footer:
        footer_changeFont(*picked);
        break;
    }
}

void BarcodeEditor::Value_Font_Changed(QObject *)
{
    try {
        focusFontButton(val_font_btn);
        chooseBandFont(FontBand::Value, value_font);
    } catch (const std::exception &e) {
        reportFailure(QString::fromUtf8(e.what()));
    }
}

void BarcodeEditor::Header_Font_Changed(QObject *)
{
    try {
        focusFontButton(hdr_font_btn);
        chooseBandFont(FontBand::Header, header_font);
    } catch (const std::exception &e) {
        reportFailure(QString::fromUtf8(e.what()));
    }
}

void BarcodeEditor::Footer_Font_Changed(QObject *)
{
    try {
        focusFontButton(ftr_font_btn);
        chooseBandFont(FontBand::Footer, footer_font);
    } catch (const std::exception &e) {
        reportFailure(QString::fromUtf8(e.what()));
    }
}

void BarcodeEditor::applyValueFont(const QFont &picked)
{
    try {
        value_font = picked;
        if (value_font_value)
            value_font_value->setText(fontDisplayText(value_font));
        if (liner_or_2D_font != 0) {
            // A 2D symbol has no caption band: framing it again is all.
            reframe2D();
        } else if (testBarcode) {
            refreshModelSettings();
            testBarcode->setCaptionFontSize(float(value_font.pointSizeF()));
            relayoutLinear();
        }
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

void BarcodeEditor::header_changeFont(const QFont &picked)
{
    try {
        header_font = picked;
        if (header_font_value)
            header_font_value->setText(fontDisplayText(header_font));
        if (liner_or_2D_font != 0) {
            setHeaderFontSize(float(header_font.pointSizeF()));
            reframe2D();
        } else if (testBarcode) {
            refreshModelSettings();
            testBarcode->setHeaderFontSize(float(header_font.pointSizeF()));
            relayoutLinear();
        }
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

void BarcodeEditor::footer_changeFont(const QFont &picked)
{
    try {
        footer_font = picked;
        if (footer_font_value)
            footer_font_value->setText(fontDisplayText(footer_font));
        if (liner_or_2D_font != 0) {
            setFooterFontSize(float(footer_font.pointSizeF()));
            reframe2D();
        } else if (testBarcode) {
            refreshModelSettings();
            testBarcode->setFooterFontSize(float(footer_font.pointSizeF()));
            relayoutLinear();
        }
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

void BarcodeEditor::Header_Color_Changed(QObject *)
{
    try {
        Set_Font_Clr(nullptr);
    } catch (const std::exception &e) {
        reportFailure(QString::fromUtf8(e.what()));
    }
}

void BarcodeEditor::Set_Font_Clr(QObject *)
{
    try {
        redrawBarcode();
    } catch (const std::exception &e) {
        reportFailure(QString::fromUtf8(e.what()));
    }
}

void BarcodeEditor::Transparent_Bkngd_Clicked(QObject *)
{
    try {
        const bool transparent = transparent_bkgnd && transparent_bkgnd->isChecked();
        if (bar_bk_clr_label)
            bar_bk_clr_label->setEnabled(!transparent);
        if (bar_back_clr)
            bar_back_clr->setEnabled(!transparent);
        set_Fill_transparent(transparent);
        backgroundChosen(transparent);
        redrawBarcode();
    } catch (const std::exception &e) {
        reportFailure(QString::fromUtf8(e.what()));
    }
}
