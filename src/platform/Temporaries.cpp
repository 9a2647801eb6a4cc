#include "platform/Temporaries.h"

#include "platform/Files.h"
#include "platform/Log.h"
#include "platform/SwapRecords.h"

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

QString errorText(int err) { return QString::fromLocal8Bit(std::strerror(err)); }

QByteArray encoded(const QString &path) { return QFile::encodeName(path); }

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


bool removeCheckedAt(int parent, const char *name, const struct stat &checked, int depth);
bool sameEntry(const struct stat &a, const struct stat &b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

// Whether the entry name of the folder open at parent (not followed) is the entry checked.
bool holdsEntry(int parent, const char *name, const struct stat &checked)
{
    struct stat st {};
    return ::fstatat(parent, name, &st, AT_SYMLINK_NOFOLLOW) == 0 && sameEntry(st, checked);
}

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
    if (folder.fd < 0 || ::fstat(folder.fd, &opened) != 0 || opened.st_dev != checked.st_dev
        || opened.st_ino != checked.st_ino)
        return false;   // no longer the folder checked
    return removeFolderAt(parent, name, folder.fd, checked, depth);
}

// Removes the entry name of the folder open at parent when the user owns it and, given one, it is
// that very entry. With none, no folder goes where others may rename entries: any folder of the
// user's may have been renamed to that name.
bool removeOwnAt(int parent, const QByteArray &name, const QString &path, const struct stat *only)
{
    struct stat st {}, holder {};
    if (::fstatat(parent, name.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0)
        return errno == ENOENT;
    if (st.st_uid != ::geteuid() || (only && !sameEntry(st, *only))
        || (!only && S_ISDIR(st.st_mode) && (::fstat(parent, &holder) != 0 || othersMayRename(holder))))
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
    for (const QByteArray &name : entryNames(fd)) {
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

// Removes an entry as listed (f.st): whatever took its name since stays.
bool removeListed(int fd, const Found &f)
{
    if (listedHook)
        listedHook(f.path);
    return removeOwnAt(fd, f.name, f.path, &f.st);
}

// Removes the temporaries of the target (every target: empty) in the folder open at fd that ended
// runs left; folder names it.
void removeEndedAt(int fd, const QString &folder, const QString &targetName)
{
    const auto mayGo = mayGoFrom(fd);
    for (const Found &f : temporariesOf(fd, folder, targetName))
        if (mayGo(f))
            removeListed(fd, f);
}

void removeEndedIn(const QString &folder, const QString &targetName)
{
    const Descriptor open(openFolderByRule(folder, nullptr));
    if (open.fd >= 0)
        removeEndedAt(open.fd, folder, targetName);
}

bool holdsEntry(int parent, const QByteArray &name, const struct stat &checked) { return holdsEntry(parent, name.constData(), checked); }

// Whether the folder open at fd holds only plain files of the user's, as a backup or the series
// folder does; given belongs, only those that belong there.
bool onlyOwnPlainFiles(int fd, const std::function<bool(const QByteArray &)> &belongs = nullptr)
{
    for (const QByteArray &name : entryNames(fd)) {
        struct stat st {};
        if (::fstatat(fd, name.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(st.st_mode) || st.st_uid != ::geteuid()
            || (belongs && !belongs(name)))
            return false;
    }
    return true;
}

// Moves what the swap met under the entry name of its folder to a name the user sees beside the
// target: "<target> (<label> <date> <time>)". Where it is then; empty when it did not go there. What
// an exchange by others put under the name meanwhile goes back there, else it stays said.
QString keepVisible(FolderSwap &swap, const QByteArray &name, const struct stat &entry, const QString &label)
{
    const QString base = QStringLiteral("%1 (%2 %3").arg(QFile::decodeName(swap.target), label,
                                                         QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH.mm.ss")));
    for (int n = 1; n <= 64; ++n) {
        const QString visible = base + (n == 1 ? QStringLiteral(")") : QStringLiteral(", %1)").arg(n));
        const QByteArray to = encoded(visible);
        const int moved = renameNoReplace(swap.parent, name, to);
        if (moved == 0 && holdsEntry(swap.parent, to, entry))
            return QDir(swap.folder).filePath(visible);
        if (moved == 0) {
            if (renameNoReplace(swap.parent, to, name) != 0)
                swap.keptOther << QDir(swap.folder).filePath(visible);
            return QString();
        }
        if (errno != EEXIST)
            return QString();
    }
    return QString();
}

// The record that the folder moved was moved out to the entry name of the folder holder by a swap:
// an empty file of the notes folder named after all three.
QByteArray noteName(const struct stat &holder, const QByteArray &name, const struct stat &moved)
{
    const QByteArray facts = QByteArray::number(qulonglong(holder.st_dev)) + ':' + QByteArray::number(qulonglong(holder.st_ino)) + ':'
                             + QByteArray::number(qulonglong(moved.st_dev)) + ':' + QByteArray::number(qulonglong(moved.st_ino)) + ':' + name;
    return ".tagora-moved-" + hexHash(facts, 32).toLatin1();
}

// An empty file of the notes folder; false when it is not there.
bool putNote(int notes, const QByteArray &note)
{
    const int fd = ::openat(notes, note.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0)
        return errno == EEXIST;
    ::close(fd);
    return true;
}

// Records, where others may rename entries of the swap's folder, that old goes to the name moved;
// the record's name, empty when none was needed or could be made.
QByteArray noteMovedOut(const FolderSwap &swap, const QByteArray &moved, const struct stat &old)
{
    struct stat holder {};
    if (::fstat(swap.parent, &holder) != 0 || !othersMayRename(holder) || !swaprecords::usable(swap.notes))
        return QByteArray();
    const QByteArray note = noteName(holder, moved, old);
    return putNote(swap.notes, note) ? note : QByteArray();
}

// Whether swap.notes keeps the records of the folders the swap makes: where others may rename
// entries of its folder.
bool recorded(const FolderSwap &swap)
{
    struct stat holder {};
    return ::fstat(swap.parent, &holder) == 0 && othersMayRename(holder) && swaprecords::usable(swap.notes);
}

// Whether the folder open at fd, the user's folder replaced by a swap, may go: it holds only the
// user's plain files (series files only where the swap says what belongs) and no one else may write
// into it; where others may rename entries (any folder of the user's may have been renamed to its
// name, and any exchanged in or out) only one a swap's record proves this program made, elsewhere
// only the very folder moved out (old). In the program's own data folder (the notes folder) the
// folder replaced is the program's series folder, whatever the user put in it.
bool mayRetire(const FolderSwap &swap, int fd, const struct stat &opened, const struct stat *old)
{
    struct stat holder {}, notes {};
    if (::fstat(swap.parent, &holder) != 0 || opened.st_uid != ::geteuid() || othersMayWrite(opened))
        return false;
    const bool own = swap.notes >= 0 && ::fstat(swap.notes, &notes) == 0 && sameEntry(notes, holder);
    if (!onlyOwnPlainFiles(fd, own ? nullptr : swap.holdsOnly))
        return false;
    return othersMayRename(holder) ? swaprecords::usable(swap.notes) && swaprecords::provesMade(swap.notes, swap.parent, fd)
                                   : old && sameEntry(opened, *old);
}

// Removes the folder a swap moved out, now the entry name of its folder (checked as st, not
// followed), when it may go (mayRetire), and its record. False when it stays.
bool retire(const FolderSwap &swap, const QByteArray &name, const struct stat &st, const struct stat *old)
{
    const Descriptor folder(::openat(swap.parent, name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    struct stat opened {};
    if (folder.fd < 0 || ::fstat(folder.fd, &opened) != 0 || !sameEntry(opened, st) || !mayRetire(swap, folder.fd, opened, old))
        return false;
    const QByteArray identity = swaprecords::identityAt(folder.fd, QByteArray());
    if (!removeFolderAt(swap.parent, name.constData(), folder.fd, st, 1))
        return false;
    swaprecords::forget(swap.notes, swap.parent, identity);
    return true;
}

// Keeps what the swap met under one of its hidden names where the user sees it, and says where: a
// folder of the user's as "<target> (old ...)", anything else as "<target> (other ...)" (its hidden
// name when it cannot be moved); the folder replaced (old) as such (keptOther: what came meanwhile).
void keep(FolderSwap &swap, const QByteArray &name, const struct stat &st, const struct stat *old)
{
    const bool mine = S_ISDIR(st.st_mode) && st.st_uid == ::geteuid();
    QString where = keepVisible(swap, name, st, mine ? QStringLiteral("old") : QStringLiteral("other"));
    if (where.isEmpty() && holdsEntry(swap.parent, name, st))
        where = QDir(swap.folder).filePath(QFile::decodeName(name));
    if (where.isEmpty())
        return;   // taken away meanwhile: not where the swap put it
    if (old && sameEntry(st, *old) && swap.keptOld.isEmpty())
        swap.keptOld = where;
    else
        swap.keptOther << where;
}

// After a swap, nothing stays under its hidden names (the staging name, the "old" name): others may
// have exchanged anything in or out meanwhile. Once the new folder is in place, a folder of the
// user's there goes when it may (retire); when the swap failed, the folder it replaced (old) goes
// back to the target's free name; anything else stays visible (keep). The staging folder (made),
// unless in place, goes wherever it is: a copy only.
void settle(FolderSwap &swap, const QList<QByteArray> &hidden, int stagingFd, const struct stat &made,
            const struct stat *old, bool inPlace)
{
    for (const QByteArray &name : hidden) {
        struct stat st {};
        if (name.isEmpty() || ::fstatat(swap.parent, name.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0)
            continue;
        const bool staged = sameEntry(st, made);
        if (staged && !inPlace)
            continue;   // goes below
        if (!staged && (inPlace ? retire(swap, name, st, old)
                                : old && sameEntry(st, *old) && renameNoReplace(swap.parent, name, swap.target) == 0))
            continue;
        keep(swap, name, st, old);
    }
    if (!inPlace)
        dropStagingFolder(swap, hidden.value(0), stagingFd);
}

} // namespace

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
        removeEndedAt(listed.fd, path, QString());
}

void removeEndedTemporariesOf(const QString &target)
{
    const QFileInfo info(target);
    removeEndedIn(info.absolutePath(), info.fileName());
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
        step(-2);
        // Open at once, never through a link, and only the user's: where others may rename entries,
        // the name may hold something else a moment later.
        Descriptor made(::openat(parent, candidate.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        struct stat st {};
        if (made.fd < 0 || ::fstat(made.fd, &st) != 0 || st.st_uid != ::geteuid())
            return fail(made.fd < 0 && errno != ELOOP && errno != ENOTDIR ? errno : EACCES);
        *name = candidate;
        step(-1);
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

int makeStagingFolder(const FolderSwap &swap, QByteArray *name, QString *reason)
{
    const int fd = makeTemporaryFolderAt(swap.parent, QFile::decodeName(swap.target), QStringLiteral("new"), name, reason);
    if (fd >= 0 && recorded(swap))
        swaprecords::noteMade(swap.notes, swap.parent, fd);
    return fd;
}

void dropStagingFolder(FolderSwap &swap, const QByteArray &name, int fd)
{
    struct stat st {};
    // Gone already (its inode may be another folder's by now), or kept and said already.
    if (fd < 0 || ::fstat(fd, &st) != 0 || st.st_nlink == 0 || !swap.keptStaging.isEmpty())
        return;
    const QByteArray identity = swaprecords::identityAt(fd, QByteArray());
    // Where it is: under its name, else (renamed by another meanwhile) found by what it is.
    const auto where = [&]() -> QByteArray {
        if (holdsEntry(swap.parent, name, st))
            return name;
        for (const QByteArray &other : entryNames(swap.parent))
            if (holdsEntry(swap.parent, other, st))
                return other;
        return QByteArray();
    };
    QByteArray at;
    // An exchange by others may outrun one removal by name.
    for (int attempt = 0; attempt < 3 && !(at = where()).isEmpty(); ++attempt)
        if (removeFolderAt(swap.parent, at.constData(), fd, st, 0)) {
            swaprecords::forget(swap.notes, swap.parent, identity);
            return;
        }
    // It stays, under a name the user sees where it can, and is said.
    if (!at.isEmpty())
        swap.keptStaging = keepVisible(swap, at, st, QStringLiteral("unfinished"));
    if (swap.keptStaging.isEmpty())
        swap.keptStaging = swaprecords::folderPathOf(fd);
}

bool swapFolderIn(FolderSwap &swap, int stagingFd, const QByteArray &staging)
{
    const auto fail = [&swap](const QString &why) {
        swap.reason = why;
        return false;
    };
    const int at = swap.parent;
    const QByteArray &target = swap.target;
    const QString shown = QDir(swap.folder).filePath(QFile::decodeName(target));
    const WrittenFile filled = writtenFile(stagingFd);
    // Only the folder filled goes in place, never whatever took its name meanwhile.
    if (!stillNamed(at, encoded(QDir(swap.folder).filePath(QFile::decodeName(staging))), filled))
        return fail(replacedWhileSaving(shown));
    // What it holds is on the disk before it takes the name: a power cut never leaves it empty there.
    struct stat made {};
    if (::syncfs(stagingFd) != 0 || ::fstat(stagingFd, &made) != 0)
        return fail(errorText(errno));
    struct stat old {};
    const bool replaces = ::fstatat(at, target.constData(), &old, AT_SYMLINK_NOFOLLOW) == 0;
    if (!replaces && errno != ENOENT)
        return fail(errorText(errno));
    if (replaces && !S_ISDIR(old.st_mode))   // a file or a link is never replaced by a folder
        return fail(errorText(S_ISLNK(old.st_mode) ? EACCES : ENOTDIR));
    // A staging folder left under the target's name (a failed swap's, exchanged there by another)
    // gives no mode: it is private until it takes its mode.
    const QByteArray oldIdentity = replaces ? swaprecords::identityAt(at, target) : QByteArray();
    // Checked in place, then given the mode of the user's folder it replaces (another's, planted where
    // others may write, gives none) and the set-group-id bit its folder gave it, never write access
    // for others: a restore reads back what it holds. Until then it stays private, also when the swap
    // fails.
    const auto inPlace = [&] {
        step(2);
        if (!holds(at, target, filled))
            return false;
        const bool ownOld = replaces && old.st_uid == ::geteuid() && !swaprecords::recordedAsStaging(swap.notes, at, oldIdentity);
        const mode_t mode = ownOld ? old.st_mode & 07777 : newFolderMode();
        (void)::fchmod(stagingFd, (mode | (made.st_mode & S_ISGID)) & ~mode_t(S_IWGRP | S_IWOTH));
        if (recorded(swap))
            swaprecords::notePlaced(swap.notes, at, stagingFd);
        const bool pathOnly = (::fcntl(at, F_GETFL) & O_PATH) != 0;
        if ((pathOnly ? ::syncfs(stagingFd) : ::fsync(at)) != 0 && errno != EINVAL)
            swap.unsynced = errorText(errno);
        return true;
    };
    const auto settled = [&](bool committed, const QByteArray &moved, const QString &why) {
        settle(swap, {staging, moved}, stagingFd, made, replaces ? &old : nullptr, committed);
        return committed || fail(why);
    };
    step(0);
    if (!replaces) {
        if (::renameat(at, staging.constData(), at, target.constData()) != 0)
            return fail(errorText(errno));
        const bool committed = inPlace();
        return settled(committed, QByteArray(), replacedWhileSaving(shown));
    }
    if (exchangeAllowed.load()) {
        if (::renameat2(at, staging.constData(), at, target.constData(), RENAME_EXCHANGE) == 0) {
            const bool committed = inPlace();
            // Another exchange came between: what this one moved out goes back, where it still is.
            if (!committed && holdsEntry(at, staging, old))
                ::renameat2(at, staging.constData(), at, target.constData(), RENAME_EXCHANGE);
            return settled(committed, QByteArray(), replacedWhileSaving(shown));
        }
        if (errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP)
            return fail(errorText(errno));
    }
    // No exchange here: two renames, the old folder under a name the repair recognises.
    QByteArray moved;
    for (int attempt = 0; attempt < 64 && moved.isEmpty(); ++attempt) {
        const QByteArray candidate = encoded(temporaryName(QFile::decodeName(target), QStringLiteral("old")));
        struct stat st {};
        if (::fstatat(at, candidate.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0 && errno == ENOENT)
            moved = candidate;
    }
    if (moved.isEmpty())
        return fail(errorText(EEXIST));
    const QByteArray note = noteMovedOut(swap, moved, old);
    const auto unnote = [&] {
        if (!note.isEmpty())
            ::unlinkat(swap.notes, note.constData(), 0);
    };
    if (::renameat(at, target.constData(), at, moved.constData()) != 0) {
        const int err = errno;
        unnote();
        return fail(errorText(err));
    }
    step(1);
    // Another's entry may take the name between the two (where others may write): the old folder then
    // goes back, or stays where the user sees it.
    const bool renamed = ::renameat(at, staging.constData(), at, target.constData()) == 0;
    const QString why = renamed ? replacedWhileSaving(shown) : errorText(errno);
    const bool committed = renamed && inPlace();
    const bool done = settled(committed, moved, why);
    unnote();
    return done;
}

void repairSwappedFolder(const FolderSwap &swap)
{
    const Descriptor open(::openat(swap.parent, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (open.fd < 0)
        return;
    QList<Found> found = temporariesOf(open.fd, swap.folder, QFile::decodeName(swap.target));
    struct stat st {}, holder {};
    // Where others may rename entries, an "old" folder may be any folder of the user's renamed so:
    // only one a swap's record names is put back.
    const bool renamable = ::fstat(open.fd, &holder) != 0 || othersMayRename(holder);
    const bool recorded = renamable && swaprecords::usable(swap.notes);
    const auto noted = [&](const Found &f) {
        return !renamable || ::faccessat(swap.notes, noteName(holder, f.name, f.st).constData(), F_OK, AT_SYMLINK_NOFOLLOW) == 0;
    };
    if ((!renamable || recorded) && ::fstatat(open.fd, swap.target.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0 && errno == ENOENT) {
        // The newest old folder of the user's of a process not known to run: the state before the
        // swap that was cut short. What another user left there is never put in its place.
        const auto newer = [](const struct stat &a, const struct stat &b) {
            return std::pair(a.st_mtim.tv_sec, a.st_mtim.tv_nsec) > std::pair(b.st_mtim.tv_sec, b.st_mtim.tv_nsec);
        };
        const Found *newest = nullptr;
        for (const Found &f : std::as_const(found))
            if (f.tag == QLatin1String("old") && S_ISDIR(f.st.st_mode) && f.st.st_uid == ::geteuid()
                && ownerOf(f) != Owner::Runs && noted(f) && (!newest || newer(f.st, newest->st)))
                newest = &f;
        if (newest && ::renameat(open.fd, newest->name.constData(), open.fd, swap.target.constData()) == 0) {
            if (recorded)
                ::unlinkat(swap.notes, noteName(holder, newest->name, newest->st).constData(), 0);
            const QByteArray put = newest->name;
            found.removeIf([&put](const Found &f) { return f.name == put; });
        }
    }
    const auto mayGo = mayGoFrom(open.fd);
    // Where others may rename entries, a folder a swap made (a staging folder or the folder it
    // replaced, left by a kill) goes once the target is there again, else only an empty one: nothing
    // of the user's is lost.
    const bool targetThere = ::fstatat(open.fd, swap.target.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0;
    for (const Found &f : std::as_const(found)) {
        if (mayGo(f)) {
            removeListed(open.fd, f);
            continue;
        }
        if (!renamable || !ended(f) || !S_ISDIR(f.st.st_mode))
            continue;
        const QByteArray identity = swaprecords::identityAt(open.fd, f.name);
        bool gone = targetThere && retire(swap, f.name, f.st, nullptr);
        if (!gone && holdsEntry(open.fd, f.name, f.st) && ::unlinkat(open.fd, f.name.constData(), AT_REMOVEDIR) == 0) {
            swaprecords::forget(swap.notes, open.fd, identity);
            gone = true;
        }
        if (gone && recorded)
            ::unlinkat(swap.notes, noteName(holder, f.name, f.st).constData(), 0);
    }
    // What records the folders the user removed left.
    swaprecords::prune(swap.notes);
}

void repairSwappedFolder(const QString &target)
{
    const QFileInfo info(target);
    const Descriptor parent(openFolderByRule(info.absolutePath(), nullptr));
    if (parent.fd < 0)
        return;
    FolderSwap swap;
    swap.parent = parent.fd;
    swap.folder = info.absolutePath();
    swap.target = encoded(info.fileName());
    repairSwappedFolder(swap);
}

void setFolderSwapStepHook(std::function<void(int)> hook) { stepHook = std::move(hook); }

void setFolderExchangeAllowed(bool allowed) { exchangeAllowed.store(allowed); }

void setRemovalStepHook(std::function<void(const QString &)> hook) { removalHook = std::move(hook); }

void setListedHook(std::function<void(const QString &)> hook) { listedHook = std::move(hook); }

} // namespace platform
