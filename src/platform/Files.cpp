#include "platform/Files.h"

#include "platform/Log.h"
#include "platform/Temporaries.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <QFile>

#include <cerrno>
#include <cstring>
#include <mutex>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

unsigned newFileMode()
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
                return 0666u & ~mask;
        }
    }
    static std::mutex guard;
    const std::lock_guard<std::mutex> lock(guard);
    const mode_t mask = ::umask(022);
    ::umask(mask);
    return 0666u & ~unsigned(mask);
}

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

QString fileToReplace(const QString &path, QString *error)
{
    const auto fail = [error](const QString &why) {
        if (error)
            *error = why;
        return QString();
    };
    QFileInfo existing(path);
    QString file = path;
    for (int depth = 0; depth < 128 && existing.isSymLink(); ++depth) {
        existing.setFile(existing.symLinkTarget());
        file = existing.filePath();
    }
    const QByteArray native = QFile::encodeName(file);
    struct stat st {};
    if (::stat(native.constData(), &st) != 0) {
        if (errno == ENOENT)
            return file;   // a new file (or a link to one)
        // A link loop above all: a rename would put a file where the link was.
        return fail(QString::fromLocal8Bit(std::strerror(errno)));
    }
    if (S_ISDIR(st.st_mode))
        return fail(QString::fromLocal8Bit(std::strerror(EISDIR)));
    // As the system decides for this process's own rights: root may write a read-only file.
    if (::faccessat(AT_FDCWD, native.constData(), W_OK, AT_EACCESS) != 0)
        return fail(QString::fromLocal8Bit(std::strerror(errno)));
    return file;
}

bool putInPlace(const QString &temporary, const QString &file, QString *error, QString *unsynced)
{
    const QByteArray from = QFile::encodeName(temporary), to = QFile::encodeName(file);
    struct stat old {};
    const mode_t mode = ::stat(to.constData(), &old) == 0 && S_ISREG(old.st_mode) ? old.st_mode & 07777 : newFileMode();
    (void)::chmod(from.constData(), mode);
    if (::rename(from.constData(), to.constData()) != 0) {
        if (error)
            *error = QString::fromLocal8Bit(std::strerror(errno));
        QFile::remove(temporary);
        return false;
    }
    // The new name is an entry of the folder: until the folder is on the disk too, a power cut can
    // bring the old file back. A folder this process may not read cannot be synced; the file stands.
    const int folder = ::open(QFile::encodeName(QFileInfo(file).absolutePath()).constData(),
                              O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0)
        return true;
    // EINVAL: a file system that has nothing to sync for a folder.
    const int synced = ::fsync(folder) == 0 || errno == EINVAL ? 0 : errno;
    ::close(folder);
    // The file has its name whatever the sync said: the save is done, only not known to be durable.
    if (synced != 0) {
        const QString why = QString::fromLocal8Bit(std::strerror(synced));
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
    int err = 0;
    struct stat st {};
    if (::mkdir(native.constData(), 0777) != 0 && errno != EEXIST)
        err = errno;
    else if (::stat(native.constData(), &st) != 0)
        err = errno;
    else if (!S_ISDIR(st.st_mode))
        err = ENOTDIR;
    // As the system decides for this process's own rights: root may write into a read-only folder.
    else if (::faccessat(AT_FDCWD, native.constData(), W_OK | X_OK, AT_EACCESS) != 0)
        err = errno;
    if (err != 0 && error)
        *error = QString::fromLocal8Bit(std::strerror(err));
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

    // Nobody else may read the new file before it takes the old one's mode.
    QString temp;
    int fd = -1;
    for (int attempt = 0; attempt < 64 && fd < 0; ++attempt) {
        temp = temporaryPath(finalPath, QStringLiteral("part"));
        fd = ::open(QFile::encodeName(temp).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0)
        return fail(QString::fromLocal8Bit(std::strerror(errno)));
    QFile file;
    if (!file.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        QFile::remove(temp);
        return fail(file.errorString());
    }
    // A write the system cut short (a full disk, a file size limit) is buffered as if whole and
    // only shows in the size of what reached the file.
    if (!writer(file) || !file.flush() || file.size() != file.pos()) {
        QString why = file.error() != QFileDevice::NoError ? file.errorString() : QStringLiteral("The data could not be written.");
        if (const QString reason = writeCutShortReason(file.handle()); !reason.isEmpty())
            why = reason;   // the temporary, one byte longer, is dropped anyway
        file.close();
        QFile::remove(temp);
        return fail(why);
    }
    // On the disk before it takes the name: a crash never leaves an empty file under it.
    if (::fsync(file.handle()) != 0) {
        const QString why = QString::fromLocal8Bit(std::strerror(errno));
        file.close();
        QFile::remove(temp);
        return fail(why);
    }
    file.close();
    return putInPlace(temp, finalPath, error, unsynced);
}

bool writeFileAtomically(const QString &path, const QByteArray &data, QString *error, QString *unsynced)
{
    return writeFileAtomically(path, [&data](QIODevice &dev) { return dev.write(data) == data.size(); }, error,
                               unsynced);
}

} // namespace platform
