#include "support/SyncFailure.h"

#include <QFile>

#include <atomic>
#include <cerrno>
#include <cstring>

#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {
std::atomic<dev_t> device{0};
std::atomic<ino_t> folder{0};   // 0: none watched
std::atomic<bool> failing{false};
std::atomic<int> wholeSyncs{0};
std::function<void()> seen;

// The system's call, but for the folder watched (whole: its file system): seen, and EIO when failing.
int sync(long call, int fd, bool whole)
{
    struct stat st {};
    if (folder && ::fstat(fd, &st) == 0 && st.st_dev == device && (whole || st.st_ino == folder)) {
        if (!whole && seen)
            seen();
        wholeSyncs += whole;
        if (failing)
            return errno = EIO, -1;
    }
    return int(::syscall(call, fd));
}
} // namespace

extern "C" int fsync(int fd) { return sync(SYS_fsync, fd, false); }
extern "C" int syncfs(int fd) { return sync(SYS_syncfs, fd, true); }

testsupport::SyncFailure::SyncFailure(const QString &path, bool fails, std::function<void()> onSync)
{
    struct stat st {};
    seen = std::move(onSync), failing = fails, wholeSyncs = 0;
    if (::stat(QFile::encodeName(path).constData(), &st) == 0)
        device = st.st_dev, folder = st.st_ino;
}

testsupport::SyncFailure::~SyncFailure() { folder = 0, seen = nullptr; }

int testsupport::SyncFailure::fileSystemSyncs() { return wholeSyncs; }

QString testsupport::SyncFailure::reason() { return QString::fromLocal8Bit(std::strerror(EIO)); }
