#pragma once
// The records a folder swap keeps of the folders it made where others may rename entries of their
// folder (platform::FolderSwap::notes): there any folder of the user's may be renamed to a name the
// swap uses, so only a record proves that a folder is one the program made. A record is a file of
// the notes folder (a folder only the user may write) named after the folder's identity and its
// folder's, and holds both, the folder's path, and, once the folder is put in place, the name,
// inode and change time of every file it then held. A folder's identity is its device and inode
// and, where the file system keeps it, its birth time; without that, a folder made later may take
// a freed inode, and only the files recorded tell the program's folder from it.

#include <QByteArray>
#include <QString>

namespace platform::swaprecords {

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
// Whether the folder of that identity in parent is one the program made and never put in place: a
// staging folder left behind.
bool recordedAsStaging(int notes, int parent, const QByteArray &identity);
// Drops the record of the folder open at fd in parent, by its identity.
void forget(int notes, int parent, const QByteArray &identity);
// Drops every record whose folder is no longer where it was recorded (its folder gone, or no
// entry of it that inode), and every record this build cannot read: without it, that folder stays.
void prune(int notes);

// Where the folder open at fd is, for what is recorded and reported; empty when unknown.
QString folderPathOf(int fd);

// Tests: whether birth times are read, as on a file system that keeps none.
void setBirthTimesHidden(bool hidden);

} // namespace platform::swaprecords
