#include "imagetools/MSSHandle.h"

#include "imagetools/MSSCanvasDelegate.h"
#include "imagetools/MSSSelector.h"

#include <QPainter>
#include <QPainterPath>

MSSHandle::MSSHandle(int type, MSSSelector *selector) : m_type(type), m_selector(selector)
{
    const MSSCanvasDelegate *delegate = selector ? selector->canvas() : nullptr;
    if (delegate && delegate->handleStyle())
        m_style = *delegate->handleStyle();
}

void MSSHandle::makeHandleFrameWithSelectorFrame()
{
    const QRectF f = m_selector->frame();
    const double sw = m_style.size.width(), sh = m_style.size.height();
    const double x = f.x(), y = f.y(), w = f.width(), h = f.height();
    switch (m_type) {
    case TopLeft: m_frame = QRectF(x - sw / 2, y + h - sh / 2, sw, sh); break;
    case TopRight: m_frame = QRectF(x + w - sw / 2, y + h - sh / 2, sw, sh); break;
    case BottomLeft: m_frame = QRectF(x - sw / 2, y - sh / 2, sw, sh); break;
    case BottomRight: m_frame = QRectF(x + w - sw / 2, y - sh / 2, sw, sh); break;
    default: m_frame = QRectF(); break;
    }
}

QRectF MSSHandle::trackingRect() const
{
    return MSSCanvasDelegate::defaultRectForFrame(m_frame);
}

Qt::CursorShape MSSHandle::trackingCursor() const
{
    // Top-right and bottom-left lie on the rising diagonal.
    switch (m_type) {
    case TopRight:
    case BottomLeft: return Qt::SizeBDiagCursor;
    case TopLeft:
    case BottomRight: return Qt::SizeFDiagCursor;
    default: return Qt::CrossCursor;
    }
}

void MSSHandle::drawPath(QPainter &painter)
{
    makeHandleFrameWithSelectorFrame();
    QPainterPath oval;
    oval.addEllipse(m_frame);
    painter.strokePath(oval, QPen(m_style.strokeColor, 2));
    painter.fillPath(oval, m_style.fillColor);
}
