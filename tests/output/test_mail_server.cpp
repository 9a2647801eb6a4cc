// The mail script itself against local SMTP servers (127.0.0.1, a throwaway CA): what arrives over
// STARTTLS and over SSL, and each way a send must fail.

#include "core/UserFolders.h"
#include "output/Email_Setting.h"
#include "output/MailGlobals.h"
#include "outputjobs/MailScript.h"
#include "output/OutputController.h"
#include "output/Send_Mail.h"
#include "platform/Files.h"
#include "support/AppEnvironment.h"
#include "support/ScriptedResponder.h"

#include "test_mail_server.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

using testsupport::SmtpTestServer;

class MailServer : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        if (missing().isEmpty())
            server = std::make_unique<SmtpTestServer>();
    }
    static void TearDownTestSuite() { server.reset(); }
    static QString &missing()
    {
        static QString why = SmtpTestServer::missing();
        return why;
    }
    void SetUp() override
    {
        if (!missing().isEmpty())
            GTEST_SKIP() << missing().toStdString();
        ASSERT_TRUE(server && server->ok());
        server->clear();
        oldResources = Resource_Path;
        Resource_Path = server->resources();
    }
    void TearDown() override
    {
        if (!oldResources.isNull())
            Resource_Path = oldResources;
    }
    struct Send {
        QString to = QStringLiteral("to@example.org");
        QString subject = QStringLiteral("Proof");
        QString body = QStringLiteral("Hello");
        QStringList attachments;
        QString password;
        QString port;
        bool ssl = false;
    };
    static bool send(const SmtpTestServer &s, const Send &m)
    {
        return MailScript::sendEmail_pyth(m.to, m.subject, m.attachments, s.user,
                                          m.password.isNull() ? s.password : m.password, QStringLiteral("127.0.0.1"),
                                          m.port.isNull() ? s.port(m.ssl) : m.port, m.body,
                                          m.ssl ? QStringLiteral("Y") : QStringLiteral("N"), write_phy_log);
    }
    static QString file(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes)
    {
        QFile f(dir.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return f.fileName();
    }

    static inline std::unique_ptr<SmtpTestServer> server;
    QString oldResources;
};

TEST_F(MailServer, MessagesArriveWholeOverStartTlsAndSsl)
{
    QTemporaryDir dir;
    QByteArray binary;
    for (int i = 0; i < 70000; ++i)
        binary.append(char((i * 7 + i / 256) & 0xff));
    const QString pdf = file(dir, QStringLiteral("label proof.pdf"), "%PDF-1.4\n" + binary);
    const QString text = file(dir, QStringLiteral("notes.txt"), "line 1\r\nline 2\n\xc3\xa4\n");
    const QString subject = QStringLiteral("Pr\u00fcfung \u2014 Etiketten \u2713 \u7968");
    const QString body = QStringLiteral("Gr\u00fc\u00dfe,\nZeile 2 \u2713\n\u00e9t\u00e9");
    for (const bool ssl : {false, true}) {
        server->clear();
        Send m;
        m.ssl = ssl;
        m.to = ssl ? QStringLiteral("b@example.net") : QStringLiteral("a@example.net");
        m.subject = subject;
        m.body = body;
        m.attachments = {pdf, text};
        ASSERT_TRUE(send(*server, m)) << "ssl " << ssl;
        const QList<SmtpTestServer::Mail> mails = server->mails();
        ASSERT_EQ(mails.size(), 1);
        const SmtpTestServer::Mail &mail = mails[0];
        EXPECT_EQ(mail.rcptTos(), QStringList{m.to});
        EXPECT_EQ(mail.envelope.value("to").toString(), m.to);
        EXPECT_EQ(mail.envelope.value("from").toString(), server->user);
        EXPECT_EQ(mail.envelope.value("mail_from").toString(), server->user);
        // The UTF-8 password logged in.
        EXPECT_EQ(mail.envelope.value("login").toString(), server->user);
        EXPECT_EQ(mail.envelope.value("subject").toString(), subject);
        EXPECT_EQ(mail.envelope.value("body").toString(), body + "\n");
        EXPECT_EQ(mail.attachmentNames(), (QStringList{"label proof.pdf", "notes.txt"}));
        EXPECT_EQ(mail.attachment("label proof.pdf"), "%PDF-1.4\n" + binary);
        EXPECT_EQ(mail.attachment("notes.txt"), QByteArray("line 1\r\nline 2\n\xc3\xa4\n"));
    }
}

TEST_F(MailServer, ALineBreakInTheSubjectAddsNoHeaderAndNoRecipient)
{
    Send m;
    m.subject = QStringLiteral("Proof\nBcc: x@y.z");
    ASSERT_TRUE(send(*server, m));
    const QList<SmtpTestServer::Mail> mails = server->mails();
    ASSERT_EQ(mails.size(), 1);
    EXPECT_EQ(mails[0].rcptTos(), QStringList{m.to});
    EXPECT_FALSE(mails[0].envelope.value("bcc").toBool());
    EXPECT_EQ(mails[0].envelope.value("subject").toString(), QStringLiteral("Proof Bcc: x@y.z"));
}

TEST_F(MailServer, EachWayOfFailingIsNotSent)
{
    // A port that was just free and is closed again: nothing listens there.
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof addr;
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr *>(&addr), sizeof addr), 0);
    ASSERT_EQ(::getsockname(fd, reinterpret_cast<sockaddr *>(&addr), &len), 0);
    ::close(fd);
    const QString closedPort = QString::number(ntohs(addr.sin_port));
    const SmtpTestServer noStartTls(testsupport::SmtpServerOptions{true, false});
    const SmtpTestServer untrusted(testsupport::SmtpServerOptions{false, true});
    ASSERT_TRUE(noStartTls.ok() && untrusted.ok());
    struct Case {
        const char *what;
        const SmtpTestServer *s;
        bool ssl;
        QString password, port, to;
    };
    const Case cases[] = {
        {"wrong password, STARTTLS", server.get(), false, QStringLiteral("p\u00e4ssword"), {}, {}},
        {"wrong password, SSL", server.get(), true, QStringLiteral("wrong"), {}, {}},
        {"closed port", server.get(), false, {}, closedPort, {}},
        {"letters for a port", server.get(), true, {}, QStringLiteral("smtp"), {}},
        {"no STARTTLS offered", &noStartTls, false, {}, {}, {}},
        {"untrusted certificate, STARTTLS", &untrusted, false, {}, {}, {}},
        {"untrusted certificate, SSL", &untrusted, true, {}, {}, {}},
        {"control character in the address", server.get(), false, {}, {}, QStringLiteral("a@b.cd\r\nBcc: x@y.z")},
    };
    for (const Case &c : cases) {
        // Each server's own resource folder: its script trusts that server's CA, and the
        // untrusted server presents a certificate of another.
        Resource_Path = c.s->resources();
        Send m;
        m.ssl = c.ssl;
        m.password = c.password;
        m.port = c.port;
        if (!c.to.isNull())
            m.to = c.to;
        EXPECT_FALSE(send(*c.s, m)) << c.what;
    }
    EXPECT_TRUE(server->mails().isEmpty());
    EXPECT_TRUE(noStartTls.mails().isEmpty());
    EXPECT_TRUE(untrusted.mails().isEmpty());
}

// The mail window's Settings, then Save and Test mail in the settings dialog, against the server.
class MailSettingsTestMail : public MailServer {
protected:
    testsupport::AppEnvironment env;
    testsupport::ResponderScope responder;
};

TEST_F(MailSettingsTestMail, SaveThenTestMailArrivesOnceAndAWrongPasswordFails)
{
    Send_Mail *mail = Send_Mail::defaultInstance();
    Email_Setting *settings = Email_Setting::defaultInstance();
    responder->onModal = [&](QDialog &d) {
        d.show();
        if (&d == mail) {
            QTest::mouseClick(mail->settingButton, Qt::LeftButton);
            EXPECT_EQ(mail->from_txt->text(), server->user);   // the saved sender
            QTest::mouseClick(mail->closeButton, Qt::LeftButton);
            return 0;
        }
        settings->_send_mail_sender_mail->setText(server->user);
        settings->_send_mail_password->setText(server->password);
        settings->_send_mail_smtp->setText(QStringLiteral("127.0.0.1"));
        settings->_send_mail_port->setText(server->port(false));
        settings->_send_mail_tls->click();
        settings->_send_mail_to->setText(QStringLiteral("you@example.net"));
        QTest::mouseClick(settings->saveButton, Qt::LeftButton);
        settings->show();   // the user opens the settings again for a test mail
        QTest::mouseClick(settings->testButton, Qt::LeftButton);
        settings->_send_mail_password->setText(QStringLiteral("wrong"));
        QTest::mouseClick(settings->testButton, Qt::LeftButton);
        QTest::mouseClick(settings->closeButton, Qt::LeftButton);
        return 1;
    };
    env.output().Send_Mail_Open_Wnd();
    QStringList shown;
    for (const QString &m : responder->alertMessages())
        shown << (m.startsWith('\n') ? m.mid(1) : m);
    EXPECT_EQ(shown, (QStringList{QStringLiteral("E-mail has been sent successfully."),
                                  mail_send_err_msg + QStringLiteral("\n\nCould not send email.")}));
    const QList<SmtpTestServer::Mail> mails = server->mails();
    ASSERT_EQ(mails.size(), 1);
    EXPECT_EQ(mails[0].rcptTos(), QStringList{QStringLiteral("you@example.net")});
    EXPECT_EQ(mails[0].envelope.value("subject").toString(), settings->Test_Subject());
    EXPECT_EQ(sending_port, server->port(false));
    EXPECT_EQ(send_enable_ssl, QStringLiteral("N"));
}

} // namespace
