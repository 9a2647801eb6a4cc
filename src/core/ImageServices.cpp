#include "core/ImageServices.h"

#include "core/Messages.h"
#include "platform/Files.h"
#include "platform/GifWriter.h"
#include "platform/PngWriter.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageWriter>
#include <QIODevice>
#include <QPainter>

#include <cmath>
#include <exception>

float Points_to_MM_Convert(float points)
{
    return float(double(points) * 0.3527777777778);
}

float MM_to_Points_Convert(float millimetres)
{
    return float(double(millimetres) * 2.834645669291);
}

QImage flattenedOnWhite(const QImage &image)
{
    QImage out(image.size(), QImage::Format_RGB32);
    out.fill(Qt::white);
    out.setDotsPerMeterX(image.dotsPerMeterX());
    out.setDotsPerMeterY(image.dotsPerMeterY());
    QPainter p(&out);
    p.drawImage(0, 0, image);
    return out;
}

platform::Picture Increase_DPI(const platform::Picture &image, double dpi)
{
    try {
        const platform::Picture raised = image.raisedTo(dpi);
        if (raised.isNull())
            Show_NSLog_Message(QStringLiteral("Invalid image"));
        return raised;
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
        return {};
    }
}

namespace {

enum class FileKind { Png, Jpeg, Bmp, Gif, Tiff, Pdf };

FileKind kindOf(const QString &path)
{
    const QString ext = QFileInfo(path).suffix().toUpper();
    // Every name of JPEG the picture commands accept writes JPEG, never PNG under a JPEG name.
    if (ext == QLatin1String("JPG") || ext == QLatin1String("JPEG") || ext == QLatin1String("JPE") ||
        ext == QLatin1String("JFIF"))
        return FileKind::Jpeg;
    if (ext == QLatin1String("BMP"))
        return FileKind::Bmp;
    if (ext == QLatin1String("GIF"))
        return FileKind::Gif;
    if (ext == QLatin1String("TIF") || ext == QLatin1String("TIFF"))
        return FileKind::Tiff;
    if (ext == QLatin1String("PDF"))
        return FileKind::Pdf;
    return FileKind::Png;
}

// The pixels per metre a file records for a bitmap shown at that many points: the resolution the
// bitmap was made at when it carries one that gives its pixel count (a raster is ceil(dpi x points /
// 72) pixels, so the requested resolution is kept exactly), else pixels per point x 72.
int recordedDotsPerMeter(int pixels, double points, int carried)
{
    if (carried > 0 && points > 0) {
        const double made = carried * 0.0254 * points / 72.0;
        if (pixels - made > -1e-6 && pixels - made < 1.0 - 1e-6)
            return carried;
    }
    return int(std::lround(pixels / points * 72.0 / 0.0254));
}

bool fail(const QString &path, const QString &why)
{
    Show_NSLog_Message(QStringLiteral("Could not write %1: %2").arg(path, why));
    return false;
}

} // namespace

QByteArray Encode_gen_image(const platform::Picture &image, const QString &file_path_val, QString *error)
{
    auto failWith = [error](const QString &why) {
        if (error)
            *error = why;
        return QByteArray();
    };
    try {
        if (image.isNull() || image.size().isEmpty())
            return failWith(QStringLiteral("Invalid image"));
        const FileKind kind = kindOf(file_path_val);
        if (kind == FileKind::Pdf) {
            const QByteArray pdf = image.pdfData();
            return pdf.isEmpty() ? failWith(QStringLiteral("The PDF data could not be made.")) : pdf;
        }

        QImage bitmap = image.image().isNull() ? image.toImage(72) : image.image();
        if (bitmap.isNull())
            return failWith(QStringLiteral("Invalid image"));
        const int dpmX = recordedDotsPerMeter(bitmap.width(), image.size().width(), bitmap.dotsPerMeterX());
        const int dpmY = recordedDotsPerMeter(bitmap.height(), image.size().height(), bitmap.dotsPerMeterY());

        if (kind == FileKind::Png) {
            QString why;
            const QByteArray png = platform::pngData(bitmap, dpmX, dpmY, &why);
            return png.isEmpty() ? failWith(why) : png;
        }
        if (kind == FileKind::Gif) {
            QString why;
            const QByteArray gif = platform::gifData(bitmap, &why);
            return gif.isEmpty() ? failWith(why) : gif;
        }

        QByteArray format = "tiff";
        if (kind == FileKind::Jpeg)
            format = "jpeg";
        else if (kind == FileKind::Bmp)
            format = "bmp";
        if (kind != FileKind::Tiff && bitmap.hasAlphaChannel())
            bitmap = flattenedOnWhite(bitmap);
        if (bitmap.dotsPerMeterX() != dpmX || bitmap.dotsPerMeterY() != dpmY) {
            bitmap.setDotsPerMeterX(dpmX);
            bitmap.setDotsPerMeterY(dpmY);
        }
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, format);
        if (kind == FileKind::Jpeg)
            writer.setQuality(100);   // compression factor 1.0: best quality
        if (kind == FileKind::Tiff)
            writer.setCompression(1);   // lossless LZW
        if (!writer.write(bitmap))
            return failWith(writer.errorString());
        return bytes;
    } catch (const std::exception &e) {
        return failWith(QString::fromUtf8(e.what()));
    }
}

bool Save_gen_image(const platform::Picture &image, const QString &file_path_val)
{
    QString error;
    const QByteArray bytes = Encode_gen_image(image, file_path_val, &error);
    if (bytes.isEmpty())
        return fail(file_path_val, error);
    return platform::writeFileAtomically(file_path_val, bytes, &error) || fail(file_path_val, error);
}

platform::Picture resizeImage_toWidth_height(const platform::Picture &image, double width, double height)
{
    if (image.isNull() || width <= 0 || height <= 0)
        return {};
    const QRectF target(0, 0, width, height);
    return platform::Picture::record(QSizeF(width, height), [image, target](QPainter &p) { image.draw(p, target, true); });
}

platform::Picture resizeImage_toFitSize(const platform::Picture &image, const QSizeF &size)
{
    const double w = image.size().width();
    const double h = image.size().height();
    if (image.isNull() || w <= 0 || h <= 0)
        return {};
    const double r = w / h;
    double width = 0;
    double height = 0;
    if (w > h) {
        width = size.width();
        height = width / r;
        if (height > size.height()) {
            height = size.height();
            width = height * r;
        }
    } else {
        height = size.height();
        width = height * r;
        if (width > size.width()) {
            width = size.width();
            height = width / r;
        }
    }
    return resizeImage_toWidth_height(image, width, height);
}
