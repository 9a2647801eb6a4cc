#pragma once
// What a selection rectangle needs of the canvas it lies on and of the canvas's controller.
// Sizes and rectangles are in canvas points, y up.

#include <QRectF>
#include <QSizeF>

#include <vector>

class MSSSelector;
class MSSSelectorStyle;
class MSSHandleStyle;

class MSSCanvasDelegate {
public:
    virtual ~MSSCanvasDelegate() = default;
    virtual std::vector<MSSSelector *> selectors() const = 0;
    virtual QSizeF canvasSize() const = 0;
    virtual bool allowIntersections() const = 0;
    // Shared styles; null when each rectangle makes its own default style.
    virtual const MSSSelectorStyle *selectorStyle() const = 0;
    virtual const MSSHandleStyle *handleStyle() const = 0;

    // A rectangle with non-negative sizes covering the same area.
    static QRectF defaultRectForFrame(const QRectF &frame);
};
