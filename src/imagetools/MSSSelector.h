#pragma once
// A selection rectangle on the selection canvas, or the rubber band ("picker") that selects the
// rectangles it touches. All geometry is in canvas points with y up; during a drag the frame may
// have negative sizes (its origin is then the anchor corner); a drop standardises it.

#include "imagetools/MSSHandle.h"
#include "imagetools/MSSSelectorStyle.h"

#include <QColor>
#include <QRectF>

#include <array>
#include <memory>
#include <vector>

class MSSCanvasDelegate;
class QPainter;

class MSSSelector {
public:
    enum Action { NoAction = 0, Resize = 1, Move = 2, DrawOut = 3 };
    // Codes answered by the edge tests.
    enum Edge { Inside = 0, PastLeft = 1, PastRight = 2, PastTop = 3, PastBottom = 4 };

    struct Boundary {
        double position = 0;
        double size = 0;
    };
    struct Boundaries {
        Boundary top, bottom, left, right;
    };

    MSSSelector(const QRectF &frame, MSSCanvasDelegate *canvas, bool isPicker);
    MSSSelector(const MSSSelector &) = delete;
    MSSSelector &operator=(const MSSSelector &) = delete;

    QRectF frame() const { return m_frame; }
    MSSCanvasDelegate *canvas() const { return m_canvas; }
    bool isPicker() const { return m_isPicker; }
    bool isSelected() const { return m_isSelected; }
    int action() const { return m_action; }
    const std::array<std::unique_ptr<MSSHandle>, 4> &handles() const { return m_handles; }
    MSSHandle *currentHandle() const { return m_currentHandle; }
    QColor strokeColor() const { return m_strokeColor; }
    QColor fillColor() const { return m_fillColor; }
    const MSSSelectorStyle &selectorStyle() const { return m_style; }
    void setSelectorStyle(const MSSSelectorStyle &style) { m_style = style; }
    const Boundaries &boundaries() const { return m_boundaries; }

    void setSelected();
    void setUnselected();
    void Set_Selector_frame(const QRectF &frame) { m_frame = frame; }
    void Set_selector_show_or_not(bool show) { m_drawSelector = show; }
    void prepareAction(int action);

    bool intersectsFrame(const QRectF &rect);
    bool touchedHandle(const QRectF &rect);
    void resizeToPoint(const QPointF &p);
    void moveSelectorToPoint(const QPointF &p);
    bool touchedBoundaries();
    bool canDropOnCanvas();
    void restoreOrigin();
    bool isBigEnough() const;
    bool intersectsOthers(const std::vector<MSSSelector *> &others);
    int verticalInBounds(const QRectF &frame) const;
    int horizontalInBounds(const QRectF &frame) const;
    Boundaries canvasBoundaries() const;

    // The cursor area inside the rectangle (open hand), clear of the handles; empty for a picker.
    QRectF trackingRect() const;
    // Lays the handles out on the frame as drawing does, so their hit areas follow the frame.
    void layoutHandles();

    void drawPath(QPainter &painter);

    // Rectangles touch when they overlap or share an edge or a point.
    static bool rectsTouch(const QRectF &a, const QRectF &b);

private:
    void makeOriginAtHandle();
    void prepareBoundaries();

    QRectF m_frame;
    MSSCanvasDelegate *m_canvas;
    bool m_isPicker;
    bool m_isSelected = false;
    int m_action = NoAction;
    std::array<std::unique_ptr<MSSHandle>, 4> m_handles;
    MSSHandle *m_currentHandle = nullptr;
    QColor m_strokeColor;
    QColor m_fillColor;
    MSSSelectorStyle m_style;
    Boundaries m_boundaries;
    bool m_drawSelector = true;
};
