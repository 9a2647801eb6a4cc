#pragma once
// One message leaves through one run of the mail script (resources/pyth_mail.py): a fixed
// program, argument list, environment and standard input, judged by the exit status alone.

#include <QByteArray>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

// The log flag handed to the script: never log.
extern const QString write_phy_log;
// The advice shown when a mail could not be sent.
extern const QString mail_send_err_msg;

class MailScript {
public:
    // What one run starts with.
    struct Invocation {
        QString program;
        QStringList arguments;
        QProcessEnvironment environment;
        QByteArray input;   // written to the script's standard input, which is then closed
    };

    // The run of one message: "/usr/bin/env python3" (an older system: "/usr/bin/python"), the
    // script, sender, server, port, sender, recipient, subject, body, SSL flag, log flag and the
    // attachments last; PYTHONPATH empty and a fixed PATH only; the password, "\n", "Description".
    static Invocation invocation(const QString &scriptPath, int osVersion, const QString &toAddress,
                                 const QString &subject, const QStringList &attachments, const QString &sender,
                                 const QString &pwd, const QString &smtp, const QString &port, const QString &body,
                                 const QString &enableSsl, const QString &logFlag);

    // The script of the resource folder.
    static QString scriptPath();

    // Sends one message; true when the script ended with status 0. A missing script, a failed
    // start, a crash or a run longer than the time limit (the script is then killed) is false.
    // On the GUI thread the event loop keeps turning while the script runs.
    static bool sendEmail_pyth(const QString &toAddress, const QString &subject, const QStringList &attachments,
                               const QString &sender, const QString &pwd, const QString &smtp, const QString &port,
                               const QString &body, const QString &enableSsl, const QString &logFlag);

    // Runs an invocation; true on exit status 0 within timeoutMs.
    static bool run(const Invocation &invocation, int timeoutMs);

    static constexpr int Time_Limit_Ms = 10 * 60 * 1000;
};
