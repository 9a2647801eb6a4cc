#include "barcodemode/BarcodeModeGlobals.h"

#include "core/GlobalsReset.h"

Barcode_Gen *Barcode_Gen_Var = nullptr;
QString def_barcode_hdr_str = QStringLiteral("HEADER");
int QR_Enc_Mode_Val = 0;
int QR_Version_Val = 0;
int QR_EC_Level_Val = 0;
int Last_Selected_Index = -1;
bool save_flag_barcode_mode = false;

namespace {

void resetBarcodeModeGlobals()
{
    Barcode_Gen_Var = nullptr;
    def_barcode_hdr_str = QStringLiteral("HEADER");
    QR_Enc_Mode_Val = QR_Version_Val = QR_EC_Level_Val = 0;
    Last_Selected_Index = -1;
    save_flag_barcode_mode = false;
}

const bool registered = registerGlobalsReset(&resetBarcodeModeGlobals);

} // namespace
