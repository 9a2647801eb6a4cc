#include "imaging/ImageFileReader.h"

#include "imaging/ImageFileChecks.h"
#include "platform/UserFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QTransform>

#include <algorithm>
#include <cmath>

namespace imagefile {

namespace {

Result failed(Failure failure, const QSize &stored = QSize(), const QSize &upright = QSize())
{
    return {QImage(), failure, stored, upright};
}

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

// Where the reader's turn by the file's orientation takes a stored pixel edge: mirrored or flipped
// first, then a quarter turn clockwise, as the reader applies them.
QTransform storedToUpright(QImageIOHandler::Transformations turn, const QSize &stored)
{
    const double w = stored.width(), h = stored.height();
    QTransform m;
    if (turn & QImageIOHandler::TransformationMirror)
        m *= QTransform(-1, 0, 0, 1, w, 0);
    if (turn & QImageIOHandler::TransformationFlip)
        m *= QTransform(1, 0, 0, -1, 0, h);
    if (turn & QImageIOHandler::TransformationRotate90)
        m *= QTransform(0, 1, -1, 0, h, 0);
    return m;
}

QSize turned(const QSize &size, QImageIOHandler::Transformations turn)
{
    return turn & QImageIOHandler::TransformationRotate90 ? size.transposed() : size;
}

// A rectangle of upright pixels as the stored pixels it comes from (the reader clips and scales
// before it turns the picture upright).
QRect uprightToStored(const QRect &rect, QImageIOHandler::Transformations turn, const QSize &stored)
{
    const QRectF r = storedToUpright(turn, stored).inverted().mapRect(QRectF(rect));
    return {int(std::lround(r.x())), int(std::lround(r.y())), int(std::lround(r.width())), int(std::lround(r.height()))};
}

// The checks every read makes before decoding: the file, its format and its header. The reader is
// left ready to decode; the result carries the sizes.
Result openReader(const QString &path, QImageReader &reader, int limitMB)
{
    if (path.isEmpty() || !QFileInfo::exists(path))
        return failed(Failure::FileNotFound);
    const QString file = standardised(path);
    const QFileInfo info(file);
    if (!info.exists())
        return failed(Failure::FileNotFound);
    // A regular file only: a folder is no picture, and a device or a pipe would never end.
    if (!platform::isRegularFile(file) || info.size() == 0)
        return failed(Failure::NotAPicture);
    reader.setFileName(file);
    reader.setDecideFormatFromContent(true);   // a PNG named .jpg is still a PNG
    reader.setAutoTransform(true);
    reader.setAllocationLimit(limitMB);
    if (reader.format().isEmpty())
        return failed(Failure::NotAPicture);
    // The stored size, before the orientation turns it; read from the header alone.
    const QSize stored = reader.size();
    if (!stored.isValid() || stored.isEmpty())
        return failed(Failure::Damaged);
    return {QImage(), Failure::None, stored, turned(stored, reader.transformation())};
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
    case Failure::OutsidePicture:
        return QStringLiteral("the area lies outside the picture");
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
    Options options;
    options.largestSide = largestSide;
    options.allocationLimitMB = allocationLimitMB;
    options.resultLimitMB = allocationLimitMB;
    return read(path, options);
}

Result probe(const QString &path)
{
    QImageReader reader;
    return openReader(path, reader, Decode_Limit_MB);
}

Result read(const QString &path, const Options &options)
{
    const int limit = std::max(1, options.allocationLimitMB);
    QImageReader reader;
    const Result head = openReader(path, reader, limit);
    if (!head.ok())
        return head;
    const QSize stored = head.storedSize, upright = head.uprightSize;
    const QImageIOHandler::Transformations turn = reader.transformation();
    const QByteArray format = reader.format();

    const QRect whole(QPoint(0, 0), upright);
    const QRect part = options.clip.isEmpty() ? whole : options.clip.intersected(whole);
    if (part.isEmpty())
        return failed(Failure::OutsidePicture, stored, upright);
    const bool scaling = !options.scaledSize.isEmpty();
    const QSize target = scaling ? options.scaledSize : fittedSize(part.size(), options.largestSide);
    const QRect storedPart = uprightToStored(part, turn, stored);
    // The decoder scales down only; a larger picture is made from the decoded one afterwards.
    const bool decoderScales = target.width() <= part.width() && target.height() <= part.height();
    const QSize storedTarget = decoderScales ? turned(target, turn) : storedPart.size();

    // What the decode takes: the part alone where the decoder clips, else the whole picture.
    const QSize decoded = part == whole ? decodedSize(format, stored, storedTarget)
                          : reader.supportsOption(QImageIOHandler::ClipRect) ? storedPart.size()
                                                                             : stored;
    if (megabytes(decoded) > limit || megabytes(target) > std::max(limit, options.resultLimitMB))
        return failed(Failure::TooLarge, stored, upright);
    if (!wholeInFile(reader.fileName(), format))
        return failed(Failure::Damaged, stored, upright);
    if (part != whole)
        reader.setClipRect(storedPart);
    if (storedTarget != storedPart.size())
        reader.setScaledSize(storedTarget);   // in the stored orientation; turned upright after scaling
    QImage image;
    if (!reader.read(&image) || image.isNull())
        return failed(Failure::Damaged, stored, upright);
    if (!scaling && options.largestSide > Whole && std::max(image.width(), image.height()) > options.largestSide)
        image = image.scaled(fittedSize(image.size(), options.largestSide), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    else if (scaling && image.size() != target)
        image = image.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (image.isNull())
        return failed(Failure::TooLarge, stored, upright);
    return {image, Failure::None, stored, upright};
}

} // namespace imagefile
