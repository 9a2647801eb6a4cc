#pragma once
// What the Advanced QR mode needs of the hub: the router of the QR input panels' edits (to the
// payload editor while it is open, else to this mode) and the switch to the Designing mode. The hub
// implements it (app/HubAdvQrSide.h).

class AdvQrHost {
public:
    virtual ~AdvQrHost() = default;
    virtual void Set_Qr_Type_Value_Main_Or_Barcode_Wnd() = 0;
    virtual void Designing_Mode_Select() = 0;
};
