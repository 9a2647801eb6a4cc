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

// The rule every writer of a whole file follows, in two steps. First the file it writes: the path
// with its symbolic links followed (a link is written through: its file is replaced, the link
// stays). Empty, with the system's reason, when the path names a folder, an existing file this
// process may not write or a link that leads nowhere the system can follow (a loop). Then, once the
// temporary file beside it is complete and synced, it takes the mode of the file it replaces (or of
// a new file of the user's) and that file's name, and the folder is synced so that the new name
// outlasts a power cut. NO with the system's reason when the rename fails, the temporary then
// removed. A folder whose sync fails leaves the new file in place: YES, and unsynced receives the
// system's reason (logged when unsynced is null), for unsyncedWarning().
QString fileToReplace(const QString &path, QString *error);
bool putInPlace(const QString &temporary, const QString &file, QString *error, QString *unsynced = nullptr);
// What every writer tells the user of files in place that the system could not confirm are on the
// disk: they are saved, and may not outlast a power cut. what names the file or document
// ("Barcode Label Design"); several when it names more than one.
QString unsyncedWarning(const QString &what, const QString &why, bool several = false);
// A folder to write files into, made when missing (0777 less the umask, as any new folder of the
// user's). False with the system's reason when it cannot be made, is no folder, or this process may
// not write into it.
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
