#pragma once
// Folders and files the way the whole application handles them: the per-user data folder, the
// read-only resource folder, one private temporary folder per process, and whole-file replacement.

#include <QByteArray>
#include <QString>
#include <functional>

class QIODevice;

namespace platform {

// The per-user data folder for an application name: the generic data location + "/" + name.
// XDG_DATA_HOME moves it (tests use that).
QString perUserDataFolder(const QString &appName);

// The read-only resource folder: $TAGORA_RESOURCES when set, else resources/ of the source tree
// when it exists (running from a build), else the installed share folder.
QString resourceFolder();

// A folder private to this process (0700), removed when the process ends.
QString privateTempFolder();
// privateTempFolder() + "/" + name.
QString privateTempPath(const QString &name);

// The mode a new file of the user's gets: 0666 less the process's umask. For a file written under
// a private temporary name and then renamed into place.
unsigned newFileMode();
// The same for a new folder: 0777 less the umask.
unsigned newFolderMode();

// The rule every writer of a whole file follows, in two steps. First the file it writes: the path
// with its symbolic links followed (a link is written through: its file is replaced, the link
// stays). In a folder others may write (group or world), a link is followed only where the system's
// own rule for such folders would follow it: when it is the effective user's or the folder owner's;
// another's is refused before anything is written ("<link name>: Permission denied"), at every hop
// of a chain, so that nobody can send a save onto a file of the user's elsewhere. Empty, with the
// system's reason, also when the path names a folder, an existing file this process may not write
// or a link that leads nowhere the system can follow (a loop); a link among the folders on the way
// is held to the same rule. Then the writer opens the file's folder by openFolderByRule() and does
// everything else in the folder so opened: a folder of the user's that another renames away, or
// swaps for a link, meanwhile never leads a write elsewhere. Once the temporary file there is
// complete and synced, it takes the mode of the file it replaces (or of a new file of the user's),
// set through its open descriptor fd, and that file's name, and the folder is synced so that the
// new name outlasts a power cut. The commit acts on the file written only: when the temporary's
// name no longer holds it (another user renamed something over it), nothing is renamed and the save
// fails (replacedWhileSaving()), the old file kept. NO with the system's reason when the rename
// fails, the temporary then removed. A folder whose sync fails leaves the new file in place: YES,
// and unsynced receives the system's reason (logged when unsynced is null), for unsyncedWarning().
// fd and folder stay open.
QString fileToReplace(const QString &path, QString *error);
bool putInPlace(int folder, int fd, const QString &temporary, const QString &file, QString *error, QString *unsynced = nullptr);
// The folder opened one entry at a time, never through a link but by the rule above (the link's
// name and "Permission denied" when another's), readable where this process may read it (else
// open for its path only, enough to write into it). -1 with the system's reason; the caller closes it.
int openFolderByRule(const QString &folder, QString *error);
// A descriptor closed when it goes (-1: none).
struct Descriptor {
    int fd;
    explicit Descriptor(int f) : fd(f) {}
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    ~Descriptor();
};
// The last entry of a path, for the *at() calls relative to its folder's descriptor.
QByteArray entryName(const QByteArray &path);
// What a save says whose temporary's name was taken over before the commit.
QString replacedWhileSaving(const QString &file);
// A file as written: its device and inode, to tell it from whatever holds its name later.
struct WrittenFile {
    unsigned long long dev = 0, ino = 0;
};
WrittenFile writtenFile(int fd);
// Whether the entry of path (not followed) in folder (AT_FDCWD: the path as it is) holds that file
// still: the check of every commit, before it acts on the name. The test's commit step hook runs first.
bool stillNamed(int folder, const QByteArray &path, const WrittenFile &file);
// Whether the entry of path in folder (not followed) is that file: after the rename, the check
// that what took the name is the file written, not another's entry renamed over the temporary
// between the last check and the rename (the save then fails).
bool holds(int folder, const QByteArray &path, const WrittenFile &file);
// Runs the test's commit step hook: also just before the rename.
void commitStep(const QByteArray &path);
// Tests: called with the temporary's path before each commit checks that it holds the file written,
// and again just before the rename.
void setCommitStepHook(std::function<void(const QString &temporary)> hook);
// What every writer tells the user of files in place that the system could not confirm are on the
// disk: they are saved, and may not outlast a power cut. what names the file or document
// ("Barcode Label Design"); several when it names more than one.
QString unsyncedWarning(const QString &what, const QString &why, bool several = false);
// A folder to write files into, made when missing (0777 less the umask, as any new folder of the
// user's). False with the system's reason when it cannot be made, is no folder, or this process may
// not write into it; in a folder others may write, also when what is there is not a real folder of
// the user's (another's folder, or a link), which anyone there could have planted. The caller
// names the folder.
bool makeWritableFolder(const QString &path, QString *error);
// Why a write into the open file fd was cut short (a full disk, a file-size limit), which the
// buffered write does not say: one more byte at its end gets the system's reason. Empty when that
// byte goes in.
QString writeCutShortReason(int fd);

// Writes the whole file through a temporary file beside it (named as platform/Temporaries.h says)
// that is synced and then replaces the old one, only when every byte was written; the old file is
// kept on failure. Temporaries that ended processes left in the folder are removed first.
// Answers success (the file in place); error receives the reason of a failure, and unsynced that of
// a failed folder sync after the file took its name (putInPlace).
bool writeFileAtomically(const QString &path, const QByteArray &data, QString *error = nullptr,
                         QString *unsynced = nullptr);
bool writeFileAtomically(const QString &path, const std::function<bool(QIODevice &)> &writer,
                         QString *error = nullptr, QString *unsynced = nullptr);

} // namespace platform
