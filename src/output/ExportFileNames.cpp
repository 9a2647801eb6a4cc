// Free file names for the exports: whether a folder holds a name already (the extension compared in
// any case), and the first free "name (n)".

#include "output/OutputController.h"

#include "core/Messages.h"
#include "outputjobs/ExportNaming.h"

#include <QDir>
#include <QFileInfo>

#include <exception>

bool OutputController::File_Name_Taken(const QString &path) { return exportnaming::File_Name_Taken(path); }

QString OutputController::Check_Exist_Path_and_Create_New(const QString &path, int counter, int folder) const
{
    return exportnaming::Check_Exist_Path_and_Create_New(
        path, counter, [folder](const QString &p) { return exportnaming::File_Name_Taken(p, folder); });
}
