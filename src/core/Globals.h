#pragma once
// The shell's state that the whole window shares, under its own names: the main window, fixed names,
// the text font and the shared page setup. Each line says who writes it, and its initial value where
// that is not plain (0, false, empty, none). Shared state lives beside its owner: the edition in
// core/Edition.h, the mode in core/Mode.h, the units in core/Units.h, the folders in
// core/UserFolders.h, the messages' and prompts' state in core/Messages.h, the 2D drawing state in
// core/SymbolGlobals.h; a subsystem's own in barcodemode/BarcodeModeGlobals.h, advqr/AdvQrGlobals.h,
// model/DesignGlobals.h (the Designing mode and projects) and outputjobs/OutputGlobals.h (batch
// counts, export runs and the sheet layout). State that one class alone reads and writes lives with
// that class. Flags and numbers that a worker thread reads while the GUI thread writes them are atomic.

#include <QString>
#include <memory>

class SKTWindowController;
namespace platform { class PrintInfo; }

extern SKTWindowController *Main_App_wnd;   // the hub's constructor; its destructor clears it
extern const QString batch_file_EXT;        // never written: "txt", the series files' extension
extern QString design_file_EXT;             // window set-up: "qbf", "qlf" in the QR edition
extern const QString default_file_name;     // never written: "Untitled"
extern const QString combo_first_Select;    // never written: "<--Select-->", item 0 of every series combo
extern QString Text_Ctrl_Font;              // the hub's constructor: the system's general font ("Arial" before)
constexpr int Text_Ctrl_Font_Size = 12;
extern const QString invalid_barcode_msg;   // never written: "Invalid barcode value or value is too long."
extern bool Use_Org_image_Or_Shred_it;      // the picture size check clears it when a picture must be cut down
// setPrintInfo of the hub and of the print and PDF windows: the shared page setup.
extern std::shared_ptr<platform::PrintInfo> printInfo;
