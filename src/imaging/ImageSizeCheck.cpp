#include "imaging/ImageSizeCheck.h"

#include "core/Globals.h"

bool Image_Is_Over_Size(const QString &, bool, int)
{
    Use_Org_image_Or_Shred_it = false;
    return false;
}
