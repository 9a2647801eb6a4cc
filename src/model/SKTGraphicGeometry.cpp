// A card object's geometry: the redraw area, outline rotation, the eight handles with their look
// and hit test, resizing by a handle, natural and label size, and the operations on lists of
// objects that the canvas uses to move, paste and redraw.

#include "model/SKTGraphic.h"

#include "model/GraphicRects.h"
#include "model/GraphicStyles.h"
#include "model/SKTBarcode.h"
#include "model/Shape_Control.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <stdexcept>

namespace {

QRectF canvasBounds()
{
    const auto &f = SKTGraphic::canvasHooks().canvasBounds;
    return f ? f() : QRectF();
}

// A dark shadow under a neutral knob; red for a locked object.
const QColor kHandleShadow(64, 64, 64);
const QColor kHandleKnob(190, 190, 190);
const QColor kHandleLocked(Qt::red);

// The square moved onto whole device pixels (the device pixels' centres as the rounding points).
QRectF alignedToDevicePixels(const QPainter &painter, const QRectF &square)
{
    const QTransform t = painter.deviceTransform();
    if (!t.isInvertible() || t.isRotating())
        return square;
    const QRectF device = t.mapRect(square);
    const double l = std::floor(device.left() + 0.5), top = std::floor(device.top() + 0.5);
    const double r = std::floor(device.right() + 0.5), b = std::floor(device.bottom() + 0.5);
    return t.inverted().mapRect(QRectF(l, top, r - l, b - top));
}

} // namespace

QRectF SKTGraphic::drawingBounds() const
{
    double outset = SKTGraphicHandleHalfWidth;
    const double halfStroke = _strokeWidth / 2;
    if (isDrawingStroke() && std::isfinite(halfStroke) && halfStroke > outset)
        outset = halfStroke;
    // A line's path runs corner to corner, so its box is the frame.
    QRectF grown = cardrect::outset(_bounds, outset);
    if (isExactly<Shape_Control>()) {
        // A turned star's outline turns about its own box, off the frame's centre, and its mitred
        // tips reach past half the stroke: the area is the frame's (for the handles) joined with
        // what the turned outline paints.
        const QPainterPath outline = bezierPathForDrawing();
        if (!outline.isEmpty()) {
            grown = cardrect::united(grown, cardrect::outset(outline.boundingRect(), outset));
            const QRectF stroked = graphicstyle::strokedBounds(*this, outline);
            if (!stroked.isEmpty())
                grown = cardrect::united(grown, stroked);
        }
    }
    return {grown.x(), grown.y(), grown.width() + 1.0, grown.height() + 1.0};
}

void SKTGraphic::drawContentsInView(QPainter &, bool) const {}

QPainterPath SKTGraphic::bezierPathForDrawing() const
{
    throw std::logic_error("Neither -drawContentsInView: nor -bezierPathForDrawing has been overridden.");
}

QPainterPath SKTGraphic::rotatedPath(const QPainterPath &path, double angle, const QPointF &aboutPoint)
{
    if (angle == 0)
        return path;
    return RotationTransform(angle, aboutPoint.x(), aboutPoint.y()).map(path);
}

QPointF SKTGraphic::handlePoint(const QRectF &f, int handle)
{
    const double midX = f.x() + f.width() / 2, midY = f.y() + f.height() / 2;
    switch (handle) {
    case 1: return f.topLeft();
    case 2: return {midX, f.top()};
    case 3: return f.topRight();
    case 4: return {f.left(), midY};
    case 5: return {f.right(), midY};
    case 6: return f.bottomLeft();
    case 7: return {midX, f.bottom()};
    case 8: return f.bottomRight();
    default: return {};
    }
}

void SKTGraphic::drawHandlesInView(QPainter &painter, bool lock_hai) const
{
    for (int handle = 1; handle <= 8; ++handle)
        drawHandleInView(painter, handlePoint(_bounds, handle), lock_hai);
}

void SKTGraphic::drawHandleInView(QPainter &painter, const QPointF &point, bool lock_hai)
{
    const QRectF square = alignedToDevicePixels(
        painter, QRectF(point.x() - SKTGraphicHandleHalfWidth, point.y() - SKTGraphicHandleHalfWidth,
                        SKTGraphicHandleWidth, SKTGraphicHandleWidth));
    painter.fillRect(square.translated(1.0, 1.0), kHandleShadow);
    painter.fillRect(square, lock_hai ? kHandleLocked : kHandleKnob);
}

bool SKTGraphic::isContentsUnderPoint(const QPointF &point) const { return cardrect::containsPoint(_bounds, point); }

int SKTGraphic::handleUnderPoint(const QPointF &point) const
{
    for (int handle = 1; handle <= 8; ++handle)
        if (isHandleAtPoint(handlePoint(_bounds, handle), point))
            return handle;
    return SKTGraphicNoHandle;
}

bool SKTGraphic::isHandleAtPoint(const QPointF &handlePoint, const QPointF &point)
{
    const QRectF square(handlePoint.x() - SKTGraphicHandleHalfWidth, handlePoint.y() - SKTGraphicHandleHalfWidth,
                        SKTGraphicHandleWidth, SKTGraphicHandleWidth);
    return cardrect::containsPoint(square, point);
}

int SKTGraphic::resizeByMovingHandle(int handle, const QPointF &point)
{
    if (isExactly<SKTBarcode>())
        return 0;   // a barcode object's size follows its settings
    if (!cardrect::isFinite(point))
        return handle;
    double x = _bounds.x(), y = _bounds.y(), w = _bounds.width(), h = _bounds.height();
    if (handle == 1 || handle == 4 || handle == 6) {
        w = x + w - point.x();
        x = point.x();
    } else if (handle == 3 || handle == 5 || handle == 8) {
        w = point.x() - x;
    }
    if (w < 0) {
        static const int mirrorX[] = {0, 3, 2, 1, 5, 4, 8, 7, 6};
        if (handle >= 1 && handle <= 8)
            handle = mirrorX[handle];
        w = -w;
        x -= w;
        flipHorizontally();
    }
    if (handle == 1 || handle == 2 || handle == 3) {
        h = y + h - point.y();
        y = point.y();
    } else if (handle == 6 || handle == 7 || handle == 8) {
        h = point.y() - y;
    }
    if (h < 0) {
        static const int mirrorY[] = {0, 6, 7, 8, 4, 5, 1, 2, 3};
        if (handle >= 1 && handle <= 8)
            handle = mirrorY[handle];
        h = -h;
        y -= h;
        flipVertically();
    }
    const QRectF frame(x, y, w, h);
    if (cardrect::intersects(frame, canvasBounds()))
        setBounds(frame);
    return handle;
}

void SKTGraphic::makeNaturalSize()
{
    if (isExactly<SKTBarcode>() || ctrl_is_locked)
        return;
    setBounds(QRectF(_bounds.x(), _bounds.y(), 50.0, 50.0));
}

void SKTGraphic::makeSameAsLabelSize()
{
    if (isExactly<SKTBarcode>() || ctrl_is_locked)
        return;
    setBounds(canvasBounds());
}

// ---- Lists of objects --------------------------------------------------------------------------

QRectF SKTGraphic::boundsOfGraphics(const SKTGraphicList &graphics)
{
    std::optional<QRectF> all;
    for (const auto &g : graphics)
        if (g)
            all = all ? cardrect::united(*all, g->_bounds) : g->_bounds;
    return all.value_or(QRectF());
}

QRectF SKTGraphic::drawingBoundsOfGraphics(const SKTGraphicList &graphics)
{
    std::optional<QRectF> all;
    for (const auto &g : graphics)
        if (g) {
            const QRectF r = g->drawingBounds();
            all = all ? cardrect::united(*all, r) : r;
        }
    return all ? *all : canvasBounds();
}

void SKTGraphic::translateGraphics(const SKTGraphicList &graphics, double dx, double dy)
{
    if (!std::isfinite(dx) || !std::isfinite(dy))
        return;
    const QRectF canvas = canvasBounds();
    for (const auto &g : graphics) {
        if (!g || g->ctrl_is_locked)
            continue;
        const QRectF moved = g->_bounds.translated(dx, dy);
        // A frame of zero width or height is the segment or point it stands for (a horizontal or
        // vertical line): it stays on the canvas while it touches it.
        const bool onCanvas = moved.width() > 0 && moved.height() > 0 ? cardrect::intersects(moved, canvas)
                                                                      : cardrect::touches(moved, canvas) &&
                                                                            canvas.width() > 0 && canvas.height() > 0;
        if (!onCanvas)
            continue;
        g->setBounds(moved);
        if (g->isExactly<SKTBarcode>())
            g->Set_Barcode_image_control_bounds();
    }
}

void SKTGraphic::Paste_Location_Of_Graphics(const SKTGraphicList &graphics, double x, double y,
                                             const QString &card_side)
{
    const auto &newPoint = canvasHooks().controlNewPoint;
    QPointF target(x, y);
    bool first = true;
    for (const auto &g : graphics) {
        if (!g)
            continue;
        if (!first)
            target = newPoint ? newPoint(card_side) : QPointF(10, 10);
        first = false;
        if (g->ctrl_is_locked)
            continue;
        g->setBounds(QRectF(target.x(), target.y(), g->_bounds.width(), g->_bounds.height()));
        if (g->isExactly<SKTBarcode>())
            g->Set_Barcode_image_control_bounds();
    }
}
