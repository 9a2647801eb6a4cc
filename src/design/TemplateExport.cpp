// The design exported as a user template: the project file and a picture of the card's front,
// under the first name of the user templates that is free for both.

#include "design/DesignCommands.h"

#include "core/Globals.h"
#include "core/UserFolders.h"
#include "core/Messages.h"
#include "design/DesignSources.h"
#include "model/DesignGlobals.h"
#include "outputjobs/ExportNaming.h"

#include <QDir>

#include <exception>

namespace {

const QString templateName = QStringLiteral("My_Template");

// The first "My_Template", "My_Template (1)", ... of the folder for which neither the design nor
// its picture exists: no earlier template is ever overwritten.
QString freeTemplateBase(const QString &folder)
{
    for (int n = 0;; ++n) {
        const QString name = n == 0 ? templateName : QStringLiteral("%1 (%2)").arg(templateName).arg(n);
        const QString base = QDir(folder).filePath(name);
        if (!exportnaming::File_Name_Taken(base + QLatin1Char('.') + design_file_EXT) &&
            !exportnaming::File_Name_Taken(base + QStringLiteral(".png")))
            return base;
    }
}

} // namespace

QString DesignCommands::User_Template_Folder()
{
    return QDir(Created_Resource_Path).filePath(QStringLiteral("Templates/User"));
}

void DesignCommands::Export_As_Template_Clicked(QObject *)
{
    const QString rememberedProject = Project_File_Name;
    const bool rememberedFlag = save_flag_des_mode;
    try {
        if (Show_YES_NO_MessageBox(QStringLiteral("Do you want to save current design as \n\n'User Created Template'?")) != 1)
            return;
        const QString folder = User_Template_Folder();
        if (!QDir().mkpath(folder)) {
            Show_MessageBox(QStringLiteral("The template folder \"%1\" could not be created.").arg(folder));
            return;
        }
        const QString base = freeTemplateBase(folder);
        const QString designPath = base + QLatin1Char('.') + design_file_EXT;
        const QString picturePath = base + QStringLiteral(".png");

        if (!sources.host->Set_Front_Back_Value_To_Print_Export_Mail())
            return;
        Project_File_Name = designPath;
        const bool designWritten = sources.projects->Save_project_file(false, false, QStringLiteral("T"));
        // The writer took the bindings off the objects: the canvas gets its own design back.
        sources.host->Create_Card_Design_Again();
        sources.host->Set_Graphic_Array_According_Side();
        Project_File_Name = rememberedProject;
        // A template leaves the open project as unsaved as it was.
        save_flag_des_mode = rememberedFlag;
        sources.projects->Set_Log_Name_In_Title();
        if (!designWritten) {
            Show_MessageBox(QStringLiteral("The template could not be written to \"%1\".").arg(designPath));
            return;
        }
        export_card_side = QStringLiteral("F");
        if (!sources.output->Export_Single_File(picturePath, false, false)) {
            Show_MessageBox(QStringLiteral("The template's picture could not be written to \"%1\".").arg(picturePath));
            return;
        }
        Show_MessageBox(QStringLiteral("Template exported successfully."));
    } catch (const std::exception &e) {
        Project_File_Name = rememberedProject;
        Show_MessageBox(QString::fromUtf8(e.what()));
    }
}
