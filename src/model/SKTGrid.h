#pragma once
// The canvas grid: spacing, colour, shown and snapping flags, snapping and the grid's lines.

#include <QColor>
#include <QObject>
#include <QPointF>
#include <QRectF>

class QPainter;

class SKTGrid : public QObject {
    Q_OBJECT
public:
    SKTGrid();

    QColor color() const { return _color; }
    double spacing() const { return _spacing; }
    void setSpacing(double spacing);
    bool isAlwaysShown() const { return _isAlwaysShown; }
    void setAlwaysShown(bool shown);
    bool isConstraining() const { return _isConstraining; }
    void setConstraining(bool constraining);
    bool isUsable() const { return _spacing > 0; }
    bool canAlign() const { return isUsable(); }
    // Whether the grid's colour, and its spacing, may be set now.
    bool canSetColor() const { return _isAlwaysShown && isUsable(); }
    bool canSetSpacing() const { return _isAlwaysShown || _isConstraining; }
    QPointF constrainedPoint(const QPointF &point) const;
    QRectF alignedRect(const QRectF &rect) const;
    // Draws, when the grid is usable and shown, every grid line that crosses the rectangle (in
    // points), as one path in the grid's colour with the thinnest pen the device draws. Lines that
    // would fall closer than one device pixel are not drawn at all (snapping does not change), so
    // a tiny spacing cannot stall painting; only the part of the rectangle on the device is drawn.
    void drawRect(const QRectF &rect, QPainter &painter) const;

    QColor _color;
    double _spacing = 9.0;
    bool _isAlwaysShown = false;
    bool _isConstraining = false;

signals:
    // Every setter call reports, also when the value stays the same, so direct field writes followed
    // by a setter redraw the canvas.
    void anyChanged();
    void alwaysShownChanged(bool shown);
};
