// The sidebar's print check box: every unlocked selected object printed or left out, then one undo
// step.

#include "design/DesignController.h"

#include "core/Globals.h"
#include "model/SKTGraphic.h"

#include <QCheckBox>

#include <algorithm>

namespace {

// Whether the flag can change any selected object: an unlocked one.
bool anyApplicable(const SKTGraphicList &selection)
{
    return std::any_of(selection.cbegin(), selection.cend(),
                       [](const std::shared_ptr<SKTGraphic> &g) { return g && !g->ctrl_is_locked; });
}

} // namespace

void DesignController::Print_object_chk_changed()
{
    if (Not_Draw_Only_Prop_Change || !print_object_chk || !Canvas_Commands.printControlOrNot)
        return;
    if (!anyApplicable(Selected_Graphic_Objects()))
        return;
    Canvas_Commands.printControlOrNot(print_object_chk->isChecked() ? 1 : 0);
    Insert_In_Undo_Redo();
}
