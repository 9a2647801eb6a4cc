#include "platform/Temporaries.h"

#include "platform/Files.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <mutex>
#include <optional>
#include <set>
#include <tuple>
#include <string>
#include <utility>
#include <vector>

#include <dirent.h>
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
std::function<void(const QString &)> removalHook;
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

// The removal of what ended runs left, in folders other users may write too: only the effective
// user's own entries go, and no link is ever followed. A folder is opened without following a link
// and taken only when it is the very entry checked before, and everything below it is removed
// relative to its descriptor, so that swapping it (or anything inside) for a link or another folder
// meanwhile sends the removal nowhere else.

// Deeper trees stay: every level holds a descriptor.
constexpr int kMaxDepth = 128;

// An open folder, closed at the end of the scope.
int openFolder(const QString &path) { return ::open(encoded(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); }

// The names in the folder open at fd, but "." and "..".
std::vector<std::string> namesIn(int fd)
{
    std::vector<std::string> names;
    const int listed = ::dup(fd);   // fdopendir takes the descriptor it is given
    DIR *dir = listed >= 0 ? ::fdopendir(listed) : nullptr;
    if (!dir) {
        if (listed >= 0)
            ::close(listed);
        return names;
    }
    ::rewinddir(dir);
    while (const dirent *e = ::readdir(dir))
        if (std::strcmp(e->d_name, ".") != 0 && std::strcmp(e->d_name, "..") != 0)
            names.emplace_back(e->d_name);
    ::closedir(dir);
    return names;
}

bool removeCheckedAt(int parent, const char *name, const struct stat &checked, int depth);

// Removes what the user owns in the folder open at fd; false when anything stays.
bool removeContents(int fd, int depth)
{
    bool all = true;
    for (const std::string &name : namesIn(fd)) {
        struct stat st {};
        if (::fstatat(fd, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
            all = all && errno == ENOENT;
            continue;
        }
        all = removeCheckedAt(fd, name.c_str(), st, depth) && all;
    }
    return all;
}

// Removes the entry name of the folder open at parent, checked (not followed) as checked.
bool removeCheckedAt(int parent, const char *name, const struct stat &checked, int depth)
{
    if (checked.st_uid != ::geteuid())
        return false;
    if (!S_ISDIR(checked.st_mode))
        return ::unlinkat(parent, name, 0) == 0;   // a link goes as a link
    if (depth >= kMaxDepth)
        return false;
    const Descriptor folder(::openat(parent, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    struct stat opened {};
    if (folder.fd < 0 || ::fstat(folder.fd, &opened) != 0 || opened.st_dev != checked.st_dev
        || opened.st_ino != checked.st_ino)
        return false;   // no longer the folder checked
    // Only an empty folder can go by name: whatever took its name meanwhile is no folder of files.
    return removeContents(folder.fd, depth + 1) && ::unlinkat(parent, name, AT_REMOVEDIR) == 0;
}

// Removes the entry name of the folder open at parent when the user owns it (and, given one, it is
// that very entry).
bool removeOwnAt(int parent, const QByteArray &name, const QString &path, const struct stat *only = nullptr)
{
    struct stat st {};
    if (::fstatat(parent, name.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0)
        return errno == ENOENT;
    if (st.st_uid != ::geteuid() || (only && (st.st_dev != only->st_dev || st.st_ino != only->st_ino)))
        return false;
    if (removalHook)
        removalHook(path);
    return removeCheckedAt(parent, name.constData(), st, 0);
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
    QByteArray name;    // in the folder, as the file system has it
    struct stat st {};  // the entry itself, not followed
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
        return Found{QString(), m.captured(1), m.captured(2), m.captured(3), m.captured(4).toLongLong(),
                     m.captured(5), QByteArray(), {}};
    m = older.match(fileName);
    if (m.hasMatch())
        return Found{QString(), m.captured(1), QString(), QString(), m.captured(2).toLongLong(), m.captured(3),
                     QByteArray(), {}};
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
    if (qint64(std::time(nullptr)) - qint64(f.st.st_mtime) > kForeignAgeSeconds)
        return Owner::Ended;
    return Owner::Unknown;
}

// The temporaries in the folder open at fd, of the target or of every target (targetName empty).
QList<Found> temporariesOf(int fd, const QString &folder, const QString &targetName)
{
    QList<Found> out;
    const QString key = targetName.isEmpty() ? QString() : keyOf(targetName);
    for (const std::string &entry : namesIn(fd)) {
        const QByteArray name = QByteArray::fromStdString(entry);
        const QString fileName = QFile::decodeName(name);
        if (!fileName.startsWith(QLatin1Char('.')) || !fileName.contains(kMark))
            continue;
        std::optional<Found> f = parse(fileName);
        if (!f || (!targetName.isEmpty() && (f->key.isEmpty() ? f->shown != targetName : f->key != key)))
            continue;
        if (::fstatat(fd, name.constData(), &f->st, AT_SYMLINK_NOFOLLOW) != 0)
            continue;
        f->name = name;
        f->path = QDir(folder).filePath(fileName);
        out.append(*f);
    }
    return out;
}

// What provably ended runs left, of the user's own.
bool ended(const Found &f) { return f.st.st_uid == ::geteuid() && ownerOf(f) == Owner::Ended; }

// Whether what ended runs left goes from the folder open at fd. Where others may rename entries (a
// folder they may write, with no sticky bit), a folder of the user's under a temporary's name may
// be any folder of the user's renamed so: only what is no folder goes, which anyone there may
// remove anyway.

std::function<bool(const Found &)> mayGoFrom(int fd)
{
    struct stat folder {};
    const bool renamable = ::fstat(fd, &folder) == 0 && othersMayRename(folder);
    return [renamable](const Found &f) { return ended(f) && !(renamable && S_ISDIR(f.st.st_mode)); };
}

// Removes the temporaries of the target (every target: empty) in the folder open at fd that ended
// runs left; folder names it.
void removeEndedAt(int fd, const QString &folder, const QString &targetName)
{
    const auto mayGo = mayGoFrom(fd);
    for (const Found &f : temporariesOf(fd, folder, targetName))
        if (mayGo(f))
            removeOwnAt(fd, f.name, f.path);
}

void removeEndedIn(const QString &folder, const QString &targetName)
{
    const Descriptor open(openFolder(folder));
    if (open.fd >= 0)
        removeEndedAt(open.fd, folder, targetName);
}

// Where the folder open at fd is, for what is reported of its entries.
QString folderPathOf(int fd)
{
    char link[64], path[PATH_MAX];
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    const ssize_t n = ::readlink(link, path, sizeof path);
    return n > 0 && n < ssize_t(sizeof path) ? QFile::decodeName(QByteArray(path, n)) : QString();
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

void removeStaleTemporariesOnce(int folder)
{
    // A batch writes thousands of files into one folder: the folder is read once per process. It is
    // known by what it is and where it is now (an inode is used again once its folder is gone).
    struct stat st {};
    if (folder < 0 || ::fstat(folder, &st) != 0)
        return;
    const QString path = folderPathOf(folder);
    static std::mutex mutex;
    static std::set<std::tuple<qulonglong, qulonglong, QString>> done;
    {
        std::lock_guard lock(mutex);
        if (!done.insert({qulonglong(st.st_dev), qulonglong(st.st_ino), path}).second)
            return;
    }
    // Listed through a readable descriptor of its own: one open for its path only lists nothing.
    const Descriptor listed(::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (listed.fd >= 0)
        removeEndedAt(listed.fd, path, QString());
}

void removeStaleTemporariesOnce(const QString &folder)
{
    const Descriptor reached(openFolderByRule(folder, nullptr));
    removeStaleTemporariesOnce(reached.fd);
}

void removeEndedTemporariesOf(const QString &target)
{
    const QFileInfo info(target);
    removeEndedIn(info.absolutePath(), info.fileName());
}

bool removeOwnEntry(const QString &path, const struct stat *only)
{
    const QFileInfo info(path);
    const Descriptor parent(openFolder(info.absolutePath()));
    return parent.fd >= 0 && removeOwnAt(parent.fd, encoded(info.fileName()), path, only);
}

QString makeTemporaryFolder(const QString &target, const QString &tag, QString *reason, int *fd)
{
    const QString parent = QFileInfo(target).absolutePath();
    if (!QDir().mkpath(parent)) {
        if (reason)
            *reason = QStringLiteral("Cannot make the folder %1").arg(parent);
        return QString();
    }
    for (int attempt = 0; attempt < 64; ++attempt) {
        const QString path = temporaryPath(target, tag);
        // Private until it takes the mode of what it replaces (swapFolderIn).
        if (::mkdir(encoded(path).constData(), 0700) == 0) {
            if (!fd)
                return path;
            // Open at once, never through a link, and only the user's: where others may rename
            // entries, the name may hold something else a moment later.
            *fd = ::open(encoded(path).constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
            struct stat st {};
            if (*fd >= 0 && ::fstat(*fd, &st) == 0 && st.st_uid == ::geteuid()) {
                step(-1);
                return path;
            }
            const int err = *fd >= 0 ? EACCES : errno;
            if (*fd >= 0)
                ::close(*fd);
            *fd = -1;
            if (reason)
                *reason = errorText(err);
            return QString();
        }
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

bool swapFolderIn(int stagingFd, const QString &staging, const QString &target, QString *reason)
{
    const QByteArray from = encoded(staging), to = encoded(target);
    // Where others may rename entries, the old folder is left under its temporary name, as the
    // clean-up leaves such folders there: the user's folder another renamed to the target's name
    // (the user then told to replace "the backup") is never removed.
    struct stat parent {};
    const bool renamable = ::stat(encoded(QFileInfo(target).absolutePath()).constData(), &parent) == 0 && othersMayRename(parent);
    const auto removeOld = [&](const QString &old, const struct stat *only) { return renamable || removeOwnEntry(old, only); };
    // Only the folder filled goes in place, never whatever took its name meanwhile.
    if (!stillNamed(AT_FDCWD, from, writtenFile(stagingFd))) {
        *reason = replacedWhileSaving(target);
        return false;
    }
    // The mode of the folder it replaces, set through the staging folder's own descriptor; another's
    // folder there (planted where others may write) gives none: its mode is its maker's choice.
    struct stat replaced {};
    (void)::fchmod(stagingFd, ::lstat(to.constData(), &replaced) == 0 && S_ISDIR(replaced.st_mode)
                                      && replaced.st_uid == ::geteuid()
                                  ? replaced.st_mode & 07777
                                  : newFolderMode());
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
            // The old folder now has the staging name: only it goes, never a folder of the user's
            // that another renamed to that name meanwhile (where others may rename entries).
            step(2);
            removeOld(staging, &replaced);
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
    removeOld(old, &replaced);
    return true;
}

void repairSwappedFolder(const QString &target)
{
    const QFileInfo info(target);
    const QString folder = info.absolutePath();
    const Descriptor open(openFolder(folder));
    if (open.fd < 0)
        return;
    const QByteArray targetName = encoded(info.fileName());
    QList<Found> found = temporariesOf(open.fd, folder, info.fileName());
    struct stat st {}, holder {};
    // Where others may rename entries, an "old" folder may be any folder of the user's renamed so:
    // none is put back, to be exchanged out and removed by the next swap.
    const bool renamable = ::fstat(open.fd, &holder) != 0 || othersMayRename(holder);
    if (!renamable && ::fstatat(open.fd, targetName.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0 && errno == ENOENT) {
        // The newest old folder of the user's of a process not known to run: the state before the
        // swap that was cut short. What another user left there is never put in its place.
        const auto newer = [](const struct stat &a, const struct stat &b) {
            return std::pair(a.st_mtim.tv_sec, a.st_mtim.tv_nsec) > std::pair(b.st_mtim.tv_sec, b.st_mtim.tv_nsec);
        };
        const Found *newest = nullptr;
        for (const Found &f : std::as_const(found))
            if (f.tag == QLatin1String("old") && S_ISDIR(f.st.st_mode) && f.st.st_uid == ::geteuid()
                && ownerOf(f) != Owner::Runs && (!newest || newer(f.st, newest->st)))
                newest = &f;
        if (newest && ::renameat(open.fd, newest->name.constData(), open.fd, targetName.constData()) == 0) {
            const QByteArray put = newest->name;
            found.removeIf([&put](const Found &f) { return f.name == put; });
        }
    }
    const auto mayGo = mayGoFrom(open.fd);
    for (const Found &f : std::as_const(found))
        if (mayGo(f))
            removeOwnAt(open.fd, f.name, f.path);
}

void setFolderSwapStepHook(std::function<void(int)> hook) { stepHook = std::move(hook); }

void setFolderExchangeAllowed(bool allowed) { exchangeAllowed.store(allowed); }

void setRemovalStepHook(std::function<void(const QString &)> hook) { removalHook = std::move(hook); }

} // namespace platform
