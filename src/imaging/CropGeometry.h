#pragma once
// The arithmetic of the crop wizard's operations, kept apart from its window: where a rectangle
// drawn over the preview lies in the full original picture, the size a resize produces, the size
// fields' rules and the output file names.

#include <QRect>
#include <QRectF>
#include <QSize>
#include <QSizeF>
#include <QString>

namespace crop {

// The pixels of the original picture under `cropRect`, a rectangle in canvas points over the
// preview (origin at the preview's bottom-left, y up, sizes possibly negative while dragged).
// `ratio` is the crop view's points per preview point on each axis; the preview is a scaled copy
// of the original, so each axis is scaled by original ÷ preview. Edges land on whole pixels and
// the result is clipped to the original (y down, as pixels are stored); empty when nothing of the
// picture is covered.
QRect sourcePixelRect(const QRectF &cropRect, const QSizeF &ratio, const QSizeF &previewSize,
                      const QSize &originalSize);

// The pixel size a resize to `width` × `height` makes of a picture of `pictureSize`; keeping the
// aspect ratio fits the picture inside that size, touching it on one side. Empty when the size is
// not positive.
QSize resizedSize(double width, double height, bool keepAspectRatio, const QSizeF &pictureSize);

// A size field as it is typed: its digits only, at most 5 of them, at most 10000. It may be empty,
// or 0, while typed (value 0 then); the least size, 1, is the window's rule once editing ends.
struct SizeField {
    QString text;
    int value = 0;
};
SizeField sizeFieldTyped(const QString &typed);
// The leading decimal integer of a text (white space skipped, optional sign); 0 without digits.
int leadingInteger(const QString &text);

// The output path of a crop: the custom name (when chosen) or the input file's name without its
// extension, "_<n>" after it once `cropNum` is above 0, and the format's upper-cased extension
// (0 jpg, 1 bmp, 2 png, 3 tiff), in `outputFolder`. A "/" in the custom name becomes "_", so the
// file always lands in the output folder.
QString croppedFileName(const QString &outputFolder, bool customName, const QString &customText,
                        const QString &inputPath, int cropNum, int formatIndex);

} // namespace crop
