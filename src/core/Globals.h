#pragma once
// The state that the whole window shares, under its own names: the edition, the shell (the main
// window, folders and fixed names), the mode, the units of each mode and the messages. Each line says
// who writes it, and its initial value where that is not plain (0, false, empty, none). The state of
// one subsystem lives with it: barcodemode/BarcodeModeGlobals.h, advqr/AdvQrGlobals.h,
// model/DesignGlobals.h (the Designing mode and projects) and outputjobs/OutputGlobals.h (batch
// counts, export runs and the sheet layout). State that one class alone reads and writes lives
// with that class.
// Flags and numbers that a worker thread reads while the GUI thread writes them are atomic.

#include <QString>
#include <atomic>
#include <memory>

class SKTWindowController;
namespace platform { class PrintInfo; }

// ---- Edition ----
// Defined in one file, the only one compiled with the edition's flags, so that every other file
// compiles alike in every edition.
extern const bool ONLY_STD_MODE;   // never written: Barcode and Designing modes only
extern const bool ONLY_QR_MODE;    // never written: Advanced QR and Designing modes only

// ---- Shell: the main window, folders and fixed names ----
extern SKTWindowController *Main_App_wnd;   // the hub's constructor; its destructor clears it
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
extern QString Text_Ctrl_Font;              // the hub's constructor: the system's general font ("Arial" before)
constexpr int Text_Ctrl_Font_Size = 12;
extern const QString invalid_barcode_msg;   // never written: "Invalid barcode value or value is too long."
extern bool Use_Org_image_Or_Shred_it;      // the picture size check clears it when a picture must be cut down
// setPrintInfo of the hub, of the document and of the print and PDF windows: the shared page setup.
extern std::shared_ptr<platform::PrintInfo> printInfo;

// ---- Mode ----
// The mode switch and the barcode project reader: 0 Barcode, 1 Designing, 2 Advanced QR.
extern std::atomic<int> Barcode_Setting_Or_Designing_Mode;
extern bool form_is_loading;              // window set-up and the mode switch, while they fill controls
extern bool Not_Draw_Only_Prop_Change;    // whoever fills controls from stored values, for that time only

// ---- Units of each mode: 0 inch, 1 centimetre, 2 millimetre ----
extern int Measument_Unit_Is;             // window set-up (2) and the unit panel: the Designing mode's
extern int Measument_Unit_Is_Barcode;     // window set-up (1), the unit panel and the barcode project reader
extern int Measument_Unit_Is_Adv_QR;      // window set-up (1) and the unit panel
extern int last_unit_val;                 // the writers of the unit above it: the unit before the last change
extern int last_unit_val_Barcode;         // the same, for the Barcode mode
extern int last_unit_val_Adv_QR;          // the same, for the Advanced QR mode
extern int BARCODE_Unit_Is;               // the barcode-object window, on every load: its size fields' unit; 2

// ---- Messages, and the prompts and Stop of long jobs ----
extern std::atomic<bool> yes_no_msg_val;  // Show_YES_NO_MessageBox: its last answer, 1 Yes
extern bool Msg_Apply_All_Chk;            // the long-message dialog's apply-to-all box; jobs clear it
extern bool Msg_Apply_All_Chk_for_in_use; // the same box in its single-button form; jobs clear it
extern QString Cutom_Msg_Title;           // each help button, for the long-message dialog
extern QString Cutom_Msg_Val;             // each help button, for the long-message dialog
extern QString Export_File_Path;          // every export, for the export-done box, which clears it
extern QString Export_File_Message;       // every export, for the export-done box, which clears it
extern int replace_keep_file_flag;        // the keep/replace prompt; jobs reset it: 0 replace ... 5 cancel all
extern std::atomic<bool> Stop_Processing_Now;   // the progress sheet's Stop and the prompt; cleared when a run starts
// Set while the progress sheet asks whether to stop: jobs start no further record meanwhile
// (pipeline::waitWhileHeld); cleared, with notify_all(), once it is answered.
extern std::atomic<bool> Stop_Question_Open;

// Puts every global back to its initial value, those of the subsystems' own files too (tests).
void resetGlobalsForTests();
// A subsystem's file of globals registers its reset once, as the program starts; answers true.
bool registerGlobalsReset(void (*reset)());
