#pragma once
// Pictures read from image files for card objects and the crop wizard: previews of at most
// Crop_Image_Size pixels, or the whole picture, through the one picture-file reader.

#include "imaging/ImageFileReader.h"
#include "platform/Picture.h"

#include <QString>

// The longer side of a preview, in pixels.
constexpr int Crop_Image_Size = 800;
// The most memory one decode may take, in megabytes.
constexpr int Image_Decode_Limit_MB = imagefile::Decode_Limit_MB;

// The picture of the file at path, one point per pixel, upright by the file's stored orientation:
// with org_or_crop NO a preview whose longer side is at most Crop_Image_Size, with YES the whole
// image. A null picture when nothing is at the path or it cannot be read within the limit (the
// reader tells why). The icon flag changes nothing. Any thread.
platform::Picture Get_Image_For_Path(const QString &path, bool asIcon, bool org_or_crop);
// The same read under another allocation limit.
platform::Picture Get_Image_For_Path_Within(const QString &path, bool org_or_crop, int allocationLimitMB);
