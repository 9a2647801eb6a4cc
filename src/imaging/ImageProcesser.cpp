#include "imaging/ImageProcesser.h"

#include "core/Messages.h"
#include "imaging/ImageEffects.h"

#include <QColor>
#include <QPainter>
#include <QTransform>

#include <cmath>
#include <exception>

namespace {

// The picture's pixels: a bitmap as it is, anything else rasterised at one pixel per point.
QImage pixelsOf(const platform::Picture &picture)
{
    if (!picture.isVector() && !picture.image().isNull())
        return picture.image();
    return picture.toImage(72);
}

} // namespace

QSizeF ImageProcesser::Rotated_Bounding_Size(const QSizeF &size, double degrees)
{
    const QRectF turned = QTransform().rotate(degrees).mapRect(QRectF(QPointF(0, 0), size));
    return turned.size();
}

platform::Picture ImageProcesser::imageRotatedByDegrees_On_Ctrl_Bound(const platform::Picture &picture, double degrees,
                                                                      const QRectF &)
{
    try {
        const QImage pixels = pixelsOf(picture);
        if (pixels.isNull())
            return {};
        const QSizeF box = Rotated_Bounding_Size(QSizeF(pixels.size()), degrees);
        const QSize canvasSize(std::max(1, int(std::lround(box.width()))), std::max(1, int(std::lround(box.height()))));
        QImage canvas(canvasSize, QImage::Format_ARGB32_Premultiplied);
        canvas.fill(Qt::transparent);
        {
            QPainter p(&canvas);
            p.setRenderHint(QPainter::SmoothPixmapTransform);
            const QPointF centre(canvasSize.width() / 2.0, canvasSize.height() / 2.0);
            p.translate(centre);
            // Counter-clockwise with y up is counter-clockwise on screen: a negative turn here.
            p.rotate(-degrees);
            p.translate(-centre);
            p.drawImage(QPointF((canvasSize.width() - pixels.width()) / 2.0, (canvasSize.height() - pixels.height()) / 2.0),
                        pixels);
        }
        const QImage fitted = canvas.size() == pixels.size()
                                  ? canvas
                                  : canvas.scaled(pixels.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        return platform::Picture::fromImage(fitted, picture.size());
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
        return {};
    }
}

platform::Picture ImageProcesser::Get_Processed_Image_Full_Combined(const platform::Picture &source, bool grayscale,
                                                                    bool sepia, bool, float hue, float sat, float brt,
                                                                    float con, int rotate, float r, float g, float b,
                                                                    float, bool yes_rotate_on_box, bool flip_H,
                                                                    bool flip_V, bool, const QRectF &img_bound_rect)
{
    if (source.isNull())
        return {};
    platform::Picture result = source;
    try {
        QImage image = pixelsOf(source);
        if (image.isNull())
            return source;
        using namespace imageeffects;
        if (grayscale)
            image = Monochrome(image, QColor::fromRgbF(0.5f, 0.5f, 0.5f), 1.0);
        if (sepia)
            image = Sepia(image, 1.0);
        image = HueAdjust(image, hue);
        image = ColorControls(image, sat, brt, con);
        image = SharpenLuminance(image, r);
        image = ExposureAdjust(image, g);
        image = GaussianBlur(image, b / 10.0);
        if (flip_H || flip_V)
            image = image.mirrored(flip_H, flip_V);
        result = platform::Picture::fromImage(image, source.size());
        if (yes_rotate_on_box)
            result = imageRotatedByDegrees_On_Ctrl_Bound(result, -double(rotate),
                                                         QRectF(img_bound_rect.topLeft(), source.size()));
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
    return result;
}
