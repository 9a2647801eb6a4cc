#include "support/PrivateCupsd.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QStandardPaths>
#include <gtest/gtest.h>

#include <dlfcn.h>

namespace printtest {

namespace {

const char *const Cups_Pdf_Driver = "/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd";

// In place of the cups-pdf backend, which reads its output folder from /etc/cups: the driver's
// PostScript made into PDF with cups-pdf's Ghostscript call, put in place whole as the device URI's file.
const char *const Backend = R"(#!/bin/sh
[ $# -eq 0 ] && { echo 'file tagora-pdf "Unknown" "PDF file"'; exit 0; }
out=${DEVICE_URI#tagora-pdf:}
gs -q -dCompatibilityLevel=1.4 -dNOPAUSE -dBATCH -dSAFER -sDEVICE=pdfwrite -dAutoRotatePages=/PageByPage \
  -dAutoFilterColorImages=false -dColorImageFilter=/FlateEncode -dPDFSETTINGS=/prepress \
  -sOutputFile="$out.part" "${6:--}" || exit 1
mv "$out.part" "$out"
)";

// The CUPS programs live in sbin, which may not be on the PATH.
QString run(const QString &program, const QStringList &arguments, QProcess &p, int ms = 5000)
{
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(QStandardPaths::findExecutable(program, {QStringLiteral("/usr/sbin"), QStringLiteral("/usr/bin")}), arguments);
    return p.waitForFinished(ms) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0
               ? QString()
               : QStringLiteral("%1 failed: %2").arg(program, QString::fromLocal8Bit(p.readAll()).trimmed());
}

void write(const QString &file, const QByteArray &text)
{
    QFile f(file);
    if (f.open(QIODevice::WriteOnly))
        f.write(text);
}

// libcups keeps, per thread, the server it first read from CUPS_SERVER; a null server makes it
// read the variable again. Nothing to do while Qt has not loaded it.
void rereadCupsServer()
{
    if (void *library = dlopen("libcups.so.2", RTLD_LAZY | RTLD_NOLOAD)) {
        reinterpret_cast<void (*)(const char *)>(dlsym(library, "cupsSetServer"))(nullptr);
        dlclose(library);
    }
}

// A job as libcups lists it (cups_job_t of <cups/cups.h>, whose layout the library keeps).
struct CupsJob {
    int id;
    char *dest, *title, *user, *format;
    int state, size, priority;
    time_t completed, created, processing;
};

} // namespace

PrivateCupsd::PrivateCupsd() : m_failure(start())
{
    if (qEnvironmentVariableIsSet("CUPS_SERVER"))
        m_oldServer = qgetenv("CUPS_SERVER");
    qputenv("CUPS_SERVER", QFile::encodeName(m_sock));
    rereadCupsServer();
}

PrivateCupsd::~PrivateCupsd()
{
    m_cupsd.terminate();   // QProcess kills it if it does not end
    m_cupsd.waitForFinished(10000);
    m_oldServer ? qputenv("CUPS_SERVER", *m_oldServer) : qunsetenv("CUPS_SERVER");
    rereadCupsServer();
}

QString PrivateCupsd::start()
{
    const QString cupsd = QStandardPaths::findExecutable(QStringLiteral("cupsd"), {QStringLiteral("/usr/sbin")});
    const QString cupsBin = QStringLiteral("/usr/lib/cups/");
    if (cupsd.isEmpty() || !QFileInfo(cupsBin).isDir())
        return QStringLiteral("no cupsd here");
    // Run as root, cupsd runs the filters as lp, which must reach them and the spool through here.
    QFile::setPermissions(m_dir.path(), QFile::permissions(m_dir.path()) | QFileDevice::ExeGroup | QFileDevice::ExeOther);
    // The scheduler's own programs, with one backend of the test's.
    QDir root(m_dir.path());
    for (const char *folder : {"conf", "spool/tmp", "cache", "state", "log", "bin/backend"})
        root.mkpath(QLatin1String(folder));
    for (const char *folder : {"filter", "cgi-bin", "daemon", "driver", "monitor", "notifier"})
        QFile::link(cupsBin + QLatin1String(folder), root.filePath(QStringLiteral("bin/")) + QLatin1String(folder));
    const QString backend = root.filePath(QStringLiteral("bin/backend/tagora-pdf"));
    const QString files = root.filePath(QStringLiteral("conf/cups-files.conf")), conf = root.filePath(QStringLiteral("conf/cupsd.conf"));
    const QByteArray d = QFile::encodeName(m_dir.path());
    // Anyone who reaches the socket may do anything: it is in the test's folder. A job that fails
    // is dropped and leaves the queue ready.
    write(files, QByteArray("ServerRoot @/conf\nServerBin @/bin\nDataDir /usr/share/cups\nRequestRoot @/spool\nTempDir @/spool/tmp\n"
                            "CacheDir @/cache\nStateDir @/state\nAccessLog @/log/access_log\nErrorLog @/log/error_log\n"
                            "PageLog @/log/page_log\nSandboxing relaxed\n").replace('@', d));
    write(conf, "LogLevel debug\nListen " + d + "/cups.sock\nBrowsing No\nWebInterface No\nErrorPolicy abort-job\n"
                "DefaultAuthType None\n<Policy default>\n  <Limit All>\n    Order deny,allow\n  </Limit>\n</Policy>\n");
    // A backend only its owner may run is run as that owner.
    write(backend, Backend);
    QFile::setPermissions(backend, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);

    m_cupsd.setProcessChannelMode(QProcess::MergedChannels);
    m_cupsd.start(cupsd, {QStringLiteral("-f"), QStringLiteral("-c"), conf, QStringLiteral("-s"), files});
    for (const QDeadlineTimer deadline(20000);
         m_cupsd.state() != QProcess::NotRunning && !m_cupsd.waitForFinished(100) && !deadline.hasExpired();) {
        QProcess lpstat;
        if (QFileInfo::exists(m_sock) && run(QStringLiteral("lpstat"), {QStringLiteral("-h"), m_sock, QStringLiteral("-r")}, lpstat).isEmpty()
            && !lpstat.readAll().contains("not running"))
            return QString();
    }
    return QStringLiteral("cupsd did not start (%1): %2\n%3").arg(m_cupsd.errorString(), QString::fromLocal8Bit(m_cupsd.readAll()), log());
}

QString PrivateCupsd::addPdfQueue(const QString &name, const QString &outFile)
{
    QProcess p;
    const QString failed = run(QStringLiteral("lpadmin"), {QStringLiteral("-h"), m_sock, QStringLiteral("-p"), name, QStringLiteral("-E"),
                               QStringLiteral("-v"), QStringLiteral("tagora-pdf:") + outFile, QStringLiteral("-P"),
                               QLatin1String(Cups_Pdf_Driver)}, p, 30000);
    return failed.isEmpty() ? failed : failed + QLatin1Char('\n') + log();
}

bool PrivateCupsd::addQueues(const QList<QStringList> &queues, const QString &defaultQueue)
{
    if (!m_failure.isEmpty())
        return false;
    for (const QStringList &q : queues)
        EXPECT_EQ((q.size() > 1 ? addDesk(q.first(), q.mid(1)) : addPdfQueue(q.first(), jobFile(q.first()))).toStdString(), "");
    EXPECT_EQ((defaultQueue.isEmpty() ? QString() : setDefault(defaultQueue)).toStdString(), "");
    return true;
}

QString PrivateCupsd::addDesk(const QString &name, const QStringList &arguments)
{
    // The description the script with_default_printer.sh gives its desk printer, with these margins.
    const QString ppd = m_dir.filePath(name + QStringLiteral(".ppd"));
    QProcess script, p;
    script.setStandardOutputFile(ppd);   // its warnings (of a locale not installed) stay out of it
    script.start(QStringLiteral(TAGORA_TEST_SOURCE_DIR "/../scripts/desk_ppd.sh"), arguments);
    if (!script.waitForFinished(5000) || script.exitStatus() != QProcess::NormalExit || script.exitCode() != 0)
        return QStringLiteral("desk_ppd.sh failed: ") + QString::fromLocal8Bit(script.readAllStandardError());
    const QString failed = run(QStringLiteral("lpadmin"), {QStringLiteral("-h"), m_sock, QStringLiteral("-p"), name, QStringLiteral("-E"),
                               QStringLiteral("-v"), QStringLiteral("tagora-pdf:") + jobFile(name),
                               QStringLiteral("-P"), ppd}, p, 30000);
    return failed.isEmpty() ? failed : failed + QLatin1Char('\n') + log();
}

QString PrivateCupsd::setDefault(const QString &name)
{
    QProcess p;
    const QString failed = run(QStringLiteral("lpadmin"), {QStringLiteral("-h"), m_sock, QStringLiteral("-d"), name}, p);
    rereadCupsServer();
    return failed.isEmpty() ? failed : failed + QLatin1Char('\n') + log();
}

QStringList PrivateCupsd::jobNames(const QString &queue) const
{
    QStringList names;
    void *library = dlopen("libcups.so.2", RTLD_LAZY);
    const auto getJobs = reinterpret_cast<int (*)(void *, CupsJob **, const char *, int, int)>(dlsym(library, "cupsGetJobs2"));
    const auto freeJobs = reinterpret_cast<void (*)(int, CupsJob *)>(dlsym(library, "cupsFreeJobs"));
    CupsJob *jobs = nullptr;
    const int count = getJobs && freeJobs ? (rereadCupsServer(), getJobs(nullptr, &jobs, queue.toUtf8().constData(), 0, -1)) : 0;
    for (int i = 0; i < count; ++i)   // every job, ended ones too
        names << QString::fromUtf8(jobs[i].title);
    if (count > 0)
        freeJobs(count, jobs);
    if (library)
        dlclose(library);
    return names;
}

QString PrivateCupsd::log(int tail) const
{
    QFile f(m_dir.filePath(QStringLiteral("log/error_log")));
    const QStringList lines = f.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(f.readAll()).split(QLatin1Char('\n')) : QStringList();
    return lines.mid(std::max(0, int(lines.size()) - tail)).join(QLatin1Char('\n'));
}

} // namespace printtest
