#include "core/Globals.h"

#include <QImage>

SKTWindowController *Main_App_wnd = nullptr;
SKTWindowController *app_DefaultInstance = nullptr;
Barcode_Gen *Barcode_Gen_Var = nullptr;

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
QString def_barcode_hdr_str = QStringLiteral("HEADER");
QString Text_Ctrl_Font = QStringLiteral("Arial");

std::atomic<int> Barcode_Setting_Or_Designing_Mode{0};
bool form_is_loading = false;
bool Not_Draw_Only_Prop_Change = false;
std::atomic<bool> Type_draw_2d_flag{false};
std::atomic<int> USED_DPI_VALUE{600};
int QR_Enc_Mode_Val = 0;
int QR_Version_Val = 0;
int QR_EC_Level_Val = 0;
int ADV_QR_Enc_Mode_Val = 0;
int ADV_QR_Version_Val = 0;
int ADV_QR_EC_Level_Val = 0;
int DES_QR_Enc_Mode_Val = 0;
int DES_QR_Version_Val = 0;
int DES_QR_EC_Level_Val = 0;
int Barcode_module_size = 1;
int Measument_Unit_Is = 0;
int Measument_Unit_Is_Barcode = 0;
int Measument_Unit_Is_Adv_QR = 0;
int last_unit_val = 0;
int last_unit_val_Barcode = 0;
int last_unit_val_Adv_QR = 0;
int BARCODE_Unit_Is = 2;

QList<std::shared_ptr<DesignSnapshot>> Ucontrol;
QList<std::shared_ptr<DesignSnapshot>> Rcontrol;
QList<std::shared_ptr<DesignSnapshot>> Ucontrol_Log;
int BAR_CTRL = 0;

QString Project_File_Name;
QString Project_File_Name_Barcode;
QString Start_Card_Option = QStringLiteral("T");
int Card_Shape = 0;
std::shared_ptr<platform::Picture> Barcode_output_image;
QString Library_Selected_Image;
QString lib_window_sel_file;
bool Use_Data_Sheet_Values = false;
bool Use_Excel_Binding_Values = false;
bool Excel_Binding_Use = false;
int Total_Batch_Excel_Card = 0;
int Total_Barcode_Label_wd_Batch = 1;
int Total_Label_Wd_PQ = 1;
int Print_Start = 0;
int Print_End = 0;
std::atomic<bool> Stop_Processing_Now{false};
std::atomic<bool> Card_Value_In_Process{false};
QString Export_File_Path;
QString Export_File_Message;
QString export_card_side;
std::shared_ptr<platform::PrintInfo> printInfo;
int replace_keep_file_flag = 0;
bool Msg_Apply_All_Chk = false;
bool Msg_Apply_All_Chk_for_in_use = false;
std::atomic<bool> yes_no_msg_val{false};
QString Cutom_Msg_Title;
QString Cutom_Msg_Val;
const QString invalid_barcode_msg = QStringLiteral("Invalid barcode value or value is too long.");
bool save_flag_des_mode = false;
bool save_flag_barcode_mode = false;
bool QR_Val_Edit = false;
int Last_Selected_Index = -1;
bool clear_PQ_Flag = false;
bool data_source_change_main = false;
bool data_source_change = false;
bool Use_Org_image_Or_Shred_it = false;
bool call_rhs_prop_on_fill_list = true;
// ---- Design backup and record list ----
QString Excel_Source_Path;
int Total_Label = 1;

// ---- Label stock and new designs ----
QString Selected_Template_Path = QStringLiteral("");
QString Sel_Template_Category = QStringLiteral("A");
quint64 User_Defined_File = 0;
QString custom_prod_name;
QString cus_or_pre = QStringLiteral("C");
int Manual_or_Pre = 0;
float predef_page_wdt = 0;
float predef_page_hgt = 0;

// ---- Sheet layout of printing and PDF export ----
float label_width = 0;
float label_hight = 0;
float Real_label_width = 0;
float Real_label_hight = 0;
float Left_Mar = 0;
float Rite_Mar = 0;
float Top_Mar = 0;
float Bot_Mar = 0;
float horz_mar = 0;
float vert_mar = 0;
int Print_Row = 1;
int Print_Col = 1;
int label_align_val = 1;
int label_align_val_bkup = 1;
bool auto_center_flag = false;
bool Fit_Picture_To_Frame = false;
bool Enable_Crop_Marks = false;
bool Show_margin_rect = true;
bool skip_invalid_barcode = false;
bool print_wd_pq_opt = false;
int Total_Label_Real = 1;
std::shared_ptr<platform::Picture> Barcode_Image;
QImage preview_image;
bool Use_Barocde_In_Center = false;
bool PDF_View_Not_Print = false;
bool PDF_Use_Label_Size = false;

namespace {
void Reset_Sheet_Layout()
{
    label_width = label_hight = Real_label_width = Real_label_hight = 0;
    Left_Mar = Rite_Mar = Top_Mar = Bot_Mar = 0;
    horz_mar = vert_mar = 0;
    Print_Row = Print_Col = 1;
    label_align_val = label_align_val_bkup = 1;
    auto_center_flag = Fit_Picture_To_Frame = Enable_Crop_Marks = false;
    Show_margin_rect = true;
    skip_invalid_barcode = print_wd_pq_opt = false;
    Total_Label_Real = 1;
    Barcode_Image.reset();
    preview_image = QImage();
    Use_Barocde_In_Center = PDF_View_Not_Print = PDF_Use_Label_Size = false;
}
} // namespace

void resetGlobalsForTests()
{
    Main_App_wnd = nullptr;
    app_DefaultInstance = nullptr;
    Barcode_Gen_Var = nullptr;
    Resource_Path.clear();
    Created_Resource_Path.clear();
    Data_Folder_Path.clear();
    Cropped_Img_Path.clear();
    custom_label_path.clear();
    print_profile_path.clear();
    design_file_EXT = QStringLiteral("qbf");
    def_barcode_hdr_str = QStringLiteral("HEADER");
    Text_Ctrl_Font = QStringLiteral("Arial");
    Barcode_Setting_Or_Designing_Mode = 0;
    form_is_loading = false;
    Not_Draw_Only_Prop_Change = false;
    Type_draw_2d_flag = false;
    USED_DPI_VALUE = 600;
    QR_Version_Val = QR_EC_Level_Val = ADV_QR_Version_Val = ADV_QR_EC_Level_Val = 0;
    QR_Enc_Mode_Val = ADV_QR_Enc_Mode_Val = 0;
    DES_QR_Enc_Mode_Val = DES_QR_Version_Val = DES_QR_EC_Level_Val = 0;
    data_source_change_main = false;
    data_source_change = false;
    Use_Org_image_Or_Shred_it = false;
    call_rhs_prop_on_fill_list = true;
    Barcode_module_size = 1;
    Measument_Unit_Is = Measument_Unit_Is_Barcode = Measument_Unit_Is_Adv_QR = 0;
    last_unit_val = last_unit_val_Barcode = last_unit_val_Adv_QR = 0;
    BARCODE_Unit_Is = 2;
    Ucontrol.clear();
    Rcontrol.clear();
    Ucontrol_Log.clear();
    BAR_CTRL = 0;
    Project_File_Name.clear();
    Project_File_Name_Barcode.clear();
    Start_Card_Option = QStringLiteral("T");
    Card_Shape = 0;
    Barcode_output_image.reset();
    Library_Selected_Image.clear();
    lib_window_sel_file.clear();
    Use_Data_Sheet_Values = Use_Excel_Binding_Values = Excel_Binding_Use = false;
    Total_Batch_Excel_Card = 0;
    Total_Barcode_Label_wd_Batch = 1;
    Total_Label_Wd_PQ = 1;
    Print_Start = Print_End = 0;
    Stop_Processing_Now = false;
    Card_Value_In_Process = false;
    Export_File_Path.clear();
    Export_File_Message.clear();
    export_card_side.clear();
    printInfo.reset();
    replace_keep_file_flag = 0;
    Msg_Apply_All_Chk = Msg_Apply_All_Chk_for_in_use = false;
    yes_no_msg_val = false;
    Cutom_Msg_Title.clear();
    Cutom_Msg_Val.clear();
    save_flag_des_mode = save_flag_barcode_mode = false;
    QR_Val_Edit = false;
    Last_Selected_Index = -1;
    clear_PQ_Flag = false;
    Excel_Source_Path.clear();
    Total_Label = 1;
    Reset_Cascade_Position();
    file_name_exported.clear();
    file_prefix_exported.clear();
    file_sufix_exported.clear();
    file_series_exported.clear();
    file_exl_col_exported = 0;
    file_path_ext.clear();
    file_export_Path.clear();
    export_card_counter = 0;
    Export_Any_File = false;
    Reset_Sheet_Layout();
}

// ---- Cascade position of new objects ----
float last_ctrl_X = 10.0f;
float last_ctrl_Y = 10.0f;
float last_ctrl_X_Exeed_Count = 2.0f;
float last_ctrl_Y_Exeed_Count = 2.0f;

void Reset_Cascade_Position()
{
    last_ctrl_X = last_ctrl_Y = 10.0f;
    last_ctrl_X_Exeed_Count = last_ctrl_Y_Exeed_Count = 2.0f;
    // ---- Label stock and new designs ----
    Selected_Template_Path = QStringLiteral("");
    Sel_Template_Category = QStringLiteral("A");
    custom_prod_name.clear();
    cus_or_pre = QStringLiteral("C");
    Manual_or_Pre = 0;
    predef_page_wdt = predef_page_hgt = 0;
}

// ---- Exit, file commands and the export sheet ----
QString file_name_exported;
QString file_prefix_exported;
QString file_sufix_exported;
QString file_series_exported;
int file_exl_col_exported = 0;
QString file_path_ext;
QString file_export_Path;
int export_card_counter = 0;
bool Export_Any_File = false;
