#include "imagetools/Repeat_Image.h"

#include <QPaintEvent>
#include <QPainter>

namespace {

int positiveModulo(int value, int step) { return ((value % step) + step) % step; }

} // namespace

void Fill_Pattern(QPainter &painter, const QRect &area, const QPixmap &tile, const QPoint &anchor)
{
    if (tile.isNull() || tile.width() <= 0 || tile.height() <= 0) {
        painter.fillRect(area, QColor(219, 226, 238));
        return;
    }
    // The tile's pixel that lands on the area's top-left corner.
    const QPoint offset(positiveModulo(area.x() - anchor.x(), tile.width()),
                        positiveModulo(area.y() - anchor.y(), tile.height()));
    painter.drawTiledPixmap(area, tile, offset);
}

Repeat_Image::Repeat_Image(QWidget *parent) : platform::PictureView(parent) {}

void Repeat_Image::setPatternImage(const QImage &pattern)
{
    m_pattern = QPixmap::fromImage(pattern);
    update();
}

void Repeat_Image::paintEvent(QPaintEvent *event)
{
    {
        QPainter painter(this);
        painter.save();
        Fill_Pattern(painter, event->rect(), m_pattern, QPoint(0, 0));
        painter.restore();
    }
    platform::PictureView::paintEvent(event);
}
