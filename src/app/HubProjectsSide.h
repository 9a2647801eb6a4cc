#pragma once
// The hub as projects reads it (ProjectsHost), and the making of every source projects reads: the
// hub's side and the projects sides of the design and the Barcode mode.

#include "app/ProjectsHost.h"

struct ProjectsSources;
class SKTWindowController;

class HubProjectsSide final : public ProjectsHost {
public:
    explicit HubProjectsSide(SKTWindowController &hub) : hub(hub) {}

    QWidget *builtWindow() const override;
    QString App_Name() const override;
    QStringList Allowd_Image_fileTypes() const override;
    SKTDocument *document() const override;
    void Show_Hide_Main_Window(bool show) override;
    void Barcode_Mode_Select() override;
    void Designing_Mode_Select() override;
    void Set_Des_Mode_Save_Flag_False() override;
    void Set_Barcode_Mode_Save_Flag_False() override;
    void Set_Logo_Item_List_EMPTY() override;
    const platform::PrintInfo *getPrintInfo() const override;
    void setPrintInfo(const platform::PrintInfo &info) override;
    platform::Picture Get_Image_From_Val(const SKTGraphic &object, const QString &value) override;
    void Add_Excel_Col_Name_In_Combo() override;
    void Remove_Excel_Col_Name_In_Combo() override;

private:
    SKTWindowController &hub;
};

// The sources of the hub's projects controller. The sides only keep references, so it may be called
// while the hub is being made, once the design's and the Barcode mode's controllers exist.
ProjectsSources Make_Projects_Sources(SKTWindowController &hub);
