#include "imagetools/CropOperation.h"

#include "imagetools/CropGeometry.h"
#include "imagetools/ImageFileReader.h"

#include <QFileInfo>
#include <QImageReader>

namespace crop {

QImage cutFromOriginal(const OperationPlan &plan, const QString &inputPath, QString *reason)
{
    const auto fail = [reason](const QString &why) {
        if (reason)
            *reason = why;
        return QImage();
    };
    const imagefile::Result original = imagefile::read(inputPath, imagefile::Whole);
    if (!original.ok())
        return fail(QStringLiteral("The image could not be read: %1 (%2).")
                        .arg(QFileInfo(inputPath).fileName(), original.reason()));
    const QSize size = original.image.size();
    if (plan.manual) {
        const QSizeF preview = plan.previewSize.isValid() && !plan.previewSize.isEmpty()
                                   ? plan.previewSize
                                   : QSizeF(imagefile::fittedSize(size, plan.previewSide));
        const QSizeF ratio = platform::imageRatio(QRectF(QPointF(0, 0), plan.drawingSize), preview, plan.scaling);
        const QRect pixels = sourcePixelRect(plan.cropRect, ratio, preview, size);
        if (pixels.isEmpty())
            return fail(QStringLiteral("Please select area to crop."));
        return original.image.copy(pixels);
    }
    const QSize target = resizedSize(plan.width, plan.height, plan.keepAspectRatio, QSizeF(size));
    if (target.isEmpty())
        return fail(QString());
    return original.image.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

qint64 operationBytes(const OperationPlan &plan, const QString &inputPath)
{
    const QSize stored = QImageReader(inputPath).size();
    if (!stored.isValid())
        return 0;
    const qint64 original = qint64(stored.width()) * stored.height() * 4;
    if (plan.manual)
        return 2 * original;   // the region is at most the whole picture
    const QSize target = resizedSize(plan.width, plan.height, plan.keepAspectRatio, QSizeF(stored));
    return original + qint64(target.width()) * target.height() * 4;
}

} // namespace crop
