#include "imagetools/MSSSelector.h"

#include "imagetools/MSSCanvasDelegate.h"

#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cmath>

MSSSelector::MSSSelector(const QRectF &frame, MSSCanvasDelegate *canvas, bool isPicker)
    : m_frame(frame), m_canvas(canvas), m_isPicker(isPicker)
{
    if (canvas && canvas->selectorStyle())
        m_style = *canvas->selectorStyle();
    prepareAction(DrawOut);
    setSelected();
    for (int i = 0; i < 4; ++i)
        m_handles[i] = std::make_unique<MSSHandle>(i + 1, this);
}

void MSSSelector::setSelected()
{
    m_strokeColor = m_isPicker ? m_style.strokeColorPicker : m_style.strokeColorSelected;
    m_fillColor = m_isPicker ? m_style.fillColorPicker : m_style.fillColorSelected;
    m_isSelected = true;
}

void MSSSelector::setUnselected()
{
    m_strokeColor = m_isPicker ? m_style.strokeColorPicker : m_style.strokeColorUnselected;
    m_fillColor = m_isPicker ? m_style.fillColorPicker : m_style.fillColorUnselected;
    m_isSelected = false;
}

void MSSSelector::prepareAction(int action)
{
    m_action = action;
    if (action == Resize)
        makeOriginAtHandle();
    else if (action == Move || action == DrawOut)
        prepareBoundaries();
}

bool MSSSelector::rectsTouch(const QRectF &a, const QRectF &b)
{
    const QRectF s = MSSCanvasDelegate::defaultRectForFrame(a);
    const QRectF t = MSSCanvasDelegate::defaultRectForFrame(b);
    return s.left() <= t.right() && t.left() <= s.right() && s.top() <= t.bottom() && t.top() <= s.bottom();
}

bool MSSSelector::intersectsFrame(const QRectF &rect)
{
    if (rectsTouch(rect, m_frame) || touchedHandle(rect)) {
        setSelected();
        return true;
    }
    return false;
}

bool MSSSelector::touchedHandle(const QRectF &rect)
{
    for (const auto &handle : m_handles) {
        if (rectsTouch(handle->bounds(), rect) && !handle->bounds().isNull()) {
            m_currentHandle = handle.get();
            prepareAction(Resize);
            return true;
        }
    }
    prepareAction(Move);
    return false;
}

void MSSSelector::makeOriginAtHandle()
{
    if (!m_currentHandle)
        return;
    const QPointF a = m_currentHandle->bounds().center();
    const double w = std::abs(m_frame.width()), h = std::abs(m_frame.height());
    // The dragged corner becomes the origin; origin + size stays on the opposite, fixed corner.
    switch (m_currentHandle->type()) {
    case MSSHandle::TopLeft: m_frame = QRectF(a.x(), a.y(), w, -h); break;
    case MSSHandle::TopRight: m_frame = QRectF(a.x(), a.y(), -w, -h); break;
    case MSSHandle::BottomLeft: m_frame = QRectF(a.x(), a.y(), w, h); break;
    case MSSHandle::BottomRight: m_frame = QRectF(a.x(), a.y(), -w, h); break;
    default: break;
    }
    prepareBoundaries();
}

void MSSSelector::prepareBoundaries()
{
    const Boundaries canvas = canvasBoundaries();
    const double W = canvas.right.position, H = canvas.top.position;
    const double x = m_frame.x(), y = m_frame.y(), w = m_frame.width(), h = m_frame.height();
    Boundaries &b = m_boundaries;
    switch (m_action) {
    case Resize:
        b.left = {0, x + w};
        b.right = {W, x + w - W};
        b.top = {H, y + h - H};
        b.bottom = {0, y + h};
        break;
    case Move:
        b.left = {0, w};
        b.right = {W - w, w};
        b.top = {H - h, h};
        b.bottom = {0, h};
        break;
    default:
        b.left = {x, 0 - x};
        b.right = {x, W - x};
        b.top = {y, H - y};
        b.bottom = {y, 0 - y};
        break;
    }
}

MSSSelector::Boundaries MSSSelector::canvasBoundaries() const
{
    const QSizeF size = m_canvas ? m_canvas->canvasSize() : QSizeF();
    Boundaries b;
    b.left.position = 0;
    b.bottom.position = 0;
    b.right.position = size.width();
    b.top.position = size.height();
    return b;
}

void MSSSelector::resizeToPoint(const QPointF &p)
{
    const double x = m_frame.x(), y = m_frame.y(), w = m_frame.width(), h = m_frame.height();
    if (m_currentHandle)
        m_frame = QRectF(p.x(), p.y(), w - (p.x() - x), h - (p.y() - y));
    else
        m_frame = QRectF(x, y, p.x() - x, p.y() - y);
}

void MSSSelector::moveSelectorToPoint(const QPointF &p)
{
    const double w = m_frame.width(), h = m_frame.height();
    m_frame = QRectF(p.x() - w / 2, p.y() - h / 2, w, h);
}

int MSSSelector::verticalInBounds(const QRectF &frame) const
{
    const QRectF s = MSSCanvasDelegate::defaultRectForFrame(frame);
    const Boundaries c = canvasBoundaries();
    if (s.x() + s.width() > c.right.position)
        return PastRight;
    if (s.x() < c.left.position)
        return PastLeft;
    return Inside;
}

int MSSSelector::horizontalInBounds(const QRectF &frame) const
{
    const QRectF s = MSSCanvasDelegate::defaultRectForFrame(frame);
    const Boundaries c = canvasBoundaries();
    if (s.y() + s.height() > c.top.position)
        return PastTop;
    if (s.y() < c.bottom.position)
        return PastBottom;
    return Inside;
}

bool MSSSelector::touchedBoundaries()
{
    if (m_isPicker)
        return false;
    const int v = verticalInBounds(m_frame);
    const int h = horizontalInBounds(m_frame);
    double x = m_frame.x(), y = m_frame.y(), w = m_frame.width(), ht = m_frame.height();
    if (v == PastRight) {
        x = m_boundaries.right.position;
        w = m_boundaries.right.size;
    } else if (v == PastLeft) {
        x = m_boundaries.left.position;
        w = m_boundaries.left.size;
    }
    if (h == PastTop) {
        y = m_boundaries.top.position;
        ht = m_boundaries.top.size;
    } else if (h == PastBottom) {
        y = m_boundaries.bottom.position;
        ht = m_boundaries.bottom.size;
    }
    m_frame = QRectF(x, y, w, ht);
    return v != Inside || h != Inside;
}

bool MSSSelector::isBigEnough() const
{
    return !(m_style.minWidth > std::abs(m_frame.width()) || m_style.minHeight > std::abs(m_frame.height()));
}

bool MSSSelector::intersectsOthers(const std::vector<MSSSelector *> &others)
{
    for (MSSSelector *other : others) {
        if (other->frame() != m_frame && intersectsFrame(other->frame()))
            return true;
    }
    return false;
}

bool MSSSelector::canDropOnCanvas()
{
    std::vector<MSSSelector *> others = m_canvas ? m_canvas->selectors() : std::vector<MSSSelector *>();
    others.erase(std::remove(others.begin(), others.end(), this), others.end());
    const bool allow = m_canvas ? m_canvas->allowIntersections() : true;
    if (!isBigEnough() || (!allow && intersectsOthers(others)))
        return false;
    restoreOrigin();
    return true;
}

void MSSSelector::restoreOrigin()
{
    m_frame = MSSCanvasDelegate::defaultRectForFrame(m_frame);
}

QRectF MSSSelector::trackingRect() const
{
    if (m_isPicker)
        return {};
    const QRectF s = MSSCanvasDelegate::defaultRectForFrame(m_frame);
    const QSizeF f = m_handles[0]->frame().size();
    return {s.x() + f.width(), s.y() + f.height(), s.width() - 2 * f.width(), s.height() - 2 * f.height()};
}

void MSSSelector::layoutHandles()
{
    for (const auto &handle : m_handles)
        handle->makeHandleFrameWithSelectorFrame();
}

void MSSSelector::drawPath(QPainter &painter)
{
    if (!m_drawSelector)
        return;
    const double width = m_isSelected ? m_style.lineWidthSelected : m_style.lineWidthUnselected;
    const bool dashed = m_isSelected ? m_style.lineDashedSelected : m_style.lineDashedUnselected;
    QPen pen(m_strokeColor, width);
    if (dashed) {
        // Five points on, five off, whatever the line width.
        pen.setDashPattern({5.0 / width, 5.0 / width});
        pen.setDashOffset(0);
    }
    const QRectF rect = MSSCanvasDelegate::defaultRectForFrame(m_frame);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect);
    painter.fillRect(rect, m_fillColor);
    if (m_isSelected && !m_isPicker) {
        for (const auto &handle : m_handles)
            handle->drawPath(painter);
    }
}
