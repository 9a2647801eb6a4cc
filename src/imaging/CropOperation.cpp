#include "imaging/CropOperation.h"

#include "imaging/CropGeometry.h"
#include "imaging/CropSource.h"
#include "imaging/ImageFileReader.h"

#include <QFileInfo>
#include <QImageReader>

namespace crop {

namespace {

// The preview the selection was drawn over: the one shown, else the one a picture of the
// original's upright size would have.
QSizeF previewFor(const OperationPlan &plan, const QSize &upright)
{
    return plan.previewSize.isValid() && !plan.previewSize.isEmpty()
               ? plan.previewSize
               : QSizeF(imagefile::fittedSize(upright, plan.previewSide));
}

SourceRequest requestFor(const OperationPlan &plan, const QSizeF &preview)
{
    SourceRequest request;
    request.manual = plan.manual;
    request.cropRect = plan.cropRect;
    request.ratio = platform::imageRatio(QRectF(QPointF(0, 0), plan.drawingSize), preview, plan.scaling);
    request.previewSize = preview;
    request.width = plan.width;
    request.height = plan.height;
    request.keepAspectRatio = plan.keepAspectRatio;
    return request;
}

} // namespace

QImage cutFromOriginal(const OperationPlan &plan, const QString &inputPath, QString *reason)
{
    // The header gives the upright size the preview was made from; readSource names a bad file.
    const imagefile::Result head = imagefile::probe(inputPath);
    const QSizeF preview = previewFor(plan, head.ok() ? head.uprightSize : QSize());
    Source source = readSource(inputPath, requestFor(plan, preview));
    if (reason)
        *reason = source.message;
    return source.image;
}

qint64 operationBytes(const OperationPlan &plan, const QString &inputPath)
{
    const imagefile::Result head = imagefile::probe(inputPath);
    if (!head.ok())
        return 0;
    const QSize upright = head.uprightSize;
    const qint64 whole = qint64(upright.width()) * upright.height() * 4;
    if (plan.manual) {
        const SourceRequest request = requestFor(plan, previewFor(plan, upright));
        const QRect region = sourcePixelRect(request.cropRect, request.ratio, request.previewSize, upright);
        const qint64 cut = qint64(region.width()) * region.height() * 4;
        // A JPEG decodes the region alone; other formats decode the whole picture first.
        const bool clipped = QImageReader(inputPath).supportsOption(QImageIOHandler::ClipRect);
        return (clipped ? cut : whole) + cut;
    }
    const QSize target = resizedSize(plan.width, plan.height, plan.keepAspectRatio, QSizeF(upright));
    return whole + qint64(target.width()) * target.height() * 4;
}

} // namespace crop
