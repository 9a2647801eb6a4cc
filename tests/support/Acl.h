#pragma once
// A folder shared through its access ACL, as setfacl -m u:<uid>:rwx would share it: the system's
// extended attribute written as it stores it (version 2, then tag, permission and id per entry), no
// tool needed. The mode's group bits then show the mask. And entries answered as on an NFSv4 mount.

#include "platform/Files.h"

#include <QFile>
#include <QString>

#include <cstdint>
#include <cstring>
#include <sys/stat.h>
#include <sys/xattr.h>

namespace testsupport {

inline bool shareByAcl(const QString &path, uint32_t uid)
{
    QByteArray acl;
    const auto put = [&acl](uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            acl.append(char((value >> (8 * i)) & 0xff));
    };
    put(2, 4);
    const uint32_t none = 0xffffffffu;
    const uint32_t entries[][3] = {{0x01, 7, none}, {0x02, 7, uid}, {0x04, 5, none}, {0x10, 7, none}, {0x20, 5, none}};
    for (const auto &e : entries)
        put(e[0], 2), put(e[1], 2), put(e[2], 4);
    return ::setxattr(QFile::encodeName(path).constData(), "system.posix_acl_access", acl.constData(), size_t(acl.size()), 0) == 0;
}

inline void unshare(const QString &path) { ::removexattr(QFile::encodeName(path).constData(), "system.posix_acl_access"); }

// While it lives, every entry on the file system of folder answers system.nfs4_acl as a Linux NFSv4 client
// answers it where the server keeps ACLs: OWNER@, GROUP@ and EVERYONE@ allowed what the entry's mode gives them,
// then extra ("who" given write, "g:who" as a group, "who#mask/flags" that access in hex); cut short by cut bytes.
struct Nfs4Acl {
    Nfs4Acl(const QString &folder, const QByteArrayList &extra = {}, int cut = 0)
    {
        struct stat on {};
        ::stat(QFile::encodeName(folder).constData(), &on);
        platform::setAttributeSource([=](int fd, const char *name) -> std::optional<QByteArray> {
            struct stat st {};
            if (std::strcmp(name, "system.nfs4_acl") != 0 || ::fstat(fd, &st) != 0 || st.st_dev != on.st_dev)
                return std::nullopt;
            QByteArray xdr;
            const auto put = [&xdr](uint32_t v) { xdr += char(v >> 24), xdr += char(v >> 16), xdr += char(v >> 8), xdr += char(v); };
            const uint32_t write = S_ISDIR(st.st_mode) ? 0x46 : 0x6, always = 0x120080;   // read attributes, ACL; synchronize
            const auto ace = [&](uint32_t flags, uint32_t bits, QByteArray who, uint32_t mask = 0) {   // bits: the mode's rwx
                put(0), put(flags), put(mask ? mask : always | (bits & 4 ? 1 : 0) | (bits & 2 ? write : 0) | (bits & 1 ? 0x20 : 0));
                put(uint32_t(who.size())), xdr += who.leftJustified((who.size() + 3) & ~3, '\0');
            };
            put(3 + uint32_t(extra.size()));
            ace(0, st.st_mode >> 6 & 7, "OWNER@"), ace(0x40, st.st_mode >> 3 & 7, "GROUP@"), ace(0, st.st_mode & 7, "EVERYONE@");
            for (const QByteArray &entry : extra) {
                const QByteArrayList who = entry.split('#'), access = who.value(1).split('/');
                ace((entry.startsWith("g:") ? 0x40 : 0) | access.value(1).toUInt(nullptr, 16), 2, who[0].mid(entry.startsWith("g:") ? 2 : 0), access[0].toUInt(nullptr, 16));
            }
            return xdr.left(xdr.size() - cut);
        });
    }
    ~Nfs4Acl() { platform::setAttributeSource(nullptr); }
};

} // namespace testsupport
