#include "data/Generate_List.h"

#include "data/WindowStandIn.h"

Generate_List *Generate_List::defaultInstance()
{
    static Generate_List window;
    return &window;
}

int Generate_List::Open_Wnd() { return openStandIn(runner, QStringLiteral("Series creation")); }
