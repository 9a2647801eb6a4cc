#include "design/CardLayers.h"

#include "projects/Card_Property.h"

#include <QPainter>

namespace cardlayers {

QPainterPath Card_Outline(int cardShape, const QRectF &rect)
{
    QPainterPath path;
    if (cardShape == 2)
        path.addEllipse(rect);
    else
        path.addRect(rect);
    return path;
}

void Card_Base(QPainter &painter, const Card_Property &, int cardShape, const QRectF &cardRect)
{
    painter.fillPath(Card_Outline(cardShape, cardRect), Qt::white);
}

void Card_Border(QPainter &, const Card_Property &, int, const QRectF &) {}

}   // namespace cardlayers
