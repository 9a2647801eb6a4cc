// Free file names for the exports: whether a folder holds a name already (the extension compared in
// any case), and the first free "name (n)".

#include "output/OutputController.h"

#include "core/Messages.h"

#include <QDir>
#include <QFileInfo>

#include <exception>

bool OutputController::File_Name_Taken(const QString &path)
{
    const QFileInfo info(path);
    if (info.exists())
        return true;
    const QDir folder = info.absoluteDir();
    const QString base = info.completeBaseName();
    const QString suffix = info.suffix();
    for (const QString &entry : folder.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)) {
        const QFileInfo other(entry);
        if (other.completeBaseName() == base && other.suffix().compare(suffix, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

QString OutputController::Check_Exist_Path_and_Create_New(const QString &path, int counter) const
{
    QString candidate = path;
    try {
        const QFileInfo info(path);
        const QString folder = info.path();
        const QString base = info.completeBaseName();
        const QString ext = info.suffix().toUpper();
        candidate = QDir(folder).filePath(base + QLatin1Char('.') + ext);
        for (int k = counter == 0 ? 1 : counter; File_Name_Taken(candidate); ++k)
            candidate = QDir(folder).filePath(QStringLiteral("%1 (%2).%3").arg(base).arg(k).arg(ext));
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
    return candidate;
}
