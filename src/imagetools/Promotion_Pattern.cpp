#include "imagetools/Promotion_Pattern.h"

#include "imagetools/Repeat_Image.h"

#include <QPaintEvent>
#include <QPainter>

Promotion_Pattern::Promotion_Pattern(QWidget *parent) : platform::PictureView(parent) {}

void Promotion_Pattern::setPatternImage(const QImage &pattern)
{
    m_pattern = QPixmap::fromImage(pattern);
    update();
}

void Promotion_Pattern::paintEvent(QPaintEvent *event)
{
    {
        QPainter painter(this);
        // The window's origin, in the view's coordinates.
        const QPoint windowOrigin = -mapTo(window(), QPoint(0, 0));
        Fill_Pattern(painter, event->rect(), m_pattern, windowOrigin);
    }
    platform::PictureView::paintEvent(event);
}
