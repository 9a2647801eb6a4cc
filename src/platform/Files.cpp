#include "platform/Files.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <QFile>

#include <mutex>

#include <sys/stat.h>

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

bool writeFileAtomically(const QString &path, const std::function<bool(QIODevice &)> &writer, QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    // A write the system cut short (a full disk, a file size limit) is buffered as if whole and
    // only shows in the size of what reached the file.
    const auto complete = [&file] { return file.flush() && file.size() == file.pos(); };
    if (!writer(file) || !complete()) {
        if (error)
            *error = file.error() != QFileDevice::NoError ? file.errorString() : QStringLiteral("The data could not be written.");
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

bool writeFileAtomically(const QString &path, const QByteArray &data, QString *error)
{
    return writeFileAtomically(path, [&data](QIODevice &dev) { return dev.write(data) == data.size(); }, error);
}

} // namespace platform
