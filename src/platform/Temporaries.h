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
// can forge, and entries swapped for links while they are removed. Where others may also rename
// the user's entries (a folder they may write, with no sticky bit), no folder is removed: any folder
// of the user's may have been renamed to a temporary's name.

#include <QByteArray>
#include <QString>

#include <functional>

struct stat;

namespace platform {

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
// The same for the folder path names, reached by the rule for links.
void removeStaleTemporariesOnce(const QString &folder);

// Removes the temporaries of target whose process has provably ended; those of other targets in the
// folder stay. For a scratch place that no write into its folder cleans, at the start.
void removeEndedTemporariesOf(const QString &target);

// Removes path when the effective user owns it: a file or link as itself (no link is followed), a
// folder with what the user owns in it, through descriptors, so that a folder swapped for a link or
// another folder meanwhile is left whole; given only, when path is that very entry (its device and
// inode), else nothing goes. False when anything stayed.
bool removeOwnEntry(const QString &path, const struct stat *only = nullptr);

// A new empty folder beside target under a temporary name, private (0700) until swapFolderIn()
// gives it its mode; empty when none can be made, with the reason. Given fd, it is also returned
// open (the caller closes it), to be filled through the descriptor: where others may write, its
// name may be taken over at any moment.
QString makeTemporaryFolder(const QString &target, const QString &tag, QString *reason = nullptr, int *fd = nullptr);

// Puts the folder staging, open at stagingFd, in the place of target (absent, or a folder), with
// target's mode (a new folder's when there is none or it is another's); when the name staging no
// longer holds that folder, nothing is done (platform::replacedWhileSaving()). Where the file
// system can, both are exchanged in one step, so that target is at every moment the old or the new
// folder; elsewhere target is first renamed to a temporary "old" name and staging renamed in, which
// repairSwappedFolder() mends should the process end in between. The old folder is then removed,
// it alone: what another renamed to its name meanwhile stays; where others may rename entries (a
// folder they may write, not sticky) it stays under its temporary name, for the user's folder they
// renamed to target's name would be gone. False with the reason when nothing was changed.
bool swapFolderIn(int stagingFd, const QString &staging, const QString &target, QString *reason);

// What a swap cut short by a kill left: when target is missing, the newest "old" folder of a
// process not known to run is put back (a process still between its two renames then finds target
// there: its second rename fails and it reports the old folder kept, or it replaces an empty one),
// except where others may rename entries; then the other temporaries of target whose process has
// provably ended go (no folder where others may rename entries).
void repairSwappedFolder(const QString &target);

// Tests: called before each step of swapFolderIn (0 the exchange or the first rename, 1 the second
// rename, 2 the removal of the old folder; -1 once its staging folder is made and open, before it
// is filled); and whether the one-step exchange is tried.
void setFolderSwapStepHook(std::function<void(int step)> hook);
void setFolderExchangeAllowed(bool allowed);
// Tests: called with the entry's path when a removal has checked the entry and is about to remove it.
void setRemovalStepHook(std::function<void(const QString &path)> hook);

} // namespace platform
