#pragma once
// Pictures read from image files for card objects. Files come from anywhere, so every read is
// bounded: a preview is decoded small where the decoder can shrink while decoding (JPEG) and is
// refused where the whole decode would not fit the allocation limit; nothing larger is ever made.

#include "platform/Picture.h"

#include <QString>

// The longer side of a preview, in pixels.
constexpr int Crop_Image_Size = 800;
// The most memory one decode may take, in megabytes.
constexpr int Image_Decode_Limit_MB = 256;

// The picture of the file at path, one point per pixel, upright by the file's stored orientation:
// with org_or_crop NO a preview whose longer side is at most Crop_Image_Size, with YES the whole
// image. A null picture when no regular file is there or it cannot be read within the limit. The
// icon flag changes nothing. Any thread.
platform::Picture Get_Image_For_Path(const QString &path, bool asIcon, bool org_or_crop);
// The same read under another allocation limit.
platform::Picture Get_Image_For_Path_Within(const QString &path, bool org_or_crop, int allocationLimitMB);
