#pragma once
// What projects needs of the hub: the main window (the parent of the save panel's accessory, the
// owner of the title), its modes and unsaved flags, the document of the design, the logo list, the
// shared page setup, the picture types the commands accept, and the barcode-object window, which
// draws the barcode objects a project file holds without pictures and offers the linked spreadsheet
// as a source. The hub implements it (app/HubProjectsSide.h).

#include "platform/Picture.h"

#include <QString>
#include <QStringList>

class QWidget;
class SKTDocument;
class SKTGraphic;
namespace platform { class PrintInfo; }

class ProjectsHost {
public:
    virtual ~ProjectsHost() = default;

    // The main window once it is built, else nullptr; never builds it.
    virtual QWidget *builtWindow() const = 0;
    virtual QString App_Name() const = 0;
    virtual QStringList Allowd_Image_fileTypes() const = 0;
    // The design's document (nullptr before it exists).
    virtual SKTDocument *document() const = 0;

    virtual void Show_Hide_Main_Window(bool show) = 0;
    virtual void Barcode_Mode_Select() = 0;
    virtual void Designing_Mode_Select() = 0;
    virtual void Set_Des_Mode_Save_Flag_False() = 0;
    virtual void Set_Barcode_Mode_Save_Flag_False() = 0;
    virtual void Set_Logo_Item_List_EMPTY() = 0;

    // The shared page setup (nullptr while there is none), and a copy of info made the shared one.
    virtual const platform::PrintInfo *getPrintInfo() const = 0;
    virtual void setPrintInfo(const platform::PrintInfo &info) = 0;

    // The barcode-object window: the picture of a barcode object for a value (its settings taken
    // into the window first), and "Excel" offered as a source type of its list or taken away.
    virtual platform::Picture Get_Image_From_Val(const SKTGraphic &object, const QString &value) = 0;
    virtual void Add_Excel_Col_Name_In_Combo() = 0;
    virtual void Remove_Excel_Col_Name_In_Combo() = 0;
};
