// The least save-changes prompt of the Designing mode: with unsaved changes it asks, and Cancel
// stops the caller. Saving the design itself belongs to the project writer.

#include "design/DesignController.h"

#include "core/Globals.h"
#include "core/Messages.h"

int DesignController::Check_And_Show_Save_Message(bool, bool ask, const QString &)
{
    if (!ask || !save_flag_des_mode)
        return 1;
    const int answer = Show_YES_NO_Cancel_MessageBox(QStringLiteral("Do you want to save the changes of 'Label Design'?"));
    return answer == 1002 ? 0 : 1;
}
