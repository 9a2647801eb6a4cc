#include "output/OutputController.h"


#include "core/Messages.h"
#include "output/MailGlobals.h"
#include "outputjobs/Preferences.h"

#include <exception>

QString sender_email;
QString sender_pwd;
QString sending_server;
QString sending_port;
QString send_enable_ssl;

void OutputController::Get_Email_Details()
{
    try {
        const std::shared_ptr<Preferences> store = Preferences::sharedInstance();
        sender_email = store->send_email_SenderEmail();
        sender_pwd = store->send_email_Password();
        sending_server = store->send_email_SMTP_server();
        sending_port = store->send_email_PORT_num();
        send_enable_ssl = store->send_email_enable_ssl();
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}
