#pragma once
// The grid of the Designing-mode canvas as the user sets it: the "Grid..." and "Snap to Grid"
// buttons beside the ruler button, and the grid options window (projects' GridWizardWindow) whose
// controls write the grid at once.

#include <QObject>

#include <functional>
#include <memory>

class GridWizardWindow;
class QPushButton;
class QToolButton;
class SKTGrid;

class GridOptions : public QObject {
    Q_OBJECT
public:
    // The grid comes from `grid` when it is needed (nothing happens while it answers null); the
    // options window is made by `makeWindow` on first use (none: the window never opens).
    explicit GridOptions(std::function<SKTGrid *()> grid,
                         std::function<std::unique_ptr<GridWizardWindow>()> makeWindow = {}, QObject *parent = nullptr);
    ~GridOptions() override;

    // Snapping on and off; the options window prepared from the grid and run; the options'
    // controls write the grid at once (colour and spacing also show it).
    void toggleGridConstraining();
    void toggleGridShowing();
    void Grid_Clr_Changed();
    void Grid_Slider_Changed();
    void Grid_Show_Hide_Changed();
    // The grid options window, made on first use.
    std::unique_ptr<GridWizardWindow> grid_wizard;
    // "Grid..." and the checkable "Snap to Grid" beside the ruler button.
    QToolButton *Grid_btn = nullptr;
    QToolButton *Snap_to_Grid_btn = nullptr;
    // Puts the grid buttons into the ruler button's row, right after it, and wires them.
    void Build_Grid_Buttons(QPushButton *rulerButton);
    // Makes the grid options window and takes the user's changes of its controls (once).
    void Build_Grid_Wizard();

private:
    SKTGrid *currentGrid() const { return m_grid ? m_grid() : nullptr; }
    std::function<SKTGrid *()> m_grid;
    std::function<std::unique_ptr<GridWizardWindow>()> m_makeWindow;
};
