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
#include "advqr/QrPanelFields.h"
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
    using qrpayload::QrPanel;
    switch (qrpayload::Panel_For_Title(title)) {
    case QrPanel::Text:
        return Qr_Text;
    case QrPanel::Sms:
        return Qr_SMS;
    case QrPanel::VCard:
        return Qr_vCard;
    case QrPanel::Social:
        return Qr_Social;
    case QrPanel::Email:
        return Qr_Email;
    case QrPanel::Zoom:
        return Qr_Zoom;
    case QrPanel::Wifi:
        return Qr_Wifi;
    case QrPanel::Location:
        return Qr_Location;
    case QrPanel::Event:
        return Qr_Event;
    case QrPanel::Upi:
        return Qr_UPI;
    case QrPanel::Crypto:
        return Qr_Bitcoin;
    case QrPanel::None:
        break;
    }
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
        const qrpayload::QrPanel panel = qrpayload::Panel_For_Title(title);

        if (Qr_Text && panel == qrpayload::QrPanel::Text) {
            const QString prompt = textPanelPrompt(title);
            if (!prompt.isEmpty())
                Qr_Text->heading_label->setText(prompt);
            const bool textOrCall = title == QLatin1String("Text") || title == QLatin1String("Call");
            Qr_Text->Show_Hide_Open_URL_Button(textOrCall, title);
        }
        if (Qr_SMS && panel == qrpayload::QrPanel::Sms)
            Qr_SMS->Set_Label_According_Category(title);
        if (Qr_Social && panel == qrpayload::QrPanel::Social)
            Qr_Social->Set_Label_According_Category(title);
        if (Qr_Bitcoin && panel == qrpayload::QrPanel::Crypto)
            Qr_Bitcoin->crypto_type_matrix_view->setHidden(title == QLatin1String("Bitcoin"));

        // An unknown title leaves the panel that is shown.
        if (QrPanelBase *shown = QR_Panel_For_Type(title))
            Show_QR_Panel(shown);

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
        // The panels are read through their globals, as the payload editor's builder reads them.
        const qrpayload::Result built = qrpayload::Build_QR_Payload(title, Read_QR_Panel_Fields());
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
    const QString trimmed = Trim_Str(payload);
    ADV_QR_Final_Payload = trimmed.isNull() ? QStringLiteral("") : trimmed;
    if (adv_qr_final_value) {
        const QSignalBlocker block(adv_qr_final_value);
        adv_qr_final_value->setPlainText(ADV_QR_Final_Payload);
    }
    DRAW_ADV_QR_With_All_Init();
}

QString AdvQrController::Get_Adv_QR_Final_Str_Value() const
{
    return ADV_QR_Final_Payload.isNull() ? QStringLiteral("") : ADV_QR_Final_Payload;
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
