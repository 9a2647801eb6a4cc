#pragma once
// A shape: one closed outline inside the frame (rectangle, ellipse, rounded rectangle, triangle,
// diamond, stars and polygons), turned by whole degrees about the centre of the outline's own box,
// filled and stroked by the style codes.

#include "model/SKTGraphic.h"

class Shape_Control : public SKTGraphic {
public:
    static constexpr SKTGraphicClass kClass = SKTGraphicClass::Shape;
    // More points than this are not drawn: a bad file must not stall drawing.
    static constexpr int kMaxStarPoints = 1000;

    Shape_Control() : SKTGraphic(kClass) {}

    // The outline of the shape code, turned by text_rotation; empty for an unknown code.
    QPainterPath bezierPathForDrawing() const override;
    // Inside the turned outline by the non-zero winding rule, filled or not.
    bool isContentsUnderPoint(const QPointF &point) const override;
    void drawContentsInView(QPainter &painter, bool isBeingCreateOrEdited) const override;

    // The unturned outlines.
    QPainterPath Rectangle_path() const;
    QPainterPath Circle_path() const;
    QPainterPath Rounded_Rectangle_path() const;
    QPainterPath Triangle_path() const;
    QPainterPath Diamond_path() const;
    QPainterPath Custom_Polygon() const;
    // The star polygon of count points on the inscribed ellipse, every second one joined from the
    // top; an even count runs twice round a polygon of half as many sides. Empty for a count of 0 or less.
    QPainterPath Polygon_With_Diffrent_Sides(int count) const;

private:
    QPainterPath unturnedOutline() const;
};
