#pragma once
// What the design asks of projects: the file commands of its toolbar and its exit prompt, the
// window's title, the label stock of the size page, the new-design wizard's choices
// (CardWizardValues) and the grid options window. Projects implements it
// (projects/ProjectsDesignSide.h).

#include "projects/CardWizardValues.h"

#include <QColor>
#include <QString>

#include <functional>
#include <memory>

class QWidget;

// The grid options window (projects/Grid_Wizard.h) as the design drives it: filled from the grid
// without reporting a change, run modally, each change of the user reported at once.
class GridWizardWindow {
public:
    virtual ~GridWizardWindow() = default;
    // The controls show the grid, reporting nothing; the options box is enabled as shown.
    virtual void Show_Grid(const QColor &colour, int spacing, bool shown) = 0;
    // The show check box quietly checked as shown, and the options box enabled so.
    virtual void Show_Grid_Shown(bool shown) = 0;
    virtual QColor Grid_Colour() const = 0;
    virtual int Grid_Spacing() const = 0;
    virtual bool Grid_Shown() const = 0;
    // Where the user's changes go.
    virtual void On_Grid_Changes(std::function<void()> colour, std::function<void()> spacing,
                                 std::function<void()> shown) = 0;
    virtual void Open_Wnd() = 0;
};

class ProjectsDesign {
public:
    virtual ~ProjectsDesign() = default;

    virtual void Open_Log_file_Func() = 0;
    virtual void New_Project() = 0;
    virtual void New_Project_Barcode() = 0;
    virtual bool Save_project_file(bool save_as, bool show_msg, const QString &log_or_template) = 0;
    virtual bool Save_project_file_Barcode(bool save_as) = 0;
    virtual void Set_Log_Name_In_Title() = 0;
    virtual int Read_XML_File(const QString &path, const QString &pageNumber, const QString &vendor,
                              bool manualPaperNameChk) = 0;
    virtual void Read_Selected_Product_Label_Value() = 0;
    // A grid options window over that window (may be null).
    virtual std::unique_ptr<GridWizardWindow> Make_Grid_Wizard(QWidget *windowParent) = 0;
};
