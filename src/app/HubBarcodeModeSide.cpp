#include "app/HubBarcodeModeSide.h"

#include "advqr/AdvQrBarcodeModeSide.h"
#include "app/SKTWindowController.h"
#include "barcodemode/BarcodeModeSources.h"
#include "data/DataBarcodeModeSide.h"
#include "design/DesignBarcodeModeSide.h"

void HubBarcodeModeSide::Set_Barcode_Mode_Save_Flag_TRUE() { hub.Set_Barcode_Mode_Save_Flag_TRUE(); }

void HubBarcodeModeSide::Designing_Mode_Select() { hub.Designing_Mode_Select(); }

void HubBarcodeModeSide::Show_Create_Modeless() { hub.Show_Create_Modeless(); }

void HubBarcodeModeSide::Hide_Destroy_Modeless() { hub.Hide_Destroy_Modeless(); }

void HubBarcodeModeSide::seriesListChosen(QComboBox *list, QComboBox *value, QLineEdit *name)
{
    hub.seriesListChosen(list, value, name);
}

void HubBarcodeModeSide::Mark_Fill_List_New_Selection_Design(int row) { hub.Mark_Fill_List_New_Selection_Design(row); }

LogoItemList &HubBarcodeModeSide::logoList() { return hub.logoList; }

std::unique_ptr<BarcodeModeSources> Make_Barcode_Mode_Sources(SKTWindowController &hub)
{
    auto s = std::make_unique<BarcodeModeSources>();
    s->host = std::make_unique<HubBarcodeModeSide>(hub);
    s->advQr = std::make_unique<AdvQrBarcodeModeSide>(hub.advQr());
    s->design = std::make_unique<DesignBarcodeModeSide>(hub.design());
    s->valueListWindows = std::make_unique<DataBarcodeModeSide>();
    return s;
}
