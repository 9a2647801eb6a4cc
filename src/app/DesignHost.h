#pragma once
// What the design needs of the hub: the document, the main window as the owner of its windows, the
// application's name and picture types, the bundle's pictures, the Edit menu's items, the save
// flag, the mode switches, the source-page and workbook commands, the design copy around an output
// job, the record list's fill and selection, and the help windows. The hub implements it
// (app/HubDesignSide.h).

#include <QImage>
#include <QString>
#include <QStringList>

class QAction;
class QWidget;
class SKTDocument;
namespace platform { class PrintInfo; }

class DesignHost {
public:
    virtual ~DesignHost() = default;

    // ---- The window ----
    virtual SKTDocument *document() const = 0;
    // The main window, built on the first call; and whether it has been built.
    virtual QWidget *window() = 0;
    virtual bool isWindowLoaded() const = 0;
    virtual QString App_Name() const = 0;
    virtual QStringList Allowd_Image_fileTypes() const = 0;
    // The bundle's pictures (null when missing).
    virtual QImage no_image() const = 0;
    virtual QImage sign_sample_img() const = 0;
    virtual QImage fp_sample_img() const = 0;
    virtual QImage front_btn_image_sel() const = 0;
    virtual QImage back_btn_image() const = 0;
    // The Edit menu and its items the design validates; null before the window is built.
    virtual QAction *EDIT_MAIN_menu_item() const = 0;
    virtual QAction *undo_menu() const = 0;
    virtual QAction *redo_menu() const = 0;
    virtual QAction *Cut_menu_item() const = 0;
    virtual QAction *Copy_menu_item() const = 0;
    virtual QAction *Paste_menu_item() const = 0;
    virtual QAction *Delete_menu_item() const = 0;
    // The shared page setup (none yet: null), and a copy of info made it.
    virtual const platform::PrintInfo *getPrintInfo() const = 0;
    virtual void setPrintInfo(const platform::PrintInfo &info) = 0;

    // ---- Modes and save flag ----
    virtual void Set_Des_Mode_Save_Flag_TRUE() = 0;
    virtual void Set_Des_Mode_Save_Flag_False() = 0;
    virtual void Barcode_Mode_Select() = 0;
    virtual void Designing_Mode_Select() = 0;

    // ---- The source page's choices and the workbook buttons ----
    virtual void dataSourceChosen() = 0;
    virtual void seriesOrColumnChosen() = 0;
    virtual void Browse_excel_Btn_Clicked() = 0;
    virtual void View_Excel_Btn_Clicked() = 0;

    // ---- Around an output job, the record list ----
    virtual bool Set_Front_Back_Value_To_Print_Export_Mail() = 0;
    virtual bool Create_Card_Design_Again() = 0;
    virtual void Set_Graphic_Array_According_Side() = 0;
    virtual void Draw_2d_barcode_again_for_manual() = 0;
    virtual void Set_Logo_Item_List_EMPTY() = 0;
    virtual void Fill_List_Thread_Call() = 0;
    virtual void Mark_Fill_List_New_Selection_Design(int row) = 0;

    // ---- Help ----
    virtual void Run_Help_Window() = 0;
    virtual void Run_About_Window() = 0;
};
