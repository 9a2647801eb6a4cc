#pragma once
// The input panels of the QR payload types. Each class has one instance for the process, published
// in its global; the Advanced QR mode and the payload editor both show it. Every edit made by the
// user in a panel is announced with edited(), after which the payload is rebuilt.

#include <QWidget>

class QButtonGroup;
class QComboBox;
class QDateEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTimeEdit;
namespace qrpayload {
struct QrFields;
}

class QrPanelBase : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

signals:
    void edited();

protected:
    // Announces the user's edits of the field (code that sets its text sends nothing).
    void watch(QLineEdit *field);
    void watch(QPlainTextEdit *view);
};

class Qr_Text_View_Panel : public QrPanelBase {
    Q_OBJECT
public:
    explicit Qr_Text_View_Panel(QWidget *parent = nullptr);
    ~Qr_Text_View_Panel() override;
    static Qr_Text_View_Panel *defaultInstance();

    // Hides (true) or shows the open-link button, and shows the input field of the type: the text
    // view for "Text", the phone field for "Call", the link field for every other title.
    void Show_Hide_Open_URL_Button(bool hide, const QString &category);
    // Opens the built payload as a link; an empty link field is refused.
    void Open_URL_Clicked();

    QLabel *heading_label = nullptr;
    QWidget *Text_Scroll_View = nullptr;
    QPlainTextEdit *Text_Field = nullptr;
    QLineEdit *Call_Value_field = nullptr;
    QLineEdit *URL_Value_field = nullptr;
    QPushButton *Open_Url_Btn = nullptr;
};

class Qr_Sms_View_Panel : public QrPanelBase {
    Q_OBJECT
public:
    explicit Qr_Sms_View_Panel(QWidget *parent = nullptr);
    ~Qr_Sms_View_Panel() override;
    static Qr_Sms_View_Panel *defaultInstance();
    // The labels of "Send SMS", "WhatsApp" and "Coupon"; other titles leave them.
    void Set_Label_According_Category(const QString &category);

    QLabel *info_message_lbl = nullptr;
    QLabel *num_label = nullptr;
    QLabel *msg_label = nullptr;
    QLineEdit *Number_Field = nullptr;
    QPlainTextEdit *Message_field = nullptr;
};

class Qr_Social_View_Panel : public QrPanelBase {
    Q_OBJECT
public:
    explicit Qr_Social_View_Panel(QWidget *parent = nullptr);
    ~Qr_Social_View_Panel() override;
    static Qr_Social_View_Panel *defaultInstance();
    // The prompt of each social type; other titles leave it.
    void Set_Label_According_Category(const QString &category);
    void Open_URL_Clicked();

    QLabel *info_message_lbl = nullptr;
    QLineEdit *URL_label = nullptr;
    QPushButton *Open_Url_Btn = nullptr;
};

class Qr_Email_View_Panel : public QrPanelBase {
    Q_OBJECT
public:
    explicit Qr_Email_View_Panel(QWidget *parent = nullptr);
    ~Qr_Email_View_Panel() override;
    static Qr_Email_View_Panel *defaultInstance();

    QLineEdit *Email_ID_field = nullptr;
    QLineEdit *Subject_field = nullptr;
    QPlainTextEdit *Message_Field = nullptr;
};

class Qr_vCard_View_Panel : public QrPanelBase {
    Q_OBJECT
public:
    explicit Qr_vCard_View_Panel(QWidget *parent = nullptr);
    ~Qr_vCard_View_Panel() override;
    static Qr_vCard_View_Panel *defaultInstance();
    // Both buttons stay hidden whatever the flag: the details are always shown.
    void Show_Hide_DET_BOX(bool flag);

    QLineEdit *First_Name = nullptr, *Last_Name = nullptr, *Mobile = nullptr, *Phone = nullptr, *Company = nullptr,
              *Position = nullptr, *Phone_Work = nullptr, *Fax = nullptr, *Email = nullptr, *Website = nullptr,
              *Email_Work = nullptr, *Street = nullptr, *City = nullptr, *State = nullptr, *Zip = nullptr,
              *Country = nullptr;
    QPushButton *collapse_btn = nullptr;
    QPushButton *expand_btn = nullptr;
    QGroupBox *full_details_box = nullptr;
};

class Qr_Zoom_View_Panel : public QrPanelBase {
    Q_OBJECT
public:
    explicit Qr_Zoom_View_Panel(QWidget *parent = nullptr);
    ~Qr_Zoom_View_Panel() override;
    static Qr_Zoom_View_Panel *defaultInstance();
    void URL_radio_Clicked();
    void Cred_radio_Clicked();

    QRadioButton *Zoom_URL_radio = nullptr;
    QRadioButton *Zoom_Crd_radio = nullptr;
    QGroupBox *URL_Box = nullptr;
    QLineEdit *URL_Path_Field = nullptr;
    QGroupBox *Cred_Box = nullptr;
    QLineEdit *ID_Field = nullptr;
    QLineEdit *Pwd_Field = nullptr;
};

class Qr_Wifi_View_Panel : public QrPanelBase {
    Q_OBJECT
public:
    explicit Qr_Wifi_View_Panel(QWidget *parent = nullptr);
    ~Qr_Wifi_View_Panel() override;
    static Qr_Wifi_View_Panel *defaultInstance();
    void Visible_radio_Clicked();
    void hidden_radio_Clicked();

    QLineEdit *Wifi_Name = nullptr;
    QLineEdit *wifi_Password = nullptr;
    QComboBox *encryption = nullptr;
    QRadioButton *Visible_radio = nullptr;
    QRadioButton *hidden_radio = nullptr;
};

class Qr_Location_View_Panel : public QrPanelBase {
    Q_OBJECT
public:
    explicit Qr_Location_View_Panel(QWidget *parent = nullptr);
    ~Qr_Location_View_Panel() override;
    static Qr_Location_View_Panel *defaultInstance();
    void URL_radio_Clicked();
    void Cord_radio_Clicked();

    QRadioButton *Loc_URL_radio = nullptr;
    QRadioButton *Loc_Cord_radio = nullptr;
    QGroupBox *URL_Box = nullptr;
    QLineEdit *URL_Path_Field = nullptr;
    QGroupBox *Cord_Box = nullptr;
    QLineEdit *Latitude_Field = nullptr;
    QLineEdit *Longitude_Field = nullptr;
};

class Qr_Event_View_Panel : public QrPanelBase {
    Q_OBJECT
public:
    explicit Qr_Event_View_Panel(QWidget *parent = nullptr);
    ~Qr_Event_View_Panel() override;
    static Qr_Event_View_Panel *defaultInstance();

    QLineEdit *event_name = nullptr;
    QLineEdit *event_location = nullptr;
    QLineEdit *event_description = nullptr;
    QDateEdit *Date_From_Ctrl = nullptr;
    QDateEdit *Date_To_Ctrl = nullptr;
    QTimeEdit *Time_From_Ctrl = nullptr;
    QTimeEdit *Time_To_Ctrl = nullptr;
};

class Qr_UPI_View_Panel : public QrPanelBase {
    Q_OBJECT
public:
    explicit Qr_UPI_View_Panel(QWidget *parent = nullptr);
    ~Qr_UPI_View_Panel() override;
    static Qr_UPI_View_Panel *defaultInstance();

    QLineEdit *upi_id_field = nullptr;
    QLineEdit *name_field = nullptr;
    QLineEdit *amount_field = nullptr;
    QLineEdit *note_field = nullptr;
};

class Qr_Bitcoin_Crypto_View_Panel : public QrPanelBase {
    Q_OBJECT
public:
    explicit Qr_Bitcoin_Crypto_View_Panel(QWidget *parent = nullptr);
    ~Qr_Bitcoin_Crypto_View_Panel() override;
    static Qr_Bitcoin_Crypto_View_Panel *defaultInstance();
    // The coin cells in one row, read by column.
    QButtonGroup *crypto_type_matrix = nullptr;
    QWidget *crypto_type_matrix_view = nullptr;

    QLineEdit *wallet_address = nullptr;
    QLineEdit *amount_field = nullptr;
    QLineEdit *recipient_field = nullptr;
    QLineEdit *message_field = nullptr;
};

// The single instances, null until made.
extern Qr_Text_View_Panel *Qr_Text_OBJ;
extern Qr_Sms_View_Panel *Qr_Sms_OBJ;
extern Qr_Social_View_Panel *Qr_Social_OBJ;
extern Qr_Email_View_Panel *Qr_email_OBJ;
extern Qr_vCard_View_Panel *Qr_vcard_OBJ;
extern Qr_Zoom_View_Panel *Qr_Zoom_OBJ;
extern Qr_Wifi_View_Panel *Qr_wifi_OBJ;
extern Qr_Location_View_Panel *Qr_Location_OBJ;
extern Qr_Event_View_Panel *Qr_event_OBJ;
extern Qr_UPI_View_Panel *Qr_upi_OBJ;
extern Qr_Bitcoin_Crypto_View_Panel *Qr_bitcoin_OBJ;

// The fields of the eleven panels, read through their globals, as the payload builders read them; a
// panel not made gives its defaults.
qrpayload::QrFields Read_QR_Panel_Fields();
