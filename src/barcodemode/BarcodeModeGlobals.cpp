#include "barcodemode/BarcodeModeGlobals.h"

#include "core/Globals.h"

Barcode_Gen *Barcode_Gen_Var = nullptr;
QString def_barcode_hdr_str = QStringLiteral("HEADER");
std::atomic<bool> Type_draw_2d_flag{false};
std::atomic<int> USED_DPI_VALUE{600};
int QR_Enc_Mode_Val = 0;
int QR_Version_Val = 0;
int QR_EC_Level_Val = 0;
int Barcode_module_size = 1;
bool QR_Val_Edit = false;
int Last_Selected_Index = -1;
bool save_flag_barcode_mode = false;

namespace {

void resetBarcodeModeGlobals()
{
    Barcode_Gen_Var = nullptr;
    def_barcode_hdr_str = QStringLiteral("HEADER");
    Type_draw_2d_flag = false;
    USED_DPI_VALUE = 600;
    QR_Enc_Mode_Val = QR_Version_Val = QR_EC_Level_Val = 0;
    Barcode_module_size = 1;
    QR_Val_Edit = false;
    Last_Selected_Index = -1;
    save_flag_barcode_mode = false;
}

const bool registered = registerGlobalsReset(&resetBarcodeModeGlobals);

} // namespace
