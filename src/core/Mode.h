#pragma once
// The working mode of the main window, and the flags that say its controls are being filled by code
// rather than by the user. Each line says who writes it.

#include <atomic>

// The mode switch and the barcode project reader: 0 Barcode, 1 Designing, 2 Advanced QR.
extern std::atomic<int> Barcode_Setting_Or_Designing_Mode;
extern bool form_is_loading;              // window set-up and the mode switch, while they fill controls
extern bool Not_Draw_Only_Prop_Change;    // whoever fills controls from stored values, for that time only
