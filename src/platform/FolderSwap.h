#pragma once
// The swap of a whole folder for another (a backup, a replacing restore), the two kinds of record it
// keeps in the program's data folder, and the one rule by which any folder of the user's that is
// under one of the program's hidden names (a temporary's, a staging folder's) or was replaced by a
// swap is removed. Where others may rename entries of a folder, any folder of the user's may have
// been renamed to such a name meanwhile, and where a run was killed, the user's own folder may be
// left under one: every road that would remove such a folder (the clean-up of ended runs, the
// repair after a kill, the folder a swap replaced) asks the one rule, and what fails it stays,
// under a name the user sees where a backup or a restore meets it.

#include "platform/Temporaries.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

namespace platform {

// The one rule. A folder (open at fd, looked at as opened, not followed) of the folder open at parent
// may go when it is the user's and empty; else only when no one else may write into it and it holds
// nothing but the user's plain files that belong there (holdsOnly; none: nothing belongs), and it is
// provably the program's: where others may rename entries of parent, a record in notes proves the
// program made it; elsewhere only the user could have named it so, and given old, it must be that
// very folder (the one a swap moved out). In the program's own data folder (parent is notes) the
// folder goes whatever plain files it holds, or whatever it holds at all where anything is set (the
// program's scratch folders there).
struct RemovalRule {
    int parent = -1;
    int notes = -1;
    std::function<bool(const QByteArray &name)> holdsOnly;
    const struct ::stat *old = nullptr;
    bool anything = false;
};
// The rule's verdict, and what it judged: the user's plain files the folder holds (none: it was
// empty), or whatever it holds (anything, in the program's own data folder).
struct RemovalVerdict {
    bool may = false;
    bool anything = false;
    QList<ListedFile> files;
};
RemovalVerdict mayRemoveFolder(const RemovalRule &rule, int fd, const struct ::stat &opened);
// Removes the folder name of rule.parent, looked at as st (not followed), when the one rule lets it
// go, with the records kept of it: only what the rule judged, the folder by one rmdir (whatever came
// into it meanwhile stays, and the folder with it). False when it stays.
bool removeFolderByRule(const RemovalRule &rule, const QByteArray &name, const struct ::stat &st);

// A folder to be put in place of another, target, in the folder open at parent.
struct FolderSwap {
    int parent = -1;
    QString folder;       // parent's path, for what is said
    QByteArray target;    // the entry of parent the new folder takes
    // A folder only the user may write (the program's data folder): where others may rename entries
    // of parent, the swap records there the folders it makes, and, with no one-step exchange, the
    // folder it moved out, which alone repairSwappedFolder() puts back. -1: none.
    int notes = -1;
    // The files that belong in a folder the swap puts in place (a backup holds series files): a
    // folder replaced goes only when it holds nothing else. Empty: none.
    std::function<bool(const QByteArray &name)> holdsOnly;
    QString reason;       // out: why nothing was changed
    QString keptOld;      // out: where the folder replaced (whoever's) stayed, when it could not go
    QStringList keptOther;    // out: where anything else the swap met under its names (come meanwhile) stayed
    QStringList keptEarlier;  // out: where a folder of the user's an earlier swap cut short left stayed (repair)
    QString keptStaging;  // out: where a staging folder that could not be removed stayed, visibly
    bool stagingStayed = false;   // out: a staging folder could not be removed (keptStaging: where, when visible)
    bool hiddenStayed = false;    // out: something could not be moved to a name the user sees
    QString unsynced;     // out: why the new folder's place is not known to be on the disk
};

// The staging folder of a swap: a new temporary folder beside its target (makeTemporaryFolderAt,
// tag "new"). Where others may rename entries of swap.parent, swap.notes records that this program
// made it, so that it is known as the program's own wherever it is later: what a kill left of it,
// and the backup it becomes. The descriptor; -1 with the reason.
int makeStagingFolder(const FolderSwap &swap, QByteArray *name, QString *reason);
// Removes a staging folder, open at fd: the user's plain files in it (its copies) through its
// descriptor, then the folder by rmdir wherever it is in swap.parent (by its device and inode,
// whatever name took it; not looked for once it is gone), and its record. One that cannot be
// removed stays under "<target> (unfinished <date time>)", said in swap.keptStaging
// (swap.hiddenStayed when it could not be moved there); nothing then happens again.
void dropStagingFolder(FolderSwap &swap, const QByteArray &name, int fd);

// Puts the folder open at stagingFd, named staging in swap.parent, in the place of swap.target
// (absent, or a folder). Nothing is done when the name staging no longer holds that folder, and
// nothing stays done when the target's name does not hold it afterwards: the folder exchanged out is
// put back and the swap fails (platform::replacedWhileSaving()). Where the file system can, both are
// exchanged in one step, so that target is at every moment the old or the new folder; elsewhere
// target is first renamed to a temporary "old" name (recorded where others may rename entries) and
// staging renamed in, which repairSwappedFolder() mends should the process end in between. The new
// folder takes, before it takes the name, the mode of the folder it replaces, looked at once through
// one descriptor, when that is a folder of the user's and, where others may rename entries, one a
// record shows the program put there (another folder of the user's: a new folder's narrowed to the
// bits both have; another's: a new folder's), the set-group-id bit its folder gave it, and no write
// access for group or others. The folder replaced then goes when the one rule lets it
// (old: the folder looked at before the swap), else it stays under "<target> (old <date time>)"
// (swap.keptOld). Nothing stays under the swap's hidden names: whatever an exchange by
// others put there is kept under "<target> (other <date time>)", a folder of the user's as "(old …)"
// (swap.keptOther), or put back when the swap failed; the staging folder, unless in place, goes
// wherever it is (dropStagingFolder). What was filled is synced before it takes the name, the folder
// after (swap.unsynced when that fails). False with swap.reason when the new folder is not in place.
bool swapFolderIn(FolderSwap &swap, int stagingFd, const QByteArray &staging);

// What a swap cut short by a kill left: when target is missing, the newest "old" folder of the
// user's of a process not known to run is put back (a process still between its two renames then
// finds target there: its second rename fails and it reports the old folder kept); where others may
// rename entries only the folder a swap's record in swap.notes names. Then what an ended run left of
// the user's under the target's hidden names goes: what is no folder as listed, a folder by the one
// rule once the target is there; with Settle (a backup, which says it), every other such folder of
// the user's is kept as "<target> (old <date time>)" under an "old" name, else (a staging folder's
// name, which may hold a partial copy) as "<target> (unfinished <date time>)" (swap.keptEarlier);
// without, it stays where it is.
// Last, the records of folders made there and provably no longer there are dropped.
enum class Leftovers { Remove, Settle };
void repairSwappedFolder(FolderSwap &swap, Leftovers leftovers = Leftovers::Settle);
// The same for the target path (Remove), reached by the rule for links, its records in the folder
// notes (empty: none); where the target's folder is notes itself, the program's own.
void repairSwappedFolder(const QString &target, const QString &notes = QString());

// The records a swap keeps in the notes folder (a folder only the user may write): of each folder it
// made where others may rename entries of its folder, and of each folder it moved out to an "old"
// name there. There any folder of the user's may be renamed to a name the swap uses, so only a record
// proves that a folder is one the program made or moved. A record is a file of the notes folder
// named after the identities, and holds the folder's identity and its folder's, the folder's path,
// and, once a folder made is put in place, the name, inode and change time of every file it then held.
// A folder's identity is its device and inode and, where the file system keeps it, its birth time;
// without that, a folder made later may take a freed inode, and only the files recorded tell the
// program's folder from it.
namespace swaprecords {

// The identity of the entry name of the folder open at dirfd, not followed (name empty: the folder
// open at dirfd itself); empty when it cannot be read.
QByteArray identityAt(int dirfd, const QByteArray &name);
// Whether the notes folder open at notes is one only the user may write: what it holds no one else
// forged.
bool usable(int notes);
// Records that the program made the folder open at fd in the folder open at parent; false when no
// record could be written.
bool noteMade(int notes, int parent, int fd);
// Adds to the record of that folder (when there is one) the files it holds now: put in place.
void notePlaced(int notes, int parent, int fd);
// Whether a record proves that the program made the folder open at fd in parent: its identity
// recorded, with its birth time; else recorded as put in place, every file it holds one of those
// recorded, unchanged since (its inode and change time).
bool provesMade(int notes, int parent, int fd);
// Whether a record proves, as provesMade() does, that the program put the folder open at fd (for its
// path only, too) in place in parent: a backup it made, not a staging folder left behind.
bool provesPlaced(int notes, int parent, int fd);
// Drops the record of the folder open at fd in parent, by its identity.
void forget(int notes, int parent, const QByteArray &identity);
// Drops each record of a folder made in the folder open at folder once that folder holds no entry of
// the identity recorded (listed in one step, so that names exchanged meanwhile change nothing; tests:
// folderSwapStep(6) then), or holds one that provably is another folder; an entry on another file
// system is never opened. A record of another folder stays: its folder may be renamed or on a medium
// that is away, and reaching it by its path could hold the program up on a share that stopped
// answering. None is judged where folder is the notes folder itself. Records this build cannot read
// go, and the parts of records that ended runs left.
void prune(int notes, int folder);

// Where the folder open at fd is, for what is recorded; empty when unknown.
QString folderPathOf(int fd);

// Tests: whether birth times are read, as on a file system that keeps none.
void setBirthTimesHidden(bool hidden);

} // namespace swaprecords

} // namespace platform
