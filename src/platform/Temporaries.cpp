#include "platform/Temporaries.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSet>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <mutex>
#include <optional>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

const QString kMark = QStringLiteral(".tagora-");
// How much of the target's name a temporary shows, in bytes: enough to tell whose it is, and short
// enough that with the rest (about 75 bytes) it fits every file system's name limit.
constexpr qsizetype kShownBytes = 64;
// What another machine or PID namespace left is taken as ended once it has not changed for a day.
constexpr qint64 kForeignAgeSeconds = 24 * 60 * 60;

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

QString hexHash(const QByteArray &bytes, int digits)
{
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex().left(digits));
}

QString keyOf(const QString &targetName) { return hexHash(encoded(targetName), 16); }

// Where this process's ids mean something: the running system (its boot id, new at every start of
// every machine) and the PID namespace. Either unknown: a token of this process alone, so that no
// other process's id is ever looked up here.
const QString &ownerToken()
{
    static const QString token = [] {
        QFile boot(QStringLiteral("/proc/sys/kernel/random/boot_id"));
        const QByteArray bootId = boot.open(QIODevice::ReadOnly) ? boot.readAll().trimmed() : QByteArray();
        struct stat ns {};
        QByteArray seed;
        if (!bootId.isEmpty() && ::stat("/proc/self/ns/pid", &ns) == 0)
            seed = bootId + ' ' + QByteArray::number(qulonglong(ns.st_dev)) + ':' + QByteArray::number(qulonglong(ns.st_ino));
        else
            seed = QByteArray::number(QRandomGenerator::system()->generate64());
        return hexHash(seed, 12);
    }();
    return token;
}

// The start of the target's name, whole characters of no more than kShownBytes bytes.
QString shownPart(const QString &targetName)
{
    if (encoded(targetName).size() <= kShownBytes)
        return targetName;
    QString shown;
    for (qsizetype i = 0; i < targetName.size();) {
        const qsizetype n = targetName.at(i).isHighSurrogate() && i + 1 < targetName.size() ? 2 : 1;
        if (encoded(shown + targetName.mid(i, n)).size() > kShownBytes)
            break;
        shown += targetName.mid(i, n);
        i += n;
    }
    return shown;
}

struct Found {
    QString path;
    QString shown;   // the target's name, cut short in this build's names
    QString key;     // empty in an older build's name, which shows the whole target's name
    QString owner;
    qint64 pid = 0;
    QString tag;
};

std::optional<Found> parse(const QString &fileName)
{
    static const QRegularExpression current(
        QStringLiteral("^\\.(.+)\\.tagora-([0-9a-f]{16})-([0-9a-f]{12})-(\\d+)-\\d+\\.([a-z]+)$"),
        QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression older(QStringLiteral("^\\.(.+)\\.tagora-(\\d+)-\\d+\\.([a-z]+)$"),
                                          QRegularExpression::DotMatchesEverythingOption);
    QRegularExpressionMatch m = current.match(fileName);
    if (m.hasMatch())
        return Found{QString(), m.captured(1), m.captured(2), m.captured(3), m.captured(4).toLongLong(), m.captured(5)};
    m = older.match(fileName);
    if (m.hasMatch())
        return Found{QString(), m.captured(1), QString(), QString(), m.captured(2).toLongLong(), m.captured(3)};
    return std::nullopt;
}

enum class Owner { Runs, Ended, Unknown };

Owner ownerOf(const Found &f)
{
    if (f.owner == ownerToken()) {
        if (f.pid == qint64(::getpid()))
            return Owner::Runs;
        // EPERM: it runs, as another user's process.
        return f.pid > 0 && ::kill(pid_t(f.pid), 0) != 0 && errno == ESRCH ? Owner::Ended : Owner::Runs;
    }
    // Another machine's or namespace's process id says nothing here: only a day without a change does.
    struct stat st {};
    if (::lstat(encoded(f.path).constData(), &st) == 0 && qint64(std::time(nullptr)) - qint64(st.st_mtime) > kForeignAgeSeconds)
        return Owner::Ended;
    return Owner::Unknown;
}

// The temporaries in the folder, of the target or of every target (targetName empty).
QList<Found> temporariesOf(const QString &folder, const QString &targetName)
{
    QList<Found> out;
    const QString key = targetName.isEmpty() ? QString() : keyOf(targetName);
    const QStringList names =
        QDir(folder).entryList({QStringLiteral(".*") + kMark + QLatin1Char('*')},
                               QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString &name : names) {
        std::optional<Found> f = parse(name);
        if (!f || (!targetName.isEmpty() && (f->key.isEmpty() ? f->shown != targetName : f->key != key)))
            continue;
        f->path = QDir(folder).filePath(name);
        out.append(*f);
    }
    return out;
}

} // namespace

QString temporaryName(const QString &targetName, const QString &tag)
{
    return QLatin1Char('.') + shownPart(targetName) + kMark + keyOf(targetName) + QLatin1Char('-') + ownerToken()
           + QLatin1Char('-') + QString::number(qint64(::getpid())) + QLatin1Char('-')
           + QString::number(counter.fetch_add(1)) + QLatin1Char('.') + tag;
}

QString temporaryPath(const QString &target, const QString &tag)
{
    const QFileInfo info(target);
    return QDir(info.absolutePath()).filePath(temporaryName(info.fileName(), tag));
}

bool isTemporaryName(const QString &fileName, QString *targetName, qint64 *pid, QString *tag)
{
    const std::optional<Found> f = parse(fileName);
    if (!f)
        return false;
    if (targetName)
        *targetName = f->shown;
    if (pid)
        *pid = f->pid;
    if (tag)
        *tag = f->tag;
    return true;
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
        if (ownerOf(f) == Owner::Ended)
            removeEntry(f.path);
}

void removeEndedTemporariesOf(const QString &target)
{
    const QFileInfo info(target);
    for (const Found &f : temporariesOf(info.absolutePath(), info.fileName()))
        if (ownerOf(f) == Owner::Ended)
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
        // The newest old folder of a process not known to run: the state before the swap that was
        // cut short.
        QString newest;
        QDateTime newestTime;
        for (const Found &f : found) {
            if (f.tag != QLatin1String("old") || ownerOf(f) == Owner::Runs || !QFileInfo(f.path).isDir())
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
        if (ownerOf(f) == Owner::Ended)
            removeEntry(f.path);
}

void setFolderSwapStepHook(std::function<void(int)> hook) { stepHook = std::move(hook); }

void setFolderExchangeAllowed(bool allowed) { exchangeAllowed.store(allowed); }

} // namespace platform
