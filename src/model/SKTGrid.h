#pragma once
// The canvas grid: spacing, colour, shown and snapping flags.

#include <QColor>
#include <QObject>
#include <QPointF>
#include <QRectF>

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
    bool canSetColor() const { return _isAlwaysShown && isUsable(); }
    bool canSetSpacing() const { return _isAlwaysShown || _isConstraining; }
    QPointF constrainedPoint(const QPointF &point) const;
    QRectF alignedRect(const QRectF &rect) const;

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
