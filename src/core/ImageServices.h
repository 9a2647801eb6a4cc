#pragma once
// Units and image services of the window controller that every subsystem uses; the controller's
// methods of the same names forward here. They work on any thread.

#include "platform/Picture.h"

#include <QByteArray>
#include <QImage>
#include <QSizeF>
#include <QString>

// Points (72 per inch) and millimetres; the product is taken in double precision.
float Points_to_MM_Convert(float points);
float MM_to_Points_Convert(float millimetres);

// Renders the picture into a bitmap of ceil(dpi x points / 72) pixels each way (nearest neighbour,
// bars and modules on whole pixels), keeping its size in points; the bitmap records dpi exactly and
// is made in the leanest form its content allows (see Picture::toImage). A null picture, or one
// beyond the raster limits, gives the log line "Invalid image" and a null picture.
platform::Picture Increase_DPI(const platform::Picture &image, double dpi);

// Writes the picture in the format its extension names, in upper case: "JPG" and "JPEG" JPEG, "PNG"
// PNG, "BMP" BMP, "GIF" GIF, "TIF" and "TIFF" TIFF, "PDF" one PDF page of the picture's size; any
// other extension (or none) PNG. Bitmaps record the resolution they were raised to when it gives
// their pixel count (so an export at 600 DPI reads 600 exactly), else pixels / points x 72; a
// vector picture is written at 72 DPI. PNG goes through our own writer (one bit, palette or grey as
// the bitmap is; compressed). The new file replaces the old one only once it is complete, so a
// failed write keeps the old file. Answers success; a failure is logged.
bool Save_gen_image(const platform::Picture &image, const QString &file_path_val);
// The bytes Save_gen_image writes for that path's extension; empty with the reason in error on
// failure. Batches encode on their workers and write the files themselves.
QByteArray Encode_gen_image(const platform::Picture &image, const QString &file_path_val, QString *error);

// The bitmap as it stands on white paper: opaque (RGB32), its clear parts white, its resolution kept.
QImage flattenedOnWhite(const QImage &image);

// The picture scaled, aspect ratio kept, to the largest size that fits the box (enlarged as well as
// reduced).
platform::Picture resizeImage_toFitSize(const platform::Picture &image, const QSizeF &size);
// The whole picture drawn into a new picture of exactly that size.
platform::Picture resizeImage_toWidth_height(const platform::Picture &image, double width, double height);
