// The cropping tool opened on its own from the toolbar.

#include "imagetools/Cropping_Tool.h"

#include "core/Messages.h"

int Cropping_Tool::Open_Wnd()
{
    if (runner)
        return runner();
    Show_MessageBox(QStringLiteral("The cropping tool is not available yet."));
    return 0;
}
