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
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTimeEdit>

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
