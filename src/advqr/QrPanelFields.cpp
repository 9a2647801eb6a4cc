// The fields of the eleven type panels, read through their globals into the payload builder's input.

#include "advqr/QrPanelFields.h"

#include "advqr/QrPayload.h"
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

#include <QButtonGroup>
#include <QGroupBox>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTimeEdit>
#include <QAbstractButton>
#include <QDateTime>
#include <QSignalBlocker>

#include "core/Utilities.h"

qrpayload::QrFields Read_QR_Panel_Fields()
{
    qrpayload::QrFields f;
    if (const Qr_Text_View_Panel *p = Qr_Text_OBJ)
        f.text = {p->Text_Field->toPlainText(), p->Call_Value_field->text(), p->URL_Value_field->text()};
    if (const Qr_Sms_View_Panel *p = Qr_Sms_OBJ)
        f.sms = {p->Number_Field->text(), p->Message_field->toPlainText()};
    if (const Qr_Social_View_Panel *p = Qr_Social_OBJ)
        f.social = {p->URL_label->text()};
    if (const Qr_Email_View_Panel *p = Qr_email_OBJ)
        f.email = {p->Email_ID_field->text(), p->Subject_field->text(), p->Message_Field->toPlainText()};
    if (const Qr_vCard_View_Panel *p = Qr_vcard_OBJ)
        f.vcard = {p->First_Name->text(), p->Last_Name->text(),  p->Mobile->text(),     p->Phone->text(),
                   p->Company->text(),    p->Position->text(),   p->Phone_Work->text(), p->Fax->text(),
                   p->Email->text(),      p->Website->text(),    p->Email_Work->text(), p->Street->text(),
                   p->City->text(),       p->State->text(),      p->Zip->text(),        p->Country->text()};
    if (const Qr_Zoom_View_Panel *p = Qr_Zoom_OBJ)
        f.zoom = {p->Zoom_URL_radio->isChecked(), p->URL_Path_Field->text(), p->ID_Field->text(), p->Pwd_Field->text()};
    if (const Qr_Wifi_View_Panel *p = Qr_wifi_OBJ)
        f.wifi = {p->Wifi_Name->text(), p->wifi_Password->text(), p->encryption->currentIndex(),
                  p->encryption->currentText(), p->hidden_radio->isChecked()};
    if (const Qr_Location_View_Panel *p = Qr_Location_OBJ)
        f.location = {p->Loc_URL_radio->isChecked(), p->URL_Path_Field->text(), p->Latitude_Field->text(),
                      p->Longitude_Field->text()};
    if (const Qr_Event_View_Panel *p = Qr_event_OBJ)
        f.event = {p->event_name->text(),     p->event_location->text(), p->event_description->text(),
                   p->Date_From_Ctrl->date(), p->Date_To_Ctrl->date(),   p->Time_From_Ctrl->time(),
                   p->Time_To_Ctrl->time()};
    if (const Qr_UPI_View_Panel *p = Qr_upi_OBJ)
        f.upi = {p->upi_id_field->text(), p->name_field->text(), p->amount_field->text(), p->note_field->text()};
    if (const Qr_Bitcoin_Crypto_View_Panel *p = Qr_bitcoin_OBJ)
        f.crypto = {p->crypto_type_matrix->checkedId(), p->wallet_address->text(), p->amount_field->text(),
                    p->recipient_field->text(), p->message_field->text()};
    return f;
}

namespace {

void put(QLineEdit *field, const QString &text)
{
    const QSignalBlocker block(field);
    field->setText(text);
}

void put(QPlainTextEdit *view, const QString &text)
{
    const QSignalBlocker block(view);
    view->setPlainText(text);
}

// A radio pair with its two boxes, as the panel's own radio handlers leave them.
void choose(QRadioButton *on, QRadioButton *off, QWidget *enabledBox, QWidget *disabledBox)
{
    const QSignalBlocker a(on), b(off);
    on->setChecked(true);
    off->setChecked(false);
    SetObjEnabled(enabledBox, true);
    SetObjEnabled(disabledBox, false);
}

bool wanted(qrpayload::QrPanel which, qrpayload::QrPanel panel)
{
    return which == qrpayload::QrPanel::None || which == panel;
}

} // namespace

void Write_QR_Panel_Fields(const qrpayload::QrFields &f, qrpayload::QrPanel which)
{
    using qrpayload::QrPanel;
    if (Qr_Text_View_Panel *p = Qr_Text_OBJ; p && wanted(which, QrPanel::Text)) {
        const QSignalBlocker block(p);
        put(p->Text_Field, f.text.Text_Field);
        put(p->Call_Value_field, f.text.Call_Value_field);
        put(p->URL_Value_field, f.text.URL_Value_field);
    }
    if (Qr_Sms_View_Panel *p = Qr_Sms_OBJ; p && wanted(which, QrPanel::Sms)) {
        put(p->Number_Field, f.sms.Number_Field);
        put(p->Message_field, f.sms.Message_field);
    }
    if (Qr_Social_View_Panel *p = Qr_Social_OBJ; p && wanted(which, QrPanel::Social))
        put(p->URL_label, f.social.URL_label);
    if (Qr_Email_View_Panel *p = Qr_email_OBJ; p && wanted(which, QrPanel::Email)) {
        put(p->Email_ID_field, f.email.Email_ID_field);
        put(p->Subject_field, f.email.Subject_field);
        put(p->Message_Field, f.email.Message_Field);
    }
    if (Qr_vCard_View_Panel *p = Qr_vcard_OBJ; p && wanted(which, QrPanel::VCard)) {
        const auto &v = f.vcard;
        const QList<QPair<QLineEdit *, QString>> fields = {
            {p->First_Name, v.First_Name}, {p->Last_Name, v.Last_Name},   {p->Mobile, v.Mobile},
            {p->Phone, v.Phone},           {p->Company, v.Company},       {p->Position, v.Position},
            {p->Phone_Work, v.Phone_Work}, {p->Fax, v.Fax},               {p->Email, v.Email},
            {p->Website, v.Website},       {p->Email_Work, v.Email_Work}, {p->Street, v.Street},
            {p->City, v.City},             {p->State, v.State},           {p->Zip, v.Zip},
            {p->Country, v.Country}};
        for (const auto &field : fields)
            put(field.first, field.second);
    }
    if (Qr_Zoom_View_Panel *p = Qr_Zoom_OBJ; p && wanted(which, QrPanel::Zoom)) {
        if (f.zoom.Zoom_URL_radio)
            choose(p->Zoom_URL_radio, p->Zoom_Crd_radio, p->URL_Box, p->Cred_Box);
        else
            choose(p->Zoom_Crd_radio, p->Zoom_URL_radio, p->Cred_Box, p->URL_Box);
        put(p->URL_Path_Field, f.zoom.URL_Path_Field);
        put(p->ID_Field, f.zoom.ID_Field);
        put(p->Pwd_Field, f.zoom.Pwd_Field);
    }
    if (Qr_Wifi_View_Panel *p = Qr_wifi_OBJ; p && wanted(which, QrPanel::Wifi)) {
        put(p->Wifi_Name, f.wifi.Wifi_Name);
        put(p->wifi_Password, f.wifi.wifi_Password);
        {
            const QSignalBlocker block(p->encryption);
            p->encryption->setCurrentIndex(f.wifi.encryption >= 0 && f.wifi.encryption < p->encryption->count()
                                               ? f.wifi.encryption
                                               : 0);
        }
        const QSignalBlocker a(p->Visible_radio), b(p->hidden_radio);
        p->hidden_radio->setChecked(f.wifi.hidden_radio);
        p->Visible_radio->setChecked(!f.wifi.hidden_radio);
    }
    if (Qr_Location_View_Panel *p = Qr_Location_OBJ; p && wanted(which, QrPanel::Location)) {
        if (f.location.Loc_URL_radio)
            choose(p->Loc_URL_radio, p->Loc_Cord_radio, p->URL_Box, p->Cord_Box);
        else
            choose(p->Loc_Cord_radio, p->Loc_URL_radio, p->Cord_Box, p->URL_Box);
        put(p->URL_Path_Field, f.location.URL_Path_Field);
        put(p->Latitude_Field, f.location.Latitude_Field);
        put(p->Longitude_Field, f.location.Longitude_Field);
    }
    if (Qr_Event_View_Panel *p = Qr_event_OBJ; p && wanted(which, QrPanel::Event)) {
        put(p->event_name, f.event.event_name);
        put(p->event_location, f.event.event_location);
        put(p->event_description, f.event.event_description);
        const QSignalBlocker a(p->Date_From_Ctrl), b(p->Date_To_Ctrl), c(p->Time_From_Ctrl), d(p->Time_To_Ctrl);
        if (f.event.Date_From_Ctrl.isValid()) p->Date_From_Ctrl->setDate(f.event.Date_From_Ctrl);
        if (f.event.Date_To_Ctrl.isValid()) p->Date_To_Ctrl->setDate(f.event.Date_To_Ctrl);
        if (f.event.Time_From_Ctrl.isValid()) p->Time_From_Ctrl->setTime(f.event.Time_From_Ctrl);
        if (f.event.Time_To_Ctrl.isValid()) p->Time_To_Ctrl->setTime(f.event.Time_To_Ctrl);
    }
    if (Qr_UPI_View_Panel *p = Qr_upi_OBJ; p && wanted(which, QrPanel::Upi)) {
        put(p->upi_id_field, f.upi.upi_id_field);
        put(p->name_field, f.upi.name_field);
        put(p->amount_field, f.upi.amount_field);
        put(p->note_field, f.upi.note_field);
    }
    if (Qr_Bitcoin_Crypto_View_Panel *p = Qr_bitcoin_OBJ; p && wanted(which, QrPanel::Crypto)) {
        const int column = f.crypto.crypto_type_matrix >= 0 && f.crypto.crypto_type_matrix < 8 ? f.crypto.crypto_type_matrix : 0;
        if (QAbstractButton *cell = p->crypto_type_matrix->button(column)) {
            const QSignalBlocker block(cell);
            cell->setChecked(true);
        }
        put(p->wallet_address, f.crypto.wallet_address);
        put(p->amount_field, f.crypto.amount_field);
        put(p->recipient_field, f.crypto.recipient_field);
        put(p->message_field, f.crypto.message_field);
    }
}

void Empty_QR_Panels()
{
    qrpayload::QrFields start;
    start.text.Text_Field = QStringLiteral("Sample Text");
    start.wifi.encryption = 0;
    const QDateTime now = QDateTime::currentDateTime();
    start.event.Date_From_Ctrl = start.event.Date_To_Ctrl = now.date();
    start.event.Time_From_Ctrl = start.event.Time_To_Ctrl = now.time();
    Write_QR_Panel_Fields(start, qrpayload::QrPanel::None);
}

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

void Configure_QR_Type_Panel(const QString &title)
{
    const qrpayload::QrPanel panel = qrpayload::Panel_For_Title(title);
    if (Qr_Text_OBJ && panel == qrpayload::QrPanel::Text) {
        const QString prompt = textPanelPrompt(title);
        if (!prompt.isEmpty())
            Qr_Text_OBJ->heading_label->setText(prompt);
        const bool textOrCall = title == QLatin1String("Text") || title == QLatin1String("Call");
        Qr_Text_OBJ->Show_Hide_Open_URL_Button(textOrCall, title);
    }
    if (Qr_Sms_OBJ && panel == qrpayload::QrPanel::Sms)
        Qr_Sms_OBJ->Set_Label_According_Category(title);
    if (Qr_Social_OBJ && panel == qrpayload::QrPanel::Social)
        Qr_Social_OBJ->Set_Label_According_Category(title);
    if (Qr_bitcoin_OBJ && panel == qrpayload::QrPanel::Crypto)
        Qr_bitcoin_OBJ->crypto_type_matrix_view->setHidden(title == QLatin1String("Bitcoin"));
}


QrPanelBase *QR_Panel_Of(qrpayload::QrPanel panel)
{
    using qrpayload::QrPanel;
    switch (panel) {
    case QrPanel::Text: return Qr_Text_OBJ;
    case QrPanel::Sms: return Qr_Sms_OBJ;
    case QrPanel::Social: return Qr_Social_OBJ;
    case QrPanel::Email: return Qr_email_OBJ;
    case QrPanel::VCard: return Qr_vcard_OBJ;
    case QrPanel::Zoom: return Qr_Zoom_OBJ;
    case QrPanel::Wifi: return Qr_wifi_OBJ;
    case QrPanel::Location: return Qr_Location_OBJ;
    case QrPanel::Event: return Qr_event_OBJ;
    case QrPanel::Upi: return Qr_upi_OBJ;
    case QrPanel::Crypto: return Qr_bitcoin_OBJ;
    case QrPanel::None: break;
    }
    return nullptr;
}
