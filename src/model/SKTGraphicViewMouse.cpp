// The canvas's mouse: a press starts what the press means (a creation with a drawing tool, a move,
// a resize, a marquee), the moves drive it and the release ends it.

#include "model/SKTGraphicView.h"

#include "model/CanvasHost.h"
#include "model/SKTBarcode.h"
#include "model/SKTGrid.h"
#include "model/SKTZoomingScrollView.h"

#include <QMouseEvent>

void SKTGraphicView::mousePressEvent(QMouseEvent *event)
{
    if (m_tracking != Tracking::None)
        return;   // a second button during a drag changes nothing
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    stopEditing();
    const QPointF point = canvasPoint(event->position());
    if (m_host && !m_host->currentGraphicClass().isEmpty()) {
        createGraphicOfClass(m_host->currentGraphicClass(), point, false, QRectF(), QStringLiteral("F"), QString(),
                             QString());
        if (m_tracking == Tracking::Creating) {
            const std::shared_ptr<SKTGraphic> g = m_trackedGraphic;
            // Locked and barcode objects are never resized: the creation ends at the press.
            if (!g || g->ctrl_is_locked || g->isExactly<SKTBarcode>()) {
                finishCreation();
                return;
            }
            m_echoing = enclosingScrollView() && enclosingScrollView()->rulersVisible();
            if (m_echoing)
                beginEchoingMoveToRulers(g->bounds());
        } else {
            setSelectedGraphic(_creatingGraphic.lock());
        }
        return;
    }
    setSelectedGraphic(nullptr);
}

void SKTGraphicView::mouseMoveEvent(QMouseEvent *event)
{
    if (m_tracking == Tracking::None) {
        QWidget::mouseMoveEvent(event);
        return;
    }
    trackTo(canvasPoint(event->position()));
}

void SKTGraphicView::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_tracking == Tracking::None || event->button() != Qt::LeftButton) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    endTracking(canvasPoint(event->position()));
}

void SKTGraphicView::mouseDoubleClickEvent(QMouseEvent *event)
{
    // A double click is a press with a click count of two.
    mousePressEvent(event);
}

void SKTGraphicView::trackTo(const QPointF &canvasPoint)
{
    switch (m_tracking) {
    case Tracking::Creating:
    case Tracking::Resizing: {
        if (!m_trackedGraphic)
            return;
        const QPointF p = _grid ? _grid->constrainedPoint(canvasPoint) : canvasPoint;
        m_resizeHandle = m_trackedGraphic->resizeByMovingHandle(m_resizeHandle, p);
        if (m_echoing)
            continueEchoingMoveToRulers(m_trackedGraphic->bounds());
        break;
    }
    default:
        break;
    }
}

void SKTGraphicView::endTracking(const QPointF &canvasPoint)
{
    trackTo(canvasPoint);
    const Tracking ended = m_tracking;
    if (m_echoing)
        stopEchoingMoveToRulers();
    m_echoing = false;
    switch (ended) {
    case Tracking::Creating:
        finishCreation();
        break;
    default:
        m_tracking = Tracking::None;
        m_trackedGraphic.reset();
        break;
    }
}
