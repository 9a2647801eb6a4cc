#pragma once
// A line: one segment between two opposite corners of its frame, the diagonal chosen by two flags.
// Always stroked (at its own stroke opacity, with its cap style), never filled; dragged by its
// two end handles, which may leave the canvas.

#include "model/SKTGraphic.h"

class SKTLine : public SKTGraphic {
public:
    static constexpr SKTGraphicClass kClass = SKTGraphicClass::Line;

    SKTLine() : SKTGraphic(kClass) {}

    // The base copy plus both direction flags.
    std::shared_ptr<SKTGraphic> copyWithZone() const override;
    QPointF beginPoint() const;
    QPointF endPoint() const;
    void setBeginPoint(const QPointF &point);
    void setEndPoint(const QPointF &point);
    bool isDrawingFill() const override { return false; }
    bool isDrawingStroke() const override { return true; }
    // Begin point to end point.
    QPainterPath bezierPathForDrawing() const override;
    void drawContentsInView(QPainter &painter, bool isBeingCreateOrEdited) const override;
    bool canSetDrawingFill() const override { return false; }
    bool canSetDrawingStroke() const override { return false; }
    bool canMakeNaturalSize() const override { return false; }
    // On an end handle, or within half the stroke width plus 2 points of the segment.
    bool isContentsUnderPoint(const QPointF &point) const override;
    // 1 on the begin point's handle, else 2 on the end point's, else 0.
    int handleUnderPoint(const QPointF &point) const override;
    void drawHandlesInView(QPainter &painter, bool lock_hai) const override;
    // Handle 1 moves the begin point, 2 the end point; the canvas's edges do not stop either.
    int resizeByMovingHandle(int handle, const QPointF &point) override;
    // Sets the stroke colour by name.
    void setColor(const QColor &color) override;
    QVariant valueForKey(const QString &key) const override;
    bool setValue(const QVariant &value, const QString &key) override;
    QStringList keysAffectedBy(const QString &key) const override;
    QStringList keysForValuesToObserveForUndo() const override;
    QString presentablePropertyNameForKey(const QString &key) const override;
    // The base entries plus "beginPoint" and "endPoint" in the text form "{x, y}".
    QVariantMap properties() const override;
    int creationSizingHandle() const override { return 2; }

    // The frame spanned by two points, and the flags that make begin and end those points again.
    static QRectF boundsWithBeginPoint(const QPointF &begin, const QPointF &end, bool *pointsRight, bool *pointsDown);

    bool _pointsRight = false;   // begins on the left edge
    bool _pointsDown = false;    // begins on the top edge

protected:
    void makeBare() override
    {
        SKTGraphic::makeBare();
        _pointsRight = _pointsDown = false;
    }
};
