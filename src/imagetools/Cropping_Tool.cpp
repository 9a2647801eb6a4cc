#include "imagetools/Cropping_Tool.h"

#include "core/Messages.h"

namespace {
const QString notAvailable = QStringLiteral("The cropping tool is not available yet.");
} // namespace

Cropping_Tool *Cropping_Tool::defaultInstance()
{
    static Cropping_Tool tool;
    return &tool;
}

int Cropping_Tool::Open_Wnd_Direct_To_Crop(const QString &)
{
    Show_MessageBox(notAvailable);
    return 0;
}

int Cropping_Tool::Open_Wnd_Direct_Crop_Series(const QString &)
{
    Show_MessageBox(notAvailable);
    return 0;
}
