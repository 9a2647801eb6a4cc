// The Advanced QR mode's type switch, payload and regeneration.

#include "advqr/AdvQrController.h"

#include "app/SKTWindowController.h"

#include "advqr/QrPanelBase.h"
#include "advqr/Qr_Bitcoin_Crypto_View_Panel.h"
#include "advqr/Qr_Email_View_Panel.h"
#include "advqr/Qr_Event_View_Panel.h"
#include "advqr/Qr_Location_View_Panel.h"
#include "advqr/Qr_Sms_View_Panel.h"
#include "advqr/Qr_Social_View_Panel.h"
#include "advqr/Qr_Text_View_Panel.h"
#include "advqr/Qr_UPI_View_Panel.h"
#include "advqr/Qr_Wifi_View_Panel.h"
#include "advqr/Qr_Zoom_View_Panel.h"
#include "advqr/Qr_vCard_View_Panel.h"
#include "advqr/QrPayload.h"
#include "core/Globals.h"
#include "core/Messages.h"
#include "core/Utilities.h"
#include "platform/GuiThread.h"
#include "platform/PictureView.h"
#include "barcodemode/BarcodeModeController.h"

#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QStringList>

#include <exception>

QString SEL_QR_DISPLAY_VALUE;

namespace {

const QStringList &socialTypes()
{
    static const QStringList types = {QStringLiteral("Facebook"), QStringLiteral("Snapchat"),
                                      QStringLiteral("Threads"),  QStringLiteral("Instagram"),
                                      QStringLiteral("LinkedIn"), QStringLiteral("Quora"),
                                      QStringLiteral("X(Twitter)"), QStringLiteral("Twitter"),
                                      QStringLiteral("YouTube"),  QStringLiteral("Telegram")};
    return types;
}

const QStringList &smsTypes()
{
    static const QStringList types = {QStringLiteral("Send SMS"), QStringLiteral("WhatsApp"), QStringLiteral("Coupon")};
    return types;
}

// The Text panel's prompt per type; a title without one leaves the prompt as it was.
QString textPanelPrompt(const QString &title)
{
    static const QList<QPair<QString, QString>> prompts = {
        {QStringLiteral("Text"), QStringLiteral("Enter your text to generate QR code:")},
        {QStringLiteral("Call"), QStringLiteral("Enter the Phone number to generate QR code:")},
        {QStringLiteral("Review"), QStringLiteral("Enter the link of Review Page:")},
        {QStringLiteral("Mobile App"),
         QStringLiteral("Enter the URL of your App from Play Store or App Store listing:")},
        {QStringLiteral("File"), QStringLiteral("Enter the link of Video, Audio, Document or any File:")},
        {QStringLiteral("Spotify"), QStringLiteral("Enter the link of Spotify track, album, artist or playlist etc.:")},
        {QStringLiteral("Meeting"),
         QStringLiteral("Enter the Meeting URL from Google Meet, Skype, Teams or other meeting platforms:")},
        {QStringLiteral("URL"), QStringLiteral("Enter website address, Page URL or link of video, audio etc.:")},
    };
    for (const auto &p : prompts)
        if (p.first == title)
            return p.second;
    return QString();
}

} // namespace

QrPanelBase *AdvQrController::QR_Panel_For_Type(const QString &title) const
{
    if (qrpayload::Is_Text_Panel_Type(title))
        return Qr_Text;
    if (smsTypes().contains(title))
        return Qr_SMS;
    if (title == QLatin1String("Contact"))
        return Qr_vCard;
    if (socialTypes().contains(title))
        return Qr_Social;
    if (title == QLatin1String("Email") || title == QLatin1String("Feedback"))
        return Qr_Email;
    if (title == QLatin1String("Zoom"))
        return Qr_Zoom;
    if (title == QLatin1String("WIFI"))
        return Qr_Wifi;
    if (title == QLatin1String("Location"))
        return Qr_Location;
    if (title == QLatin1String("Event"))
        return Qr_Event;
    if (title == QLatin1String("UPI"))
        return Qr_UPI;
    if (title == QLatin1String("Bitcoin") || title == QLatin1String("Crypto"))
        return Qr_Bitcoin;
    return nullptr;
}

void AdvQrController::QR_Text_Clicked(const QString &title)
{
    if (Selected_Qr_Category)
        Selected_Qr_Category->setText(title);
    if (Sel_Qr_Type_Label)
        Sel_Qr_Type_Label->setText(QStringLiteral("Generate QR Code for %1").arg(title));
    Show_Hide_QR_Type_Panel();
}

void AdvQrController::Show_Hide_QR_Type_Panel()
{
    try {
        ADV_QR_Var_loading = true;
        const QString title = Selected_Qr_Category ? Selected_Qr_Category->text() : QString();

        if (Qr_Text && qrpayload::Is_Text_Panel_Type(title)) {
            const QString prompt = textPanelPrompt(title);
            if (!prompt.isEmpty())
                Qr_Text->heading_label->setText(prompt);
            const bool textOrCall = title == QLatin1String("Text") || title == QLatin1String("Call");
            Qr_Text->Show_Hide_Open_URL_Button(textOrCall, title);
        }
        if (Qr_SMS && smsTypes().contains(title))
            Qr_SMS->Set_Label_According_Category(title);
        if (Qr_Social && socialTypes().contains(title))
            Qr_Social->Set_Label_According_Category(title);
        if (Qr_Bitcoin && (title == QLatin1String("Bitcoin") || title == QLatin1String("Crypto")))
            Qr_Bitcoin->crypto_type_matrix_view->setHidden(title == QLatin1String("Bitcoin"));

        // An unknown title leaves the panel that is shown.
        if (QrPanelBase *panel = QR_Panel_For_Type(title))
            Show_QR_Panel(panel);

        Assign_QR_Value_Text_Acc_Type();
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
    ADV_QR_Var_loading = false;
}

void AdvQrController::Assign_QR_Value_Text_Acc_Type()
{
    try {
        const QString title = Selected_Qr_Category ? Selected_Qr_Category->text() : QString();
        SEL_QR_DISPLAY_VALUE = QStringLiteral("");
        qrpayload::Result built;
        if (Qr_Text && qrpayload::Is_Text_Panel_Type(title)) {
            const qrpayload::TextPanelFields fields{Qr_Text->Text_Field->toPlainText(),
                                                    Qr_Text->Call_Value_field->text(),
                                                    Qr_Text->URL_Value_field->text()};
            built = qrpayload::Build_Text_Panel_Payload(title, fields);
        }
        if (!built.payload)
            return;   // the payload stays as it was
        Set_Adv_Qr_Final_value(*built.payload);
        SEL_QR_DISPLAY_VALUE = built.summary;
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

void AdvQrController::Set_Adv_Qr_Final_value(const QString &payload)
{
    if (adv_qr_final_value) {
        const QSignalBlocker block(adv_qr_final_value);
        const QString trimmed = Trim_Str(payload);
        adv_qr_final_value->setPlainText(trimmed.isNull() ? QStringLiteral("") : trimmed);
    }
    DRAW_ADV_QR_With_All_Init();
}

QString AdvQrController::Get_Adv_QR_Final_Str_Value() const
{
    return adv_qr_final_value ? adv_qr_final_value->toPlainText() : QStringLiteral("");
}

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
    const QString value = Get_Adv_QR_Final_Str_Value();
    if (value.isEmpty()) {
        // No payload, no symbol: the preview is blank and says why.
        image_adv_QR = platform::Picture();
        if (QR_barcodeImage)
            QR_barcodeImage->setPicture(platform::Picture());
        if (ADV_QR_barcode_error_label)
            ADV_QR_barcode_error_label->setVisible(true);
        return;
    }
    if (ADV_QR_barcode_error_label)
        ADV_QR_barcode_error_label->setVisible(false);
    Type_draw_2d_flag = false;
}

void AdvQrController::advancedQrCaptionRefresh()
{
    hub.barcodeMode().setHeader(ADV_QR_HeaderText ? ADV_QR_HeaderText->text() : QString());
    hub.barcodeMode().setFooter(ADV_QR_FooterText ? ADV_QR_FooterText->text() : QString());
    hub.barcodeMode().setHeaderFontSize(float(ADV_QR_header_font.pointSizeF()));
    hub.barcodeMode().setFooterFontSize(float(ADV_QR_footer_font.pointSizeF()));
    Get_ADV_QR_barcode_from_image(true);
}

platform::Picture AdvQrController::Get_ADV_QR_barcode_from_image(bool draw)
{
    if (image_adv_QR.isNull()) {
        hub.barcodeMode().Set_Blank_Image();
        return {};
    }
    // The picture is drawn again around the code already built; nothing is encoded again.
    return hub.barcodeMode().Get_Image_From_barcode_image(image_adv_QR, draw);
}
