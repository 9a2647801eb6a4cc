#include "platform/UserFiles.h"

#include "platform/Files.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

bool isRegularFile(const QString &path)
{
    if (path.isEmpty())
        return false;
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 && S_ISREG(st.st_mode);
}

UserFileRead readUserFile(const QString &path, qint64 maxBytes)
{
    UserFileRead read;
    if (!isRegularFile(path)) {
        read.reason = QStringLiteral("not a regular file");
        return read;
    }
    // O_NONBLOCK: should the path have become a FIFO since the check, the open does not wait for a
    // writer; the type is then checked on what was opened.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        read.status = UserFileRead::Status::Unreadable;
        read.reason = errorText(errno);
        return read;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        read.reason = QStringLiteral("not a regular file");
        return read;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    // Read in steps up to one byte past the cap: the size the file system reports is not trusted.
    QByteArray bytes;
    const qint64 limit = maxBytes + 1;
    bytes.reserve(qsizetype(std::min<qint64>(std::max<qint64>(st.st_size, 0), maxBytes) + 1));
    qint64 got = 0;
    for (;;) {
        const qint64 step = std::min<qint64>(limit - got, qint64(1) << 20);
        if (step <= 0)
            break;
        bytes.resize(qsizetype(got + step));
        const ssize_t n = ::read(fd, bytes.data() + got, size_t(step));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            read.status = UserFileRead::Status::Unreadable;
            read.reason = errorText(errno);
            ::close(fd);
            return read;
        }
        if (n == 0)
            break;
        got += n;
    }
    ::close(fd);
    bytes.resize(qsizetype(got));
    if (got > maxBytes) {
        read.status = UserFileRead::Status::TooLarge;
        read.reason = QStringLiteral("larger than %1 bytes").arg(maxBytes);
        return read;
    }
    read.status = UserFileRead::Status::Read;
    read.bytes = std::move(bytes);
    return read;
}

} // namespace platform
