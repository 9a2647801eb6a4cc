#include "core/BatchWriter.h"

#include "platform/Files.h"
#include "platform/Temporaries.h"

#include <QDir>
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

using platform::errorText;

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

void BatchWriter::adoptFolder(const QString &path, int fd)
{
    const int own = fd >= 0 ? ::fcntl(fd, F_DUPFD_CLOEXEC, 0) : -1;
    if (own < 0)
        return;
    std::lock_guard lock(m_mutex);
    addFolderLocked(QFile::encodeName(QDir::cleanPath(path)).toStdString(), own);
}

BatchWriter::Folder *BatchWriter::addFolderLocked(const std::string &name, int fd)
{
    auto made = std::make_unique<Folder>();
    made->fd = fd;
    // What killed batches left in this folder goes before this one adds its own.
    platform::removeStaleTemporariesOnce(fd);
    made->device = noteDeviceLocked(fd, -1);
    Folder *f = made.get();
    m_folders[name] = std::move(made);
    m_lastFolder = nullptr;
    return f;
}

bool BatchWriter::noteDeviceLocked(int folder, int file)
{
    // A folder open for its path only cannot be synced: its file system is, through a file written
    // there (syncfs writes back the whole file system, the folder's entries with it).
    const bool pathOnly = (::fcntl(folder, F_GETFL) & O_PATH) != 0;
    const int usable = pathOnly ? file : folder;
    struct stat st {};
    if (usable < 0 || ::fstat(folder, &st) != 0)
        return false;
    for (const Device &d : m_devices)
        if (d.dev == static_cast<unsigned long long>(st.st_dev))
            return true;
    const int own = ::fcntl(usable, F_DUPFD_CLOEXEC, 0);
    if (own < 0)
        return false;
    m_devices.push_back({static_cast<unsigned long long>(st.st_dev), own});
    startSyncLocked();
    return true;
}

void BatchWriter::noteDevice(Folder *f, int file)
{
    if (f->device.load(std::memory_order_relaxed))
        return;
    std::lock_guard lock(m_mutex);
    if (noteDeviceLocked(f->fd, file))
        f->device.store(true, std::memory_order_relaxed);
}

void BatchWriter::noteDevice(int folder, int file)
{
    std::lock_guard lock(m_mutex);
    noteDeviceLocked(folder, file);
}

BatchWriter::Folder *BatchWriter::folder(const QByteArray &path, QString *error)
{
    const std::string_view name(path.constData(), std::size_t(path.size()));
    std::lock_guard lock(m_mutex);
    if (m_lastFolder && name == m_lastName)
        return m_lastFolder;
    auto it = m_folders.find(name);
    if (it == m_folders.end()) {
        // A folder handed over (the export folder as checked) under its clean name.
        const std::string clean = QFile::encodeName(QDir::cleanPath(QFile::decodeName(path))).toStdString();
        it = m_folders.find(clean);
        if (it == m_folders.end()) {
            // Else reached once by the rule for links; every file of the batch then goes into the
            // folder so reached. Asked for as a folder on the way to the file: an entry there that
            // is none is named ("<entry>: Not a directory").
            QString why;
            const QString shown = QFile::decodeName(path);
            const int fd = platform::openFolderByRule(shown.endsWith(QLatin1Char('/')) ? shown : shown + QLatin1Char('/'), &why);
            if (fd < 0) {
                failWith(error, why);
                return nullptr;
            }
            addFolderLocked(clean, fd);
            it = m_folders.find(clean);
        }
    }
    m_lastName = std::string(name);
    m_lastFolder = it->second.get();
    return m_lastFolder;
}

bool BatchWriter::stage(const QString &path, const QByteArray &bytes, Staged *staged, QString *error)
{
    const QByteArray target = QFile::encodeName(path);
    if (target.isEmpty())
        return failWith(error, QStringLiteral("No file name."));
    // A folder asked for: refused as every writer refuses it, with the system's reason.
    if (target.endsWith('/')) {
        platform::Place place;
        return platform::reachFile(path, &place, error) && failWith(error, errorText(EISDIR));
    }
    Folder *f = folder(folderOf(target), error);
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
    return stageNamed(f->fd, target, bytes, staged, error);
}

bool BatchWriter::stageNamed(int folder, const QByteArray &target, const QByteArray &bytes, Staged *staged, QString *error)
{
    QByteArray temp;
    int fd = -1;
    for (int attempt = 0; attempt < 64 && fd < 0; ++attempt) {
        temp = tempPath(target);
        // Nobody else may open it before it takes its mode, at commit: the file it replaces may be
        // private, and the name it is staged for may not be its own.
        fd = ::openat(folder, platform::entryName(temp).constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
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
        platform::unlinkHeld(folder, temp, file);
        return failWith(error, errorText(err ? err : EIO));
    }
    *staged = Staged();
    staged->folder = folder;
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

bool BatchWriter::resolve(int folder, const QByteArray &target, platform::Place *place, QString *error)
{
    // Reached from the folder as the batch holds it, never again by the folder's name.
    return platform::reachFile(QFile::decodeName(platform::entryName(target)), place, error, folder,
                               QFile::decodeName(folderOf(target)));
}

bool BatchWriter::commit(const Staged &staged, QString *error)
{
    if (staged.fd >= 0)
        return placeUnnamed(staged, error);
    const QByteArray tempName = platform::entryName(staged.tempPath);
    platform::Place to;
    if (!resolve(staged.folder, staged.target, &to, error)) {
        platform::unlinkHeld(staged.folder, staged.tempPath, {staged.dev, staged.ino});
        return false;
    }
    // The file staged, never another that took its name since: opened without following a link,
    // and taken only when it is the very file written.
    const int fd = ::openat(staged.folder, tempName.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    const platform::WrittenFile file = fd >= 0 ? platform::writtenFile(fd) : platform::WrittenFile();
    if (fd < 0 || file.dev != staged.dev || file.ino != staged.ino || !platform::stillNamed(staged.folder, staged.tempPath, file)) {
        if (fd >= 0)
            ::close(fd);
        return failWith(error, platform::replacedWhileSaving(to.path));
    }
    return renameInto(staged.folder, staged.tempPath, fd, file, to, error);
}

bool BatchWriter::renameInto(int from, const QByteArray &temp, int fd, const platform::WrittenFile &file,
                             const platform::Place &to, QString *error)
{
    const QByteArray tempName = platform::entryName(temp);
    // The mode of the user's file it replaces, else a new file's.
    (void)::fchmod(fd, platform::modeReplacing(to.folder.fd, to.name));
    platform::commitStep(temp);
    if (::renameat(from, tempName.constData(), to.folder.fd, to.name.constData()) != 0) {
        const int err = errno;
        platform::unlinkHeld(from, temp, file);
        // Staged on another file system than the file a link leads to: copied there from the
        // file written.
        if (err == EXDEV)
            return copyInto(fd, to, error);
        ::close(fd);
        return failWith(error, errorText(err));
    }
    noteDevice(to.folder.fd, fd);
    ::close(fd);
    // Another's entry renamed over the temporary after the check took the name instead.
    if (!platform::holds(to.folder.fd, to.name, file))
        return failWith(error, platform::replacedWhileSaving(to.path));
    committed();
    return true;
}

bool BatchWriter::placeUnnamed(const Staged &staged, QString *error)
{
    const int fd = staged.fd;
    const QByteArray &target = staged.target, targetName = platform::entryName(target);
    Folder *to = folder(folderOf(target), error);
    if (!to) {
        ::close(fd);
        return false;
    }
    int err = 0;
    // Private until now; it takes its mode while it has no name: a new file's for the name not
    // there yet, which is taken at once, with no other look at the folder (each look waits for the
    // folder's lock while other workers add to it); only a name that is there is reached and checked.
    (void)::fchmod(fd, m_newFileMode);
    if (link(fd, to->fd, targetName, &err)) {
        noteDevice(to, fd);
        const platform::WrittenFile linked = platform::writtenFile(fd);
        // The target was not there: it now is, complete.
        if (::close(fd) != 0) {
            err = errno;
            platform::unlinkHeld(to->fd, targetName, linked);
            return failWith(error, errorText(err));
        }
        committed();
        return true;
    }
    if (err != EEXIST) {
        // Unnamed files cannot be linked here after all: this one is copied to a name.
        if (err == EXDEV || m_linkWay.load(std::memory_order_relaxed) == 3) {
            platform::Place place;
            if (!resolve(to->fd, target, &place, error)) {
                ::close(fd);
                return false;
            }
            return copyInto(fd, place, error);
        }
        ::close(fd);
        return failWith(error, errorText(err));
    }
    platform::Place place;
    if (!resolve(to->fd, target, &place, error)) {
        ::close(fd);
        return false;
    }
    // A link there led to a file not there yet: named at once where it leads.
    if (!place.exists && link(fd, place.folder.fd, place.name, &err)) {
        noteDevice(place.folder.fd, fd);
        ::close(fd);
        committed();
        return true;
    }
    // Replaced by a rename, taking the old file's permissions where they are the user's, before it
    // has the temporary's name: whoever may read the folder may open it there.
    (void)::fchmod(fd, platform::modeReplacing(place.folder.fd, place.name));
    QByteArray temp;
    bool linked = false;
    for (int attempt = 0; attempt < 64 && !linked; ++attempt) {
        temp = tempPath(QFile::encodeName(place.path));
        linked = link(fd, place.folder.fd, platform::entryName(temp), &err);
        if (!linked && err != EEXIST)
            break;
    }
    if (!linked && err == EXDEV)
        return copyInto(fd, place, error);
    if (!linked) {
        ::close(fd);
        return failWith(error, errorText(err));
    }
    const platform::WrittenFile file = platform::writtenFile(fd);
    // The name is the folder's: another may have renamed something over it meanwhile.
    if (!platform::stillNamed(place.folder.fd, temp, file)) {
        ::close(fd);
        return failWith(error, platform::replacedWhileSaving(place.path));
    }
    return renameInto(place.folder.fd, temp, fd, file, place, error);
}

bool BatchWriter::copyInto(int fd, const platform::Place &to, QString *error)
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
    // Staged beside the file it replaces, in the folder as reached, and renamed there.
    Staged named;
    if (!stageNamed(to.folder.fd, QFile::encodeName(to.path), bytes, &named, error))
        return false;
    const int staged = ::openat(to.folder.fd, platform::entryName(named.tempPath).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    const platform::WrittenFile file = staged >= 0 ? platform::writtenFile(staged) : platform::WrittenFile();
    if (staged < 0 || file.dev != named.dev || file.ino != named.ino || !platform::stillNamed(to.folder.fd, named.tempPath, file)) {
        if (staged >= 0)
            ::close(staged);
        return failWith(error, platform::replacedWhileSaving(to.path));
    }
    return renameInto(to.folder.fd, named.tempPath, staged, file, to, error);
}

void BatchWriter::discard(const Staged &staged)
{
    if (staged.fd >= 0)
        ::close(staged.fd);
    if (!staged.tempPath.isEmpty())
        platform::unlinkHeld(staged.folder, staged.tempPath, {staged.dev, staged.ino});
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
