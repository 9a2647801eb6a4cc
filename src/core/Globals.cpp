#include "core/Globals.h"
#include "core/GlobalsReset.h"

#include "core/Messages.h"
#include "core/Mode.h"
#include "core/Units.h"
#include "core/UserFolders.h"

#include "platform/PrintInfo.h"

#include <vector>

// ---- Shell: the main window, folders and fixed names ----
SKTWindowController *Main_App_wnd = nullptr;
QString Resource_Path;
QString Created_Resource_Path;
QString Data_Folder_Path;
QString Cropped_Img_Path;
QString custom_label_path;
QString print_profile_path;
const QString batch_file_EXT = QStringLiteral("txt");
QString design_file_EXT = QStringLiteral("qbf");
const QString default_file_name = QStringLiteral("Untitled");
const QString combo_first_Select = QStringLiteral("<--Select-->");
QString Text_Ctrl_Font = QStringLiteral("Arial");
const QString invalid_barcode_msg = QStringLiteral("Invalid barcode value or value is too long.");
bool Use_Org_image_Or_Shred_it = false;
std::shared_ptr<platform::PrintInfo> printInfo;

// ---- Mode ----
std::atomic<int> Barcode_Setting_Or_Designing_Mode{0};
bool form_is_loading = false;
bool Not_Draw_Only_Prop_Change = false;

// ---- Units of each mode ----
int Measument_Unit_Is = 0;
int Measument_Unit_Is_Barcode = 0;
int Measument_Unit_Is_Adv_QR = 0;
int last_unit_val = 0;
int last_unit_val_Barcode = 0;
int last_unit_val_Adv_QR = 0;
int BARCODE_Unit_Is = 2;

// ---- Messages, and the prompts and Stop of long jobs ----
QString Export_File_Path;
QString Export_File_Message;
int replace_keep_file_flag = 0;
std::atomic<bool> Stop_Processing_Now{false};
std::atomic<bool> Stop_Question_Open{false};
std::atomic<bool> yes_no_msg_val{false};
bool Msg_Apply_All_Chk = false;
bool Msg_Apply_All_Chk_for_in_use = false;
QString Cutom_Msg_Title;
QString Cutom_Msg_Val;

namespace {

std::vector<void (*)()> &resets()
{
    static std::vector<void (*)()> list;
    return list;
}

} // namespace

bool registerGlobalsReset(void (*reset)())
{
    resets().push_back(reset);
    return true;
}

void resetGlobalsForTests()
{
    // Shell
    Main_App_wnd = nullptr;
    Resource_Path.clear();
    Created_Resource_Path.clear();
    Data_Folder_Path.clear();
    Cropped_Img_Path.clear();
    custom_label_path.clear();
    print_profile_path.clear();
    design_file_EXT = QStringLiteral("qbf");
    Text_Ctrl_Font = QStringLiteral("Arial");
    Use_Org_image_Or_Shred_it = false;
    printInfo.reset();
    // Mode
    Barcode_Setting_Or_Designing_Mode = 0;
    form_is_loading = false;
    Not_Draw_Only_Prop_Change = false;
    // Units
    Measument_Unit_Is = Measument_Unit_Is_Barcode = Measument_Unit_Is_Adv_QR = 0;
    last_unit_val = last_unit_val_Barcode = last_unit_val_Adv_QR = 0;
    BARCODE_Unit_Is = 2;
    // Messages, prompts and Stop
    Export_File_Path.clear();
    Export_File_Message.clear();
    replace_keep_file_flag = 0;
    Stop_Processing_Now = false;
    Stop_Question_Open = false;
    yes_no_msg_val = false;
    Msg_Apply_All_Chk = Msg_Apply_All_Chk_for_in_use = false;
    Cutom_Msg_Title.clear();
    Cutom_Msg_Val.clear();
    // The subsystems' own
    for (void (*reset)() : resets())
        reset();
}
