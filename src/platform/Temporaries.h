#pragma once
// The temporary files and folders the writers make beside their targets, and the swap of a whole
// folder. A temporary is named after its target and the process that made it,
// ".<target name>.tagora-<process id>-<n>.<tag>", so that what a killed process left behind can be
// told from the work of a live one and removed by the next write into that folder.

#include <QByteArray>
#include <QString>

#include <functional>

namespace platform {

// The name of a new temporary for the target's file name (no folder), unique within the process;
// the caller creates it exclusively and asks again when the name is taken.
QString temporaryName(const QString &targetName, const QString &tag);
// The same beside the target path.
QString temporaryPath(const QString &target, const QString &tag);

// Whether a file name is one of these temporaries; its target's name, process and tag out.
bool isTemporaryName(const QString &fileName, QString *targetName = nullptr, qint64 *pid = nullptr,
                     QString *tag = nullptr);

// Whether no process of that id runs any more (this process always runs).
bool processGone(qint64 pid);

// Removes the temporaries in the folder whose process has ended, the first time this process
// writes there: a batch of many files reads its folder once. Every writer calls it before it makes
// its own temporary.
void removeStaleTemporariesOnce(const QString &folder);

// A new empty folder beside target under a temporary name (made with the user's umask); empty
// when none can be made, with the reason.
QString makeTemporaryFolder(const QString &target, const QString &tag, QString *reason = nullptr);

// Puts the folder staging in the place of target (absent, or a folder): where the file system can,
// both are exchanged in one step, so that target is at every moment the old or the new folder;
// elsewhere target is first renamed to a temporary "old" name and staging renamed in, which
// repairSwappedFolder() mends should the process end in between. The old folder is then removed.
// False with the reason when nothing was changed.
bool swapFolderIn(const QString &staging, const QString &target, QString *reason);

// What a swap cut short by a kill left: when target is missing, the newest "old" folder of an ended
// process is put back; then the other temporaries of target whose process has ended go.
void repairSwappedFolder(const QString &target);

// Tests: called before each step of swapFolderIn (0 the exchange or the first rename, 1 the second
// rename, 2 the removal of the old folder); and whether the one-step exchange is tried.
void setFolderSwapStepHook(std::function<void(int step)> hook);
void setFolderExchangeAllowed(bool allowed);

} // namespace platform
