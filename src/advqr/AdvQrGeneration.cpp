// The Advanced QR mode's symbol: the bare QR picture from the mode's own controls, framed with its
// header, footer, margins and logo by the generation core, and shown in the mode's preview.

#include "advqr/AdvQrController.h"

#include "core/FileServices.h"
#include "core/Globals.h"
#include "core/Mode.h"
#include "core/Units.h"
#include "advqr/AdvQrGlobals.h"
#include "core/SymbolGlobals.h"
#include "core/Messages.h"
#include "core/Utilities.h"
#include "platform/ColorWell.h"
#include "platform/GuiThread.h"
#include "platform/PictureView.h"
#include "platform/StepperField.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>
#include <exception>

namespace {

bool ticked(const QCheckBox *box) { return box && box->isChecked(); }

QColor wellColour(const platform::ColorWell *well, Qt::GlobalColor fallback)
{
    return well ? well->color() : QColor(fallback);
}

QString textOf(const QLineEdit *field) { return field ? field->text() : QString(); }

// The error label's own text, kept while it shows the too-long message (the Barcode mode keeps it
// under the same name, so either mode's blank state puts it back).
const char *const kPlainErrorText = "tagoraPlainErrorText";

void showInstead(QLabel *errorLabel, const QString &message)
{
    if (!errorLabel)
        return;
    if (!errorLabel->property(kPlainErrorText).isValid())
        errorLabel->setProperty(kPlainErrorText, errorLabel->text());
    errorLabel->setText(message);
}

// What a symbol of version 40 holds at each level (L, M, Q, H), by the kind of text: digits only,
// QR's upper-case letters and signs, anything else in UTF-8 bytes (ISO/IEC 18004, table 7), said
// in characters of this text: those of its start that fit in the bytes.
QString tooLongMessage(const QString &value, int level)
{
    static const int digits[] = {7089, 5596, 3993, 3057};
    static const int letters[] = {4296, 3391, 2420, 1852};
    static const int bytes[] = {2953, 2331, 1663, 1273};
    level = std::clamp(level, 0, 3);
    static const QString letterSet = QStringLiteral("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ $%*+-./:");
    bool allDigits = true, allLetters = true;
    for (const QChar c : value) {
        allDigits = allDigits && c >= u'0' && c <= u'9';
        allLetters = allLetters && letterSet.contains(c);
    }
    int most = allDigits ? digits[level] : allLetters ? letters[level] : 0;
    if (!allDigits && !allLetters)
        for (int room = bytes[level]; const uint c : value.toUcs4()) {
            room -= c < 0x80 ? 1 : c < 0x800 ? 2 : c < 0x10000 ? 3 : 4;
            if (room < 0)
                break;
            ++most;
        }
    return QStringLiteral("The text is too long for a QR Code: at error correction level %1 it holds at most %2 %3.")
        .arg(QChar(u"LMQH"[level]))
        .arg(most)
        .arg(allDigits ? QStringLiteral("digits") : QStringLiteral("characters"));
}

} // namespace

void AdvQrController::DRAW_ADV_QR_With_All_Init()
{
    try {
        if (Barcode_Setting_Or_Designing_Mode != 2 || form_is_loading)
            return;
        platform::runOnGuiThreadAndWait([this] { Generate_Adv_QR_Thread_Function(); });
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

void AdvQrController::Generate_Adv_QR_Thread_Function()
{
    try {
        Generate_ADV_QR_Variable(true, Get_Adv_QR_Final_Str_Value(), textOf(ADV_QR_HeaderText),
                                 textOf(ADV_QR_FooterText), false);
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

void AdvQrController::Generate_ADV_QR_Variable(bool draw, const QString &value, const QString &header,
                                               const QString &footer, bool)
{
    try {
        BarcodeModeAdvQr &window = barcodeMode();
        // A number field that holds no number makes no symbol (and no payload); the label says why.
        if (!ADV_QR_Fields_Refused.isEmpty()) {
            image_adv_QR = platform::Picture();
            window.Set_Blank_Image();
            showInstead(ADV_QR_barcode_error_label, ADV_QR_Fields_Refused);
            return;
        }
        if (value.isEmpty()) {
            if (ADV_QR_barcode_error_label)
                ADV_QR_barcode_error_label->setVisible(true);
            window.Set_Blank_Image();
            return;
        }
        if (draw && QR_barcodeImage)
            QR_barcodeImage->setPicture(platform::Picture());
        if (ADV_QR_barcode_error_label)
            ADV_QR_barcode_error_label->setVisible(false);

        // The window's current 2D settings: the symbol has no caption.
        window.setContent(value);
        window.setHeader(header);
        window.setFooter(footer);
        window.setPrintsCaption(false);
        window.set_Fill_transparent(ticked(ADV_QR_transp_bg_chk));
        window.setPrintsHeader(!ticked(ADV_QR_hideHeaderCheckbox));
        window.setPrintsFooter(!ticked(ADV_QR_hideFooterCheckbox));
        window.setHeaderFontSize(float(ADV_QR_header_font.pointSizeF()));
        window.setFooterFontSize(float(ADV_QR_footer_font.pointSizeF()));
        Barcode_module_size = 1;

        image_adv_QR = platform::Picture();
        Draw_ADV_QR_Barcode_With_QREncoder(value);
        Get_ADV_QR_barcode_from_image(draw);
        // A value that gives no symbol holds more than the symbol can at the level.
        if (draw && image_adv_QR.isNull()) {
            const GenerationSnapshot s = ADV_QR_Generation_Snapshot();
            const qsizetype named = QStringLiteral("LMQH").indexOf(s.qrLevelItem.left(1));
            showInstead(ADV_QR_barcode_error_label,
                        tooLongMessage(value, s.qrGeneratorRoute && named >= 0 ? int(named) : s.qrLevel));
        }
        Type_draw_2d_flag = false;
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

void AdvQrController::Draw_ADV_QR_Barcode_With_QREncoder(const QString &value)
{
    GenerationSnapshot s = ADV_QR_Generation_Snapshot();
    if (s.qrGeneratorRoute) {
        // The toolkit's generator: automatic version, the level item's letter, a clear light
        // colour when the background is transparent.
        const QColor light = s.transparent ? QColor(Qt::transparent) : s.backgroundColour;
        image_adv_QR = barcodeMode().Create_QR_By_CI_Filter(value, s.qrLevelItem, 0, s.barColour, light, 1.0, s.qrSide);
    } else {
        // The module encoder: its automatic version is -1 from now on.
        if (ADV_QR_Version_Val == 0)
            ADV_QR_Version_Val = -1;
        s.qrVersion = ADV_QR_Version_Val;
        image_adv_QR = barcodeMode().Draw_Qr(s, value);
    }
    emit symbolEncoded();
}

platform::Picture AdvQrController::Get_ADV_QR_barcode_from_image(bool draw)
{
    if (image_adv_QR.isNull()) {
        barcodeMode().Set_Blank_Image();
        return {};
    }
    // Framed again around the symbol already drawn; nothing is encoded again.
    return Get_Image_From_ADV_QR_image(image_adv_QR, draw);
}

platform::Picture AdvQrController::Get_Image_From_ADV_QR_image(const platform::Picture &image, bool draw)
{
    try {
        BarcodeModeAdvQr &window = barcodeMode();
        if (image.isNull()) {
            window.Set_Blank_Image();
            return {};
        }
        const BarcodeModeAdvQr::Framed framed = window.Frame_Two_D(ADV_QR_Generation_Snapshot(), image);
        if (framed.tooLarge || framed.picture.isNull()) {
            if (draw) {
                window.Set_Blank_Image();
                if (framed.tooLarge)
                    showInstead(ADV_QR_barcode_error_label, invalid_barcode_msg);
            }
            return {};
        }
        if (draw)
            window.Set_Barcode_On_Panel(framed.picture);
        return framed.picture;
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
        return {};
    }
}

barcode_sizes::MarginInputs AdvQrController::ADV_QR_Margin_Inputs() const
{
    barcode_sizes::MarginInputs in;
    in.value = 0;
    in.header = platform::fieldValue(ADV_QR_hdr_mar_Text);
    in.footer = platform::fieldValue(ADV_QR_ftr_mar_Text);
    in.leftRight = platform::fieldValue(ADV_QR_LR_mar_Text);
    in.topBottom = platform::fieldValue(ADV_QR_TB_mar_Text);
    in.captionHidden = true;
    in.headerHidden = ticked(ADV_QR_hideHeaderCheckbox);
    in.footerHidden = ticked(ADV_QR_hideFooterCheckbox);
    in.unit = Measument_Unit_Is_Adv_QR;
    return in;
}

GenerationSnapshot AdvQrController::ADV_QR_Generation_Snapshot() const
{
    GenerationSnapshot s;
    s.title = QStringLiteral("QR Code");
    s.family = 1;
    s.printsCaption = false;
    s.hideHeader = ticked(ADV_QR_hideHeaderCheckbox);
    s.hideFooter = ticked(ADV_QR_hideFooterCheckbox);
    s.transparent = ticked(ADV_QR_transp_bg_chk);
    s.twoDMargins = ADV_QR_Margin_Inputs();
    s.margins = barcode_sizes::marginsInPoints(s.twoDMargins);
    s.captionFont = ADV_QR_header_font;   // no caption is drawn
    s.headerFont = ADV_QR_header_font;
    s.footerFont = ADV_QR_footer_font;

    BarcodeSettings &style = s.style;
    style.mode = 2;
    style.align_hdr = ADV_QR_align_hdr_combo ? ADV_QR_align_hdr_combo->currentText() : QString();
    style.align_ftr = ADV_QR_align_ftr_combo ? ADV_QR_align_ftr_combo->currentText() : QString();
    style.header_font = ADV_QR_header_font;
    style.footer_font = ADV_QR_footer_font;
    style.value_font = ADV_QR_header_font;
    style.bar_hdr_clr = wellColour(ADV_QR_bar_hdr_clr, Qt::black);
    style.bar_ftr_clr = wellColour(ADV_QR_bar_ftr_clr, Qt::black);
    style.barcode_clr = wellColour(ADV_QR_barcode_clr, Qt::black);
    style.bar_back_clr = wellColour(ADV_QR_back_bg_clr, Qt::white);
    style.transparent_bkgnd = s.transparent;
    style.barcodeTypeTitle = s.title;
    style.USE_QR_LOGO = ADV_QR_USE_QR_LOGO;
    style.USE_QR_LOGO_IMG = ADV_QR_USE_QR_LOGO_IMG;

    s.qrGeneratorRoute = barcodeMode().Uses_Qr_Generator(double(Get_OS_Version()));
    s.qrSide = platform::fieldValue(ADV_QR_HeightText_2D);
    s.qrLevelItem = ADV_QR_ec_lvl_ComboBox ? ADV_QR_ec_lvl_ComboBox->currentText() : QStringLiteral("L");
    s.qrLevel = ADV_QR_EC_Level_Val;
    // The generator route always asks for the automatic version.
    s.qrVersion = s.qrGeneratorRoute ? 0 : ADV_QR_Version_Val;
    s.barColour = style.barcode_clr;
    s.backgroundColour = style.bar_back_clr;
    s.dpi = USED_DPI_VALUE;
    s.quickPreview = Type_draw_2d_flag;
    return s;
}

void AdvQrController::ADV_QR_transp_bg_Checked()
{
    if (ADV_QR_back_bg_clr)
        ADV_QR_back_bg_clr->setEnabled(!ticked(ADV_QR_transp_bg_chk));
    DRAW_ADV_QR_With_All_Init();
}
