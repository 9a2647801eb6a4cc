#include "support/LibreOffice.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace libreoffice {
namespace {

// Two LibreOffice started side by side, each with a profile of its own, have been seen to abort on
// a machine where it had never run. Conversions take turns through a lock file of the user's,
// whichever test binary, ctest run or build folder starts them; closing the file ends the turn.
int takeTurn()
{
    const QString path = QDir::temp().filePath(QStringLiteral("tagora-tests-libreoffice-%1.lock").arg(::getuid()));
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    while (fd >= 0 && ::flock(fd, LOCK_EX) != 0 && errno == EINTR) {
    }
    return fd;
}

struct Turn {
    const int fd = takeTurn();
    ~Turn()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

// One run; empty when every output is there, else how it ended and what LibreOffice said.
QString runOnce(const QString &work, const QStringList &arguments, const QStringList &outputs)
{
    for (const QString &out : outputs)
        QFile::remove(out);
    QProcess p;
    p.setWorkingDirectory(work);
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program(), arguments);
    if (!p.waitForStarted())
        return QStringLiteral("it did not start: ") + p.errorString();
    QString how;
    if (!p.waitForFinished(180000) && p.state() != QProcess::NotRunning) {
        p.kill();
        p.waitForFinished();
        how = QStringLiteral("it did not finish in 180 s");
    } else if (p.exitStatus() == QProcess::CrashExit) {
        how = QStringLiteral("it was ended by a signal");
    } else if (p.exitCode() != 0) {
        how = QStringLiteral("exit status %1").arg(p.exitCode());
    } else {
        for (const QString &out : outputs)
            if (!QFileInfo(out).isFile())
                how += QStringLiteral("no ") + out + QLatin1Char(' ');
    }
    if (how.isEmpty())
        return how;
    return how.trimmed() + QStringLiteral("; it said:\n") + QString::fromLocal8Bit(p.readAll()).trimmed();
}

} // namespace

QString program()
{
    for (const char *path : {"/usr/bin/soffice", "/usr/bin/libreoffice"})
        if (QFileInfo::exists(QString::fromLatin1(path)))
            return QString::fromLatin1(path);
    return QString();
}

::testing::AssertionResult convert(const QString &work, const QString &format, const QStringList &files,
                                   const QString &outdir, const QStringList &extra)
{
    const QString extension = format.section(QLatin1Char(':'), 0, 0);
    QStringList outputs;
    for (const QString &file : files)
        outputs << QDir(outdir).filePath(QFileInfo(file).completeBaseName() + QLatin1Char('.') + extension);
    const QString profile = QDir(work).filePath(QStringLiteral("libreoffice-profile"));
    const QStringList arguments = QStringList{QStringLiteral("-env:UserInstallation=") + QUrl::fromLocalFile(profile).toString()}
                                  + extra
                                  + QStringList{QStringLiteral("--headless"), QStringLiteral("--convert-to"), format,
                                                QStringLiteral("--outdir"), outdir}
                                  + files;
    QDir().mkpath(outdir);
    const Turn turn;
    const QString first = runOnce(work, arguments, outputs);
    if (first.isEmpty())
        return ::testing::AssertionSuccess();
    // LibreOffice has aborted by itself now and then: once more, with a new profile in case the
    // first run left it half made.
    QDir(profile).removeRecursively();
    const QString second = runOnce(work, arguments, outputs);
    if (second.isEmpty()) {
        std::fprintf(stderr, "LibreOffice converted %s on its second try; the first: %s\n", qPrintable(files.join(QStringLiteral(", "))),
                     qPrintable(first));
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << "LibreOffice could not convert " << files.join(QStringLiteral(", ")).toStdString()
                                         << " to " << format.toStdString() << "\nfirst try: " << first.toStdString()
                                         << "\nsecond try: " << second.toStdString();
}

} // namespace libreoffice
