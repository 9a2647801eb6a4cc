#pragma once
// Files the user names, typed or chosen in a panel. Such a path may name anything: a folder, a
// FIFO that never delivers, a device that never ends. Every reader of such a file takes it through
// here, so that only a regular file is ever opened and nothing reads past its cap.

#include <QByteArray>
#include <QString>

namespace platform {

// Whether the path names a regular file (a link to one counts). Asked before anything opens the
// file; readers that hand the path to a library (the zip reader, the picture decoders) ask this.
bool isRegularFile(const QString &path);

struct UserFileRead {
    enum class Status { Read, NotAFile, Unreadable, TooLarge };
    Status status = Status::NotAFile;
    QByteArray bytes;
    QString reason;   // why there are no bytes, for the log
    bool ok() const { return status == Status::Read; }
};

// The bytes of a file the user named: refused unopened when it is no regular file, opened without
// blocking (and checked again once open), read to its end or to maxBytes + 1 bytes, whichever comes
// first: a file that gives more than maxBytes is TooLarge, whatever size it claims.
UserFileRead readUserFile(const QString &path, qint64 maxBytes);

} // namespace platform
