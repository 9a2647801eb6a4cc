#include "core/FileServices.h"

#include "core/Globals.h"
#include "core/UserFolders.h"
#include "core/Messages.h"
#include "core/Utilities.h"
#include "platform/Files.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <atomic>
#include <cmath>

namespace {

// Every entry directly inside a folder, hidden ones included, sorted by character value.
QStringList entriesOf(const QString &path)
{
    if (path.isEmpty() || !QFileInfo(path).isDir())
        return {};
    QStringList names = QDir(path).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                             QDir::NoSort);
    std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) { return a.compare(b) < 0; });
    return names;
}

// The name without its last extension; ".name" has none.
QString withoutExtension(const QString &name)
{
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot > 0 ? name.left(dot) : name;
}

QString extensionOf(const QString &name)
{
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot > 0 ? name.mid(dot + 1) : QString();
}

std::atomic<double> pretendedVersion{0};

} // namespace

QStringList Get_Folder_Array_At_Path(const QString &path)
{
    QStringList out;
    const QDir dir(path);
    for (const QString &name : entriesOf(path))
        if (QFileInfo(dir.filePath(name)).isDir())
            out << name;
    return out;
}

QStringList Get_Files_Array_At_Path_del_ext(const QString &path, bool del_ext)
{
    QStringList out;
    const QDir dir(path);
    for (const QString &name : entriesOf(path))
        if (!QFileInfo(dir.filePath(name)).isDir())
            out << (del_ext ? withoutExtension(name) : name);
    return out;
}

QStringList Get_datasheet_File_Name_Array()
{
    QStringList out;
    const QDir dir(Data_Folder_Path);
    for (const QString &name : entriesOf(Data_Folder_Path))
        if (!QFileInfo(dir.filePath(name)).isDir() && extensionOf(name).toLower() == batch_file_EXT)
            out << withoutExtension(name);
    // X.txt and X.TXT are one name: listed once.
    out.removeDuplicates();
    return out;
}

QString Convert_Path_From_URL(const QUrl &url)
{
    return url.path(QUrl::FullyDecoded);
}

bool Check_And_Validate_File_Path(const QString &path)
{
    const QString trimmed = Trim_Str(path);
    if (!trimmed.isEmpty() && (QFileInfo::exists(trimmed) || QFileInfo(trimmed).isSymLink()))
        return false;
    Show_MessageBox(QStringLiteral("Please select valid file path."));
    return true;
}

bool Check_Batch_File_In_Use_Validation(const QString &)
{
    return false;
}

QString workbookPartsTarget()
{
    const QString name = QStringLiteral("ziptmp");
    return Created_Resource_Path.isEmpty() ? platform::privateTempPath(name) : Created_Resource_Path + QLatin1Char('/') + name;
}

int Get_OS_Version()
{
    const double pretended = pretendedVersion.load();
    return pretended > 0 ? int(std::trunc(pretended)) : 2300;
}

void Set_OS_Version_For_Tests(double version)
{
    pretendedVersion = version;
}
