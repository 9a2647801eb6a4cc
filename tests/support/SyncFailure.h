#pragma once
// While it lives, the disk under a folder fails as a device would: an fsync of the folder and a
// syncfs of its file system answer EIO (fails false: they go to the system); seen, when given, runs
// at each fsync of the folder, before it. Using it gives the program its own fsync and syncfs.

#include <QString>

#include <functional>

namespace testsupport {
struct SyncFailure {
    explicit SyncFailure(const QString &folder, bool fails = true, std::function<void()> seen = {});
    ~SyncFailure();
    static QString reason();   // what the failing disk answers, in the system's words
    static int fileSystemSyncs();   // the syncfs calls of the folder's file system while it lived
};
} // namespace testsupport
