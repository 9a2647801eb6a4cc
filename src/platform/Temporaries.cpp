#include "platform/Temporaries.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <mutex>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

const QString kMark = QStringLiteral(".tagora-");

std::atomic<unsigned long long> counter{0};
std::function<void(int)> stepHook;
std::atomic<bool> exchangeAllowed{true};

QString errorText(int err) { return QString::fromLocal8Bit(std::strerror(err)); }

QByteArray encoded(const QString &path) { return QFile::encodeName(path); }

bool present(const QString &path)
{
    struct stat st {};
    return ::lstat(encoded(path).constData(), &st) == 0;
}

void step(int n)
{
    if (stepHook)
        stepHook(n);
}

bool removeEntry(const QString &path)
{
    const QFileInfo info(path);
    if (info.isDir() && !info.isSymLink())
        return QDir(path).removeRecursively();
    return QFile::remove(path);
}

struct Found {
    QString path;
    qint64 pid = 0;
    QString tag;
};

// The temporaries in the folder, of the target or of every target (targetName empty).
QList<Found> temporariesOf(const QString &folder, const QString &targetName)
{
    QList<Found> out;
    const QStringList names =
        QDir(folder).entryList({QStringLiteral(".*") + kMark + QLatin1Char('*')},
                               QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString &name : names) {
        QString target, tag;
        qint64 pid = 0;
        if (isTemporaryName(name, &target, &pid, &tag) && (targetName.isEmpty() || target == targetName))
            out.append({QDir(folder).filePath(name), pid, tag});
    }
    return out;
}

} // namespace

QString temporaryName(const QString &targetName, const QString &tag)
{
    return QStringLiteral(".%1%2%3-%4.%5")
        .arg(targetName, kMark)
        .arg(qint64(::getpid()))
        .arg(counter.fetch_add(1))
        .arg(tag);
}

QString temporaryPath(const QString &target, const QString &tag)
{
    const QFileInfo info(target);
    return QDir(info.absolutePath()).filePath(temporaryName(info.fileName(), tag));
}

bool isTemporaryName(const QString &fileName, QString *targetName, qint64 *pid, QString *tag)
{
    static const QRegularExpression pattern(QStringLiteral("^\\.(.+)\\.tagora-(\\d+)-(\\d+)\\.([a-z]+)$"));
    const QRegularExpressionMatch m = pattern.match(fileName);
    if (!m.hasMatch())
        return false;
    if (targetName)
        *targetName = m.captured(1);
    if (pid)
        *pid = m.captured(2).toLongLong();
    if (tag)
        *tag = m.captured(4);
    return true;
}

bool processGone(qint64 pid)
{
    if (pid <= 0)
        return false;
    if (pid == qint64(::getpid()))
        return false;
    // EPERM: it runs, as another user's process.
    return ::kill(pid_t(pid), 0) != 0 && errno == ESRCH;
}

void removeStaleTemporariesOnce(const QString &folder)
{
    // A batch writes thousands of files into one folder: the folder is read once per process.
    static std::mutex mutex;
    static QSet<QString> done;
    const QString key = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    {
        std::lock_guard lock(mutex);
        if (done.contains(key))
            return;
        done.insert(key);
    }
    for (const Found &f : temporariesOf(key, QString()))
        if (processGone(f.pid))
            removeEntry(f.path);
}

QString makeTemporaryFolder(const QString &target, const QString &tag, QString *reason)
{
    const QString parent = QFileInfo(target).absolutePath();
    if (!QDir().mkpath(parent)) {
        if (reason)
            *reason = QStringLiteral("Cannot make the folder %1").arg(parent);
        return QString();
    }
    for (int attempt = 0; attempt < 64; ++attempt) {
        const QString path = temporaryPath(target, tag);
        if (::mkdir(encoded(path).constData(), 0777) == 0)
            return path;
        if (errno != EEXIST) {
            if (reason)
                *reason = errorText(errno);
            return QString();
        }
    }
    if (reason)
        *reason = errorText(EEXIST);
    return QString();
}

bool swapFolderIn(const QString &staging, const QString &target, QString *reason)
{
    const QByteArray from = encoded(staging), to = encoded(target);
    if (!present(target)) {
        step(0);
        if (::rename(from.constData(), to.constData()) != 0) {
            *reason = errorText(errno);
            return false;
        }
        return true;
    }
    step(0);
    if (exchangeAllowed.load()) {
        if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_EXCHANGE) == 0) {
            // The old folder now has the staging name.
            step(2);
            QDir(staging).removeRecursively();
            return true;
        }
        if (errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP) {
            *reason = errorText(errno);
            return false;
        }
    }
    // No exchange here: two renames, the old folder under a name the start recognises.
    QString old;
    for (int attempt = 0; attempt < 64 && old.isEmpty(); ++attempt) {
        const QString candidate = temporaryPath(target, QStringLiteral("old"));
        if (!present(candidate))
            old = candidate;
    }
    if (old.isEmpty() || ::rename(to.constData(), encoded(old).constData()) != 0) {
        *reason = errorText(old.isEmpty() ? EEXIST : errno);
        return false;
    }
    step(1);
    if (::rename(from.constData(), to.constData()) != 0) {
        *reason = errorText(errno);
        ::rename(encoded(old).constData(), to.constData());
        return false;
    }
    step(2);
    QDir(old).removeRecursively();
    return true;
}

void repairSwappedFolder(const QString &target)
{
    const QFileInfo info(target);
    const QString folder = info.absolutePath();
    QList<Found> found = temporariesOf(folder, info.fileName());
    if (!present(target)) {
        // The newest old folder of an ended process: the state before the swap that was cut short.
        QString newest;
        QDateTime newestTime;
        for (const Found &f : found) {
            if (f.tag != QLatin1String("old") || !processGone(f.pid) || !QFileInfo(f.path).isDir())
                continue;
            const QDateTime time = QFileInfo(f.path).lastModified();
            if (newest.isEmpty() || time > newestTime) {
                newest = f.path;
                newestTime = time;
            }
        }
        if (!newest.isEmpty() && ::rename(encoded(newest).constData(), encoded(target).constData()) == 0)
            found.removeIf([&newest](const Found &f) { return f.path == newest; });
    }
    for (const Found &f : found)
        if (processGone(f.pid))
            removeEntry(f.path);
}

void setFolderSwapStepHook(std::function<void(int)> hook) { stepHook = std::move(hook); }

void setFolderExchangeAllowed(bool allowed) { exchangeAllowed.store(allowed); }

} // namespace platform
