#pragma once
// A cupsd of the test's own, so that a job goes through a real printer queue: its configuration,
// spool, logs and backend live in a temporary folder and it listens on a socket there, which
// CUPS_SERVER names for this process and its children while it runs. Stopped by its process id.

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

namespace printtest {

class PrivateCupsd {
public:
    PrivateCupsd();
    ~PrivateCupsd();
    PrivateCupsd(const PrivateCupsd &) = delete;
    PrivateCupsd &operator=(const PrivateCupsd &) = delete;

    // Empty once the scheduler answers on its socket; else why not (no cupsd here, or it would not
    // start).
    QString failure() const { return m_failure; }

    // Adds an enabled queue with the cups-pdf driver whose jobs end as the PDF file outFile (the
    // driver's PostScript made into PDF by Ghostscript, as the cups-pdf backend does). Empty once
    // added; else what went wrong.
    QString addPdfQueue(const QString &name, const QString &outFile);

    // The scheduler's errors and what its filters and backend said (for a job that did not arrive).
    QString log() const;

private:
    QString path(const QString &name) const { return m_dir.filePath(name); }
    QString start();
    bool answers();

    QTemporaryDir m_dir;
    QProcess m_cupsd;
    QString m_failure;
    QByteArray m_oldServer;
    bool m_hadServer = false;
};

} // namespace printtest
