#include "io/SSZipArchive.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <unzip.h>
#include <zip.h>

#include <stdexcept>
#include <vector>

namespace {

const QString kDomain = QStringLiteral("SSZipArchiveErrorDomain");

void setError(ZipError *error, int code, const char *description)
{
    if (!error)
        return;
    error->domain = kDomain;
    error->code = code;
    error->description = QString::fromLatin1(description);
}

// Entry names are UTF-8 by convention; older tools wrote their code page, read here as Latin-1.
QString decodeName(const QByteArray &raw)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringConverter::Flag::Stateless);
    const QString name = utf8.decode(raw);
    if (!utf8.hasError())
        return name;
    return QString::fromLatin1(raw);
}

// A name that would land outside the destination: absolute, a drive letter, or a ".." part.
bool escapesDestination(const QString &name)
{
    if (name.startsWith(QLatin1Char('/')))
        return true;
    if (name.size() >= 2 && name.at(1) == QLatin1Char(':'))
        return true;
    for (const QString &part : name.split(QLatin1Char('/')))
        if (part == QLatin1String(".."))
            return true;
    return false;
}

// An archive of no entries is only its end record; minizip will not open it, but it is an archive.
bool isEmptyArchive(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() < 22 || file.size() > 22 + 65535)
        return false;
    const QByteArray bytes = file.readAll();
    const qsizetype at = bytes.lastIndexOf(QByteArrayLiteral("PK\x05\x06"));
    if (at < 0 || bytes.size() - at < 22)
        return false;
    const auto u16 = [&bytes](qsizetype i) { return int(uchar(bytes[i])) | int(uchar(bytes[i + 1])) << 8; };
    return u16(at + 8) == 0 && u16(at + 10) == 0;
}

QDateTime entryTime(const tm_unz &t)
{
    return QDateTime(QDate(int(t.tm_year), int(t.tm_mon) + 1, int(t.tm_mday)),
                     QTime(int(t.tm_hour), int(t.tm_min), int(t.tm_sec)), Qt::LocalTime);
}

} // namespace

bool SSZipArchive::unzipFileAtPath(const QString &path, const QString &destination, bool overwrite,
                                   const QString &password, ZipError *error)
{
    return unzipFileAtPath(path, destination, overwrite, password, error, kMaxEntries, kMaxBytesWritten);
}

bool SSZipArchive::unzipFileAtPath(const QString &path, const QString &destination, bool overwrite,
                                   const QString &password, ZipError *error, int maxEntries,
                                   std::int64_t maxBytesWritten)
{
    unzFile zip = unzOpen64(QFile::encodeName(path).constData());
    if (!zip && isEmptyArchive(path)) {
        setError(error, -2, "failed to open first file in zip file");
        return false;
    }
    if (!zip) {
        setError(error, -1, "failed to open zip file");
        return false;
    }
    if (unzGoToFirstFile(zip) != UNZ_OK) {
        setError(error, -2, "failed to open first file in zip file");
        unzClose(zip);
        return false;
    }
    unz_global_info64 global{};
    if (unzGetGlobalInfo64(zip, &global) == UNZ_OK && global.number_entry > ZPOS64_T(maxEntries)) {
        unzClose(zip);
        return false;
    }

    const QByteArray pass = password.toLatin1();
    bool success = true;
    int entries = 0;
    std::int64_t written = 0;
    bool writeFailed = false;
    QStringList writtenFiles;   // what this unpack wrote, removed again when a write fails
    std::vector<char> buffer(4096);
    const QDir dest(destination);
    for (;;) {
        if (++entries > maxEntries) {
            success = false;
            break;
        }
        const int opened = pass.isEmpty() ? unzOpenCurrentFile(zip) : unzOpenCurrentFilePassword(zip, pass.constData());
        if (opened != UNZ_OK) {
            success = false;
            break;
        }
        unz_file_info64 info{};
        if (unzGetCurrentFileInfo64(zip, &info, nullptr, 0, nullptr, 0, nullptr, 0) != UNZ_OK) {
            success = false;
            unzCloseCurrentFile(zip);
            break;
        }
        QByteArray rawName(int(info.size_filename) + 1, '\0');
        if (unzGetCurrentFileInfo64(zip, &info, rawName.data(), uLong(rawName.size()), nullptr, 0, nullptr, 0) != UNZ_OK) {
            success = false;
            unzCloseCurrentFile(zip);
            break;
        }
        rawName.truncate(int(info.size_filename));
        const bool isFolder = rawName.endsWith('/') || rawName.endsWith('\\');
        QString name = decodeName(rawName);
        name.replace(QLatin1Char('\\'), QLatin1Char('/'));
        if (name.isEmpty() || escapesDestination(name)) {
            success = false;
            unzCloseCurrentFile(zip);
            break;
        }

        const QString target = dest.filePath(name);
        if (isFolder)
            dest.mkpath(name);
        else
            QFileInfo(target).dir().mkpath(QStringLiteral("."));

        bool readFailed = false;
        if (!isFolder && (overwrite || !QFileInfo::exists(target))) {
            QFile out(target);
            if (out.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
                writtenFiles << target;
                for (;;) {
                    const int n = unzReadCurrentFile(zip, buffer.data(), unsigned(buffer.size()));
                    if (n < 0) {
                        readFailed = true;
                        break;
                    }
                    if (n == 0)
                        break;
                    written += n;
                    if (written > maxBytesWritten) {
                        readFailed = true;
                        break;
                    }
                    if (out.write(buffer.data(), n) != n) {
                        writeFailed = true;
                        break;
                    }
                }
                // A full disk may show only at the flush or the close; a later flush would stamp the
                // file anew, so the date comes between them.
                if (!out.flush())
                    writeFailed = true;
                if (!writeFailed && info.dosDate != 0)
                    out.setFileTime(entryTime(info.tmu_date), QFileDevice::FileModificationTime);
                out.close();
                if (out.error() != QFileDevice::NoError)
                    writeFailed = true;
            }
        }
        // The CRC is checked when an entry read to its end is closed.
        if (unzCloseCurrentFile(zip) == UNZ_CRCERROR || readFailed || writeFailed) {
            success = false;
            break;
        }
        if (unzGoToNextFile(zip) != UNZ_OK)
            break;
    }
    unzClose(zip);
    // Parts cut short by a full disk would read as whole files: none of this unpack stays.
    if (writeFailed)
        for (const QString &file : std::as_const(writtenFiles))
            QFile::remove(file);
    return success;
}

bool SSZipArchive::createZipFileAtPath(const QString &path, const QStringList &paths, bool *allAdded)
{
    SSZipArchive archive(path);
    if (!archive.open()) {
        if (allAdded)
            *allAdded = false;
        return false;
    }
    bool all = true;
    for (QString item : paths) {
        if (item.endsWith(QLatin1Char('/')))
            item.chop(1);
        const qsizetype slash = item.lastIndexOf(QLatin1Char('/'));
        const QString base = item.left(slash + 1);
        const QString relative = item.mid(slash + 1);
        if (!archive.writeFile(relative, base))
            all = false;
    }
    const bool closed = archive.close();
    if (allAdded)
        *allAdded = all && closed;
    return closed;
}

SSZipArchive::SSZipArchive(const QString &path) : _path(path) {}

SSZipArchive::~SSZipArchive()
{
    if (_zip)
        zipClose(static_cast<zipFile>(_zip), nullptr);
}

bool SSZipArchive::open()
{
    if (_zip)
        throw std::logic_error("Attempting open an archive which is already open");
    _zip = zipOpen64(QFile::encodeName(_path).constData(), APPEND_STATUS_CREATE);
    return _zip != nullptr;
}

bool SSZipArchive::writeFile(const QString &relativePath, const QString &basePath)
{
    if (!_zip)
        throw std::logic_error("Attempting to write to an archive which was never opened");
    const QString full = basePath.isEmpty() || basePath.endsWith(QLatin1Char('/'))
                             ? basePath + relativePath
                             : basePath + QLatin1Char('/') + relativePath;
    const QFileInfo info(full);
    if (info.isDir()) {
        // Sorted by name, so that the same folder always packs the same way.
        const QStringList names = QDir(full).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                                       QDir::Name);
        if (names.isEmpty())
            return addEntry(relativePath + QLatin1Char('/'), nullptr, 0, false);
        for (const QString &name : names)
            if (!writeFile(relativePath + QLatin1Char('/') + name, basePath))
                return false;
        return true;
    }
    return addFile(full, relativePath);
}

bool SSZipArchive::addFile(const QString &fullPath, const QString &entryName)
{
    QFile in(fullPath);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    if (!addEntry(entryName, nullptr, 0, true))
        return false;
    zipFile zip = static_cast<zipFile>(_zip);
    std::vector<char> buffer(16384);
    bool ok = true;
    for (;;) {
        const qint64 n = in.read(buffer.data(), qint64(buffer.size()));
        if (n < 0) {
            ok = false;
            break;
        }
        if (n == 0)
            break;
        if (zipWriteInFileInZip(zip, buffer.data(), unsigned(n)) != ZIP_OK) {
            ok = false;
            break;
        }
    }
    if (zipCloseFileInZip(zip) != ZIP_OK)
        ok = false;
    return ok;
}

// Opens an entry with no file information, extra field or comment, deflated at the default level;
// unless openOnly, writes the data and closes it.
bool SSZipArchive::addEntry(const QString &entryName, const char *data, unsigned size, bool openOnly)
{
    zipFile zip = static_cast<zipFile>(_zip);
    const zip_fileinfo info{};
    if (zipOpenNewFileInZip(zip, entryName.toUtf8().constData(), &info, nullptr, 0, nullptr, 0, nullptr, Z_DEFLATED,
                            Z_DEFAULT_COMPRESSION)
        != ZIP_OK)
        return false;
    if (openOnly)
        return true;
    bool ok = size == 0 || zipWriteInFileInZip(zip, data, size) == ZIP_OK;
    if (zipCloseFileInZip(zip) != ZIP_OK)
        ok = false;
    return ok;
}

bool SSZipArchive::close()
{
    if (!_zip)
        throw std::logic_error("Attempting to close an archive which was never opened");
    const int result = zipClose(static_cast<zipFile>(_zip), nullptr);
    _zip = nullptr;
    return result == ZIP_OK;
}
