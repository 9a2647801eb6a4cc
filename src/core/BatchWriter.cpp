#include "core/BatchWriter.h"

#include "platform/Files.h"
#include "platform/Temporaries.h"

#include <QFile>

#include <atomic>
#include <chrono>
#include <system_error>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string_view>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace batchfiles {

namespace {

QString errorText(int err)
{
    char buffer[256];
    // GNU strerror_r: answers a pointer that may or may not be the buffer.
    return QString::fromLocal8Bit(strerror_r(err, buffer, sizeof buffer));
}

bool failWith(QString *error, const QString &why)
{
    if (error)
        *error = why;
    return false;
}

QByteArray folderOf(const QByteArray &path)
{
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0)
        return QByteArrayLiteral(".");
    if (slash == 0)
        return QByteArrayLiteral("/");
    return path.left(slash);
}

// A name of this process's own beside the target; O_EXCL never opens someone else's file, and a
// leftover of an earlier process with the same id is stepped over.
QByteArray tempPath(const QByteArray &target)
{
    const qsizetype slash = target.lastIndexOf('/');
    const QString name = QFile::decodeName(target.mid(slash + 1));
    return target.left(slash + 1) + QFile::encodeName(platform::temporaryName(name, QStringLiteral("part")));
}

bool writeAll(int fd, const QByteArray &bytes)
{
    const char *p = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, size_t(left));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (n == 0) {   // no progress and no error: treat as a full device
            errno = ENOSPC;
            return false;
        }
        p += n;
        left -= n;
    }
    return true;
}

} // namespace

unsigned BatchWriter::modeReplacing(int folder, const QByteArray &name) const
{
    struct stat old {};
    return ::fstatat(folder, name.constData(), &old, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(old.st_mode) ? old.st_mode & 07777
                                                                                                     : m_newFileMode;
}

BatchWriter::Folder::~Folder()
{
    if (fd >= 0)
        ::close(fd);
}

bool BatchWriter::isTemporary(const QString &fileName)
{
    return platform::isTemporaryName(fileName);
}

BatchWriter::BatchWriter() : m_newFileMode(platform::newFileMode()) {}

BatchWriter::~BatchWriter()
{
    stopBackgroundSync();
    for (const Device &d : m_devices)
        ::close(d.fd);
}

void BatchWriter::committed()
{
    std::lock_guard lock(m_mutex);
    ++m_commits;
    startSyncLocked();
    if (m_syncIdle) {
        m_syncIdle = false;
        m_syncWake.notify_one();
    }
}

void BatchWriter::startSyncLocked()
{
    if (m_syncer.joinable() || m_syncStop)
        return;
    try {
        m_syncer = std::thread([this] { syncInBackground(); });
    } catch (const std::system_error &) {
        m_syncStop = true;   // no thread: finish() syncs everything at the end
    }
}

void BatchWriter::syncInBackground()
{
    using Clock = std::chrono::steady_clock;
    // Often enough that the last sync has little left; each one costs the device a cache flush.
    constexpr auto kInterval = std::chrono::milliseconds(5);
    std::unique_lock lock(m_mutex);
    Clock::time_point lastStart = Clock::now() - kInterval;
    std::vector<int> fds;
    // The first sync starts at once, before any file is in place: it writes back what was waiting
    // (other programs' data, and the inode tables, whose free entries a file system without a
    // journal passes over for minutes while they are dirty).
    bool first = true;
    for (;;) {
        if (!first && !m_syncStop && m_commits == m_syncedUpTo) {
            m_syncIdle = true;   // the next commit wakes this thread
            m_syncWake.wait(lock, [this] { return m_syncStop || m_commits != m_syncedUpTo; });
            m_syncIdle = false;
        }
        if (m_syncStop)
            return;
        if (!first && m_syncWake.wait_until(lock, lastStart + kInterval, [this] { return m_syncStop; }))
            return;
        if (m_syncStop)
            return;
        first = false;
        m_syncedUpTo = m_commits;
        fds.clear();
        for (const Device &d : m_devices)
            fds.push_back(d.fd);
        lastStart = Clock::now();
        lock.unlock();
        QString why;
        for (const int fd : fds)
            if (::syncfs(fd) != 0 && why.isEmpty())
                why = errorText(errno);
        lock.lock();
        if (m_syncError.isEmpty())
            m_syncError = why;
        m_syncWake.notify_all();
    }
}

void BatchWriter::stopBackgroundSync()
{
    {
        std::lock_guard lock(m_mutex);
        m_syncStop = true;
        m_syncWake.notify_all();
    }
    if (m_syncer.joinable())
        m_syncer.join();
}

BatchWriter::Folder *BatchWriter::folder(const QByteArray &path, QString *error)
{
    const std::string_view name(path.constData(), std::size_t(path.size()));
    std::lock_guard lock(m_mutex);
    if (m_lastFolder && name == m_lastName)
        return m_lastFolder;
    auto it = m_folders.find(name);
    if (it == m_folders.end()) {
        QString why;
        const int fd = platform::openFolderByRule(QFile::decodeName(path), &why);
        if (fd < 0) {
            failWith(error, why);
            return nullptr;
        }
        auto made = std::make_unique<Folder>();
        made->fd = fd;
        // Read, for the closing sync: a folder open for its path only cannot be synced.
        struct stat st {};
        const bool pathOnly = (::fcntl(fd, F_GETFL) & O_PATH) != 0;
        if (pathOnly || ::fstat(fd, &st) != 0) {
            failWith(error, errorText(pathOnly ? EACCES : errno));
            return nullptr;
        }
        // What killed batches left in this folder goes before this one adds its own.
        platform::removeStaleTemporariesOnce(QFile::decodeName(path));
        bool known = false;
        for (const Device &d : m_devices)
            known = known || d.dev == static_cast<unsigned long long>(st.st_dev);
        if (!known) {
            const int own = ::fcntl(fd, F_DUPFD_CLOEXEC, 0);
            if (own < 0) {
                failWith(error, errorText(errno));
                return nullptr;
            }
            m_devices.push_back({static_cast<unsigned long long>(st.st_dev), own});
            startSyncLocked();
        }
        it = m_folders.emplace(std::string(name), std::move(made)).first;
    }
    m_lastName = it->first;
    m_lastFolder = it->second.get();
    return m_lastFolder;
}

bool BatchWriter::stage(const QString &path, const QByteArray &bytes, Staged *staged, QString *error)
{
    const QByteArray target = QFile::encodeName(path);
    if (target.isEmpty() || target.endsWith('/'))
        return failWith(error, QStringLiteral("No file name."));
    const QByteArray folderPath = folderOf(target);
    Folder *f = folder(folderPath, error);
    if (!f)
        return false;
    if (f->unnamed.load(std::memory_order_relaxed) && m_linkWay.load(std::memory_order_relaxed) != 3) {
        // Private until it takes its mode at commit, as every temporary. Read-write, so that it can
        // still be copied to a name should linking turn out not to work here.
        const int fd = ::openat(f->fd, ".", O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
        if (fd >= 0) {
            if (!writeAll(fd, bytes)) {
                const int err = errno;
                ::close(fd);
                return failWith(error, errorText(err));
            }
            *staged = Staged();
            staged->path = path;
            staged->fd = fd;
            staged->target = target;
            return true;
        }
        // A file system (or kernel) without unnamed files: named ones there from now on. Out of
        // descriptors: this one named (its descriptor is closed as soon as it is written).
        if (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL)
            f->unnamed.store(false, std::memory_order_relaxed);
        else if (errno != EMFILE && errno != ENFILE)
            return failWith(error, errorText(errno));
    }
    return stageNamed(target, bytes, staged, error);
}

bool BatchWriter::stageNamed(const QByteArray &target, const QByteArray &bytes, Staged *staged, QString *error)
{
    const Folder *f = folder(folderOf(target), error);
    if (!f)
        return false;
    QByteArray temp;
    int fd = -1;
    for (int attempt = 0; attempt < 64 && fd < 0; ++attempt) {
        temp = tempPath(target);
        // Nobody else may open it before it takes its mode, at commit: the file it replaces may be
        // private, and the name it is staged for may not be its own.
        fd = ::openat(f->fd, platform::entryName(temp).constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0)
        return failWith(error, errorText(errno));

    const bool written = writeAll(fd, bytes);
    int err = written ? 0 : errno;
    const platform::WrittenFile file = platform::writtenFile(fd);
    // close() is where some file systems report a failed write.
    if (::close(fd) != 0 && err == 0)
        err = errno;
    if (!written || err != 0) {
        ::unlinkat(f->fd, platform::entryName(temp).constData(), 0);
        return failWith(error, errorText(err ? err : EIO));
    }
    *staged = Staged();
    staged->folder = f->fd;
    staged->path = QFile::decodeName(target);
    staged->tempPath = temp;
    staged->target = target;
    staged->dev = file.dev;
    staged->ino = file.ino;
    return true;
}

// Gives an unnamed file a name, by the first way that works here.
bool BatchWriter::link(int fd, int folder, const QByteArray &name, int *err)
{
    const int way = m_linkWay.load(std::memory_order_relaxed);
    if (way <= 1) {
        if (::linkat(fd, "", folder, name.constData(), AT_EMPTY_PATH) == 0) {
            m_linkWay.store(1, std::memory_order_relaxed);
            return true;
        }
        *err = errno;
        // Without the right to link by descriptor the kernel answers ENOENT (or EPERM).
        if (way == 1 || (*err != ENOENT && *err != EPERM))
            return false;
    }
    char proc[48];
    std::snprintf(proc, sizeof proc, "/proc/self/fd/%d", fd);
    if (::linkat(AT_FDCWD, proc, folder, name.constData(), AT_SYMLINK_FOLLOW) == 0) {
        m_linkWay.store(2, std::memory_order_relaxed);
        return true;
    }
    *err = errno;
    if (way == 0 && *err == ENOENT)
        m_linkWay.store(3, std::memory_order_relaxed);   // no /proc either
    return false;
}

bool BatchWriter::commit(const Staged &staged, QString *error)
{
    return place(staged, staged.target, false, error);
}

bool BatchWriter::resolve(const QByteArray &name, QByteArray *file, QString *error)
{
    QString why;
    const QString resolved = platform::fileToReplace(QFile::decodeName(name), &why);
    if (resolved.isEmpty())
        return failWith(error, why);
    *file = QFile::encodeName(resolved);
    // A link into another folder: that folder's file system is synced at finish() too.
    return *file == name || folderOf(*file) == folderOf(name) || folder(folderOf(*file), error);
}

bool BatchWriter::place(const Staged &staged, const QByteArray &name, bool resolved, QString *error)
{
    if (staged.fd < 0) {
        const QByteArray tempName = platform::entryName(staged.tempPath);
        QByteArray target = name;
        const Folder *to = nullptr;
        if ((!resolved && !resolve(name, &target, error)) || !(to = folder(folderOf(target), error))) {
            ::unlinkat(staged.folder, tempName.constData(), 0);
            return false;
        }
        // The file staged, never another that took its name since: opened without following a
        // link, and taken only when it is the very file written.
        const int fd = ::openat(staged.folder, tempName.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        const platform::WrittenFile file = fd >= 0 ? platform::writtenFile(fd) : platform::WrittenFile();
        if (fd < 0 || file.dev != staged.dev || file.ino != staged.ino || !platform::stillNamed(staged.folder, staged.tempPath, file)) {
            if (fd >= 0)
                ::close(fd);
            return failWith(error, platform::replacedWhileSaving(QFile::decodeName(target)));
        }
        // The mode of the file it replaces (through a link, its file's), else of a new file's.
        (void)::fchmod(fd, modeReplacing(to->fd, platform::entryName(target)));
        platform::commitStep(staged.tempPath);
        if (::renameat(staged.folder, tempName.constData(), to->fd, platform::entryName(target).constData()) != 0) {
            const int err = errno;
            ::unlinkat(staged.folder, tempName.constData(), 0);
            // Staged on another file system than the file a link leads to: copied there from the
            // file written.
            if (err == EXDEV)
                return copyToName(fd, target, true, error);
            ::close(fd);
            return failWith(error, errorText(err));
        }
        ::close(fd);
        // Another's entry renamed over the temporary after the check took the name instead.
        if (!platform::holds(to->fd, target, file))
            return failWith(error, platform::replacedWhileSaving(QFile::decodeName(target)));
        committed();
        return true;
    }
    const int fd = staged.fd;
    const QByteArray &target = name, targetName = platform::entryName(target);
    const Folder *to = folder(folderOf(target), error);
    if (!to) {
        ::close(fd);
        return false;
    }
    int err = 0;
    // Private until now: a new file's mode once it has a name. A name that is not there yet is
    // taken at once, with no other look at the folder (each look waits for the folder's lock while
    // other workers add to it); only a name that is there is followed or checked.
    (void)::fchmod(fd, m_newFileMode);
    if (link(fd, to->fd, targetName, &err)) {
        // The target was not there: it now is, complete.
        if (::close(fd) != 0) {
            err = errno;
            ::unlinkat(to->fd, targetName.constData(), 0);
            return failWith(error, errorText(err));
        }
        committed();
        return true;
    }
    if (err == EEXIST && !resolved) {
        QByteArray file;
        if (!resolve(target, &file, error)) {
            ::close(fd);
            return false;
        }
        if (file != target)
            return place(staged, file, true, error);   // the file a link leads to, there or not
    }
    if (err == EEXIST) {
        // Replaced by a rename, taking the old file's permissions.
        (void)::fchmod(fd, modeReplacing(to->fd, targetName));
        QByteArray temp;
        bool linked = false;
        for (int attempt = 0; attempt < 64 && !linked; ++attempt) {
            temp = tempPath(target);
            linked = link(fd, to->fd, platform::entryName(temp), &err);
            if (!linked && err != EEXIST)
                break;
        }
        if (!linked && err == EXDEV)
            return copyToName(fd, target, true, error);
        if (!linked) {
            ::close(fd);
            return failWith(error, errorText(err));
        }
        const platform::WrittenFile file = platform::writtenFile(fd);
        if (::close(fd) != 0) {
            err = errno;
            ::unlinkat(to->fd, platform::entryName(temp).constData(), 0);
            return failWith(error, errorText(err));
        }
        // The name is the folder's: another may have renamed something over it meanwhile.
        if (!platform::stillNamed(to->fd, temp, file))
            return failWith(error, platform::replacedWhileSaving(QFile::decodeName(target)));
        platform::commitStep(temp);
        if (::renameat(to->fd, platform::entryName(temp).constData(), to->fd, targetName.constData()) != 0) {
            err = errno;
            ::unlinkat(to->fd, platform::entryName(temp).constData(), 0);
            return failWith(error, errorText(err));
        }
        if (!platform::holds(to->fd, target, file))
            return failWith(error, platform::replacedWhileSaving(QFile::decodeName(target)));
        committed();
        return true;
    }
    // Unnamed files cannot be linked here after all, or the file is on another file system than
    // the folder it was made in (a link led there): this one is copied to a name.
    if (err == EXDEV || m_linkWay.load(std::memory_order_relaxed) == 3)
        return copyToName(fd, target, resolved, error);
    ::close(fd);
    return failWith(error, errorText(err));
}

bool BatchWriter::copyToName(int fd, const QByteArray &target, bool resolved, QString *error)
{
    QByteArray bytes;
    const off_t size = ::lseek(fd, 0, SEEK_END);
    int err = size < 0 ? errno : 0;
    if (size >= 0)
        bytes.resize(qsizetype(size));
    for (off_t done = 0; err == 0 && done < size;) {
        const ssize_t n = ::pread(fd, bytes.data() + done, size_t(size - done), done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            err = n < 0 ? errno : EIO;
        else
            done += n;
    }
    ::close(fd);
    if (err != 0)
        return failWith(error, errorText(err));
    Staged named;
    return stageNamed(target, bytes, &named, error) && place(named, target, resolved, error);
}

void BatchWriter::discard(const Staged &staged)
{
    if (staged.fd >= 0)
        ::close(staged.fd);
    if (!staged.tempPath.isEmpty())
        ::unlinkat(staged.folder, platform::entryName(staged.tempPath).constData(), 0);
}

bool BatchWriter::write(const QString &path, const QByteArray &bytes, QString *error)
{
    Staged staged;
    return stage(path, bytes, &staged, error) && commit(staged, error);
}

bool BatchWriter::finish(QString *error)
{
    stopBackgroundSync();
    std::lock_guard lock(m_mutex);
    // syncfs writes back the whole file system in one journal commit; fdatasync of each file would
    // cost one commit per file, the very cost the batch avoids. A background sync that started
    // after the last commit has covered everything; else one more.
    QString why = m_syncError;
    const bool covered = m_commits > 0 && m_commits == m_syncedUpTo;
    for (const Device &d : m_devices) {
        if (!covered && ::syncfs(d.fd) != 0 && why.isEmpty())
            why = errorText(errno);
        ::close(d.fd);
    }
    m_devices.clear();
    m_syncStop = false;
    m_syncIdle = false;
    m_commits = 0;
    m_syncedUpTo = 0;
    m_syncError.clear();
    m_folders.clear();
    m_lastFolder = nullptr;
    m_lastName.clear();
    return why.isEmpty() || failWith(error, why);
}

} // namespace batchfiles
