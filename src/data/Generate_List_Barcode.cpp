#include "data/Generate_List_Barcode.h"

#include "data/WindowStandIn.h"

Generate_List_Barcode *Generate_List_Barcode::defaultInstance()
{
    static Generate_List_Barcode window;
    return &window;
}

int Generate_List_Barcode::Open_Wnd() { return openStandIn(runner, QStringLiteral("The list generator")); }
