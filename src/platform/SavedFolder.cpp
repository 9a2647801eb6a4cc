#include "platform/SavedFolder.h"

#include "platform/Files.h"
#include "platform/ShownNames.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

// The folder of file, opened as every writer reaches it, and the file's entry there: the path cut at
// its last "/", so that ".." and links on the way are walked as the writer walks them.
SaveFolder reached(const QString &file)
{
    SaveFolder out;
    const QByteArray native = QFile::encodeName(file);
    const qsizetype slash = native.lastIndexOf('/');
    out.name = QFile::decodeName(native.mid(slash + 1));
    out.shown = QFileInfo(file).absolutePath();
    if (out.name.isEmpty()) {   // a path ending in "/" asks for a folder, which no save writes
        out.error = errorText(EISDIR);
        return out;
    }
    // Asked for as a folder: a file on the way is named as the writer names it ("a.qbf: Not a directory").
    const QByteArray parent = slash < 0 ? QByteArray("./") : native.left(slash + 1);
    out.folder = Descriptor(reachFolder(AT_FDCWD, QFile::decodeName(parent), &out.error));
    return out;
}

SavedFolder identity(const QString &file, int folder)
{
    struct stat st {};
    if (folder < 0 || ::fstat(folder, &st) != 0)
        return {};
    return {file, static_cast<unsigned long long>(st.st_dev), static_cast<unsigned long long>(st.st_ino), unsigned(st.st_uid)};
}

} // namespace

SaveFolder openSaveFolder(const QString &file, const SavedFolder &remembered, bool plain)
{
    SaveFolder out = reached(file);
    if (!plain || remembered.file.isEmpty() || remembered.file != file)
        return out;
    const SavedFolder now = identity(file, out.folder.fd);
    if (now.file.isEmpty() || (now.dev == remembered.dev && now.ino == remembered.ino) || now.owner == unsigned(::geteuid())
        || now.owner == remembered.owner)
        return out;
    out.stranger = accountName(now.owner);
    out.folder = Descriptor();
    return out;
}

SavedFolder savedFolder(const QString &file, const SaveFolder &written) { return identity(file, written.folder.fd); }

SavedFolder openedFrom(const QString &file)
{
    if (file.isEmpty())
        return {};
    return identity(file, reached(file).folder.fd);
}

} // namespace platform
