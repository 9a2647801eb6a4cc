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
// The card's base inside its outline.
void Card_Base(QPainter &painter, const Card_Property &card, int cardShape, const QRectF &cardRect);
// The card's border and watermark.
void Card_Border(QPainter &painter, const Card_Property &card, int cardShape, const QRectF &cardRect);

}   // namespace cardlayers
