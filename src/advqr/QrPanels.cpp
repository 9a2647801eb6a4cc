// The input panels of the message, social, e-mail, contact, meeting, Wi-Fi, location, event,
// UPI and crypto-currency types.

#include "advqr/QrPanels.h"

#include "advqr/QrPayload.h"
#include "core/Utilities.h"

#include "ui_Qr_Bitcoin_Crypto_View_Panel.h"
#include "ui_Qr_Email_View_Panel.h"
#include "ui_Qr_Event_View_Panel.h"
#include "ui_Qr_Location_View_Panel.h"
#include "ui_Qr_Sms_View_Panel.h"
#include "ui_Qr_Social_View_Panel.h"
#include "ui_Qr_UPI_View_Panel.h"
#include "ui_Qr_Wifi_View_Panel.h"
#include "ui_Qr_Zoom_View_Panel.h"
#include "ui_Qr_vCard_View_Panel.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDateEdit>
#include <QDateTime>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimeEdit>

Qr_Sms_View_Panel *Qr_Sms_OBJ = nullptr;
Qr_Social_View_Panel *Qr_Social_OBJ = nullptr;
Qr_Email_View_Panel *Qr_email_OBJ = nullptr;
Qr_vCard_View_Panel *Qr_vcard_OBJ = nullptr;
Qr_Zoom_View_Panel *Qr_Zoom_OBJ = nullptr;
Qr_Wifi_View_Panel *Qr_wifi_OBJ = nullptr;
Qr_Location_View_Panel *Qr_Location_OBJ = nullptr;
Qr_Event_View_Panel *Qr_event_OBJ = nullptr;
Qr_UPI_View_Panel *Qr_upi_OBJ = nullptr;
Qr_Bitcoin_Crypto_View_Panel *Qr_bitcoin_OBJ = nullptr;

namespace {

template <typename T>
void forget(T *&global, T *self)
{
    if (global == self)
        global = nullptr;
}

// ---- Bindings: each names every member of its form in the form's order, so that a widget added to a
// form and not listed fails to compile, then binds the panel's outlets ----

void bindSmsPanel(Qr_Sms_View_Panel &p, const Ui::Qr_Sms_View_Panel &ui)
{
    [[maybe_unused]] const auto &[column, info_message_lbl, num_label, Number_Field, msg_label, Message_field,
                                  bottomStretch] = ui;
    p.info_message_lbl = ui.info_message_lbl;
    p.num_label = ui.num_label;
    p.Number_Field = ui.Number_Field;
    p.msg_label = ui.msg_label;
    p.Message_field = ui.Message_field;
}

void bindSocialPanel(Qr_Social_View_Panel &p, const Ui::Qr_Social_View_Panel &ui)
{
    [[maybe_unused]] const auto &[column, info_message_lbl, URL_label, Open_Url_Btn, bottomStretch] = ui;
    p.info_message_lbl = ui.info_message_lbl;
    p.URL_label = ui.URL_label;
    p.Open_Url_Btn = ui.Open_Url_Btn;
}

void bindEmailPanel(Qr_Email_View_Panel &p, const Ui::Qr_Email_View_Panel &ui)
{
    [[maybe_unused]] const auto &[form, Email_ID_lbl, Email_ID_field, Subject_lbl, Subject_field, Message_lbl,
                                  Message_Field] = ui;
    p.Email_ID_field = ui.Email_ID_field;
    p.Subject_field = ui.Subject_field;
    p.Message_Field = ui.Message_Field;
}

void bindContactPanel(Qr_vCard_View_Panel &p, const Ui::Qr_vCard_View_Panel &ui)
{
    [[maybe_unused]] const auto &[column, detail_buttons, buttonRow, collapse_btn, expand_btn, buttonStretch,
                                  full_details_box, detailsForm, First_Name_lbl, First_Name, Last_Name_lbl, Last_Name,
                                  Mobile_lbl, Mobile, Phone_lbl, Phone, Company_lbl, Company, Position_lbl, Position,
                                  Phone_Work_lbl, Phone_Work, Fax_lbl, Fax, Email_lbl, Email, Email_Work_lbl,
                                  Email_Work, Website_lbl, Website, Street_lbl, Street, City_lbl, City, State_lbl,
                                  State, Zip_lbl, Zip, Country_lbl, Country, bottomStretch] = ui;
    p.collapse_btn = ui.collapse_btn;
    p.expand_btn = ui.expand_btn;
    p.full_details_box = ui.full_details_box;
    p.First_Name = ui.First_Name;
    p.Last_Name = ui.Last_Name;
    p.Mobile = ui.Mobile;
    p.Phone = ui.Phone;
    p.Company = ui.Company;
    p.Position = ui.Position;
    p.Phone_Work = ui.Phone_Work;
    p.Fax = ui.Fax;
    p.Email = ui.Email;
    p.Email_Work = ui.Email_Work;
    p.Website = ui.Website;
    p.Street = ui.Street;
    p.City = ui.City;
    p.State = ui.State;
    p.Zip = ui.Zip;
    p.Country = ui.Country;
}

void bindZoomPanel(Qr_Zoom_View_Panel &p, const Ui::Qr_Zoom_View_Panel &ui)
{
    [[maybe_unused]] const auto &[column, Zoom_URL_radio, URL_Box, urlForm, URL_Path_lbl, URL_Path_Field,
                                  Zoom_Crd_radio, Cred_Box, credForm, ID_lbl, ID_Field, Pwd_lbl, Pwd_Field,
                                  bottomStretch] = ui;
    p.Zoom_URL_radio = ui.Zoom_URL_radio;
    p.URL_Box = ui.URL_Box;
    p.URL_Path_Field = ui.URL_Path_Field;
    p.Zoom_Crd_radio = ui.Zoom_Crd_radio;
    p.Cred_Box = ui.Cred_Box;
    p.ID_Field = ui.ID_Field;
    p.Pwd_Field = ui.Pwd_Field;
}

void bindWifiPanel(Qr_Wifi_View_Panel &p, const Ui::Qr_Wifi_View_Panel &ui)
{
    [[maybe_unused]] const auto &[form, Wifi_Name_lbl, Wifi_Name, wifi_Password_lbl, wifi_Password, encryption_lbl,
                                  encryption, visibility_lbl, visibility, visibilityRow, Visible_radio, hidden_radio,
                                  visibilityStretch] = ui;
    p.Wifi_Name = ui.Wifi_Name;
    p.wifi_Password = ui.wifi_Password;
    p.encryption = ui.encryption;
    p.Visible_radio = ui.Visible_radio;
    p.hidden_radio = ui.hidden_radio;
}

void bindLocationPanel(Qr_Location_View_Panel &p, const Ui::Qr_Location_View_Panel &ui)
{
    [[maybe_unused]] const auto &[column, Loc_URL_radio, URL_Box, urlForm, URL_Path_lbl, URL_Path_Field,
                                  Loc_Cord_radio, Cord_Box, cordForm, Latitude_lbl, Latitude_Field, Longitude_lbl,
                                  Longitude_Field, bottomStretch] = ui;
    p.Loc_URL_radio = ui.Loc_URL_radio;
    p.URL_Box = ui.URL_Box;
    p.URL_Path_Field = ui.URL_Path_Field;
    p.Loc_Cord_radio = ui.Loc_Cord_radio;
    p.Cord_Box = ui.Cord_Box;
    p.Latitude_Field = ui.Latitude_Field;
    p.Longitude_Field = ui.Longitude_Field;
}

void bindEventPanel(Qr_Event_View_Panel &p, const Ui::Qr_Event_View_Panel &ui)
{
    [[maybe_unused]] const auto &[form, event_name_lbl, event_name, event_location_lbl, event_location, Date_From_lbl,
                                  Date_From_Ctrl, Time_From_Ctrl, Date_To_lbl, Date_To_Ctrl, Time_To_Ctrl,
                                  event_description_lbl, event_description] = ui;
    p.event_name = ui.event_name;
    p.event_location = ui.event_location;
    p.event_description = ui.event_description;
    p.Date_From_Ctrl = ui.Date_From_Ctrl;
    p.Date_To_Ctrl = ui.Date_To_Ctrl;
    p.Time_From_Ctrl = ui.Time_From_Ctrl;
    p.Time_To_Ctrl = ui.Time_To_Ctrl;
}

void bindUpiPanel(Qr_UPI_View_Panel &p, const Ui::Qr_UPI_View_Panel &ui)
{
    [[maybe_unused]] const auto &[form, upi_id_lbl, upi_id_field, name_lbl, name_field, amount_lbl, amount_field,
                                  note_lbl, note_field] = ui;
    p.upi_id_field = ui.upi_id_field;
    p.name_field = ui.name_field;
    p.amount_field = ui.amount_field;
    p.note_field = ui.note_field;
}

// The coin cells are read through the group, by id.
void bindCryptoPanel(Qr_Bitcoin_Crypto_View_Panel &p, const Ui::Qr_Bitcoin_Crypto_View_Panel &ui)
{
    [[maybe_unused]] const auto &[column, crypto_type_matrix_view, cells, crypto_type_cell_0, crypto_type_cell_1,
                                  crypto_type_cell_2, crypto_type_cell_3, crypto_type_cell_4, crypto_type_cell_5,
                                  crypto_type_cell_6, crypto_type_cell_7, cellStretch, form, wallet_address_lbl,
                                  wallet_address, amount_lbl, amount_field, recipient_lbl, recipient_field,
                                  message_lbl, message_field, bottomStretch, crypto_type_matrix] = ui;
    p.crypto_type_matrix = ui.crypto_type_matrix;
    p.crypto_type_matrix_view = ui.crypto_type_matrix_view;
    p.wallet_address = ui.wallet_address;
    p.amount_field = ui.amount_field;
    p.recipient_field = ui.recipient_field;
    p.message_field = ui.message_field;
}

} // namespace

// ---- SMS, WhatsApp, coupon ----

Qr_Sms_View_Panel::Qr_Sms_View_Panel(QWidget *parent) : QrPanelBase(parent)
{
    Ui::Qr_Sms_View_Panel ui;
    ui.setupUi(this);
    bindSmsPanel(*this, ui);
    watch(Number_Field);
    watch(Message_field);
    Qr_Sms_OBJ = this;
}

Qr_Sms_View_Panel::~Qr_Sms_View_Panel() { forget(Qr_Sms_OBJ, this); }
Qr_Sms_View_Panel *Qr_Sms_View_Panel::defaultInstance() { return Qr_Sms_OBJ; }

void Qr_Sms_View_Panel::Set_Label_According_Category(const QString &category)
{
    if (category == QLatin1String("Send SMS")) {
        info_message_lbl->setText(QString());
        num_label->setText(QStringLiteral("Phone Number :"));
        msg_label->setText(QStringLiteral("Message :"));
    } else if (category == QLatin1String("WhatsApp")) {
        info_message_lbl->setText(QStringLiteral("(Note: Add country code before number)"));
        num_label->setText(QStringLiteral("WhatsApp Number :"));
        msg_label->setText(QStringLiteral("WhatsApp Message :"));
    } else if (category == QLatin1String("Coupon")) {
        info_message_lbl->setText(QStringLiteral("(Note: Please enter the coupon details)"));
        num_label->setText(QStringLiteral("Coupon Code :"));
        msg_label->setText(QStringLiteral("Offer Details :"));
    }
}

// ---- Social links ----

Qr_Social_View_Panel::Qr_Social_View_Panel(QWidget *parent) : QrPanelBase(parent)
{
    Ui::Qr_Social_View_Panel ui;
    ui.setupUi(this);
    bindSocialPanel(*this, ui);
    watch(URL_label);
    connect(Open_Url_Btn, &QPushButton::clicked, this, &Qr_Social_View_Panel::Open_URL_Clicked);
    Qr_Social_OBJ = this;
}

Qr_Social_View_Panel::~Qr_Social_View_Panel() { forget(Qr_Social_OBJ, this); }
Qr_Social_View_Panel *Qr_Social_View_Panel::defaultInstance() { return Qr_Social_OBJ; }

void Qr_Social_View_Panel::Set_Label_According_Category(const QString &category)
{
    static const QList<QPair<QString, QString>> prompts = {
        {QStringLiteral("Facebook"), QStringLiteral("Enter the link of Facebook Profile, Group or Post:")},
        {QStringLiteral("Snapchat"), QStringLiteral("Enter the link of Snapchat Profile Page / Post:")},
        {QStringLiteral("Threads"), QStringLiteral("Enter the link of Threads Profile Page / Post:")},
        {QStringLiteral("Instagram"), QStringLiteral("Enter the link of Instagram Profile Page or Post:")},
        {QStringLiteral("LinkedIn"), QStringLiteral("Enter the link of LinkedIn Profile Page or Post:")},
        {QStringLiteral("Quora"), QStringLiteral("Enter the link of Quora Profile Page / Post:")},
        {QStringLiteral("X(Twitter)"), QStringLiteral("Enter the link of X(Twitter) Profile Page or Tweet:")},
        {QStringLiteral("Twitter"), QStringLiteral("Enter the link of X(Twitter) Profile Page or Tweet:")},
        {QStringLiteral("YouTube"), QStringLiteral("Enter the link of YouTube Video / Channel:")},
        {QStringLiteral("Telegram"), QStringLiteral("Enter the link of Telegram Profile / Group / Channel:")},
    };
    for (const auto &p : prompts)
        if (p.first == category) {
            info_message_lbl->setText(p.second);
            return;
        }
}

// ---- E-mail ----

Qr_Email_View_Panel::Qr_Email_View_Panel(QWidget *parent) : QrPanelBase(parent)
{
    Ui::Qr_Email_View_Panel ui;
    ui.setupUi(this);
    bindEmailPanel(*this, ui);
    watch(Email_ID_field);
    watch(Subject_field);
    watch(Message_Field);
    Qr_email_OBJ = this;
}

Qr_Email_View_Panel::~Qr_Email_View_Panel() { forget(Qr_email_OBJ, this); }
Qr_Email_View_Panel *Qr_Email_View_Panel::defaultInstance() { return Qr_email_OBJ; }

// ---- Contact card ----

Qr_vCard_View_Panel::Qr_vCard_View_Panel(QWidget *parent) : QrPanelBase(parent)
{
    // The form keeps both buttons hidden: the details are always shown.
    Ui::Qr_vCard_View_Panel ui;
    ui.setupUi(this);
    bindContactPanel(*this, ui);
    for (QLineEdit *f : {First_Name, Last_Name, Mobile, Phone, Company, Position, Phone_Work, Fax, Email, Email_Work,
                         Website, Street, City, State, Zip, Country})
        watch(f);
    connect(collapse_btn, &QPushButton::clicked, this, [this] { Show_Hide_DET_BOX(true); });
    connect(expand_btn, &QPushButton::clicked, this, [this] { Show_Hide_DET_BOX(false); });
    Qr_vcard_OBJ = this;
}

Qr_vCard_View_Panel::~Qr_vCard_View_Panel() { forget(Qr_vcard_OBJ, this); }
Qr_vCard_View_Panel *Qr_vCard_View_Panel::defaultInstance() { return Qr_vcard_OBJ; }

void Qr_vCard_View_Panel::Show_Hide_DET_BOX(bool)
{
    collapse_btn->setHidden(true);
    expand_btn->setHidden(true);
}

// ---- Meeting link ----

Qr_Zoom_View_Panel::Qr_Zoom_View_Panel(QWidget *parent) : QrPanelBase(parent)
{
    // The form starts on the link: the credentials box and everything in it disabled.
    Ui::Qr_Zoom_View_Panel ui;
    ui.setupUi(this);
    bindZoomPanel(*this, ui);
    watch(URL_Path_Field);
    watch(ID_Field);
    watch(Pwd_Field);
    connect(Zoom_URL_radio, &QRadioButton::clicked, this, &Qr_Zoom_View_Panel::URL_radio_Clicked);
    connect(Zoom_Crd_radio, &QRadioButton::clicked, this, &Qr_Zoom_View_Panel::Cred_radio_Clicked);
    Qr_Zoom_OBJ = this;
}

Qr_Zoom_View_Panel::~Qr_Zoom_View_Panel() { forget(Qr_Zoom_OBJ, this); }
Qr_Zoom_View_Panel *Qr_Zoom_View_Panel::defaultInstance() { return Qr_Zoom_OBJ; }

void Qr_Zoom_View_Panel::URL_radio_Clicked()
{
    Zoom_URL_radio->setChecked(true);
    Zoom_Crd_radio->setChecked(false);
    SetObjEnabled(URL_Box, true);
    SetObjEnabled(Cred_Box, false);
    emit edited();
}

void Qr_Zoom_View_Panel::Cred_radio_Clicked()
{
    Zoom_Crd_radio->setChecked(true);
    Zoom_URL_radio->setChecked(false);
    SetObjEnabled(URL_Box, false);
    SetObjEnabled(Cred_Box, true);
    emit edited();
}

// ---- Wi-Fi network ----

Qr_Wifi_View_Panel::Qr_Wifi_View_Panel(QWidget *parent) : QrPanelBase(parent)
{
    Ui::Qr_Wifi_View_Panel ui;
    ui.setupUi(this);
    bindWifiPanel(*this, ui);
    watch(Wifi_Name);
    watch(wifi_Password);
    connect(encryption, &QComboBox::activated, this, &QrPanelBase::edited);
    connect(Visible_radio, &QRadioButton::clicked, this, &Qr_Wifi_View_Panel::Visible_radio_Clicked);
    connect(hidden_radio, &QRadioButton::clicked, this, &Qr_Wifi_View_Panel::hidden_radio_Clicked);
    Qr_wifi_OBJ = this;
}

Qr_Wifi_View_Panel::~Qr_Wifi_View_Panel() { forget(Qr_wifi_OBJ, this); }
Qr_Wifi_View_Panel *Qr_Wifi_View_Panel::defaultInstance() { return Qr_wifi_OBJ; }

void Qr_Wifi_View_Panel::Visible_radio_Clicked()
{
    Visible_radio->setChecked(true);
    hidden_radio->setChecked(false);
    emit edited();
}

void Qr_Wifi_View_Panel::hidden_radio_Clicked()
{
    hidden_radio->setChecked(true);
    Visible_radio->setChecked(false);
    emit edited();
}

// ---- Location ----

Qr_Location_View_Panel::Qr_Location_View_Panel(QWidget *parent) : QrPanelBase(parent)
{
    // The form starts on the link: the coordinates box and everything in it disabled.
    Ui::Qr_Location_View_Panel ui;
    ui.setupUi(this);
    bindLocationPanel(*this, ui);
    watch(URL_Path_Field);
    watch(Latitude_Field);
    watch(Longitude_Field);
    connect(Loc_URL_radio, &QRadioButton::clicked, this, &Qr_Location_View_Panel::URL_radio_Clicked);
    connect(Loc_Cord_radio, &QRadioButton::clicked, this, &Qr_Location_View_Panel::Cord_radio_Clicked);
    Qr_Location_OBJ = this;
}

Qr_Location_View_Panel::~Qr_Location_View_Panel() { forget(Qr_Location_OBJ, this); }
Qr_Location_View_Panel *Qr_Location_View_Panel::defaultInstance() { return Qr_Location_OBJ; }

void Qr_Location_View_Panel::URL_radio_Clicked()
{
    Loc_URL_radio->setChecked(true);
    Loc_Cord_radio->setChecked(false);
    SetObjEnabled(URL_Box, true);
    SetObjEnabled(Cord_Box, false);
    emit edited();
}

void Qr_Location_View_Panel::Cord_radio_Clicked()
{
    Loc_Cord_radio->setChecked(true);
    Loc_URL_radio->setChecked(false);
    SetObjEnabled(URL_Box, false);
    SetObjEnabled(Cord_Box, true);
    emit edited();
}

// ---- Calendar event ----

Qr_Event_View_Panel::Qr_Event_View_Panel(QWidget *parent) : QrPanelBase(parent)
{
    Ui::Qr_Event_View_Panel ui;
    ui.setupUi(this);
    bindEventPanel(*this, ui);
    // The event starts now.
    const QDateTime now = QDateTime::currentDateTime();
    for (QDateEdit *d : {Date_From_Ctrl, Date_To_Ctrl}) {
        d->setDate(now.date());
        connect(d, &QDateEdit::dateChanged, this, &QrPanelBase::edited);
    }
    for (QTimeEdit *t : {Time_From_Ctrl, Time_To_Ctrl}) {
        t->setTime(now.time());
        connect(t, &QTimeEdit::timeChanged, this, &QrPanelBase::edited);
    }
    watch(event_name);
    watch(event_location);
    watch(event_description);
    Qr_event_OBJ = this;
}

Qr_Event_View_Panel::~Qr_Event_View_Panel() { forget(Qr_event_OBJ, this); }
Qr_Event_View_Panel *Qr_Event_View_Panel::defaultInstance() { return Qr_event_OBJ; }

// ---- UPI payment ----

Qr_UPI_View_Panel::Qr_UPI_View_Panel(QWidget *parent) : QrPanelBase(parent)
{
    Ui::Qr_UPI_View_Panel ui;
    ui.setupUi(this);
    bindUpiPanel(*this, ui);
    for (QLineEdit *f : {upi_id_field, name_field, amount_field, note_field})
        watch(f);
    Qr_upi_OBJ = this;
}

Qr_UPI_View_Panel::~Qr_UPI_View_Panel() { forget(Qr_upi_OBJ, this); }
Qr_UPI_View_Panel *Qr_UPI_View_Panel::defaultInstance() { return Qr_upi_OBJ; }

// ---- Crypto-currency payment ----

Qr_Bitcoin_Crypto_View_Panel::Qr_Bitcoin_Crypto_View_Panel(QWidget *parent) : QrPanelBase(parent)
{
    Ui::Qr_Bitcoin_Crypto_View_Panel ui;
    ui.setupUi(this);
    bindCryptoPanel(*this, ui);
    // A coin's id is its column.
    const QList<QRadioButton *> cells = {ui.crypto_type_cell_0, ui.crypto_type_cell_1, ui.crypto_type_cell_2,
                                         ui.crypto_type_cell_3, ui.crypto_type_cell_4, ui.crypto_type_cell_5,
                                         ui.crypto_type_cell_6, ui.crypto_type_cell_7};
    for (int column = 0; column < cells.size(); ++column)
        crypto_type_matrix->setId(cells.at(column), column);
    for (QLineEdit *f : {wallet_address, amount_field, recipient_field, message_field})
        watch(f);
    connect(crypto_type_matrix, &QButtonGroup::idClicked, this, &QrPanelBase::edited);
    Qr_bitcoin_OBJ = this;
}

Qr_Bitcoin_Crypto_View_Panel::~Qr_Bitcoin_Crypto_View_Panel() { forget(Qr_bitcoin_OBJ, this); }
Qr_Bitcoin_Crypto_View_Panel *Qr_Bitcoin_Crypto_View_Panel::defaultInstance() { return Qr_bitcoin_OBJ; }

// ---- The fields of every panel ----

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
