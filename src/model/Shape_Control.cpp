#include "model/Shape_Control.h"

#include "core/Messages.h"
#include "model/GraphicRects.h"
#include "model/GraphicStyles.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <exception>

namespace {

// The point count of "DS" for its variant: 1 to 5 give 7 to 15; any other value is the count itself.
int doubleStarCount(int type) { return type >= 1 && type <= 5 ? 5 + 2 * type : type; }

} // namespace

QPainterPath Shape_Control::Rectangle_path() const
{
    QPainterPath p;
    p.addRect(_bounds);
    return p;
}

QPainterPath Shape_Control::Circle_path() const
{
    QPainterPath p;
    p.addEllipse(_bounds);
    return p;
}

QPainterPath Shape_Control::Rounded_Rectangle_path() const
{
    // Each radius at most half the side it rounds.
    const double radius = std::isfinite(cor_rad_val) ? std::max(0.0, double(cor_rad_val)) : 0.0;
    const double rx = std::min(radius, _bounds.width() / 2), ry = std::min(radius, _bounds.height() / 2);
    QPainterPath p;
    p.addRoundedRect(_bounds, rx, ry);
    return p;
}

QPainterPath Shape_Control::Triangle_path() const
{
    const double x = _bounds.x(), y = _bounds.y(), w = _bounds.width(), h = _bounds.height();
    QPainterPath p;
    p.moveTo(x, y + h);
    p.lineTo(x + w / 2, y);
    p.lineTo(x + w, y + h);
    p.closeSubpath();
    return p;
}

QPainterPath Shape_Control::Diamond_path() const
{
    const double x = _bounds.x(), y = _bounds.y(), w = _bounds.width(), h = _bounds.height();
    QPainterPath p;
    p.moveTo(x, y + h / 2);
    p.lineTo(x + w / 2, y);
    p.lineTo(x + w, y + h / 2);
    p.lineTo(x + w / 2, y + h);
    p.closeSubpath();
    return p;
}

QPainterPath Shape_Control::Custom_Polygon() const
{
    const double x = _bounds.x(), y = _bounds.y(), w = _bounds.width(), h = _bounds.height();
    QPainterPath p;
    p.moveTo(x, y);
    p.lineTo(x + w / 2, y + h / 4);
    p.lineTo(x + w, y);
    p.lineTo(x + 3 * w / 4, y + h / 2);
    p.lineTo(x + w, y + h);
    p.lineTo(x + w / 2, y + 3 * h / 4);
    p.lineTo(x, y + h);
    p.lineTo(x + w / 4, y + h / 2);
    p.closeSubpath();
    return p;
}

QPainterPath Shape_Control::Polygon_With_Diffrent_Sides(int count) const
{
    QPainterPath p;
    if (count <= 0)
        return p;
    count = std::min(count, kMaxStarPoints);
    const double cx = _bounds.x() + _bounds.width() / 2, cy = _bounds.y() + _bounds.height() / 2;
    const double rx = _bounds.width() / 2, ry = _bounds.height() / 2;
    const double step = 4 * M_PI / count;
    double a = -M_PI / 2;
    for (int i = 0; i < count; ++i, a += step) {
        const QPointF point(cx + rx * std::cos(a), cy + ry * std::sin(a));
        if (i == 0)
            p.moveTo(point);
        else
            p.lineTo(point);
    }
    p.closeSubpath();
    return p;
}

QPainterPath Shape_Control::unturnedOutline() const
{
    if (!cardrect::isFinite(_bounds))
        return {};
    const QString &code = _shape_type;
    if (code == QLatin1String("R"))
        return Rectangle_path();
    if (code == QLatin1String("C"))
        return Circle_path();
    if (code == QLatin1String("RR"))
        return Rounded_Rectangle_path();
    if (code == QLatin1String("T"))
        return Triangle_path();
    if (code == QLatin1String("D"))
        return Diamond_path();
    if (code == QLatin1String("S"))
        return Polygon_With_Diffrent_Sides(5);
    if (code == QLatin1String("DS"))
        return Polygon_With_Diffrent_Sides(doubleStarCount(double_star_type));
    if (code == QLatin1String("P")) {
        if (polygon_type == 1 || polygon_type == 8)
            return Custom_Polygon();
        // 2 to 5 give 10 to 16 points: twice round a pentagon to an octagon.
        return Polygon_With_Diffrent_Sides(polygon_type >= 2 && polygon_type <= 5 ? 6 + 2 * polygon_type : polygon_type);
    }
    return {};
}

QPainterPath Shape_Control::bezierPathForDrawing() const
{
    QPainterPath outline = unturnedOutline();
    outline.setFillRule(Qt::WindingFill);
    if (text_rotation == 0 || outline.isEmpty())
        return outline;
    // A star's own box may lie off the frame's centre; the outline turns about its own box.
    QPainterPath turned = rotatedPath(outline, text_rotation, outline.boundingRect().center());
    turned.setFillRule(Qt::WindingFill);
    return turned;
}

bool Shape_Control::isContentsUnderPoint(const QPointF &point) const
{
    if (!cardrect::isFinite(point))
        return false;
    const QPainterPath outline = bezierPathForDrawing();
    return !outline.isEmpty() && outline.contains(point);
}

void Shape_Control::drawContentsInView(QPainter &painter, bool) const
{
    if (!ctrl_is_visible)
        return;
    try {
        const QPainterPath outline = bezierPathForDrawing();
        if (outline.isEmpty())
            return;
        graphicstyle::fillPath(painter, *this, outline);
        graphicstyle::strokePath(painter, *this, outline, _strokeColor);
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}
