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

enum class Failure { None, FileNotFound, NotAPicture, Damaged, TooLarge, OutsidePicture };

struct Result {
    QImage image;                        // upright, one point per pixel; null on failure
    Failure failure = Failure::None;
    QSize storedSize;                    // the pixel size the file's header gives, when it was read
    QSize uprightSize;                   // the same, turned by the file's orientation

    bool ok() const { return failure == Failure::None; }
    // "file not found", "not a picture", "damaged or truncated", "too large (W × H pixels)",
    // "the area lies outside the picture"; empty for a picture.
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

// What to make of a file beyond its whole upright picture. Both rectangles and sizes are in
// upright pixels (as the picture is shown, after the file's orientation).
struct Options {
    // The part of the picture to read; empty: all of it. Clipped to the picture. A JPEG decodes
    // only the rows down to the part's end and keeps only the part, so a small part of a huge
    // photo costs the part's memory; other formats decode whole and cut.
    QRect clip;
    // The size to scale the (clipped) picture to while decoding, aspect ratio as given; empty:
    // as decoded. A JPEG decodes at the nearest larger eighth first.
    QSize scaledSize;
    // As for read() below, when scaledSize is empty.
    int largestSide = Whole;
    // The most one decode may take, and the most the scaled result may take, in megabytes.
    int allocationLimitMB = Decode_Limit_MB;
    int resultLimitMB = Decode_Limit_MB;
};

Result read(const QString &path, const Options &options);

// The header alone: the stored and upright sizes, or why there is no picture. No pixel is
// decoded and the image stays null.
Result probe(const QString &path);

// The size whose longer side is at most largestSide, the aspect ratio kept; the size itself when
// it fits or largestSide is Whole.
QSize fittedSize(const QSize &size, int largestSide);

} // namespace imagefile
