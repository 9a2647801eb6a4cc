#include "app/HubOutputSide.h"

#include "advqr/AdvQrOutputSide.h"
#include "app/SKTWindowController.h"
#include "barcodemode/BarcodeModeOutputSide.h"
#include "design/DesignOutputSide.h"
#include "output/OutputSources.h"

#include <QMainWindow>

QWidget *HubOutputSide::window() { return hub.window(); }

bool HubOutputSide::isWindowLoaded() const { return hub.isWindowLoaded(); }

Send_Modeless *HubOutputSide::Progress_Sheet() const { return hub.send_modls_wnd; }

void HubOutputSide::Show_One_By_One_Modeless() { hub.Show_One_By_One_Modeless(); }

void HubOutputSide::Hide_One_By_One_Modeless() { hub.Hide_One_By_One_Modeless(); }

void HubOutputSide::setPrintInfo(const platform::PrintInfo &info) { hub.setPrintInfo(info); }

platform::Picture HubOutputSide::Invalid_Barcode_Data_Image() const { return hub.Invalid_Barcode_Data_Image; }

QString HubOutputSide::App_Name() const { return hub.App_Name; }

bool HubOutputSide::Set_Front_Back_Value_To_Print_Export_Mail() { return hub.Set_Front_Back_Value_To_Print_Export_Mail(); }

bool HubOutputSide::Create_Card_Design_Again() { return hub.Create_Card_Design_Again(); }

void HubOutputSide::Set_Graphic_Array_According_Side() { hub.Set_Graphic_Array_According_Side(); }

OutputSources Make_Output_Sources(SKTWindowController &hub)
{
    OutputSources s;
    s.host = std::make_unique<HubOutputSide>(hub);
    s.barcode = std::make_unique<BarcodeModeOutputSide>(hub.barcodeMode());
    s.advQr = std::make_unique<AdvQrOutputSide>(hub.advQr());
    s.design = std::make_unique<DesignOutputSide>(hub.design());
    return s;
}
