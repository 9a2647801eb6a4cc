#include "model/SKTGrid.h"

#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QPen>

#include <algorithm>
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

void SKTGrid::drawRect(const QRectF &rect, QPainter &painter) const
{
    const double s = _spacing;
    if (!isUsable() || !_isAlwaysShown || !std::isfinite(s) || !painter.isActive())
        return;
    const QTransform toDevice = painter.deviceTransform();
    const double pixelsPerPoint = std::min(std::hypot(toDevice.m11(), toDevice.m12()), std::hypot(toDevice.m21(), toDevice.m22()));
    if (!(s * pixelsPerPoint >= 1.0))
        return;
    // Only what can show: the rectangle within the device (and the clip). The device's rectangle
    // is mapped back through the world transform, not the device transform: a widget painted into
    // its window's backing store has a device transform that also holds the widget's place there.
    bool invertible = false;
    const QTransform fromDevice = painter.worldTransform().inverted(&invertible);
    if (!invertible || !painter.device())
        return;
    QRectF area = rect.normalized().intersected(
        fromDevice.mapRect(QRectF(0, 0, painter.device()->width(), painter.device()->height())));
    if (painter.hasClipping())
        area = area.intersected(painter.clipBoundingRect());
    if (area.isEmpty() || !std::isfinite(area.width()) || !std::isfinite(area.height()))
        return;
    const double minX = area.left(), maxX = area.right(), minY = area.top(), maxY = area.bottom();
    QPainterPath path;
    for (double i = std::ceil(minX / s), last = std::floor(maxX / s); i <= last; ++i) {
        path.moveTo(i * s, minY);
        path.lineTo(i * s, maxY);
    }
    for (double j = std::ceil(minY / s), last = std::floor(maxY / s); j <= last; ++j) {
        path.moveTo(minX, j * s);
        path.lineTo(maxX, j * s);
    }
    QPen pen(_color, 0);
    pen.setCosmetic(true);
    painter.save();
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
    painter.restore();
}
