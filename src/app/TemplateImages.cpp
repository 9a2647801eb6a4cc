// The maintenance command that writes a thumbnail of every shipped template, and the template
// pane's show/hide command.

#include "app/SKTWindowController.h"

#include "core/FileServices.h"
#include "core/UserFolders.h"
#include "design/DesignParts.h"
#include "model/DesignGlobals.h"
#include "core/Messages.h"
#include "design/DesignCommands.h"
#include "output/OutputController.h"
#include "projects/ProjectsController.h"

#include <QDir>
#include <QFileInfo>
#include <QSplitter>

void SKTWindowController::Show_Template_Clicked(QObject *)
{
    if (!main_split_view || main_split_view->count() < 2)
        return;
    QWidget *pane = main_split_view->widget(1);
    pane->setVisible(pane->isHidden());
    main_split_view->update();
}

void SKTWindowController::GEN_All_Log_IMAGE_Btn_Clicked(QObject *) { Generate_All_Templates_Image(); }

void SKTWindowController::Generate_All_Templates_Image()
{
    // Loading each template replaces the design, so unsaved work is offered for saving first.
    if (commandsOf(design()).Check_And_Show_Save_Message(false, true, QStringLiteral("T")) != 1)
        return;
    export_card_side = QStringLiteral("F");
    const QString templates = Resource_Path + QStringLiteral("/Templates/AllType");
    if (!QFileInfo(templates).isDir())
        return;
    // The resource folder is read-only: the thumbnails go to the per-user folder.
    const QString target = Created_Resource_Path + QStringLiteral("/Templates/AllType");
    int count = 0;
    for (const QString &category : Get_Folder_Array_At_Path(templates)) {
        if (category == QLatin1String("User"))
            continue;
        const QDir folder(templates + QLatin1Char('/') + category);
        QStringList names = folder.entryList(QDir::Files, QDir::Name);
        for (const QString &name : names) {
            if (QFileInfo(name).suffix().toLower() != QLatin1String("qlf"))
                continue;
            ++count;
            Show_NSLog_Message(QString::number(count));
            if (projects().Read_and_load_design_Log_NEW_METHOD(folder.filePath(name), QStringLiteral("T"), false) != 1) {
                Show_NSLog_Message(QStringLiteral("FAIL -> [%1] -> [%2/%3]").arg(count).arg(category, name));
                continue;
            }
            const QString outFolder = target + QLatin1Char('/') + category;
            QDir().mkpath(outFolder);
            output().Export_Single_File(outFolder + QLatin1Char('/') + QFileInfo(name).completeBaseName() +
                                            QStringLiteral(".png"),
                                        false, false);
        }
    }
}
