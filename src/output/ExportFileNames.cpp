// Free file names for the exports: whether a folder holds a name already (the extension compared in
// any case), and the first free "name (n)".

#include "output/OutputController.h"

#include "core/Messages.h"
#include "outputjobs/ExportNaming.h"

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
    return exportnaming::Check_Exist_Path_and_Create_New(path, counter, &File_Name_Taken);
}
