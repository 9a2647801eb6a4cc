#include "model/SKTLine.h"

#include "core/Messages.h"
#include "model/GraphicRects.h"
#include "model/GraphicStyles.h"

#include <QCoreApplication>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <exception>

namespace {

double distanceToSegment(const QPointF &p, const QPointF &a, const QPointF &b)
{
    const QPointF ab = b - a;
    const double lengthSquared = QPointF::dotProduct(ab, ab);
    double t = lengthSquared > 0 ? QPointF::dotProduct(p - a, ab) / lengthSquared : 0.0;
    t = std::clamp(t, 0.0, 1.0);
    const QPointF nearest = a + t * ab;
    return std::hypot(p.x() - nearest.x(), p.y() - nearest.y());
}

} // namespace

std::shared_ptr<SKTGraphic> SKTLine::copyWithZone() const
{
    std::shared_ptr<SKTGraphic> copy = SKTGraphic::copyWithZone();
    auto *line = graphic_cast<SKTLine>(copy.get());
    line->_pointsRight = _pointsRight;
    line->_pointsDown = _pointsDown;
    return copy;
}

QPointF SKTLine::beginPoint() const
{
    return {_pointsRight ? _bounds.left() : _bounds.right(), _pointsDown ? _bounds.top() : _bounds.bottom()};
}

QPointF SKTLine::endPoint() const
{
    return {_pointsRight ? _bounds.right() : _bounds.left(), _pointsDown ? _bounds.bottom() : _bounds.top()};
}

QRectF SKTLine::boundsWithBeginPoint(const QPointF &begin, const QPointF &end, bool *pointsRight, bool *pointsDown)
{
    if (pointsRight)
        *pointsRight = end.x() > begin.x();
    if (pointsDown)
        *pointsDown = end.y() > begin.y();
    return {std::min(begin.x(), end.x()), std::min(begin.y(), end.y()), std::fabs(end.x() - begin.x()),
            std::fabs(end.y() - begin.y())};
}

void SKTLine::setBeginPoint(const QPointF &point)
{
    if (!cardrect::isFinite(point))
        return;
    bool right = false, down = false;
    const QRectF frame = boundsWithBeginPoint(point, endPoint(), &right, &down);
    setBoundsAlong(frame, [&] {
        _pointsRight = right;
        _pointsDown = down;
    });
}

void SKTLine::setEndPoint(const QPointF &point)
{
    if (!cardrect::isFinite(point))
        return;
    bool right = false, down = false;
    const QRectF frame = boundsWithBeginPoint(beginPoint(), point, &right, &down);
    setBoundsAlong(frame, [&] {
        _pointsRight = right;
        _pointsDown = down;
    });
}

QPainterPath SKTLine::bezierPathForDrawing() const
{
    QPainterPath p;
    if (!cardrect::isFinite(_bounds))
        return p;
    p.moveTo(beginPoint());
    p.lineTo(endPoint());
    return p;
}

void SKTLine::drawContentsInView(QPainter &painter, bool) const
{
    if (!ctrl_is_visible)
        return;
    try {
        const QPainterPath path = bezierPathForDrawing();
        graphicstyle::strokePath(painter, *this, path, graphicstyle::withOpacity(_strokeColor, alpha_val_stroke));
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

bool SKTLine::isContentsUnderPoint(const QPointF &point) const
{
    if (!cardrect::isFinite(point) || !cardrect::isFinite(_bounds))
        return false;
    if (handleUnderPoint(point) != SKTGraphicNoHandle)
        return true;
    const double width = std::isfinite(_strokeWidth) && _strokeWidth > 0 ? _strokeWidth : 0.0;
    return distanceToSegment(point, beginPoint(), endPoint()) <= width / 2 + 2.0;
}

int SKTLine::handleUnderPoint(const QPointF &point) const
{
    if (isHandleAtPoint(beginPoint(), point))
        return 1;
    if (isHandleAtPoint(endPoint(), point))
        return 2;
    return SKTGraphicNoHandle;
}

void SKTLine::drawHandlesInView(QPainter &painter, bool lock_hai) const
{
    drawHandleInView(painter, beginPoint(), lock_hai);
    drawHandleInView(painter, endPoint(), lock_hai);
}

int SKTLine::resizeByMovingHandle(int handle, const QPointF &point)
{
    if (handle == 1)
        setBeginPoint(point);
    else if (handle == 2)
        setEndPoint(point);
    return handle;
}

void SKTLine::setColor(const QColor &color) { setValue(color, QStringLiteral("strokeColor")); }

QVariant SKTLine::valueForKey(const QString &key) const
{
    if (key == QLatin1String("beginPoint"))
        return beginPoint();
    if (key == QLatin1String("endPoint"))
        return endPoint();
    if (key == QLatin1String("_pointsRight"))
        return _pointsRight;
    if (key == QLatin1String("_pointsDown"))
        return _pointsDown;
    return SKTGraphic::valueForKey(key);
}

bool SKTLine::setValue(const QVariant &value, const QString &key)
{
    if (key == QLatin1String("beginPoint") || key == QLatin1String("endPoint")) {
        if (!value.canConvert<QPointF>())
            return false;
        const QPointF p = value.toPointF();
        if (!cardrect::isFinite(p))
            return false;
        key == QLatin1String("beginPoint") ? setBeginPoint(p) : setEndPoint(p);
        return true;
    }
    if (key == QLatin1String("_pointsRight") || key == QLatin1String("_pointsDown")) {
        if (!value.isValid() || !value.canConvert<bool>())
            return false;
        bool &flag = key == QLatin1String("_pointsRight") ? _pointsRight : _pointsDown;
        const bool v = value.toBool();
        changeValueForKey(key, [&] { flag = v; });
        return true;
    }
    return SKTGraphic::setValue(value, key);
}

QStringList SKTLine::keysAffectedBy(const QString &key) const
{
    QStringList keys = SKTGraphic::keysAffectedBy(key);
    if (key == QLatin1String("bounds") || key == QLatin1String("_pointsRight") || key == QLatin1String("_pointsDown"))
        keys << QStringLiteral("beginPoint") << QStringLiteral("endPoint");
    return keys;
}

QStringList SKTLine::keysForValuesToObserveForUndo() const
{
    QStringList keys = SKTGraphic::keysForValuesToObserveForUndo();
    keys.removeAll(QStringLiteral("bounds"));
    keys << QStringLiteral("beginPoint") << QStringLiteral("endPoint");
    return keys;
}

QString SKTLine::presentablePropertyNameForKey(const QString &key) const
{
    if (key == QLatin1String("beginPoint"))
        return QCoreApplication::translate("UndoStrings", "Beginpoint");
    if (key == QLatin1String("endPoint"))
        return QCoreApplication::translate("UndoStrings", "Endpoint");
    return SKTGraphic::presentablePropertyNameForKey(key);
}

QVariantMap SKTLine::properties() const
{
    QVariantMap p = SKTGraphic::properties();
    const auto text = [](const QPointF &point) {
        return QStringLiteral("{%1, %2}").arg(QString::number(point.x(), 'g', 17), QString::number(point.y(), 'g', 17));
    };
    p.insert(QStringLiteral("beginPoint"), text(beginPoint()));
    p.insert(QStringLiteral("endPoint"), text(endPoint()));
    return p;
}
