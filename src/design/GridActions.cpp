// The grid of the Designing-mode canvas as the user sets it: snapping on and off, and the grid
// options window whose controls write the grid at once.

#include "design/DesignController.h"

#include "app/SKTWindowController.h"
#include "core/Messages.h"
#include "design/FormBinding.h"
#include "model/SKTGrid.h"
#include "platform/ColorWell.h"
#include "projects/Grid_Wizard.h"

#include "ui_DesignGridButtons.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QGroupBox>
#include <QMainWindow>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QToolButton>

#include <cmath>
#include <exception>

namespace {

void bind(DesignController &c, const Ui::DesignGridButtons &ui)
{
    // Not outlets: the row's layout.
    designform::bindForm<1>(ui, FORM_OUTLET(Grid_btn), FORM_OUTLET(Snap_to_Grid_btn));
}

} // namespace

namespace {

// The options window shows what colour and spacing changes did: the grid is shown now.
void showShownInWindow(DesignController &c)
{
    if (c.Show_hide_grid_chk) {
        const QSignalBlocker quiet(c.Show_hide_grid_chk);
        c.Show_hide_grid_chk->setChecked(true);
    }
    if (c.Grid_Opt_box)
        c.Grid_Opt_box->setEnabled(true);
}

} // namespace

void DesignController::Build_Grid_Buttons(QPushButton *rulerButton)
{
    if (Grid_btn || !rulerButton || !rulerButton->parentWidget())
        return;
    auto *row = qobject_cast<QBoxLayout *>(rulerButton->parentWidget()->layout());
    if (!row)
        return;
    auto *holder = new QWidget(rulerButton->parentWidget());
    Ui::DesignGridButtons ui;
    ui.setupUi(holder);
    bind(*this, ui);
    row->insertWidget(row->indexOf(rulerButton) + 1, holder);

    connect(Grid_btn, &QToolButton::clicked, this, [this] { toggleGridShowing(); });
    connect(Snap_to_Grid_btn, &QToolButton::clicked, this, [this] { toggleGridConstraining(); });
    if (_grid) {
        Snap_to_Grid_btn->setChecked(_grid->isConstraining());
        // The button shows the grid's snapping, however it was changed.
        connect(_grid, &SKTGrid::anyChanged, Snap_to_Grid_btn, [this] {
            const QSignalBlocker quiet(Snap_to_Grid_btn);
            Snap_to_Grid_btn->setChecked(_grid->isConstraining());
        });
    }
}

void DesignController::Build_Grid_Wizard()
{
    if (grid_wizard)
        return;
    grid_wizard = new Grid_Wizard(hub.isWindowLoaded() ? hub.window() : nullptr, this);
    Grid_clr = grid_wizard->Grid_clr;
    Grid_Space_slidr = grid_wizard->Grid_Space_slidr;
    Show_hide_grid_chk = grid_wizard->Show_hide_grid_chk;
    Grid_Opt_box = grid_wizard->Grid_Opt_box;
    // Only the user's changes reach the handlers: toggleGridShowing fills the controls quietly.
    connect(Grid_clr, &platform::ColorWell::colorChanged, this, [this] { Grid_Clr_Changed(); });
    connect(Grid_Space_slidr, &QSlider::valueChanged, this, [this] { Grid_Slider_Changed(); });
    connect(Show_hide_grid_chk, &QCheckBox::toggled, this, [this] { Grid_Show_Hide_Changed(); });
}

void DesignController::toggleGridConstraining()
{
    try {
        if (_grid)
            _grid->setConstraining(!_grid->isConstraining());
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

void DesignController::toggleGridShowing()
{
    try {
        if (!_grid)
            return;
        Build_Grid_Wizard();
        {
            const QSignalBlocker quietColour(Grid_clr);
            const QSignalBlocker quietSpacing(Grid_Space_slidr);
            const QSignalBlocker quietShown(Show_hide_grid_chk);
            Grid_clr->setColor(_grid->color());
            Grid_Space_slidr->setValue(int(std::lround(_grid->spacing())));
            Show_hide_grid_chk->setChecked(_grid->isAlwaysShown());
            Grid_Opt_box->setEnabled(_grid->isAlwaysShown());
        }
        grid_wizard->Open_Wnd();
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

void DesignController::Grid_Clr_Changed()
{
    if (!_grid || !Grid_clr)
        return;
    _grid->_color = Grid_clr->color();
    // The setter tells the canvas to redraw, also when the grid was shown already.
    _grid->setAlwaysShown(true);
    showShownInWindow(*this);
}

void DesignController::Grid_Slider_Changed()
{
    if (!_grid || !Grid_Space_slidr)
        return;
    _grid->_spacing = Grid_Space_slidr->value();
    _grid->setAlwaysShown(true);
    showShownInWindow(*this);
}

void DesignController::Grid_Show_Hide_Changed()
{
    if (!_grid || !Show_hide_grid_chk)
        return;
    const bool shown = Show_hide_grid_chk->isChecked();
    _grid->setAlwaysShown(shown);
    if (Grid_Opt_box)
        Grid_Opt_box->setEnabled(shown);
}
