#include "platform/Files.h"

#include "platform/Log.h"
#include "platform/Temporaries.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <QFile>

#include <cerrno>
#include <climits>
#include <cstring>
#include <deque>
#include <mutex>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

unsigned currentUmask()
{
    // Read where the system shows it; setting the mask to read it back would change it for a
    // moment under every other thread.
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray &line : status.readAll().split('\n')) {
            if (!line.startsWith("Umask:"))
                continue;
            bool ok = false;
            const unsigned mask = line.mid(6).trimmed().toUInt(&ok, 8);
            if (ok)
                return mask;
        }
    }
    static std::mutex guard;
    const std::lock_guard<std::mutex> lock(guard);
    const mode_t mask = ::umask(022);
    ::umask(mask);
    return unsigned(mask);
}

QString errorText(int err) { return QString::fromLocal8Bit(std::strerror(err)); }

// A folder where others may add, remove and rename entries, links among them.
bool othersMayWrite(const struct stat &folder) { return (folder.st_mode & (S_IWGRP | S_IWOTH)) != 0; }

// Whether the link st, an entry of the folder holder, is one the system's own rule for folders
// others may write would follow: the effective user's or the folder owner's (the rule may be off).
bool followable(const struct stat &st, const struct stat &holder)
{
    return !othersMayWrite(holder) || st.st_uid == ::geteuid() || st.st_uid == holder.st_uid;
}

std::function<void(const QString &)> commitHook;

// The entry at path, not followed: its status and, for a link, where it leads, both of the one
// inode, so that a link renamed over it meanwhile is never read as the one checked.
bool entryAt(const QString &path, struct stat *st, QByteArray *target)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_PATH | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return false;
    bool ok = ::fstat(fd, st) == 0;
    if (ok && S_ISLNK(st->st_mode)) {
        target->resize(PATH_MAX);
        const ssize_t n = ::readlinkat(fd, "", target->data(), size_t(target->size()));
        ok = n >= 0 && n < target->size();
        if (n >= target->size())
            errno = ENAMETOOLONG;
        target->resize(ok ? n : 0);
    }
    const int err = errno;
    ::close(fd);
    errno = err;
    return ok;
}

} // namespace

unsigned newFileMode() { return 0666u & ~currentUmask(); }

unsigned newFolderMode() { return 0777u & ~currentUmask(); }

QString perUserDataFolder(const QString &appName)
{
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return QDir::cleanPath(base + QLatin1Char('/') + appName);
}

QString resourceFolder()
{
    const QByteArray env = qgetenv("TAGORA_RESOURCES");
    if (!env.isEmpty())
        return QDir::cleanPath(QString::fromLocal8Bit(env));
    const QString source = QStringLiteral(TAGORA_SOURCE_RESOURCES);
    if (QFileInfo(source).isDir())
        return QDir::cleanPath(source);
    return QDir::cleanPath(QStringLiteral(TAGORA_INSTALL_RESOURCES));
}

QString privateTempFolder()
{
    static std::once_flag once;
    static QTemporaryDir *dir = nullptr;
    std::call_once(once, [] {
        dir = new QTemporaryDir(QDir::tempPath() + QStringLiteral("/tagora-XXXXXX"));
        // QTemporaryDir creates the folder 0700. It lives until exit; the destructor at exit removes it.
        static std::unique_ptr<QTemporaryDir> owner(dir);
    });
    return dir->isValid() ? dir->path() : QString();
}

QString privateTempPath(const QString &name)
{
    return privateTempFolder() + QLatin1Char('/') + name;
}

int openFolderByRule(const QString &folder, QString *error)
{
    const auto fail = [error](int at, const QString &why) {
        if (at >= 0)
            ::close(at);
        if (error)
            *error = why;
        return -1;
    };
    // Walked one entry at a time, each opened without following it: what a name holds at one
    // moment is what is checked and entered, whatever another renames there meanwhile.
    std::deque<QByteArray> rest;
    for (const QByteArray &part : QFile::encodeName(QFileInfo(folder).absoluteFilePath()).split('/'))
        rest.push_back(part);
    int at = ::open("/", O_PATH | O_DIRECTORY | O_CLOEXEC);
    for (int links = 0; !rest.empty();) {
        const QByteArray part = rest.front();
        rest.pop_front();
        if (part.isEmpty() || part == ".")
            continue;
        const int next = ::openat(at, part.constData(), O_PATH | O_NOFOLLOW | O_CLOEXEC);
        struct stat st {}, holder {};
        if (next < 0 || ::fstat(next, &st) != 0) {
            const int err = errno;
            if (next >= 0)
                ::close(next);
            return fail(at, errorText(err));
        }
        if (S_ISDIR(st.st_mode)) {
            ::close(at);
            at = next;
            continue;
        }
        char target[PATH_MAX];
        const ssize_t n = S_ISLNK(st.st_mode) ? ::readlinkat(next, "", target, sizeof target) : -1;
        ::close(next);
        if (!S_ISLNK(st.st_mode))
            return fail(at, errorText(ENOTDIR));
        if (::fstat(at, &holder) != 0 || !followable(st, holder))
            return fail(at, QStringLiteral("%1: %2").arg(QFile::decodeName(part), errorText(EACCES)));
        if (++links > 40 || n <= 0)
            return fail(at, errorText(n <= 0 ? errno : ELOOP));
        const QByteArray led(target, n);
        const QList<QByteArray> parts = led.split('/');
        rest.insert(rest.begin(), parts.begin(), parts.end());
        if (led.startsWith('/')) {
            ::close(at);
            at = ::open("/", O_PATH | O_DIRECTORY | O_CLOEXEC);
        }
    }
    // Readable to be synced; a folder this process may only write into is still written by name.
    const int fd = ::openat(at, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return errno == EACCES ? at : fail(at, errorText(errno));
    ::close(at);
    return fd;
}

QString fileToReplace(const QString &path, QString *error)
{
    const auto fail = [error](const QString &why) {
        if (error)
            *error = why;
        return QString();
    };
    QString file = path;
    struct stat st {};
    QByteArray target;
    bool fresh = false;
    for (int hops = 0;; ++hops) {
        if (!entryAt(file, &st, &target)) {
            if (errno != ENOENT)
                return fail(errorText(errno));
            fresh = true;   // a new file (or a link to one)
            break;
        }
        if (!S_ISLNK(st.st_mode))
            break;
        // A loop above all: a rename would put a file where the link was.
        if (hops == 40)
            return fail(errorText(ELOOP));
        // Decided here, before anything is opened: the system's own rule may be switched off.
        const QString folder = QFileInfo(file).absolutePath();
        struct stat holder {};
        if (::stat(QFile::encodeName(folder).constData(), &holder) != 0)
            return fail(errorText(errno));
        if (!followable(st, holder))
            return fail(QStringLiteral("%1: %2").arg(QFileInfo(file).fileName(), errorText(EACCES)));
        file = QDir::cleanPath(QDir(folder).filePath(QFile::decodeName(target)));
    }
    // A folder on the way may be a link too.
    QString why;
    const Descriptor folder(openFolderByRule(QFileInfo(file).absolutePath(), &why));
    if (folder.fd < 0)
        return fail(why);
    if (fresh)
        return file;
    if (S_ISDIR(st.st_mode))
        return fail(errorText(EISDIR));
    // As the system decides for this process's own rights: root may write a read-only file.
    if (::faccessat(AT_FDCWD, QFile::encodeName(file).constData(), W_OK, AT_EACCESS) != 0)
        return fail(errorText(errno));
    return file;
}

QString replacedWhileSaving(const QString &file)
{
    return QStringLiteral("%1 was replaced while it was being saved").arg(QFileInfo(file).fileName());
}

WrittenFile writtenFile(int fd)
{
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        return {};
    return {static_cast<unsigned long long>(st.st_dev), static_cast<unsigned long long>(st.st_ino)};
}

void commitStep(const QByteArray &path)
{
    if (commitHook)
        commitHook(QFile::decodeName(path));
}

bool holds(int folder, const QByteArray &path, const WrittenFile &file)
{
    struct stat st {};
    const QByteArray name = folder == AT_FDCWD ? path : entryName(path);
    return file.ino != 0 && ::fstatat(folder, name.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0
           && static_cast<unsigned long long>(st.st_dev) == file.dev && static_cast<unsigned long long>(st.st_ino) == file.ino;
}

bool stillNamed(int folder, const QByteArray &path, const WrittenFile &file)
{
    commitStep(path);
    return holds(folder, path, file);
}

void setCommitStepHook(std::function<void(const QString &)> hook) { commitHook = std::move(hook); }

bool putInPlace(int folder, int fd, const QString &temporary, const QString &file, QString *error, QString *unsynced)
{
    const QByteArray from = entryName(QFile::encodeName(temporary)), to = entryName(QFile::encodeName(file));
    const WrittenFile written = writtenFile(fd);
    // The name is the folder's: in a folder others may write, it may hold another's file by now,
    // which is never given a mode or a name.
    if (!stillNamed(folder, QFile::encodeName(temporary), written)) {
        if (error)
            *error = replacedWhileSaving(file);
        return false;
    }
    struct stat old {};
    (void)::fchmod(fd, ::fstatat(folder, to.constData(), &old, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(old.st_mode)
                           ? old.st_mode & 07777
                           : newFileMode());
    commitStep(QFile::encodeName(temporary));
    if (::renameat(folder, from.constData(), folder, to.constData()) != 0) {
        if (error)
            *error = errorText(errno);
        ::unlinkat(folder, from.constData(), 0);
        return false;
    }
    // Another's entry renamed over the temporary after the check took the file's name instead.
    if (!holds(folder, to, written)) {
        if (error)
            *error = replacedWhileSaving(file);
        return false;
    }
    // The new name is an entry of the folder: until the folder is on the disk too, a power cut can
    // bring the old file back. A folder this process may not read cannot be synced (EBADF: it is
    // open for its path only); the file stands. EINVAL: a file system that has nothing to sync for
    // a folder.
    const int synced = ::fsync(folder) == 0 || errno == EINVAL || errno == EBADF ? 0 : errno;
    // The file has its name whatever the sync said: the save is done, only not known to be durable.
    if (synced != 0) {
        const QString why = errorText(synced);
        if (unsynced)
            *unsynced = why;
        else
            logLine(unsyncedWarning(QFileInfo(file).fileName(), why));
    }
    return true;
}

QString unsyncedWarning(const QString &what, const QString &why, bool several)
{
    return several ? QStringLiteral("%1 were saved, but the system could not confirm they are on the disk (%2); "
                                    "they may not outlast a power cut.").arg(what, why)
                   : QStringLiteral("%1 was saved, but the system could not confirm it is on the disk (%2); "
                                    "it may not outlast a power cut.").arg(what, why);
}

bool makeWritableFolder(const QString &path, QString *error)
{
    const QByteArray native = QFile::encodeName(path);
    // Nothing is made below another's link where others may write (as for the folder itself).
    QString why;
    if (const Descriptor parent(openFolderByRule(QFileInfo(path).absolutePath(), &why)); parent.fd < 0) {
        if (error)
            *error = why;
        return false;
    }
    const bool made = ::mkdir(native.constData(), 0777) == 0;
    int err = made || errno == EEXIST ? 0 : errno;
    struct stat st {}, holder {};
    // Where others may write, what is there may be theirs, or lead to a folder the user never chose.
    if (err == 0 && !made && ::lstat(native.constData(), &st) == 0
        && (S_ISLNK(st.st_mode) || (S_ISDIR(st.st_mode) && st.st_uid != ::geteuid()))
        && ::stat(QFile::encodeName(QFileInfo(path).absolutePath()).constData(), &holder) == 0 && othersMayWrite(holder))
        err = EACCES;
    if (err == 0 && ::stat(native.constData(), &st) != 0)
        err = errno;
    else if (err == 0 && !S_ISDIR(st.st_mode))
        err = ENOTDIR;
    // As the system decides for this process's own rights: root may write into a read-only folder.
    else if (err == 0 && ::faccessat(AT_FDCWD, native.constData(), W_OK | X_OK, AT_EACCESS) != 0)
        err = errno;
    if (err != 0 && error)
        *error = errorText(err);
    return err == 0;
}

QString writeCutShortReason(int fd)
{
    struct stat st {};
    if (fd >= 0 && ::fstat(fd, &st) == 0 && ::pwrite(fd, "", 1, st.st_size) < 0)
        return QString::fromLocal8Bit(std::strerror(errno));
    return QString();
}

bool writeFileAtomically(const QString &path, const std::function<bool(QIODevice &)> &writer, QString *error,
                         QString *unsynced)
{
    const auto fail = [error](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    const QString finalPath = fileToReplace(path, error);
    if (finalPath.isEmpty())
        return false;
    removeStaleTemporariesOnce(QFileInfo(finalPath).absolutePath());
    // Everything from here in the folder as opened, whatever takes its name meanwhile.
    const Descriptor folder(openFolderByRule(QFileInfo(finalPath).absolutePath(), error));
    if (folder.fd < 0)
        return false;

    // Nobody else may read the new file before it takes the old one's mode.
    QString temp;
    int fd = -1;
    for (int attempt = 0; attempt < 64 && fd < 0; ++attempt) {
        temp = temporaryPath(finalPath, QStringLiteral("part"));
        fd = ::openat(folder.fd, entryName(QFile::encodeName(temp)).constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0)
        return fail(errorText(errno));
    const auto drop = [&] { ::unlinkat(folder.fd, entryName(QFile::encodeName(temp)).constData(), 0); };
    QFile file;
    if (!file.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        drop();
        return fail(file.errorString());
    }
    // A write the system cut short (a full disk, a file size limit) is buffered as if whole and
    // only shows in the size of what reached the file.
    if (!writer(file) || !file.flush() || file.size() != file.pos()) {
        QString why = file.error() != QFileDevice::NoError ? file.errorString() : QStringLiteral("The data could not be written.");
        if (const QString reason = writeCutShortReason(file.handle()); !reason.isEmpty())
            why = reason;   // the temporary, one byte longer, is dropped anyway
        file.close();
        drop();
        return fail(why);
    }
    // On the disk before it takes the name: a crash never leaves an empty file under it.
    if (::fsync(file.handle()) != 0) {
        const QString why = errorText(errno);
        file.close();
        drop();
        return fail(why);
    }
    const bool placed = putInPlace(folder.fd, file.handle(), temp, finalPath, error, unsynced);
    file.close();
    return placed;
}

bool writeFileAtomically(const QString &path, const QByteArray &data, QString *error, QString *unsynced)
{
    return writeFileAtomically(path, [&data](QIODevice &dev) { return dev.write(data) == data.size(); }, error,
                               unsynced);
}

QByteArray entryName(const QByteArray &path) { return path.mid(path.lastIndexOf('/') + 1); }

Descriptor::~Descriptor()
{
    if (fd >= 0)
        ::close(fd);
}

} // namespace platform
