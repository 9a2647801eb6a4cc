#include "outputjobs/ImageExportWriter.h"

#include "core/ImageServices.h"
#include "platform/Files.h"

#include <QFileInfo>
#include <QPainter>

namespace imageexport {

namespace {

// The bitmap laid over white in place: a palette keeps its form (only its colours change), any
// other bitmap is composed over a white one of the same pixels. No pixel is resampled.
QImage onWhite(const QImage &bitmap)
{
    if (!bitmap.hasAlphaChannel())
        return bitmap;
    QImage out;
    if (bitmap.format() == QImage::Format_Indexed8 || bitmap.format() == QImage::Format_Mono ||
        bitmap.format() == QImage::Format_MonoLSB) {
        out = bitmap;
        QList<QRgb> colours = out.colorTable();
        for (QRgb &c : colours) {
            const int a = qAlpha(c);
            const auto mix = [a](int v) { return (v * a + 255 * (255 - a) + 127) / 255; };
            c = qRgb(mix(qRed(c)), mix(qGreen(c)), mix(qBlue(c)));
        }
        out.setColorTable(colours);
        return out;
    }
    out = QImage(bitmap.size(), QImage::Format_RGB32);
    out.fill(Qt::white);
    {
        QPainter p(&out);
        p.setCompositionMode(QPainter::CompositionMode_SourceOver);
        p.drawImage(0, 0, bitmap);
    }
    out.setDotsPerMeterX(bitmap.dotsPerMeterX());
    out.setDotsPerMeterY(bitmap.dotsPerMeterY());
    return out;
}

} // namespace

platform::Picture imageWithWhiteBackgroundAndContent(const platform::Picture &image)
{
    if (image.isNull())
        return {};
    const QSizeF size = image.size();
    return platform::Picture::record(size, [image, size](QPainter &p) {
        p.setRenderHint(QPainter::SmoothPixmapTransform, true);
        p.setRenderHint(QPainter::Antialiasing, true);
        p.fillRect(QRectF(QPointF(0, 0), size), Qt::white);
        p.setCompositionMode(QPainter::CompositionMode_SourceOver);
        p.setOpacity(1.0);
        image.draw(p, QRectF(QPointF(0, 0), size));
    });
}

QByteArray encodeForPath(const platform::Picture &picture, const QString &path, bool whiteGround, bool raise,
                         QString *error)
{
    const auto fail = [error](const QString &why) {
        if (error)
            *error = why;
        return QByteArray();
    };
    if (picture.isNull() || picture.size().isEmpty())
        return fail(QStringLiteral("Invalid image"));
    if (QFileInfo(path).suffix().compare(QLatin1String("eps"), Qt::CaseInsensitive) == 0) {
        const QByteArray eps = picture.epsData();
        return eps.isEmpty() ? fail(QStringLiteral("The EPS data could not be made.")) : eps;
    }
    platform::Picture out = picture;
    if (raise) {
        out = Increase_DPI(picture, Export_DPI);
        if (out.isNull())
            return fail(QStringLiteral("Invalid image"));
    }
    if (whiteGround) {
        const QImage bitmap = out.image().isNull() ? out.toImage(72) : out.image();
        if (bitmap.isNull())
            return fail(QStringLiteral("Invalid image"));
        out = platform::Picture::fromImage(onWhite(bitmap), out.size());
    }
    return Encode_gen_image(out, path, error);
}

bool writeWhole(const QString &path, const QByteArray &bytes, QString *error, QString *unsynced)
{
    return platform::writeFileAtomically(path, bytes, error, unsynced);
}

FileWriter &fileWriterOverride()
{
    static FileWriter writer;
    return writer;
}

bool writeExportFile(const QString &path, const QByteArray &bytes, QString *error, QString *unsynced)
{
    const FileWriter &w = fileWriterOverride();
    return w ? w(path, bytes, error) : writeWhole(path, bytes, error, unsynced);
}

} // namespace imageexport
