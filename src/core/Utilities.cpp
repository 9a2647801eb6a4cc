#include "core/Utilities.h"

#include "core/UserFolders.h"
#include "core/Messages.h"
#include "platform/Dialogs.h"

#include <QDir>
#include <QFileInfo>

#include <stdexcept>

namespace {

// White space and line breaks: tab, line feed to carriage return, NEL and the Unicode line and
// paragraph separators, and every space separator.
bool isWhiteOrNewline(QChar c)
{
    const ushort u = c.unicode();
    if (u == 0x09 || (u >= 0x0A && u <= 0x0D) || u == 0x85 || u == 0x2028 || u == 0x2029)
        return true;
    return c.category() == QChar::Separator_Space;
}

bool isControl(QChar c)
{
    return c.category() == QChar::Other_Control || c.category() == QChar::Other_Format;
}

template <typename Pred>
QString trimBoth(const QString &text, Pred pred)
{
    qsizetype start = 0, end = text.size();
    while (start < end && pred(text.at(start)))
        ++start;
    while (end > start && pred(text.at(end - 1)))
        --end;
    return text.mid(start, end - start);
}

} // namespace

QString Trim_Str(const QString &text)
{
    if (text.isNull())
        return QString();
    return trimBoth(trimBoth(text, isWhiteOrNewline), isControl);
}

QString Replace_Char_For_Valid(const QString &text) { return Trim_Str(text); }

QString Replace_char_in_string(const QString &text, const QString &target, const QString &replacement)
{
    if (target.isEmpty())
        return text;
    QString out = text;
    return out.replace(target, replacement);
}

bool Find_Str(const QString &text, const QString &search)
{
    if (search.isNull())
        throw std::invalid_argument("Find_Str: nil search text");
    if (text.isNull() || search.isEmpty())
        return false;
    return text.contains(search, Qt::CaseSensitive);
}

bool Find_Str_Case_Insensitive(const QString &text, const QString &search)
{
    if (text.isNull() || search.isNull() || search.isEmpty())
        return false;
    return text.contains(search, Qt::CaseInsensitive);
}

QString Left_Str_substringToIndex(const QString &text, int n)
{
    if (n < 0)
        n = 0;
    return n >= text.size() ? text : text.left(n);
}

QString Right_Str_substringFromIndex(const QString &text, int n)
{
    if (n < 0)
        n = 0;
    return n >= text.size() ? text : text.right(n);
}

QString Read_Str_FromIndex(const QString &text, int n)
{
    if (n < 0 || n >= text.size())
        return QString(QLatin1String(""));
    return text.mid(n);
}

QString Read_Str_Upto_Index(const QString &text, int n)
{
    if (n < 0 || n > text.size())
        return QString(QLatin1String(""));
    return text.left(n);
}

QString Remove_Reserve_Char_In_File_Name(const QString &name)
{
    static const QString reserved = QStringLiteral("/\\?%*|\"<>");
    QString out = trimBoth(name, [](QChar c) { return reserved.contains(c); });
    out.replace(QLatin1Char('.'), QLatin1Char('_'));
    out.replace(QLatin1Char('/'), QLatin1Char('_'));
    return Trim_Str(out);
}

QString Check_Path_For_App_Resources(const QString &path)
{
    try {
        for (const QLatin1String marker : {QLatin1String(".app/Contents/Resources/"), QLatin1String("/share/tagora/")}) {
            const qsizetype at = path.indexOf(marker);
            if (at < 0)
                continue;
            const QString inside = path.mid(at + marker.size());
            if (Resource_Path.isEmpty())
                return inside;
            return Resource_Path.endsWith(QLatin1Char('/')) ? Resource_Path + inside
                                                            : Resource_Path + QLatin1Char('/') + inside;
        }
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
    return path;
}

int Create_Folder(const QString &path)
{
    if (path.isEmpty())
        return 0;
    if (QFileInfo::exists(path) || QFileInfo(path).isSymLink())
        return 1;
    // mkpath creates with 0777 less the umask, so the user's own settings decide.
    return QDir().mkpath(path) ? 1 : 0;
}

void Delete_Folder(const QString &path)
{
    try {
        const QFileInfo info(path);
        if (info.isDir() && !info.isSymLink())
            QDir(path).removeRecursively();
        else
            QFile::remove(path);
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

void Delete_File(const QString &path)
{
    try {
        const QFileInfo info(path);
        if (!info.exists() && !info.isSymLink())
            return;
        if (!QFileInfo(info.absolutePath()).isWritable())
            return;   // not deletable
        if (info.isDir() && !info.isSymLink())
            QDir(path).removeRecursively();
        else
            QFile::remove(path);
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

void Open_Help_File()
{
    const QString path = Resource_Path + QStringLiteral("/Help.pdf");
    if (!QFileInfo::exists(path)) {
        Show_MessageBox(QStringLiteral("Help file does not exist!"));
        return;
    }
    platform::openWithDefaultApplication(path);
}
