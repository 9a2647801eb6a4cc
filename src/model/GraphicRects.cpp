#include "model/GraphicRects.h"

#include <algorithm>
#include <cmath>

namespace cardrect {

bool intersects(const QRectF &a, const QRectF &b)
{
    const double w = std::min(a.right(), b.right()) - std::max(a.left(), b.left());
    const double h = std::min(a.bottom(), b.bottom()) - std::max(a.top(), b.top());
    return a.width() > 0 && a.height() > 0 && b.width() > 0 && b.height() > 0 && w > 0 && h > 0;
}

bool touches(const QRectF &a, const QRectF &b)
{
    return a.left() <= b.right() && b.left() <= a.right() && a.top() <= b.bottom() && b.top() <= a.bottom();
}

bool containsPoint(const QRectF &rect, const QPointF &point)
{
    return rect.left() <= point.x() && point.x() < rect.right() && rect.top() <= point.y() && point.y() < rect.bottom();
}

QRectF united(const QRectF &a, const QRectF &b)
{
    const double l = std::min(a.left(), b.left());
    const double t = std::min(a.top(), b.top());
    return {l, t, std::max(a.right(), b.right()) - l, std::max(a.bottom(), b.bottom()) - t};
}

QRectF outset(const QRectF &rect, double d) { return rect.adjusted(-d, -d, d, d); }

bool isFinite(const QRectF &rect)
{
    return std::isfinite(rect.x()) && std::isfinite(rect.y()) && std::isfinite(rect.width()) &&
           std::isfinite(rect.height());
}

bool isFinite(const QPointF &point) { return std::isfinite(point.x()) && std::isfinite(point.y()); }

QRectF normalised(const QRectF &rect)
{
    double x = rect.x(), y = rect.y(), w = rect.width(), h = rect.height();
    if (w < 0) {
        x += w;
        w = -w;
    }
    if (h < 0) {
        y += h;
        h = -h;
    }
    return {x, y, w, h};
}

} // namespace cardrect
