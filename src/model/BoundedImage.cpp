#include "model/BoundedImage.h"

#include "platform/UserFiles.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>

#include <cmath>

namespace {

QImage readBounded(QImageReader &reader, qint64 maxPixels, QString *why)
{
    auto fail = [why](const QString &reason) {
        if (why)
            *why = reason;
        return QImage();
    };
    const QSize size = reader.size();
    if (!size.isValid() || size.isEmpty())
        return fail(QStringLiteral("The data is not a readable picture."));
    const qint64 pixels = qint64(size.width()) * size.height();
    if (pixels > maxPixels)
        return fail(QStringLiteral("The picture has %1 pixels, more than the %2 allowed.").arg(pixels).arg(maxPixels));
    // Room for the widest pixel format a decoder may choose (16 bits a channel), nothing more.
    reader.setAllocationLimit(int(std::ceil(double(pixels) * 8.0 / (1024.0 * 1024.0))) + 1);
    QImage image;
    if (!reader.read(&image))
        return fail(reader.errorString());
    return image;
}

} // namespace

QImage readBoundedImage(const QByteArray &bytes, const char *format, qint64 maxPixels, QString *why)
{
    QBuffer buffer;
    buffer.setData(bytes);
    if (!buffer.open(QIODevice::ReadOnly))
        return {};
    QImageReader reader(&buffer, format ? QByteArray(format) : QByteArray());
    return readBounded(reader, maxPixels, why);
}

QImage readBoundedImageFile(const QString &path, qint64 maxPixels, QString *why)
{
    // A regular file only: the decoder would wait on a FIFO for ever.
    if (!platform::isRegularFile(path)) {
        if (why)
            *why = QStringLiteral("not a regular file");
        return {};
    }
    QImageReader reader(path);
    reader.setAutoTransform(true);
    return readBounded(reader, maxPixels, why);
}
