#include "platform/Temporaries.h"

#include "platform/Files.h"
#include "platform/Log.h"
#include "platform/FolderSwap.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <atomic>
#include <cerrno>
#include <csignal>
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
std::function<void(const QString &)> listedHook;
std::atomic<bool> exchangeAllowed{true};


QByteArray encoded(const QString &path) { return QFile::encodeName(path); }

// The removal of what ended runs left, in folders other users may write too: only the effective
// user's own entries go, and no link is ever followed. A folder is opened without following a link
// and taken only when it is the very entry checked before, and everything below it is removed
// relative to its descriptor, so that swapping it (or anything inside) for a link or another folder
// meanwhile sends the removal nowhere else.

// Deeper trees stay: every level holds a descriptor.
constexpr int kMaxDepth = 128;

bool removeCheckedAt(int parent, const char *name, const struct stat &checked, int depth);
bool removeFolderAt(int parent, const char *name, int fd, const struct stat &checked, int depth);

// Removes what the user owns in the folder open at fd; false when anything stays.
bool removeContents(int fd, int depth)
{
    bool all = true;
    for (const QByteArray &name : entryNames(fd)) {
        struct stat st {};
        if (::fstatat(fd, name.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
            all = all && errno == ENOENT;
            continue;
        }
        all = removeCheckedAt(fd, name.constData(), st, depth) && all;
    }
    return all;
}

// Empties the folder open at fd, the entry name of the folder open at parent (checked as checked),
// and removes it. There is no removal through a descriptor: the name goes only while it holds that
// folder, and only empty, so that whatever took its name meanwhile is no folder of files.
bool removeFolderAt(int parent, const char *name, int fd, const struct stat &checked, int depth)
{
    return removeContents(fd, depth + 1) && holdsEntry(parent, name, checked) && ::unlinkat(parent, name, AT_REMOVEDIR) == 0;
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
    if (folder.fd < 0 || ::fstat(folder.fd, &opened) != 0 || !sameEntry(opened, checked))
        return false;   // no longer the folder checked
    return removeFolderAt(parent, name, folder.fd, checked, depth);
}

// Removes the entry name of the folder open at parent when the user owns it and, given one, it is
// that very entry. With none, no folder goes where others may rename entries: any folder of the
// user's may have been renamed to that name.
bool removeOwnAt(int parent, const QByteArray &name, const QString &path, const struct stat *only)
{
    struct stat st {};
    if (::fstatat(parent, name.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0)
        return errno == ENOENT;
    if (st.st_uid != ::geteuid() || (only && !sameEntry(st, *only)) || (!only && S_ISDIR(st.st_mode) && othersMayRename(parent)))
        return false;
    removalStep(path);
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

std::optional<Leftover> parse(const QString &fileName)
{
    static const QRegularExpression current(
        QStringLiteral("^\\.(.+)\\.tagora-([0-9a-f]{16})-([0-9a-f]{12})-(\\d+)-\\d+\\.([a-z]+)$"),
        QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression older(QStringLiteral("^\\.(.+)\\.tagora-(\\d+)-\\d+\\.([a-z]+)$"),
                                          QRegularExpression::DotMatchesEverythingOption);
    QRegularExpressionMatch m = current.match(fileName);
    if (m.hasMatch())
        return Leftover{QString(), m.captured(1), m.captured(2), m.captured(3), m.captured(4).toLongLong(),
                     m.captured(5), QByteArray(), {}};
    m = older.match(fileName);
    if (m.hasMatch())
        return Leftover{QString(), m.captured(1), QString(), QString(), m.captured(2).toLongLong(), m.captured(3),
                     QByteArray(), {}};
    return std::nullopt;
}

} // namespace

static Leftover::Owner ownerOf(const Leftover &f)
{
    if (f.owner == ownerToken()) {
        if (f.pid == qint64(::getpid()))
            return Leftover::Owner::Runs;
        // EPERM: it runs, as another user's process.
        return f.pid > 0 && ::kill(pid_t(f.pid), 0) != 0 && errno == ESRCH ? Leftover::Owner::Ended : Leftover::Owner::Runs;
    }
    // Another machine's or namespace's process id says nothing here: only a day without a change does.
    if (qint64(std::time(nullptr)) - qint64(f.st.st_mtime) > kForeignAgeSeconds)
        return Leftover::Owner::Ended;
    return Leftover::Owner::Unknown;
}

QList<Leftover> leftoversOf(int fd, const QString &folder, const QString &targetName)
{
    QList<Leftover> out;
    const QString key = targetName.isEmpty() ? QString() : keyOf(targetName);
    for (const QByteArray &name : entryNames(fd)) {
        const QString fileName = QFile::decodeName(name);
        if (!fileName.startsWith(QLatin1Char('.')) || !fileName.contains(kMark))
            continue;
        std::optional<Leftover> f = parse(fileName);
        if (!f || (!targetName.isEmpty() && (f->key.isEmpty() ? f->shown != targetName : f->key != key)))
            continue;
        if (::fstatat(fd, name.constData(), &f->st, AT_SYMLINK_NOFOLLOW) != 0)
            continue;
        f->name = name;
        f->path = QDir(folder).filePath(fileName);
        f->owned = ownerOf(*f);
        out.append(*f);
    }
    return out;
}

bool Leftover::endedOwn() const { return st.st_uid == ::geteuid() && owned == Owner::Ended; }

bool sameEntry(const struct stat &a, const struct stat &b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

bool holdsEntry(int parent, const QByteArray &name, const struct stat &checked)
{
    struct stat st {};
    return ::fstatat(parent, name.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0 && sameEntry(st, checked);
}

bool removeFolderAt(int parent, const QByteArray &name, int fd, const struct stat &checked)
{
    return removeFolderAt(parent, name.constData(), fd, checked, 0);
}

bool onlyOwnPlainFiles(int fd, const std::function<bool(const QByteArray &)> &belongs, QList<ListedFile> *listed)
{
    bool only = true;
    for (const QByteArray &name : entryNames(fd)) {
        struct stat st {};
        const bool own = ::fstatat(fd, name.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::geteuid();
        if (own && listed)
            listed->append({name, st});
        only = only && own && (!belongs || belongs(name));
        if (!only && !listed)
            break;
    }
    return only;
}

bool removeJudgedFolderAt(int parent, const QByteArray &name, int fd, const struct stat &checked, const QList<ListedFile> &files)
{
    for (const ListedFile &file : files)
        if (holdsEntry(fd, file.name, file.st))
            ::unlinkat(fd, file.name.constData(), 0);
    return holdsEntry(parent, name, checked) && ::unlinkat(parent, name.constData(), AT_REMOVEDIR) == 0;
}

bool removeListed(int fd, const Leftover &f)
{
    if (listedHook)
        listedHook(f.path);
    if (S_ISDIR(f.st.st_mode))
        return false;
    return removeOwnAt(fd, f.name, f.path, &f.st);
}

void removeEndedAt(int fd, const QString &folder, const QString &targetName, bool own)
{
    // What is no folder goes as listed; a folder only by the one rule, with nothing said of it here:
    // any folder of the user's may be under such a name (renamed by others, or left by a killed
    // swap), and only a backup or a restore that meets it keeps it where the user sees it.
    RemovalRule rule;
    rule.parent = fd;
    rule.notes = own ? fd : -1;
    rule.anything = own;
    for (const Leftover &f : leftoversOf(fd, folder, targetName)) {
        if (!f.endedOwn())
            continue;
        if (!S_ISDIR(f.st.st_mode)) {
            removeListed(fd, f);
            continue;
        }
        if (listedHook)
            listedHook(f.path);
        removeFolderByRule(rule, f.name, f.st);
    }
}

static void removeEndedIn(const QString &folder, const QString &targetName, bool own)
{
    const Descriptor open(openFolderByRule(folder, nullptr));
    if (open.fd >= 0)
        removeEndedAt(open.fd, folder, targetName, own);
}

void removalStep(const QString &path)
{
    if (removalHook)
        removalHook(path);
}

void folderSwapStep(int n)
{
    if (stepHook)
        stepHook(n);
}

bool folderExchangeAllowed() { return exchangeAllowed.load(); }

QList<QByteArray> entryNames(int fd)
{
    QList<QByteArray> names;
    const int copy = ::dup(fd);   // fdopendir takes the descriptor it is given
    DIR *dir = copy >= 0 ? ::fdopendir(copy) : nullptr;
    if (!dir) {
        if (copy >= 0)
            ::close(copy);
        return names;
    }
    ::rewinddir(dir);   // the copy shares its position with fd, which an earlier listing left at the end
    while (const dirent *d = ::readdir(dir))
        if (std::strcmp(d->d_name, ".") != 0 && std::strcmp(d->d_name, "..") != 0)
            names.append(QByteArray(d->d_name));
    ::closedir(dir);
    return names;
}

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
    const std::optional<Leftover> f = parse(fileName);
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
    const QString path = swaprecords::folderPathOf(folder);
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
        removeEndedAt(listed.fd, path, QString(), false);
}

void removeEndedTemporariesOf(const QString &target, bool own)
{
    const QFileInfo info(target);
    removeEndedIn(info.absolutePath(), info.fileName(), own);
}

bool removeOwnEntry(const QString &path, const struct stat *only)
{
    const QFileInfo info(path);
    const Descriptor parent(openFolderByRule(info.absolutePath(), nullptr));
    return parent.fd >= 0 && removeOwnAt(parent.fd, encoded(info.fileName()), path, only);
}

int makeFolderPath(const QString &path, QString *reason, unsigned mode)
{
    const auto fail = [reason](const QString &why) {
        if (reason)
            *reason = why;
        return -1;
    };
    QString why;
    const int reached = reachFolder(AT_FDCWD, path, &why);
    if (reached >= 0 || why != errorText(ENOENT))
        return reached >= 0 ? reached : fail(why);
    QString trimmed = path;
    while (trimmed.size() > 1 && trimmed.endsWith(QLatin1Char('/')))
        trimmed.chop(1);
    const qsizetype slash = trimmed.lastIndexOf(QLatin1Char('/'));
    const QByteArray name = encoded(trimmed.mid(slash + 1));
    if (name.isEmpty() || name == "." || name == "..")
        return fail(why);
    const Descriptor parent(makeFolderPath(slash < 0 ? QStringLiteral(".") : slash == 0 ? QStringLiteral("/") : trimmed.left(slash), reason));
    if (parent.fd < 0)
        return -1;
    if (::mkdirat(parent.fd, name.constData(), mode) != 0 && errno != EEXIST)
        return fail(errorText(errno));
    // Where others may write, anyone may have made it first, or put a link there.
    Descriptor made(::openat(parent.fd, name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    struct stat st {};
    if (made.fd >= 0 && ::fstat(made.fd, &st) == 0 && st.st_uid == ::geteuid())
        return made.release();
    const int opened = errno;   // a link in its place is refused as the rule refuses it
    const int err = made.fd >= 0 || (::fstatat(parent.fd, name.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISLNK(st.st_mode)) ? EACCES : opened;
    return fail(QStringLiteral("%1: %2").arg(QFile::decodeName(name), errorText(err)));
}

bool makePrivateFolder(const QString &path)
{
    QString why;
    const Descriptor folder(path.isEmpty() ? -1 : makeFolderPath(path, &why, 0700));
    struct stat st {};
    if (folder.fd < 0 || ::fstat(folder.fd, &st) != 0) {
        logLine(QStringLiteral("The folder %1 cannot be made: %2").arg(path, why));
        return false;
    }
    // Whatever its group: a group that is the user's alone today may take members tomorrow.
    if (st.st_uid == ::geteuid() && (st.st_mode & 077) != 0 && ::fchmod(folder.fd, 0700) != 0)
        logLine(QStringLiteral("The folder %1 stays open to others: %2").arg(path, errorText(errno)));
    return true;
}

int makeTemporaryFolderAt(int parent, const QString &targetName, const QString &tag, QByteArray *name, QString *reason)
{
    const auto fail = [reason](int err) {
        if (reason)
            *reason = errorText(err);
        return -1;
    };
    for (int attempt = 0; attempt < 64; ++attempt) {
        const QByteArray candidate = encoded(temporaryName(targetName, tag));
        // Private until it takes the mode of what it replaces (swapFolderIn).
        if (::mkdirat(parent, candidate.constData(), 0700) != 0) {
            if (errno == EEXIST)
                continue;
            return fail(errno);
        }
        folderSwapStep(-2);
        // Open at once, never through a link, and only the user's: where others may rename entries,
        // the name may hold something else a moment later.
        Descriptor made(::openat(parent, candidate.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        struct stat st {};
        if (made.fd < 0 || ::fstat(made.fd, &st) != 0 || st.st_uid != ::geteuid())
            return fail(made.fd < 0 && errno != ELOOP && errno != ENOTDIR ? errno : EACCES);
        *name = candidate;
        folderSwapStep(-1);
        return made.release();
    }
    return fail(EEXIST);
}

QString makeTemporaryFolder(const QString &target, const QString &tag, QString *reason)
{
    const QFileInfo info(target);
    const Descriptor parent(makeFolderPath(info.absolutePath(), reason));
    QByteArray name;
    const Descriptor made(parent.fd < 0 ? -1 : makeTemporaryFolderAt(parent.fd, info.fileName(), tag, &name, reason));
    return made.fd < 0 ? QString() : QDir(info.absolutePath()).filePath(QFile::decodeName(name));
}

int renameNoReplace(int folder, const QByteArray &from, const QByteArray &to)
{
    if (::renameat2(folder, from.constData(), folder, to.constData(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL)
        return -1;
    // A file system that cannot refuse to replace: asked first.
    struct stat st {};
    if (::fstatat(folder, to.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0) {
        errno = EEXIST;
        return -1;
    }
    return ::renameat(folder, from.constData(), folder, to.constData());
}

void setFolderSwapStepHook(std::function<void(int)> hook) { stepHook = std::move(hook); }

void setFolderExchangeAllowed(bool allowed) { exchangeAllowed.store(allowed); }

void setRemovalStepHook(std::function<void(const QString &)> hook) { removalHook = std::move(hook); }

void setListedHook(std::function<void(const QString &)> hook) { listedHook = std::move(hook); }

} // namespace platform
