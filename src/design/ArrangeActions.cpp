// The alignment and sizing commands: each hands its work to the canvas, then redraws and records
// one step. Locked objects never move, so a selection of locked objects only records nothing.

#include "design/DesignController.h"

#include "core/Messages.h"
#include "model/SKTGraphic.h"
#include "model/SKTGrid.h"

#include <algorithm>
#include <functional>

namespace {

void arrange(DesignController &d, const std::function<void()> &command)
{
    const SKTGraphicList selection = d.Selected_Graphic_Objects();
    const bool movable = std::any_of(selection.cbegin(), selection.cend(),
                                     [](const std::shared_ptr<SKTGraphic> &g) { return g && !g->ctrl_is_locked; });
    if (!command || !movable)
        return;
    command();
    d.Refresh_Canvas();
    d.Insert_In_Undo_Redo();
}

// The same-size commands need a reference and at least one other object.
bool twoOrMoreSelected(const DesignController &d)
{
    if (d.Selected_Graphic_Objects().size() >= 2)
        return true;
    Show_MessageBox(QStringLiteral("Please select more than one control."));
    return false;
}

} // namespace

void DesignController::Align_Left_Clicked() { arrange(*this, Canvas_Commands.alignLeftEdges); }
void DesignController::Align_Right_Clicked() { arrange(*this, Canvas_Commands.alignRightEdges); }
void DesignController::Align_Top_Clicked() { arrange(*this, Canvas_Commands.alignTopEdges); }
void DesignController::Align_Bottom_Clicked() { arrange(*this, Canvas_Commands.alignBottomEdges); }
void DesignController::Align_Center_Clicked() { arrange(*this, Canvas_Commands.alignformCenter); }
void DesignController::Align_Horz_Clicked() { arrange(*this, Canvas_Commands.alignHorizontalCenters); }
void DesignController::Align_Vert_Clicked() { arrange(*this, Canvas_Commands.alignVerticalCenters); }
void DesignController::Make_Fit_To_Label_Clicked() { arrange(*this, Canvas_Commands.makeSameAsLabelSize); }
void DesignController::Make_Natural_Clicked() { arrange(*this, Canvas_Commands.makeNaturalSize); }

void DesignController::Make_Same_Width_Clicked()
{
    if (twoOrMoreSelected(*this))
        arrange(*this, Canvas_Commands.makeSameWidth);
}

void DesignController::Make_Same_Height_Clicked()
{
    if (twoOrMoreSelected(*this))
        arrange(*this, Canvas_Commands.makeSameHeight);
}

void DesignController::Align_To_Grid_Clicked()
{
    if (!_grid || !_grid->isAlwaysShown()) {
        Show_MessageBox(QStringLiteral("Please use grid option first."));
        return;
    }
    arrange(*this, Canvas_Commands.alignWithGrid);
}
