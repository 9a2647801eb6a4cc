#include "data/BatchWizard.h"

#include "data/WindowStandIn.h"

BatchWizard *BatchWizard::defaultInstance()
{
    static BatchWizard window;
    return &window;
}

int BatchWizard::Open_Wnd() { return openStandIn(runner, QStringLiteral("The series manager")); }
