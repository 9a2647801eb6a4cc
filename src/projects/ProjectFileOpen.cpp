// New projects of both modes and the Open command of the projects part.

#include "projects/ProjectsController.h"

#include "core/Globals.h"
#include "core/Mode.h"
#include "model/DesignGlobals.h"
#include "core/FileServices.h"
#include "core/Messages.h"
#include "core/Utilities.h"
#include "model/DesignSnapshot.h"
#include "model/SKTDocument.h"
#include "platform/Dialogs.h"
#include "projects/ProjectsSources.h"

#include <QUrl>

void ProjectsController::New_Project()
{
    try {
        host().Set_Des_Mode_Save_Flag_False();
        New_Project_Setting_Reset(true);
        design().Show_RHS_Properties(nullptr);
        design().Refresh_Canvas();
        Open_Start_Window();
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
    Not_Draw_Only_Prop_Change = false;
}

void ProjectsController::New_Project_Barcode()
{
    BarcodeModeProjects &bm = barcodeMode();
    Not_Draw_Only_Prop_Change = true;
    try {
        host().Set_Barcode_Mode_Save_Flag_False();
        bm.resetForNewProject();
        Project_File_Name_Barcode = QStringLiteral("");
        Set_Log_Name_In_Title();
        Not_Draw_Only_Prop_Change = false;
        bm.goButtonActionPerformed();
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
        Not_Draw_Only_Prop_Change = false;
    }
}

void ProjectsController::Open_Log_file_Func()
{
    try {
        const int mode = Barcode_Setting_Or_Designing_Mode;
        if (mode == 0) {
            Open_Barcode_Log_File();
            Not_Draw_Only_Prop_Change = false;
            return;
        }
        if (mode != 1)
            return;
        if (design().Check_And_Show_Save_Message(false, true, QStringLiteral("O")) != 1)
            return;
        // A cancelled panel and a refused file leave the open design as it was: its objects, title,
        // history and unsaved flag. Only a file that reads replaces it (the reader resets first).
        const int result = Open_Log_File();
        Not_Draw_Only_Prop_Change = false;
        if (result != 1)
            return;
        if (Barcode_Setting_Or_Designing_Mode == 0) {
            host().Show_Hide_Main_Window(true);
            return;
        }
        design().Apply_Size_Clicked();
        // A fresh history whose one step is the design as opened, with nothing unsaved.
        Start_Design_Undo_Base();
        design().Show_Card_Info_Tab();
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
        Not_Draw_Only_Prop_Change = false;
    }
}

int ProjectsController::Open_Log_File()
{
    try {
        platform::OpenPanelRequest request;
        request.extensions = {QStringLiteral("qbf"), QStringLiteral("qlf")};
        request.canChooseFiles = true;
        request.canChooseDirectories = false;
        const QStringList chosen = platform::dialogResponder().openPanel(request);
        if (chosen.isEmpty())
            return 0;
        const QString path = Convert_Path_From_URL(QUrl::fromLocalFile(chosen.first()));
        const QString startOption = Start_Card_Option;
        Start_Card_Option = QStringLiteral("L");
        const int result = Read_and_load_design_Log_NEW_METHOD(path, QStringLiteral("L"), true);
        if (result != 1)
            Start_Card_Option = startOption;   // the open design stays, made the way it was
        design().Check_Series_Or_Excel_Use_or_not();
        return result;
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
        return 0;
    }
}

void ProjectsController::Open_Barcode_Log_File()
{
    try {
        if (design().Check_And_Show_Save_Message(false, true, QStringLiteral("O")) != 1)
            return;
        platform::OpenPanelRequest request;
        request.extensions = {design_file_EXT, design_file_EXT.toUpper()};
        request.canChooseFiles = true;
        request.canChooseDirectories = false;
        const QStringList chosen = platform::dialogResponder().openPanel(request);
        if (chosen.isEmpty())
            return;
        Read_Barcode_Log_File(Convert_Path_From_URL(QUrl::fromLocalFile(chosen.first())));
        if (Barcode_Setting_Or_Designing_Mode == 1) {
            // A design opened from here starts its history as opened, with nothing unsaved.
            Start_Design_Undo_Base();
        } else {
            Not_Draw_Only_Prop_Change = false;
        }
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}
