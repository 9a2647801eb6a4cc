#pragma once
// The shared state of the Barcode mode and its symbol settings, under its own names; each line says
// who writes it, and its initial value where that is not plain (0, false, empty, none).

#include <QString>
#include <atomic>

class Barcode_Gen;

extern Barcode_Gen *Barcode_Gen_Var;        // the barcode-object window when it is built; its destructor clears it
extern QString def_barcode_hdr_str;         // "HEADER", the header of a new barcode; not written after start-up
constexpr double targetWidth = 200.0;       // the box a QR logo is scaled into
constexpr double targetHeight = 200.0;

extern std::atomic<bool> Type_draw_2d_flag;   // the quick previews; the 2D drawing clears it after drawing
extern std::atomic<int> USED_DPI_VALUE;   // the DPI choices of the Barcode mode and the barcode-object window; 600
extern int QR_Enc_Mode_Val;               // the main window's combo dispatch: the Barcode mode's QR combos, as indexes
extern int QR_Version_Val;                // the combo dispatch and the barcode project reader; -1 automatic
extern int QR_EC_Level_Val;               // the combo dispatch and the barcode project reader
extern int Barcode_module_size;           // the 2D drawing before each symbol: module size in points; 1
extern bool QR_Val_Edit;                  // the QR-value edit commands, while the payload editor is open
extern int Last_Selected_Index;           // the combo dispatch and the value list: the series record chosen last; -1
extern bool save_flag_barcode_mode;       // the Barcode mode's change handlers set it; saving and loading clear it
