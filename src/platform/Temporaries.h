#pragma once
// The temporary files and folders the writers make beside their targets, and the swap of a whole
// folder. A temporary is named after its target and the process that made it:
// ".<target name, cut short>.tagora-<target key>-<owner>-<process id>-<n>.<tag>". The target key, a
// hash of the target's whole name, ties it to its target, so that the name stays short enough for
// the file system whatever the target's length. The owner names the running system and the PID
// namespace of the process, so that its process id is looked up only where it means that process:
// what a process provably ended left is removed by the next write into that folder, what another
// machine or namespace left (or an older build, whose names carry the target's whole name and the
// process id only) once it has not changed for a day. Only the user's own entries are removed, a
// link as a link: a folder others may write into (the system's temporary folder) holds names anyone
// can forge, and entries swapped for links while they are removed. Every removal acts on the entry
// as it was listed (its device and inode): whatever took the name since stays whole. Where others
// may also rename the user's entries (a folder they may write, with no sticky bit), no folder is
// removed but an empty one or one a folder swap's record proves it made (makeStagingFolder): any
// folder of the user's may have been renamed to a temporary's name.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

struct stat;

namespace platform {

// The names in the folder open at fd, but "." and "..", as the file system has them.
QList<QByteArray> entryNames(int fd);

// The name of a new temporary for the target's file name (no folder), unique within the process;
// the caller creates it exclusively and asks again when the name is taken.
QString temporaryName(const QString &targetName, const QString &tag);
// The same beside the target path.
QString temporaryPath(const QString &target, const QString &tag);

// Whether a file name is one of these temporaries (an older build's too); out: the target's name as
// far as the temporary shows it (a long one cut short), the process id and the tag.
bool isTemporaryName(const QString &fileName, QString *targetName = nullptr, qint64 *pid = nullptr,
                     QString *tag = nullptr);

// Removes the temporaries in the folder whose process has provably ended, the first time this
// process writes there: a batch of many files reads its folder once. Every writer calls it before
// it makes its own temporary, in the folder it reached (open at folder).
void removeStaleTemporariesOnce(int folder);

// Removes the temporaries of target whose process has provably ended; those of other targets in the
// folder stay. For a scratch place that no write into its folder cleans, at the start.
void removeEndedTemporariesOf(const QString &target);

// Removes path when the effective user owns it: a file or link as itself (no link is followed), a
// folder with what the user owns in it, through descriptors, so that a folder swapped for a link or
// another folder meanwhile is left whole; given only, when path is that very entry (its device and
// inode), else nothing goes. Given none, a folder goes only where others may not rename entries.
// Its folder is reached by the rule for links (platform::reach). False when anything stayed.
bool removeOwnEntry(const QString &path, const struct stat *only = nullptr);

// The folder path names, made when missing: the nearest folder on the way that is there reached by
// the rule for links (platform::reachFolder), each missing one below it made with mkdirat in the
// one above, opened without following a link and taken only when it is the user's (anyone may make
// a folder first where others may write); the last one made with mode (less the umask), the others
// 0777 less the umask. Open as reachFolder() opens it; -1 with the reason.
int makeFolderPath(const QString &path, QString *reason, unsigned mode = 0777);

// Makes a folder of the program's own (the per-user data folder, the series folder) private: made
// 0700 when missing, and narrowed to 0700 when it is the user's and its group or others have any
// access (whoever its group holds), so that no one else may rename or read what is in it. False when
// it could not be made.
bool makePrivateFolder(const QString &path);

// A new empty folder in the folder open at parent under a temporary name for targetName, private
// (0700), opened without following a link and taken only when it is the user's: where others may
// write, its name may hold something else a moment later. The descriptor (the caller closes it) and
// its name; -1 with the reason.
int makeTemporaryFolderAt(int parent, const QString &targetName, const QString &tag, QByteArray *name, QString *reason);
// The same beside target, its folder made when missing (makeFolderPath): its path; empty with the
// reason.
QString makeTemporaryFolder(const QString &target, const QString &tag, QString *reason = nullptr);

// Renames the entry from of the folder open at folder to to, unless to is there (then EEXIST). 0,
// else -1 with errno.
int renameNoReplace(int folder, const QByteArray &from, const QByteArray &to);

// A folder to be put in place of another, target, in the folder open at parent.
struct FolderSwap {
    int parent = -1;
    QString folder;       // parent's path, for what is said
    QByteArray target;    // the entry of parent the new folder takes
    // A folder only the user may write (the program's data folder): where others may rename entries
    // of parent, the swap records there the folders it makes (platform/SwapRecords.h), and, with no
    // one-step exchange, the folder it moved out, which alone repairSwappedFolder() puts back. -1: none.
    int notes = -1;
    // Whether an entry belongs in a folder the swap puts in place (a backup holds series files): a
    // folder replaced goes only when it holds nothing else (but in the notes folder, where it is the
    // program's own). Empty: any file.
    std::function<bool(const QByteArray &name)> holdsOnly;
    QString reason;       // out: why nothing was changed
    QString keptOld;      // out: where the folder replaced (whoever's) stayed, when it could not go
    QStringList keptOther;   // out: where anything else the swap met under its names (come meanwhile) stayed
    QString keptStaging;  // out: where a staging folder that could not be removed stayed, visibly
    QString unsynced;     // out: why the new folder's place is not known to be on the disk
};

// The staging folder of a swap: a new temporary folder beside its target (makeTemporaryFolderAt,
// tag "new"). Where others may rename entries of swap.parent, swap.notes records that this program
// made it (platform/SwapRecords.h), so that it is known as the program's own wherever it is later:
// what a kill left of it, and the backup it becomes. The descriptor; -1 with the reason.
int makeStagingFolder(const FolderSwap &swap, QByteArray *name, QString *reason);
// Removes a staging folder, open at fd: what the user owns in it through its descriptor, then the
// folder wherever it is in swap.parent (by its device and inode, whatever name took it; not looked
// for once it is gone), and its record. One that cannot be removed stays under "<target>
// (unfinished <date time>)" (else where it is), said in swap.keptStaging; nothing then happens again.
void dropStagingFolder(FolderSwap &swap, const QByteArray &name, int fd);

// Puts the folder open at stagingFd, named staging in swap.parent, in the place of swap.target
// (absent, or a folder), with target's mode when that is a folder of the user's (else a new
// folder's). Nothing is done when the name staging no longer holds that folder, and nothing stays
// done when the target's name does not hold it afterwards: the folder exchanged out is put back and
// the swap fails (platform::replacedWhileSaving()); a staging folder the records show left there
// gives no mode. Where the file system can, both are exchanged in
// one step, so that target is at every moment the old or the new folder; elsewhere target is first
// renamed to a temporary "old" name and staging renamed in, which repairSwappedFolder() mends should
// the process end in between. The new folder takes no write access for group or others (the
// set-group-id bit its folder gave it kept). The folder replaced is then removed when it is the user's,
// no one else may write into it and it holds only the user's plain files of swap.holdsOnly, and it
// is the very folder moved out (its device and inode) or, where others may rename entries, one a
// swap's record proves it made (makeStagingFolder); else it stays under "<target> (old <date
// time>)", another's under "(other …)" (swap.keptOld). Nothing stays under the swap's hidden names:
// whatever an exchange by others put there is kept under "<target> (other <date time>)", a folder
// of the user's under the "old" name (swap.keptOther), or put back when the swap failed; the staging
// folder, unless in place, goes wherever it is (dropStagingFolder). What was filled is synced before it takes the name, the folder after
// (swap.unsynced when that fails). False with swap.reason when the new folder is not in place.
bool swapFolderIn(FolderSwap &swap, int stagingFd, const QByteArray &staging);

// What a swap cut short by a kill left: when target is missing, the newest "old" folder of the
// user's of a process not known to run is put back (a process still between its two renames then
// finds target there: its second rename fails and it reports the old folder kept); where others may
// rename entries only the folder a swap's record in swap.notes names (any folder of the user's may
// have been renamed to an "old" name there). Then the other temporaries of target whose process has
// provably ended go, each as listed; where others may rename entries, of folders only an empty one,
// or one a swap's record in swap.notes proves it made that may go as a folder replaced may. Last,
// the records of folders no longer there are dropped.
void repairSwappedFolder(const FolderSwap &swap);
// The same for the target path, reached by the rule for links, with no record.
void repairSwappedFolder(const QString &target);

// Tests: called before each step of swapFolderIn (0 the exchange or the first rename, 1 the second
// rename, 2 the check that the target holds the new folder and the removal of the old one; -2 once
// a staging folder is made, before it is opened, -1 once it is open, before it is filled); and
// whether the one-step exchange is tried.
void setFolderSwapStepHook(std::function<void(int step)> hook);
void setFolderExchangeAllowed(bool allowed);
// Tests: called with the entry's path when a removal has checked the entry and is about to remove it;
// and when a clean-up of ended runs has listed and judged it, before it looks at it again.
void setRemovalStepHook(std::function<void(const QString &path)> hook);
void setListedHook(std::function<void(const QString &path)> hook);

} // namespace platform
