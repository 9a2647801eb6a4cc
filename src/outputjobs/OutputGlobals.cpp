#include "outputjobs/OutputGlobals.h"

#include "core/GlobalsReset.h"
#include "platform/Picture.h"

#include <QImage>

bool Use_Data_Sheet_Values = false;
bool Use_Excel_Binding_Values = false;
bool Excel_Binding_Use = false;
int Total_Batch_Excel_Card = 0;
int Total_Barcode_Label_wd_Batch = 1;

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

void resetOutputGlobals()
{
    Use_Data_Sheet_Values = Use_Excel_Binding_Values = Excel_Binding_Use = false;
    Total_Batch_Excel_Card = 0;
    Total_Barcode_Label_wd_Batch = 1;
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

const bool registered = registerGlobalsReset(&resetOutputGlobals);

} // namespace
