#include "projects/Grid_Wizard.h"

#include "platform/ColorWell.h"
#include "platform/Dialogs.h"

#include "ui_Grid_Wizard.h"

#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QPushButton>
#include <QSlider>

namespace {

Grid_Wizard *grid_DefaultInstance = nullptr;

void bindGridWizard(Grid_Wizard &w, const Ui::Grid_Wizard &ui)
{
    w.Grid_clr = ui.Grid_clr;
    w.Grid_Space_slidr = ui.Grid_Space_slidr;
    w.Show_hide_grid_chk = ui.Show_hide_grid_chk;
    w.Grid_Opt_box = ui.Grid_Opt_box;
    w.OK_Btn = ui.OK_Btn;
    w.Cancel_Btn = ui.Cancel_Btn;
}

} // namespace

Grid_Wizard::Grid_Wizard(QWidget *windowParent, QObject *parent) : QObject(parent)
{
    grid_DefaultInstance = this;
    window = new QDialog(windowParent);
    m_window = window;
    Ui::Grid_Wizard ui;
    ui.setupUi(window);
    bindGridWizard(*this, ui);
    connect(OK_Btn, &QPushButton::clicked, this, &Grid_Wizard::OK_Btn_Clicked);
    connect(Cancel_Btn, &QPushButton::clicked, this, &Grid_Wizard::Cancel_Btn_Clicked);
}

Grid_Wizard::~Grid_Wizard()
{
    delete m_window.data();
    if (grid_DefaultInstance == this)
        grid_DefaultInstance = nullptr;
}

Grid_Wizard *Grid_Wizard::defaultInstance() { return grid_DefaultInstance; }

void Grid_Wizard::Open_Wnd()
{
    platform::runModal(*window);
    window->hide();
}

void Grid_Wizard::OK_Btn_Clicked() { window->done(1); }

void Grid_Wizard::Cancel_Btn_Clicked() { window->done(0); }
