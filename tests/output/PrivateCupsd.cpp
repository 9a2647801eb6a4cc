#include "PrivateCupsd.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <dlfcn.h>
#include <signal.h>
#include <unistd.h>

namespace printtest {

namespace {

// Where Debian keeps the scheduler's programs (filters, drivers, backends); other systems elsewhere.
const char *const Cups_Bin_Folders[] = {"/usr/lib/cups", "/usr/libexec/cups"};
const char *const Cups_Pdf_Driver = "/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd";

// The end of the test's queue, in place of the cups-pdf backend itself, which reads its output
// folder from /etc/cups and needs root: the driver's PostScript made into PDF with the Ghostscript
// call cups-pdf makes, put in place whole as the file the device URI names.
const char *const Backend = R"(#!/bin/sh
if [ $# -eq 0 ]; then
  echo 'file tagora-pdf "Unknown" "PDF file"'
  exit 0
fi
out=${DEVICE_URI#tagora-pdf:}
gs -q -dCompatibilityLevel=1.4 -dNOPAUSE -dBATCH -dSAFER -sDEVICE=pdfwrite -dAutoRotatePages=/PageByPage \
  -dAutoFilterColorImages=false -dColorImageFilter=/FlateEncode -dPDFSETTINGS=/prepress \
  -sOutputFile="$out.part" "${6:--}" || exit 1
mv "$out.part" "$out"
)";

QString findProgram(const QString &name)
{
    const QString onPath = QStandardPaths::findExecutable(name);
    return onPath.isEmpty() ? QStandardPaths::findExecutable(name, {QStringLiteral("/usr/sbin"), QStringLiteral("/sbin")})
                            : onPath;
}

bool write(const QString &file, const QByteArray &text, QFileDevice::Permissions permissions = {})
{
    QFile f(file);
    return f.open(QIODevice::WriteOnly) && f.write(text) == text.size() && (!permissions || f.setPermissions(permissions));
}

// libcups keeps, per thread, the server it first read from CUPS_SERVER and its connection there;
// a null server makes it read the variable again. Nothing to do while Qt has not loaded it.
void rereadCupsServer()
{
    void *library = dlopen("libcups.so.2", RTLD_LAZY | RTLD_NOLOAD);
    if (!library)
        return;
    if (auto setServer = reinterpret_cast<void (*)(const char *)>(dlsym(library, "cupsSetServer")))
        setServer(nullptr);
    dlclose(library);
}

} // namespace

PrivateCupsd::PrivateCupsd()
{
    m_failure = start();
    if (!m_failure.isEmpty())
        return;
    m_hadServer = qEnvironmentVariableIsSet("CUPS_SERVER");
    m_oldServer = qgetenv("CUPS_SERVER");
    qputenv("CUPS_SERVER", QFile::encodeName(path(QStringLiteral("cups.sock"))));
    rereadCupsServer();
}

PrivateCupsd::~PrivateCupsd()
{
    if (m_cupsd.state() != QProcess::NotRunning) {
        const qint64 pid = m_cupsd.processId();
        ::kill(pid_t(pid), SIGTERM);
        if (!m_cupsd.waitForFinished(10000)) {
            ::kill(pid_t(pid), SIGKILL);
            m_cupsd.waitForFinished(5000);
        }
    }
    if (m_failure.isEmpty()) {
        if (m_hadServer)
            qputenv("CUPS_SERVER", m_oldServer);
        else
            qunsetenv("CUPS_SERVER");
        rereadCupsServer();
    }
}

QString PrivateCupsd::start()
{
    const QString cupsd = findProgram(QStringLiteral("cupsd"));
    if (cupsd.isEmpty())
        return QStringLiteral("cupsd is not installed");
    QString cupsBin;
    for (const char *folder : Cups_Bin_Folders)
        if (QFileInfo(QLatin1String(folder) + QStringLiteral("/filter")).isDir())
            cupsBin = QLatin1String(folder);
    if (!m_dir.isValid() || cupsBin.isEmpty())
        return QStringLiteral("no folder for cupsd, or no CUPS filters");
    // Run as root, cupsd runs the filters as lp, which must reach them and the spool through here.
    if (::geteuid() == 0)
        QFile::setPermissions(m_dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                                                | QFileDevice::ExeGroup | QFileDevice::ExeOther);

    // The scheduler's own programs, with one backend of the test's; a backend only its owner may run
    // is run as that owner.
    QDir root(m_dir.path());
    for (const char *folder : {"conf", "spool/tmp", "cache", "state", "log", "bin/backend"})
        root.mkpath(QLatin1String(folder));
    for (const char *folder : {"filter", "cgi-bin", "daemon", "driver", "monitor", "notifier"})
        QFile::link(cupsBin + QLatin1Char('/') + QLatin1String(folder), path(QStringLiteral("bin/")) + QLatin1String(folder));
    const QString files = path(QStringLiteral("conf/cups-files.conf")), conf = path(QStringLiteral("conf/cupsd.conf"));
    const QByteArray d = QFile::encodeName(m_dir.path());
    const bool written =
        write(path(QStringLiteral("bin/backend/tagora-pdf")), Backend,
              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner)
        && write(files, "ServerRoot " + d + "/conf\nServerBin " + d + "/bin\nDataDir /usr/share/cups\nRequestRoot " + d
                            + "/spool\nTempDir " + d + "/spool/tmp\nCacheDir " + d + "/cache\nStateDir " + d
                            + "/state\nAccessLog " + d + "/log/access_log\nErrorLog " + d + "/log/error_log\nPageLog " + d
                            + "/log/page_log\nSandboxing relaxed\n")
        // Anyone who reaches the socket may do anything: it is in the test's folder. A job that
        // fails is dropped and leaves the queue ready.
        && write(conf, "LogLevel debug\nListen " + d + "/cups.sock\nBrowsing No\nWebInterface No\nErrorPolicy abort-job\n"
                       "DefaultAuthType None\n<Policy default>\n  <Limit All>\n    Order deny,allow\n  </Limit>\n</Policy>\n");
    if (!written)
        return QStringLiteral("the configuration of cupsd could not be written in %1").arg(m_dir.path());

    m_cupsd.setProcessChannelMode(QProcess::MergedChannels);
    m_cupsd.start(cupsd, {QStringLiteral("-f"), QStringLiteral("-c"), conf, QStringLiteral("-s"), files});
    if (!m_cupsd.waitForStarted(10000))
        return QStringLiteral("cupsd could not be started: %1").arg(m_cupsd.errorString());
    const QDeadlineTimer deadline(20000);
    while (!answers()) {
        if (m_cupsd.state() == QProcess::NotRunning || m_cupsd.waitForFinished(100) || deadline.hasExpired())
            return QStringLiteral("cupsd did not start (exit status %1): %2\n%3")
                .arg(QString::number(m_cupsd.exitCode()), QString::fromLocal8Bit(m_cupsd.readAll()).trimmed(), log());
    }
    return QString();
}

bool PrivateCupsd::answers()
{
    if (!QFileInfo::exists(path(QStringLiteral("cups.sock"))))
        return false;
    const QString lpstat = findProgram(QStringLiteral("lpstat"));
    if (lpstat.isEmpty())
        return true;
    QProcess p;
    p.start(lpstat, {QStringLiteral("-h"), path(QStringLiteral("cups.sock")), QStringLiteral("-r")});
    return p.waitForFinished(5000) && p.exitCode() == 0 && !p.readAllStandardOutput().contains("not running");
}

QString PrivateCupsd::addPdfQueue(const QString &name, const QString &outFile)
{
    if (!QFileInfo::exists(QLatin1String(Cups_Pdf_Driver)))
        return QStringLiteral("the cups-pdf driver is not installed (printer-driver-cups-pdf)");
    const QString lpadmin = findProgram(QStringLiteral("lpadmin"));
    if (lpadmin.isEmpty())
        return QStringLiteral("lpadmin is not installed (cups-client)");
    QProcess p;
    p.start(lpadmin, {QStringLiteral("-h"), path(QStringLiteral("cups.sock")), QStringLiteral("-p"), name,
                      QStringLiteral("-E"), QStringLiteral("-v"), QStringLiteral("tagora-pdf:") + outFile,
                      QStringLiteral("-P"), QLatin1String(Cups_Pdf_Driver)});
    if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return QStringLiteral("lpadmin failed: %1\n%2").arg(QString::fromLocal8Bit(p.readAllStandardError()).trimmed(), log());
    return QString();
}

QString PrivateCupsd::log() const
{
    QFile f(path(QStringLiteral("log/error_log")));
    if (!f.open(QIODevice::ReadOnly))
        return QString();
    const QStringList lines = QString::fromLocal8Bit(f.readAll()).split(QLatin1Char('\n'));
    return lines.mid(std::max(0, int(lines.size()) - 80)).join(QLatin1Char('\n'));
}

} // namespace printtest
