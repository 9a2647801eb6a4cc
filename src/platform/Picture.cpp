#include "platform/Picture.h"

#include <QPainter>

#include <cmath>

namespace platform {

Picture Picture::record(const QSizeF &points, PaintRoutine paint)
{
    Picture p;
    p.m_size = points;
    if (paint)
        p.m_paint = std::make_shared<const PaintRoutine>(std::move(paint));
    return p;
}

Picture Picture::fromImage(const QImage &image, const QSizeF &points)
{
    Picture p;
    p.m_image = image;
    p.m_size = points;
    return p;
}

Picture Picture::fromImage(const QImage &image)
{
    const double dpmX = image.dotsPerMeterX() > 0 ? image.dotsPerMeterX() : 72 / 0.0254;
    const double dpmY = image.dotsPerMeterY() > 0 ? image.dotsPerMeterY() : 72 / 0.0254;
    return fromImage(image, QSizeF(image.width() * 72.0 / (dpmX * 0.0254), image.height() * 72.0 / (dpmY * 0.0254)));
}

void Picture::draw(QPainter &painter, const QRectF &target, bool smooth) const
{
    if (isNull() || m_size.width() <= 0 || m_size.height() <= 0)
        return;
    painter.save();
    if (m_paint) {
        painter.translate(target.topLeft());
        painter.scale(target.width() / m_size.width(), target.height() / m_size.height());
        painter.setClipRect(QRectF(QPointF(0, 0), m_size), Qt::IntersectClip);
        (*m_paint)(painter);
    } else {
        painter.setRenderHint(QPainter::SmoothPixmapTransform, smooth);
        painter.drawImage(target, m_image);
    }
    painter.restore();
}

QSize Picture::pixelSize(const QSizeF &points, double dpi)
{
    const float w = float(dpi * points.width() / 72.0);
    const float h = float(dpi * points.height() / 72.0);
    return {int(std::ceil(w)), int(std::ceil(h))};
}

QImage Picture::toImage(double dpi) const
{
    if (isNull() || dpi <= 0)
        return {};
    const QSize px = pixelSize(m_size, dpi);
    if (px.isEmpty())
        return {};
    QImage out(px, QImage::Format_ARGB32_Premultiplied);
    if (out.isNull())
        return {};   // too large to allocate
    out.fill(Qt::transparent);
    // Fonts in points must render as at 72 DPI before the painter scales up.
    out.setDotsPerMeterX(2835);
    out.setDotsPerMeterY(2835);
    {
        QPainter p(&out);
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setRenderHint(QPainter::TextAntialiasing, true);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        if (m_paint) {
            p.setCompositionMode(QPainter::CompositionMode_SourceOver);
            p.scale(px.width() / m_size.width(), px.height() / m_size.height());
            (*m_paint)(p);
        } else {
            p.setRenderHint(QPainter::SmoothPixmapTransform, false);   // nearest neighbour
            p.drawImage(QRectF(QPointF(0, 0), QSizeF(px)), m_image);
        }
    }
    const int dpm = int(std::lround(dpi / 0.0254));
    out.setDotsPerMeterX(dpm);
    out.setDotsPerMeterY(dpm);
    return out;
}

Picture Picture::raisedTo(double dpi) const
{
    if (isNull() || m_size.isEmpty())
        return {};
    const QImage bitmap = toImage(dpi);
    if (bitmap.isNull())
        return {};
    return fromImage(bitmap, m_size);
}

} // namespace platform
