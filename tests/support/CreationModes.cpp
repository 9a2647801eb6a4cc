#include "support/CreationModes.h"

#include <QStringList>

#include <atomic>
#include <cstdarg>
#include <mutex>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {
std::atomic<bool> recording{false};
std::mutex guard;
QStringList made, wide;

// The system's call, recorded when it made something new: an unnamed file always, else what took a free name.
int call(int at, const char *path, int flags, unsigned mode, bool folder)
{
    struct stat st {};
    const bool fresh = recording && ((flags & O_TMPFILE) == O_TMPFILE || ((folder || (flags & O_CREAT)) && ::fstatat(at, path, &st, AT_SYMLINK_NOFOLLOW) != 0));
    const int done = int(folder ? ::syscall(SYS_mkdirat, at, path, mode) : ::syscall(SYS_openat, at, path, flags, mode));
    const std::lock_guard lock(guard);
    if (fresh && done >= 0)
        made << QStringLiteral("%1 %2").arg(QString::fromLocal8Bit(path)).arg(mode, 0, 8);
    if (fresh && done >= 0 && (mode & 07777 & ~(folder ? 0700u : 0600u)))
        wide << made.last();
    return done;
}
} // namespace

// All take a mode only when they create.
#define TAGORA_OPEN(name, at, ...) \
    extern "C" int name(__VA_ARGS__ const char *path, int flags, ...) \
    { \
        va_list args; \
        va_start(args, flags); \
        const unsigned mode = (flags & O_CREAT) || (flags & O_TMPFILE) == O_TMPFILE ? va_arg(args, unsigned) : 0; \
        va_end(args); \
        return call(at, path, flags, mode, false); \
    }
TAGORA_OPEN(open, AT_FDCWD)
TAGORA_OPEN(open64, AT_FDCWD)
TAGORA_OPEN(openat, dirfd, int dirfd,)
TAGORA_OPEN(openat64, dirfd, int dirfd,)
extern "C" int mkdir(const char *path, mode_t mode) { return call(AT_FDCWD, path, 0, mode, true); }
extern "C" int mkdirat(int dirfd, const char *path, mode_t mode) { return call(dirfd, path, 0, mode, true); }

testsupport::CreationModes::CreationModes() { made.clear(); wide.clear(); recording = true; }
testsupport::CreationModes::~CreationModes() { recording = false; }
std::string testsupport::CreationModes::report() const { return made.isEmpty() ? "none" : wide.join(" | ").toStdString(); }
