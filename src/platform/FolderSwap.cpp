#include "platform/FolderSwap.h"

#include "platform/Files.h"
#include "platform/Temporaries.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QList>
#include <QRandomGenerator>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <optional>
#include <utility>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace platform {

namespace {

QByteArray encoded(const QString &path) { return QFile::encodeName(path); }

QByteArray hexHash(const QByteArray &bytes, int digits)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex().left(digits);
}

} // namespace

namespace swaprecords {

namespace {

std::atomic<bool> birthTimesHidden{false};

const QByteArray kMadePrefix = ".tagora-made-";
const QByteArray kMovedPrefix = ".tagora-moved-";
const QByteArray kMadeHeader = "tagora-made 2";
const QByteArray kMovedHeader = "tagora-moved 2";
// What an older build named the parts of its records (its process id only): gone once a day old.
const QByteArray kOldPartPrefix = ".tagora-record-";
constexpr qint64 kOldPartAgeSeconds = 24 * 60 * 60;
// The parts of records this build writes, as temporaries of this name, which the clean-up of ended
// runs knows.
const QString kPartTarget = QStringLiteral("record");
// A record holds a few names per file of a backup: far below this.
constexpr qint64 kMaxRecordBytes = 16 * 1024 * 1024;

// A folder made (or, moved: moved out to an "old" name) in the folder of identity at, at path.
struct Record {
    bool moved = false;
    QByteArray at, made, path;
    bool placed = false;
    QHash<QByteArray, QByteArray> files;   // name -> "inode change-time"
};

QByteArray madeName(const QByteArray &at, const QByteArray &made)
{
    return kMadePrefix + hexHash(at + '/' + made, 32);
}

// The record that the folder moved was moved out to the entry name of the folder holder by a swap,
// named after all three.
QByteArray movedName(const struct stat &holder, const QByteArray &name, const struct stat &moved)
{
    const QByteArray facts = QByteArray::number(qulonglong(holder.st_dev)) + ':' + QByteArray::number(qulonglong(holder.st_ino)) + ':'
                             + QByteArray::number(qulonglong(moved.st_dev)) + ':' + QByteArray::number(qulonglong(moved.st_ino)) + ':' + name;
    return kMovedPrefix + hexHash(facts, 32);
}

// An identity's device and inode, without its birth time; and its inode alone.
QByteArray inodeOf(const QByteArray &identity) { return identity.split(':').mid(0, 3).join(':'); }
quint64 inodeNumberOf(const QByteArray &identity) { return identity.split(':').value(2).toULongLong(); }
bool hasBirthTime(const QByteArray &identity) { return identity.count(':') == 3; }

// Whether an entry of that identity now is the folder recorded: where both know birth times, by them too.
bool sameFolder(const QByteArray &recorded, const QByteArray &now)
{
    return recorded == now || (inodeOf(recorded) == inodeOf(now) && (!hasBirthTime(recorded) || !hasBirthTime(now)));
}

QByteArray fileFacts(const struct stat &st)
{
    return QByteArray::number(qulonglong(st.st_ino)) + ' ' + QByteArray::number(qlonglong(st.st_ctim.tv_sec)) + '.'
           + QByteArray::number(qlonglong(st.st_ctim.tv_nsec));
}

std::optional<Record> read(int notes, const QByteArray &name)
{
    if (notes < 0)
        return std::nullopt;
    const Descriptor fd(::openat(notes, name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat st {};
    if (fd.fd < 0 || ::fstat(fd.fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size > kMaxRecordBytes)
        return std::nullopt;
    QFile file;
    if (!file.open(fd.fd, QIODevice::ReadOnly, QFileDevice::DontCloseHandle))
        return std::nullopt;
    const QList<QByteArray> lines = file.readAll().split('\n');
    // An older build's record is an empty file: it cannot tell a new folder from the one it names.
    if (lines.size() < 5 || (lines.first() != kMadeHeader && lines.first() != kMovedHeader) || !lines.last().isEmpty())
        return std::nullopt;
    Record r;
    r.moved = lines.first() == kMovedHeader;
    for (qsizetype i = 1; i + 1 < lines.size(); ++i) {
        const QByteArray &line = lines.at(i);
        const QByteArray key = line.left(line.indexOf(' ')), value = line.mid(key.size() + 1);
        const QList<QByteArray> file = value.split(' ');
        if (key == "at" && i == 1)
            r.at = value;
        else if (key == "made" && i == 2)
            r.made = value;
        else if (key == "path" && i == 3)
            r.path = QByteArray::fromPercentEncoding(value);
        else if (line == "placed" && i == 4 && !r.moved)
            r.placed = true;
        else if (key == "file" && r.placed && file.size() == 3)
            r.files.insert(QByteArray::fromPercentEncoding(file.at(2)), file.at(0) + ' ' + file.at(1));
        else
            return std::nullopt;
    }
    if (r.at.isEmpty() || r.made.isEmpty() || r.path.isEmpty())
        return std::nullopt;
    return r;
}

// Written whole under a temporary name of its own, then renamed over the record: never read half
// written, and what a kill left of it goes with what other ended runs left.
bool write(int notes, const Record &r, const QByteArray &name)
{
    QByteArray text = (r.moved ? kMovedHeader : kMadeHeader) + "\nat " + r.at + "\nmade " + r.made + "\npath "
                      + r.path.toPercentEncoding("/") + '\n';
    if (r.placed)
        text += "placed\n";
    for (auto it = r.files.cbegin(); it != r.files.cend(); ++it)
        text += "file " + it.value() + ' ' + it.key().toPercentEncoding() + '\n';
    const QByteArray part = encoded(temporaryName(kPartTarget, QStringLiteral("part")));
    const int fd = ::openat(notes, part.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    qsizetype done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.constData() + done, size_t(text.size() - done));
        if (n <= 0)
            break;
        done += n;
    }
    const bool written = ::close(fd) == 0 && done == text.size() && ::renameat(notes, part.constData(), notes, name.constData()) == 0;
    if (!written)
        ::unlinkat(notes, part.constData(), 0);
    return written;
}

// Without a birth time, a folder is the one recorded only while every file it holds is one recorded as put there,
// unchanged since (inode and change time): a new folder that took a freed inode holds none of them.
bool holdsRecordedFiles(const Record &r, int fd)
{
    if (!r.placed)
        return false;
    for (const QByteArray &name : entryNames(fd)) {
        struct stat st {};
        if (::fstatat(fd, name.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0 || r.files.value(name) != fileFacts(st))
            return false;
    }
    return true;
}

// The entries of the folder open at fd with their inodes, read in one step of the file system (a
// rename in the folder waits for it, or it for the rename): nothing when the folder is too large to
// be read so, or cannot be read.
std::optional<QList<std::pair<QByteArray, quint64>>> entriesInOneStep(int fd)
{
    const Descriptor dir(::openat(fd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.fd < 0)
        return std::nullopt;
    for (size_t size = size_t(1) << 16; size <= size_t(1) << 24; size *= 4) {
        std::vector<char> buffer(size);
        char probe[1024];
        if (::lseek(dir.fd, 0, SEEK_SET) != 0)
            return std::nullopt;
        const long got = ::syscall(SYS_getdents64, dir.fd, buffer.data(), buffer.size());
        if (got < 0)
            return std::nullopt;
        const long more = ::syscall(SYS_getdents64, dir.fd, probe, sizeof probe);
        if (more < 0)
            return std::nullopt;
        if (more > 0)
            continue;   // it did not fit in one read
        QList<std::pair<QByteArray, quint64>> entries;
        for (long at = 0; at + 19 < got;) {
            quint64 ino = 0;
            unsigned short length = 0;
            std::memcpy(&ino, buffer.data() + at, sizeof ino);
            std::memcpy(&length, buffer.data() + at + 16, sizeof length);
            if (length < 20 || at + length > got)
                return std::nullopt;
            const QByteArray name(buffer.data() + at + 19, qsizetype(::strnlen(buffer.data() + at + 19, length - 19)));
            if (name != "." && name != "..")
                entries.append({name, ino});
            at += length;
        }
        return entries;
    }
    return std::nullopt;
}

// Whether the entry open at fd (for its path only) is on the device of st, looked at (sx) as the
// system last knew it: a share mounted there is never asked, and may not answer.
bool onDevice(int fd, const struct stat &st, struct statx *sx)
{
    return fd >= 0 && ::statx(fd, "", AT_EMPTY_PATH | AT_STATX_DONT_SYNC, STATX_TYPE | STATX_INO, sx) == 0
           && makedev(sx->stx_dev_major, sx->stx_dev_minor) == st.st_dev;
}

// Whether the record's folder, made in the folder open at folder (looked at as st), is provably no
// longer there: no entry of its inode, or one that is another folder. An entry that is on another
// file system (a share mounted there) is looked at only as the system last knew it, never opened;
// exchanged while looked at: not provably.
bool provablyGone(const Record &r, int folder, const struct stat &st)
{
    const auto entries = entriesInOneStep(folder);
    if (!entries)
        return false;
    const quint64 ino = inodeNumberOf(r.made);
    const auto entry = std::find_if(entries->cbegin(), entries->cend(), [ino](const auto &e) { return e.second == ino; });
    if (entry == entries->cend())
        return true;
    folderSwapStep(6);
    const Descriptor at(::openat(folder, entry->first.constData(), O_PATH | O_NOFOLLOW | O_CLOEXEC));
    struct statx sx {};
    if (!onDevice(at.fd, st, &sx) || sx.stx_ino != ino)
        return false;   // a mount, or its name exchanged meanwhile: nothing is known
    if (!S_ISDIR(sx.stx_mode))
        return true;
    const Descriptor held(::openat(at.fd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (held.fd < 0)
        return false;
    if (!sameFolder(r.made, identityAt(held.fd, QByteArray())))
        return true;
    // A folder made later that took the recorded one's inode: the recorded folder is gone all the same.
    return !r.moved && r.placed && !hasBirthTime(r.made) && !holdsRecordedFiles(r, held.fd);
}

} // namespace

QByteArray identityAt(int dirfd, const QByteArray &name)
{
    struct statx sx {};
    const int flags = AT_SYMLINK_NOFOLLOW | (name.isEmpty() ? AT_EMPTY_PATH : 0);
    if (::statx(dirfd, name.constData(), flags, STATX_INO | STATX_BTIME, &sx) != 0)
        return QByteArray();
    QByteArray id = QByteArray::number(sx.stx_dev_major) + ':' + QByteArray::number(sx.stx_dev_minor) + ':'
                    + QByteArray::number(qulonglong(sx.stx_ino));
    if ((sx.stx_mask & STATX_BTIME) && !birthTimesHidden.load())
        id += ':' + QByteArray::number(qlonglong(sx.stx_btime.tv_sec)) + '.' + QByteArray::number(sx.stx_btime.tv_nsec);
    return id;
}

bool usable(int notes) { return notes >= 0 && !othersMayWrite(notes); }

bool noteMade(int notes, int parent, int fd)
{
    Record r;
    r.at = identityAt(parent, QByteArray());
    r.made = identityAt(fd, QByteArray());
    r.path = encoded(folderPathOf(parent));
    return !r.at.isEmpty() && !r.made.isEmpty() && !r.path.isEmpty() && write(notes, r, madeName(r.at, r.made));
}

void notePlaced(int notes, int parent, int fd)
{
    const QByteArray name = madeName(identityAt(parent, QByteArray()), identityAt(fd, QByteArray()));
    std::optional<Record> r = read(notes, name);
    if (!r || r->moved)
        return;
    r->placed = true;
    for (const QByteArray &entry : entryNames(fd)) {
        struct stat st {};
        if (::fstatat(fd, entry.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0)
            r->files.insert(entry, fileFacts(st));
    }
    if (!write(notes, *r, name))   // a record that no longer says what the folder holds proves nothing
        ::unlinkat(notes, name.constData(), 0);
}

namespace {

// The record that proves that the program made the folder open at fd in parent: its identity recorded,
// with its birth time; else recorded as put in place, every file it holds one of those recorded.
std::optional<Record> madeRecord(int notes, int parent, int fd)
{
    const QByteArray at = identityAt(parent, QByteArray()), made = identityAt(fd, QByteArray());
    std::optional<Record> r = at.isEmpty() || made.isEmpty() ? std::nullopt : read(notes, madeName(at, made));
    if (!r || r->moved || r->at != at || r->made != made)
        return std::nullopt;
    if (hasBirthTime(made))
        return r;
    // Listed through a readable descriptor of its own: one open for its path only lists nothing.
    const Descriptor listed(::openat(fd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    return listed.fd >= 0 && holdsRecordedFiles(*r, listed.fd) ? r : std::nullopt;
}

} // namespace

bool provesMade(int notes, int parent, int fd) { return madeRecord(notes, parent, fd).has_value(); }

bool provesPlaced(int notes, int parent, int fd)
{
    const std::optional<Record> r = madeRecord(notes, parent, fd);
    return r && r->placed;
}

void forget(int notes, int parent, const QByteArray &identity)
{
    if (notes >= 0 && !identity.isEmpty())
        ::unlinkat(notes, madeName(identityAt(parent, QByteArray()), identity).constData(), 0);
}

// Records, where others may rename entries of parent, that the folder open at old goes to the name
// moved; the record's name, empty when none was needed or could be made.
QByteArray noteMoved(int notes, int parent, const QByteArray &moved, int old)
{
    struct stat holder {}, st {};
    if (!othersMayRename(parent) || !usable(notes) || ::fstat(parent, &holder) != 0 || ::fstat(old, &st) != 0)
        return QByteArray();
    Record r;
    r.moved = true;
    r.at = identityAt(parent, QByteArray());
    r.made = identityAt(old, QByteArray());
    r.path = encoded(folderPathOf(parent));
    const QByteArray name = movedName(holder, moved, st);
    return !r.at.isEmpty() && !r.made.isEmpty() && !r.path.isEmpty() && write(notes, r, name) ? name : QByteArray();
}

// Whether a record says that the folder now the entry name of parent (looked at as st) was moved
// there by a swap.
bool movedThere(int notes, int parent, const QByteArray &name, const struct stat &st)
{
    struct stat holder {};
    const std::optional<Record> r = ::fstat(parent, &holder) == 0 ? read(notes, movedName(holder, name, st)) : std::nullopt;
    return r && r->moved;
}

// Drops that record.
void unnoteMoved(int notes, int parent, const QByteArray &name, const struct stat &st)
{
    struct stat holder {};
    if (notes >= 0 && ::fstat(parent, &holder) == 0)
        ::unlinkat(notes, movedName(holder, name, st).constData(), 0);
}

void prune(int notes, int folder)
{
    struct stat there {};
    const QByteArray at = identityAt(folder, QByteArray());
    if (!usable(notes) || at.isEmpty() || ::fstat(folder, &there) != 0)
        return;
    removeEndedAt(notes, folderPathOf(notes), kPartTarget, false);
    // The program's own data folder (a start's repair) holds no folder a record names.
    if (sameFolder(identityAt(notes, QByteArray()), at))
        return;
    for (const QByteArray &name : entryNames(notes)) {
        struct stat st {};
        if (name.startsWith(kOldPartPrefix)) {
            if (::fstatat(notes, name.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(st.st_mode)
                && qint64(std::time(nullptr)) - qint64(st.st_mtime) > kOldPartAgeSeconds)
                ::unlinkat(notes, name.constData(), 0);
            continue;
        }
        if (!name.startsWith(kMadePrefix) && !name.startsWith(kMovedPrefix))
            continue;
        // A record of another folder stays: a free path says nothing of the folder that was there
        // (renamed, or on a medium that is away), and only from a folder held is one proved gone.
        const std::optional<Record> r = read(notes, name);
        if (!r || (sameFolder(r->at, at) && provablyGone(*r, folder, there)))
            ::unlinkat(notes, name.constData(), 0);
    }
}

QString folderPathOf(int fd)
{
    char link[64], path[PATH_MAX];
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    const ssize_t n = ::readlink(link, path, sizeof path);
    return n > 0 && n < ssize_t(sizeof path) ? QFile::decodeName(QByteArray(path, n)) : QString();
}

void setBirthTimesHidden(bool hidden) { birthTimesHidden.store(hidden); }

} // namespace swaprecords

namespace {

// Whether the folder open at fd holds nothing; false when it cannot be read.
bool emptyFolder(int fd)
{
    const int copy = ::openat(fd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    DIR *dir = copy >= 0 ? ::fdopendir(copy) : nullptr;
    if (!dir) {
        if (copy >= 0)
            ::close(copy);
        return false;
    }
    bool empty = true;
    while (const dirent *d = ::readdir(dir))
        if (std::strcmp(d->d_name, ".") != 0 && std::strcmp(d->d_name, "..") != 0)
            empty = false;
    ::closedir(dir);
    return empty;
}

bool sameFolder(int a, int b)
{
    struct stat x {}, y {};
    return a >= 0 && b >= 0 && ::fstat(a, &x) == 0 && ::fstat(b, &y) == 0 && sameEntry(x, y);
}

} // namespace

RemovalVerdict mayRemoveFolder(const RemovalRule &rule, int fd, const struct stat &opened)
{
    RemovalVerdict verdict;
    if (opened.st_uid != ::geteuid() || !S_ISDIR(opened.st_mode))
        return verdict;
    // Nothing of anyone's is lost: it goes as it was judged, empty, or stays.
    if (emptyFolder(fd)) {
        verdict.may = true;
        return verdict;
    }
    if (othersMayWrite(fd))
        return verdict;
    const bool own = sameFolder(rule.notes, rule.parent) && swaprecords::usable(rule.notes);
    if (own && rule.anything) {
        verdict.may = verdict.anything = true;
        return verdict;
    }
    const auto nothing = [](const QByteArray &) { return false; };
    if (!onlyOwnPlainFiles(fd, own ? std::function<bool(const QByteArray &)>() : rule.holdsOnly ? rule.holdsOnly : nothing, &verdict.files))
        return verdict;
    if (othersMayRename(rule.parent))
        verdict.may = swaprecords::usable(rule.notes) && swaprecords::provesMade(rule.notes, rule.parent, fd);
    else
        verdict.may = !rule.old || sameEntry(opened, *rule.old);
    return verdict;
}

bool removeFolderByRule(const RemovalRule &rule, const QByteArray &name, const struct stat &st)
{
    const Descriptor folder(::openat(rule.parent, name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    struct stat opened {};
    if (folder.fd < 0 || ::fstat(folder.fd, &opened) != 0 || !sameEntry(opened, st))
        return false;
    const RemovalVerdict verdict = mayRemoveFolder(rule, folder.fd, opened);
    if (!verdict.may)
        return false;
    const QByteArray identity = swaprecords::identityAt(folder.fd, QByteArray());
    removalStep(QDir(swaprecords::folderPathOf(rule.parent)).filePath(QFile::decodeName(name)));
    if (verdict.anything ? !removeFolderAt(rule.parent, name, folder.fd, st)
                         : !removeJudgedFolderAt(rule.parent, name, folder.fd, st, verdict.files))
        return false;
    swaprecords::forget(rule.notes, rule.parent, identity);
    swaprecords::unnoteMoved(rule.notes, rule.parent, name, st);
    return true;
}

namespace {

// Moves the entry name of the swap's folder (looked at as entry) to a name the user sees beside the
// target: "<target> (<label> <date> <time>)", numbered while taken, then with a part no one can
// guess. Where it is then; empty when it did not go there. What an exchange by others put under the
// name meanwhile goes back there, else it stays said.
QString keepVisible(FolderSwap &swap, const QByteArray &name, const struct stat &entry, const QString &label)
{
    const QString base = QStringLiteral("%1 (%2 %3").arg(QFile::decodeName(swap.target), label,
                                                         QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH.mm.ss")));
    for (int n = 1; n <= 64 + 16; ++n) {
        const QString visible = base + (n == 1    ? QStringLiteral(")")
                                        : n <= 64 ? QStringLiteral(", %1)").arg(n)
                                                  : QStringLiteral(", %1)").arg(QRandomGenerator::system()->generate64(), 16, 16, QLatin1Char('0')));
        const QByteArray to = encoded(visible);
        const int moved = renameNoReplace(swap.parent, name, to);
        if (moved == 0)
            folderSwapStep(5);
        if (moved == 0 && holdsEntry(swap.parent, to, entry)) {
            swaprecords::unnoteMoved(swap.notes, swap.parent, name, entry);
            return QDir(swap.folder).filePath(visible);
        }
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

// Keeps what the swap met under one of its hidden names where the user sees it, and says where: a
// folder of the user's as "<target> (old ...)", anything else as "<target> (other ...)"; the folder
// replaced (old) as such (keptOther: what came meanwhile). What cannot be moved so is said to stay
// hidden, never named by its hidden name.
void keep(FolderSwap &swap, const QByteArray &name, const struct stat &st, const struct stat *old)
{
    const bool mine = S_ISDIR(st.st_mode) && st.st_uid == ::geteuid();
    const QString where = keepVisible(swap, name, st, mine ? QStringLiteral("old") : QStringLiteral("other"));
    if (where.isEmpty()) {
        swap.hiddenStayed = swap.hiddenStayed || holdsEntry(swap.parent, name, st);
        return;   // else taken away meanwhile: not where the swap put it
    }
    if (old && sameEntry(st, *old) && swap.keptOld.isEmpty())
        swap.keptOld = where;
    else
        swap.keptOther << where;
}

RemovalRule ruleOf(const FolderSwap &swap, int parent, const struct stat *old)
{
    RemovalRule rule;
    rule.parent = parent;
    rule.notes = swap.notes;
    rule.holdsOnly = swap.holdsOnly;
    rule.old = old;
    return rule;
}

// After a swap, nothing stays under its hidden names (the staging name, the "old" name): others may
// have exchanged anything in or out meanwhile. Once the new folder is in place, a folder of the
// user's there goes when the one rule lets it; when the swap failed, the folder it replaced (old)
// goes back to the target's free name; anything else stays visible (keep). The staging folder
// (made), unless in place, goes wherever it is: a copy only.
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
        if (!staged && (inPlace ? removeFolderByRule(ruleOf(swap, swap.parent, old), name, st)
                                : old && sameEntry(st, *old) && renameNoReplace(swap.parent, name, swap.target) == 0))
            continue;
        keep(swap, name, st, old);
    }
    if (!inPlace)
        dropStagingFolder(swap, hidden.value(0), stagingFd);
}

// Whether swap.notes keeps the records of the folders the swap makes: where others may rename
// entries of its folder.
bool recorded(const FolderSwap &swap) { return othersMayRename(swap.parent) && swaprecords::usable(swap.notes); }

// The mode the new folder takes from the folder it replaces, open at fd and looked at as st through
// that one descriptor, never wider than that folder's: its own when it is a folder of the user's
// and, where others may rename entries (any folder of the user's may then be under the target's
// name), one a record shows the program put there; another folder of the user's there narrows a new
// folder's mode to the bits both have (a private backup stays private once its folder is shared, and
// the copy a kill left right after the exchange keeps its mode); anything else gives a new folder's.
mode_t modeReplacing(const FolderSwap &swap, int fd, const struct stat &st)
{
    if (fd < 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::geteuid())
        return newFolderMode();
    if (othersMayRename(swap.parent) && !swaprecords::provesPlaced(swap.notes, swap.parent, fd))
        return newFolderMode() & st.st_mode & 07777;
    return st.st_mode & 07777;
}

} // namespace

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
    if (fd < 0 || ::fstat(fd, &st) != 0 || st.st_nlink == 0 || swap.stagingStayed)
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
    // The copies it was given, the user's plain files: anything else in it stays, and the folder with it.
    QList<ListedFile> copies;
    (void)onlyOwnPlainFiles(fd, {}, &copies);
    QByteArray at;
    // An exchange by others may outrun one removal by name.
    for (int attempt = 0; attempt < 3 && !(at = where()).isEmpty(); ++attempt)
        if (removeJudgedFolderAt(swap.parent, at, fd, st, copies)) {
            swaprecords::forget(swap.notes, swap.parent, identity);
            return;
        }
    // It stays, under a name the user sees where it can, and is said; never where another put it.
    swap.stagingStayed = true;
    if (!at.isEmpty())
        swap.keptStaging = keepVisible(swap, at, st, QStringLiteral("unfinished"));
    swap.hiddenStayed = swap.hiddenStayed || swap.keptStaging.isEmpty();
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
    // The entry it replaces, looked at once, through one descriptor: its mode and whether a record
    // shows it put there come from that one look, whatever takes its name meanwhile.
    const Descriptor oldFd(::openat(at, target.constData(), O_PATH | O_NOFOLLOW | O_CLOEXEC));
    struct stat old {};
    const bool replaces = oldFd.fd >= 0 && ::fstat(oldFd.fd, &old) == 0;
    if (!replaces && errno != ENOENT)
        return fail(errorText(errno));
    const mode_t mode = replaces ? modeReplacing(swap, oldFd.fd, old) : newFolderMode();
    folderSwapStep(4);
    if (replaces && !S_ISDIR(old.st_mode))   // a file or a link is never replaced by a folder
        return fail(errorText(S_ISLNK(old.st_mode) ? EACCES : ENOTDIR));
    // Filled and synced, it takes that mode and the set-group-id bit its folder gave it, never write
    // access for others (a restore reads back what it holds), before it takes the target's name: a
    // kill never leaves a private folder there, whose mode the next swap would take.
    (void)::fchmod(stagingFd, (mode | (made.st_mode & S_ISGID)) & ~mode_t(S_IWGRP | S_IWOTH));
    const auto inPlace = [&] {
        folderSwapStep(2);
        if (!holds(at, target, filled))
            return false;
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
    folderSwapStep(0);
    if (!replaces) {
        if (::renameat(at, staging.constData(), at, target.constData()) != 0)
            return fail(errorText(errno));
        const bool committed = inPlace();
        return settled(committed, QByteArray(), replacedWhileSaving(shown));
    }
    if (folderExchangeAllowed()) {
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
    const QByteArray note = swaprecords::noteMoved(swap.notes, at, moved, oldFd.fd);
    const auto unnote = [&] {
        if (!note.isEmpty())
            ::unlinkat(swap.notes, note.constData(), 0);
    };
    if (::renameat(at, target.constData(), at, moved.constData()) != 0) {
        const int err = errno;
        unnote();
        return fail(errorText(err));
    }
    folderSwapStep(1);
    // Another's entry may take the name between the two (where others may write): the old folder then
    // goes back, or stays where the user sees it.
    const bool renamed = ::renameat(at, staging.constData(), at, target.constData()) == 0;
    const QString why = renamed ? replacedWhileSaving(shown) : errorText(errno);
    const bool committed = renamed && inPlace();
    const bool done = settled(committed, moved, why);
    unnote();
    return done;
}

void repairSwappedFolder(FolderSwap &swap, Leftovers leftovers)
{
    const Descriptor open(::openat(swap.parent, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (open.fd < 0)
        return;
    QList<Leftover> found = leftoversOf(open.fd, swap.folder, QFile::decodeName(swap.target));
    struct stat st {};
    // Where others may rename entries, an "old" folder may be any folder of the user's renamed so:
    // only one a swap's record names is put back.
    const bool renamable = othersMayRename(open.fd);
    const bool recorded = renamable && swaprecords::usable(swap.notes);
    const auto noted = [&](const Leftover &f) { return !renamable || swaprecords::movedThere(swap.notes, open.fd, f.name, f.st); };
    if ((!renamable || recorded) && ::fstatat(open.fd, swap.target.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0 && errno == ENOENT) {
        // The newest old folder of the user's of a process not known to run: the state before the
        // swap that was cut short. What another user left there is never put in its place.
        const auto newer = [](const struct stat &a, const struct stat &b) {
            return std::pair(a.st_mtim.tv_sec, a.st_mtim.tv_nsec) > std::pair(b.st_mtim.tv_sec, b.st_mtim.tv_nsec);
        };
        const Leftover *newest = nullptr;
        for (const Leftover &f : std::as_const(found))
            if (f.tag == QLatin1String("old") && S_ISDIR(f.st.st_mode) && f.st.st_uid == ::geteuid()
                && f.owned != Leftover::Owner::Runs && noted(f) && (!newest || newer(f.st, newest->st)))
                newest = &f;
        if (newest && ::renameat(open.fd, newest->name.constData(), open.fd, swap.target.constData()) == 0) {
            swaprecords::unnoteMoved(swap.notes, open.fd, newest->name, newest->st);
            const QByteArray put = newest->name;
            found.removeIf([&put](const Leftover &f) { return f.name == put; });
        }
    }
    // A folder an ended run left goes by the one rule once the target is there again (before, it may
    // be the only copy); else a backup or a restore keeps it where the user sees it, and says so.
    const bool targetThere = ::fstatat(open.fd, swap.target.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0;
    for (const Leftover &f : std::as_const(found)) {
        if (!f.endedOwn())
            continue;
        if (!S_ISDIR(f.st.st_mode)) {
            removeListed(open.fd, f);
            continue;
        }
        if ((targetThere && removeFolderByRule(ruleOf(swap, open.fd, nullptr), f.name, f.st)) || leftovers != Leftovers::Settle
            || !holdsEntry(open.fd, f.name, f.st))
            continue;
        // Under a staging folder's name may be the copy a killed swap was filling, partial: it never
        // reads as an earlier whole backup.
        const QString where = keepVisible(swap, f.name, f.st, f.tag == QLatin1String("old") ? QStringLiteral("old") : QStringLiteral("unfinished"));
        if (where.isEmpty())
            swap.hiddenStayed = swap.hiddenStayed || holdsEntry(open.fd, f.name, f.st);
        else
            swap.keptEarlier << where;
    }
    // What records the folders the user removed there left.
    swaprecords::prune(swap.notes, open.fd);
}

void repairSwappedFolder(const QString &target, const QString &notes)
{
    const QFileInfo info(target);
    const Descriptor parent(openFolderByRule(info.absolutePath(), nullptr));
    const Descriptor notesFd(notes.isEmpty() ? -1 : openFolderByRule(notes, nullptr));
    if (parent.fd < 0)
        return;
    FolderSwap swap;
    swap.parent = parent.fd;
    swap.folder = info.absolutePath();
    swap.target = encoded(info.fileName());
    swap.notes = notesFd.fd;
    repairSwappedFolder(swap, Leftovers::Remove);
}

} // namespace platform
