#pragma once
// Writes the files of a batch (image export of many files). Each file is written whole under a
// temporary name in its own folder and renamed over its target only once every byte is written, so an
// existing file is never replaced by a partial one and a failed file leaves nothing behind. There is
// no sync per file (one journal commit each would cost more than the symbol): finish() syncs the
// file systems of the batch once. Saves of one user document keep platform::writeFileAtomically.
//
// stage(), commit() and discard() may be called from several threads at once.

#include <QByteArray>
#include <QString>

#include <mutex>
#include <set>
#include <string>
#include <vector>

namespace batchfiles {

class BatchWriter {
public:
    // A complete file under its temporary name, waiting for commit() or discard().
    struct Staged {
        QString path;          // the target
        QByteArray tempPath;   // the temporary file beside it, in the file system's encoding
    };

    BatchWriter() = default;
    BatchWriter(const BatchWriter &) = delete;
    BatchWriter &operator=(const BatchWriter &) = delete;
    // Closes the folders it holds open; it does not sync (finish() does).
    ~BatchWriter();

    // Writes the bytes to a new temporary file in the target's folder. False with the reason when
    // the file could not be written whole; its temporary file is then already removed. A target that
    // exists gives its permissions to the new file.
    bool stage(const QString &path, const QByteArray &bytes, Staged *staged, QString *error);
    // Renames the staged file over its target. On failure the temporary file is removed and the
    // target is untouched.
    bool commit(const Staged &staged, QString *error);
    // Removes a staged file that will not be committed.
    static void discard(const Staged &staged);
    // stage() then commit().
    bool write(const QString &path, const QByteArray &bytes, QString *error);

    // Makes every committed file and rename durable: one syncfs per file system written to. A
    // write-back error since the batch first wrote there (the kernel reports those to syncfs through
    // a descriptor opened before the writes) fails the batch. False with the reason.
    bool finish(QString *error);

    // The temporary names start with this, so that a folder can be checked for leftovers.
    static QString tempPrefix();

private:
    // Opens (once per file system) a descriptor of the folder before the first file is written
    // there, so that finish() sees the write-back errors of the whole batch.
    bool watchFolder(const QByteArray &folder, QString *error);

    struct Device {
        unsigned long long dev;
        int fd;
    };
    std::mutex m_mutex;
    // Deep copies, so that no QByteArray data is shared between workers.
    std::string m_lastFolder;       // the folder watched last: most batches write to one folder
    std::set<std::string, std::less<>> m_folders;
    std::vector<Device> m_devices;
};

} // namespace batchfiles
