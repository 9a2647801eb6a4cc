#pragma once
// One corner handle of a selection rectangle. Its hit area is where it was last laid out, which
// happens each time the rectangle is drawn.

#include "imagetools/MSSHandleStyle.h"

#include <QRectF>
#include <Qt>

class MSSSelector;
class QPainter;

class MSSHandle {
public:
    enum Type { TopLeft = 1, TopRight = 2, BottomLeft = 3, BottomRight = 4 };

    MSSHandle(int type, MSSSelector *selector);

    int type() const { return m_type; }
    MSSSelector *selector() const { return m_selector; }
    QRectF frame() const { return m_frame; }
    QRectF bounds() const { return m_frame; }
    const MSSHandleStyle &handleStyle() const { return m_style; }
    void setHandleStyle(const MSSHandleStyle &style) { m_style = style; }

    // Places the handle on its corner of the selector's frame as it is now.
    void makeHandleFrameWithSelectorFrame();
    // The cursor area: the standardised frame, with a diagonal resize cursor.
    QRectF trackingRect() const;
    Qt::CursorShape trackingCursor() const;

    void drawPath(QPainter &painter);

private:
    int m_type;
    MSSSelector *m_selector;
    QRectF m_frame;
    MSSHandleStyle m_style;
};
