#pragma once
// A cupsd of the test's own, so that a job goes through a real printer queue: its configuration,
// spool, logs and backend live in a temporary folder and it listens on a socket there, which
// CUPS_SERVER names for this process and its children while it runs.

#include <QProcess>
#include <QTemporaryDir>

#include <optional>

namespace printtest {

class PrivateCupsd {
public:
    PrivateCupsd();
    ~PrivateCupsd();

    // Empty once the scheduler answers on its socket; else why not.
    QString failure() const { return m_failure; }
    // Adds an enabled cups-pdf queue whose jobs end as the PDF file outFile. Empty, or what went wrong.
    QString addPdfQueue(const QString &name, const QString &outFile);
    // Adds queues, each a name alone (cups-pdf) or with scripts/desk_ppd.sh's arguments: a PostScript
    // desk printer that takes Letter (its default), Legal, A4 and A5 and cannot mark their outer margin
    // points; then the default, if named. False when the scheduler did not start (the test skips); a
    // queue not made fails the test.
    bool addQueues(const QList<QStringList> &queues, const QString &defaultQueue = {});
    // The PDF a queue of addQueues ends its last job as (a desk queue's PostScript as spooled).
    QString jobFile(const QString &name) const { return m_dir.filePath(name + QStringLiteral(".pdf")); }
    // Makes the queue the scheduler's default printer. Empty, or what went wrong.
    QString setDefault(const QString &name);
    // The end of the scheduler's log, with what its filters and backend said.
    QString log(int tail = 80) const;   // its last tail lines
    // The names of the queue's jobs, ended ones too, as the scheduler lists them to their owner
    // (IPP job-name), oldest first.
    QStringList jobNames(const QString &queue) const;

private:
    QString start();
    QString addDesk(const QString &name, const QStringList &arguments);

    QTemporaryDir m_dir;
    QString m_sock = m_dir.filePath(QStringLiteral("cups.sock"));
    QProcess m_cupsd;
    QString m_failure;
    std::optional<QByteArray> m_oldServer;
};

} // namespace printtest
