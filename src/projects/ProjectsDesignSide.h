#pragma once
// Projects as the design reads it: its controller and the grid options window behind ProjectsDesign.

#include "projects/ProjectsDesign.h"

class Grid_Wizard;
class ProjectsController;

class ProjectsDesignSide final : public ProjectsDesign {
public:
    explicit ProjectsDesignSide(ProjectsController &projects) : projects(projects) {}

    void Open_Log_file_Func() override;
    void New_Project() override;
    void New_Project_Barcode() override;
    bool Save_project_file(bool save_as, bool show_msg, const QString &log_or_template) override;
    bool Save_project_file_Barcode(bool save_as) override;
    void Set_Log_Name_In_Title() override;
    int Read_XML_File(const QString &path, const QString &pageNumber, const QString &vendor,
                      bool manualPaperNameChk) override;
    void Read_Selected_Product_Label_Value() override;
    std::unique_ptr<GridWizardWindow> Make_Grid_Wizard(QWidget *windowParent) override;

private:
    ProjectsController &projects;
};

// The grid options window behind GridWizardWindow; it owns the window.
class GridWizardSide final : public GridWizardWindow {
public:
    explicit GridWizardSide(QWidget *windowParent);
    ~GridWizardSide() override;

    void Show_Grid(const QColor &colour, int spacing, bool shown) override;
    void Show_Grid_Shown(bool shown) override;
    QColor Grid_Colour() const override;
    int Grid_Spacing() const override;
    bool Grid_Shown() const override;
    void On_Grid_Changes(std::function<void()> colour, std::function<void()> spacing,
                         std::function<void()> shown) override;
    void Open_Wnd() override;
    Grid_Wizard &wizard() const { return *m_wizard; }

private:
    std::unique_ptr<Grid_Wizard> m_wizard;
};
