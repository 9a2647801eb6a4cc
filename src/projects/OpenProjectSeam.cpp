// The project reader's entries as the wizard, the start flow and the template galleries call them.
// The reader itself is another part of this subsystem; until it is here no file can be read, and
// the user is told so as for a file it cannot read.

#include "projects/ProjectsController.h"

#include "core/Messages.h"

int ProjectsController::Open_Log_file_Func(const QString &)
{
    Show_MessageBox(QStringLiteral("File cannot be opened. Selected File is corrupt or invalid."));
    return 0;
}

int ProjectsController::Read_and_load_design_Log_NEW_METHOD(const QString &, const QString &, bool)
{
    Show_MessageBox(QStringLiteral("File cannot be opened. Selected File is corrupt or invalid."));
    return 0;
}
