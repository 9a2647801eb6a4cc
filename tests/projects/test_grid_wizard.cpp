// The grid options window and the grid buttons beside the ruler button, driven as a user drives them:
// alone over a grid of their own, and in the window, where they stand by its ruler button and serve
// the design's grid.

#include "app/SKTWindowController.h"
#include "design/DesignParts.h"
#include "design/DesignWorkArea.h"
#include "design/GridOptions.h"
#include "design/PropertySidebar.h"
#include "model/SKTGrid.h"
#include "platform/ColorWell.h"
#include "projects/Grid_Wizard.h"
#include "projects/ProjectsDesignSide.h"
#include "support/AppEnvironment.h"
#include "support/PageControl.h"
#include "support/ScriptedResponder.h"

#include <QBoxLayout>
#include <QHBoxLayout>
#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QToolButton>
#include <gtest/gtest.h>

#include <functional>

namespace {

// Opens the options window with the Grid... button; while it runs, the user does `work`, then presses OK or Cancel.
// Answers the window's result code.
int openGridWizard(testsupport::ScriptedResponder &responder, GridOptions &options, const std::function<void()> &work, bool ok)
{
    int result = -1;
    responder.onModal = [&](QDialog &dialog) {
        EXPECT_EQ(&dialog, Grid_Wizard::defaultInstance()->window);
        if (work)
            work();
        Grid_Wizard *w = Grid_Wizard::defaultInstance();
        (ok ? w->OK_Btn : w->Cancel_Btn)->click();
        result = dialog.result();
        return result;
    };
    options.Grid_btn->click();
    return result;
}

class GridOptionsWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        c = env.controller();
        ASSERT_NE(c, nullptr);
        ASSERT_TRUE(c->isWindowLoaded());
        grid = workAreaOf(c->design())._grid;
        ASSERT_NE(grid, nullptr);
    }

    DesignController &dsg() { return c->design(); }
    GridOptions &options() { return gridOptionsOf(dsg()); }
    Grid_Wizard &wizard() { return static_cast<GridWizardSide &>(*options().grid_wizard).wizard(); }
    QPushButton *alignWithGrid() { return testsupport::pageControl<QPushButton>(sidebarOf(dsg()).aligmnt_tab, "Align_with_grid_btn"); }

    int openAndDo(const std::function<void()> &work, bool ok) { return openGridWizard(*responder, options(), work, ok); }

    testsupport::ResponderScope responder;
    testsupport::AppEnvironment env{QString(), true};
    SKTWindowController *c = nullptr;
    SKTGrid *grid = nullptr;
};

// The grid options window alone: the grid buttons beside a ruler button of their own, over a grid
// as a new design has it, with no main window.
class GridWizardAlone : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto *row = new QHBoxLayout(&bar);
        auto *ruler = new QPushButton(QStringLiteral("Ruler"), &bar);
        row->addWidget(ruler);
        gridOptions.Build_Grid_Buttons(ruler);
        ASSERT_NE(gridOptions.Grid_btn, nullptr);
    }

    GridOptions &options() { return gridOptions; }
    Grid_Wizard &wizard() { return static_cast<GridWizardSide &>(*options().grid_wizard).wizard(); }

    int openAndDo(const std::function<void()> &work, bool ok) { return openGridWizard(*responder, options(), work, ok); }

    testsupport::ResponderScope responder;
    SKTGrid newDesignGrid;
    SKTGrid *grid = &newDesignGrid;
    GridOptions gridOptions{[this] { return grid; }, [] { return std::make_unique<GridWizardSide>(nullptr); }};
    QWidget bar;
};

TEST_F(GridOptionsWindow, WindowOpensWithTheGridsSettingsAndChangesNothingByOpening)
{
    struct Case {
        QColor colour;
        double spacing;
        bool shown;
    };
    const Case cases[] = {{QColor(200, 20, 20), 18, true}, {QColor(0, 90, 0), 36, false}};
    for (const Case &k : cases) {
        grid->_color = k.colour;
        grid->_spacing = k.spacing;
        grid->setAlwaysShown(k.shown);
        QSignalSpy changes(grid, &SKTGrid::anyChanged);
        QColor wellColour;
        int slider = 0;
        bool checked = !k.shown, boxEnabled = !k.shown;
        openAndDo(
            [&] {
                wellColour = wizard().Grid_clr->color();
                slider = wizard().Grid_Space_slidr->value();
                checked = wizard().Show_hide_grid_chk->isChecked();
                boxEnabled = wizard().Grid_Opt_box->isEnabled();
            },
            true);
        EXPECT_EQ(wellColour, k.colour);
        EXPECT_EQ(slider, int(k.spacing));
        EXPECT_EQ(checked, k.shown);
        EXPECT_EQ(boxEnabled, k.shown);
        // Filling the controls reached no handler.
        EXPECT_EQ(changes.count(), 0);
        EXPECT_EQ(grid->isAlwaysShown(), k.shown);
        EXPECT_EQ(grid->spacing(), k.spacing);
    }
    EXPECT_EQ(responder->modalCount, 2);
}

TEST_F(GridWizardAlone, OkEndsWithOneAndCancelWithZero)
{
    EXPECT_EQ(openAndDo({}, true), 1);
    EXPECT_EQ(openAndDo({}, false), 0);
    EXPECT_TRUE(Grid_Wizard::defaultInstance()->window->isHidden());
    EXPECT_EQ(Grid_Wizard::defaultInstance(), &wizard());
}

TEST_F(GridWizardAlone, AColourChangedThenCancelKeepsTheColour)
{
    const QColor blue(10, 20, 230);
    grid->setAlwaysShown(false);
    QSignalSpy changes(grid, &SKTGrid::anyChanged);
    EXPECT_EQ(openAndDo([&] { wizard().Grid_clr->chooseColor(blue); }, false), 0);
    EXPECT_EQ(grid->color(), blue);
    EXPECT_TRUE(grid->isAlwaysShown());   // a colour change shows the grid
    EXPECT_GE(changes.count(), 1);        // and the canvas hears of it
}

TEST_F(GridWizardAlone, TheSliderMovedWhileTheGridIsHiddenShowsIt)
{
    grid->setAlwaysShown(false);
    bool checkedAfter = false;
    openAndDo(
        [&] {
            wizard().Grid_Space_slidr->setValue(27);   // what dragging the knob does
            checkedAfter = wizard().Show_hide_grid_chk->isChecked();
        },
        false);
    EXPECT_EQ(grid->spacing(), 27.0);
    EXPECT_TRUE(grid->isAlwaysShown());
    EXPECT_TRUE(checkedAfter);
    EXPECT_TRUE(wizard().Grid_Opt_box->isEnabled());
}

TEST_F(GridWizardAlone, SpacingRangesFromOneToSeventyTwoPoints)
{
    openAndDo({}, true);
    EXPECT_EQ(wizard().Grid_Space_slidr->minimum(), 1);
    EXPECT_EQ(wizard().Grid_Space_slidr->maximum(), 72);
    openAndDo([&] { wizard().Grid_Space_slidr->setValue(0); }, true);
    EXPECT_EQ(grid->spacing(), 1.0);
    EXPECT_TRUE(grid->isUsable());
}

TEST_F(GridOptionsWindow, TheShowCheckBoxShowsAndHidesTheGridAndItsOptions)
{
    grid->setAlwaysShown(false);
    bool shownWhileOn = false, boxWhileOn = false;
    openAndDo(
        [&] {
            wizard().Show_hide_grid_chk->click();
            shownWhileOn = grid->isAlwaysShown();
            boxWhileOn = wizard().Grid_Opt_box->isEnabled();
        },
        true);
    EXPECT_TRUE(shownWhileOn);
    EXPECT_TRUE(boxWhileOn);
    EXPECT_TRUE(alignWithGrid()->isEnabled());
    openAndDo([&] { wizard().Show_hide_grid_chk->click(); }, true);
    EXPECT_FALSE(grid->isAlwaysShown());
    EXPECT_FALSE(wizard().Grid_Opt_box->isEnabled());
    EXPECT_FALSE(alignWithGrid()->isEnabled());
}

TEST_F(GridOptionsWindow, GridButtonsStandRightAfterTheRulerButton)
{
    ASSERT_NE(options().Grid_btn, nullptr);
    ASSERT_NE(options().Snap_to_Grid_btn, nullptr);
    EXPECT_EQ(options().Grid_btn->text(), QStringLiteral("Grid..."));
    EXPECT_EQ(options().Snap_to_Grid_btn->text(), QStringLiteral("Snap to Grid"));
    EXPECT_TRUE(options().Snap_to_Grid_btn->isCheckable());
    QWidget *bar = workAreaOf(dsg()).Ruler_btn->parentWidget();
    auto *row = qobject_cast<QBoxLayout *>(bar->layout());
    ASSERT_NE(row, nullptr);
    const int ruler = row->indexOf(workAreaOf(dsg()).Ruler_btn);
    ASSERT_GE(ruler, 0);
    QLayoutItem *next = row->itemAt(ruler + 1);
    ASSERT_NE(next, nullptr);
    ASSERT_NE(next->widget(), nullptr);
    EXPECT_TRUE(next->widget()->isAncestorOf(options().Grid_btn));
    EXPECT_TRUE(next->widget()->isAncestorOf(options().Snap_to_Grid_btn));
}

TEST_F(GridWizardAlone, SnapToGridFlipsTheGridsSnappingAndShowsIt)
{
    ASSERT_FALSE(grid->isConstraining());
    options().Snap_to_Grid_btn->click();
    EXPECT_TRUE(grid->isConstraining());
    EXPECT_TRUE(options().Snap_to_Grid_btn->isChecked());
    // Snapping works whether or not the grid is shown.
    EXPECT_FALSE(grid->isAlwaysShown());
    EXPECT_EQ(grid->constrainedPoint(QPointF(13.4, 4.5)), QPointF(9, 9));
    options().toggleGridConstraining();
    EXPECT_FALSE(grid->isConstraining());
    EXPECT_FALSE(options().Snap_to_Grid_btn->isChecked());
    // The button follows the grid however its snapping changes.
    grid->setConstraining(true);
    EXPECT_TRUE(options().Snap_to_Grid_btn->isChecked());
    EXPECT_EQ(responder->modalCount, 0);
}

} // namespace
