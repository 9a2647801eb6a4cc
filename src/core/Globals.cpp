#include "core/Globals.h"

#include <QImage>

// ---- Shell: the main window, folders and fixed names ----
SKTWindowController *Main_App_wnd = nullptr;
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
const QString invalid_barcode_msg = QStringLiteral("Invalid barcode value or value is too long.");

// ---- Modes, and the symbol settings of the main window ----
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
int Barcode_module_size = 1;
bool QR_Val_Edit = false;
int Last_Selected_Index = -1;
bool data_source_change_main = false;
bool call_rhs_prop_on_fill_list = true;
bool save_flag_des_mode = false;
bool save_flag_barcode_mode = false;

// ---- Units of each mode ----
int Measument_Unit_Is = 0;
int Measument_Unit_Is_Barcode = 0;
int Measument_Unit_Is_Adv_QR = 0;
int last_unit_val = 0;
int last_unit_val_Barcode = 0;
int last_unit_val_Adv_QR = 0;
int BARCODE_Unit_Is = 2;

// ---- Designing mode: history, objects and pictures ----
QList<std::shared_ptr<DesignSnapshot>> Ucontrol;
QList<std::shared_ptr<DesignSnapshot>> Rcontrol;
QList<std::shared_ptr<DesignSnapshot>> Ucontrol_Log;
int BAR_CTRL = 0;
int Card_Shape = 0;
std::shared_ptr<platform::Picture> Barcode_output_image;
QString Library_Selected_Image;
QString lib_window_sel_file;
bool Use_Org_image_Or_Shred_it = false;
std::atomic<bool> Card_Value_In_Process{false};
QString export_card_side;

// ---- Projects and new designs ----
QString Project_File_Name;
QString Start_Card_Option = QStringLiteral("T");
QString Selected_Template_Path = QStringLiteral("");
QString Excel_Source_Path;

// ---- Batch data ----
bool Use_Data_Sheet_Values = false;
bool Use_Excel_Binding_Values = false;
bool Excel_Binding_Use = false;
int Total_Batch_Excel_Card = 0;
int Total_Barcode_Label_wd_Batch = 1;

// ---- Output: sheet layout, export runs and the progress sheet ----
std::shared_ptr<platform::PrintInfo> printInfo;
int Total_Label_Wd_PQ = 1;
int Print_Start = 0;
int Print_End = 0;
int Total_Label = 1;
QString cus_or_pre = QStringLiteral("C");
int Manual_or_Pre = 0;
float predef_page_wdt = 0;
float predef_page_hgt = 0;
QString file_name_exported;
QString file_prefix_exported;
QString file_sufix_exported;
QString file_series_exported;
int file_exl_col_exported = 0;
QString file_path_ext;
QString file_export_Path;
int export_card_counter = 0;
bool Export_Any_File = false;
QString Export_File_Path;
QString Export_File_Message;
int replace_keep_file_flag = 0;
std::atomic<bool> Stop_Processing_Now{false};

// ---- Messages ----
std::atomic<bool> yes_no_msg_val{false};
bool Msg_Apply_All_Chk = false;
bool Msg_Apply_All_Chk_for_in_use = false;
QString Cutom_Msg_Title;
QString Cutom_Msg_Val;

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
    // Shell
    Main_App_wnd = nullptr;
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
    // Modes and symbol settings
    Barcode_Setting_Or_Designing_Mode = 0;
    form_is_loading = false;
    Not_Draw_Only_Prop_Change = false;
    Type_draw_2d_flag = false;
    USED_DPI_VALUE = 600;
    QR_Enc_Mode_Val = QR_Version_Val = QR_EC_Level_Val = 0;
    ADV_QR_Enc_Mode_Val = ADV_QR_Version_Val = ADV_QR_EC_Level_Val = 0;
    Barcode_module_size = 1;
    QR_Val_Edit = false;
    Last_Selected_Index = -1;
    data_source_change_main = false;
    call_rhs_prop_on_fill_list = true;
    save_flag_des_mode = save_flag_barcode_mode = false;
    // Units
    Measument_Unit_Is = Measument_Unit_Is_Barcode = Measument_Unit_Is_Adv_QR = 0;
    last_unit_val = last_unit_val_Barcode = last_unit_val_Adv_QR = 0;
    BARCODE_Unit_Is = 2;
    // Designing mode
    Ucontrol.clear();
    Rcontrol.clear();
    Ucontrol_Log.clear();
    BAR_CTRL = 0;
    Card_Shape = 0;
    Barcode_output_image.reset();
    Library_Selected_Image.clear();
    lib_window_sel_file.clear();
    Use_Org_image_Or_Shred_it = false;
    Card_Value_In_Process = false;
    export_card_side.clear();
    // Projects
    Project_File_Name.clear();
    Start_Card_Option = QStringLiteral("T");
    Selected_Template_Path = QStringLiteral("");
    Excel_Source_Path.clear();
    // Batch data
    Use_Data_Sheet_Values = Use_Excel_Binding_Values = Excel_Binding_Use = false;
    Total_Batch_Excel_Card = 0;
    Total_Barcode_Label_wd_Batch = 1;
    // Output
    printInfo.reset();
    Total_Label_Wd_PQ = 1;
    Print_Start = Print_End = 0;
    Total_Label = 1;
    cus_or_pre = QStringLiteral("C");
    Manual_or_Pre = 0;
    predef_page_wdt = predef_page_hgt = 0;
    file_name_exported.clear();
    file_prefix_exported.clear();
    file_sufix_exported.clear();
    file_series_exported.clear();
    file_exl_col_exported = 0;
    file_path_ext.clear();
    file_export_Path.clear();
    export_card_counter = 0;
    Export_Any_File = false;
    Export_File_Path.clear();
    Export_File_Message.clear();
    replace_keep_file_flag = 0;
    Stop_Processing_Now = false;
    // Messages
    yes_no_msg_val = false;
    Msg_Apply_All_Chk = Msg_Apply_All_Chk_for_in_use = false;
    Cutom_Msg_Title.clear();
    Cutom_Msg_Val.clear();
    // Sheet layout
    Reset_Sheet_Layout();
}
