// The grid of the Designing-mode canvas as the user sets it: snapping on and off, and the grid
// options window whose controls write the grid at once.

#include "design/GridOptions.h"

#include "core/Messages.h"
#include "design/DesignSources.h"
#include "model/SKTGrid.h"
#include "platform/FormBinding.h"

#include "ui_DesignGridButtons.h"

#include <QBoxLayout>
#include <QPushButton>
#include <QSignalBlocker>
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

} // namespace

GridOptions::GridOptions(std::function<SKTGrid *()> grid, std::function<std::unique_ptr<GridWizardWindow>()> makeWindow,
                         QObject *parent)
    : QObject(parent), m_grid(std::move(grid)), m_makeWindow(std::move(makeWindow))
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
    if (grid_wizard || !m_makeWindow)
        return;
    grid_wizard = m_makeWindow();
    // Only the user's changes reach the handlers: toggleGridShowing fills the controls quietly.
    grid_wizard->On_Grid_Changes([this] { Grid_Clr_Changed(); }, [this] { Grid_Slider_Changed(); },
                                 [this] { Grid_Show_Hide_Changed(); });
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
        if (!grid_wizard)
            return;
        grid_wizard->Show_Grid(grid->color(), int(std::lround(grid->spacing())), grid->isAlwaysShown());
        grid_wizard->Open_Wnd();
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

void GridOptions::Grid_Clr_Changed()
{
    SKTGrid *grid = currentGrid();
    if (!grid || !grid_wizard)
        return;
    grid->_color = grid_wizard->Grid_Colour();
    // The setter tells the canvas to redraw, also when the grid was shown already; the window shows
    // the grid as shown now.
    grid->setAlwaysShown(true);
    grid_wizard->Show_Grid_Shown(true);
}

void GridOptions::Grid_Slider_Changed()
{
    SKTGrid *grid = currentGrid();
    if (!grid || !grid_wizard)
        return;
    grid->_spacing = grid_wizard->Grid_Spacing();
    grid->setAlwaysShown(true);
    grid_wizard->Show_Grid_Shown(true);
}

void GridOptions::Grid_Show_Hide_Changed()
{
    SKTGrid *grid = currentGrid();
    if (!grid || !grid_wizard)
        return;
    const bool shown = grid_wizard->Grid_Shown();
    grid->setAlwaysShown(shown);
    grid_wizard->Show_Grid_Shown(shown);
}
