#include "outputjobs/MailScript.h"

#include "core/FileServices.h"
#include "core/UserFolders.h"
#include "platform/GuiThread.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QProcess>
#include <QTimer>

const QString write_phy_log = QStringLiteral("N");
const QString mail_send_err_msg = QStringLiteral(
    "Please make sure that:\n1. Entered E-mail settings are correct.\n2. Internet connectivity to E-mail server "
    "is not interrupted and E-mail server is not down.\n3. Your Firewall or Security software (if any) is not "
    "blocking the software to communicate with your E-mail server.");

MailScript::Invocation MailScript::invocation(const QString &scriptPath, int osVersion, const QString &toAddress,
                                              const QString &subject, const QStringList &attachments,
                                              const QString &sender, const QString &pwd, const QString &smtp,
                                              const QString &port, const QString &body, const QString &enableSsl,
                                              const QString &logFlag)
{
    Invocation inv;
    if (osVersion >= 2211) {
        inv.program = QStringLiteral("/usr/bin/env");
        inv.arguments << QStringLiteral("python3");
    } else {
        inv.program = QStringLiteral("/usr/bin/python");
    }
    inv.arguments << scriptPath << sender << smtp << port << sender << toAddress << subject << body << enableSsl
                  << logFlag << attachments;
    inv.environment.insert(QStringLiteral("PYTHONPATH"), QStringLiteral(""));
    inv.environment.insert(QStringLiteral("PATH"), QStringLiteral("/bin:/usr/bin:/usr/local/bin"));
    // The password goes as UTF-8 so that one without an ASCII form still reaches the script whole.
    inv.input = pwd.toUtf8() + QByteArrayLiteral("\n") + QByteArrayLiteral("Description");
    return inv;
}

QString MailScript::scriptPath() { return Resource_Path + QStringLiteral("/pyth_mail.py"); }

bool MailScript::run(const Invocation &inv, int timeoutMs)
{
    QProcess process;
    process.setProgram(inv.program);
    process.setArguments(inv.arguments);
    process.setProcessEnvironment(inv.environment);
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.start(QIODevice::ReadWrite);
    if (!process.waitForStarted(30000))
        return false;
    process.write(inv.input);
    process.closeWriteChannel();
    bool finished = false;
    if (platform::isGuiThread()) {
        // The window keeps painting (the please-wait sheet) while the script runs.
        QEventLoop loop;
        QTimer limit;
        limit.setSingleShot(true);
        QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
        QObject::connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
        limit.start(timeoutMs);
        if (process.state() != QProcess::NotRunning)
            loop.exec();
        finished = process.state() == QProcess::NotRunning;
    } else {
        finished = process.waitForFinished(timeoutMs);
    }
    if (!finished) {
        process.kill();
        process.waitForFinished(5000);
        return false;
    }
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

bool MailScript::sendEmail_pyth(const QString &toAddress, const QString &subject, const QStringList &attachments,
                                const QString &sender, const QString &pwd, const QString &smtp, const QString &port,
                                const QString &body, const QString &enableSsl, const QString &logFlag)
{
    const QString script = scriptPath();
    if (!QFileInfo(script).isFile())
        return false;
    return run(invocation(script, Get_OS_Version(), toAddress, subject, attachments, sender, pwd, smtp, port, body,
                          enableSsl, logFlag),
               Time_Limit_Ms);
}
