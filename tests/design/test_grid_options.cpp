// The grid options alone, on a grid of their own and no main window: the grid buttons beside a
// ruler button, and the options window's controls, which write the grid at once.

#include "design/GridOptions.h"

#include "model/SKTGrid.h"
#include "platform/ColorWell.h"
#include "projects/Grid_Wizard.h"
#include "projects/ProjectsDesignSide.h"
#include "support/ScriptedResponder.h"

#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QToolButton>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

namespace {

class GridOptionsAlone : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto *row = new QHBoxLayout(&bar);
        ruler = new QPushButton(QStringLiteral("Ruler"), &bar);
        after = new QPushButton(QStringLiteral("Zoom"), &bar);
        row->addWidget(ruler);
        row->addWidget(after);
    }
    // The options window run as the user runs it: `work` while it is open, then OK.
    void runWindow(const std::function<void()> &work)
    {
        responder->onModal = [&](QDialog &) {
            if (work)
                work();
            return 1;
        };
        options.toggleGridShowing();
    }

    testsupport::ResponderScope responder;
    SKTGrid grid;
    SKTGrid *source = &grid;
    GridOptions options{[this] { return source; }, [] { return std::make_unique<GridWizardSide>(nullptr); }};
    // The options window the grid options made.
    Grid_Wizard &wizard() { return static_cast<GridWizardSide &>(*options.grid_wizard).wizard(); }
    QWidget bar;
    QPushButton *ruler = nullptr;
    QPushButton *after = nullptr;
};

TEST_F(GridOptionsAlone, TheButtonsStandRightAfterTheRulerButton)
{
    options.Build_Grid_Buttons(ruler);
    ASSERT_NE(options.Grid_btn, nullptr);
    ASSERT_NE(options.Snap_to_Grid_btn, nullptr);
    auto *row = static_cast<QHBoxLayout *>(bar.layout());
    ASSERT_EQ(row->count(), 3);
    QWidget *holder = row->itemAt(1)->widget();
    ASSERT_NE(holder, nullptr);
    EXPECT_TRUE(holder->isAncestorOf(options.Grid_btn));
    EXPECT_TRUE(holder->isAncestorOf(options.Snap_to_Grid_btn));
    EXPECT_EQ(row->itemAt(2)->widget(), after);
    // A second build adds nothing.
    options.Build_Grid_Buttons(ruler);
    EXPECT_EQ(row->count(), 3);
}

TEST_F(GridOptionsAlone, ARulerButtonOutsideARowGetsNoGridButtons)
{
    QPushButton alone;
    options.Build_Grid_Buttons(&alone);
    EXPECT_EQ(options.Grid_btn, nullptr);
    EXPECT_EQ(options.Snap_to_Grid_btn, nullptr);
}

TEST_F(GridOptionsAlone, SnapToGridFlipsTheGridsSnappingAndFollowsTheGrid)
{
    grid.setConstraining(true);
    options.Build_Grid_Buttons(ruler);
    EXPECT_TRUE(options.Snap_to_Grid_btn->isChecked()) << "the button starts as the grid is";
    options.Snap_to_Grid_btn->click();
    EXPECT_FALSE(grid.isConstraining());
    EXPECT_FALSE(options.Snap_to_Grid_btn->isChecked());
    options.Snap_to_Grid_btn->click();
    EXPECT_TRUE(grid.isConstraining());
    grid.setConstraining(false);
    EXPECT_FALSE(options.Snap_to_Grid_btn->isChecked()) << "a change made elsewhere shows too";
    EXPECT_EQ(responder->modalCount, 0);
}

TEST_F(GridOptionsAlone, TheGridButtonOpensTheWindowFilledQuietlyFromTheGrid)
{
    struct Case {
        QColor colour;
        double spacing;
        bool shown;
    };
    const Case cases[] = {{QColor(200, 20, 20), 18, true}, {QColor(0, 90, 0), 36, false}};
    options.Build_Grid_Buttons(ruler);
    for (const Case &k : cases) {
        grid._color = k.colour;
        grid._spacing = k.spacing;
        grid.setAlwaysShown(k.shown);
        QSignalSpy changes(&grid, &SKTGrid::anyChanged);
        QColor colour;
        int spacing = 0;
        bool checked = !k.shown, boxEnabled = !k.shown;
        responder->onModal = [&](QDialog &dialog) {
            EXPECT_EQ(&dialog, wizard().window);
            colour = wizard().Grid_clr->color();
            spacing = wizard().Grid_Space_slidr->value();
            checked = wizard().Show_hide_grid_chk->isChecked();
            boxEnabled = wizard().Grid_Opt_box->isEnabled();
            return 1;
        };
        options.Grid_btn->click();
        EXPECT_EQ(colour, k.colour);
        EXPECT_EQ(spacing, int(k.spacing));
        EXPECT_EQ(checked, k.shown);
        EXPECT_EQ(boxEnabled, k.shown);
        EXPECT_EQ(changes.count(), 0) << "filling the controls wrote nothing";
    }
    EXPECT_EQ(responder->modalCount, 2);
}

TEST_F(GridOptionsAlone, TheControlsWriteTheGridAtOnce)
{
    struct Case {
        const char *control;
        std::function<void()> change;
        QColor colour;
        double spacing;
        bool shown;
    };
    const QColor start(0, 0, 200), blue(10, 20, 230);
    const Case cases[] = {
        {"colour", [&] { wizard().Grid_clr->chooseColor(blue); }, blue, 9, true},
        {"spacing", [&] { wizard().Grid_Space_slidr->setValue(27); }, start, 27, true},
        {"show on", [&] { wizard().Show_hide_grid_chk->click(); }, start, 9, true},
    };
    for (const Case &k : cases) {
        SCOPED_TRACE(k.control);
        grid._color = start;
        grid._spacing = 9;
        grid.setAlwaysShown(false);
        bool checkedAfter = false, boxAfter = false;
        runWindow([&] {
            k.change();
            checkedAfter = wizard().Show_hide_grid_chk->isChecked();
            boxAfter = wizard().Grid_Opt_box->isEnabled();
        });
        EXPECT_EQ(grid.color(), k.colour);
        EXPECT_EQ(grid.spacing(), k.spacing);
        EXPECT_EQ(grid.isAlwaysShown(), k.shown);
        EXPECT_EQ(checkedAfter, k.shown) << "the window shows that the grid is shown";
        EXPECT_EQ(boxAfter, k.shown);
    }
}

TEST_F(GridOptionsAlone, TheShowCheckBoxHidesTheGridAndDisablesItsOptions)
{
    grid.setAlwaysShown(true);
    bool boxAfter = true;
    runWindow([&] {
        wizard().Show_hide_grid_chk->click();
        boxAfter = wizard().Grid_Opt_box->isEnabled();
    });
    EXPECT_FALSE(grid.isAlwaysShown());
    EXPECT_FALSE(boxAfter);
}

TEST_F(GridOptionsAlone, WithoutAGridNothingOpensAndNothingChanges)
{
    source = nullptr;
    options.Build_Grid_Buttons(ruler);
    options.Grid_btn->click();
    options.Snap_to_Grid_btn->click();
    EXPECT_EQ(responder->modalCount, 0);
    EXPECT_EQ(options.grid_wizard, nullptr);
    EXPECT_FALSE(grid.isConstraining());
}

} // namespace
