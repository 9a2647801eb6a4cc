// The Advanced QR mode's commands on the mode as a whole: reset, copy and the centre logo (the
// logo commands also serve the Barcode mode's QR symbol).

#include "advqr/AdvQrController.h"

#include "advqr/QrPanelFields.h"
#include "advqr/Qr_Text_View_Panel.h"
#include "imaging/QrLogo.h"
#include "core/Globals.h"
#include "core/Mode.h"
#include "advqr/AdvQrGlobals.h"
#include "model/DesignGlobals.h"
#include "core/Messages.h"
#include "core/Utilities.h"
#include "imaging/ImageFileReader.h"
#include "imaging/ImageForPath.h"
#include "imaging/ImageSizeCheck.h"
#include "platform/ColorWell.h"
#include "platform/ControlFill.h"
#include "platform/Files.h"
#include "platform/PictureView.h"
#include "platform/Stepper.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QUrl>

#include <exception>

namespace {

using platform::fill::setChecked;
using platform::fill::setColour;
using platform::fill::setIndex;
using platform::fill::setText;

void setStepper(platform::Stepper *stepper, double value)
{
    if (stepper)
        stepper->setDoubleValue(value);
}

} // namespace

void AdvQrController::ADV_QR_Reset_All_Clicked()
{
    try {
        if (Show_YES_NO_MessageBox(QStringLiteral("Do you want to reset all QR code settings to default?")) != 1)
            return;
        // Fonts.
        ADV_QR_header_font = QFont(Text_Ctrl_Font);
        ADV_QR_header_font.setPointSizeF(20.0);
        ADV_QR_footer_font = ADV_QR_header_font;
        setText(ADV_QR_header_font_value, barcodeMode().fontDisplayText(ADV_QR_header_font));
        setText(ADV_QR_footer_font_value, barcodeMode().fontDisplayText(ADV_QR_footer_font));
        // Side, encoding mode, version and level; the side follows the version's smallest.
        setText(ADV_QR_HeightText_2D, QStringLiteral("120"));
        setStepper(ADV_QR_HeightStepper_2D, 120);
        setIndex(ADV_QR_enc_mode_ComboBox, 0);
        setIndex(ADV_QR_version_ComboBox, 0);
        setIndex(ADV_QR_ec_lvl_ComboBox, 0);
        ADV_QR_Enc_Mode_Val = 0;
        ADV_QR_EC_Level_Val = 0;
        ADV_QR_Version_Val = ADV_QR_version_ComboBox ? ADV_QR_version_ComboBox->currentIndex() : 0;
        barcodeMode().Check_And_Set_QR_size_Acc_Version(ADV_QR_Version_Val);
        setText(ADV_QR_HeightText_2D, QStringLiteral("120"));
        setStepper(ADV_QR_HeightStepper_2D, 120);
        // Logo box, alignments and margins.
        SetObjEnabled(ADV_QR_Use_logo_box, false);
        setIndex(ADV_QR_align_hdr_combo, 1);
        setIndex(ADV_QR_align_ftr_combo, 1);
        for (QLineEdit *f : {ADV_QR_hdr_mar_Text, ADV_QR_ftr_mar_Text, ADV_QR_TB_mar_Text, ADV_QR_LR_mar_Text})
            setText(f, QStringLiteral("0.1"));
        for (platform::Stepper *s : {ADV_QR_hdr_mar_Stepper, ADV_QR_ftr_mar_Stepper, ADV_QR_TB_mar_Stepper, ADV_QR_LR_mar_Stepper})
            setStepper(s, 0.1);
        // Header and footer.
        setText(ADV_QR_HeaderText, QStringLiteral("My QR Code"));
        setText(ADV_QR_FooterText, QStringLiteral("SCAN ME"));
        setChecked(ADV_QR_hideHeaderCheckbox, false);
        setChecked(ADV_QR_hideFooterCheckbox, false);
        SetObjEnabled(ADV_QR_hdr_box, true);
        SetObjEnabled(ADV_QR_ftr_box, true);
        // Colours.
        setColour(ADV_QR_bar_hdr_clr, Qt::black);
        setColour(ADV_QR_bar_ftr_clr, Qt::black);
        setColour(ADV_QR_barcode_clr, Qt::black);
        setColour(ADV_QR_back_bg_clr, Qt::white);
        setChecked(ADV_QR_transp_bg_chk, false);
        // No logo.
        setChecked(ADV_QR_Use_Logo_chk, false);
        SetObjEnabled(ADV_QR_Use_logo_box, false);
        if (ADV_QR_Use_logo_path) {
            const QSignalBlocker block(ADV_QR_Use_logo_path);
            ADV_QR_Use_logo_path->setPlainText(QString());
        }
        if (ADV_QR_Use_Logo_Image_View)
            ADV_QR_Use_Logo_Image_View->setPicture(platform::Picture());
        ADV_QR_USE_QR_LOGO = false;
        ADV_QR_USE_QR_LOGO_PATH = QStringLiteral("");
        ADV_QR_USE_QR_LOGO_IMG = QImage();
        Set_Adv_Qr_Final_value(QStringLiteral("Sample Text"));
        // The Text type with its panel.
        if (Selected_Qr_Category)
            Selected_Qr_Category->setText(QStringLiteral("Text"));
        if (Sel_Qr_Type_Label)
            Sel_Qr_Type_Label->setText(QStringLiteral("Generate QR Code for %1").arg(QStringLiteral("Text")));
        Take_Back_Type_Panel();
        Reset_All_ADV_QR_Fields();
        DRAW_ADV_QR_With_All_Init();
        AQR_Memory.clear();
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

void AdvQrController::Reset_All_ADV_QR_Fields()
{
    if (ADV_QR_back_bg_clr)
        ADV_QR_back_bg_clr->setEnabled(true);
    Empty_QR_Panels();
}

void AdvQrController::Copy_QR_Code_Clicked()
{
    try {
        if (!Check_Valid_ADV_QR_Code())
            return;
        const platform::Picture framed = Get_Image_From_ADV_QR_image(image_adv_QR, false);
        const QByteArray pdf = framed.isNull() ? QByteArray() : framed.pdfData();
        if (pdf.isEmpty())
            return;
        auto *data = new QMimeData;
        // Written whole in the private temporary folder, replacing an earlier copy.
        const QString file = platform::privateTempPath(QStringLiteral("QrCode.pdf"));
        QString reason;
        if (platform::writeFileAtomically(file, pdf, &reason))
            data->setUrls({QUrl::fromLocalFile(file)});
        else
            Show_NSLog_Message(reason);
        data->setData(QStringLiteral("application/pdf"), pdf);
        QGuiApplication::clipboard()->setMimeData(data);
        Show_MessageBox(
            QStringLiteral("QR Code is copied successfully.\nNow you can paste it in a word processor or image editor."));
        design().Set_Paste_Button_Status();
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

void AdvQrController::Use_Logo_Chk_Clicked()
{
    try {
        if (Barcode_Setting_Or_Designing_Mode == 0) {
            barcodeMode().logoBoxClicked();
        } else if (Barcode_Setting_Or_Designing_Mode == 2) {
            ADV_QR_USE_QR_LOGO = ADV_QR_Use_Logo_chk && ADV_QR_Use_Logo_chk->isChecked();
            SetObjEnabled(ADV_QR_Use_logo_box, ADV_QR_USE_QR_LOGO);
            Get_ADV_QR_barcode_from_image(true);
        }
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

void AdvQrController::Use_Browse_Logo_Btn_Clicked()
{
    try {
        const int mode = Barcode_Setting_Or_Designing_Mode;
        if (mode != 0 && mode != 2)
            return;
        if (design().Open_Image_Library_Window(QStringLiteral("QR")) != 1)
            return;
        // A file of the disk may be no picture at all: the logo, its path and the symbol stay.
        const imagefile::Result read = imagefile::read(lib_window_sel_file, Crop_Image_Size);
        if (!read.ok() || read.image.isNull()) {
            Show_MessageBox(QStringLiteral("The selected file is not a readable image."));
            return;
        }
        Library_Selected_Image = lib_window_sel_file;
        if (Image_Is_Over_Size(Library_Selected_Image, true, 0))
            return;
        const QImage logo = read.image.scaled(qr_logo::fittedSize(read.image.width(), read.image.height()),
                                              Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const platform::Picture shown = platform::Picture::fromImage(logo);
        // The logo flag stays: a logo chosen while the box is off shows once it is on.
        if (mode == 0) {
            barcodeMode().logoChosen(Library_Selected_Image, logo, shown);
        } else {
            if (ADV_QR_Use_logo_path)
                ADV_QR_Use_logo_path->setPlainText(Library_Selected_Image);
            if (ADV_QR_Use_Logo_Image_View)
                ADV_QR_Use_Logo_Image_View->setPicture(shown);
            ADV_QR_USE_QR_LOGO_PATH = Library_Selected_Image;
            ADV_QR_USE_QR_LOGO_IMG = logo;
            Get_ADV_QR_barcode_from_image(true);
        }
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}
