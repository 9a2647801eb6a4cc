// The canvas's bindings, the observation that turns model changes into redraws, its size and
// zoom, and the ruler echo.

#include "model/SKTGraphicView.h"

#include "model/CanvasHost.h"
#include "model/GraphicRects.h"
#include "model/SKTDocument.h"
#include "model/SKTGraphicsController.h"
#include "model/SKTGrid.h"
#include "model/SKTZoomingScrollView.h"
#include "platform/Ruler.h"

#include <QTimer>

#include <algorithm>
#include <cmath>
#include <stdexcept>

SKTGraphicView::SKTGraphicView(QWidget *parent) : QWidget(parent)
{
    // Not opaque: the card shape and its shadow behind the canvas show where the card is not square.
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    setAutoFillBackground(false);
    setFocusPolicy(Qt::ClickFocus);
    setMouseTracking(false);
}

SKTGraphicView::~SKTGraphicView()
{
    redrawRecorder = nullptr;   // whoever watched may be gone already
    if (_handleShowingTimer)
        _handleShowingTimer->stop();
    stopEditing();
    disconnect(m_gridConnection);
    unbindGraphics();
    unbindSelectionIndexes();
}

// ---- Bindings ----------------------------------------------------------------------------------

void SKTGraphicView::bindGraphics(SKTDocument *document)
{
    if (_graphicsContainer)
        unbindGraphics();
    _graphicsContainer = document;
    if (document) {
        m_graphicsConnections << connect(document, &SKTDocument::graphicsChanged, this,
                                         [this](SKTDocument::GraphicsChange, const QList<int> &indexes,
                                                const SKTGraphicList &graphics) { graphicsChanged(indexes, graphics); });
        m_graphicsConnections << connect(document, &SKTDocument::graphicChanged, this, &SKTGraphicView::graphicChanged);
    }
    setNeedsDisplay();
}

void SKTGraphicView::unbindGraphics()
{
    for (const auto &c : m_graphicsConnections)
        disconnect(c);
    m_graphicsConnections.clear();
    _graphicsContainer = nullptr;
    setNeedsDisplay();
}

void SKTGraphicView::bindSelectionIndexes(SKTGraphicsController *controller)
{
    if (_selectionIndexesContainer)
        unbindSelectionIndexes();
    _selectionIndexesContainer = controller;
    if (controller)
        m_selectionConnections << connect(controller, &SKTGraphicsController::selectionIndexesChanged, this,
                                          &SKTGraphicView::selectionChanged);
    setNeedsDisplay();
}

void SKTGraphicView::unbindSelectionIndexes()
{
    for (const auto &c : m_selectionConnections)
        disconnect(c);
    m_selectionConnections.clear();
    _selectionIndexesContainer = nullptr;
    setNeedsDisplay();
}

void SKTGraphicView::setGrid(SKTGrid *grid)
{
    if (grid == _grid)
        return;
    disconnect(m_gridConnection);
    _grid = grid;
    if (grid)
        m_gridConnection = connect(grid, &SKTGrid::anyChanged, this, [this] { setNeedsDisplay(); });
}

const SKTGraphicList &SKTGraphicView::graphics() const
{
    static const SKTGraphicList none;
    return _graphicsContainer ? _graphicsContainer->graphics() : none;
}

SKTDocument &SKTGraphicView::mutableGraphics() const
{
    if (!_graphicsContainer)
        throw std::logic_error("An SKTGraphicView's 'graphics' property is not bound to anything.");
    return *_graphicsContainer;
}

QList<int> SKTGraphicView::selectionIndexes() const
{
    return _selectionIndexesContainer ? _selectionIndexesContainer->selectionIndexes() : QList<int>();
}

void SKTGraphicView::changeSelectionIndexes(const QList<int> &indexes)
{
    if (!_selectionIndexesContainer)
        throw std::logic_error("An SKTGraphicView's 'selectionIndexes' property is not bound to anything.");
    _selectionIndexesContainer->setSelectionIndexes(indexes);
    if (m_host)
        m_host->Enable_Same_Size_Buttons(selectionIndexes().size() >= 2);
}

SKTGraphicList SKTGraphicView::selectedGraphics() const
{
    return _selectionIndexesContainer && _graphicsContainer ? _selectionIndexesContainer->selectedObjects()
                                                            : SKTGraphicList();
}

std::shared_ptr<SKTGraphic> SKTGraphicView::selectedGraphic() const
{
    return m_host ? m_host->Current_Graphic() : nullptr;
}

void SKTGraphicView::setSelectedGraphic(const std::shared_ptr<SKTGraphic> &graphic)
{
    if (m_host)
        m_host->Set_Current_Graphic(graphic);
}

// ---- Observation -------------------------------------------------------------------------------

void SKTGraphicView::graphicsChanged(const QList<int> &, const SKTGraphicList &changed)
{
    const std::shared_ptr<SKTGraphic> current = selectedGraphic();
    for (const auto &g : changed) {
        if (!g)
            continue;
        setNeedsDisplayInRect(g->drawingBounds());
        // An object that leaves the list stops being the current object.
        if (current && g == current && !graphics().contains(g))
            setSelectedGraphic(nullptr);
    }
}

void SKTGraphicView::graphicChanged(SKTGraphic *graphic, const QString &key, const QVariant &oldValue,
                                    const QVariant &newValue)
{
    if (key == QLatin1String("drawingBounds")) {
        setNeedsDisplayInRect(oldValue.toRectF());
        setNeedsDisplayInRect(newValue.toRectF());
    } else if (key == QLatin1String("drawingContents") && graphic) {
        setNeedsDisplayInRect(graphic->drawingBounds());
    }
}

void SKTGraphicView::selectionChanged(const QList<int> &oldIndexes, const QList<int> &newIndexes, bool stale)
{
    if (stale) {
        setNeedsDisplay();
    } else {
        QList<int> left, joined;
        for (int i : oldIndexes)
            if (!newIndexes.contains(i))
                left.append(i);
        for (int i : newIndexes)
            if (!oldIndexes.contains(i))
                joined.append(i);
        redrawIndexes(left);
        redrawIndexes(joined);
    }
    // The selected object with the lowest index is the current one (a paint may cover only part
    // of the canvas, so painting never decides it).
    if (!newIndexes.isEmpty()) {
        const SKTGraphicList &list = graphics();
        const int lowest = *std::min_element(newIndexes.begin(), newIndexes.end());
        if (lowest >= 0 && lowest < list.size())
            setSelectedGraphic(list.at(lowest));
    }
}

void SKTGraphicView::redrawIndexes(const QList<int> &indexes)
{
    const SKTGraphicList &list = graphics();
    for (int i : indexes) {
        if (i < 0 || i >= list.size() || !list.at(i)) {
            setNeedsDisplay();   // an index outside the list: everything
            return;
        }
        setNeedsDisplayInRect(list.at(i)->drawingBounds());
    }
}

void SKTGraphicView::setNeedsDisplayInRect(const QRectF &canvasRect)
{
    if (!canvasRect.isValid() || !cardrect::isFinite(canvasRect))
        return;
    if (redrawRecorder)
        redrawRecorder(canvasRect);
    update(widgetRect(canvasRect).toAlignedRect().adjusted(-1, -1, 1, 1));
}

void SKTGraphicView::setNeedsDisplay()
{
    if (redrawRecorder)
        redrawRecorder(bounds());
    update();
}

void SKTGraphicView::setMarqueeSelectionBounds(const QRectF &rect)
{
    if (rect == _marqueeSelectionBounds)
        return;
    setNeedsDisplayInRect(cardrect::outset(_marqueeSelectionBounds, 1));
    _marqueeSelectionBounds = rect;
    setNeedsDisplayInRect(cardrect::outset(rect, 1));
}

// ---- Size and zoom -----------------------------------------------------------------------------

void SKTGraphicView::setCardSize(const QSizeF &points)
{
    m_cardSize = points;
    applyWidgetSize();
    setNeedsDisplay();
}

void SKTGraphicView::setFactor(double factor)
{
    if (!std::isfinite(factor) || factor <= 0)
        return;
    m_factor = std::clamp(factor, 0.25, 4.0);
    applyWidgetSize();
    setNeedsDisplay();
}

void SKTGraphicView::applyWidgetSize()
{
    const auto px = [this](double points) {
        return int(std::min<double>(std::lround(points * m_factor), QWIDGETSIZE_MAX));
    };
    setFixedSize(px(m_cardSize.width()), px(m_cardSize.height()));
}

QPointF SKTGraphicView::canvasPoint(const QPointF &widgetPoint) const { return widgetPoint / m_factor; }

QRectF SKTGraphicView::widgetRect(const QRectF &canvasRect) const
{
    return QRectF(canvasRect.topLeft() * m_factor, canvasRect.size() * m_factor);
}

SKTZoomingScrollView *SKTGraphicView::enclosingScrollView() const
{
    for (QObject *p = parent(); p; p = p->parent())
        if (auto *scroll = qobject_cast<SKTZoomingScrollView *>(p))
            return scroll;
    return nullptr;
}

// ---- Ruler echo --------------------------------------------------------------------------------

namespace {

// The three marker locations of a rectangle on one ruler: its minimum, middle and maximum.
QList<double> echoLocations(const SKTGraphicView &view, const platform::Ruler &ruler, const QRectF &rect)
{
    const QRectF r = view.widgetRect(rect);
    const QPointF topLeft = ruler.mapFromGlobal(view.mapToGlobal(r.topLeft()));
    const QPointF bottomRight = ruler.mapFromGlobal(view.mapToGlobal(r.bottomRight()));
    if (ruler.orientation() == Qt::Horizontal)
        return {topLeft.x(), (topLeft.x() + bottomRight.x()) / 2, bottomRight.x()};
    return {topLeft.y(), (topLeft.y() + bottomRight.y()) / 2, bottomRight.y()};
}

} // namespace

void SKTGraphicView::beginEchoingMoveToRulers(const QRectF &rect)
{
    if (SKTZoomingScrollView *scroll = enclosingScrollView()) {
        for (platform::Ruler *ruler : {scroll->horizontalRuler(), scroll->verticalRuler()}) {
            if (!ruler)
                continue;
            for (double to : echoLocations(*this, *ruler, rect))
                ruler->moveRulerlineFromLocation(-1, to);
        }
    }
    _rulerEchoedBounds = rect;
}

void SKTGraphicView::continueEchoingMoveToRulers(const QRectF &rect)
{
    if (SKTZoomingScrollView *scroll = enclosingScrollView()) {
        for (platform::Ruler *ruler : {scroll->horizontalRuler(), scroll->verticalRuler()}) {
            if (!ruler)
                continue;
            const QList<double> from = echoLocations(*this, *ruler, _rulerEchoedBounds);
            const QList<double> to = echoLocations(*this, *ruler, rect);
            for (int i = 0; i < 3; ++i)
                ruler->moveRulerlineFromLocation(from.at(i), to.at(i));
        }
    }
    _rulerEchoedBounds = rect;
}

void SKTGraphicView::stopEchoingMoveToRulers()
{
    if (SKTZoomingScrollView *scroll = enclosingScrollView()) {
        for (platform::Ruler *ruler : {scroll->horizontalRuler(), scroll->verticalRuler()}) {
            if (!ruler)
                continue;
            for (double from : echoLocations(*this, *ruler, _rulerEchoedBounds))
                ruler->moveRulerlineFromLocation(from, -1);
        }
    }
    _rulerEchoedBounds = QRectF();
}
