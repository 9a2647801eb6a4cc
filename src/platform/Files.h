#pragma once
// Folders and files the way the whole application handles them: the per-user data folder, the
// read-only resource folder, one private temporary folder per process, and whole-file replacement.

#include <QByteArray>
#include <QList>
#include <QString>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

struct stat;

class QIODevice;

namespace platform {

// The system's text for an errno value, as every reason shown to the user says it.
QString errorText(int err);

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

// A descriptor closed when it goes (-1: none); it may be handed on.
struct Descriptor {
    int fd;
    explicit Descriptor(int f = -1) : fd(f) {}
    Descriptor(Descriptor &&other) noexcept : fd(other.fd) { other.fd = -1; }
    Descriptor &operator=(Descriptor &&other) noexcept;
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    ~Descriptor();
    // Gives the descriptor up to the caller.
    int release();
};

// Where a file of a path is, reached the one way every writer reaches it (reach()): the folder
// that holds its entry, open; the entry's name there; and what the entry is.
struct Place {
    Descriptor folder;     // readable where this process may read it, else open for its path only
    QByteArray name;       // the entry in folder: never a link (a link is followed by the rule)
    bool exists = false;   // else a new file of that name is to be made there
    bool dir = false;      // the entry is a folder
    unsigned uid = 0;      // the entry's owner, when it exists
    QString path;          // where that is, links followed, for what the user is told
};

// Reaches path from the folder open at start (AT_FDCWD: the working folder; an absolute path from
// "/"), one entry at a time from descriptors, never by a name walked twice: each entry is opened
// without following it and looked at through that descriptor; ".." is the folder above the one
// reached, never a name cut from a text; a link's target is read from the link and reached from the
// folder that holds it. A link is followed only by the rule for links: in a folder where others may
// rename entries (othersMayRename) none is followed, whoever's it is; elsewhere only the effective
// user's or root's. Anything else is refused before anything is made: "<link>: Permission denied".
// A folder on the way that is missing gives the system's reason; an entry on the way that is no
// folder, or more than 40 links, the system's reason after that entry's name (the first link of
// the chain that ran out): "<entry>: Not a directory".
// shownStart names start for Place::path (empty: the working folder). The final entry may be
// missing (a new file; through a link, the file it names); a folder there is a file's place too
// (the caller decides). False with the reason.
bool reach(int start, const QString &path, Place *place, QString *error, const QString &shownStart = QString());
// The folder path names, reached from start as reach() reaches it, opened readable where this
// process may read it (else for its path only). -1 with the reason; the caller closes it.
int reachFolder(int start, const QString &path, QString *error, const QString &shownStart = QString());
// The same from the working folder.
int openFolderByRule(const QString &folder, QString *error);
// Whether others than the effective user may add, remove and rename entries of the folder open at
// folder: another (not root) owns it, or its group (other than the user's own private group), an
// entry of its access ACL (a named user or group, through the ACL's mask; of an NFSv4 ACL, an entry
// allowing write, or a change of the ACL or owner, to anyone but its owner or the user) or the world
// may write it and it is not sticky. An ACL or a folder that cannot be read counts as shared. No
// link of such a folder is followed.
bool othersMayRename(int folder);
// Whether others than the user may write into the folder open at folder at all (add their own
// entries): writable by them as othersMayRename() judges it, sticky or not, or another's.
bool othersMayWrite(int folder);
// Whether others than the user may write the file open at fd: the user's, as a folder is judged;
// another's, writable by its group (whichever), the world or an ACL entry.
bool othersMayWriteFile(int fd);
// Whether this thread may replace another's entry of another's sticky folder (the system's
// CAP_FOWNER, which root may lack).
bool overridesSticky();
// Whether a link, an entry of the folder open at holder, is one reach() follows.
bool linkFollowable(const struct ::stat &link, int holder);
// The accounts the user's own private group is judged by: the effective user's account (its name
// and primary group), that group's entry (its name and the accounts it lists), and every account's
// primary group. listed: every account could be read.
struct Accounts {
    bool listed = false;
    QByteArray user;
    unsigned group = unsigned(-1);
    QByteArray groupName;
    QList<QByteArray> members;
    std::vector<std::pair<unsigned, unsigned>> primaries;   // each account's uid and primary group
};
// The user's (uid's) own private group among those accounts: its primary group, named as the user,
// when no other account is in it, neither listed as a member nor having it as its primary group
// (what a umask of 002 is made for). -1 (none) when the accounts could not all be read.
unsigned ownPrivateGroup(const Accounts &accounts, unsigned uid);
// Tests: the accounts read in place of the system's (empty: the system's again); the private group
// is judged anew from them. The system's are read once, in one pass, and kept.
void setAccountsSource(std::function<Accounts()> source);
// Tests: the extended attribute name of the entry open at fd answered in place of the system's, as a
// file system that keeps it answers (nothing: the system's), such as an NFSv4 client's ACL.
void setAttributeSource(std::function<std::optional<QByteArray>(int fd, const char *name)> source);

// The rule every writer of a whole file follows. The file it writes is reached by reach(): a link
// is written through (its file replaced, the link kept) where the rule follows it. Refused with the
// reason: a folder in the file's place, an existing file this process may not write, a link the
// rule does not follow or that leads nowhere (a loop). Then the writer does everything in the
// folder so reached: makes its temporary there, private (0600) from its creation, writes and syncs
// it, gives it the mode of what it replaces (modeReplacing) through its own descriptor, and renames
// it to the entry's name. The commit acts on the file written only: when the temporary's name no
// longer holds it (another user renamed something over it), nothing is renamed and the save fails
// (replacedWhileSaving()), the old file kept; after the rename the name must hold it too. NO with
// the system's reason when the rename fails, the temporary then removed. The folder is then synced
// so that the new name outlasts a power cut (a folder this process may not read through its file
// system); one that cannot be synced leaves the new file in place: YES, and unsynced receives the
// system's reason (logged when unsynced is null), for unsyncedWarning(). fd and folder stay open.
// reachFile also refuses an existing file the rename could not replace: another's in a sticky folder
// not the user's (EPERM, unless the system lets this process override the sticky bit). A path
// ending in "/" names a folder, refused as the system refuses it.
bool reachFile(const QString &path, Place *place, QString *error, int start = -100 /* AT_FDCWD */,
               const QString &shownStart = QString());
// name: the entry's own bytes (Place::name), which the shown path file may not spell (a name that
// is not UTF-8); file names it in messages.
bool putInPlace(int folder, int fd, const QString &temporary, const QByteArray &name, const QString &file, QString *error,
                QString *unsynced = nullptr);
// The question a save panel asks before a save replaces path: it names the file that would really be
// replaced (through a link, its file). Empty when nothing is there or the save would be refused
// (the writer then says why).
QString replaceQuestion(const QString &path);
// The mode a file takes that replaces the entry name of folder: the permission bits of a regular
// file the effective user owns there (not followed), else a new file's (newFileMode()). Another's
// file, planted where others may write, gives none: its mode is its maker's choice.
unsigned modeReplacing(int folder, const QByteArray &name);
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
// Removes the entry of path (its last part) in the folder open at folder only while it is still
// that file: in a folder others may rename entries, a temporary's name may hold another's file, or
// a file of the user's renamed there, by the time a failed write drops it. False when it stays.
bool unlinkHeld(int folder, const QByteArray &path, const WrittenFile &file);
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
// user's): its parent reached as reach() reaches it, the folder made there and opened without
// following a link where others may write the parent (elsewhere a link of the user's or root's is
// followed); the very folder opened is checked: a folder this process may write, and where others
// may write the parent, a real folder of the user's (not another's, which anyone there could have
// planted). The descriptor (readable), for every file written there: a folder exchanged after the
// check is never written. -1 with the system's reason; the caller names the folder and closes it.
// A folder there that is something else once opened says so (folderExchanged()).
// made, given, tells whether this call made it.
int openWritableFolder(const QString &path, QString *error, bool *made = nullptr);
// The same for the folder name made or taken in the folder open at parent (shownParent names it),
// which is never reached again by its path: what another renames to the parent's name meanwhile
// gets nothing.
int openWritableFolderIn(int parent, const QString &name, const QString &shownParent, QString *error, bool *made = nullptr);
// Tests: called with the folder's path once openWritableFolder() has checked it, before it hands it on.
void setWritableFolderStepHook(std::function<void(const QString &path)> hook);
bool makeWritableFolder(const QString &path, QString *error);
// Removes the folder open at folder, named path, when it is empty and path names that very folder
// still (not what took its name meanwhile). False when it stays.
bool removeEmptyFolder(int folder, const QString &path);
// Why a folder was not taken that another exchanged for something else while it was opened.
QString folderExchanged();
// A writer's reason as said of file: without the file's own name before it ("a.pdf: Permission
// denied" said of a.pdf is "Permission denied"; replacedWhileSaving(a.pdf) "It was replaced while
// it was being saved"), so that a message names the file once.
QString reasonFor(const QString &file, const QString &why);
// Why a write into the open file fd was cut short (a full disk, a file-size limit), which the
// buffered write does not say: one more byte at its end gets the system's reason. Empty when that
// byte goes in.
QString writeCutShortReason(int fd);

// Writes the whole file through a temporary file beside it (named as platform/Temporaries.h says)
// that is synced and then replaces the old one, only when every byte was written; the old file is
// kept on failure. Temporaries that ended processes left in the folder are removed first.
// Answers success (the file in place); error receives the reason of a failure, and unsynced that of
// a failed folder sync after the file took its name (putInPlace). start: a folder held open that a
// relative path is reached from (as reachFile(), shownStart naming it), so that a save into a folder
// its caller checked never reaches the folder again by its name.
bool writeFileAtomically(const QString &path, const QByteArray &data, QString *error = nullptr,
                         QString *unsynced = nullptr, int start = -100 /* AT_FDCWD */, const QString &shownStart = QString());
bool writeFileAtomically(const QString &path, const std::function<bool(QIODevice &)> &writer,
                         QString *error = nullptr, QString *unsynced = nullptr, int start = -100 /* AT_FDCWD */,
                         const QString &shownStart = QString());

} // namespace platform
