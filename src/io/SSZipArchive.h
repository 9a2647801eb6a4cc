#pragma once
// The zip component: unpacks a whole archive into a folder and packs files and folders into a new
// archive, over minizip, entry by entry through fixed buffers. Archives come from users, so an
// unpack refuses names that would leave the destination, and stops at a count and size no
// workbook needs.

#include <QString>
#include <QStringList>

#include <cstdint>

struct ZipError {
    QString domain;        // "SSZipArchiveErrorDomain"
    int code = 0;          // -1 the archive cannot be opened, -2 it has no first entry
    QString description;
};

class SSZipArchive {
public:
    // Limits of one unpack: more entries, or more bytes written in all, make it fail.
    static constexpr int kMaxEntries = 10000;
    static constexpr std::int64_t kMaxBytesWritten = std::int64_t(1) << 30;

    // Unpacks every entry under destination (folders created as needed). Answers NO when the
    // archive or its first entry cannot be opened (with the -1 or -2 error in the slot), when an
    // entry cannot be opened, described or read whole (CRC included), when a name is absolute or
    // has a ".." component, or past the limits above; what was written before stays. A write, flush
    // or close that fails (a full disk) answers NO too and removes every file this unpack wrote. With
    // overwrite off an existing file is kept. A password, when not empty, opens every entry.
    static bool unzipFileAtPath(const QString &path, const QString &destination, bool overwrite,
                                const QString &password = QString(), ZipError *error = nullptr);
    // The same with other limits (tests).
    static bool unzipFileAtPath(const QString &path, const QString &destination, bool overwrite, const QString &password,
                                ZipError *error, int maxEntries, std::int64_t maxBytesWritten);

    // A new archive at path with each listed file or folder under its last path component. Answers
    // whether the archive was opened and closed; allAdded (when given) whether every path went in.
    static bool createZipFileAtPath(const QString &path, const QStringList &paths, bool *allAdded = nullptr);

    explicit SSZipArchive(const QString &path);   // initWithPath:
    ~SSZipArchive();
    SSZipArchive(const SSZipArchive &) = delete;
    SSZipArchive &operator=(const SSZipArchive &) = delete;

    // Creates (or truncates) the archive file. Opening twice is a programming error (throws
    // std::logic_error).
    bool open();
    // Adds the file, or every file below the folder, at basePath/relativePath under the name
    // relativePath; an empty folder becomes one entry "relativePath/". Answers whether all went in.
    bool writeFile(const QString &relativePath, const QString &basePath);
    // Writes the central directory; answers whether the library did.
    bool close();

private:
    bool addFile(const QString &fullPath, const QString &entryName);
    bool addEntry(const QString &entryName, const char *data, unsigned size, bool openOnly);

    QString _path;
    void *_zip = nullptr;
};
