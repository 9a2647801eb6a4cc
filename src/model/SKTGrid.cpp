#include "model/SKTGrid.h"

#include <cmath>

namespace {
double snap(double v, double s) { return std::floor(v / s + 0.5) * s; }
}

SKTGrid::SKTGrid() : _color(Qt::lightGray) {}

void SKTGrid::setSpacing(double spacing)
{
    if (spacing != _spacing)
        _spacing = spacing;
    emit anyChanged();
}

void SKTGrid::setAlwaysShown(bool shown)
{
    if (shown != _isAlwaysShown) {
        _isAlwaysShown = shown;
        emit alwaysShownChanged(shown);
    }
    emit anyChanged();
}

void SKTGrid::setConstraining(bool constraining)
{
    _isConstraining = constraining;
    emit anyChanged();
}

QPointF SKTGrid::constrainedPoint(const QPointF &point) const
{
    if (!isUsable() || !_isConstraining)
        return point;
    return {snap(point.x(), _spacing), snap(point.y(), _spacing)};
}

QRectF SKTGrid::alignedRect(const QRectF &rect) const
{
    const double l = snap(rect.x(), _spacing);
    const double t = snap(rect.y(), _spacing);
    const double r = snap(rect.x() + rect.width(), _spacing);
    const double b = snap(rect.y() + rect.height(), _spacing);
    return {l, t, r - l, b - t};
}
