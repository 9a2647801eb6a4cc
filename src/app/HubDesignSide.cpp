#include "app/HubDesignSide.h"

#include "advqr/AdvQrDesignSide.h"
#include "app/HelpAbout.h"
#include "app/SKTWindowController.h"
#include "barcodemode/BarcodeModeController.h"
#include "barcodemode/BarcodeModeDesignSide.h"
#include "data/DataDesignSide.h"
#include "design/DesignParts.h"
#include "design/DesignSources.h"
#include "imagetools/ImageToolsDesignSide.h"
#include "output/OutputDesignSide.h"
#include "projects/ProjectsDesignSide.h"

#include <QMainWindow>

SKTDocument *HubDesignSide::document() const { return hub.document(); }

QWidget *HubDesignSide::window() { return hub.window(); }

bool HubDesignSide::isWindowLoaded() const { return hub.isWindowLoaded(); }

QString HubDesignSide::App_Name() const { return hub.App_Name; }

QStringList HubDesignSide::Allowd_Image_fileTypes() const { return hub.Allowd_Image_fileTypes; }

QImage HubDesignSide::no_image() const { return hub.no_image; }

QImage HubDesignSide::sign_sample_img() const { return hub.sign_sample_img; }

QImage HubDesignSide::fp_sample_img() const { return hub.fp_sample_img; }

QImage HubDesignSide::front_btn_image_sel() const { return hub.front_btn_image_sel; }

QImage HubDesignSide::back_btn_image() const { return hub.back_btn_image; }

QAction *HubDesignSide::EDIT_MAIN_menu_item() const { return hub.EDIT_MAIN_menu_item; }

QAction *HubDesignSide::undo_menu() const { return hub.undo_menu; }

QAction *HubDesignSide::redo_menu() const { return hub.redo_menu; }

QAction *HubDesignSide::Cut_menu_item() const { return hub.Cut_menu_item; }

QAction *HubDesignSide::Copy_menu_item() const { return hub.Copy_menu_item; }

QAction *HubDesignSide::Paste_menu_item() const { return hub.Paste_menu_item; }

QAction *HubDesignSide::Delete_menu_item() const { return hub.Delete_menu_item; }

const platform::PrintInfo *HubDesignSide::getPrintInfo() const { return hub.getPrintInfo(); }

void HubDesignSide::setPrintInfo(const platform::PrintInfo &info) { hub.setPrintInfo(info); }

void HubDesignSide::Set_Des_Mode_Save_Flag_TRUE() { hub.Set_Des_Mode_Save_Flag_TRUE(); }

void HubDesignSide::Set_Des_Mode_Save_Flag_False() { hub.Set_Des_Mode_Save_Flag_False(); }

void HubDesignSide::Barcode_Mode_Select() { hub.Barcode_Mode_Select(); }

void HubDesignSide::Designing_Mode_Select() { hub.Designing_Mode_Select(); }

void HubDesignSide::dataSourceChosen() { hub.dataSourceChosen(); }

void HubDesignSide::seriesOrColumnChosen() { hub.seriesOrColumnChosen(); }

void HubDesignSide::Browse_excel_Btn_Clicked() { hub.Browse_excel_Btn_Clicked(); }

void HubDesignSide::View_Excel_Btn_Clicked() { hub.View_Excel_Btn_Clicked(); }

bool HubDesignSide::Set_Front_Back_Value_To_Print_Export_Mail() { return hub.Set_Front_Back_Value_To_Print_Export_Mail(); }

bool HubDesignSide::Create_Card_Design_Again() { return hub.Create_Card_Design_Again(); }

void HubDesignSide::Set_Graphic_Array_According_Side() { hub.Set_Graphic_Array_According_Side(); }

void HubDesignSide::Draw_2d_barcode_again_for_manual() { hub.Draw_2d_barcode_again_for_manual(); }

void HubDesignSide::Set_Logo_Item_List_EMPTY() { hub.Set_Logo_Item_List_EMPTY(); }

void HubDesignSide::Fill_List_Thread_Call() { hub.Fill_List_Thread_Call(); }

void HubDesignSide::Mark_Fill_List_New_Selection_Design(int row) { hub.Mark_Fill_List_New_Selection_Design(row); }

void HubDesignSide::Run_Help_Window() { HelpAbout::Run_Help_Window(hub.App_Name); }

void HubDesignSide::Run_About_Window() { HelpAbout::Run_About_Window(hub.App_Name); }

DesignSources Make_Design_Sources(SKTWindowController &hub)
{
    DesignSources s;
    s.host = std::make_unique<HubDesignSide>(hub);
    s.barcode = std::make_unique<BarcodeModeDesignSide>(hub.barcodeMode(),
                                                        [&hub]() -> Barcode_Gen & { return hub.barcodeGen(); });
    s.advQr = std::make_unique<AdvQrDesignSide>(hub.advQr());
    s.projects = std::make_unique<ProjectsDesignSide>(hub.projects());
    s.data = std::make_unique<DataDesignSide>(hub.barcodeMode().valueListHost);
    s.imageTools = std::make_unique<ImageToolsDesignSide>();
    return s;
}

void Give_Design_Output_Source(SKTWindowController &hub)
{
    sourcesOf(hub.design()).output = std::make_unique<OutputDesignSide>(hub.output());
}
