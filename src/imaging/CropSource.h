#pragma once
// The pixels a crop or a resize takes from the original picture file. The crop view shows an
// 800-pixel preview; what is written always comes from the full original: the region under the
// selection at the original's resolution, decoded alone where the format allows it, or the whole
// picture scaled while it is decoded. Through the file's orientation, so the region is the one
// shown. Free of widgets and globals; any thread.

#include <QImage>
#include <QRectF>
#include <QSizeF>
#include <QString>

namespace crop {

// The most a resize may make, in megabytes: a 10000 × 10000 picture at 32 bits a pixel.
constexpr int Resize_Limit_MB = 400;

// What one operation takes from the file, in the crop view's terms.
struct SourceRequest {
    bool manual = true;             // the selection's region; else the whole picture resized
    QRectF cropRect;                // the selection, canvas points over the preview (y up)
    QSizeF ratio;                   // the crop view's points per preview point on each axis
    QSizeF previewSize;             // the preview's size; empty: the file's own 800-pixel preview
    double width = 0, height = 0;   // the resize's size
    bool keepAspectRatio = false;
};

struct Source {
    QImage image;      // null when there is nothing to write
    QString message;   // why not, for the user; empty when there is nothing to say
};

// Reads what the request takes from the file at path. A file that is no readable picture gives
// "The image could not be read: <name> (<reason>)."; a selection that covers none of the picture
// gives "Please select area to crop.".
Source readSource(const QString &path, const SourceRequest &request);

// For a file that is there but whose header reads as no picture: "The image could not be read:
// <name> (<reason>)."; empty for a picture, and for a path that names no file.
QString unreadablePicture(const QString &path);

} // namespace crop
