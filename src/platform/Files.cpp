#include "platform/Files.h"

#include "platform/Log.h"
#include "platform/Temporaries.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <deque>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include <QtEndian>

#include <fcntl.h>
#include <grp.h>
#include <linux/capability.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/xattr.h>
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

std::function<void(const QString &)> commitHook;
std::function<void(const QString &)> writableFolderHook;

} // namespace

QString errorText(int err)
{
    char buffer[256];
    // GNU strerror_r: answers a pointer that may or may not be the buffer.
    return QString::fromLocal8Bit(strerror_r(err, buffer, sizeof buffer));
}

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

namespace {

// The system's accounts, as ownPrivateGroup() judges them: one pass over every account.
Accounts systemAccounts()
{
    Accounts a;
    const long size = std::max(::sysconf(_SC_GETPW_R_SIZE_MAX), ::sysconf(_SC_GETGR_R_SIZE_MAX));
    std::vector<char> buffer(std::max<size_t>(size_t(size > 0 ? size : 0), 16384) * 4);
    struct passwd pw {}, *user = nullptr;
    struct group gr {}, *group = nullptr;
    if (::getpwuid_r(::geteuid(), &pw, buffer.data(), buffer.size(), &user) != 0 || !user)
        return a;
    a.user = user->pw_name;
    a.group = unsigned(user->pw_gid);
    if (::getgrgid_r(gid_t(a.group), &gr, buffer.data(), buffer.size(), &group) != 0 || !group)
        return a;
    a.groupName = group->gr_name;
    for (char **member = group->gr_mem; member && *member; ++member)
        a.members << QByteArray(*member);
    // An account whose primary group it is is in it without being listed there. The listing is the
    // process's one stream of accounts; nothing else here reads it.
    int err = 0;
    ::setpwent();
    for (;;) {
        err = ::getpwent_r(&pw, buffer.data(), buffer.size(), &user);
        if (err == ERANGE && buffer.size() < (size_t(1) << 24)) {
            buffer.resize(buffer.size() * 2);
            continue;
        }
        if (err != 0 || !user)
            break;
        a.primaries.emplace_back(unsigned(user->pw_uid), unsigned(user->pw_gid));
    }
    ::endpwent();
    a.listed = err == ENOENT;
    return a;
}

// The user's account as the rules judge it: its own private group (-1: none) and its name.
struct OwnAccount {
    long long group = -1;
    QByteArray name;
};
std::mutex accountsGuard;
std::function<Accounts()> accountsSource;   // tests: in place of the system's
std::shared_ptr<const OwnAccount> ownAccountCache;   // null: not judged yet

std::shared_ptr<const OwnAccount> ownAccount()
{
    const std::lock_guard<std::mutex> lock(accountsGuard);
    if (!ownAccountCache) {
        const Accounts accounts = accountsSource ? accountsSource() : systemAccounts();
        const unsigned group = ownPrivateGroup(accounts, unsigned(::geteuid()));
        ownAccountCache = std::make_shared<const OwnAccount>(
            OwnAccount{group == unsigned(-1) ? -1 : static_cast<long long>(group), accounts.user});
    }
    return ownAccountCache;
}

// Whether a folder writable by its group gid is the user's alone: gid is the user's own private group.
bool privateGroup(gid_t gid)
{
    const long long own = ownAccount()->group;
    return own >= 0 && static_cast<long long>(gid) == own;
}

bool ownedBySelfOrRoot(uid_t uid) { return uid == ::geteuid() || uid == 0; }

bool sharedWritable(const struct stat &folder)
{
    return (folder.st_mode & S_IWOTH) != 0 || ((folder.st_mode & S_IWGRP) != 0 && !privateGroup(folder.st_gid));
}

// The system's reason said of an entry on the way ("jobs: Permission denied").
QString entryError(const QByteArray &name, int err) { return QStringLiteral("%1: %2").arg(QFile::decodeName(name), errorText(err)); }

// The components of a path, in order; empty ones and "." left out.
void pushComponents(std::deque<QByteArray> *rest, const QByteArray &path)
{
    const QList<QByteArray> parts = path.split('/');
    for (auto it = parts.rbegin(); it != parts.rend(); ++it)
        if (!it->isEmpty() && *it != ".")
            rest->push_front(*it);
}

QString parentOf(const QString &shown)
{
    const qsizetype slash = shown.lastIndexOf(QLatin1Char('/'));
    return slash <= 0 ? QStringLiteral("/") : shown.left(slash);
}

QString joined(const QString &folder, const QByteArray &name)
{
    return (folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/')) + QFile::decodeName(name);
}

// Reopens a folder open for its path only readable, where this process may read it.
Descriptor readable(Descriptor folder)
{
    const int fd = ::openat(folder.fd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    return fd >= 0 ? Descriptor(fd) : std::move(folder);
}

} // namespace

unsigned ownPrivateGroup(const Accounts &accounts, unsigned uid)
{
    const unsigned none = unsigned(-1);
    if (!accounts.listed || accounts.group == none || accounts.user.isEmpty() || accounts.user != accounts.groupName)
        return none;
    for (const QByteArray &member : accounts.members)
        if (member != accounts.user)
            return none;
    bool self = false;   // a listing without the user's own account is not every account
    for (const auto &[account, primary] : accounts.primaries) {
        if (account == uid)
            self = true;
        else if (primary == accounts.group)
            return none;
    }
    return self ? accounts.group : none;
}

void setAccountsSource(std::function<Accounts()> source)
{
    const std::lock_guard<std::mutex> lock(accountsGuard);
    accountsSource = std::move(source);
    ownAccountCache.reset();
}

namespace {

// An access ACL's tags and the write bit (acl_ea.h's layout: a little-endian version 2, then entries
// of a tag, a permission and an id).
constexpr quint16 kAclUser = 0x02, kAclGroupObj = 0x04, kAclGroup = 0x08, kAclMask = 0x10, kAclOther = 0x20;
constexpr quint16 kAclWrite = 0x02;

// The extended attribute of the entry open at fd (one open for its path only through /proc): its
// bytes, or nothing with errno.
std::function<std::optional<QByteArray>(int, const char *)> attributeSource;

std::optional<QByteArray> attributeOf(int fd, const char *name)
{
    if (std::optional<QByteArray> answered = attributeSource ? attributeSource(fd, name) : std::nullopt)
        return answered;
    const QByteArray proc = "/proc/self/fd/" + QByteArray::number(fd);
    for (int attempt = 0; attempt < 4; ++attempt) {
        ssize_t size = ::fgetxattr(fd, name, nullptr, 0);
        const bool pathOnly = size < 0 && errno == EBADF;
        if (pathOnly)
            size = ::getxattr(proc.constData(), name, nullptr, 0);
        if (size < 0)
            return std::nullopt;
        QByteArray bytes(qsizetype(size), Qt::Uninitialized);
        const ssize_t got = pathOnly ? ::getxattr(proc.constData(), name, bytes.data(), size_t(bytes.size()))
                                     : ::fgetxattr(fd, name, bytes.data(), size_t(bytes.size()));
        if (got >= 0)
            return bytes.left(got);
        if (errno != ERANGE)   // grown meanwhile: asked again
            return std::nullopt;
    }
    errno = ERANGE;
    return std::nullopt;
}

} // namespace

void setAttributeSource(std::function<std::optional<QByteArray>(int fd, const char *name)> source)
{
    attributeSource = std::move(source);
}

namespace {

// Whether an attribute is absent: none set, or none the file system keeps.
bool absent(int err) { return err == ENODATA || err == ENOTSUP || err == EOPNOTSUPP; }

// An NFSv4 ACL's entry types and flags, and the access that writes an entry or renames a folder's,
// or lets its holder give itself that access (the ACL, the owner).
constexpr quint32 kAceAllow = 0, kAceLastType = 3, kAceInheritOnly = 0x8, kAceGroup = 0x40;
constexpr quint32 kAceWriteData = 0x2, kAceAppendData = 0x4, kAceDeleteChild = 0x40, kAceWriteAcl = 0x40000,
                  kAceWriteOwner = 0x80000;

// Whether an NFSv4 entry names the user: as a Linux client shows it, the account's name, with or
// without its domain, or its number.
bool namesUser(const QByteArray &who, quint32 flags)
{
    const QByteArray name = ownAccount()->name;
    return (flags & kAceGroup) == 0
           && (who == QByteArray::number(::geteuid()) || (!name.isEmpty() && (who == name || who.startsWith(name + '@'))));
}

// Whether an NFSv4 ACL (its XDR: a count, then per entry its type, flags, access mask and whom, a
// length and bytes padded to four) allows anyone but the owner or the user to write the entry st
// (a folder: to add, rename or remove its entries), or to change its ACL or owner, which gives
// that: the owning group unless the user's own private one, everyone, any account or group named;
// an entry for descendants only does not count. Denials only narrow it (not read); an ACL that
// cannot be read counts as allowing.
bool nfs4AclLetsOthersWrite(const QByteArray &acl, const struct stat &st)
{
    const auto word = [&acl](qsizetype at) { return qFromBigEndian<quint32>(acl.constData() + at); };
    const quint32 writes = kAceWriteData | kAceAppendData | kAceWriteAcl | kAceWriteOwner | (S_ISDIR(st.st_mode) ? kAceDeleteChild : 0);
    qsizetype at = 4;
    bool others = acl.size() < at;
    for (quint32 count = others ? 0 : word(0); count > 0 && !others; --count) {
        if (acl.size() - at < 16 || word(at) > kAceLastType || qsizetype(word(at + 12)) > acl.size() - at - 16)
            return true;
        const quint32 type = word(at), flags = word(at + 4), mask = word(at + 8);
        const QByteArray who = acl.mid(at + 16, qsizetype(word(at + 12)));
        at += 16 + ((who.size() + 3) & ~qsizetype(3));
        others = type == kAceAllow && (flags & kAceInheritOnly) == 0 && (mask & writes) != 0 && who != "OWNER@"
                 && !namesUser(who, flags) && !(who == "GROUP@" && privateGroup(st.st_gid));
    }
    return others || at != acl.size();
}

// Whether the access ACL of the entry open at fd (st) gives write to anyone but the user: a named
// user, a named group or the owning group not the user's own private one, each as its mask lets it,
// or the others. The group bits of a mode with an ACL show its mask, not who may write; an NFSv4
// ACL is read as above; one that cannot be read counts as giving write.
bool aclLetsOthersWrite(int fd, const struct stat &st)
{
    if (const std::optional<QByteArray> nfs4 = attributeOf(fd, "system.nfs4_acl"))
        return nfs4AclLetsOthersWrite(*nfs4, st);
    if (!absent(errno))
        return true;
    const std::optional<QByteArray> acl = attributeOf(fd, "system.posix_acl_access");
    if (!acl)
        return !absent(errno);
    if (acl->size() < 4 || (acl->size() - 4) % 8 != 0 || qFromLittleEndian<quint32>(acl->constData()) != 2)
        return true;
    struct Entry { quint16 tag, perm; quint32 id; };
    std::vector<Entry> entries;
    quint16 mask = 07;
    for (qsizetype at = 4; at < acl->size(); at += 8) {
        const char *e = acl->constData() + at;
        entries.push_back({qFromLittleEndian<quint16>(e), qFromLittleEndian<quint16>(e + 2), qFromLittleEndian<quint32>(e + 4)});
        if (entries.back().tag == kAclMask)
            mask = entries.back().perm;
    }
    for (const Entry &e : entries) {
        const bool writes = (e.perm & kAclWrite) != 0, masked = (e.perm & mask & kAclWrite) != 0;
        if ((e.tag == kAclUser && masked && e.id != quint32(::geteuid()))
            || (e.tag == kAclGroupObj && masked && !privateGroup(st.st_gid))
            || (e.tag == kAclGroup && masked && !privateGroup(gid_t(e.id))) || (e.tag == kAclOther && writes))
            return true;
    }
    return false;
}

// Whether others than the user may write the entry open at fd (st): by its mode (its group other
// than the user's own private one, or the world) or by its ACL.
bool sharedWritable(int fd, const struct stat &st) { return sharedWritable(st) || aclLetsOthersWrite(fd, st); }

} // namespace

bool othersMayRename(int folder)
{
    struct stat st {};
    if (::fstat(folder, &st) != 0)
        return true;   // unknown: as the stricter rule
    return !ownedBySelfOrRoot(st.st_uid) || (sharedWritable(folder, st) && (st.st_mode & S_ISVTX) == 0);
}

bool othersMayWrite(int folder)
{
    struct stat st {};
    return ::fstat(folder, &st) != 0 || !ownedBySelfOrRoot(st.st_uid) || sharedWritable(folder, st);
}

bool othersMayWriteFile(int fd)
{
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        return true;
    // Another's file: its own private group is not known here, so any group counts.
    if (st.st_uid != ::geteuid())
        return (st.st_mode & (S_IWGRP | S_IWOTH)) != 0 || aclLetsOthersWrite(fd, st);
    return sharedWritable(fd, st);
}

bool overridesSticky()
{
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct caps[2]{};
    if (::syscall(SYS_capget, &header, caps) != 0)
        return ::geteuid() == 0;
    return (caps[CAP_FOWNER / 32].effective & (1u << (CAP_FOWNER % 32))) != 0;
}

bool linkFollowable(const struct stat &link, int holder)
{
    return !othersMayRename(holder) && ownedBySelfOrRoot(link.st_uid);
}

namespace {

// Where a walk ended: the folder it reached last (the final entry itself when that is a folder),
// the final entry's name in it, and the entry.
struct Walked {
    Descriptor at;
    QByteArray last;       // empty: the walk ended on a folder it names no entry of ("/", "..")
    struct stat entry {};
    bool exists = true;
    bool enteredLast = false;   // the final entry is a folder, and at is it
    bool folderWanted = false;  // the path (or the link it ends in) ends in "/": the final entry must be a folder
    QString shown;              // at, links followed
};

bool walk(int start, const QString &path, Walked *w, QString *error, const QString &shownStart)
{
    const auto fail = [error](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    const QByteArray native = QFile::encodeName(path);
    if (native.isEmpty())
        return fail(errorText(ENOENT));
    std::deque<QByteArray> rest;
    pushComponents(&rest, native);
    w->folderWanted = native.endsWith('/');
    QByteArray chain;   // the first link of the chain being followed, named when it never ends
    const bool absolute = native.startsWith('/');
    w->at = Descriptor(::openat(absolute ? AT_FDCWD : start, absolute ? "/" : ".", O_PATH | O_DIRECTORY | O_CLOEXEC));
    if (w->at.fd < 0)
        return fail(errorText(errno));
    w->shown = absolute ? QStringLiteral("/") : !shownStart.isEmpty() ? shownStart : QDir::currentPath();
    if (::fstat(w->at.fd, &w->entry) != 0)
        return fail(errorText(errno));
    for (int links = 0; !rest.empty();) {
        const QByteArray part = rest.front();
        rest.pop_front();
        w->last.clear();
        w->enteredLast = false;
        if (part == "..") {
            Descriptor up(::openat(w->at.fd, "..", O_PATH | O_DIRECTORY | O_CLOEXEC));
            if (up.fd < 0 || ::fstat(up.fd, &w->entry) != 0)
                return fail(errorText(errno));
            w->at = std::move(up);
            w->shown = parentOf(w->shown);
            continue;
        }
        Descriptor next(::openat(w->at.fd, part.constData(), O_PATH | O_NOFOLLOW | O_CLOEXEC));
        if (next.fd < 0) {
            // A new file, or one a link names: made in the folder reached.
            if (errno == ENOENT && rest.empty()) {
                w->last = part;
                w->exists = false;
                return true;
            }
            return fail(errorText(errno));
        }
        struct stat entry {};
        if (::fstat(next.fd, &entry) != 0)
            return fail(errorText(errno));
        if (S_ISLNK(entry.st_mode)) {
            if (!linkFollowable(entry, w->at.fd))
                return fail(entryError(part, EACCES));
            if (chain.isEmpty())
                chain = part;
            if (++links > 40)
                return fail(entryError(chain, ELOOP));
            char target[PATH_MAX];
            const ssize_t n = ::readlinkat(next.fd, "", target, sizeof target);
            if (n <= 0 || n >= ssize_t(sizeof target))
                return fail(errorText(n < 0 ? errno : n == 0 ? ENOENT : ENAMETOOLONG));
            const QByteArray led(target, n);
            if (led.startsWith('/')) {
                w->at = Descriptor(::open("/", O_PATH | O_DIRECTORY | O_CLOEXEC));
                w->shown = QStringLiteral("/");
            }
            if (rest.empty() && led.endsWith('/'))
                w->folderWanted = true;
            pushComponents(&rest, led);
            if (rest.empty())   // a link to "/" or "."
                w->last.clear();
            continue;
        }
        chain.clear();
        w->entry = entry;
        w->last = part;
        if (!S_ISDIR(entry.st_mode)) {
            if (!rest.empty() || w->folderWanted)
                return fail(entryError(part, ENOTDIR));
            return true;
        }
        w->at = std::move(next);
        w->shown = joined(w->shown, part);
        w->enteredLast = true;
    }
    return true;
}

} // namespace

bool reach(int start, const QString &path, Place *place, QString *error, const QString &shownStart)
{
    Walked w;
    if (!walk(start, path, &w, error, shownStart))
        return false;
    // A file asked for as a folder ("new/"): the system makes no file of it.
    if (!w.exists && w.folderWanted) {
        if (error)
            *error = errorText(EISDIR);
        return false;
    }
    if (w.exists && S_ISDIR(w.entry.st_mode)) {
        // A folder where a file was asked for: its entry in the folder above, for the caller's refusal.
        Descriptor up(::openat(w.at.fd, "..", O_PATH | O_DIRECTORY | O_CLOEXEC));
        if (up.fd < 0) {
            if (error)
                *error = errorText(errno);
            return false;
        }
        place->folder = readable(std::move(up));
        place->path = w.shown;
        place->name = w.last.isEmpty() ? QByteArrayLiteral(".") : w.last;
        place->dir = true;
        place->exists = true;
        place->uid = unsigned(w.entry.st_uid);
        return true;
    }
    place->folder = readable(std::move(w.at));
    place->path = joined(w.shown, w.last);
    place->name = w.last;
    place->exists = w.exists;
    place->dir = false;
    place->uid = w.exists ? unsigned(w.entry.st_uid) : 0;
    return true;
}

int reachFolder(int start, const QString &path, QString *error, const QString &shownStart)
{
    Walked w;
    if (!walk(start, path, &w, error, shownStart))
        return -1;
    if (!w.exists || !S_ISDIR(w.entry.st_mode)) {
        if (error)
            *error = errorText(w.exists ? ENOTDIR : ENOENT);
        return -1;
    }
    return readable(std::move(w.at)).release();
}

int openFolderByRule(const QString &folder, QString *error) { return reachFolder(AT_FDCWD, folder, error); }

bool reachFile(const QString &path, Place *place, QString *error, int start, const QString &shownStart)
{
    if (!reach(start, path, place, error, shownStart))
        return false;
    int err = 0;
    struct stat folder {};
    if (place->dir)
        err = EISDIR;
    // As the system decides for this process's own rights: root may write a read-only file.
    else if (place->exists && ::faccessat(place->folder.fd, place->name.constData(), W_OK, AT_EACCESS | AT_SYMLINK_NOFOLLOW) != 0)
        err = errno;
    // The rename replaces the entry, which a sticky folder lets only its owner, the folder's or the
    // system's override do.
    else if (place->exists && place->uid != unsigned(::geteuid()) && ::fstat(place->folder.fd, &folder) == 0
             && (folder.st_mode & S_ISVTX) != 0 && folder.st_uid != ::geteuid() && !overridesSticky())
        err = EPERM;
    if (err != 0 && error)
        *error = errorText(err);
    return err == 0;
}

QString replaceQuestion(const QString &path)
{
    Place place;
    if (!reachFile(path, &place, nullptr) || !place.exists)
        return QString();
    const bool elsewhere = place.path != QFileInfo(path).absoluteFilePath();
    return QStringLiteral("%1 already exists.\nDo you want to replace it?").arg(elsewhere ? place.path : QFileInfo(path).fileName());
}

unsigned modeReplacing(int folder, const QByteArray &name)
{
    struct stat old {};
    return ::fstatat(folder, name.constData(), &old, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(old.st_mode)
                   && old.st_uid == ::geteuid()
               ? old.st_mode & 0777
               : newFileMode();
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

bool unlinkHeld(int folder, const QByteArray &path, const WrittenFile &file)
{
    return holds(folder, path, file) && ::unlinkat(folder, entryName(path).constData(), 0) == 0;
}

void setCommitStepHook(std::function<void(const QString &)> hook) { commitHook = std::move(hook); }

bool putInPlace(int folder, int fd, const QString &temporary, const QByteArray &to, const QString &file, QString *error,
                QString *unsynced)
{
    const QByteArray from = entryName(QFile::encodeName(temporary));
    const WrittenFile written = writtenFile(fd);
    // The name is the folder's: in a folder others may write, it may hold another's file by now,
    // which is never given a mode or a name.
    if (!stillNamed(folder, QFile::encodeName(temporary), written)) {
        if (error)
            *error = replacedWhileSaving(file);
        return false;
    }
    (void)::fchmod(fd, modeReplacing(folder, to));
    commitStep(QFile::encodeName(temporary));
    if (::renameat(folder, from.constData(), folder, to.constData()) != 0) {
        if (error)
            *error = errorText(errno);
        unlinkHeld(folder, from, written);
        return false;
    }
    // Another's entry renamed over the temporary after the check took the file's name instead.
    if (!holds(folder, to, written)) {
        if (error)
            *error = replacedWhileSaving(file);
        return false;
    }
    // The new name is an entry of the folder: until the folder is on the disk too, a power cut can
    // bring the old file back. A folder this process may not read is open for its path only and
    // cannot be synced itself: its file system is, through the file (which writes back the folder
    // too). EINVAL: a file system that has nothing to sync for a folder.
    const bool pathOnly = (::fcntl(folder, F_GETFL) & O_PATH) != 0;
    const int synced = (pathOnly ? ::syncfs(fd) : ::fsync(folder)) == 0 || errno == EINVAL ? 0 : errno;
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

int openWritableFolder(const QString &path, QString *error, bool *made)
{
    const QFileInfo info(path);
    const QByteArray name = QFile::encodeName(info.fileName());
    if (name.isEmpty() || name == "." || name == "..") {
        if (error)
            *error = errorText(EINVAL);
        return -1;
    }
    // Nothing is made below a link the rule does not follow (as for the folder itself).
    const Descriptor parent(openFolderByRule(info.absolutePath(), error));
    if (parent.fd < 0)
        return -1;
    return openWritableFolderIn(parent.fd, info.fileName(), info.absolutePath(), error, made);
}

int openWritableFolderIn(int parent, const QString &entry, const QString &shownParent, QString *error, bool *made)
{
    const auto fail = [error](int err) {
        if (error)
            *error = errorText(err);
        return -1;
    };
    const QByteArray name = QFile::encodeName(entry);
    if (name.isEmpty() || name == "." || name == ".." || name.contains('/'))
        return fail(EINVAL);
    struct stat holder {}, st {};
    if (::fstat(parent, &holder) != 0)
        return fail(errno);
    const bool fresh = ::mkdirat(parent, name.constData(), 0777) == 0;
    if (!fresh && errno != EEXIST)
        return fail(errno);
    if (made)
        *made = fresh;
    // Where others may write, what is there may be theirs, or a link to a folder the user never
    // chose: only a real folder of the user's is taken, the very one opened here.
    const bool shared = othersMayWrite(parent);
    // A folder there a moment ago that is something else when opened was exchanged meanwhile.
    const bool wasFolder = fresh || (::fstatat(parent, name.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISDIR(st.st_mode));
    Descriptor folder(shared ? ::openat(parent, name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC)
                             : reachFolder(parent, entry, error, shownParent));
    if (folder.fd < 0) {
        const int err = errno;
        const bool there = ::fstatat(parent, name.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0;
        if (wasFolder && (!there || !S_ISDIR(st.st_mode))) {
            if (error)
                *error = folderExchanged();
            return -1;
        }
        // A link there is refused, whoever's: anyone there could have planted it.
        return shared ? fail(there && S_ISLNK(st.st_mode) ? EACCES : err) : -1;
    }
    if (::fstat(folder.fd, &st) != 0)
        return fail(errno);
    if (!S_ISDIR(st.st_mode))
        return fail(ENOTDIR);
    if (shared && st.st_uid != ::geteuid())
        return fail(EACCES);
    // As the system decides for this process's own rights: root may write into a read-only folder.
    if (::faccessat(folder.fd, ".", W_OK | X_OK, AT_EACCESS) != 0)
        return fail(errno);
    if (writableFolderHook)
        writableFolderHook(joined(shownParent, name));
    return folder.release();
}

void setWritableFolderStepHook(std::function<void(const QString &)> hook) { writableFolderHook = std::move(hook); }

bool makeWritableFolder(const QString &path, QString *error)
{
    const Descriptor folder(openWritableFolder(path, error));
    return folder.fd >= 0;
}

bool removeEmptyFolder(int folder, const QString &path)
{
    const QFileInfo info(path);
    const Descriptor parent(openFolderByRule(info.absolutePath(), nullptr));
    const QByteArray name = QFile::encodeName(info.fileName());
    struct stat held {}, named {};
    return parent.fd >= 0 && ::fstat(folder, &held) == 0
           && ::fstatat(parent.fd, name.constData(), &named, AT_SYMLINK_NOFOLLOW) == 0 && named.st_dev == held.st_dev
           && named.st_ino == held.st_ino && ::unlinkat(parent.fd, name.constData(), AT_REMOVEDIR) == 0;
}

QString folderExchanged() { return QStringLiteral("Another entry took its name while it was being opened"); }

QString reasonFor(const QString &file, const QString &why)
{
    if (why == replacedWhileSaving(file))
        return QStringLiteral("It was replaced while it was being saved");
    const QString own = QFileInfo(file).fileName() + QStringLiteral(": ");
    return why.startsWith(own) ? why.mid(own.size()) : why;
}

QString writeCutShortReason(int fd)
{
    struct stat st {};
    if (fd >= 0 && ::fstat(fd, &st) == 0 && ::pwrite(fd, "", 1, st.st_size) < 0)
        return errorText(errno);
    return QString();
}

bool writeFileAtomically(const QString &path, const std::function<bool(QIODevice &)> &writer, QString *error,
                         QString *unsynced, int start, const QString &shownStart)
{
    const auto fail = [error](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    // Reached once: everything from here in the folder so reached, whatever takes its name meanwhile.
    Place place;
    if (!reachFile(path, &place, error, start, shownStart))
        return false;
    const Descriptor &folder = place.folder;
    const QString finalPath = place.path;
    removeStaleTemporariesOnce(folder.fd);

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
    const WrittenFile made = writtenFile(fd);
    const auto drop = [&] { unlinkHeld(folder.fd, QFile::encodeName(temp), made); };
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
    const bool placed = putInPlace(folder.fd, file.handle(), temp, place.name, finalPath, error, unsynced);
    file.close();
    return placed;
}

bool writeFileAtomically(const QString &path, const QByteArray &data, QString *error, QString *unsynced, int start,
                         const QString &shownStart)
{
    return writeFileAtomically(path, [&data](QIODevice &dev) { return dev.write(data) == data.size(); }, error,
                               unsynced, start, shownStart);
}

QByteArray entryName(const QByteArray &path) { return path.mid(path.lastIndexOf('/') + 1); }

Descriptor::~Descriptor()
{
    if (fd >= 0)
        ::close(fd);
}

Descriptor &Descriptor::operator=(Descriptor &&other) noexcept
{
    if (this != &other) {
        if (fd >= 0)
            ::close(fd);
        fd = other.fd;
        other.fd = -1;
    }
    return *this;
}

int Descriptor::release()
{
    const int f = fd;
    fd = -1;
    return f;
}

} // namespace platform
