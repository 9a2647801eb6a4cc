// New, Open, Close, Save and Save As of the toolbar and the File menu, and the tool windows with
// the refills after them.

#include "design/DesignCommands.h"

#include "core/Mode.h"
#include "core/Messages.h"
#include "design/DesignController.h"
#include "design/DesignSeriesUsers.h"
#include "design/DesignSources.h"
#include "design/EditingCommands.h"
#include "design/RecordBinding.h"

#include <exception>

DesignCommands::DesignCommands(DesignController &design) : design(design), sources(design.sources()) {}

void DesignCommands::New_Btn_Clicked(QObject *)
{
    try {
        const bool designing = Barcode_Setting_Or_Designing_Mode == 1;
        if (Check_And_Show_Save_Message(true, true, QStringLiteral("N")) == 1 && designing)
            design.editing().Check_Undo_Redo_Btn_Enability();
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

void DesignCommands::Open_Btn_Clicked(QObject *) { sources.projects->Open_Log_file_Func(); }

void DesignCommands::Close_Document_Clicked(QObject *)
{
    if (Check_And_Show_Save_Message(false, true, QStringLiteral("C")) != 1)
        return;
    sources.projects->New_Project();
}

void DesignCommands::Save_Btn_Clicked(QObject *) { Check_And_Show_Save_Message(false, false, QStringLiteral("S")); }

void DesignCommands::SaveAs_Btn_Clicked(QObject *)
{
    const int mode = Barcode_Setting_Or_Designing_Mode;
    if (mode == 1)
        sources.projects->Save_project_file(true, true, QStringLiteral("L"));
    else if (mode == 0)
        sources.projects->Save_project_file_Barcode(true);
}

// ---- Tool windows ----

void DesignCommands::Batch_Series_Button(QObject *)
{
    sources.data->Open_Batch_Wizard_Wnd();
    sources.barcode->Refresh_All_Series_Combobox();
    design.records().Check_Series_Or_Excel_Use_or_not();
}

void DesignCommands::Import_Wizard_Button(QObject *)
{
    sources.data->Open_Import_Wizard_Wnd();
    sources.barcode->Refresh_All_Series_Combobox();
}

void DesignCommands::Create_Series_Button(QObject *)
{
    sources.data->Open_Generate_List_Wnd();
    sources.barcode->Refresh_All_Series_Combobox();
}

void DesignCommands::Backup_Restore_Clicked(QObject *)
{
    try {
        DesignSeriesUsers users(design);
        sources.data->Open_Backup_Restore_Wnd(users);
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

void DesignCommands::Cropping_Tool_Clicked(QObject *)
{
    sources.imageTools->Open_Cropping_Tool_Wnd();
    sources.barcode->Refresh_All_Series_Combobox();
}

void DesignCommands::Help_Button(QObject *) { sources.host->Run_Help_Window(); }

void DesignCommands::About_Button(QObject *) { sources.host->Run_About_Window(); }
