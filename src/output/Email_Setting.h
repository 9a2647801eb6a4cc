#pragma once
// The mail settings dialog: edits, validates, saves and resets the SMTP account of the mail
// settings store and sends a test mail with the values as typed.

#include <QDialog>
#include <QString>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class Email_Setting : public QDialog {
    Q_OBJECT
public:
    // The one instance, made with its form on first use.
    static Email_Setting *defaultInstance();

    QLineEdit *_send_mail_to = nullptr;
    QLineEdit *_send_mail_sender_mail = nullptr;
    QLineEdit *_send_mail_password = nullptr;
    QLineEdit *_send_mail_smtp = nullptr;
    QLineEdit *_send_mail_port = nullptr;
    QRadioButton *_send_mail_ssl = nullptr;
    QRadioButton *_send_mail_tls = nullptr;
    QLineEdit *_send_mail_test_mail = nullptr;
    QLabel *_send_mail_result_status = nullptr;
    QPushButton *saveButton = nullptr;
    QPushButton *closeButton = nullptr;
    QPushButton *resetButton = nullptr;
    QPushButton *testButton = nullptr;
    // The please-wait sheet shown during a test mail.
    QDialog *plz_wait_Window = nullptr;

    // Loads the fields and runs the dialog; answers 1 after Save, 0 after Close.
    int Open_Wnd();
    void Save_Button();
    void Close_Button();
    void Reset_Button();
    void Send_Test_Email();
    void SSL_Selected();
    void TLS_Selected();
    // Checks sender, password, server, port and, when asked, the recipient; the first failure
    // shows its message, takes the focus and answers false.
    bool Check_Validation(bool withRecipient);
    // At least 6 characters once trimmed, exactly one "@" and at least one ".".
    static bool isValidEmail(const QString &text);
    // Why a port as typed is no port of TCP (a whole number from 1 to 65535); empty when it is one,
    // or when nothing is typed.
    static QString Port_Refusal(const QString &text);
    void loadPreferences();
    // Stores the fields; false when the file could not be written (the old one is kept), with the
    // reason in error.
    bool flushPreferences(QString *error = nullptr);
    void Show_Create_Modeless();
    void Hide_Destroy_Modeless();

    // Reloads the mail globals after a reset (the output part's Get_Email_Details).
    std::function<void()> reloadMailGlobals;

    // The application's name the test mail carries (the hub's App_Name).
    QString appName = QStringLiteral("Tagora");
    QString Test_Subject() const;
    QString Test_Body() const;

private:
    explicit Email_Setting(QWidget *parent = nullptr);
    QString sslFlag() const;
};
