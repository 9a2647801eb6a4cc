#include "core/PageSetupPanel.h"

#include "core/Messages.h"
#include "platform/PrintDestination.h"

bool Run_Page_Setup(platform::PrintInfo &info, QWidget *parent)
{
    QString refused;
    if (platform::runPageSetup(info, parent, &refused))
        return true;
    if (!refused.isEmpty())
        Show_MessageBox(refused);
    return false;
}
