#pragma once
// The Advanced QR mode's QR combos as the main window's combo dispatch stores them, as indexes.

extern int ADV_QR_Enc_Mode_Val;
extern int ADV_QR_Version_Val;            // -1 automatic
extern int ADV_QR_EC_Level_Val;
