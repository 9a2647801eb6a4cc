#pragma once
// The hub as the Advanced QR mode sees it (AdvQrHost), and the making of every source the mode
// reads: the hub's side, the Barcode mode's and the design's.

#include "app/AdvQrHost.h"

#include <memory>

struct AdvQrSources;
class SKTWindowController;

class HubAdvQrSide final : public AdvQrHost {
public:
    explicit HubAdvQrSide(SKTWindowController &hub) : hub(hub) {}
    void Set_Qr_Type_Value_Main_Or_Barcode_Wnd() override;
    void Designing_Mode_Select() override;

private:
    SKTWindowController &hub;
};

// The sources of the Advanced QR mode; call once the subsystems' controllers exist.
std::unique_ptr<AdvQrSources> Make_Adv_Qr_Sources(SKTWindowController &hub);
