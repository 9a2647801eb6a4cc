#pragma once
// The local SMTP servers of tests/tools/smtp_server.py for one test or bench: started on 127.0.0.1
// with a throwaway CA, a resource folder whose mail script trusts it, a folder of the messages
// received, and stopped by its process id. Needs /usr/bin/python3 with aiosmtpd.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <signal.h>

namespace testsupport {

struct SmtpServerOptions {
    bool noStartTls = false;   // the plain port offers no STARTTLS
    bool untrusted = false;    // the certificate is of a CA the mail script does not trust
};

class SmtpTestServer {
public:
    struct Mail {
        QJsonObject envelope;   // mail_from, rcpt_tos, login, from, to, subject, bcc, body, attachments
        QString folder;
        QStringList rcptTos() const
        {
            QStringList out;
            for (const QJsonValue &v : envelope.value(QStringLiteral("rcpt_tos")).toArray())
                out << v.toString();
            return out;
        }
        QStringList attachmentNames() const
        {
            QStringList out;
            for (const QJsonValue &v : envelope.value(QStringLiteral("attachments")).toArray())
                out << v.toString();
            return out;
        }
        QString attachmentPath(const QString &name) const { return folder + QStringLiteral("/attachments/") + name; }
        QByteArray attachment(const QString &name) const
        {
            QFile f(attachmentPath(name));
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        }
    };

    static QString python() { return QStringLiteral("/usr/bin/python3"); }
    static QString script()
    {
#ifdef TAGORA_TEST_SOURCE_DIR
        return QStringLiteral(TAGORA_TEST_SOURCE_DIR "/tools/smtp_server.py");
#else
        return QString();
#endif
    }
    // Empty when the servers can run here; else why not.
    static QString missing()
    {
        if (!QFile::exists(python()))
            return QStringLiteral("/usr/bin/python3 is missing");
        QProcess p;
        p.start(python(), {QStringLiteral("-c"), QStringLiteral("import aiosmtpd")});
        if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
            return QStringLiteral("aiosmtpd is missing for /usr/bin/python3");
        return QString();
    }

    explicit SmtpTestServer(SmtpServerOptions options = {})
    {
        QStringList args{script(), QStringLiteral("--overlay"), m_overlay.path(), QStringLiteral("--maildir"),
                         m_mail.path(), QStringLiteral("--user"), user, QStringLiteral("--password"), password};
        if (options.noStartTls)
            args << QStringLiteral("--no-starttls");
        if (options.untrusted)
            args << QStringLiteral("--untrusted");
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start(python(), args);
        if (!m_process.waitForStarted(30000))
            return;
        while (!m_process.canReadLine() && m_process.state() == QProcess::Running)
            if (!m_process.waitForReadyRead(30000))
                break;
        const QJsonObject info = QJsonDocument::fromJson(m_process.readLine()).object();
        starttlsPort = info.value(QStringLiteral("starttls")).toInt();
        sslPort = info.value(QStringLiteral("ssl")).toInt();
    }
    ~SmtpTestServer()
    {
        if (m_process.state() == QProcess::NotRunning)
            return;
        ::kill(pid_t(m_process.processId()), SIGTERM);
        if (!m_process.waitForFinished(10000)) {
            ::kill(pid_t(m_process.processId()), SIGKILL);
            m_process.waitForFinished(5000);
        }
    }
    SmtpTestServer(const SmtpTestServer &) = delete;
    SmtpTestServer &operator=(const SmtpTestServer &) = delete;

    bool ok() const { return starttlsPort > 0 && sslPort > 0; }
    // A resource folder whose mail script trusts the servers' CA: Resource_Path for a test.
    QString resources() const { return m_overlay.path(); }
    QString port(bool ssl) const { return QString::number(ssl ? sslPort : starttlsPort); }

    // The messages received so far, in order.
    QList<Mail> mails() const
    {
        QList<Mail> out;
        const QDir dir(m_mail.path());
        for (const QString &name : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
            if (name.endsWith(QStringLiteral(".part")))
                continue;
            QFile f(dir.filePath(name) + QStringLiteral("/envelope.json"));
            if (f.open(QIODevice::ReadOnly))
                out.append({QJsonDocument::fromJson(f.readAll()).object(), dir.filePath(name)});
        }
        return out;
    }
    // Forgets the messages received so far.
    void clear() const
    {
        const QDir dir(m_mail.path());
        for (const QString &name : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
            QDir(dir.filePath(name)).removeRecursively();
    }

    const QString user = QStringLiteral("sender@example.org");
    const QString password = QStringLiteral("p\u00e4ssw\u00f6rd \u2713");
    int starttlsPort = 0;
    int sslPort = 0;

private:
    QTemporaryDir m_overlay;
    QTemporaryDir m_mail;
    QProcess m_process;
};

} // namespace testsupport
