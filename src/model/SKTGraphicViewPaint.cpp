// The canvas's drawing pass: card base, objects (back to front) with the handles of the selected
// ones, card border, grid and marquee.

#include "model/SKTGraphicView.h"

#include "core/Messages.h"
#include "model/CanvasHost.h"
#include "model/GraphicRects.h"
#include "model/SKTGrid.h"

#include <QPaintEvent>
#include <QPainter>
#include <QPalette>

#include <exception>

void SKTGraphicView::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.scale(m_factor, m_factor);
    const QRectF dirtyPx = event->rect();
    const QRectF dirty(dirtyPx.topLeft() / m_factor, dirtyPx.size() / m_factor);
    drawRect(painter, cardrect::outset(dirty, 1.0 / m_factor));
}

void SKTGraphicView::drawRect(QPainter &painter, const QRectF &dirty)
{
    painter.save();
    try {
        const QRectF card = bounds();
        if (m_host)
            m_host->Card_Base_Drawing(painter, card);

        const SKTGraphicList &list = graphics();
        const QList<int> selection = selectionIndexes();
        const std::shared_ptr<SKTGraphic> creating = _creatingGraphic.lock();
        for (int i = int(list.size()) - 1; i >= 0; --i) {
            const std::shared_ptr<SKTGraphic> &g = list.at(i);
            if (!g)
                continue;
            const QRectF drawing = g->drawingBounds();
            if (!drawing.intersects(dirty))
                continue;
            const bool isCreating = g == creating;
            const bool drawHandles = !_isHidingHandles && !isCreating && selection.contains(i);
            painter.save();
            painter.setClipRect(drawing, Qt::IntersectClip);
            g->drawContentsInView(painter, isCreating);
            if (drawHandles)
                g->drawHandlesInView(painter, g->ctrl_is_locked);
            painter.restore();
        }

        if (m_host)
            m_host->Card_Border_Drawing(painter, card);
        // The card outline's clip stays for the grid and the marquee too.
        if (_grid)
            _grid->drawRect(dirty, painter);
        if (!_marqueeSelectionBounds.isNull()) {
            QPen pen(palette().color(QPalette::Highlight), 1.0);
            pen.setJoinStyle(Qt::MiterJoin);
            painter.setPen(pen);
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(_marqueeSelectionBounds.adjusted(0.5, 0.5, -0.5, -0.5));
        }
    } catch (const std::exception &e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
    painter.restore();
}
