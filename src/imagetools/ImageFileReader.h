#pragma once
// The one reader of picture files: picture objects, the crop wizard and the thumbnail workers all
// decode through it. Files come from anywhere, so it answers either a picture or the reason there
// is none, and it never allocates more than the limit: a large JPEG is decoded small, and any
// other picture that would not fit whole is refused from its header alone. Free of widgets and
// globals; any thread.

#include "platform/Picture.h"

#include <QImage>
#include <QSize>
#include <QString>

namespace imagefile {

// The most memory one decode may take, in megabytes.
constexpr int Decode_Limit_MB = 256;
// A largest side of no limit: the whole picture.
constexpr int Whole = 0;

enum class Failure { None, FileNotFound, NotAPicture, Damaged, TooLarge };

struct Result {
    QImage image;                        // upright, one point per pixel; null on failure
    Failure failure = Failure::None;
    QSize storedSize;                    // the pixel size the file's header gives, when it was read

    bool ok() const { return failure == Failure::None; }
    // "file not found", "not a picture", "damaged or truncated", "too large (W × H pixels)";
    // empty for a picture.
    QString reason() const;
    // The image as a picture of one point per pixel; null on failure.
    platform::Picture picture() const;
};

// Reads the first picture of the file: the path must name something as given ("~" and ".." are
// taken literally there, as a file manager would), then the picture is read from the standardised
// path ("~" expanded, "." and ".." resolved). With largestSide above 0 the picture's longer side
// is at most that many pixels, never enlarged; upright by the file's stored orientation. A JPEG
// or GIF cut short, and a PNG or BMP that fails to decode whole, is damaged, never half grey.
Result read(const QString &path, int largestSide, int allocationLimitMB = Decode_Limit_MB);

// The size whose longer side is at most largestSide, the aspect ratio kept; the size itself when
// it fits or largestSide is Whole.
QSize fittedSize(const QSize &size, int largestSide);

} // namespace imagefile
