#pragma once
// The state that several subsystems share, under its own names, grouped by subsystem; each line says
// who writes it, and its initial value where that is not plain (0, false, empty, none). State that
// one class alone reads and writes lives with that class.
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

// ---- Edition ----
// Defined in one file, the only one compiled with the edition's flags, so that every other file
// compiles alike in every edition.
extern const bool ONLY_STD_MODE;   // never written: Barcode and Designing modes only
extern const bool ONLY_QR_MODE;    // never written: Advanced QR and Designing modes only

// ---- Shell: the main window, folders and fixed names ----
extern SKTWindowController *Main_App_wnd;   // the hub's constructor; its destructor clears it
extern Barcode_Gen *Barcode_Gen_Var;        // the barcode-object window when it is built; its destructor clears it
extern QString Resource_Path;               // the hub's constructor: the read-only resource folder
extern QString Created_Resource_Path;       // the hub's constructor: the per-user data folder
extern QString Data_Folder_Path;            // window set-up: the series folder "DataSet" of the data folder
extern QString Cropped_Img_Path;            // Check_Path_And_Create_Files: the cropping tool's output folder
extern QString custom_label_path;           // Check_Path_And_Create_Files: the custom label-stock products
extern QString print_profile_path;          // Check_Path_And_Create_Files: the print profiles
extern const QString batch_file_EXT;        // never written: "txt", the series files' extension
extern QString design_file_EXT;             // window set-up: "qbf", "qlf" in the QR edition
extern const QString default_file_name;     // never written: "Untitled"
extern const QString combo_first_Select;    // never written: "<--Select-->", item 0 of every series combo
extern QString def_barcode_hdr_str;         // "HEADER", the header of a new barcode; not written after start-up
extern QString Text_Ctrl_Font;              // the hub's constructor: the system's general font ("Arial" before)
constexpr int Text_Ctrl_Font_Size = 12;
extern const QString invalid_barcode_msg;   // never written: "Invalid barcode value or value is too long."
constexpr double targetWidth = 200.0;       // the box a QR logo is scaled into
constexpr double targetHeight = 200.0;

// ---- Modes, and the symbol settings of the main window ----
// The mode switch and the barcode project reader: 0 Barcode, 1 Designing, 2 Advanced QR.
extern std::atomic<int> Barcode_Setting_Or_Designing_Mode;
extern bool form_is_loading;              // window set-up and the mode switch, while they fill controls
extern bool Not_Draw_Only_Prop_Change;    // whoever fills controls from stored values, for that time only
extern std::atomic<bool> Type_draw_2d_flag;   // the quick previews; the 2D drawing clears it after drawing
extern std::atomic<int> USED_DPI_VALUE;   // the DPI choices of the Barcode mode and the barcode-object window; 600
extern int QR_Enc_Mode_Val;               // the main window's combo dispatch: the Barcode mode's QR combos, as indexes
extern int QR_Version_Val;                // the combo dispatch and the barcode project reader; -1 automatic
extern int QR_EC_Level_Val;               // the combo dispatch and the barcode project reader
extern int ADV_QR_Enc_Mode_Val;           // the combo dispatch: the Advanced QR mode's QR combos, as indexes
extern int ADV_QR_Version_Val;            // the combo dispatch; -1 automatic
extern int ADV_QR_EC_Level_Val;           // the combo dispatch
extern int Barcode_module_size;           // the 2D drawing before each symbol: module size in points; 1
extern bool QR_Val_Edit;                  // the QR-value edit commands, while the payload editor is open
extern int Last_Selected_Index;           // the combo dispatch and the value list: the series record chosen last; -1
extern bool data_source_change_main;      // the combo dispatch, while it refills the sidebar's series combo itself
extern bool call_rhs_prop_on_fill_list;   // the combo dispatch clears it while it rebinds an object; true
extern bool save_flag_des_mode;           // the Designing mode's change handlers set it; saving and loading clear it
extern bool save_flag_barcode_mode;       // the Barcode mode's change handlers set it; saving and loading clear it

// ---- Units of each mode: 0 inch, 1 centimetre, 2 millimetre ----
extern int Measument_Unit_Is;             // window set-up (2) and the unit panel: the Designing mode's
extern int Measument_Unit_Is_Barcode;     // window set-up (1), the unit panel and the barcode project reader
extern int Measument_Unit_Is_Adv_QR;      // window set-up (1) and the unit panel
extern int last_unit_val;                 // the writers of the unit above it: the unit before the last change
extern int last_unit_val_Barcode;         // the same, for the Barcode mode
extern int last_unit_val_Adv_QR;          // the same, for the Advanced QR mode
extern int BARCODE_Unit_Is;               // the barcode-object window, on every load: its size fields' unit; 2

// ---- Designing mode: history, objects and pictures ----
// Undo and redo write the two stacks, a new or loaded project empties them; the project reader records
// the floor of undo after a load and the project reset empties it.
extern QList<std::shared_ptr<DesignSnapshot>> Ucontrol;
extern QList<std::shared_ptr<DesignSnapshot>> Rcontrol;
extern QList<std::shared_ptr<DesignSnapshot>> Ucontrol_Log;
extern int BAR_CTRL;                      // the canvas, before it numbers a barcode "BAR_%d"; the project reset
extern int Card_Shape;                    // the wizard, the card info page: 0 rectangle, 1 rounded rectangle, 2 ellipse
// The barcode-object window and the sidebar: the barcode image rendered last.
extern std::shared_ptr<platform::Picture> Barcode_output_image;
extern QString Library_Selected_Image;    // the image library and browse commands: the picture picked last
extern QString lib_window_sel_file;       // the image library window: the file chosen in it
extern bool Use_Org_image_Or_Shred_it;    // the picture size check clears it when a picture must be cut down
extern std::atomic<bool> Card_Value_In_Process;   // the batch fill, while it fills a record: the canvas is not redrawn
extern QString export_card_side;          // the export sheet and template export: "F", "B" or "BOTH"

// ---- Projects and new designs ----
extern QString Project_File_Name;         // project saving, loading and reset, template export: "" for a new project
// The start window, the wizard and the project readers: "T" template (initially), "W" wizard, "L" file.
extern QString Start_Card_Option;
extern QString Selected_Template_Path;    // the template galleries and the start flow: "" for a blank design
extern QString Excel_Source_Path;         // the workbook link, the start window and the project reader

// ---- Batch data ----
extern bool Use_Data_Sheet_Values;        // the Barcode mode's batch settings, the sidebar binding, the export range
extern bool Use_Excel_Binding_Values;     // the sidebar binding and the export range
extern bool Excel_Binding_Use;            // the workbook link, the project reader and the project reset
extern int Total_Batch_Excel_Card;        // the batch binding and the batch count: the records of the batch
extern int Total_Barcode_Label_wd_Batch;  // the batch count: the Barcode mode's records; 1

// ---- Output: sheet layout, export runs and the progress sheet ----
// setPrintInfo of the hub, of the document and of the print and PDF windows: the shared page setup.
extern std::shared_ptr<platform::PrintInfo> printInfo;
extern int Total_Label_Wd_PQ;             // the print and PDF windows: labels with every print quantity counted; 1
extern int Print_Start;                   // the export sheet and export runs: the first record, 0-based
extern int Print_End;                     // the export sheet and export runs: the last record, 1-based
extern int Total_Label;                   // the batch count, the export sheet and runs: the records of a run; 1
extern QString cus_or_pre;                // the print window: "C" custom products, "P" a catalogue; "C"
extern int Manual_or_Pre;                 // the print window: 0 manual layout, 1 predefined layout
extern float predef_page_wdt;             // the print window: the predefined layout's page, points
extern float predef_page_hgt;             // the print window: the predefined layout's page, points
extern QString file_name_exported;        // the export sheet's OK: a naming token ("<DEF>", ...) or the custom name
extern QString file_prefix_exported;      // the export sheet's OK: trimmed prefix, or ""
extern QString file_sufix_exported;       // the export sheet's OK: trimmed suffix, or ""
extern QString file_series_exported;      // the export sheet's OK: the series name or spreadsheet column title
extern int file_exl_col_exported;         // the export sheet's OK: the spreadsheet column
extern QString file_path_ext;             // the export sheet's OK: the chosen format's extension
extern QString file_export_Path;          // the export sheet's OK: the destination folder
extern int export_card_counter;           // export commands reset it; the export counts the records passed
extern bool Export_Any_File;              // export commands clear it; the writer sets it for each file written
extern QString Export_File_Path;          // every export, for the export-done box, which clears it
extern QString Export_File_Message;       // every export, for the export-done box, which clears it
extern int replace_keep_file_flag;        // the keep/replace prompt; jobs reset it: 0 replace ... 5 cancel all
extern std::atomic<bool> Stop_Processing_Now;   // the progress sheet's Stop and the prompt; cleared when a run starts

// ---- Output: the sheet layout of printing and PDF export ----
// Lengths in points (72 per inch), single precision; the print and PDF windows write them, the print
// view, the PDF writer and the sheet preview read them.
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

// ---- Messages ----
extern std::atomic<bool> yes_no_msg_val;  // Show_YES_NO_MessageBox: its last answer, 1 Yes
extern bool Msg_Apply_All_Chk;            // the long-message dialog's apply-to-all box; jobs clear it
extern bool Msg_Apply_All_Chk_for_in_use; // the same box in its single-button form; jobs clear it
extern QString Cutom_Msg_Title;           // each help button, for the long-message dialog
extern QString Cutom_Msg_Val;             // each help button, for the long-message dialog

// Puts every global above back to its initial value (tests).
void resetGlobalsForTests();
