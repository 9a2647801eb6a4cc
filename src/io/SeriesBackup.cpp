#include "io/SeriesBackup.h"

#include "core/UserFolders.h"
#include "io/SeriesStore.h"
#include "platform/Files.h"
#include "platform/Temporaries.h"

#include <QDir>
#include <QFileInfo>
#include <QStringDecoder>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace series_backup {

namespace {

// The canonical form of a path that may not exist yet: its nearest existing ancestor resolved,
// the rest appended.
QString canonicalOf(const QString &path)
{
    QString existing = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    QStringList rest;
    while (!existing.isEmpty() && !QFileInfo::exists(existing)) {
        const QFileInfo info(existing);
        rest.prepend(info.fileName());
        const QString parent = info.absolutePath();
        if (parent == existing)
            break;
        existing = parent;
    }
    QString canonical = QFileInfo(existing).canonicalFilePath();
    if (canonical.isEmpty())
        canonical = existing;
    for (const QString &part : rest)
        canonical += QLatin1Char('/') + part;
    return QDir::cleanPath(canonical);
}

bool within(const QString &inner, const QString &outer)
{
    return inner == outer || inner.startsWith(outer == QLatin1String("/") ? outer : outer + QLatin1Char('/'));
}

bool isRealFolder(const QString &path)
{
    struct stat st {};
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool pathPresent(const QString &path)
{
    struct stat st {};
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0;
}

// Whether the path, or its name with the extension in another case, is there: Y.txt takes Y.TXT,
// which no series look-up could tell from it.
bool takenInAnyCase(const QString &path)
{
    if (pathPresent(path))
        return true;
    const QFileInfo info(path);
    if (info.suffix().isEmpty())
        return false;
    const QString base = info.completeBaseName();
    for (const QString &name : QDir(info.absolutePath()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)) {
        const QFileInfo other(name);
        if (other.completeBaseName() == base && other.suffix().compare(info.suffix(), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

// The bytes of a regular file, opened without following a final link when noFollow is set, and
// never blocking on a FIFO; nothing for anything else or a file over the store's cap. mode receives
// the file's.
std::optional<QByteArray> readRegular(int dirfd, const QByteArray &name, bool noFollow, QString *reason, mode_t *mode)
{
    const int fd = ::openat(dirfd, name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | (noFollow ? O_NOFOLLOW : 0));
    if (fd < 0) {
        *reason = QString::fromLocal8Bit(std::strerror(errno));
        return std::nullopt;
    }
    struct stat st {};
    std::optional<QByteArray> out;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        *reason = QStringLiteral("not a regular file");
    } else if (st.st_size > series_store::kMaxSeriesBytes) {
        *reason = QStringLiteral("larger than a series file may be");
    } else {
        QByteArray bytes(qsizetype(st.st_size), Qt::Uninitialized);
        qsizetype got = 0;
        while (got < bytes.size()) {
            const ssize_t n = ::read(fd, bytes.data() + got, size_t(bytes.size() - got));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                break;
            got += n;
        }
        if (got == bytes.size())
            out = bytes, *mode = st.st_mode;
        else
            *reason = QStringLiteral("read %1 of %2 bytes").arg(got).arg(bytes.size());
    }
    ::close(fd);
    return out;
}

// The mode of a copy: that of the user's file it replaces, else that of the file it copies, always
// readable and writable by the user whose copy it is. Another's file there (in a folder planted where
// others may write) gives none.
mode_t copyMode(const QString &replaced, mode_t copied)
{
    struct stat st {};
    const bool replaces = ::lstat(QFile::encodeName(replaced).constData(), &st) == 0 && S_ISREG(st.st_mode)
                          && st.st_uid == ::geteuid();
    return ((replaces ? st.st_mode : copied) & 0777) | S_IRUSR | S_IWUSR;
}

// Writes the bytes as a new file of that mode at path (of the folder open at dirfd; never through a
// link), the system's reason kept for a write cut short (a full disk). Private until then: the copy
// of a private file is never readable by others meanwhile.
// No flush to the disk per file: the copies go to a staging folder or a hidden name and are put in
// place whole.
bool writeChecked(int dirfd, const QString &path, const QByteArray &bytes, mode_t mode, QString *reason)
{
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::openat(dirfd, name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) {
        *reason = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    int err = 0;
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            err = n < 0 ? errno : ENOSPC;
            break;
        }
        done += n;
    }
    if (err == 0 && ::fchmod(fd, mode) != 0)
        err = errno;
    if (::close(fd) != 0 && err == 0)
        err = errno;
    if (err != 0) {
        *reason = QString::fromLocal8Bit(std::strerror(err));
        ::unlinkat(dirfd, name.constData(), 0);
        return false;
    }
    return true;
}

// Writes a new file in a live folder: under a hidden name first, renamed once complete, so a failed
// copy leaves nothing behind.
bool writeInPlace(const QString &path, const QByteArray &bytes, mode_t mode, QString *reason)
{
    const QString part = platform::temporaryPath(path, QStringLiteral("part"));
    if (!writeChecked(AT_FDCWD, part, bytes, mode, reason))
        return false;
    if (pathPresent(path) || ::rename(QFile::encodeName(part).constData(), QFile::encodeName(path).constData()) != 0) {
        *reason = QStringLiteral("cannot name the copy %1").arg(path);
        QFile::remove(part);
        return false;
    }
    return true;
}

struct Entry {
    QByteArray rawName;
    QString name;
};

// The plain files directly inside a folder; everything else is counted as skipped.
bool listEntries(int dirfd, QList<Entry> &entries, Outcome &outcome)
{
    const int copy = ::dup(dirfd);
    DIR *dir = copy >= 0 ? ::fdopendir(copy) : nullptr;
    if (!dir) {
        if (copy >= 0)
            ::close(copy);
        return false;
    }
    while (const dirent *d = ::readdir(dir)) {
        const QByteArray raw(d->d_name);
        if (raw == "." || raw == "..")
            continue;
        ++outcome.total;
        QStringDecoder decoder(QStringDecoder::Utf8);
        const QString name = decoder.decode(raw);
        struct stat st {};
        QString why;
        if (decoder.hasError())
            why = QStringLiteral("name is not UTF-8");
        else if (::fstatat(dirfd, raw.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0)
            why = QString::fromLocal8Bit(std::strerror(errno));
        else if (S_ISLNK(st.st_mode))
            why = QStringLiteral("a link");
        else if (S_ISDIR(st.st_mode))
            why = QStringLiteral("a folder");
        else if (!S_ISREG(st.st_mode))
            why = QStringLiteral("not a regular file");
        else if (st.st_size > series_store::kMaxSeriesBytes)
            why = QStringLiteral("larger than a series file may be");
        if (!why.isEmpty()) {
            ++outcome.skipped;
            outcome.reasons << QStringLiteral("Skipped %1: %2").arg(QString::fromUtf8(raw.toPercentEncoding("/ ")), why);
            continue;
        }
        entries.append({raw, name});
    }
    ::closedir(dir);
    std::sort(entries.begin(), entries.end(), [](const Entry &a, const Entry &b) { return a.rawName < b.rawName; });
    return true;
}

// Copies the plain entries of source through write (which answers whether the copy completed; it
// is given the mode of the file copied).
Outcome copyEntries(const QString &source,
                    const std::function<bool(const Entry &, const QByteArray &, mode_t, QString *)> &write)
{
    Outcome outcome;
    const int dirfd = ::open(QFile::encodeName(source).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    QList<Entry> entries;
    if (dirfd < 0 || !listEntries(dirfd, entries, outcome)) {
        if (dirfd >= 0)
            ::close(dirfd);
        outcome.unreadable = true;
        outcome.reasons << QStringLiteral("Cannot read the folder %1").arg(source);
        return outcome;
    }
    for (const Entry &e : entries) {
        QString reason;
        mode_t mode = 0;
        const std::optional<QByteArray> bytes = readRegular(dirfd, e.rawName, true, &reason, &mode);
        if (!bytes) {
            // A plain file that changed into something else since it was listed is skipped too.
            ++outcome.failed;
            outcome.reasons << QStringLiteral("Not copied %1: %2").arg(e.name, reason);
            continue;
        }
        if (write(e, *bytes, mode, &reason)) {
            ++outcome.copied;
        } else {
            ++outcome.failed;
            outcome.reasons << QStringLiteral("Not copied %1: %2").arg(e.name, reason);
        }
    }
    ::close(dirfd);
    return outcome;
}

} // namespace

bool touchesSeriesFolder(const QString &path)
{
    if (Data_Folder_Path.isEmpty())
        return false;
    const QString series = canonicalOf(Data_Folder_Path);
    const QString target = canonicalOf(path);
    return within(target, series) || within(series, target);
}

bool isUsableBackupPath(const QString &path)
{
    if (path.isEmpty() || touchesSeriesFolder(path))
        return false;
    return !pathPresent(path) || isRealFolder(path);
}

// A staging folder beside a target, filled and put in place through its descriptor: where others
// may write, its name may hold something else at any moment. Unless put in place, it goes (it alone).
struct Staging {
    platform::Descriptor folder{-1};   // before path, which is made with it
    QString path;
    struct stat st {};
    Staging(const QString &target, QString *why) : path(platform::makeTemporaryFolder(target, QStringLiteral("new"), why, &folder.fd))
    {
        if (folder.fd >= 0)
            (void)::fstat(folder.fd, &st);
    }
    void drop() const { platform::removeOwnEntry(path, &st); }
};

Outcome backup(const QString &backupPath)
{
    Outcome outcome;
    if (!isUsableBackupPath(backupPath)) {
        ++outcome.failed;
        outcome.reasons << QStringLiteral("Not a backup folder: %1").arg(backupPath);
        return outcome;
    }
    // What an earlier backup cut short by a kill left beside this one goes first.
    platform::repairSwappedFolder(backupPath);
    QString why;
    const Staging staging(backupPath, &why);
    if (staging.path.isEmpty()) {
        ++outcome.failed;
        outcome.reasons << QStringLiteral("Cannot make a folder beside %1: %2").arg(backupPath, why);
        return outcome;
    }
    // Every series file, each under its own name: X.txt and X.TXT are two files.
    for (const QString &path : series_store::files()) {
        ++outcome.total;
        QString reason;
        const QString fileName = QFileInfo(path).fileName();
        mode_t mode = 0;
        const std::optional<QByteArray> bytes = readRegular(AT_FDCWD, QFile::encodeName(path), false, &reason, &mode);
        if (bytes && writeChecked(staging.folder.fd, fileName, *bytes, copyMode(QDir(backupPath).filePath(fileName), mode), &reason)) {
            ++outcome.copied;
        } else {
            ++outcome.failed;
            outcome.reasons << QStringLiteral("Not copied %1: %2").arg(fileName, reason);
        }
    }
    QString reason;
    if (outcome.failed == 0 && platform::swapFolderIn(staging.folder.fd, staging.path, backupPath, &reason)) {
        outcome.committed = true;
        return outcome;
    }
    if (!reason.isEmpty())
        outcome.reasons << QStringLiteral("Cannot put the backup in place: %1").arg(reason);
    staging.drop();
    return outcome;
}

std::optional<QString> restoreSource(const QString &path)
{
    if (path.isEmpty())
        return std::nullopt;
    QString source;
    const QString inside = QDir(path).filePath(Backup_Folder_name);
    // A backup cut short between its two renames left the old one under a temporary name.
    for (const QString &candidate : {inside, path})
        if (QFileInfo(candidate).fileName() == Backup_Folder_name && !touchesSeriesFolder(candidate))
            platform::repairSwappedFolder(candidate);
    if (QFileInfo(inside).isDir())
        source = inside;
    else if (QFileInfo(path).fileName() == Backup_Folder_name && QFileInfo(path).isDir())
        source = path;
    if (source.isEmpty() || touchesSeriesFolder(source))
        return std::nullopt;
    return source;
}

Outcome restoreReplace(const QString &source)
{
    platform::repairSwappedFolder(Data_Folder_Path);
    QString why;
    const Staging staging(Data_Folder_Path, &why);
    if (staging.path.isEmpty()) {
        Outcome outcome;
        outcome.reasons << QStringLiteral("Cannot make a folder beside %1: %2").arg(Data_Folder_Path, why);
        return outcome;
    }
    Outcome outcome = copyEntries(source, [&staging](const Entry &e, const QByteArray &bytes, mode_t mode, QString *reason) {
        return writeChecked(staging.folder.fd, e.name, bytes, copyMode(QDir(Data_Folder_Path).filePath(e.name), mode), reason);
    });
    QString reason;
    if (outcome.failed == 0 && !outcome.unreadable && platform::swapFolderIn(staging.folder.fd, staging.path, Data_Folder_Path, &reason)) {
        outcome.committed = true;
        return outcome;
    }
    if (!reason.isEmpty())
        outcome.reasons << QStringLiteral("Cannot put the restored series in place: %1").arg(reason);
    staging.drop();
    return outcome;
}

Outcome restoreAppend(const QString &source, const std::function<QString(const QString &)> &freePath)
{
    QDir().mkpath(Data_Folder_Path);
    platform::removeStaleTemporariesOnce(Data_Folder_Path);
    Outcome outcome = copyEntries(source, [&freePath](const Entry &e, const QByteArray &bytes, mode_t mode, QString *reason) {
        QString target = QDir(Data_Folder_Path).filePath(e.name);
        if (takenInAnyCase(target))
            target = freePath(target);
        if (target.isEmpty() || takenInAnyCase(target) || QFileInfo(target).absolutePath() != QFileInfo(Data_Folder_Path).absoluteFilePath()) {
            *reason = QStringLiteral("no free name");
            return false;
        }
        return writeInPlace(target, bytes, copyMode(target, mode), reason);
    });
    outcome.committed = !outcome.unreadable && (outcome.copied > 0 || outcome.total == 0);
    return outcome;
}

bool reset(QString *reason) { return series_store::removeAll(reason); }

} // namespace series_backup
