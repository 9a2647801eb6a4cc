#include "app/HubAdvQrSide.h"

#include "advqr/AdvQrSources.h"
#include "app/SKTWindowController.h"
#include "barcodemode/BarcodeModeAdvQrSide.h"
#include "design/DesignAdvQrSide.h"

void HubAdvQrSide::Set_Qr_Type_Value_Main_Or_Barcode_Wnd() { hub.Set_Qr_Type_Value_Main_Or_Barcode_Wnd(); }

void HubAdvQrSide::Designing_Mode_Select() { hub.Designing_Mode_Select(); }

std::unique_ptr<AdvQrSources> Make_Adv_Qr_Sources(SKTWindowController &hub)
{
    auto s = std::make_unique<AdvQrSources>();
    s->host = std::make_unique<HubAdvQrSide>(hub);
    s->barcode = std::make_unique<BarcodeModeAdvQrSide>(hub.barcodeMode());
    s->design = std::make_unique<DesignAdvQrSide>(hub.design());
    return s;
}
