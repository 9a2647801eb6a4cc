// Loading a barcode object into the barcode-object window. Every load makes the working copy, the
// QR logo and the generation snapshot of the object's settings, from which the renders draw; only
// the dialog's load also fills the controls, in the order of the object's fields, so that its
// preview is the render's picture.

#include "barcodemode/Barcode_Gen.h"

#include "barcodemode/GenerationCore.h"
#include "imaging/QrLogo.h"
#include "barcodemode/TwoDFieldValues.h"
#include "barcodemode/pdf417View.h"
#include "core/Edition.h"
#include "core/Mode.h"
#include "core/Units.h"
#include "core/Messages.h"
#include "engines/Symbologies.h"
#include "engines/linear/NKDBarcode.h"
#include "model/SKTGraphic.h"
#include "platform/ColorWell.h"
#include "platform/PictureView.h"
#include "platform/Stepper.h"
#include "platform/StepperField.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include <exception>

namespace {

// A real number into its pair: the field as it shows one, the stepper as its range holds it.
void setRealPair(QLineEdit *field, platform::Stepper *stepper, float value)
{
    platform::showNumber(field, double(value), platform::PairFormat::Real);
    stepper->setDoubleValue(double(value));
}

void setIntPair(QLineEdit *field, platform::Stepper *stepper, int value)
{
    twod::setFieldInt(field, value);
    stepper->setIntValue(value);
}

QString reasonOf(const std::exception &e) { return QString::fromUtf8(e.what()); }

} // namespace

void Barcode_Gen::selectFromCode(QComboBox *combo, int index)
{
    if (!combo)
        return;
    // The symbology pop-up has an action of its own, which only the user's choice runs.
    if (combo == barcodeTypePopup || combo->currentIndex() != index)
        combo->setCurrentIndex(index);
    else
        comboBoxSelectionDidChange(combo);
}

void Barcode_Gen::Set_Barcode_Prop_To_Control(const SKTGraphic &object, bool only_assign)
{
    Not_Draw_Only_Prop_Change = true;
    try {
        pass_barcode_control = object.copyWithZone();
        if (ONLY_QR_MODE) {
            // The QR edition knows every object by its QR type and summary: the text type and the
            // payload itself where the object has none.
            pass_barcode_control->AQR_Category =
                object.AQR_Category.isEmpty() ? QStringLiteral("Text") : object.AQR_Category;
            pass_barcode_control->AQR_Display_value =
                object.AQR_Display_value.isEmpty() ? object.two_d_font_val : object.AQR_Display_value;
        }
        loadLogoState(object, only_assign);
        BARCODE_Unit_Is = 2;
        m_renderSnapshot = barcode_objects::snapshotOfObject(object, objectRenderState(), USE_QR_LOGO_IMG);
    } catch (const std::exception &e) {
        Show_NSLog_Message(reasonOf(e));
    }
    Not_Draw_Only_Prop_Change = false;
}

void Barcode_Gen::loadLogoState(const SKTGraphic &object, bool only_assign)
{
    USE_QR_LOGO = object.USE_QR_LOGO;
    USE_QR_LOGO_PATH = object.USE_QR_LOGO_PATH;
    if (only_assign || object.control_ID.isEmpty()) {
        USE_QR_LOGO_IMG = qr_logo::readScaled(USE_QR_LOGO_PATH);
        return;
    }
    // A batch reads each object's logo once: later records take the cached picture (or its absence).
    if (const LogoItem *item = host().logoList().getLogoItemWithID(object.control_ID)) {
        USE_QR_LOGO_IMG = item->logoImage;
        return;
    }
    Show_NSLog_Message(QStringLiteral("(%1) - Logo not found.").arg(object.control_ID));
    USE_QR_LOGO_IMG = qr_logo::readScaled(USE_QR_LOGO_PATH);
    host().logoList().addLogoItemWithImage(USE_QR_LOGO_IMG, object.control_ID);
}

platform::Picture Barcode_Gen::Get_Image_From_Val(const QString &value, const QString &header, const QString &footer)
{
    try {
        barcode_generation::Generated g = barcode_generation::generate(m_renderSnapshot, value, header, footer);
        testBarcode_EXP = g.built.model ? g.built.model->copy() : nullptr;
        if (g.built.twoD && g.built.symbol.isNull())
            return {};
        return g.framed.picture;
    } catch (const std::exception &) {
        return {};
    }
}

void Barcode_Gen::loadIntoControls(const SKTGraphic &object)
{
    namespace objects = barcode_objects;
    Not_Draw_Only_Prop_Change = true;
    try {
        // The family and the symbology.
        liner_or_2D_font = ONLY_QR_MODE || object.linear_or_2d != 0 ? 1 : 0;
        const int symbology = ONLY_QR_MODE ? objects::kQrEditionSymbology : object.barcode_font_index;
        selectFromCode(barcodeTypePopup, symbology >= 0 && symbology < barcodeTypePopup->count() ? symbology : -1);
        // The QR logo tab goes with QR Code.
        if (chosenSymbologyTitle() == QLatin1String("QR Code"))
            Add_Qr_Logo_Tab_Setting_Mode();
        else
            Remove_Qr_Logo_Tab_Setting_Mode();
        // Values, texts, print flags, background and alignments.
        dataText->setText(object.linear_font_val);
        Set_Two_D_Value_in_Field(object.two_d_font_val);
        HeaderText->setText(object.header_val);
        FooterText->setText(object.footer_val);
        hideHeaderCheckbox->setChecked(object.show_hide_hdr != 0);
        hideFooterCheckbox->setChecked(object.show_hide_ftr != 0);
        captionCheckbox->setChecked(object.show_hide_val != 0);
        showinTopCheckbox->setChecked(object.show_val_on_top != 0);
        transparent_bkgnd->setChecked(object._isDrawingFill);
        const int alignments = align_hdr_combo->count();
        selectFromCode(align_hdr_combo, objects::itemIndex(object.align_hdr_index, alignments));
        selectFromCode(align_ftr_combo, objects::itemIndex(object.align_ftr_index, alignments));
        // The data source and the binding rows.
        loadBinding(object);
        // The symbol takes the caption flags as loaded.
        captionChanged(captionCheckbox);
        // Linear sizes, the QR size, version and level (the version raises the size of a 2D symbol).
        setRealPair(HeightText, HeightStepper, object.linear_height_val);
        setRealPair(widthText, widthStepper, object.linear_width_val);
        setIntPair(HeightText_2D, HeightStepper_2D, object.qr_size_val);
        selectFromCode(qr_version_ComboBox, objects::itemIndex(object.qr_version_index, qr_version_ComboBox->count()));
        selectFromCode(qr_ec_lvl_ComboBox, objects::itemIndex(object.qr_ec_index, qr_ec_lvl_ComboBox->count()));
        // The logo box, its path and picture (read from the file by the load's logo state).
        Use_Logo_chk->setChecked(object.USE_QR_LOGO);
        Use_Logo_Chk_Clicked(Use_Logo_chk);
        Use_logo_path->setPlainText(USE_QR_LOGO_PATH);
        Use_Logo_Image_View->setPicture(USE_QR_LOGO_IMG.isNull() ? platform::Picture()
                                                                 : platform::Picture::fromImage(USE_QR_LOGO_IMG));
        // PDF417, DataMatrix and the margins. The PDF417 level is the encoder's from now on.
        setIntPair(pdf_HeightText_2D, pdf_HeightStepper_2D, object.pdf_hgt_val);
        setIntPair(Pdf_widthText_2D, Pdf_widthStepper_2D, object.pdf_wdt_val);
        setIntPair(pdf_ec_lvl_Text, pdf_ec_lvl_Stepper, object.pdf_ec_val);
        pdfBarcode().setErrorLevel(pdf_ec_lvl_Stepper->intValue());
        setIntPair(dm_moduleText_2D, dm_moduleStepper_2D, object.dm_module_val);
        selectFromCode(dm_format_ComboBox, objects::itemIndex(object.dm_format_index, dm_format_ComboBox->count()));
        selectFromCode(dm_encoding_ComboBox, objects::itemIndex(object.dm_encoding_index, dm_encoding_ComboBox->count()));
        setRealPair(hdr_mar_Text, hdr_mar_Stepper, object.hdr_margin_val);
        setRealPair(ftr_mar_Text, ftr_mar_Stepper, object.ftr_margin_val);
        setRealPair(val_mar_Text, val_mar_Stepper, object.val_margin_val);
        setRealPair(TB_mar_Text, TB_mar_Stepper, object.TB_marging_val);
        setRealPair(LR_mar_Text, LR_mar_Stepper, object.LR_margin_val);
        // Fonts, colours and the resolution: the stored custom value first, so that "Custom"
        // takes the object's resolution and not the last one's.
        value_font = object.value_font_val;
        header_font = object.header_font_val;
        footer_font = object.footer_font_val;
        value_font_value->setText(fontDisplayText(value_font));
        header_font_value->setText(fontDisplayText(header_font));
        footer_font_value->setText(fontDisplayText(footer_font));
        bar_hdr_clr->setColor(object.barcode_hdr_clr_val);
        bar_ftr_clr->setColor(object.barcode_ftr_clr_val);
        bar_val_clr->setColor(object.barcode_val_clr_val);
        bar_back_clr->setColor(object.barcode_back_clr_val);
        barcode_clr->setColor(object.barcode_clr_val);
        dpi_Stepper->setIntValue(twod::leadingInt(object.dpi_custom_val));
        twod::setFieldInt(dpi_Text, dpi_Stepper->intValue());
        selectFromCode(DPI_ComboBox, objects::itemIndex(object.dpi_val_index, DPI_ComboBox->count()));
        // Millimetres, the family's panes and labels.
        BARCODE_Unit_Is = 2;
        if (liner_or_2D_font != 0)
            two_d_barcode_Opt_Select();
        else
            Liner_Barcode_Opt_Select();
        _setLabels();
        if (ONLY_QR_MODE) {
            AQR_Display_Text_View->setPlainText(pass_barcode_control->AQR_Display_value);
            const QImage category = Get_Qr_Cat_Image_Acc_to_Category(pass_barcode_control->AQR_Category);
            Sel_Qr_type_IMG->setPicture(platform::Picture::fromImage(category));
            Sel_Qr_type_TEXT->setText(pass_barcode_control->AQR_Category);
        }
    } catch (const std::exception &e) {
        Show_NSLog_Message(reasonOf(e));
    }
    Not_Draw_Only_Prop_Change = false;
}
