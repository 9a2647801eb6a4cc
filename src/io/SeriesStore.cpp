#include "io/SeriesStore.h"

#include "core/FileServices.h"
#include "core/Globals.h"
#include "core/UserFolders.h"
#include "core/Messages.h"
#include "core/Utilities.h"
#include "platform/Files.h"
#include "platform/Temporaries.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <algorithm>
#include <cerrno>

#include <unistd.h>

namespace series_store {

namespace {

// The path is a regular file directly inside the series folder, its links resolved.
bool insideFolder(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isFile())
        return false;
    const QString folder = QDir(Data_Folder_Path).canonicalPath();
    const QString file = info.canonicalFilePath();
    return !folder.isEmpty() && !file.isEmpty() && QFileInfo(file).absolutePath() == folder;
}

bool plainName(const QString &name) { return !name.isEmpty() && !name.contains(QLatin1Char('/')) && !name.contains(QChar(0)); }

// The existing file of the series: the name with the series extension in any case; with
// anyCaseOfName also a name differing only in case when the exact one is absent.
QString existingFile(const QString &name, bool anyCaseOfName)
{
    if (!plainName(name) || Data_Folder_Path.isEmpty())
        return QString();
    const QDir folder(Data_Folder_Path);
    const QString exact = folder.filePath(name + QLatin1Char('.') + batch_file_EXT);
    if (insideFolder(exact))
        return exact;
    QString caseless;
    const QFileInfoList entries = folder.entryInfoList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    for (const QFileInfo &info : entries) {
        if (info.suffix().compare(batch_file_EXT, Qt::CaseInsensitive) != 0)
            continue;
        const QString base = info.completeBaseName();
        if (base == name) {
            if (insideFolder(info.filePath()))
                return info.filePath();
        } else if (anyCaseOfName && caseless.isEmpty() && base.compare(name, Qt::CaseInsensitive) == 0 &&
                   insideFolder(info.filePath())) {
            caseless = info.filePath();
        }
    }
    return caseless;
}

// The path a new series of that name is written to.
QString newFile(const QString &name)
{
    if (!plainName(name) || Data_Folder_Path.isEmpty())
        return QString();
    return QDir(Data_Folder_Path).filePath(name + QLatin1Char('.') + batch_file_EXT);
}

// Strict UTF-8: any invalid sequence, or a NUL byte (binary data), gives no text.
std::optional<QString> decodeStrict(const QByteArray &bytes)
{
    if (bytes.contains('\0'))
        return std::nullopt;
    QStringDecoder decoder(QStringDecoder::Utf8);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

std::optional<QByteArray> readBytes(const QString &path)
{
    QFile file(path);
    if (file.size() > kMaxSeriesBytes) {
        Show_NSLog_Message(QStringLiteral("Series file too large to read: %1").arg(path));
        return std::nullopt;
    }
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.read(kMaxSeriesBytes + 1);
    if (bytes.size() > kMaxSeriesBytes || file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

// Written to a temporary file beside the target and renamed over it once complete.
bool writeWhole(const QString &path, const QByteArray &bytes, QString *unsynced)
{
    return !path.isEmpty() && platform::writeFileAtomically(path, bytes, nullptr, unsynced);
}

} // namespace

QStringList names() { return Get_datasheet_File_Name_Array(); }

QStringList files()
{
    QStringList out;
    if (Data_Folder_Path.isEmpty())
        return out;
    const QDir folder(Data_Folder_Path);
    QStringList entries = folder.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::NoSort);
    std::sort(entries.begin(), entries.end(), [](const QString &a, const QString &b) { return a.compare(b) < 0; });
    for (const QString &name : entries) {
        // As the catalogue takes them: ".txt" alone names no series.
        const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
        if (dot > 0 && name.mid(dot + 1).compare(batch_file_EXT, Qt::CaseInsensitive) == 0 && insideFolder(folder.filePath(name)))
            out << folder.filePath(name);
    }
    return out;
}

int indexOf(const QString &name)
{
    const QString wanted = name.toLower();
    const QStringList all = names();
    for (int i = 0; i < all.size(); ++i)
        if (all.at(i).toLower() == wanted)
            return i;
    return -1;
}

QString pathOf(const QString &name) { return existingFile(name, true); }

std::optional<QStringList> read(const QString &name)
{
    const QString path = pathOf(name);
    if (path.isEmpty())
        return std::nullopt;
    const std::optional<QByteArray> bytes = readBytes(path);
    if (!bytes)
        return std::nullopt;
    const std::optional<QString> text = decodeStrict(*bytes);
    if (!text)
        return std::nullopt;
    // Leading and trailing empty lines vanish; an empty line between two values stays one.
    return Trim_Str(*text).split(QLatin1Char('\n'));
}

int count(const QString &name)
{
    const std::optional<QStringList> values = read(name);
    return values ? int(values->size()) : 0;
}

QString firstValue(const QString &name)
{
    const std::optional<QStringList> values = read(name);
    if (!values || values->isEmpty())
        return QStringLiteral("");
    return Trim_Str(values->first());
}

QByteArray fileBytes(const QStringList &values)
{
    QByteArray bytes;
    for (const QString &value : values) {
        bytes += value.toUtf8();
        bytes += '\n';
    }
    return bytes;
}

WriteResult createOrReplace(const QString &typedName, const QStringList &values, QString *writtenName)
{
    return createOrReplaceStreamed(
        typedName,
        [&values](const ValueSink &sink, QString *) {
            for (const QString &value : values)
                if (!sink(value))
                    return false;
            return true;
        },
        writtenName);
}

WriteResult createOrReplaceStreamed(const QString &typedName, const ValueProducer &producer, QString *writtenName)
{
    const QString name = Remove_Reserve_Char_In_File_Name(typedName);
    if (name.isEmpty()) {
        Show_MessageBox(QStringLiteral("Please enter valid series name."));
        return WriteResult::InvalidName;
    }
    QString path = existingFile(name, false);
    if (!path.isEmpty()) {
        if (Show_YES_NO_MessageBox(QStringLiteral("Batch Processing Series already exists. Do you want to replace it?")) != 1)
            return WriteResult::Declined;
    } else {
        path = newFile(name);
    }
    // The old file is replaced only by a complete new one: a failed write leaves it as it was.
    QString reason, unsynced;
    bool gaveUp = false;
    const bool written = !path.isEmpty() && platform::writeFileAtomically(path, [&](QIODevice &device) {
        const ValueSink sink = [&device](const QString &value) {
            const QByteArray line = value.toUtf8() + '\n';
            return device.write(line) == line.size();
        };
        if (producer(sink, &reason))
            return true;
        gaveUp = !reason.isEmpty();
        return false;
    }, nullptr, &unsynced);
    if (!written) {
        Show_MessageBox(gaveUp ? reason : QStringLiteral("Error in file accessing."));
        return gaveUp ? WriteResult::Abandoned : WriteResult::AccessError;
    }
    if (!unsynced.isEmpty())
        Show_MessageBox(unsyncedWarning({name}, unsynced));
    if (writtenName)
        *writtenName = name;
    return WriteResult::Written;
}

bool exists(const QString &name) { return !existingFile(name, false).isEmpty(); }

bool write(const QString &name, const QStringList &values, QString *unsynced)
{
    QString path = existingFile(name, false);
    if (path.isEmpty())
        path = newFile(name);
    return writeWhole(path, fileBytes(values), unsynced);
}

QString unsyncedWarning(const QStringList &names, const QString &why)
{
    const QString quoted = QLatin1Char('"') + names.join(QStringLiteral("\", \"")) + QLatin1Char('"');
    return platform::unsyncedWarning(QStringLiteral("The series ") + quoted, why, names.size() > 1);
}

bool append(const QString &name, const QStringList &values, QString *unsynced)
{
    QString path = existingFile(name, false);
    QByteArray bytes;
    if (!path.isEmpty()) {
        const std::optional<QByteArray> old = readBytes(path);
        if (!old)
            return false;
        bytes = *old;
        // The new values start on a line of their own.
        if (!bytes.isEmpty() && !bytes.endsWith('\n') && !bytes.endsWith('\r'))
            bytes += '\n';
    } else {
        path = newFile(name);
    }
    return writeWhole(path, bytes + fileBytes(values), unsynced);
}

bool remove(const QString &name)
{
    const QString path = existingFile(name, false);
    return !path.isEmpty() && QFile::remove(path);
}

bool removeAll(QString *reason)
{
    const auto fail = [reason](const QString &why) {
        if (reason)
            *reason = why;
        return false;
    };
    if (Data_Folder_Path.isEmpty())
        return fail(QStringLiteral("There is no series folder."));
    Delete_Folder(Data_Folder_Path);
    if (!platform::makePrivateFolder(Data_Folder_Path) || !QFileInfo(Data_Folder_Path).isDir())
        return fail(QStringLiteral("The series folder %1 could not be made.").arg(Data_Folder_Path));
    // The folder may have stayed with what could not be removed from it.
    const QStringList left =
        QDir(Data_Folder_Path).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    if (left.isEmpty())
        return true;
    const QString first = QDir(Data_Folder_Path).filePath(left.first());
    QString why = QStringLiteral("it is still there");
    if (!QFileInfo(first).isDir() && ::unlink(QFile::encodeName(first).constData()) != 0)
        why = platform::errorText(errno);
    return fail(QStringLiteral("The series folder could not be emptied: %1 of its entries stayed; %2: %3")
                    .arg(left.size())
                    .arg(left.first(), why));
}

} // namespace series_store
