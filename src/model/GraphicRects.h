#pragma once
// The rectangle rules of card geometry, written once. They differ from QRectF's own: two rects
// intersect only when they share an area of positive size (touching edges do not count, a rect of
// zero width or height intersects nothing), a point lies in a rect when it is on the left or top
// edge but not on the right or bottom edge, and a union keeps rects of zero width or height (a
// horizontal line's frame still counts).

#include <QPointF>
#include <QRectF>

namespace cardrect {

// Positive-area overlap.
bool intersects(const QRectF &a, const QRectF &b);
// Closed overlap: shared edges and corners count; for frames that are a segment or a point.
bool touches(const QRectF &a, const QRectF &b);
// min x <= x < max x and min y <= y < max y.
bool containsPoint(const QRectF &rect, const QPointF &point);
// The smallest rect holding both, whatever their size.
QRectF united(const QRectF &a, const QRectF &b);
// Grown by d on every side.
QRectF outset(const QRectF &rect, double d);
bool isFinite(const QRectF &rect);
bool isFinite(const QPointF &point);
// The same area with a non-negative width and height.
QRectF normalised(const QRectF &rect);

} // namespace cardrect
