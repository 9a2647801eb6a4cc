#include "imagetools/ImageFileReader.h"

#include "imagetools/ImageFileChecks.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include <algorithm>
#include <cmath>

namespace imagefile {

namespace {

Result failed(Failure failure, const QSize &stored = QSize()) { return {QImage(), failure, stored}; }

// "~" expanded, then "." and ".." resolved without asking the file system.
QString standardised(const QString &path)
{
    QString expanded = path;
    if (path == QLatin1String("~") || path.startsWith(QLatin1String("~/")))
        expanded = QDir::homePath() + path.mid(1);
    return QDir::cleanPath(expanded);
}

// The JPEG decoder shrinks by 1/2, 1/4 or 1/8 while decoding when asked for a smaller size, so a
// preview of a large file costs about the preview's memory; every other decoder makes the whole
// image first. The pixel size a decode makes before any scaling.
QSize decodedSize(const QByteArray &format, const QSize &stored, const QSize &target)
{
    if (target == stored || (format != "jpeg" && format != "jpg"))
        return stored;
    const int ratio = std::min(stored.width() / std::max(1, target.width()), stored.height() / std::max(1, target.height()));
    const int denominator = ratio >= 8 ? 8 : ratio >= 4 ? 4 : ratio >= 2 ? 2 : 1;
    return {(stored.width() + denominator - 1) / denominator, (stored.height() + denominator - 1) / denominator};
}

// At up to 32 bits a pixel.
double megabytes(const QSize &size) { return double(size.width()) * double(size.height()) * 4.0 / (1024.0 * 1024.0); }

bool wholeInFile(const QString &path, const QByteArray &format)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const qint64 size = file.size();
    if (const uchar *mapped = file.map(0, size))
        return isComplete(format, mapped, size);
    const QByteArray bytes = file.readAll();
    return isComplete(format, reinterpret_cast<const uchar *>(bytes.constData()), bytes.size());
}

} // namespace

QString Result::reason() const
{
    switch (failure) {
    case Failure::None:
        return {};
    case Failure::FileNotFound:
        return QStringLiteral("file not found");
    case Failure::NotAPicture:
        return QStringLiteral("not a picture");
    case Failure::Damaged:
        return QStringLiteral("damaged or truncated");
    case Failure::TooLarge:
        return QStringLiteral("too large (%1 \u00d7 %2 pixels)").arg(storedSize.width()).arg(storedSize.height());
    }
    return {};
}

platform::Picture Result::picture() const
{
    return image.isNull() ? platform::Picture() : platform::Picture::fromImage(image, QSizeF(image.size()));
}

QSize fittedSize(const QSize &size, int largestSide)
{
    const int longer = std::max(size.width(), size.height());
    if (largestSide <= Whole || longer <= largestSide)
        return size;
    const double scale = double(largestSide) / longer;
    return {std::max(1, int(std::lround(size.width() * scale))), std::max(1, int(std::lround(size.height() * scale)))};
}

Result read(const QString &path, int largestSide, int allocationLimitMB)
{
    if (path.isEmpty() || !QFileInfo::exists(path))
        return failed(Failure::FileNotFound);
    const QString file = standardised(path);
    const QFileInfo info(file);
    if (!info.exists())
        return failed(Failure::FileNotFound);
    // A regular file only: a folder is no picture, and a device or a pipe would never end.
    if (!info.isFile() || info.size() == 0)
        return failed(Failure::NotAPicture);

    QImageReader reader(file);
    reader.setDecideFormatFromContent(true);   // a PNG named .jpg is still a PNG
    reader.setAutoTransform(true);
    const int limit = std::max(1, allocationLimitMB);
    reader.setAllocationLimit(limit);
    const QByteArray format = reader.format();
    if (format.isEmpty())
        return failed(Failure::NotAPicture);
    // The stored size, before the orientation turns it; read from the header alone.
    const QSize stored = reader.size();
    if (!stored.isValid() || stored.isEmpty())
        return failed(Failure::Damaged);
    const QSize target = fittedSize(stored, largestSide);
    if (megabytes(decodedSize(format, stored, target)) > limit)
        return failed(Failure::TooLarge, stored);
    if (!wholeInFile(file, format))
        return failed(Failure::Damaged, stored);
    if (target != stored)
        reader.setScaledSize(target);   // in the stored orientation; turned upright after scaling
    QImage image;
    if (!reader.read(&image) || image.isNull())
        return failed(Failure::Damaged, stored);
    if (largestSide > Whole && std::max(image.width(), image.height()) > largestSide)
        image = image.scaled(fittedSize(image.size(), largestSide), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (image.isNull())
        return failed(Failure::TooLarge, stored);
    return {image, Failure::None, stored};
}

} // namespace imagefile
