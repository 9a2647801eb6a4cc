#include "app/HubProjectsSide.h"

#include "app/SKTWindowController.h"
#include "barcodemode/BarcodeModeProjectsSide.h"
#include "barcodemode/Barcode_Gen.h"
#include "design/DesignParts.h"
#include "design/DesignProjectsSide.h"
#include "design/RecordBinding.h"
#include "model/SKTGraphic.h"
#include "projects/ProjectsSources.h"

#include <QMainWindow>

QWidget *HubProjectsSide::builtWindow() const { return hub.window_; }

QString HubProjectsSide::App_Name() const { return hub.App_Name; }

QStringList HubProjectsSide::Allowd_Image_fileTypes() const { return hub.Allowd_Image_fileTypes; }

SKTDocument *HubProjectsSide::document() const { return hub.document(); }

void HubProjectsSide::Show_Hide_Main_Window(bool show) { hub.Show_Hide_Main_Window(show); }

void HubProjectsSide::Barcode_Mode_Select() { hub.Barcode_Mode_Select(); }

void HubProjectsSide::Designing_Mode_Select() { hub.Designing_Mode_Select(); }

void HubProjectsSide::Set_Des_Mode_Save_Flag_False() { hub.Set_Des_Mode_Save_Flag_False(); }

void HubProjectsSide::Set_Barcode_Mode_Save_Flag_False() { hub.Set_Barcode_Mode_Save_Flag_False(); }

void HubProjectsSide::Set_Logo_Item_List_EMPTY() { hub.Set_Logo_Item_List_EMPTY(); }

const platform::PrintInfo *HubProjectsSide::getPrintInfo() const { return hub.getPrintInfo(); }

void HubProjectsSide::setPrintInfo(const platform::PrintInfo &info) { hub.setPrintInfo(info); }

platform::Picture HubProjectsSide::Get_Image_From_Val(const SKTGraphic &object, const QString &value)
{
    Barcode_Gen &window = hub.barcodeGen();
    window.Set_Barcode_Prop_To_Control(object, true);
    return window.Get_Image_From_Val(value, object.header_val, object.footer_val);
}

void HubProjectsSide::Add_Excel_Col_Name_In_Combo()
{
    recordsOf(hub.design()).Add_Excel_Col_Name_In_Combo(hub.barcodeGen().Data_source_type);
}

void HubProjectsSide::Remove_Excel_Col_Name_In_Combo()
{
    recordsOf(hub.design()).Remove_Excel_Col_Name_In_Combo(hub.barcodeGen().Data_source_type);
}

ProjectsSources Make_Projects_Sources(SKTWindowController &hub)
{
    ProjectsSources s;
    s.host = std::make_unique<HubProjectsSide>(hub);
    s.design = std::make_unique<DesignProjectsSide>(hub.design());
    s.barcode = std::make_unique<BarcodeModeProjectsSide>(hub.barcodeMode());
    return s;
}
