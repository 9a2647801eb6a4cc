#pragma once
// One crop or resize of one picture file, cut from the full original: the single crop, the direct
// crops and every image of a batch run go through here. Free of widgets and globals; any thread.

#include "platform/ScaledImageGeometry.h"

#include <QImage>
#include <QRectF>
#include <QSizeF>
#include <QString>

namespace crop {

// What the wizard's window shows and holds when the operation starts, copied once.
struct OperationPlan {
    bool manual = true;          // cut the selection rectangle; else resize the whole picture
    QRectF cropRect;             // the selection, canvas points over the preview, y up
    QSizeF drawingSize;          // the crop view's drawing rectangle
    platform::ImageScaling scaling = platform::ImageScaling::ProportionallyDown;
    int previewSide = 800;       // the longer side of the preview the view shows
    // The preview the selection was drawn over, when known (the single crop); else the preview a
    // picture of the original's size would have.
    QSizeF previewSize;
    double width = 50, height = 50;   // the resize
    bool keepAspectRatio = false;
};

// The pixels to write for the picture file: the original's pixels under the selection, or the
// whole original scaled. Null when the file cannot be read (reason: "The image could not be read:
// <name> (<why>).") or nothing of the picture is covered (manual: "Please select area to crop.";
// a resize to no size leaves the reason empty).
QImage cutFromOriginal(const OperationPlan &plan, const QString &inputPath, QString *reason);

// The memory the operation takes for the file at most, in bytes, from its header alone: the
// decoded original and the result. 0 when the header cannot be read (the read then fails cheaply).
qint64 operationBytes(const OperationPlan &plan, const QString &inputPath);

} // namespace crop
