#include "projects/ProjectsController.h"

#include "core/Mode.h"
#include "model/DesignGlobals.h"
#include "model/Card_Property.h"
#include "projects/ProjectsSources.h"

#include <QFileInfo>
#include <QWidget>

namespace {

bool fileExists(const QString &path) { return !path.isEmpty() && QFileInfo(path).isFile(); }

} // namespace

void ProjectsController::Set_Log_Name_In_Title()
{
    const QString base = host().App_Name();
    QString title = base;
    const int mode = Barcode_Setting_Or_Designing_Mode;
    if (mode == 0) {
        if (fileExists(Project_File_Name_Barcode))
            title = QStringLiteral("%1 ( %2 )").arg(base, QFileInfo(Project_File_Name_Barcode).fileName());
    } else if (mode == 1) {
        const Card_Property *card = design().Front_card_Prop();
        const QString cardName = card ? card->Card_Name : QString();
        if (fileExists(Project_File_Name)) {
            const QString file = QFileInfo(Project_File_Name).fileName();
            title = cardName.isEmpty() ? QStringLiteral("%1 ( %2 )").arg(base, file)
                                       : QStringLiteral("%1 ( %2 - %3 )").arg(base, cardName, file);
        } else {
            title = QStringLiteral("%1 ( %2 )").arg(base, cardName);
        }
    }
    if (QWidget *window = host().builtWindow())
        window->setWindowTitle(title);
}
