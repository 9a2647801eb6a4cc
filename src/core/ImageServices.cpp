#include "core/ImageServices.h"

#include "core/Messages.h"
#include "platform/Files.h"
#include "platform/GifWriter.h"

#include <QBuffer>
#include <QFileInfo>
#include <QHash>
#include <QList>
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
    if (ext == QLatin1String("JPG") || ext == QLatin1String("JPEG"))
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

// Formats without transparency show a clear background as white paper, not black.
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

// The same pixels as a palette image when they use at most 256 colours (alpha included), else a
// null image. Symbols nearly always qualify, and a palette PNG is a quarter of the data to
// compress.
QImage exactPaletteImage(const QImage &image)
{
    // Premultiplied pixels are read as they are; the table is unpremultiplied at the end.
    const bool premultiplied = image.format() == QImage::Format_ARGB32_Premultiplied;
    const QImage src = premultiplied ? image : image.convertToFormat(QImage::Format_ARGB32);
    const int w = src.width();
    const int h = src.height();
    QList<QRgb> table;
    QHash<QRgb, int> index;
    QImage out(w, h, QImage::Format_Indexed8);
    if (out.isNull())
        return {};
    for (int y = 0; y < h; ++y) {
        const auto *in = reinterpret_cast<const QRgb *>(src.constScanLine(y));
        uchar *line = out.scanLine(y);
        QRgb previous = 0;
        int previousIndex = -1;
        for (int x = 0; x < w; ++x) {
            const QRgb c = in[x];
            if (c == previous && previousIndex >= 0) {
                line[x] = uchar(previousIndex);
                continue;
            }
            auto it = index.constFind(c);
            if (it == index.constEnd()) {
                if (table.size() == 256)
                    return {};
                it = index.insert(c, int(table.size()));
                table.append(c);
            }
            previous = c;
            previousIndex = it.value();
            line[x] = uchar(previousIndex);
        }
    }
    if (premultiplied)
        for (QRgb &c : table)
            c = qUnpremultiply(c);
    out.setColorTable(table);
    out.setDotsPerMeterX(image.dotsPerMeterX());
    out.setDotsPerMeterY(image.dotsPerMeterY());
    return out;
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

        QImage bitmap = image.isVector() ? image.toImage(72) : image.image();
        if (bitmap.isNull())
            return failWith(QStringLiteral("Invalid image"));
        // The resolution the file records: pixels per point x 72.
        bitmap.setDotsPerMeterX(int(std::lround(bitmap.width() / image.size().width() * 72.0 / 0.0254)));
        bitmap.setDotsPerMeterY(int(std::lround(bitmap.height() / image.size().height() * 72.0 / 0.0254)));

        if (kind == FileKind::Gif) {
            QString why;
            const QByteArray gif = platform::gifData(bitmap, &why);
            return gif.isEmpty() ? failWith(why) : gif;
        }

        QByteArray format = "png";
        if (kind == FileKind::Jpeg) {
            format = "jpeg";
            bitmap = flattenedOnWhite(bitmap);
        } else if (kind == FileKind::Bmp) {
            format = "bmp";
            bitmap = flattenedOnWhite(bitmap);
        } else if (kind == FileKind::Tiff) {
            format = "tiff";
        } else {
            const QImage palette = exactPaletteImage(bitmap);
            if (!palette.isNull())
                bitmap = palette;
        }
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, format);
        if (kind == FileKind::Jpeg)
            writer.setQuality(100);   // compression factor 1.0: best quality
        if (kind == FileKind::Tiff)
            writer.setCompression(1);   // lossless LZW
        if (kind == FileKind::Png)
            writer.setCompression(1);   // barcodes are flat colour: fast deflate costs little size
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
