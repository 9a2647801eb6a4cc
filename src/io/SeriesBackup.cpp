#include "io/SeriesBackup.h"

#include "core/UserFolders.h"
#include "io/SeriesStore.h"
#include "platform/FolderSwap.h"
#include "platform/Files.h"
#include "platform/ShownNames.h"
#include "platform/Temporaries.h"

#include <QDir>
#include <QFileInfo>
#include <QStringDecoder>

#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

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

QByteArray encoded(const QString &name) { return QFile::encodeName(name); }

using platform::errorText;

using platform::accountName;
using platform::shownName;

// Counts a copy that stops the backup or restore; the first one is what it is said to have stopped at.
void stopped(Outcome &outcome, const QString &why)
{
    if (outcome.failed++ == 0)
        outcome.stoppedBy = why;
    outcome.reasons << why;
}

// Whether two names are one series: the same name, or with its extension in another case (Y.txt and
// Y.TXT, which no series look-up could tell apart).
bool sameSeries(const QByteArray &a, const QByteArray &b)
{
    if (a == b)
        return true;
    const QFileInfo x(QFile::decodeName(a)), y(QFile::decodeName(b));
    return !x.suffix().isEmpty() && x.completeBaseName() == y.completeBaseName()
           && x.suffix().compare(y.suffix(), Qt::CaseInsensitive) == 0;
}

// Whether the name, or the name with its extension in another case, is an entry of the folder open
// at fd.
bool takenInAnyCase(int fd, const QByteArray &name)
{
    struct stat st {};
    if (::fstatat(fd, name.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0)
        return true;
    const QList<QByteArray> entries = platform::entryNames(fd);
    return std::any_of(entries.cbegin(), entries.cend(), [&](const QByteArray &entry) { return sameSeries(entry, name); });
}

// A backup holds series files only, which a series look-up finds in any case of the extension.
bool isSeriesFileName(const QByteArray &name)
{
    return QFileInfo(QFile::decodeName(name)).suffix().compare(QLatin1String("txt"), Qt::CaseInsensitive) == 0;
}

// The bytes of a regular file, opened without following a final link when noFollow is set, and
// never blocking on a FIFO; nothing for anything else or a file over the store's cap. file receives
// what it is, and shared, given, whether others may write it (platform::othersMayWriteFile).
std::optional<QByteArray> readRegular(int dirfd, const QByteArray &name, bool noFollow, QString *reason, struct stat *file,
                                      bool *shared = nullptr)
{
    const int fd = ::openat(dirfd, name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | (noFollow ? O_NOFOLLOW : 0));
    if (fd < 0) {
        *reason = errorText(errno);
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
        if (got == bytes.size()) {
            out = bytes, *file = st;
            if (shared)
                *shared = platform::othersMayWriteFile(fd);
        } else {
            *reason = QStringLiteral("read %1 of %2 bytes").arg(got).arg(bytes.size());
        }
    }
    ::close(fd);
    return out;
}

// The mode of a copy: that of the user's own file it replaces (platform::modeReplacing), else that
// of the file it copies when that is the user's own (readable and writable by the user), else a new
// file's: another's file, at either end, gives none (its mode is its maker's choice).
mode_t copyMode(int folder, const QByteArray &name, const struct stat &copied)
{
    struct stat there {};
    const bool replacesOwn = ::fstatat(folder, name.constData(), &there, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(there.st_mode)
                             && there.st_uid == ::geteuid();
    return !replacesOwn && copied.st_uid == ::geteuid() ? (copied.st_mode & 0777) | S_IRUSR | S_IWUSR
                                                        : platform::modeReplacing(folder, name);
}

// Writes the bytes as the new file name of that mode in the folder open at dirfd (never through a
// link), the system's reason kept for a write cut short (a full disk). Private until then: the copy
// of a private file is never readable by others meanwhile.
// No flush to the disk per file: the copies go to a staging folder, synced whole before it is put
// in place, or to a hidden name.
bool writeChecked(int dirfd, const QByteArray &name, const QByteArray &bytes, mode_t mode, QString *reason)
{
    const int fd = ::openat(dirfd, name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) {
        *reason = errorText(errno);
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
        *reason = errorText(err);
        ::unlinkat(dirfd, name.constData(), 0);
        return false;
    }
    return true;
}

// Writes a new file name in the live folder open at dirfd: under a hidden name first, renamed once
// complete and never over what took the name meanwhile, so a failed copy leaves nothing behind.
bool writeInPlace(int dirfd, const QByteArray &name, const QByteArray &bytes, mode_t mode, QString *reason)
{
    const QByteArray part = encoded(platform::temporaryName(QFile::decodeName(name), QStringLiteral("part")));
    if (!writeChecked(dirfd, part, bytes, mode, reason))
        return false;
    if (platform::renameNoReplace(dirfd, part, name) != 0) {
        *reason = QStringLiteral("cannot name the copy %1").arg(QFile::decodeName(name));
        ::unlinkat(dirfd, part.constData(), 0);
        return false;
    }
    return true;
}

struct Entry {
    QByteArray rawName;
    QString name;
    struct stat st {};   // as listed and judged
};

// A backup folder to restore from, open (openBackupToRead), and what in it is copied or skipped.
struct Listing {
    platform::Descriptor folder;
    QList<Entry> entries;        // the plain files to copy, by name
    QList<QByteArray> skipped;   // the names of the entries skipped
    bool shared = false;         // others may write into the folder
    Outcome outcome;
    bool ready() const { return !outcome.unreadable && !outcome.noSeries; }
};

// Why a file of the folder a restore reads is not taken as the user's: one others may write (judged
// as writable, shared), or another's where others may write into that folder (sharedFolder). Empty
// when it is the user's.
QString notTheUsers(const struct stat &st, bool writable, bool sharedFolder)
{
    if (writable)
        return QStringLiteral("others may write it");
    return sharedFolder && st.st_uid != ::geteuid() ? QStringLiteral("not yours, where others may write") : QString();
}

// The plain files directly inside the folder open at dirfd; everything else is counted as skipped.
// Where others may write into the folder, only the user's own files: another's may have been added
// or put in place of the user's; and nowhere a file others may write.
bool listEntries(int dirfd, Listing &listing)
{
    Outcome &outcome = listing.outcome;
    if ((::fcntl(dirfd, F_GETFL) & O_PATH) != 0)
        return false;   // a folder this process may not read
    const bool shared = platform::othersMayWrite(dirfd);
    listing.shared = shared;
    for (const QByteArray &raw : platform::entryNames(dirfd)) {
        ++outcome.total;
        QStringDecoder decoder(QStringDecoder::Utf8);
        const QString name = decoder.decode(raw);
        struct stat st {};
        QString why;
        // Looked at and judged through one descriptor: what is listed is what was judged.
        const platform::Descriptor entry(::openat(dirfd, raw.constData(), O_PATH | O_NOFOLLOW | O_CLOEXEC));
        if (decoder.hasError())
            why = QStringLiteral("name is not UTF-8");
        else if (entry.fd < 0 || ::fstat(entry.fd, &st) != 0)
            why = errorText(errno);
        else if (S_ISLNK(st.st_mode))
            why = QStringLiteral("a link");
        else if (S_ISDIR(st.st_mode))
            why = QStringLiteral("a folder");
        else if (!S_ISREG(st.st_mode))
            why = QStringLiteral("not a regular file");
        else if (st.st_size > series_store::kMaxSeriesBytes)
            why = QStringLiteral("larger than a series file may be");
        else if (const QString notOwn = notTheUsers(st, platform::othersMayWriteFile(entry.fd), shared); !notOwn.isEmpty()) {
            why = notOwn;
            outcome.notOwn << shownName(raw);
        }
        if (!why.isEmpty()) {
            ++outcome.skipped;
            listing.skipped << raw;
            outcome.reasons << QStringLiteral("Skipped %1: %2").arg(shownName(raw), why);
            continue;
        }
        listing.entries.append({raw, name, st});
    }
    std::sort(listing.entries.begin(), listing.entries.end(), [](const Entry &a, const Entry &b) { return a.rawName < b.rawName; });
    outcome.notOwn.sort();
    return true;
}

// A backup folder to restore from, open, reached by the rule for links; where others may write into
// the folder that holds it, only a folder of the user's: anyone there could have put another in its
// place. -1 otherwise; refusal, given, then says why when it is such a folder.
platform::Descriptor openBackupToRead(const QString &folder, QString *refusal = nullptr)
{
    platform::Descriptor open(platform::openFolderByRule(folder, nullptr));
    struct stat st {};
    if (open.fd < 0 || ::fstat(open.fd, &st) != 0 || st.st_uid == ::geteuid())
        return open;
    const platform::Descriptor up(::openat(open.fd, "..", O_PATH | O_DIRECTORY | O_CLOEXEC));
    if (up.fd >= 0 && !platform::othersMayWrite(up.fd))
        return open;
    if (refusal)
        *refusal = QStringLiteral("%1 is not yours, and others may write into the folder that holds it: anyone there "
                                  "could have put it there.").arg(folder);
    return platform::Descriptor();
}

// The backup folder source, listed; not ready when it cannot be read or holds no series file to copy
// (no backup: a restore from it changes nothing).
Listing listBackup(const QString &source)
{
    Listing listing;
    listing.folder = openBackupToRead(source);
    if (listing.folder.fd < 0 || !listEntries(listing.folder.fd, listing)) {
        listing.outcome.unreadable = true;
        listing.outcome.reasons << QStringLiteral("Cannot read the folder %1").arg(source);
    } else if (std::none_of(listing.entries.cbegin(), listing.entries.cend(), [](const Entry &e) { return isSeriesFileName(e.rawName); })) {
        listing.outcome.noSeries = true;
        listing.outcome.reasons << QStringLiteral("%1 holds no series file to restore.").arg(source);
    }
    return listing;
}

// Copies the plain entries listed through write (which answers whether the copy completed; it is
// given what the file copied is).
void copyEntries(Listing &listing, const std::function<bool(const Entry &, const QByteArray &, const struct stat &, QString *)> &write)
{
    Outcome &outcome = listing.outcome;
    for (const Entry &e : listing.entries) {
        QString reason;
        struct stat file {};
        bool writable = true;
        // A plain file that changed into something else since it was listed is not copied either.
        const std::optional<QByteArray> bytes = readRegular(listing.folder.fd, e.rawName, true, &reason, &file, &writable);
        // Only the very file listed, judged again as it is now: another's file renamed over a listed
        // name meanwhile is not the user's, whatever its name, nor a link, a FIFO or a folder put in
        // its place, nor nothing where it went away (an entry there that cannot be read as it was
        // listed stops the restore).
        bool gone = false;
        if (!bytes && ::fstatat(listing.folder.fd, e.rawName.constData(), &file, AT_SYMLINK_NOFOLLOW) != 0) {
            gone = errno == ENOENT;
            file = e.st;
        }
        const QString notOwn = gone || !platform::sameEntry(file, e.st) || !S_ISREG(file.st_mode) ? QStringLiteral("not the file listed")
                               : bytes                                                   ? notTheUsers(file, writable, listing.shared)
                                                                                         : QString();
        if (!notOwn.isEmpty()) {
            ++outcome.skipped;
            listing.skipped << e.rawName;
            outcome.notOwn << shownName(e.rawName);
            outcome.notOwn.sort();
            outcome.reasons << QStringLiteral("Skipped %1: %2").arg(shownName(e.rawName), notOwn);
        } else if (bytes && write(e, *bytes, file, &reason)) {
            ++outcome.copied;
        } else {
            stopped(outcome, QStringLiteral("Not copied %1: %2").arg(shownName(e.rawName), reason));
        }
    }
}

// A replacing restore keeps the user's current file of each name it skipped, the same series in any
// case of its extension, unless the backup gave that series: copied from the current series folder
// (open at current) into the staging folder with its own mode. Only regular files; one that cannot be
// copied fails the restore, which then changes nothing.
void keepCurrent(const Listing &listing, int current, int staging, Outcome &outcome)
{
    for (const QByteArray &name : current < 0 ? QList<QByteArray>() : platform::entryNames(current)) {
        struct stat st {};
        if (std::none_of(listing.skipped.cbegin(), listing.skipped.cend(), [&](const QByteArray &s) { return sameSeries(s, name); })
            || ::fstatat(current, name.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(st.st_mode) || takenInAnyCase(staging, name))
            continue;
        QString reason;
        const std::optional<QByteArray> bytes = readRegular(current, name, true, &reason, &st);
        if (bytes && writeChecked(staging, name, *bytes, copyMode(current, name, st), &reason))
            outcome.keptCurrent << shownName(name);
        else
            stopped(outcome, QStringLiteral("Cannot keep the current %1: %2").arg(shownName(name), reason));
    }
    outcome.keptCurrent.sort();
}

// The program's data folder, where only the user may write, for the records of swaps where others
// may rename entries (platform::FolderSwap::notes).
platform::Descriptor notesFolder()
{
    return platform::Descriptor(Created_Resource_Path.isEmpty() ? -1 : platform::openFolderByRule(Created_Resource_Path, nullptr));
}

// Where a folder to swap is: its folder, open, and the entry.
struct Place {
    platform::Descriptor parent;
    QString folder;
    QByteArray name;
};

// The backup's place, its folder reached by the rule for links and, given make, made when missing.
BackupTarget reachBackup(const QString &path, Place *place, QString *reason, bool make)
{
    if (path.isEmpty() || touchesSeriesFolder(path))
        return BackupTarget::NotABackupPath;
    const QFileInfo info(path);
    place->folder = info.absolutePath();
    place->name = encoded(info.fileName());
    if (place->name.isEmpty() || place->name == "." || place->name == "..")
        return BackupTarget::NotABackupPath;
    QString why;
    place->parent = platform::Descriptor(make ? platform::makeFolderPath(place->folder, &why)
                                              : platform::reachFolder(AT_FDCWD, place->folder, &why));
    struct stat st {}, holder {};
    if (place->parent.fd < 0) {
        if (!make && why == errorText(ENOENT))
            return BackupTarget::New;   // made by the backup
    } else if (::fstatat(place->parent.fd, place->name.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
        if (errno == ENOENT)
            return BackupTarget::New;
        why = errorText(errno);
    } else if (S_ISDIR(st.st_mode)) {
        // A sticky folder lets only the owner of an entry, its own owner or the system's override
        // replace the entry: no question is asked for what the swap could not replace.
        if (st.st_uid == ::geteuid() || ::fstat(place->parent.fd, &holder) != 0 || (holder.st_mode & S_ISVTX) == 0
            || holder.st_uid == ::geteuid() || platform::overridesSticky())
            return BackupTarget::Existing;
        if (reason)
            *reason = QStringLiteral("%1 cannot be replaced: it belongs to the account \"%2\", and only that account may replace it there.")
                          .arg(path, accountName(st.st_uid));
        return BackupTarget::Refused;
    } else if (!S_ISLNK(st.st_mode) || platform::linkFollowable(st, place->parent.fd)) {
        return BackupTarget::NotABackupPath;   // a file, or a link of the user's: neither is ever replaced
    } else {
        // What is in the way, and whose: no backup of the user's was there.
        if (reason)
            *reason = QStringLiteral("%1 cannot be written: a link of the account \"%2\" is in its place, and no link is "
                                     "followed there.").arg(path, accountName(st.st_uid));
        return BackupTarget::Refused;
    }
    if (reason)
        *reason = QStringLiteral("%1 cannot be written: %2").arg(path, platform::reasonFor(path, why));
    return BackupTarget::Refused;
}

// A staging folder beside a swap's target, filled and put in place through its descriptor: where
// others may write, its name may hold something else at any moment. Unless put in place, it goes
// (it alone).
struct Staging {
    platform::FolderSwap &swap;   // says where the staging folder stayed when it cannot go
    QByteArray name;
    platform::Descriptor folder;
    Staging(platform::FolderSwap &s, QString *why) : swap(s), folder(platform::makeStagingFolder(s, &name, why)) {}
    void drop() const { platform::dropStagingFolder(swap, name, folder.fd); }
};

platform::FolderSwap swapAt(const Place &place, int notes)
{
    platform::FolderSwap swap;
    swap.parent = place.parent.fd;
    swap.folder = place.folder;
    swap.target = place.name;
    swap.notes = notes;
    swap.holdsOnly = isSeriesFileName;
    return swap;
}

// What the swap (and the repair before it) kept, for what is said.
void report(const platform::FolderSwap &swap, Outcome &outcome)
{
    outcome.keptOld = swap.keptOld;
    outcome.keptOther = swap.keptOther;
    outcome.keptEarlier = swap.keptEarlier;
    outcome.keptStaging = swap.keptStaging;
    outcome.stagingStayed = swap.stagingStayed;
    outcome.hiddenIn = swap.hiddenStayed ? swap.folder : QString();
}

// Puts the staging folder in place of the swap's target; what is said of it goes to the outcome.
void commit(const Staging &staging, platform::FolderSwap &swap, Outcome &outcome, const QString &what)
{
    if (outcome.failed == 0 && !outcome.unreadable && platform::swapFolderIn(swap, staging.folder.fd, staging.name)) {
        outcome.committed = true;
        outcome.unsynced = swap.unsynced;
    } else {
        if (!swap.reason.isEmpty())
            outcome.reasons << QStringLiteral("Cannot put %1 in place: %2").arg(what, swap.reason);
        if (outcome.stoppedBy.isEmpty() && !swap.reason.isEmpty())
            outcome.stoppedBy = outcome.reasons.last();
        staging.drop();
    }
    report(swap, outcome);
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

BackupTarget backupTarget(const QString &path, QString *reason)
{
    Place place;
    return reachBackup(path, &place, reason, false);
}

bool isUsableBackupPath(const QString &path)
{
    const BackupTarget target = backupTarget(path);
    return target == BackupTarget::New || target == BackupTarget::Existing;
}

Outcome backup(const QString &backupPath)
{
    Outcome outcome;
    Place place;
    QString why;
    const BackupTarget target = reachBackup(backupPath, &place, &why, true);
    outcome.replacing = target == BackupTarget::Existing;
    if (target == BackupTarget::NotABackupPath || target == BackupTarget::Refused) {
        ++outcome.failed;
        outcome.reasons << (why.isEmpty() ? QStringLiteral("Not a backup folder: %1").arg(backupPath) : why);
        return outcome;
    }
    const platform::Descriptor notes = notesFolder();
    platform::FolderSwap swap = swapAt(place, notes.fd);
    // What an earlier backup cut short by a kill left beside this one goes first.
    platform::repairSwappedFolder(swap);
    const Staging staging(swap, &why);
    if (staging.folder.fd < 0) {
        stopped(outcome, QStringLiteral("Cannot make a folder beside %1: %2").arg(backupPath, why));
        report(swap, outcome);
        return outcome;
    }
    // The copies take the modes of the user's files of the old backup they replace.
    const platform::Descriptor old(::openat(place.parent.fd, place.name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    // Every series file, each under its own name: X.txt and X.TXT are two files.
    for (const QString &path : series_store::files()) {
        ++outcome.total;
        QString reason;
        const QString fileName = QFileInfo(path).fileName();
        const QByteArray name = encoded(fileName);
        struct stat file {};
        const std::optional<QByteArray> bytes = readRegular(AT_FDCWD, QFile::encodeName(path), false, &reason, &file);
        // Private as its folder: no copy others may edit in place before a restore reads it back.
        const mode_t mode = copyMode(old.fd, name, file) & ~mode_t(S_IWGRP | S_IWOTH);
        if (bytes && writeChecked(staging.folder.fd, name, *bytes, mode, &reason))
            ++outcome.copied;
        else
            stopped(outcome, QStringLiteral("Not copied %1: %2").arg(shownName(name), reason));
    }
    commit(staging, swap, outcome, QStringLiteral("the backup"));
    return outcome;
}

std::optional<QString> restoreSource(const QString &chosen, QString *refusal)
{
    QString path = chosen;   // "…/QIRO_Barcode_Backup/" is that folder
    while (path.size() > 1 && path.endsWith(QLatin1Char('/')))
        path.chop(1);
    if (path.isEmpty())
        return std::nullopt;
    const QString inside = QDir(path).filePath(Backup_Folder_name);
    const platform::Descriptor notes = notesFolder();
    // A backup cut short between its two renames left the old one under a temporary name.
    for (const QString &candidate : {inside, path}) {
        const QFileInfo info(candidate);
        Place place{platform::Descriptor(), info.absolutePath(), encoded(info.fileName())};
        if (info.fileName() != Backup_Folder_name || touchesSeriesFolder(candidate))
            continue;
        place.parent = platform::Descriptor(platform::openFolderByRule(place.folder, nullptr));
        platform::FolderSwap swap = swapAt(place, notes.fd);
        // What else earlier runs left there and the one rule keeps is said by the next backup there.
        if (place.parent.fd >= 0)
            platform::repairSwappedFolder(swap, platform::Leftovers::Remove);
    }
    const auto isFolder = [refusal](const QString &folder) { return openBackupToRead(folder, refusal).fd >= 0; };
    QString source;
    if (isFolder(inside))
        source = inside;
    else if (QFileInfo(path).fileName() == Backup_Folder_name && isFolder(path))
        source = path;
    if (source.isEmpty() || touchesSeriesFolder(source))
        return std::nullopt;
    // Not asked to replace or add what is no backup: restoreReplace and restoreAppend look again.
    const Listing listing = listBackup(source);
    if (listing.outcome.noSeries) {
        if (refusal)
            *refusal = listing.outcome.reasons.last();
        return std::nullopt;
    }
    return source;
}

Outcome restoreReplace(const QString &source)
{
    Listing listing = listBackup(source);
    if (!listing.ready())
        return listing.outcome;
    const QFileInfo info(Data_Folder_Path);
    QString why;
    // The data folder is the program's own: private when it has to be made.
    Place place{platform::Descriptor(platform::makeFolderPath(info.absolutePath(), &why, 0700)), info.absolutePath(),
                encoded(info.fileName())};
    if (place.parent.fd < 0) {
        Outcome outcome;
        outcome.reasons << QStringLiteral("Cannot reach %1: %2").arg(place.folder, why);
        return outcome;
    }
    const platform::Descriptor notes = notesFolder();
    platform::FolderSwap swap = swapAt(place, notes.fd);
    platform::repairSwappedFolder(swap);
    const Staging staging(swap, &why);
    if (staging.folder.fd < 0) {
        stopped(listing.outcome, QStringLiteral("Cannot make a folder beside %1: %2").arg(Data_Folder_Path, why));
        report(swap, listing.outcome);
        return listing.outcome;
    }
    // The copies take the modes of the user's series files they replace.
    const platform::Descriptor current(::openat(place.parent.fd, place.name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    copyEntries(listing, [&](const Entry &e, const QByteArray &bytes, const struct stat &file, QString *reason) {
        return writeChecked(staging.folder.fd, e.rawName, bytes, copyMode(current.fd, e.rawName, file), reason);
    });
    keepCurrent(listing, current.fd, staging.folder.fd, listing.outcome);
    commit(staging, swap, listing.outcome, QStringLiteral("the restored series"));
    return listing.outcome;
}

Outcome restoreAppend(const QString &source, const std::function<QString(const QString &)> &freePath)
{
    Listing listing = listBackup(source);
    if (!listing.ready())
        return listing.outcome;
    QString why;
    const platform::Descriptor series(platform::makeFolderPath(Data_Folder_Path, &why, 0700));
    if (series.fd < 0) {
        Outcome outcome;
        outcome.reasons << QStringLiteral("Cannot reach %1: %2").arg(Data_Folder_Path, why);
        return outcome;
    }
    platform::removeStaleTemporariesOnce(series.fd);
    copyEntries(listing, [&](const Entry &e, const QByteArray &bytes, const struct stat &file, QString *reason) {
        QByteArray name = e.rawName;
        if (takenInAnyCase(series.fd, name)) {
            const QString target = freePath(QDir(Data_Folder_Path).filePath(e.name));
            name = encoded(QFileInfo(target).fileName());
            if (target.isEmpty() || takenInAnyCase(series.fd, name)
                || QFileInfo(target).absolutePath() != QFileInfo(Data_Folder_Path).absoluteFilePath()) {
                *reason = QStringLiteral("no free name");
                return false;
            }
        }
        return writeInPlace(series.fd, name, bytes, copyMode(series.fd, name, file), reason);
    });
    listing.outcome.committed = listing.outcome.copied > 0;
    return listing.outcome;
}

bool reset(QString *reason) { return series_store::removeAll(reason); }

} // namespace series_backup
