#include "imagetools/ImageForPath.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>

#include <algorithm>
#include <cmath>

namespace {

// Decoders that shrink while decoding, so a preview of a large file costs the preview's memory.
bool shrinksWhileDecoding(const QByteArray &format) { return format == "jpeg" || format == "jpg"; }

// The size whose longer side is at most the preview's, aspect ratio kept.
QSize previewSize(const QSize &size)
{
    const int longer = std::max(size.width(), size.height());
    if (longer <= Crop_Image_Size)
        return size;
    const double scale = double(Crop_Image_Size) / longer;
    return {std::max(1, int(std::lround(size.width() * scale))), std::max(1, int(std::lround(size.height() * scale)))};
}

// A JPEG cut short decodes with grey where the data stops; such a file counts as unreadable. Its
// last scan then has no end marker: scanning back from the end, the scan's start comes before
// any end-of-image marker (inside a scan a 0xff byte is never followed by either).
bool jpegIsComplete(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const qint64 size = file.size();
    if (size < 4)
        return false;
    const uchar *data = file.map(0, size);
    QByteArray whole;
    if (!data) {
        whole = file.readAll();
        data = reinterpret_cast<const uchar *>(whole.constData());
    }
    for (qint64 i = size - 2; i >= 0; --i) {
        if (data[i] != 0xff)
            continue;
        if (data[i + 1] == 0xd9)
            return true;
        if (data[i + 1] == 0xda)
            return false;
    }
    return false;
}

} // namespace

platform::Picture Get_Image_For_Path(const QString &path, bool, bool org_or_crop)
{
    return Get_Image_For_Path_Within(path, org_or_crop, Image_Decode_Limit_MB);
}

platform::Picture Get_Image_For_Path_Within(const QString &path, bool org_or_crop, int allocationLimitMB)
{
    // A regular file only: a device or a pipe would never finish reading.
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return {};
    QImageReader reader(path);
    reader.setAutoTransform(true);
    reader.setAllocationLimit(std::max(1, allocationLimitMB));
    // The stored size, before the orientation turns it.
    const QSize stored = reader.size();
    if (!stored.isValid() || stored.isEmpty())
        return {};
    // A decoder that cannot shrink while decoding makes the whole image first (at up to 32 bits a
    // pixel), and scaling it may convert it once more: that whole image must fit the limit.
    const double wholeMB = double(stored.width()) * stored.height() * 4.0 / (1024.0 * 1024.0);
    const bool wholeFits = wholeMB <= allocationLimitMB;
    if (org_or_crop) {
        if (!wholeFits)
            return {};
    } else {
        const QSize preview = previewSize(stored);
        if (!wholeFits && !(preview != stored && shrinksWhileDecoding(reader.format())))
            return {};
        if (preview != stored)
            reader.setScaledSize(preview);
    }
    if (shrinksWhileDecoding(reader.format()) && !jpegIsComplete(path))
        return {};
    QImage image;
    if (!reader.read(&image) || image.isNull())
        return {};
    if (!org_or_crop && std::max(image.width(), image.height()) > Crop_Image_Size)
        image = image.scaled(previewSize(image.size()), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (image.isNull())
        return {};
    return platform::Picture::fromImage(image, QSizeF(image.size()));
}
