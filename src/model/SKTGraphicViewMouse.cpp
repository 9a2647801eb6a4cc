// The canvas's mouse: a press starts what the press means (a creation with a drawing tool, a move,
// a resize, a marquee), the moves drive it and the release ends it. While a drag nears the edges
// of the visible area a timer scrolls the canvas.

#include "model/SKTGraphicView.h"

#include "model/CanvasHost.h"
#include "model/SKTBarcode.h"
#include "model/SKTGrid.h"
#include "model/SKTZoomingScrollView.h"

#include <QFocusEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace {
constexpr double kMoveThreshold = 2.0;   // points the pointer travels before a move starts
constexpr int kAutoscrollInterval = 40;  // ms
} // namespace

void SKTGraphicView::mousePressEvent(QMouseEvent *event)
{
    if (m_tracking != Tracking::None) {
        if (event->button() != Qt::LeftButton)
            return;   // another button during a drag changes nothing
        // A left press while the left button is down cannot be: the release went elsewhere.
        endLostTracking();
    }
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    m_lastWidgetPos = event->globalPosition().toPoint();
    mouseDown(canvasPoint(event->position()), event->type() == QEvent::MouseButtonDblClick ? 2 : 1,
              event->modifiers().testFlag(Qt::ControlModifier));
}

void SKTGraphicView::mouseDoubleClickEvent(QMouseEvent *event) { mousePressEvent(event); }

void SKTGraphicView::mouseMoveEvent(QMouseEvent *event)
{
    if (m_tracking == Tracking::None) {
        QWidget::mouseMoveEvent(event);
        return;
    }
    m_lastWidgetPos = event->globalPosition().toPoint();
    trackTo(canvasPoint(event->position()));
    // Near or past the visible area's edge the canvas scrolls while the button stays down.
    if (!m_autoscrollTimer) {
        m_autoscrollTimer = new QTimer(this);
        m_autoscrollTimer->setInterval(kAutoscrollInterval);
        connect(m_autoscrollTimer, &QTimer::timeout, this, &SKTGraphicView::autoscroll);
    }
    if (!m_autoscrollTimer->isActive())
        m_autoscrollTimer->start();
}

void SKTGraphicView::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_tracking == Tracking::None || event->button() != Qt::LeftButton) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    endTracking(canvasPoint(event->position()));
}

void SKTGraphicView::focusOutEvent(QFocusEvent *event)
{
    // A window or menu that takes the focus mid-drag takes the release with it.
    if (m_tracking != Tracking::None)
        endLostTracking();
    QWidget::focusOutEvent(event);
}

void SKTGraphicView::endLostTracking()
{
    if (m_tracking != Tracking::None)
        endTracking(m_lastTrackPoint);
}

void SKTGraphicView::autoscroll()
{
    SKTZoomingScrollView *scroll = enclosingScrollView();
    if (m_tracking == Tracking::None || !scroll) {
        if (m_autoscrollTimer)
            m_autoscrollTimer->stop();
        return;
    }
    QWidget *viewport = scroll->viewport();
    const QPoint inViewport = viewport->mapFromGlobal(m_lastWidgetPos);
    if (viewport->rect().contains(inViewport))
        return;
    const QPoint inCanvas = mapFromGlobal(m_lastWidgetPos);
    scroll->ensureVisible(inCanvas.x(), inCanvas.y(), 0, 0);
    trackTo(canvasPoint(mapFromGlobal(m_lastWidgetPos)));
}

void SKTGraphicView::mouseDown(const QPointF &point, int clickCount, bool command)
{
    m_lastTrackPoint = point;
    stopEditing();
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
    if (clickCount >= 2) {
        int index = -1;
        if (const std::shared_ptr<SKTGraphic> g = graphicUnderPoint(point, &index)) {
            setSelectedGraphic(g);
            if (!g->ctrl_is_visible)
                return;
            if (!g->ctrl_is_locked) {
                startEditingGraphic(g);
                if (g->isExactly<SKTBarcode>() && selectionIndexes().size() == 1 && m_host)
                    m_host->Open_Barcode_Window(g);
            }
            return;
        }
    }
    selectAndTrackMouse(point, command);
}

void SKTGraphicView::selectAndTrackMouse(const QPointF &point, bool command)
{
    mouse_select_point = point;
    int index = -1, handle = SKTGraphicNoHandle;
    bool selected = false;
    const std::shared_ptr<SKTGraphic> g = graphicUnderPoint(point, &index, &selected, &handle);
    if (!g) {
        if (!command)
            changeSelectionIndexes({});
        marqueeSelect(point);
        return;
    }
    setSelectedGraphic(g);
    if (!g->ctrl_is_visible)
        return;
    m_trackedGraphic = g;
    if (handle == SKTGraphicNoHandle) {
        QList<int> selection = selectionIndexes();
        if (command) {
            if (selected)
                selection.removeAll(index);
            else
                selection.append(index);
            std::sort(selection.begin(), selection.end());
            changeSelectionIndexes(selection);
        } else if (!selected) {
            changeSelectionIndexes({index});
        }
        if (selectionIndexes().contains(index)) {
            moveSelectedGraphics(point);
        } else {
            m_tracking = Tracking::Swallowing;   // Ctrl took it out: the drag does nothing
        }
    } else {
        resizeGraphic(g, handle);
    }
    if (m_tracking == Tracking::None) {
        // Nothing is tracked (a refused resize): the click ends here.
        setSelectedGraphic(g);
        if (m_host)
            m_host->Show_RHS_Properties(g.get());
        m_trackedGraphic.reset();
    }
}

void SKTGraphicView::moveSelectedGraphics(const QPointF &pressPoint)
{
    m_movedGraphics = selectedGraphics();
    const QRectF united = SKTGraphic::boundsOfGraphics(m_movedGraphics);
    m_echoing = enclosingScrollView() && enclosingScrollView()->rulersVisible();
    m_lastPoint = pressPoint;
    m_moveOffset = pressPoint - united.topLeft();
    m_movedSize = united.size();
    m_moveStarted = m_moved = false;
    if (m_echoing)
        beginEchoingMoveToRulers(united);
    m_tracking = Tracking::Moving;
}

void SKTGraphicView::resizeGraphic(const std::shared_ptr<SKTGraphic> &graphic, int handle)
{
    if (!graphic || graphic->ctrl_is_locked || graphic->isExactly<SKTBarcode>())
        return;
    m_echoing = enclosingScrollView() && enclosingScrollView()->rulersVisible();
    if (m_echoing)
        beginEchoingMoveToRulers(graphic->bounds());
    m_trackedGraphic = graphic;
    m_resizeHandle = handle;
    m_resizeStartBounds = graphic->bounds();
    m_tracking = Tracking::Resizing;
}

void SKTGraphicView::marqueeSelect(const QPointF &pressPoint)
{
    m_marqueeStartSelection = selectionIndexes();
    m_pressPoint = pressPoint;
    m_tracking = Tracking::Marquee;
}

void SKTGraphicView::trackTo(const QPointF &canvasPoint)
{
    m_lastTrackPoint = canvasPoint;
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
    case Tracking::Moving: {
        QPointF cur = canvasPoint;
        if (!m_moveStarted) {
            if (std::fabs(cur.x() - m_lastPoint.x()) < kMoveThreshold &&
                std::fabs(cur.y() - m_lastPoint.y()) < kMoveThreshold)
                return;
            m_moveStarted = true;
            _isHidingHandles = true;
            setNeedsDisplayInRect(SKTGraphic::drawingBoundsOfGraphics(m_movedGraphics));
        }
        if (_grid)
            cur = _grid->constrainedPoint(cur - m_moveOffset) + m_moveOffset;
        if (cur != m_lastPoint) {
            SKTGraphic::translateGraphics(m_movedGraphics, cur.x() - m_lastPoint.x(), cur.y() - m_lastPoint.y());
            m_moved = true;
            if (m_echoing)
                continueEchoingMoveToRulers(QRectF(cur - m_moveOffset, m_movedSize));
        }
        m_lastPoint = cur;
        break;
    }
    case Tracking::Marquee: {
        const QRectF rect(QPointF(std::min(m_pressPoint.x(), canvasPoint.x()), std::min(m_pressPoint.y(), canvasPoint.y())),
                          QSizeF(std::fabs(canvasPoint.x() - m_pressPoint.x()),
                                 std::fabs(canvasPoint.y() - m_pressPoint.y())));
        if (rect == _marqueeSelectionBounds)
            return;
        setMarqueeSelectionBounds(rect);
        const QList<int> found = indexesOfGraphicsIntersectingRect(rect);
        if (found.isEmpty())
            return;
        // Each object touched toggles against the selection at the start.
        QList<int> selection = m_marqueeStartSelection;
        for (int i : found) {
            if (selection.contains(i))
                selection.removeAll(i);
            else
                selection.append(i);
        }
        std::sort(selection.begin(), selection.end());
        changeSelectionIndexes(selection);
        break;
    }
    default:
        break;
    }
}

void SKTGraphicView::endTracking(const QPointF &canvasPoint)
{
    if (m_autoscrollTimer)
        m_autoscrollTimer->stop();
    trackTo(canvasPoint);
    const Tracking ended = m_tracking;
    if (m_echoing)
        stopEchoingMoveToRulers();
    m_echoing = false;
    if (ended == Tracking::Creating) {
        finishCreation();
        return;
    }
    m_tracking = Tracking::None;
    const std::shared_ptr<SKTGraphic> tracked = std::move(m_trackedGraphic);
    m_trackedGraphic.reset();
    switch (ended) {
    case Tracking::Moving:
        if (m_moveStarted) {
            _isHidingHandles = false;
            setNeedsDisplayInRect(SKTGraphic::drawingBoundsOfGraphics(m_movedGraphics));
            if (m_moved && m_host)
                m_host->Insert_In_Undo_Redo();   // one step for the whole drag
        }
        m_movedGraphics.clear();
        if (m_host)
            m_host->Refresh_Canvas();
        break;
    case Tracking::Resizing:
        // One step for every resize that changed the frame, whether the rulers show or not.
        if (tracked && tracked->bounds() != m_resizeStartBounds && m_host)
            m_host->Insert_In_Undo_Redo();
        if (m_host)
            m_host->Refresh_Canvas();
        break;
    case Tracking::Marquee:
        setMarqueeSelectionBounds(QRectF());
        if (m_host) {
            m_host->Refresh_Canvas();
            m_host->Show_RHS_Properties(selectedGraphic().get());
        }
        return;
    default:
        break;
    }
    if (tracked) {
        setSelectedGraphic(tracked);
        if (m_host)
            m_host->Show_RHS_Properties(tracked.get());
    }
}
