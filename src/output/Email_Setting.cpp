#include "output/Email_Setting.h"
#include "outputjobs/MailRun.h"

#include "core/UserFolders.h"
#include "core/Messages.h"
#include "core/Utilities.h"
#include "outputjobs/MailScript.h"
#include "outputjobs/Preferences.h"
#include "platform/CountField.h"
#include "platform/Dialogs.h"

#include "ui_Email_Setting.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>
#include <exception>

namespace {

platform::WholeRule portRule()
{
    platform::WholeRule rule(QStringLiteral("port number"), 1, 65535);
    rule.count = false;
    return rule;
}

} // namespace

Email_Setting *Email_Setting::defaultInstance()
{
    static Email_Setting *instance = new Email_Setting;
    return instance;
}

Email_Setting::Email_Setting(QWidget *parent)
    : QDialog(parent)
{
    Ui::Email_Setting ui;
    ui.setupUi(this);
    _send_mail_to = ui.send_mail_to;
    _send_mail_sender_mail = ui.send_mail_sender_mail;
    _send_mail_password = ui.send_mail_password;
    _send_mail_smtp = ui.send_mail_smtp;
    _send_mail_port = ui.send_mail_port;
    _send_mail_ssl = ui.send_mail_ssl;
    _send_mail_tls = ui.send_mail_tls;
    _send_mail_test_mail = ui.send_mail_test_mail;
    _send_mail_result_status = ui.send_mail_result_status;
    saveButton = ui.Save_Button;
    closeButton = ui.Close_Button;
    resetButton = ui.Reset_Button;
    testButton = ui.Send_Test_Email;
    connect(saveButton, &QPushButton::clicked, this, &Email_Setting::Save_Button);
    connect(closeButton, &QPushButton::clicked, this, &Email_Setting::Close_Button);
    connect(resetButton, &QPushButton::clicked, this, &Email_Setting::Reset_Button);
    connect(testButton, &QPushButton::clicked, this, &Email_Setting::Send_Test_Email);
    connect(_send_mail_ssl, &QRadioButton::clicked, this, &Email_Setting::SSL_Selected);
    connect(_send_mail_tls, &QRadioButton::clicked, this, &Email_Setting::TLS_Selected);
    // The port reads as every whole-number field does, and is kept in plain digits for the mail script.
    platform::connectCountField(_send_mail_port, portRule(), this, {});

    plz_wait_Window = new QDialog(this);
    plz_wait_Window->setObjectName(QStringLiteral("plz_wait_Window"));
    plz_wait_Window->setWindowModality(Qt::WindowModal);
    auto *layout = new QVBoxLayout(plz_wait_Window);
    layout->addWidget(new QLabel(QStringLiteral("Please wait..."), plz_wait_Window));
}

QString Email_Setting::Test_Subject() const { return appName + QStringLiteral(" (Linux)") + QStringLiteral(" Test Mail"); }

QString Email_Setting::Test_Body() const
{
    return QStringLiteral("This is test mail sent by ") + appName + QStringLiteral(" (Linux).");
}

int Email_Setting::Open_Wnd()
{
    try {
        loadPreferences();
        _send_mail_result_status->clear();
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
    const int code = platform::runModal(*this);
    hide();
    return code;
}

void Email_Setting::loadPreferences()
{
    const std::shared_ptr<Preferences> store = Preferences::sharedInstance();
    _send_mail_to->setText(store->send_email_Recipient());
    _send_mail_sender_mail->setText(store->send_email_SenderEmail());
    _send_mail_smtp->setText(store->send_email_SMTP_server());
    _send_mail_port->setText(store->send_email_PORT_num());
    _send_mail_password->setText(store->send_email_Password());
    const bool ssl = store->send_email_enable_ssl() == QStringLiteral("Y");
    _send_mail_ssl->setChecked(ssl);
    _send_mail_tls->setChecked(!ssl);
}

QString Email_Setting::sslFlag() const
{
    return _send_mail_ssl->isChecked() && !_send_mail_tls->isChecked() ? QStringLiteral("Y") : QStringLiteral("N");
}

bool Email_Setting::flushPreferences(QString *error)
{
    const std::shared_ptr<Preferences> store = Preferences::sharedInstance();
    store->setsend_email_Recipient(_send_mail_to->text());
    store->setsend_email_SenderEmail(_send_mail_sender_mail->text());
    store->setsend_email_SMTP_server(_send_mail_smtp->text());
    store->setsend_email_PORT_num(_send_mail_port->text());
    store->setsend_email_Password(_send_mail_password->text());
    store->setsend_email_enable_ssl(sslFlag());
    const bool ok = store->flush();
    if (!ok && error)
        *error = store->lastError;
    return ok;
}

bool Email_Setting::isValidEmail(const QString &text) { return MailRun::isValidEmail(text); }

QString Email_Setting::Port_Refusal(const QString &text) { return platform::wholeRefusal(text, portRule()); }

bool Email_Setting::Check_Validation(bool withRecipient)
{
    struct Step {
        QLineEdit *field;
        bool failed;
        const char *message;
    };
    // A port still being typed is taken or refused first, as its typing's end would.
    if (!platform::endTyping({_send_mail_port}))
        return false;
    const QString sender = _send_mail_sender_mail->text().toLower();
    const QString recipient = _send_mail_to->text().toLower();
    const Step steps[] = {
        {_send_mail_sender_mail, sender.isEmpty(), "Please enter sender E-mail."},
        {_send_mail_sender_mail, !isValidEmail(sender), "Please enter valid sender E-mail address."},
        {_send_mail_password, _send_mail_password->text().isEmpty(), "Please enter password."},
        {_send_mail_smtp, _send_mail_smtp->text().isEmpty(), "Please enter SMTP server."},
        {_send_mail_port, _send_mail_port->text().isEmpty(), "Please enter port number."},
        // A port no server listens on is refused now, not when a mail is tried.
        {_send_mail_port, !Port_Refusal(_send_mail_port->text()).isEmpty(), nullptr},
        {_send_mail_to, withRecipient && recipient.isEmpty(), "Please enter recipient E-mail address."},
        {_send_mail_to, withRecipient && !isValidEmail(recipient), "Please enter valid recipient E-mail address."},
    };
    for (const Step &s : steps) {
        if (s.failed) {
            Show_MessageBox(s.message ? QString::fromUtf8(s.message) : Port_Refusal(_send_mail_port->text()));
            s.field->setFocus();
            return false;
        }
    }
    // The port goes to the mail script in plain digits.
    _send_mail_port->setText(platform::wholeShown(_send_mail_port->text(), portRule()).value_or(QString()));
    return true;
}

void Email_Setting::Save_Button()
{
    if (!Check_Validation(false))
        return;
    QString reason;
    if (!flushPreferences(&reason)) {
        // The old file stays as it was; the dialog stays open so nothing typed is lost.
        Show_MessageBox(QStringLiteral("Could not save the e-mail settings to \"%1\".\n%2")
                            .arg(Created_Resource_Path + QStringLiteral("/com.qirocardmail.plist"), reason));
        return;
    }
    done(1);
}

void Email_Setting::Close_Button() { done(0); }

void Email_Setting::Reset_Button()
{
    if (Show_YES_NO_MessageBox(QStringLiteral("Are you sure you want to reset current email settings?")) != 1)
        return;
    QFile::remove(Created_Resource_Path + QStringLiteral("/com.qirocardmail.plist"));
    for (QLineEdit *field : {_send_mail_to, _send_mail_sender_mail, _send_mail_smtp, _send_mail_port,
                             _send_mail_password, _send_mail_test_mail})
        field->clear();
    _send_mail_ssl->setChecked(false);
    _send_mail_tls->setChecked(true);
    if (reloadMailGlobals)
        reloadMailGlobals();
}

void Email_Setting::SSL_Selected()
{
    _send_mail_ssl->setChecked(true);
    _send_mail_tls->setChecked(false);
}

void Email_Setting::TLS_Selected()
{
    _send_mail_tls->setChecked(true);
    _send_mail_ssl->setChecked(false);
}

void Email_Setting::Show_Create_Modeless()
{
    try {
        plz_wait_Window->show();
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

void Email_Setting::Hide_Destroy_Modeless()
{
    try {
        plz_wait_Window->hide();
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

void Email_Setting::Send_Test_Email()
{
    try {
        if (!Check_Validation(true))
            return;
        Show_Create_Modeless();
        const QString to = _send_mail_to->text().toLower();
        const QString sender = _send_mail_sender_mail->text().toLower();
        _send_mail_result_status->setText(QStringLiteral("It may take a while, Please wait..."));
        const bool sent = MailScript::sendEmail_pyth(to, Test_Subject(), {}, sender, _send_mail_password->text(),
                                                     _send_mail_smtp->text(), _send_mail_port->text(), Test_Body(),
                                                     sslFlag(), write_phy_log);
        Hide_Destroy_Modeless();
        const QString status = sent ? QStringLiteral("E-mail has been sent successfully.")
                                    : mail_send_err_msg + QStringLiteral("\n\nCould not send email.");
        _send_mail_result_status->setText(status);
        Show_MessageBox(status);
    } catch (const std::exception &e) {
        Hide_Destroy_Modeless();
        Show_MessageBox(QString::fromUtf8(e.what()));
    }
}
