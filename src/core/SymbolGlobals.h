#pragma once
// The drawing state of the 2D symbols that the Barcode mode, the Advanced QR mode and the design
// share; each line says who writes it, and its initial value where that is not plain.

#include <atomic>

extern std::atomic<bool> Type_draw_2d_flag;   // the quick previews; the 2D drawing clears it after drawing
extern std::atomic<int> USED_DPI_VALUE;   // the DPI choices of the Barcode mode and the barcode-object window; 600
extern int Barcode_module_size;           // the 2D drawing before each symbol: module size in points; 1
extern bool QR_Val_Edit;                  // the QR-value edit commands, while the payload editor is open
