#include "core/BatchWriter.h"

#include <QFile>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <string_view>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace batchfiles {

namespace {

constexpr char kTempPrefix[] = ".tagora-part-";

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

QString BatchWriter::tempPrefix()
{
    return QString::fromLatin1(kTempPrefix);
}

BatchWriter::~BatchWriter()
{
    for (const Device &d : m_devices)
        ::close(d.fd);
}

bool BatchWriter::watchFolder(const QByteArray &folder, QString *error)
{
    const std::string_view name(folder.constData(), std::size_t(folder.size()));
    std::lock_guard lock(m_mutex);
    if (name == m_lastFolder)
        return true;
    if (m_folders.find(name) != m_folders.end()) {
        m_lastFolder = name;
        return true;
    }
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return failWith(error, errorText(errno));
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        const int err = errno;
        ::close(fd);
        return failWith(error, errorText(err));
    }
    bool known = false;
    for (const Device &d : m_devices)
        known = known || d.dev == static_cast<unsigned long long>(st.st_dev);
    if (known)
        ::close(fd);
    else
        m_devices.push_back({static_cast<unsigned long long>(st.st_dev), fd});
    m_folders.emplace(name);
    m_lastFolder = name;
    return true;
}

bool BatchWriter::stage(const QString &path, const QByteArray &bytes, Staged *staged, QString *error)
{
    const QByteArray target = QFile::encodeName(path);
    if (target.isEmpty() || target.endsWith('/'))
        return failWith(error, QStringLiteral("No file name."));
    const QByteArray folder = folderOf(target);
    if (!watchFolder(folder, error))
        return false;

    // A name of this process's own; O_EXCL never opens someone else's file, and a leftover of an
    // earlier process with the same id is stepped over.
    static std::atomic<unsigned long long> counter{0};
    const QByteArray stem = folder + '/' + kTempPrefix + QByteArray::number(qint64(::getpid())) + '-';
    QByteArray temp;
    int fd = -1;
    for (int attempt = 0; attempt < 64 && fd < 0; ++attempt) {
        temp = stem + QByteArray::number(counter.fetch_add(1)) + ".tmp";
        // 0666 less the umask, as any new file of the user's.
        fd = ::open(temp.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0)
        return failWith(error, errorText(errno));

    struct stat old {};
    if (::stat(target.constData(), &old) == 0 && S_ISREG(old.st_mode))
        (void)::fchmod(fd, old.st_mode & 07777);   // as QSaveFile does; the content matters more

    const bool written = writeAll(fd, bytes);
    int err = written ? 0 : errno;
    // close() is where some file systems report a failed write.
    if (::close(fd) != 0 && err == 0)
        err = errno;
    if (!written || err != 0) {
        ::unlink(temp.constData());
        return failWith(error, errorText(err ? err : EIO));
    }
    staged->path = path;
    staged->tempPath = temp;
    return true;
}

bool BatchWriter::commit(const Staged &staged, QString *error)
{
    if (::rename(staged.tempPath.constData(), QFile::encodeName(staged.path).constData()) != 0) {
        const int err = errno;
        ::unlink(staged.tempPath.constData());
        return failWith(error, errorText(err));
    }
    return true;
}

void BatchWriter::discard(const Staged &staged)
{
    if (!staged.tempPath.isEmpty())
        ::unlink(staged.tempPath.constData());
}

bool BatchWriter::write(const QString &path, const QByteArray &bytes, QString *error)
{
    Staged staged;
    return stage(path, bytes, &staged, error) && commit(staged, error);
}

bool BatchWriter::finish(QString *error)
{
    std::lock_guard lock(m_mutex);
    // syncfs writes back the whole file system in one journal commit; fdatasync of each file would
    // cost one commit per file, the very cost the batch avoids.
    QString why;
    for (const Device &d : m_devices) {
        if (::syncfs(d.fd) != 0 && why.isEmpty())
            why = errorText(errno);
        ::close(d.fd);
    }
    m_devices.clear();
    m_folders.clear();
    m_lastFolder.clear();
    return why.isEmpty() || failWith(error, why);
}

} // namespace batchfiles
