#pragma once
// For the life of the object the disk under a folder reports a write-back error, as a failing
// device would: an fsync of that folder, and a syncfs of its file system, answer EIO; every other
// sync goes to the system. Using it gives the test program its own fsync and syncfs.

#include <QString>

namespace testsupport {

struct SyncFailure {
    explicit SyncFailure(const QString &folder);
    ~SyncFailure();
};

} // namespace testsupport
