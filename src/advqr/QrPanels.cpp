// The input panels of the message, social, e-mail, contact, meeting, Wi-Fi, location, event,
// UPI and crypto-currency types.

#include "advqr/QrPanels.h"

#include "core/Utilities.h"
#include "platform/FormBuilder.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDateEdit>
#include <QDateTime>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimeEdit>
#include <QVBoxLayout>

using namespace platform::ui;

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

QLabel *caption(QWidget *parent, const char *name, const QString &text)
{
    QLabel *l = label(parent, name, text);
    l->setWordWrap(true);
    return l;
}

} // namespace

// ---- SMS, WhatsApp, coupon ----

Qr_Sms_View_Panel::Qr_Sms_View_Panel(QWidget *parent) : QrPanelBase(parent)
{
    setObjectName(QStringLiteral("Qr_SMS"));
    auto *column = new QVBoxLayout(this);
    info_message_lbl = caption(this, "info_message_lbl", QString());
    num_label = label(this, "num_label", QStringLiteral("Phone Number :"));
    Number_Field = field(this, "Number_Field");
    msg_label = label(this, "msg_label", QStringLiteral("Message :"));
    Message_field = textView(this, "Message_field");
    Message_field->setMinimumHeight(100);
    for (QWidget *w : {static_cast<QWidget *>(info_message_lbl), static_cast<QWidget *>(num_label),
                       static_cast<QWidget *>(Number_Field), static_cast<QWidget *>(msg_label),
                       static_cast<QWidget *>(Message_field)})
        column->addWidget(w);
    column->addStretch(1);
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
    setObjectName(QStringLiteral("Qr_Social"));
    auto *column = new QVBoxLayout(this);
    info_message_lbl = caption(this, "info_message_lbl", QString());
    URL_label = field(this, "URL_label");
    Open_Url_Btn = button(this, "Open_Url_Btn", QStringLiteral("Open URL"));
    column->addWidget(info_message_lbl);
    column->addWidget(URL_label);
    column->addWidget(Open_Url_Btn, 0, Qt::AlignLeft);
    column->addStretch(1);
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
    setObjectName(QStringLiteral("Qr_Email"));
    auto *form = new QFormLayout(this);
    Email_ID_field = field(this, "Email_ID_field");
    Subject_field = field(this, "Subject_field");
    Message_Field = textView(this, "Message_Field");
    Message_Field->setMinimumHeight(100);
    form->addRow(QStringLiteral("E-mail :"), Email_ID_field);
    form->addRow(QStringLiteral("Subject :"), Subject_field);
    form->addRow(QStringLiteral("Message :"), Message_Field);
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
    setObjectName(QStringLiteral("Qr_vCard"));
    auto *column = new QVBoxLayout(this);
    auto *buttons = new QWidget(this);
    auto *buttonRow = new QHBoxLayout(buttons);
    buttonRow->setContentsMargins(0, 0, 0, 0);
    collapse_btn = button(buttons, "collapse_btn", QStringLiteral("Less"));
    expand_btn = button(buttons, "expand_btn", QStringLiteral("More"));
    buttonRow->addWidget(collapse_btn);
    buttonRow->addWidget(expand_btn);
    buttonRow->addStretch(1);
    column->addWidget(buttons);
    full_details_box = box(this, "full_details_box", QStringLiteral("Contact Details"));
    auto *form = new QFormLayout(full_details_box);
    struct Entry {
        QLineEdit *Qr_vCard_View_Panel::*field;
        const char *name;
        const char *title;
    };
    static const Entry entries[] = {
        {&Qr_vCard_View_Panel::First_Name, "First_Name", "First Name :"},
        {&Qr_vCard_View_Panel::Last_Name, "Last_Name", "Last Name :"},
        {&Qr_vCard_View_Panel::Mobile, "Mobile", "Mobile :"},
        {&Qr_vCard_View_Panel::Phone, "Phone", "Phone :"},
        {&Qr_vCard_View_Panel::Company, "Company", "Company :"},
        {&Qr_vCard_View_Panel::Position, "Position", "Position :"},
        {&Qr_vCard_View_Panel::Phone_Work, "Phone_Work", "Phone (Work) :"},
        {&Qr_vCard_View_Panel::Fax, "Fax", "Fax :"},
        {&Qr_vCard_View_Panel::Email, "Email", "Email :"},
        {&Qr_vCard_View_Panel::Email_Work, "Email_Work", "Email (Work) :"},
        {&Qr_vCard_View_Panel::Website, "Website", "Website :"},
        {&Qr_vCard_View_Panel::Street, "Street", "Street :"},
        {&Qr_vCard_View_Panel::City, "City", "City :"},
        {&Qr_vCard_View_Panel::State, "State", "State :"},
        {&Qr_vCard_View_Panel::Zip, "Zip", "Zip :"},
        {&Qr_vCard_View_Panel::Country, "Country", "Country :"},
    };
    for (const Entry &e : entries) {
        QLineEdit *f = field(full_details_box, e.name);
        this->*(e.field) = f;
        form->addRow(QString::fromLatin1(e.title), f);
        watch(f);
    }
    column->addWidget(full_details_box);
    column->addStretch(1);
    connect(collapse_btn, &QPushButton::clicked, this, [this] { Show_Hide_DET_BOX(true); });
    connect(expand_btn, &QPushButton::clicked, this, [this] { Show_Hide_DET_BOX(false); });
    Show_Hide_DET_BOX(true);
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
    setObjectName(QStringLiteral("Qr_Zoom"));
    auto *column = new QVBoxLayout(this);
    Zoom_URL_radio = radio(this, "Zoom_URL_radio", QStringLiteral("Meeting URL"));
    Zoom_Crd_radio = radio(this, "Zoom_Crd_radio", QStringLiteral("Meeting ID and Password"));
    Zoom_URL_radio->setChecked(true);
    URL_Box = box(this, "URL_Box", QString());
    auto *urlForm = new QFormLayout(URL_Box);
    URL_Path_Field = field(URL_Box, "URL_Path_Field");
    urlForm->addRow(QStringLiteral("URL :"), URL_Path_Field);
    Cred_Box = box(this, "Cred_Box", QString());
    auto *credForm = new QFormLayout(Cred_Box);
    ID_Field = field(Cred_Box, "ID_Field");
    Pwd_Field = field(Cred_Box, "Pwd_Field");
    credForm->addRow(QStringLiteral("Meeting ID :"), ID_Field);
    credForm->addRow(QStringLiteral("Password :"), Pwd_Field);
    column->addWidget(Zoom_URL_radio);
    column->addWidget(URL_Box);
    column->addWidget(Zoom_Crd_radio);
    column->addWidget(Cred_Box);
    column->addStretch(1);
    SetObjEnabled(Cred_Box, false);
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
    setObjectName(QStringLiteral("Qr_Wifi"));
    auto *form = new QFormLayout(this);
    Wifi_Name = field(this, "Wifi_Name");
    wifi_Password = field(this, "wifi_Password");
    encryption = combo(this, "encryption",
                       {QStringLiteral("No Encryption"), QStringLiteral("WEP"), QStringLiteral("WPA/WPA2")});
    encryption->setCurrentIndex(0);
    auto *visibility = new QWidget(this);
    auto *row = new QHBoxLayout(visibility);
    row->setContentsMargins(0, 0, 0, 0);
    Visible_radio = radio(visibility, "Visible_radio", QStringLiteral("Visible"));
    hidden_radio = radio(visibility, "hidden_radio", QStringLiteral("Hidden"));
    Visible_radio->setChecked(true);
    row->addWidget(Visible_radio);
    row->addWidget(hidden_radio);
    row->addStretch(1);
    form->addRow(QStringLiteral("Network Name :"), Wifi_Name);
    form->addRow(QStringLiteral("Password :"), wifi_Password);
    form->addRow(QStringLiteral("Encryption :"), encryption);
    form->addRow(QStringLiteral("Network :"), visibility);
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
    setObjectName(QStringLiteral("Qr_Location"));
    auto *column = new QVBoxLayout(this);
    Loc_URL_radio = radio(this, "Loc_URL_radio", QStringLiteral("Location URL"));
    Loc_Cord_radio = radio(this, "Loc_Cord_radio", QStringLiteral("Coordinates"));
    Loc_URL_radio->setChecked(true);
    URL_Box = box(this, "URL_Box", QString());
    auto *urlForm = new QFormLayout(URL_Box);
    URL_Path_Field = field(URL_Box, "URL_Path_Field");
    urlForm->addRow(QStringLiteral("URL :"), URL_Path_Field);
    Cord_Box = box(this, "Cord_Box", QString());
    auto *cordForm = new QFormLayout(Cord_Box);
    Latitude_Field = field(Cord_Box, "Latitude_Field");
    Longitude_Field = field(Cord_Box, "Longitude_Field");
    cordForm->addRow(QStringLiteral("Latitude :"), Latitude_Field);
    cordForm->addRow(QStringLiteral("Longitude :"), Longitude_Field);
    column->addWidget(Loc_URL_radio);
    column->addWidget(URL_Box);
    column->addWidget(Loc_Cord_radio);
    column->addWidget(Cord_Box);
    column->addStretch(1);
    SetObjEnabled(Cord_Box, false);
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
    setObjectName(QStringLiteral("Qr_Event"));
    auto *form = new QFormLayout(this);
    event_name = field(this, "event_name");
    event_location = field(this, "event_location");
    event_description = field(this, "event_description");
    const QDateTime now = QDateTime::currentDateTime();
    Date_From_Ctrl = make<QDateEdit>(this, "Date_From_Ctrl");
    Date_To_Ctrl = make<QDateEdit>(this, "Date_To_Ctrl");
    Time_From_Ctrl = make<QTimeEdit>(this, "Time_From_Ctrl");
    Time_To_Ctrl = make<QTimeEdit>(this, "Time_To_Ctrl");
    for (QDateEdit *d : {Date_From_Ctrl, Date_To_Ctrl}) {
        d->setCalendarPopup(true);
        d->setDate(now.date());
        connect(d, &QDateEdit::dateChanged, this, &QrPanelBase::edited);
    }
    for (QTimeEdit *t : {Time_From_Ctrl, Time_To_Ctrl}) {
        t->setTime(now.time());
        connect(t, &QTimeEdit::timeChanged, this, &QrPanelBase::edited);
    }
    form->addRow(QStringLiteral("Event Name :"), event_name);
    form->addRow(QStringLiteral("Location :"), event_location);
    form->addRow(QStringLiteral("From :"), Date_From_Ctrl);
    form->addRow(QString(), Time_From_Ctrl);
    form->addRow(QStringLiteral("To :"), Date_To_Ctrl);
    form->addRow(QString(), Time_To_Ctrl);
    form->addRow(QStringLiteral("Description :"), event_description);
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
    setObjectName(QStringLiteral("Qr_UPI"));
    auto *form = new QFormLayout(this);
    upi_id_field = field(this, "upi_id_field");
    name_field = field(this, "name_field");
    amount_field = field(this, "amount_field");
    note_field = field(this, "note_field");
    form->addRow(QStringLiteral("UPI ID :"), upi_id_field);
    form->addRow(QStringLiteral("Name :"), name_field);
    form->addRow(QStringLiteral("Amount :"), amount_field);
    form->addRow(QStringLiteral("Note :"), note_field);
    for (QLineEdit *f : {upi_id_field, name_field, amount_field, note_field})
        watch(f);
    Qr_upi_OBJ = this;
}

Qr_UPI_View_Panel::~Qr_UPI_View_Panel() { forget(Qr_upi_OBJ, this); }
Qr_UPI_View_Panel *Qr_UPI_View_Panel::defaultInstance() { return Qr_upi_OBJ; }

// ---- Crypto-currency payment ----

Qr_Bitcoin_Crypto_View_Panel::Qr_Bitcoin_Crypto_View_Panel(QWidget *parent) : QrPanelBase(parent)
{
    setObjectName(QStringLiteral("Qr_Bitcoin"));
    auto *column = new QVBoxLayout(this);
    crypto_type_matrix_view = make<QWidget>(this, "crypto_type_matrix_view");
    auto *cells = new QHBoxLayout(crypto_type_matrix_view);
    cells->setContentsMargins(0, 0, 0, 0);
    crypto_type_matrix = new QButtonGroup(crypto_type_matrix_view);
    crypto_type_matrix->setObjectName(QStringLiteral("crypto_type_matrix"));
    const QStringList coins = {QStringLiteral("USDT"), QStringLiteral("ETH"), QStringLiteral("BCH"),
                               QStringLiteral("LTC"), QStringLiteral("DASH"), QStringLiteral("DOGE"),
                               QStringLiteral("BNB"), QStringLiteral("XRP")};
    for (int column_ = 0; column_ < coins.size(); ++column_) {
        const QByteArray name = "crypto_type_cell_" + QByteArray::number(column_);
        QRadioButton *cell = radio(crypto_type_matrix_view, name.constData(), coins.at(column_));
        crypto_type_matrix->addButton(cell, column_);
        cells->addWidget(cell);
    }
    crypto_type_matrix->button(0)->setChecked(true);
    cells->addStretch(1);
    column->addWidget(crypto_type_matrix_view);
    auto *form = new QFormLayout;
    wallet_address = field(this, "wallet_address");
    amount_field = field(this, "amount_field");
    recipient_field = field(this, "recipient_field");
    message_field = field(this, "message_field");
    form->addRow(QStringLiteral("Wallet Address :"), wallet_address);
    form->addRow(QStringLiteral("Amount :"), amount_field);
    form->addRow(QStringLiteral("Recipient :"), recipient_field);
    form->addRow(QStringLiteral("Message :"), message_field);
    column->addLayout(form);
    column->addStretch(1);
    for (QLineEdit *f : {wallet_address, amount_field, recipient_field, message_field})
        watch(f);
    connect(crypto_type_matrix, &QButtonGroup::idClicked, this, &QrPanelBase::edited);
    Qr_bitcoin_OBJ = this;
}

Qr_Bitcoin_Crypto_View_Panel::~Qr_Bitcoin_Crypto_View_Panel() { forget(Qr_bitcoin_OBJ, this); }
Qr_Bitcoin_Crypto_View_Panel *Qr_Bitcoin_Crypto_View_Panel::defaultInstance() { return Qr_bitcoin_OBJ; }
