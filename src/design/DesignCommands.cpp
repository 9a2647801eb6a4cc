// New, Open, Close, Save and Save As of the toolbar and the File menu, and the tool windows with
// the refills after them.

#include "design/DesignCommands.h"

#include "app/HelpAbout.h"
#include "app/SKTWindowController.h"
#include "barcodemode/BarcodeModeController.h"
#include "core/Globals.h"
#include "core/Messages.h"
#include "data/Backup_Restore.h"
#include "data/BatchWizard.h"
#include "data/Generate_List.h"
#include "data/Import_Wizard.h"
#include "design/DesignController.h"
#include "design/DesignSeriesUsers.h"
#include "design/EditingCommands.h"
#include "design/RecordBinding.h"
#include "imagetools/Cropping_Tool.h"
#include "projects/ProjectsController.h"

#include <exception>

DesignCommands::DesignCommands(DesignController &design) : design(design), hub(design.hub) {}

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

void DesignCommands::Open_Btn_Clicked(QObject *) { hub.projects().Open_Log_file_Func(); }

void DesignCommands::Close_Document_Clicked(QObject *)
{
    if (Check_And_Show_Save_Message(false, true, QStringLiteral("C")) != 1)
        return;
    hub.projects().New_Project();
}

void DesignCommands::Save_Btn_Clicked(QObject *) { Check_And_Show_Save_Message(false, false, QStringLiteral("S")); }

void DesignCommands::SaveAs_Btn_Clicked(QObject *)
{
    const int mode = Barcode_Setting_Or_Designing_Mode;
    if (mode == 1)
        hub.projects().Save_project_file(true, true, QStringLiteral("L"));
    else if (mode == 0)
        hub.projects().Save_project_file_Barcode(true);
}

// ---- Tool windows ----

void DesignCommands::Batch_Series_Button(QObject *)
{
    BatchWizard::defaultInstance()->Open_Wnd();
    hub.barcodeMode().Refresh_All_Series_Combobox();
    design.records().Check_Series_Or_Excel_Use_or_not();
}

void DesignCommands::Import_Wizard_Button(QObject *)
{
    Import_Wizard *wizard = Import_Wizard::defaultInstance();
    wizard->file_name_required = 1;
    wizard->file_name_Insert = 0;
    wizard->Open_Wnd();
    hub.barcodeMode().Refresh_All_Series_Combobox();
}

void DesignCommands::Create_Series_Button(QObject *)
{
    Generate_List *generator = Generate_List::defaultInstance();
    generator->file_name_required = 1;
    generator->file_name_Insert = 0;
    generator->Open_Wnd();
    hub.barcodeMode().Refresh_All_Series_Combobox();
}

void DesignCommands::Backup_Restore_Clicked(QObject *)
{
    try {
        DesignSeriesUsers users(design);
        Backup_Restore::defaultInstance()->Open_Backup_Restore_Wnd(hub.barcodeMode().valueListHost, users);
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

void DesignCommands::Cropping_Tool_Clicked(QObject *)
{
    Cropping_Tool::defaultInstance()->Open_Wnd();
    hub.barcodeMode().Refresh_All_Series_Combobox();
}

void DesignCommands::Help_Button(QObject *) { HelpAbout::Run_Help_Window(hub.App_Name); }

void DesignCommands::About_Button(QObject *) { HelpAbout::Run_About_Window(hub.App_Name); }
