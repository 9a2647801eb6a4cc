#pragma once
// The shared state of the Barcode mode and its symbol settings, under its own names; each line says
// who writes it, and its initial value where that is not plain (0, false, empty, none). The 2D
// drawing state shared with the Advanced QR mode and the design is in core/SymbolGlobals.h.

#include "core/SymbolGlobals.h"

#include <QString>
#include <atomic>

class Barcode_Gen;

extern Barcode_Gen *Barcode_Gen_Var;        // the barcode-object window when it is built; its destructor clears it
extern QString def_barcode_hdr_str;         // "HEADER", the header of a new barcode; not written after start-up

extern int QR_Enc_Mode_Val;               // the main window's combo dispatch: the Barcode mode's QR combos, as indexes
extern int QR_Version_Val;                // the combo dispatch and the barcode project reader; -1 automatic
extern int QR_EC_Level_Val;               // the combo dispatch and the barcode project reader
extern int Last_Selected_Index;           // the combo dispatch and the value list: the series record chosen last; -1
extern bool save_flag_barcode_mode;       // the Barcode mode's change handlers set it; saving and loading clear it
