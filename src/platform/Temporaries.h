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
// as it was listed (its device and inode): whatever took the name since stays whole. A folder goes
// only by the one rule (platform/FolderSwap.h): any folder of the user's may be under a temporary's
// name, renamed so by others or left so by a killed swap.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

#include <sys/stat.h>

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
// folder stay. For a scratch place that no write into its folder cleans, at the start. own: the
// folder is the program's own private data folder, where its scratch folders go whatever they hold.
void removeEndedTemporariesOf(const QString &target, bool own = false);

// A temporary of a target found in a folder, as listed, and whether its process runs.
struct Leftover {
    enum class Owner { Runs, Ended, Unknown };
    QString path;
    QString shown;   // the target's name, cut short in this build's names
    QString key;     // empty in an older build's name, which shows the whole target's name
    QString owner;
    qint64 pid = 0;
    QString tag;
    QByteArray name;    // in the folder, as the file system has it
    struct ::stat st {};  // the entry itself, not followed
    Owner owned = Owner::Unknown;
    // What a provably ended run left, of the user's own.
    bool endedOwn() const;
};
// The temporaries of the target (every target: empty) in the folder open at fd; folder names it.
QList<Leftover> leftoversOf(int fd, const QString &folder, const QString &targetName);
// Removes what is no folder of the user's as listed (its device and inode): whatever took the name
// since stays. False when it stays (a folder always: the one rule decides of folders).
bool removeListed(int fd, const Leftover &leftover);
// Removes what ended runs left in the folder open at fd, of the target (every target: empty):
// entries that are no folder as listed, folders by the one rule; own as removeEndedTemporariesOf().
void removeEndedAt(int fd, const QString &folder, const QString &targetName, bool own);

// The removal through descriptors every road uses.
bool sameEntry(const struct ::stat &a, const struct ::stat &b);
// Whether the entry name of the folder open at parent (not followed) is the entry checked.
bool holdsEntry(int parent, const QByteArray &name, const struct ::stat &checked);
// Empties the folder open at fd (what the user owns in it, links as links, at any depth), the entry
// name of the folder open at parent checked as checked, and removes it by name only while the name
// holds it and only once empty. Only for the program's own scratch in its private data folder, where
// no one else puts anything. False when anything stays.
bool removeFolderAt(int parent, const QByteArray &name, int fd, const struct ::stat &checked);
// A plain file as listed in its folder: its name and what it was (device and inode).
struct ListedFile {
    QByteArray name;
    struct ::stat st {};
};
// Whether the folder open at fd holds only plain files of the user's; given belongs, only those that
// belong there. listed, given, receives every plain file of the user's it holds, whatever the answer.
bool onlyOwnPlainFiles(int fd, const std::function<bool(const QByteArray &)> &belongs, QList<ListedFile> *listed = nullptr);
// Removes of the folder open at fd (the entry name of the folder open at parent, checked as checked)
// only what was judged: each file listed while its name still holds it, then the folder by one rmdir
// while its name holds it. Nothing in it is entered: whatever else it holds by then (come after the
// judgement) stays, and so does the folder. False when it stays.
bool removeJudgedFolderAt(int parent, const QByteArray &name, int fd, const struct ::stat &checked, const QList<ListedFile> &files);

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

// Tests: called before each step of swapFolderIn (0 the exchange or the first rename, 1 the second
// rename, 2 the check that the target holds the new folder and the removal of the old one; 4 before
// those, once the folder it replaces is looked at; -2 once a staging folder is made, before it is
// opened, -1 once it is open, before it is filled; 5 once a folder the swap keeps is moved to a name
// the user sees, before it is checked there; 6 once the prune of records finds an entry of a
// recorded folder's inode, before it looks at it); and
// whether the one-step exchange is tried.
void setFolderSwapStepHook(std::function<void(int step)> hook);
void setFolderExchangeAllowed(bool allowed);
// The hooks' calls, for the swap.
void folderSwapStep(int step);
bool folderExchangeAllowed();
void removalStep(const QString &path);
// Tests: called with the entry's path when a removal has checked the entry and is about to remove it;
// and when a clean-up of ended runs has listed and judged it, before it looks at it again.
void setRemovalStepHook(std::function<void(const QString &path)> hook);
void setListedHook(std::function<void(const QString &path)> hook);

} // namespace platform
