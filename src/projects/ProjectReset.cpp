#include "projects/ProjectsController.h"

#include "core/Globals.h"
#include "core/Mode.h"
#include "core/UserFolders.h"
#include "model/DesignGlobals.h"
#include "outputjobs/OutputGlobals.h"
#include "core/Messages.h"
#include "model/Card_Property.h"
#include "projects/ProjectsSources.h"

#include <QClipboard>
#include <QFont>
#include <QGuiApplication>

#include <exception>

namespace {

QString fontText(const QFont &font)
{
    return QStringLiteral("%1 ( %2 )").arg(font.family(), QString::asprintf("%0.2f", font.pointSizeF()));
}

} // namespace

void ProjectsController::New_Project_Setting_Reset(bool)
{
    DesignProjects &dsg = design();
    try {
        host().Set_Logo_Item_List_EMPTY();

        // Record list beside the canvas: one record.
        dsg.Reset_Record_List();

        host().Set_Des_Mode_Save_Flag_False();
        Not_Draw_Only_Prop_Change = true;

        // Card size: 100 x 100 in the design unit, label stock "Custom".
        dsg.Reset_Card_Size();
        dsg.Apply_Size_Clicked();

        if (qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
            QGuiApplication::clipboard()->clear();
        Check_Path_And_Create_Files();

        // Through the controller, so that Undo and Redo go off with the stacks they stand for.
        Ucontrol_Log.clear();
        dsg.Undo_Redo_Clear();
        BAR_CTRL = 0;

        dsg.Enable_Object_Tools();
        dsg.Hide_Grid();

        // No objects; the canvas and the sidebar stay hidden until a design is started or opened.
        dsg.delete_all_control();
        host().Show_Hide_Main_Window(false);
        dsg.Set_Canvas_to_100_percent();

        // New objects cascade from the top-left corner again.
        dsg.Forget_Selected_Graphic();
        dsg.Reset_Cascade_Position();

        Project_File_Name.clear();
        dsg.Clear_Main_Photo();
        Library_Selected_Image = QStringLiteral("");

        // Fonts and the content defaults of the card.
        QFont textFont(Text_Ctrl_Font);
        textFont.setPointSizeF(Text_Ctrl_Font_Size);
        dsg.Set_Text_font(textFont);
        QFont content(Text_Ctrl_Font);
        content.setPointSizeF(Text_Ctrl_Font_Size);
        dsg.Reset_Card_Content(content, fontText(content));

        // A new card, sized as the canvas shows it (sized above).
        dsg.New_Front_Card();

        // No series chosen, the first source type, no linked workbook.
        dsg.Reset_Source_Lists();
        Excel_Binding_Use = false;
        dsg.Show_Excel_Path(QString());
        dsg.Remove_Excel_Col_Name_In_Combo();

        dsg.Fill_Card_Prop_Tab();
        dsg.Remember_Card_Info_Tab();

        // The front side, the only side of a design.
        dsg.Select_front_side();
        dsg.card_prop_set(QStringLiteral("S"));
        Set_Log_Name_In_Title();

        Not_Draw_Only_Prop_Change = false;
        dsg.Show_Card_Info_Tab();
    } catch (const std::exception &e) {
        Not_Draw_Only_Prop_Change = false;
        Show_MessageBox(QString::fromUtf8(e.what()));
    }
}
