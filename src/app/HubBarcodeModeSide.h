#pragma once
// The hub as the Barcode mode sees it (BarcodeModeHost), and the making of every source the mode
// reads: the hub's side, the Advanced QR mode's, the design's and the value-list windows'.

#include "app/BarcodeModeHost.h"

#include <memory>

struct BarcodeModeSources;
class SKTWindowController;

class HubBarcodeModeSide final : public BarcodeModeHost {
public:
    explicit HubBarcodeModeSide(SKTWindowController &hub) : hub(hub) {}

    void Set_Barcode_Mode_Save_Flag_TRUE() override;
    void Designing_Mode_Select() override;
    void Show_Create_Modeless() override;
    void Hide_Destroy_Modeless() override;
    void seriesListChosen(QComboBox *list, QComboBox *value, QLineEdit *name) override;
    void Mark_Fill_List_New_Selection_Design(int row) override;
    LogoItemList &logoList() override;

private:
    SKTWindowController &hub;
};

// The sources of the Barcode mode; call once the subsystems' controllers exist.
std::unique_ptr<BarcodeModeSources> Make_Barcode_Mode_Sources(SKTWindowController &hub);
