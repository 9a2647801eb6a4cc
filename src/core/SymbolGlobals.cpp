#include "core/SymbolGlobals.h"

#include "core/GlobalsReset.h"

std::atomic<bool> Type_draw_2d_flag{false};
std::atomic<int> USED_DPI_VALUE{600};
int Barcode_module_size = 1;
bool QR_Val_Edit = false;

namespace {

void resetSymbolGlobals()
{
    Type_draw_2d_flag = false;
    USED_DPI_VALUE = 600;
    Barcode_module_size = 1;
    QR_Val_Edit = false;
}

const bool registered = registerGlobalsReset(&resetSymbolGlobals);

} // namespace
