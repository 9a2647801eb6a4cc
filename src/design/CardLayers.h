#pragma once
// The card's own layers as plain painting functions: the base (fill, background picture) under the
// objects and the border and watermark over them. They read only their arguments, so the canvas
// and the off-screen renderer (on any thread) paint the same card.

#include <QPainterPath>
#include <QRectF>

class QPainter;
class Card_Property;

namespace cardlayers {

// The outline of a card shape code (0 rectangle, 1 rounded rectangle, 2 ellipse; others a
// rectangle) in rect.
QPainterPath Card_Outline(int cardShape, const QRectF &rect);
// The card's base inside its outline; leaves the outline as the painter's clip for the rest of
// the pass. A card without an area draws nothing.
void Card_Base(QPainter &painter, const Card_Property &card, int cardShape, const QRectF &cardRect);
// The card's watermark and border.
void Card_Border(QPainter &painter, const Card_Property &card, int cardShape, const QRectF &cardRect);
// The top edge of the watermark's box for an alignment (0 top, 1 middle, 2 bottom, others top).
double Watermark_Top(int alignment, const QRectF &cardRect, double textHeight);

}   // namespace cardlayers
