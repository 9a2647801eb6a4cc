#include "app/HubOutputSide.h"

#include "advqr/AdvQrOutputSide.h"
#include "app/SKTWindowController.h"
#include "barcodemode/BarcodeModeOutputSide.h"
#include "design/DesignOutputSide.h"
#include "output/OutputSources.h"

#include "core/Mode.h"
#include "design/DesignCard.h"
#include "design/DesignController.h"
#include "model/Card_Property.h"
#include "model/DesignGlobals.h"
#include "projects/ProjectsController.h"

#include <QFileInfo>
#include <QMainWindow>

QWidget *HubOutputSide::window() { return hub.window(); }

bool HubOutputSide::isWindowLoaded() const { return hub.isWindowLoaded(); }

Send_Modeless *HubOutputSide::Progress_Sheet() const { return hub.send_modls_wnd; }

void HubOutputSide::Show_One_By_One_Modeless() { hub.Show_One_By_One_Modeless(); }

void HubOutputSide::Hide_One_By_One_Modeless() { hub.Hide_One_By_One_Modeless(); }

void HubOutputSide::setPrintInfo(const platform::PrintInfo &info) { hub.setPrintInfo(info); }

platform::Picture HubOutputSide::Invalid_Barcode_Data_Image() const { return hub.Invalid_Barcode_Data_Image; }

QString HubOutputSide::App_Name() const { return hub.App_Name; }

QString HubOutputSide::Design_Name() const
{
    const auto fileName = [](const QString &path) { return path.isEmpty() ? QString() : QFileInfo(path).completeBaseName(); };
    if (Barcode_Setting_Or_Designing_Mode == 0)
        return fileName(hub.projects().Project_File_Name_Barcode);
    if (Barcode_Setting_Or_Designing_Mode != 1)
        return QString();
    const Card_Property *card = hub.design().card().Front_card_Prop;
    if (card && !card->Card_Name.trimmed().isEmpty())
        return card->Card_Name.trimmed();
    return fileName(Project_File_Name);
}

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
