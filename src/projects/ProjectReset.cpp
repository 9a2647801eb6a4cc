#include "projects/ProjectsController.h"

#include "app/SKTWindowController.h"

#include "core/Globals.h"
#include "core/UserFolders.h"
#include "model/DesignGlobals.h"
#include "outputjobs/OutputGlobals.h"
#include "core/Messages.h"
#include "design/PropertySidebar.h"
#include "design/RecordBinding.h"
#include "model/SKTGrid.h"
#include "platform/ColorWell.h"
#include "platform/Stepper.h"
#include "model/Card_Property.h"
#include "design/DesignController.h"
#include "design/EditingCommands.h"
#include "design/ToolPalette.h"

#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QTabWidget>

#include <exception>

namespace {

QString fontText(const QFont &font)
{
    return QStringLiteral("%1 ( %2 )").arg(font.family(), QString::asprintf("%0.2f", font.pointSizeF()));
}

void setEnabled(QWidget *w, bool on)
{
    if (w)
        w->setEnabled(on);
}

} // namespace

void ProjectsController::New_Project_Setting_Reset(bool)
{
    DesignController &dsg = hub.design();
    try {
        hub.Set_Logo_Item_List_EMPTY();

        // Record list beside the canvas: one record.
        dsg.records().Hide_Fill_List_Box(true);
        dsg.records().Fill_List_Data_RHS.clear();
        dsg.records().Reload_Fill_List();
        if (!ONLY_QR_MODE)
            dsg.records().Fill_Record_List(1);
        dsg.records().Check_Series_Or_Excel_Use_or_not();

        hub.Set_Des_Mode_Save_Flag_False();
        Not_Draw_Only_Prop_Change = true;

        // Card size: 100 x 100 in the design unit, label stock "Custom".
        dsg.sidebar().Reset_Card_Size();
        dsg.sidebar().Apply_Size_Clicked();

        if (qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
            QGuiApplication::clipboard()->clear();
        Check_Path_And_Create_Files();

        // Through the controller, so that Undo and Redo go off with the stacks they stand for.
        Ucontrol_Log.clear();
        dsg.Undo_Redo_Clear();
        BAR_CTRL = 0;

        if (ToolPalette *tools = dsg.tool_palette) {
            setEnabled(tools->Text_Tool_btn, true);
            setEnabled(tools->Image_Tool_btn, true);
            setEnabled(tools->Image_Library_Tool_btn, true);
        }
        if (dsg._grid)
            dsg._grid->setAlwaysShown(false);

        // No objects; the canvas and the sidebar stay hidden until a design is started or opened.
        dsg.delete_all_control();
        hub.Show_Hide_Main_Window(false);
        dsg.Set_Canvas_to_100_percent();

        // New objects cascade from the top-left corner again.
        dsg._Selected_Graphic.reset();
        dsg.Reset_Cascade_Position();

        if (QComboBox *series = dsg.sidebar().Source_Series_List()) {
            const QSignalBlocker block(series);
            series->setCurrentIndex(-1);
        }

        Project_File_Name.clear();
        dsg.main_photo_ds_batch = false;
        dsg.Main_Photo_image = QImage();
        Library_Selected_Image = QStringLiteral("");

        // Fonts and the content defaults of the card.
        dsg.Text_font = QFont(Text_Ctrl_Font);
        dsg.Text_font.setPointSizeF(Text_Ctrl_Font_Size);
        QFont content(Text_Ctrl_Font);
        content.setPointSizeF(Text_Ctrl_Font_Size);
        dsg.sidebar().Reset_Card_Content(content, fontText(content));

        delete dsg.Front_card_Prop;
        dsg.Front_card_Prop = new Card_Property;
        // The card as shown (sized above), so that a blank design saves a size it can be opened with.
        dsg.Front_card_Prop->Card_Size = dsg.canvasFrameSize;

        if (QComboBox *series = dsg.sidebar().Source_Series_List()) {
            const QSignalBlocker block(series);
            series->clear();
            series->setCurrentIndex(-1);
        }
        if (QComboBox *types = dsg.sidebar().Source_Type_List()) {
            const QSignalBlocker block(types);
            types->setCurrentIndex(0);
        }
        Excel_Binding_Use = false;
        dsg.sidebar().Show_Excel_Path(QString());
        dsg.records().Remove_Excel_Col_Name_In_Combo(dsg.sidebar().Source_Type_List());

        dsg.sidebar().Fill_Card_Prop_Tab();
        dsg.sidebar().Last_Card_Sel_Tab = dsg.sidebar().card_info_tab;

        // The front side, the only side of a design.
        dsg.editing().Select_front_side();
        dsg.sidebar().card_prop_set(QStringLiteral("S"));
        Set_Log_Name_In_Title();

        Not_Draw_Only_Prop_Change = false;
        if (dsg.sidebar().sett_tab && dsg.sidebar().card_info_tab)
            dsg.sidebar().sett_tab->setCurrentWidget(dsg.sidebar().card_info_tab);
    } catch (const std::exception &e) {
        Not_Draw_Only_Prop_Change = false;
        Show_MessageBox(QString::fromUtf8(e.what()));
    }
}
