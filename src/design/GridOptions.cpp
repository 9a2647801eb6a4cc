// The grid of the Designing-mode canvas as the user sets it: snapping on and off, and the grid
// options window whose controls write the grid at once.

#include "design/GridOptions.h"

#include "core/Messages.h"
#include "model/SKTGrid.h"
#include "platform/ColorWell.h"
#include "platform/FormBinding.h"
#include "projects/Grid_Wizard.h"

#include "ui_DesignGridButtons.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QToolButton>

#include <cmath>
#include <exception>
#include <utility>

namespace {

void bind(GridOptions &c, const Ui::DesignGridButtons &ui)
{
    // Not outlets: the row's layout.
    designform::bindForm<1>(ui, FORM_OUTLET(Grid_btn), FORM_OUTLET(Snap_to_Grid_btn));
}

// The options window shows what colour and spacing changes did: the grid is shown now.
void showShownInWindow(GridOptions &c)
{
    if (c.Show_hide_grid_chk) {
        const QSignalBlocker quiet(c.Show_hide_grid_chk);
        c.Show_hide_grid_chk->setChecked(true);
    }
    if (c.Grid_Opt_box)
        c.Grid_Opt_box->setEnabled(true);
}

} // namespace

GridOptions::GridOptions(std::function<SKTGrid *()> grid, std::function<QWidget *()> windowParent, QObject *parent)
    : QObject(parent), m_grid(std::move(grid)), m_windowParent(std::move(windowParent))
{
}

GridOptions::~GridOptions() = default;

void GridOptions::Build_Grid_Buttons(QPushButton *rulerButton)
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
    if (SKTGrid *grid = currentGrid()) {
        Snap_to_Grid_btn->setChecked(grid->isConstraining());
        // The button shows the grid's snapping, however it was changed.
        connect(grid, &SKTGrid::anyChanged, Snap_to_Grid_btn, [this, grid] {
            const QSignalBlocker quiet(Snap_to_Grid_btn);
            Snap_to_Grid_btn->setChecked(grid->isConstraining());
        });
    }
}

void GridOptions::Build_Grid_Wizard()
{
    if (grid_wizard)
        return;
    grid_wizard = new Grid_Wizard(m_windowParent ? m_windowParent() : nullptr, this);
    Grid_clr = grid_wizard->Grid_clr;
    Grid_Space_slidr = grid_wizard->Grid_Space_slidr;
    Show_hide_grid_chk = grid_wizard->Show_hide_grid_chk;
    Grid_Opt_box = grid_wizard->Grid_Opt_box;
    // Only the user's changes reach the handlers: toggleGridShowing fills the controls quietly.
    connect(Grid_clr, &platform::ColorWell::colorChanged, this, [this] { Grid_Clr_Changed(); });
    connect(Grid_Space_slidr, &QSlider::valueChanged, this, [this] { Grid_Slider_Changed(); });
    connect(Show_hide_grid_chk, &QCheckBox::toggled, this, [this] { Grid_Show_Hide_Changed(); });
}

void GridOptions::toggleGridConstraining()
{
    try {
        if (SKTGrid *grid = currentGrid())
            grid->setConstraining(!grid->isConstraining());
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

void GridOptions::toggleGridShowing()
{
    try {
        SKTGrid *grid = currentGrid();
        if (!grid)
            return;
        Build_Grid_Wizard();
        {
            const QSignalBlocker quietColour(Grid_clr);
            const QSignalBlocker quietSpacing(Grid_Space_slidr);
            const QSignalBlocker quietShown(Show_hide_grid_chk);
            Grid_clr->setColor(grid->color());
            Grid_Space_slidr->setValue(int(std::lround(grid->spacing())));
            Show_hide_grid_chk->setChecked(grid->isAlwaysShown());
            Grid_Opt_box->setEnabled(grid->isAlwaysShown());
        }
        grid_wizard->Open_Wnd();
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

void GridOptions::Grid_Clr_Changed()
{
    SKTGrid *grid = currentGrid();
    if (!grid || !Grid_clr)
        return;
    grid->_color = Grid_clr->color();
    // The setter tells the canvas to redraw, also when the grid was shown already.
    grid->setAlwaysShown(true);
    showShownInWindow(*this);
}

void GridOptions::Grid_Slider_Changed()
{
    SKTGrid *grid = currentGrid();
    if (!grid || !Grid_Space_slidr)
        return;
    grid->_spacing = Grid_Space_slidr->value();
    grid->setAlwaysShown(true);
    showShownInWindow(*this);
}

void GridOptions::Grid_Show_Hide_Changed()
{
    SKTGrid *grid = currentGrid();
    if (!grid || !Show_hide_grid_chk)
        return;
    const bool shown = Show_hide_grid_chk->isChecked();
    grid->setAlwaysShown(shown);
    if (Grid_Opt_box)
        Grid_Opt_box->setEnabled(shown);
}
