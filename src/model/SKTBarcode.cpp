#include "model/SKTBarcode.h"

#include "model/GraphicRects.h"

#include <QPainter>

#include <cmath>

SKTBarcode::SKTBarcode(const QPointF &position, const platform::Picture &) : SKTGraphic(kClass)
{
    barcode_image_var_assign();
    const QSizeF size = _contents.isNull() ? QSizeF(0, 0) : _contents.size();
    _bounds = QRectF(position.x() - size.width() / 2, position.y() - size.height() / 2, size.width(), size.height());
}

void SKTBarcode::drawContentsInView(QPainter &painter, bool) const
{
    if (!ctrl_is_visible || _barcode_image.isNull() || !cardrect::isFinite(_bounds))
        return;
    // The picture itself is what is drawn (no copy into _contents here: drawing only reads, so
    // output may render on a worker thread). Whole, unscaled, unsmoothed, over what lies below.
    painter.save();
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.setOpacity(1.0);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    _barcode_image.draw(painter, QRectF(_bounds.topLeft(), _barcode_image.size()), false);
    painter.restore();
}

void SKTBarcode::drawAsPrinted(QPainter &painter, double printDpi) const
{
    if (!ctrl_is_visible || _barcode_image.isNull() || !cardrect::isFinite(_bounds))
        return;
    const QRectF target(_bounds.topLeft(), _barcode_image.size());
    const QRectF pixels = painter.deviceTransform().mapRect(target);
    const QSize size(int(std::lround(pixels.width())), int(std::lround(pixels.height())));
    const bool drawnWhole = _barcode_image.moduleGrid() || _barcode_image.isVector();
    const QImage printed = drawnWhole && !size.isEmpty() ? _barcode_image.toImage(printDpi) : QImage();
    if (printed.isNull()) {
        drawContentsInView(painter, false);
        return;
    }
    const QImage reduced = printed.convertToFormat(QImage::Format_ARGB32_Premultiplied)
                               .scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    painter.save();
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.setOpacity(1.0);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.drawImage(target, reduced);
    painter.restore();
}
