#pragma once
// A folder shared through its access ACL, as setfacl -m u:<uid>:rwx would share it: the system's
// extended attribute written as it stores it (version 2, then tag, permission and id per entry), no
// tool needed. The mode's group bits then show the mask.

#include <QFile>
#include <QString>

#include <cstdint>
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

} // namespace testsupport
