#include "model/SKTBarcode.h"

#include "model/GraphicRects.h"

#include <QPainter>

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
