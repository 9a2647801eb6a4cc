#pragma once
// The globals shared by every subsystem, under their own names, with their initial values.
// Flags and numbers that a worker thread reads while the GUI thread writes them are atomic.

#include <QList>
#include <QString>
#include <atomic>
#include <memory>

class SKTWindowController;
class Barcode_Gen;
class DesignSnapshot;
class QImage;
namespace platform { class Picture; class PrintInfo; }

// The edition of this build. Defined in one file, the only one compiled with the edition's flags,
// so that every other file compiles alike in every edition.
extern const bool ONLY_STD_MODE;
extern const bool ONLY_QR_MODE;

extern SKTWindowController *Main_App_wnd;
extern SKTWindowController *app_DefaultInstance;
extern Barcode_Gen *Barcode_Gen_Var;

extern QString Resource_Path;
extern QString Created_Resource_Path;
extern QString Data_Folder_Path;
extern QString Cropped_Img_Path;
extern QString custom_label_path;
extern QString print_profile_path;
extern const QString batch_file_EXT;        // "txt"
extern QString design_file_EXT;             // "qbf", "qlf" in the QR edition
extern const QString default_file_name;     // "Untitled"
extern const QString combo_first_Select;    // "<--Select-->"
extern QString def_barcode_hdr_str;         // "HEADER"
extern QString Text_Ctrl_Font;              // replaced at start-up by the system's general font
constexpr int Text_Ctrl_Font_Size = 12;

extern std::atomic<int> Barcode_Setting_Or_Designing_Mode;   // 0 Barcode, 1 Designing, 2 Advanced QR
extern bool form_is_loading;
extern bool Not_Draw_Only_Prop_Change;
extern std::atomic<bool> Type_draw_2d_flag;
extern std::atomic<int> USED_DPI_VALUE;
extern int QR_Enc_Mode_Val;
extern int QR_Version_Val;
extern int QR_EC_Level_Val;
extern int ADV_QR_Enc_Mode_Val;
extern int ADV_QR_Version_Val;
extern int ADV_QR_EC_Level_Val;
// The barcode-object window's QR encoding mode, version (-1 or 0 automatic, 1-40) and
// error-correction level, as indexes of its combos.
extern int DES_QR_Enc_Mode_Val;
extern int DES_QR_Version_Val;
extern int DES_QR_EC_Level_Val;
extern int Barcode_module_size;
extern int Measument_Unit_Is;
extern int Measument_Unit_Is_Barcode;
extern int Measument_Unit_Is_Adv_QR;
extern int last_unit_val;
extern int last_unit_val_Barcode;
extern int last_unit_val_Adv_QR;
extern int BARCODE_Unit_Is;

extern QList<std::shared_ptr<DesignSnapshot>> Ucontrol;       // undo stack
extern QList<std::shared_ptr<DesignSnapshot>> Rcontrol;       // redo stack
extern QList<std::shared_ptr<DesignSnapshot>> Ucontrol_Log;   // the floor of undo after a load
// The last number given to a barcode object's identifier "BAR_%d": raised before each use, 0 for
// a new design, so no identifier comes twice within a design.
extern int BAR_CTRL;

extern QString Project_File_Name;
extern QString Project_File_Name_Barcode;   // path of the current barcode project, "" for none
extern QString Start_Card_Option;           // "T" template, "W" wizard, "L" project file
extern int Card_Shape;                      // 0 rectangle, 1 rounded rectangle, 2 ellipse
extern std::shared_ptr<platform::Picture> Barcode_output_image;
extern QString Library_Selected_Image;
extern QString lib_window_sel_file;
extern bool Use_Data_Sheet_Values;
extern bool Use_Excel_Binding_Values;
extern bool Excel_Binding_Use;
extern int Total_Batch_Excel_Card;
extern int Total_Barcode_Label_wd_Batch;
extern int Total_Label_Wd_PQ;
extern int Print_Start;
extern int Print_End;
extern std::atomic<bool> Stop_Processing_Now;
extern std::atomic<bool> Card_Value_In_Process;
extern QString Export_File_Path;
extern QString Export_File_Message;
extern QString export_card_side;
extern std::shared_ptr<platform::PrintInfo> printInfo;
extern int replace_keep_file_flag;
extern bool Msg_Apply_All_Chk;
extern bool Msg_Apply_All_Chk_for_in_use;
extern std::atomic<bool> yes_no_msg_val;
extern QString Cutom_Msg_Title;
extern QString Cutom_Msg_Val;
extern const QString invalid_barcode_msg;   // "Invalid barcode value or value is too long."
constexpr double targetWidth = 200.0;
constexpr double targetHeight = 200.0;
extern bool save_flag_des_mode;
extern bool save_flag_barcode_mode;
extern bool QR_Val_Edit;
extern int Last_Selected_Index;
extern bool clear_PQ_Flag;                // the clear commands store print quantities as given
extern bool data_source_change_main;      // the combo dispatch is refilling Batch_Series itself
extern bool data_source_change;           // the barcode-object window is refilling its binding combos
extern bool Use_Org_image_Or_Shred_it;    // a chosen picture is used as it is (the size check clears it)
extern bool call_rhs_prop_on_fill_list;   // a record-list selection refreshes the property sidebar

// ---- Design backup and record list ----
extern QString Excel_Source_Path;   // the path of the workbook linked to the design
extern int Total_Label;             // the records of an output run (1 in Advanced QR mode)
// ---- Cascade position of new objects ----
// The last cascade position in points and the wrap offsets of each axis; a new or reopened design
// puts them back to their initial values.
extern float last_ctrl_X;               // 10
extern float last_ctrl_Y;               // 10
extern float last_ctrl_X_Exeed_Count;   // 2
extern float last_ctrl_Y_Exeed_Count;   // 2
void Reset_Cascade_Position();
// ---- Label stock and new designs ----
extern QString Selected_Template_Path;   // design file of the template chosen in a gallery; "" for a blank design
extern QString Sel_Template_Category;    // the wizard's template category: "A", "P", "S", "B", "R", "O" or "U"
extern quint64 User_Defined_File;        // numbers the user templates' thumbnails; never reset
extern QString custom_prod_name;         // the cleaned name chosen in the custom product name dialog
extern QString cus_or_pre;               // print window, predefined layout: "C" custom products, "P" a catalogue
extern int Manual_or_Pre;                // print window: 0 manual layout, 1 predefined layout
extern float predef_page_wdt;            // print window: the predefined layout's page, points
extern float predef_page_hgt;
// ---- Sheet layout of printing and PDF export ----
// Lengths in points (72 per inch), single precision; written by the print and PDF dialogs, read by
// the print view, the PDF writer and the sheet preview.
extern float label_width;          // one cell of the grid
extern float label_hight;
extern float Real_label_width;     // the label picture itself: always the manual size fields
extern float Real_label_hight;
extern float Left_Mar;             // distance of the usable area from each paper edge
extern float Rite_Mar;
extern float Top_Mar;
extern float Bot_Mar;
extern float horz_mar;             // gap between columns, and between rows; auto-centre's even spacing
extern float vert_mar;
extern int Print_Row;              // rows and columns of cells per sheet after the fit (1)
extern int Print_Col;
extern int label_align_val;        // block alignment 1-9, top-left to bottom-right, row by row (1)
extern int label_align_val_bkup;   // the manual layout's alignment while the predefined one forces 1 (1)
extern bool auto_center_flag;      // cells spread evenly over the usable area
extern bool Fit_Picture_To_Frame;  // one cell of the imageable area
extern bool Enable_Crop_Marks;
extern bool Show_margin_rect;      // the preview outlines each cell (YES)
extern bool skip_invalid_barcode;  // records without a symbol give their cell to the next record
extern bool print_wd_pq_opt;       // Barcode mode: each record repeated by its print quantity
extern int Total_Label_Real;       // Total_Label as fixed when a print job starts (1)
extern std::shared_ptr<platform::Picture> Barcode_Image;   // the picture of every label without batch data
extern QImage preview_image;       // the sheet preview's bitmap, of the paper's size
extern bool Use_Barocde_In_Center; // Barcode mode: each picture keeps its size, centred in its cell
extern bool PDF_View_Not_Print;    // the sheet preview serves the PDF dialog
extern bool PDF_Use_Label_Size;    // PDF dialog: pages of the label's size

// ---- Exit, file commands and the export sheet ----
// The choices the label export sheet's OK leaves for the export it starts, and the state of one
// export run (one at a time).
extern QString file_name_exported;      // naming token ("<DEF>", "<SN>", ...) or the custom name
extern QString file_prefix_exported;    // trimmed prefix, or ""
extern QString file_sufix_exported;     // trimmed suffix, or ""
extern QString file_series_exported;    // chosen series name, or spreadsheet column title
extern int file_exl_col_exported;       // chosen spreadsheet column
extern QString file_path_ext;           // extension of the chosen format
extern QString file_export_Path;        // destination folder
extern int export_card_counter;         // records passed so far in the export
extern bool Export_Any_File;            // set once any file of the export was written
// Puts every global back to its initial value (tests).
void resetGlobalsForTests();
