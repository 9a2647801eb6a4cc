#include "platform/SwapRecords.h"

#include "platform/Files.h"
#include "platform/Temporaries.h"

#include <QCryptographicHash>
#include <QFile>
#include <QHash>
#include <QList>

#include <algorithm>
#include <atomic>
#include <climits>
#include <cstdio>
#include <memory>
#include <optional>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform::swaprecords {

namespace {

std::atomic<bool> birthTimesHidden{false};
std::atomic<unsigned> writes{0};

const QByteArray kPrefix = ".tagora-made-";
const QByteArray kHeader = "tagora-made 2";
// A record holds a few names per file of a backup: far below this.
constexpr qint64 kMaxRecordBytes = 16 * 1024 * 1024;

struct Record {
    QByteArray at, made, path;
    bool placed = false;
    QHash<QByteArray, QByteArray> files;   // name -> "inode change-time"
};

QByteArray recordName(const QByteArray &at, const QByteArray &made)
{
    return kPrefix + QCryptographicHash::hash(at + '/' + made, QCryptographicHash::Sha256).toHex().left(32);
}

// An identity's device and inode, without its birth time.
QByteArray inodeOf(const QByteArray &identity) { return identity.split(':').mid(0, 3).join(':'); }
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
    if (lines.size() < 5 || lines.first() != kHeader || !lines.last().isEmpty())
        return std::nullopt;
    Record r;
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
        else if (line == "placed" && i == 4)
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

// Written whole under a name of its own, then renamed over the record: never read half written.
bool write(int notes, const Record &r)
{
    QByteArray text = kHeader + "\nat " + r.at + "\nmade " + r.made + "\npath " + r.path.toPercentEncoding("/") + '\n';
    if (r.placed)
        text += "placed\n";
    for (auto it = r.files.cbegin(); it != r.files.cend(); ++it)
        text += "file " + it.value() + ' ' + it.key().toPercentEncoding() + '\n';
    const QByteArray part = ".tagora-record-" + QByteArray::number(qint64(::getpid())) + '-' + QByteArray::number(writes.fetch_add(1));
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
    const bool written = ::close(fd) == 0 && done == text.size()
                         && ::renameat(notes, part.constData(), notes, recordName(r.at, r.made).constData()) == 0;
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

bool usable(int notes)
{
    struct stat st {};
    return notes >= 0 && ::fstat(notes, &st) == 0 && S_ISDIR(st.st_mode) && !othersMayWrite(st);
}

bool noteMade(int notes, int parent, int fd)
{
    Record r;
    r.at = identityAt(parent, QByteArray());
    r.made = identityAt(fd, QByteArray());
    r.path = QFile::encodeName(folderPathOf(parent));
    return !r.at.isEmpty() && !r.made.isEmpty() && !r.path.isEmpty() && write(notes, r);
}

void notePlaced(int notes, int parent, int fd)
{
    std::optional<Record> r = read(notes, recordName(identityAt(parent, QByteArray()), identityAt(fd, QByteArray())));
    if (!r)
        return;
    r->placed = true;
    for (const QByteArray &name : entryNames(fd)) {
        struct stat st {};
        if (::fstatat(fd, name.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0)
            r->files.insert(name, fileFacts(st));
    }
    if (!write(notes, *r))   // a record that no longer says what the folder holds proves nothing
        ::unlinkat(notes, recordName(r->at, r->made).constData(), 0);
}

bool provesMade(int notes, int parent, int fd)
{
    const QByteArray at = identityAt(parent, QByteArray()), made = identityAt(fd, QByteArray());
    const std::optional<Record> r = at.isEmpty() || made.isEmpty() ? std::nullopt : read(notes, recordName(at, made));
    if (!r || r->at != at || r->made != made)
        return false;
    if (hasBirthTime(made))
        return true;
    return holdsRecordedFiles(*r, fd);
}

bool recordedAsStaging(int notes, int parent, const QByteArray &identity)
{
    const std::optional<Record> r = identity.isEmpty() ? std::nullopt : read(notes, recordName(identityAt(parent, QByteArray()), identity));
    return r && !r->placed;
}

void forget(int notes, int parent, const QByteArray &identity)
{
    if (notes >= 0 && !identity.isEmpty())
        ::unlinkat(notes, recordName(identityAt(parent, QByteArray()), identity).constData(), 0);
}

void prune(int notes)
{
    if (!usable(notes))
        return;
    // Each folder recorded in is listed once: its identity, and its entries' identities and names.
    struct Listing {
        std::shared_ptr<Descriptor> folder;
        QByteArray at;
        QList<std::pair<QByteArray, QByteArray>> entries;
    };
    QHash<QByteArray, Listing> listed;
    const auto listing = [&listed](const QByteArray &path) -> const Listing & {
        if (!listed.contains(path)) {
            Listing &l = listed[path];
            l.folder = std::make_shared<Descriptor>(::open(path.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
            l.at = l.folder->fd < 0 ? QByteArray() : identityAt(l.folder->fd, QByteArray());
            for (const QByteArray &entry : l.at.isEmpty() ? QList<QByteArray>() : entryNames(l.folder->fd))
                l.entries.append({identityAt(l.folder->fd, entry), entry});
        }
        return listed[path];
    };
    for (const QByteArray &name : entryNames(notes)) {
        if (!name.startsWith(kPrefix))
            continue;
        const std::optional<Record> r = read(notes, name);
        bool there = false;
        if (r) {
            const Listing &l = listing(r->path);
            const auto entry = std::find_if(l.entries.cbegin(), l.entries.cend(),
                                            [&r](const auto &e) { return sameFolder(r->made, e.first); });
            there = sameFolder(r->at, l.at) && entry != l.entries.cend();
            // A folder made later that took the recorded one's inode: the recorded folder is gone all the same.
            if (there && r->placed && !hasBirthTime(r->made)) {
                const Descriptor held(::openat(l.folder->fd, entry->second.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
                there = held.fd >= 0 && sameFolder(r->made, identityAt(held.fd, QByteArray())) && holdsRecordedFiles(*r, held.fd);
            }
        }
        if (!there)
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

} // namespace platform::swaprecords
