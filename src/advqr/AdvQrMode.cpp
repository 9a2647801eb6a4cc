// The Advanced QR mode's type switch, payload and regeneration.

#include "advqr/AdvQrController.h"


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
#include "core/Messages.h"
#include "core/Utilities.h"
#include "platform/GuiThread.h"
#include "platform/PictureView.h"

#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QStringList>

#include <exception>

QString SEL_QR_DISPLAY_VALUE;


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
        Load_Last_AQR_Values();
        Configure_QR_Type_Panel(title);
        // An unknown title leaves the panel that is shown.
        if (QrPanelBase *shown = QR_Panel_For_Type(title))
            Show_QR_Panel(shown);
        Assign_QR_Value_Text_Acc_Type();
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
    ADV_QR_Var_loading = false;
}

void AdvQrController::Load_Last_AQR_Values()
{
    AQR_Memory.load(Selected_Qr_Category ? Selected_Qr_Category->text() : QString());
}

void AdvQrController::Save_Last_AQR_Values()
{
    if (ADV_QR_Var_loading)
        return;
    AQR_Memory.save(Selected_Qr_Category ? Selected_Qr_Category->text() : QString());
}

void AdvQrController::Take_Back_Type_Panel()
{
    const QString title = Selected_Qr_Category ? Selected_Qr_Category->text() : QString();
    QrPanelBase *panel = QR_Panel_For_Type(title);
    Configure_QR_Type_Panel(title);
    Show_QR_Panel(panel ? panel : static_cast<QrPanelBase *>(Qr_Text));
}

void AdvQrController::Assign_QR_Value_Text_Acc_Type()
{
    try {
        const QString title = Selected_Qr_Category ? Selected_Qr_Category->text() : QString();
        SEL_QR_DISPLAY_VALUE = QStringLiteral("");
        // The panels are read through their globals, as the payload editor's builder reads them.
        const qrpayload::QrFields fields = Read_QR_Panel_Fields();
        const qrpayload::Result built = qrpayload::Build_QR_Payload(title, fields);
        if (!built.payload)
            return;   // the payload stays as it was
        ADV_QR_Fields_Refused = qrpayload::Check_QR_Field_Numbers(title, fields).value_or(QString());
        // A refused value is no payload: the field shows none and nothing takes the refused one.
        const bool refused = !ADV_QR_Fields_Refused.isEmpty();
        Set_Adv_Qr_Final_value(refused ? QString() : *built.payload);
        SEL_QR_DISPLAY_VALUE = refused ? QString() : built.summary;
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
    Save_Last_AQR_Values();
    DRAW_ADV_QR_With_All_Init();
}

QString AdvQrController::Get_Adv_QR_Final_Str_Value() const
{
    return ADV_QR_Final_Payload.isNull() ? QStringLiteral("") : ADV_QR_Final_Payload;
}

void AdvQrController::advancedQrCaptionRefresh()
{
    barcodeMode().setHeader(ADV_QR_HeaderText ? ADV_QR_HeaderText->text() : QString());
    barcodeMode().setFooter(ADV_QR_FooterText ? ADV_QR_FooterText->text() : QString());
    barcodeMode().setHeaderFontSize(float(ADV_QR_header_font.pointSizeF()));
    barcodeMode().setFooterFontSize(float(ADV_QR_footer_font.pointSizeF()));
    Get_ADV_QR_barcode_from_image(true);
}
