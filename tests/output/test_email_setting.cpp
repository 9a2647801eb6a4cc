#include "core/UserFolders.h"
#include "output/Email_Setting.h"
#include "output/MailGlobals.h"
#include "outputjobs/MailScript.h"
#include "output/OutputController.h"
#include "outputjobs/Preferences.h"
#include "platform/Files.h"
#include "platform/Plist.h"
#include "support/AppEnvironment.h"
#include "support/FileSizeLimit.h"
#include "support/ScriptedResponder.h"

#include "support/FakeMailScript.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>


namespace {

class EmailSettingWindow : public ::testing::Test {
protected:
    testsupport::AppEnvironment env;
    testsupport::ResponderScope responder;
    testsupport::FakeMailScript script;
    Email_Setting *w = Email_Setting::defaultInstance();

    QString path() const { return Created_Resource_Path + QStringLiteral("/com.qirocardmail.plist"); }
    void fill(const QString &sender, const QString &pw, const QString &smtp, const QString &port,
              const QString &to = QString())
    {
        w->_send_mail_sender_mail->setText(sender);
        w->_send_mail_password->setText(pw);
        w->_send_mail_smtp->setText(smtp);
        w->_send_mail_port->setText(port);
        w->_send_mail_to->setText(to);
    }
    void fillValid() { fill("Me@Example.org", "pw", "127.0.0.1", "2525", "You@Example.org"); }
    // Opens the dialog, lets the user act in it, answers its result code.
    int open(const std::function<void()> &user)
    {
        responder->onModal = [&](QDialog &d) {
            d.show();
            user();
            const int code = d.result();
            return d.isVisible() ? 0 : code;
        };
        return w->Open_Wnd();
    }
    QStringList messages()
    {
        QStringList out;
        for (const QString &m : responder->alertMessages())
            out << (m.startsWith('\n') ? m.mid(1) : m);
        return out;
    }
    std::optional<platform::PlistValue> file() const { return platform::readPlistFile(path()); }
    QByteArray bytes() const
    {
        QFile f(path());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

TEST_F(EmailSettingWindow, ValidationStopsAtTheFirstFailureAndFocusesItsField)
{
    struct Case {
        const char *sender, *pw, *smtp, *port, *to;
        bool withRecipient;
        const char *message;
        const char *field;
    };
    const char *const port = "Please enter a port number from 1 to 65535.";
    const char *const whole = "Please enter the port number as a whole number, such as 12.";
    const Case cases[] = {
        {"", "", "", "", "", false, "Please enter sender E-mail.", "send_mail_sender_mail"},
        {"me@exampleorg", "pw", "h", "1", "", false, "Please enter valid sender E-mail address.",
         "send_mail_sender_mail"},
        {"me@example.org", "", "", "", "", false, "Please enter password.", "send_mail_password"},
        {"me@example.org", " ", "", "", "", false, "Please enter SMTP server.", "send_mail_smtp"},
        {"me@example.org", " ", "h", "", "", false, "Please enter port number.", "send_mail_port"},
        {"me@example.org", "pw", "h", "abc", "", false, whole, "send_mail_port"},
        {"me@example.org", "pw", "h", "999999", "", false, port, "send_mail_port"},
        {"me@example.org", "pw", "h", "0", "", false, port, "send_mail_port"},
        {"me@example.org", "pw", "h", "587", "", true, "Please enter recipient E-mail address.", "send_mail_to"},
        {"me@example.org", "pw", "h", "587", "a@b.c", true, "Please enter valid recipient E-mail address.",
         "send_mail_to"},
    };
    w->show();
    QApplication::setActiveWindow(w);
    for (const Case &c : cases) {
        responder->alerts.clear();
        fill(c.sender, c.pw, c.smtp, c.port, c.to);
        EXPECT_FALSE(w->Check_Validation(c.withRecipient)) << c.message;
        EXPECT_EQ(messages(), QStringList{QString::fromUtf8(c.message)});
        ASSERT_NE(w->focusWidget(), nullptr);
        EXPECT_EQ(w->focusWidget()->objectName(), QString::fromUtf8(c.field)) << c.message;
    }
    fill("me@example.org", "pw", "h", " 465 ", "");
    EXPECT_TRUE(w->Check_Validation(false));   // no recipient needed
    w->hide();
}

TEST_F(EmailSettingWindow, ValidEmailNeedsSixCharactersOneAtAndADot)
{
    struct Case {
        const char *text;
        bool valid;
    };
    for (const Case &c : {Case{"a@b.cd", true}, Case{"a@b.c", false}, Case{"a@@b.cd", false},
                          Case{"ab@cdef", false}, Case{"  a@b.cd  ", true}, Case{"@.xxxx", true}})
        EXPECT_EQ(Email_Setting::isValidEmail(QString::fromUtf8(c.text)), c.valid) << c.text;
}

TEST_F(EmailSettingWindow, SaveStoresTheFieldsPrivatelyAndEndsWithOk)
{
    struct Case {
        bool ssl;
        const char *flag;
    };
    for (const Case &c : {Case{true, "Y"}, Case{false, "N"}}) {
        const int code = open([&] {
            fill("me@example.org", "pw", "smtp.example.org", "587", "");
            (c.ssl ? w->_send_mail_ssl : w->_send_mail_tls)->click();
            QTest::mouseClick(w->saveButton, Qt::LeftButton);
        });
        EXPECT_EQ(code, 1);
        const auto f = file();
        ASSERT_TRUE(f.has_value());
        EXPECT_EQ(f->value(send_email_Enable_SSLkey)->toString(), QString::fromUtf8(c.flag));
        EXPECT_EQ(f->value(send_email_PORT_numKey)->toString(), QStringLiteral("587"));
        EXPECT_EQ(f->value(send_email_RecipientKey)->toString(), QStringLiteral(""));
        EXPECT_EQ(QFile::permissions(path()) & 0x7077, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }
    // The saved settings come back when the dialog opens again, then Close ends with Cancel.
    const int code = open([&] {
        EXPECT_EQ(w->_send_mail_smtp->text(), QStringLiteral("smtp.example.org"));
        EXPECT_TRUE(w->_send_mail_tls->isChecked());
        EXPECT_FALSE(w->_send_mail_ssl->isChecked());
        QTest::mouseClick(w->closeButton, Qt::LeftButton);
    });
    EXPECT_EQ(code, 0);
}

TEST_F(EmailSettingWindow, ASaveThatFailsValidationWritesNothing)
{
    Preferences::sharedInstance();   // the empty file
    const int code = open([&] {
        fill("me@exampleorg", "pw", "h", "25");
        QTest::mouseClick(w->saveButton, Qt::LeftButton);
        QTest::mouseClick(w->closeButton, Qt::LeftButton);
    });
    EXPECT_EQ(code, 0);
    EXPECT_EQ(messages(), QStringList{"Please enter valid sender E-mail address."});
    EXPECT_EQ(QFileInfo(path()).size(), 0);
}

TEST_F(EmailSettingWindow, ASaveThatCannotWriteSaysWhyStaysOpenAndKeepsTheOldFile)
{
    {
        auto store = Preferences::sharedInstance();
        store->setsend_email_SenderEmail(QStringLiteral("old@example.org"));
        ASSERT_TRUE(store->flush());
    }
    const QByteArray before = bytes();
    const int code = open([&] {
        fill("me@example.org", "pw", "h", "25");
        {
            const testsupport::FileSizeLimit full(64);   // while the settings are saved
            QTest::mouseClick(w->saveButton, Qt::LeftButton);
        }
        EXPECT_TRUE(w->isVisible());
        QTest::mouseClick(w->closeButton, Qt::LeftButton);
    });
    EXPECT_EQ(code, 0);
    ASSERT_EQ(messages().size(), 1);
    const QStringList lines = messages()[0].split('\n');
    ASSERT_EQ(lines.size(), 2) << messages()[0].toStdString();
    EXPECT_TRUE(lines[0].startsWith("Could not save the e-mail settings")) << lines[0].toStdString();
    EXPECT_FALSE(lines[1].trimmed().isEmpty()) << "the reason";
    EXPECT_EQ(bytes(), before);
    // The mail window reloads the settings next; the values that failed are not written then.
    env.output().Get_Email_Details();
    EXPECT_EQ(bytes(), before);
    EXPECT_EQ(sender_email, QStringLiteral("old@example.org"));
}

TEST_F(EmailSettingWindow, NonStringValuesShowEmptyAndOtherKeysSurviveASave)
{
    platform::PlistValue dict = platform::PlistValue::dictionary();
    dict.insert(send_email_SenderEmailKey, platform::PlistValue::integer(5));
    dict.insert(send_email_PORT_numKey, platform::PlistValue::fromStrings({"25"}));
    dict.insert(send_email_SMTP_serverKey, platform::PlistValue::string(QStringLiteral("smtp.example.org")));
    dict.insert(QStringLiteral("Signature"), platform::PlistValue::string(QStringLiteral("Regards")));
    dict.insert(QStringLiteral("Retries"), platform::PlistValue::integer(3));
    ASSERT_TRUE(platform::writeFileAtomically(path(), platform::plistToData(dict, platform::PlistFormat::Xml)));
    const int code = open([&] {
        EXPECT_TRUE(w->_send_mail_sender_mail->text().isEmpty());
        EXPECT_TRUE(w->_send_mail_port->text().isEmpty());
        EXPECT_EQ(w->_send_mail_smtp->text(), QStringLiteral("smtp.example.org"));
        fill("me@example.org", "p\u00e4ss", "smtp.example.org", "2525", "you@example.org");
        QTest::mouseClick(w->saveButton, Qt::LeftButton);
    });
    ASSERT_EQ(code, 1);
    // The system's own property-list reader takes the file as written.
    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"),
                 {QStringLiteral("-c"),
                  QStringLiteral("import json, plistlib, sys; print(json.dumps(plistlib.load(open(sys.argv[1], 'rb'))))"),
                  path()});
    ASSERT_TRUE(python.waitForFinished(30000));
    ASSERT_EQ(python.exitCode(), 0) << python.readAllStandardError().toStdString();
    const QJsonObject read = QJsonDocument::fromJson(python.readAllStandardOutput()).object();
    EXPECT_EQ(read, (QJsonObject{{"SendEmailSender", "me@example.org"},
                                 {"SendEmailPwd", "p\u00e4ss"},
                                 {"SendEmailSMTP", "smtp.example.org"},
                                 {"SendEmailPORT", "2525"},
                                 {"SendEmailRecipient", "you@example.org"},
                                 {"SendEnableSSL", "N"},
                                 {"Signature", "Regards"},
                                 {"Retries", 3}}))
        << QJsonDocument(read).toJson().toStdString();
}

TEST_F(EmailSettingWindow, ResetAnsweredNoKeepsAndYesEmptiesEverything)
{
    {
        auto store = Preferences::sharedInstance();
        store->setsend_email_SenderEmail(QStringLiteral("me@example.org"));
        store->setsend_email_enable_ssl(QStringLiteral("Y"));
        ASSERT_TRUE(store->flush());
    }
    env.output().Get_Email_Details();
    w->reloadMailGlobals = [this] { env.output().Get_Email_Details(); };
    responder->alertAnswers = {QStringLiteral("No"), QStringLiteral("Yes")};
    open([&] {
        w->_send_mail_test_mail->setText(QStringLiteral("note"));
        QTest::mouseClick(w->resetButton, Qt::LeftButton);
        EXPECT_EQ(w->_send_mail_sender_mail->text(), QStringLiteral("me@example.org"));
        EXPECT_TRUE(w->_send_mail_ssl->isChecked());
        QTest::mouseClick(w->resetButton, Qt::LeftButton);
        for (QLineEdit *f : {w->_send_mail_to, w->_send_mail_sender_mail, w->_send_mail_smtp, w->_send_mail_port,
                             w->_send_mail_password, w->_send_mail_test_mail})
            EXPECT_TRUE(f->text().isEmpty()) << f->objectName().toStdString();
        EXPECT_TRUE(w->_send_mail_tls->isChecked());
        EXPECT_FALSE(w->_send_mail_ssl->isChecked());
        QTest::mouseClick(w->closeButton, Qt::LeftButton);
    });
    w->reloadMailGlobals = nullptr;
    EXPECT_EQ(QFileInfo(path()).size(), 0);
    EXPECT_EQ(QFile::permissions(path()) & 0x7077, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    EXPECT_EQ(sender_email, QStringLiteral(""));
    EXPECT_TRUE(send_enable_ssl.isNull());
}

TEST_F(EmailSettingWindow, TheRadiosExcludeEachOtherAndFillNothing)
{
    open([&] {
        w->_send_mail_port->setText(QStringLiteral("25"));
        w->_send_mail_ssl->click();
        EXPECT_TRUE(w->_send_mail_ssl->isChecked());
        EXPECT_FALSE(w->_send_mail_tls->isChecked());
        w->_send_mail_tls->click();
        EXPECT_TRUE(w->_send_mail_tls->isChecked());
        EXPECT_FALSE(w->_send_mail_ssl->isChecked());
        w->_send_mail_tls->click();   // a second click keeps it on
        EXPECT_TRUE(w->_send_mail_tls->isChecked());
        EXPECT_EQ(w->_send_mail_port->text(), QStringLiteral("25"));
        QTest::mouseClick(w->closeButton, Qt::LeftButton);
    });
}

TEST_F(EmailSettingWindow, TestMailRunsTheScriptWithTheTypedValuesAndSavesNothing)
{
    open([&] {
        fillValid();
        w->_send_mail_ssl->click();
        QTest::mouseClick(w->testButton, Qt::LeftButton);
        EXPECT_EQ(w->_send_mail_result_status->text(), QStringLiteral("E-mail has been sent successfully."));
        EXPECT_FALSE(w->plz_wait_Window->isVisible());
        QTest::mouseClick(w->closeButton, Qt::LeftButton);
    });
    EXPECT_EQ(messages(), QStringList{"E-mail has been sent successfully."});
    const QList<QJsonObject> runs = script.runs();
    ASSERT_EQ(runs.size(), 1);
    EXPECT_EQ(testsupport::FakeMailScript::argv(runs[0]).mid(1),
              (QStringList{"me@example.org", "127.0.0.1", "2525", "me@example.org", "you@example.org",
                           "Tagora (Linux) Test Mail", "This is test mail sent by Tagora (Linux).", "Y", "N"}));
    EXPECT_FALSE(QFileInfo(path()).exists() && QFileInfo(path()).size() > 0);
}

TEST_F(EmailSettingWindow, TheTestMailWaitsBehindThePleaseWaitSheetWithTheWindowAlive)
{
    script.setDelaySeconds(0.6);
    QStringList seen;
    QTimer watch;
    watch.setInterval(50);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (w->plz_wait_Window->isVisible())
            seen << w->_send_mail_result_status->text();
    });
    open([&] {
        fillValid();
        watch.start();
        QTest::mouseClick(w->testButton, Qt::LeftButton);
        watch.stop();
        QTest::mouseClick(w->closeButton, Qt::LeftButton);
    });
    // The timer ran while the script did: the event loop kept turning under the sheet.
    ASSERT_GE(seen.size(), 3);
    EXPECT_EQ(seen.first(), QStringLiteral("It may take a while, Please wait..."));
    EXPECT_FALSE(w->plz_wait_Window->isVisible());
    EXPECT_EQ(w->_send_mail_result_status->text(), QStringLiteral("E-mail has been sent successfully."));
}

TEST_F(EmailSettingWindow, AFailedTestMailShowsTheAdvice)
{
    script.setExitCode(1);
    open([&] {
        fillValid();
        QTest::mouseClick(w->testButton, Qt::LeftButton);
        QTest::mouseClick(w->closeButton, Qt::LeftButton);
    });
    const QString failure = mail_send_err_msg + QStringLiteral("\n\nCould not send email.");
    EXPECT_EQ(messages(), QStringList{failure});
    EXPECT_EQ(w->_send_mail_result_status->text(), failure);
    EXPECT_EQ(testsupport::FakeMailScript::argv(script.runs().value(0)).value(8), QStringLiteral("N"));
}

TEST_F(EmailSettingWindow, ATestMailWithoutRecipientRunsNothing)
{
    open([&] {
        fill("me@example.org", "pw", "h", "25", "");
        QTest::mouseClick(w->testButton, Qt::LeftButton);
        QTest::mouseClick(w->closeButton, Qt::LeftButton);
    });
    EXPECT_EQ(messages(), QStringList{"Please enter recipient E-mail address."});
    EXPECT_TRUE(script.runs().isEmpty());
}

} // namespace
