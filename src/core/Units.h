#pragma once
// The length unit of each mode: 0 inch, 1 centimetre, 2 millimetre. Each line says who writes it,
// and its initial value where that is not 0.

extern int Measument_Unit_Is;             // window set-up (2) and the unit panel: the Designing mode's
extern int Measument_Unit_Is_Barcode;     // window set-up (1), the unit panel and the barcode project reader
extern int Measument_Unit_Is_Adv_QR;      // window set-up (1) and the unit panel
extern int last_unit_val;                 // the writers of the unit above it: the unit before the last change
extern int last_unit_val_Barcode;         // the same, for the Barcode mode
extern int last_unit_val_Adv_QR;          // the same, for the Advanced QR mode
extern int BARCODE_Unit_Is;               // the barcode-object window, on every load: its size fields' unit; 2
