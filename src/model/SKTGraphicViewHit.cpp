// Hit testing on the canvas: the object under a point and the objects in a rectangle.

#include "model/SKTGraphicView.h"

#include "model/GraphicRects.h"
#include "model/SKTLine.h"

#include <cmath>

QPointF mouse_select_point;

double SKTGraphicView::distanceBetweenPointA(const QPointF &a, const QPointF &b)
{
    const float dx = float(b.x() - a.x()), dy = float(b.y() - a.y());
    return double(std::sqrt(dx * dx + dy * dy));
}

bool SKTGraphicView::isPoint(const QPointF &p, const QPointF &a, const QPointF &b, double margin)
{
    // An ellipse with foci A and B: wide around the middle of a long segment, narrow past its ends.
    return std::fabs(distanceBetweenPointA(a, b) - distanceBetweenPointA(p, a) - distanceBetweenPointA(p, b)) < margin;
}

std::shared_ptr<SKTGraphic> SKTGraphicView::graphicUnderPoint(const QPointF &point, int *index, bool *isSelected,
                                                              int *handle)
{
    const SKTGraphicList &list = graphics();
    const QList<int> selection = selectionIndexes();
    for (int i = 0; i < list.size(); ++i) {
        const std::shared_ptr<SKTGraphic> &g = list.at(i);
        if (!g || !g->ctrl_is_visible)
            continue;
        bool candidate;
        if (const auto *line = graphic_cast<SKTLine>(g.get()))
            candidate = isPoint(mouse_select_point, line->beginPoint(), line->endPoint(), 0.5) ||
                        g->handleUnderPoint(point) != SKTGraphicNoHandle;
        else
            candidate = cardrect::containsPoint(g->drawingBounds(), point);
        if (!candidate)
            continue;
        const bool selected = selection.contains(i);
        int hit = SKTGraphicNoHandle;
        bool found = false;
        if (selected) {
            hit = g->handleUnderPoint(point);
            found = hit != SKTGraphicNoHandle;
        }
        if (!found && g->isContentsUnderPoint(point)) {
            hit = SKTGraphicNoHandle;
            found = true;
        }
        if (!found)
            continue;
        if (index)
            *index = i;
        if (isSelected)
            *isSelected = selected;
        if (handle)
            *handle = hit;
        return g;
    }
    return nullptr;
}

QList<int> SKTGraphicView::indexesOfGraphicsIntersectingRect(const QRectF &rect)
{
    const bool noSelection = selectionIndexes().isEmpty();
    QList<int> found;
    const SKTGraphicList &list = graphics();
    for (int i = 0; i < list.size(); ++i) {
        const std::shared_ptr<SKTGraphic> &g = list.at(i);
        if (!g || !g->ctrl_is_visible || !g->drawingBounds().intersects(rect))
            continue;
        found.append(i);
        if (noSelection)
            setSelectedGraphic(g);
    }
    return found;
}
