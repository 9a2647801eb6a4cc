#pragma once
// The hub as the design reads it (DesignHost), and the making of every source the design reads: the
// hub's side and the design sides of the Barcode mode, the Advanced QR mode, projects, data, the
// image tools and output.

#include "app/DesignHost.h"

struct DesignSources;
class SKTWindowController;

class HubDesignSide final : public DesignHost {
public:
    explicit HubDesignSide(SKTWindowController &hub) : hub(hub) {}

    SKTDocument *document() const override;
    QWidget *window() override;
    bool isWindowLoaded() const override;
    QString App_Name() const override;
    QStringList Allowd_Image_fileTypes() const override;
    QImage no_image() const override;
    QImage sign_sample_img() const override;
    QImage fp_sample_img() const override;
    QImage front_btn_image_sel() const override;
    QImage back_btn_image() const override;
    QAction *EDIT_MAIN_menu_item() const override;
    QAction *undo_menu() const override;
    QAction *redo_menu() const override;
    QAction *Cut_menu_item() const override;
    QAction *Copy_menu_item() const override;
    QAction *Paste_menu_item() const override;
    QAction *Delete_menu_item() const override;
    const platform::PrintInfo *getPrintInfo() const override;
    void setPrintInfo(const platform::PrintInfo &info) override;
    void Set_Des_Mode_Save_Flag_TRUE() override;
    void Set_Des_Mode_Save_Flag_False() override;
    void Barcode_Mode_Select() override;
    void Designing_Mode_Select() override;
    void dataSourceChosen() override;
    void seriesOrColumnChosen() override;
    void Browse_excel_Btn_Clicked() override;
    void View_Excel_Btn_Clicked() override;
    bool Set_Front_Back_Value_To_Print_Export_Mail() override;
    bool Create_Card_Design_Again() override;
    void Set_Graphic_Array_According_Side() override;
    void Draw_2d_barcode_again_for_manual() override;
    void Set_Logo_Item_List_EMPTY() override;
    void Fill_List_Thread_Call() override;
    void Mark_Fill_List_New_Selection_Design(int row) override;
    void Run_Help_Window() override;
    void Run_About_Window() override;

private:
    SKTWindowController &hub;
};

// The sources of the hub's design controller, made before output (which reads the design): all but
// output's side, which Give_Design_Output_Source hands over once output exists.
DesignSources Make_Design_Sources(SKTWindowController &hub);
void Give_Design_Output_Source(SKTWindowController &hub);
