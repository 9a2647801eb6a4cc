#include "projects/ProjectsDesignSide.h"

#include "platform/ColorWell.h"
#include "projects/Grid_Wizard.h"
#include "projects/ProjectsController.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QSignalBlocker>
#include <QSlider>

void ProjectsDesignSide::Open_Log_file_Func() { projects.Open_Log_file_Func(); }

void ProjectsDesignSide::New_Project() { projects.New_Project(); }

void ProjectsDesignSide::New_Project_Barcode() { projects.New_Project_Barcode(); }

bool ProjectsDesignSide::Save_project_file(bool save_as, bool show_msg, const QString &log_or_template)
{
    return projects.Save_project_file(save_as, show_msg, log_or_template);
}

bool ProjectsDesignSide::Save_project_file_Barcode(bool save_as) { return projects.Save_project_file_Barcode(save_as); }

void ProjectsDesignSide::Set_Log_Name_In_Title() { projects.Set_Log_Name_In_Title(); }

int ProjectsDesignSide::Read_XML_File(const QString &path, const QString &pageNumber, const QString &vendor,
                                      bool manualPaperNameChk)
{
    return projects.Read_XML_File(path, pageNumber, vendor, manualPaperNameChk);
}

void ProjectsDesignSide::Read_Selected_Product_Label_Value() { projects.Read_Selected_Product_Label_Value(); }

std::unique_ptr<GridWizardWindow> ProjectsDesignSide::Make_Grid_Wizard(QWidget *windowParent)
{
    return std::make_unique<GridWizardSide>(windowParent);
}

// ---- The grid options window ----

GridWizardSide::GridWizardSide(QWidget *windowParent) : m_wizard(std::make_unique<Grid_Wizard>(windowParent)) {}

GridWizardSide::~GridWizardSide() = default;

void GridWizardSide::Show_Grid(const QColor &colour, int spacing, bool shown)
{
    Grid_Wizard &w = *m_wizard;
    const QSignalBlocker quietColour(w.Grid_clr);
    const QSignalBlocker quietSpacing(w.Grid_Space_slidr);
    const QSignalBlocker quietShown(w.Show_hide_grid_chk);
    w.Grid_clr->setColor(colour);
    w.Grid_Space_slidr->setValue(spacing);
    w.Show_hide_grid_chk->setChecked(shown);
    w.Grid_Opt_box->setEnabled(shown);
}

void GridWizardSide::Show_Grid_Shown(bool shown)
{
    Grid_Wizard &w = *m_wizard;
    {
        const QSignalBlocker quiet(w.Show_hide_grid_chk);
        w.Show_hide_grid_chk->setChecked(shown);
    }
    w.Grid_Opt_box->setEnabled(shown);
}

QColor GridWizardSide::Grid_Colour() const { return m_wizard->Grid_clr->color(); }

int GridWizardSide::Grid_Spacing() const { return m_wizard->Grid_Space_slidr->value(); }

bool GridWizardSide::Grid_Shown() const { return m_wizard->Show_hide_grid_chk->isChecked(); }

void GridWizardSide::On_Grid_Changes(std::function<void()> colour, std::function<void()> spacing,
                                     std::function<void()> shown)
{
    Grid_Wizard &w = *m_wizard;
    QObject::connect(w.Grid_clr, &platform::ColorWell::colorChanged, &w, std::move(colour));
    QObject::connect(w.Grid_Space_slidr, &QSlider::valueChanged, &w, [spacing = std::move(spacing)] { spacing(); });
    QObject::connect(w.Show_hide_grid_chk, &QCheckBox::toggled, &w, [shown = std::move(shown)] { shown(); });
}

void GridWizardSide::Open_Wnd() { m_wizard->Open_Wnd(); }
