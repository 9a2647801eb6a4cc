#include "app/SKTWindowController.h"

#include "app/core/Globals.h"
#include "app/core/Messages.h"
#include "projects/Card_Property.h"

#include <exception>

void SKTWindowController::New_Project_Setting_Reset(bool)
{
    try {
        Ucontrol_Log.clear();
        Ucontrol.clear();
        Rcontrol.clear();
        logoList.clear();
        Project_File_Name.clear();
        Check_Path_And_Create_Files();
        // Fonts and the card side start again from their defaults.
        Text_font = QFont(Text_Ctrl_Font);
        Text_font.setPointSizeF(Text_Ctrl_Font_Size);
        All_Text_font = Text_font;
        WM_Text_font = Text_font;
        delete Front_card_Prop;
        Front_card_Prop = new Card_Property;
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}
