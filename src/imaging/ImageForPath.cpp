#include "imaging/ImageForPath.h"

platform::Picture Get_Image_For_Path(const QString &path, bool, bool org_or_crop)
{
    return Get_Image_For_Path_Within(path, org_or_crop, Image_Decode_Limit_MB);
}

platform::Picture Get_Image_For_Path_Within(const QString &path, bool org_or_crop, int allocationLimitMB)
{
    return imagefile::read(path, org_or_crop ? imagefile::Whole : Crop_Image_Size, allocationLimitMB).picture();
}
