#pragma once
// Backup, restore and reset of the series folder. A backup is a plain folder of copies of the
// series files, named Backup_Folder_name. Every change is made in a staging folder first and
// exchanged for the old folder in one step (platform::swapFolderIn), so that a failed copy, a
// kill or a power cut leaves the old backup or the current series as they were. Nothing is readable
// by others while it is copied: the staging folder and each copy are private until they take the
// mode of what of the user's they replace (the folder's; each file's, else that of the file copied
// when it is the user's own, else a new file's).
//
// Every folder is reached by the rule for links (platform::reach) and everything is done relative to
// its descriptor. The folder replaced goes only when it is provably an earlier backup and nothing
// else: the user's, writable by no one else, holding series files only, and the very folder moved
// out (where others may rename entries: one a record of this program says it made there), else it
// stays under a visible name (Outcome::keptOld); whatever else others put under the backup's names
// meanwhile stays visible too (Outcome::keptOther), and so do a staging folder that could not be
// removed (Outcome::keptStaging) and what interrupted runs left there (Outcome::keptEarlier). The
// backup folder and its copies take no write access for group or others.
//
// A backup folder to restore from is untrusted. Where others may write into the folder that holds
// it, only a folder of the user's is read (anyone there could have put another in its place), and
// where others may write into it, only the user's own files; a file others may write (another's
// that is group or world writable, the user's writable by a group not the user's alone or by the
// world, or through an ACL) is never taken, and a file is copied only when the file opened is the
// one listed and judged. Only regular files directly inside it are copied; links, sub-folders,
// FIFOs, devices, names that are not UTF-8 and files larger than a series may be are skipped and
// counted. A folder with no series file to copy is no backup: nothing is restored from it. The
// names of entries are said with every control character percent-encoded, in the log and in
// Outcome alike.

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace series_backup {

inline const QString Backup_Folder_name = QStringLiteral("QIRO_Barcode_Backup");

struct Outcome {
    int total = 0;     // entries met
    int copied = 0;
    int skipped = 0;   // entries that are no plain series file
    int failed = 0;    // copies that did not complete
    bool unreadable = false;  // the folder to copy from could not be read: nothing was met
    bool noSeries = false;    // the folder to restore from holds no series file to copy: no backup
    bool committed = false;   // the new state is in place
    bool replacing = false;   // a backup's folder was there to replace
    QString keptOld;          // where the user's folder replaced stayed, when it could not go
    QStringList keptOther;    // where anything else met under the backup's names stayed
    QStringList keptEarlier;  // where folders of the user's that interrupted runs left there stayed
    QString keptStaging;      // where a staging folder that could not be removed stayed, visibly
    bool stagingStayed = false;   // a staging folder could not be removed
    QString hiddenIn;         // the folder where something could not be given a visible name
    QString stoppedBy;        // what stopped it: the first copy that failed, or the swap
    QStringList notOwn;       // files skipped as another's where others may write the folder read, or
                              // as files others may write
    QStringList keptCurrent;  // current series files a replacing restore kept for names it skipped
    QString unsynced;         // why the new folder is not known to be on the disk
    QStringList reasons;      // one line per entry not copied, for the log
    int notCopied() const { return skipped + failed; }
};

// Whether the path is the series folder, lies inside it or holds it: a backup there would be
// deleted by a reset or a replacing restore, or would delete the series itself.
bool touchesSeriesFolder(const QString &path);

// What a backup to a path would meet, before anything is made. Its folder is reached by the rule for
// links (platform::reach), the backup's own entry never followed: a file or a link there is never
// deleted. Refused: a link the rule does not follow (another's, or any where others may rename
// entries), on the way or in the backup's place, and a folder this process may not replace
// (another's in a sticky folder not the user's); the reason names it and says why (whose it is).
enum class BackupTarget { New, Existing, NotABackupPath, Refused };
BackupTarget backupTarget(const QString &path, QString *reason = nullptr);
// A path a backup may be written to: not touching the series folder, and either absent or a real
// folder.
bool isUsableBackupPath(const QString &path);

// Copies every series file (each under its own name, whatever the case of its extension) into a
// staging folder beside the backup path, then swaps it for the old backup. Any failed copy
// commits nothing; the reasons say why.
Outcome backup(const QString &backupPath);

// The backup folder a chosen path stands for (a final "/" names the folder itself): a folder named
// Backup_Folder_name in it, or the path itself when that is its name; nothing otherwise or when it
// touches the series folder (refusal, given, says why when it is another's where others may write:
// openBackupToRead, or when it holds no series file to restore). A backup
// there that was cut short between its two renames (where the file system has no one-step
// exchange) is mended first, as the start mends the series folder, so that it is found.
std::optional<QString> restoreSource(const QString &path, QString *refusal = nullptr);

// Copies the backup into a staging folder beside the series folder and swaps it in; a failed copy
// leaves the series folder as it was. Skipped entries do not stop the restore: the user's current
// file of each name skipped (the same series, its extension in any case) is kept, unless the backup
// gave that series (Outcome::keptCurrent); one that cannot be kept fails the restore.
Outcome restoreReplace(const QString &source);

// Copies each entry into the series folder; a name already there (its extension in any case) gets
// the path freePath answers for it. A failed copy leaves nothing behind. Committed when something
// was copied.
Outcome restoreAppend(const QString &source, const std::function<QString(const QString &path)> &freePath);

// Empties the series folder; false with the reason when it could not be emptied.
bool reset(QString *reason = nullptr);

} // namespace series_backup
