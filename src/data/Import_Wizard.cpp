#include "data/Import_Wizard.h"

#include "data/WindowStandIn.h"

Import_Wizard *Import_Wizard::defaultInstance()
{
    static Import_Wizard window;
    return &window;
}

int Import_Wizard::Open_Wnd() { return openStandIn(runner, QStringLiteral("The import wizard")); }
