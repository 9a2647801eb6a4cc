#pragma once
// Writes the files of a batch (image export of many files). Each file is written whole before it
// gets its name, so an existing file is never replaced by a partial one and a failed file leaves
// nothing behind: where the file system can, the file is made without a name (O_TMPFILE) and linked
// to its target once complete (a target that is already there is replaced by a rename); elsewhere it
// is written under a temporary name beside the target and renamed. An unnamed file is made without
// the folder's lock, so workers making files in one folder do not queue for it (on a crowded ext4
// without a journal, finding a free inode is most of a file's cost). There is no sync per file (one
// journal commit each would cost more than the symbol): the file systems of the batch are synced
// once after the last file (finish()), the write-back started early in the background. Saves of one
// user document keep platform::writeFileAtomically.
//
// stage(), commit() and discard() may be called from several threads at once.

#include "platform/Files.h"

#include <QByteArray>
#include <QString>

#include <atomic>
#include <condition_variable>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace batchfiles {

class BatchWriter {
public:
    // A complete file waiting for commit() or discard() (exactly one of them, before finish()).
    struct Staged {
        QString path;          // the target
        QByteArray tempPath;   // the temporary file beside it (file system encoding); empty when unnamed
        int fd = -1;           // the unnamed file, open until it is committed or discarded
        QByteArray target;     // the target in the file system's encoding
        unsigned long long dev = 0, ino = 0;   // the named file as written, told from what holds its name later
        int folder = -1;       // the folder of the named file as opened by the writer (until finish())
    };

    BatchWriter();
    BatchWriter(const BatchWriter &) = delete;
    BatchWriter &operator=(const BatchWriter &) = delete;
    // Closes the folders it holds open; it does not sync (finish() does).
    ~BatchWriter();

    // Writes the bytes to a new file for the target, unnamed or under a temporary name in the
    // target's folder, private (0600). False with the reason when the file could not be written
    // whole; nothing is then left behind. The file takes its mode at commit, through its own
    // descriptor: that of the file it replaces, else that of a new file of the user's.
    bool stage(const QString &path, const QByteArray &bytes, Staged *staged, QString *error);
    // Puts the staged file in place of its target, as every writer does (platform::reachFile,
    // putInPlace): through a link to the file it names only by the rule for links; a folder, a file
    // this process may not write, another's link or a link loop is refused with the system's reason. Only the file written takes the target's name or is
    // copied to another file system: when its temporary name holds something else by then, the
    // commit fails (platform::replacedWhileSaving). On failure nothing of it is left under its
    // names and the target is untouched.
    bool commit(const Staged &staged, QString *error);
    // Drops a staged file that will not be committed.
    static void discard(const Staged &staged);
    // stage() then commit().
    bool write(const QString &path, const QByteArray &bytes, QString *error);
    // Writes the files of the folder path into the folder open at fd (an export folder as
    // platform::openWritableFolder checked it), never reaching it again by its name.
    void adoptFolder(const QString &path, int fd);

    // Makes every committed file and rename durable: one syncfs per file system written to, after
    // the last commit. A write-back error since the batch first wrote there (the kernel reports
    // those to syncfs through a descriptor opened before the writes): false with the system's
    // reason. No file is synced on its own, so such an error may be any file's data that never
    // reached the disk (the system drops the pages it could not write): a failed write of the
    // batch, not a folder that is merely unsynced. Callers say that the disk reported an error
    // while the files were written and that some may be damaged (export again), never that they
    // were saved (platform::unsyncedWarning is for a folder sync after a synced file).
    //
    // The write-back is started early: from the first file on, a thread of the writer syncs the
    // file systems in the background (at once, then at most every 5 ms while commits come), so
    // that what other programs left unwritten, and the batch's own earlier files, are on disk before
    // the batch ends and the last sync has only its last files to wait for.
    bool finish(QString *error);

    // Whether a file name is one of the temporaries (platform/Temporaries.h: named after the
    // target and this process), so that a folder can be checked for leftovers.
    static bool isTemporary(const QString &fileName);
    // false: every file under a temporary name, as on a file system without unnamed files (tests).
    void setUnnamedFiles(bool on) { m_linkWay.store(on ? 0 : 3); }

private:
    struct Folder {
        std::atomic<bool> unnamed{true};   // O_TMPFILE works there, as far as is known
        std::atomic<bool> device{false};   // its file system is synced at finish()
        // Reached once by the rule for links (platform::openFolderByRule), or handed over as
        // checked (adoptFolder): every file of the batch goes into the folder so held, whatever
        // another renames to its name meanwhile.
        int fd = -1;
        Folder() = default;
        Folder(const Folder &) = delete;
        Folder &operator=(const Folder &) = delete;
        ~Folder();
    };
    struct Device {
        unsigned long long dev;
        int fd;
    };
    // The folder's entry. Before the first file is written there, a descriptor of its file system is
    // held, so that finish() sees the write-back errors of the whole batch. Entries live until
    // finish().
    Folder *folder(const QByteArray &path, QString *error);
    Folder *addFolderLocked(const std::string &name, int fd);
    // Notes the file system of folder for finish(), through the folder or, where it is open for its
    // path only, through file (a file written there).
    bool noteDeviceLocked(int folder, int file);
    void noteDevice(Folder *f, int file);
    void noteDevice(int folder, int file);
    bool stageNamed(int folder, const QByteArray &target, const QByteArray &bytes, Staged *staged, QString *error);
    bool link(int fd, int folder, const QByteArray &name, int *err);
    // The rule of every writer for a name (platform::reachFile), reached from the folder open at
    // folder: the file it names, links followed by the rule; false with the system's reason for a
    // folder, a file this process may not write, a link the rule does not follow or a loop.
    bool resolve(int folder, const QByteArray &target, platform::Place *place, QString *error);
    // An unnamed file's commit; the rename of the file written (open at fd, named temp in the folder
    // from) to its place; and its copy there when the rename crosses file systems. Each closes or
    // removes the staged file.
    bool placeUnnamed(const Staged &staged, QString *error);
    bool renameInto(int from, const QByteArray &temp, int fd, const platform::WrittenFile &file, const platform::Place &to,
                    QString *error);
    bool copyInto(int fd, const platform::Place &to, QString *error);
    void committed();
    void startSyncLocked();
    void syncInBackground();
    void stopBackgroundSync();

    std::mutex m_mutex;
    std::map<std::string, std::unique_ptr<Folder>, std::less<>> m_folders;
    std::string m_lastName;
    Folder *m_lastFolder = nullptr;   // most batches write to one folder
    std::vector<Device> m_devices;
    // The background sync, under m_mutex.
    std::thread m_syncer;
    std::condition_variable m_syncWake;
    bool m_syncStop = false;
    bool m_syncIdle = false;             // the thread waits for a commit (and wants a wake-up)
    unsigned long long m_commits = 0;    // files put in place so far
    unsigned long long m_syncedUpTo = 0; // commits that a sync started after
    QString m_syncError;                 // the first error a background sync reported
    const unsigned m_newFileMode;   // 0666 less the umask, read once
    // How an unnamed file gets its name: 0 not known yet, 1 through its descriptor (AT_EMPTY_PATH),
    // 2 through /proc/self/fd, 3 neither works (named files from then on).
    std::atomic<int> m_linkWay{0};
};

} // namespace batchfiles
