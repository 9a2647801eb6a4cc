#include "imaging/CropSource.h"

#include "imaging/CropGeometry.h"
#include "imaging/ImageFileReader.h"
#include "imaging/ImageForPath.h"

#include <QFileInfo>

namespace crop {

namespace {

Source unreadable(const QString &path, const imagefile::Result &result)
{
    return {QImage(), QStringLiteral("The image could not be read: %1 (%2).")
                          .arg(QFileInfo(path).fileName(), result.reason())};
}

} // namespace

Source readSource(const QString &path, const SourceRequest &request)
{
    const imagefile::Result head = imagefile::probe(path);
    if (!head.ok())
        return unreadable(path, head);
    imagefile::Options options;
    options.resultLimitMB = Resize_Limit_MB;
    if (request.manual) {
        const QSizeF preview = request.previewSize.isEmpty()
                                   ? QSizeF(imagefile::fittedSize(head.uprightSize, Crop_Image_Size))
                                   : request.previewSize;
        options.clip = sourcePixelRect(request.cropRect, request.ratio, preview, head.uprightSize);
        if (options.clip.isEmpty())
            return {QImage(), QStringLiteral("Please select area to crop.")};
    } else {
        options.scaledSize = resizedSize(request.width, request.height, request.keepAspectRatio,
                                         QSizeF(head.uprightSize));
        if (options.scaledSize.isEmpty())
            return {};
    }
    const imagefile::Result read = imagefile::read(path, options);
    if (!read.ok())
        return unreadable(path, read);
    return {read.image, QString()};
}

QString unreadablePicture(const QString &path)
{
    if (!QFileInfo(path).isFile())
        return {};
    const imagefile::Result head = imagefile::probe(path);
    return head.ok() ? QString() : unreadable(path, head).message;
}

} // namespace crop
