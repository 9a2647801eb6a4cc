// The start of a new design: the new-design wizard, and its choice turned into the card, the
// sidebar, the undo history and the window.

#include "projects/ProjectsController.h"

#include "core/Edition.h"
#include "model/DesignGlobals.h"
#include "core/Messages.h"
#include "projects/CardWizardValues.h"
#include "projects/Card_Wizard.h"
#include "projects/ProjectsSources.h"
#include "projects/RHS_Templates.h"

#include <exception>

void ProjectsController::Start_Design_Undo_Base()
{
    design().Select_front_side();
    design().Record_Design_As_Started();
}

void ProjectsController::Build_Template_Panel()
{
    // The QR edition shows its templates where the other editions list the records.
    QWidget *box = design().Fill_List_box();
    if (!ONLY_QR_MODE || !box || RHS_Templates::defaultInstance())
        return;
    design().Replace_Record_List(new RHS_Templates(*this, box));
}

void ProjectsController::Open_Start_Window()
{
    DesignProjects &dsg = design();
    try {
        // A new, reset design made with the wizard.
        dsg.Hide_Front_Back_Label();
        Start_Card_Option = QStringLiteral("W");
        dsg.Clear_Linked_Sheet();
        Excel_Source_Path.clear();
        New_Project_Setting_Reset(true);
        Selected_Template_Path = QStringLiteral("");

        // The wizard; Cancel leaves a new, reset design in the shown window.
        Card_Wizard &wizard = *Card_Wizard::defaultInstance(*this);
        if (wizard.Open_Wnd() != 1) {
            New_Project_Setting_Reset(true);
            // The empty design is the bottom of the history, so that the first change can be undone.
            Start_Design_Undo_Base();
            host().Show_Hide_Main_Window(true);
            Start_Result = 0;
            return;
        }

        // A project opened from the wizard is already loaded.
        host().Show_Hide_Main_Window(true);
        if (wizard.Wizard_ok == QLatin1String("LOG")) {
            dsg.selectArrowTool();
            dsg.Show_RHS_Properties(nullptr);
            Start_Result = 1;
            return;
        }

        // The label stock.
        dsg.Show_Wizard_Label_Stock(Card_Wizard_Values(wizard));

        int result = 1;
        if (Selected_Template_Path.isEmpty()) {
            // A blank card from the wizard's choices.
            dsg.Show_Wizard_Card(Card_Wizard_Values(wizard));
        } else {
            // A template, opened untitled.
            if (RHS_Templates *panel = RHS_Templates::defaultInstance())
                panel->Clear_Selection();
            result = Read_and_load_design_Log_NEW_METHOD(Selected_Template_Path, QStringLiteral("T"), false);
        }

        // The design as started, at its size, is the whole history, with nothing unsaved.
        Set_Log_Name_In_Title();
        dsg.Apply_Size_Clicked();
        dsg.Record_Design_As_Started();

        // A design that loaded starts with the arrow tool and no selection shown.
        if (result == 1) {
            dsg.selectArrowTool();
            dsg.Show_RHS_Properties(nullptr);
        }
        host().Show_Hide_Main_Window(true);
        Start_Result = result;
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}
