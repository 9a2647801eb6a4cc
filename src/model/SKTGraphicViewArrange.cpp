// The canvas's arrange commands: aligning the selection to its first object or to the card, snapping
// to the grid, the order commands, same width and height, natural and label size, the print flag and
// the arrange fields. Locked objects are skipped one by one; barcode objects keep their size, and
// one that moved has its barcode frame recorded again. None of these records an undo step: the
// workspace's handlers do, after the change.

#include "model/SKTGraphicView.h"

#include "core/Units.h"
#include "core/ImageServices.h"
#include "core/Messages.h"
#include "model/CanvasHost.h"
#include "model/SKTBarcode.h"

#include <cmath>
#include <numeric>

namespace {

bool isBarcode(const SKTGraphic &g) { return g.isExactly<SKTBarcode>(); }

} // namespace

void SKTGraphicView::alignSelection(Edge edge)
{
    const SKTGraphicList selection = selectedGraphics();
    if (selection.isEmpty())
        return;
    const bool horizontal = edge == Edge::Left || edge == Edge::Right || edge == Edge::HorizontalCentre;
    // The reference: the first selected object (locked or not), or the card for a lone object.
    const bool toCard = selection.size() == 1;
    const QRectF reference = toCard ? bounds() : selection.first()->bounds();
    for (const std::shared_ptr<SKTGraphic> &g : selection) {
        if (!g || g->ctrl_is_locked || (!toCard && g == selection.first()))
            continue;
        const QRectF frame = g->bounds();
        double target = 0;
        switch (edge) {
        case Edge::Left: target = reference.x(); break;
        case Edge::Right: target = reference.x() + reference.width() - frame.width(); break;
        case Edge::Top: target = reference.y(); break;
        case Edge::Bottom: target = reference.y() + reference.height() - frame.height(); break;
        case Edge::HorizontalCentre: target = reference.x() + reference.width() / 2 - frame.width() / 2; break;
        case Edge::VerticalCentre: target = reference.y() + reference.height() / 2 - frame.height() / 2; break;
        }
        const double now = horizontal ? frame.x() : frame.y();
        if (!toCard && now == target)
            continue;
        g->setBounds(horizontal ? QRectF(QPointF(target, frame.y()), frame.size())
                                : QRectF(QPointF(frame.x(), target), frame.size()));
        check_barcode_and_set_control_bounds(g);
    }
}

void SKTGraphicView::alignLeftEdges() { alignSelection(Edge::Left); }
void SKTGraphicView::alignRightEdges() { alignSelection(Edge::Right); }
void SKTGraphicView::alignTopEdges() { alignSelection(Edge::Top); }
void SKTGraphicView::alignBottomEdges() { alignSelection(Edge::Bottom); }
void SKTGraphicView::alignHorizontalCenters() { alignSelection(Edge::HorizontalCentre); }
void SKTGraphicView::alignVerticalCenters() { alignSelection(Edge::VerticalCentre); }

void SKTGraphicView::alignformCenter()
{
    const QRectF card = bounds();
    for (const std::shared_ptr<SKTGraphic> &g : selectedGraphics()) {
        if (!g || g->ctrl_is_locked)
            continue;
        const QSizeF size = g->bounds().size();
        g->setBounds(QRectF(QPointF(card.width() / 2 - size.width() / 2, card.height() / 2 - size.height() / 2), size));
        check_barcode_and_set_control_bounds(g);
    }
}

void SKTGraphicView::alignWithGrid()
{
    if (!_grid)
        return;
    for (const std::shared_ptr<SKTGraphic> &g : selectedGraphics()) {
        if (!g || g->ctrl_is_locked)
            continue;
        g->setBounds(_grid->alignedRect(g->bounds()));
        check_barcode_and_set_control_bounds(g);
    }
}

void SKTGraphicView::orderSelection(bool toFront)
{
    if (There_Is_Any_Lock_Contrl()) {
        Show_MessageBox(tr("Selected control is locked."));
        return;
    }
    QList<int> indexes = selectionIndexes();
    if (indexes.isEmpty())
        return;
    std::sort(indexes.begin(), indexes.end());
    const SKTGraphicList moved = selectedGraphics();   // in list order
    SKTDocument &document = mutableGraphics();
    document.removeGraphicsAtIndexes(indexes);
    const int start = toFront ? 0 : int(document.graphics().size());
    QList<int> placed(moved.size());
    std::iota(placed.begin(), placed.end(), start);
    document.insertGraphics(moved, placed);
    changeSelectionIndexes(placed);
}

void SKTGraphicView::bringToFront() { orderSelection(true); }
void SKTGraphicView::sendToBack() { orderSelection(false); }

void SKTGraphicView::makeSameSize(bool width)
{
    const SKTGraphicList selection = selectedGraphics();
    if (selection.size() < 2)
        return;
    const QRectF reference = selection.first()->bounds();
    for (qsizetype i = 1; i < selection.size(); ++i) {
        const std::shared_ptr<SKTGraphic> &g = selection.at(i);
        if (!g || g->ctrl_is_locked || isBarcode(*g))
            continue;
        if (width && g->width() != reference.width())
            g->setWidth(reference.width());
        else if (!width && g->height() != reference.height())
            g->setHeight(reference.height());
    }
}

void SKTGraphicView::makeSameWidth() { makeSameSize(true); }
void SKTGraphicView::makeSameHeight() { makeSameSize(false); }

void SKTGraphicView::makeSameAsLabelSize()
{
    for (const std::shared_ptr<SKTGraphic> &g : selectedGraphics())
        if (g)
            g->makeSameAsLabelSize();
}

void SKTGraphicView::makeNaturalSize()
{
    for (const std::shared_ptr<SKTGraphic> &g : selectedGraphics())
        if (g)
            g->makeNaturalSize();
}

void SKTGraphicView::print_contol_or_not(int flag)
{
    for (const std::shared_ptr<SKTGraphic> &g : selectedGraphics())
        if (g && !g->ctrl_is_locked)
            g->print_object = flag;
}

// ---- The arrange fields -----------------------------------------------------------------------

void SKTGraphicView::Frame_main_Pic_X_Pos_Changed(double x)
{
    if (!std::isfinite(x))
        return;
    // A barcode's kept frame follows, as after a drag: the record fill centres its pictures on it.
    for (const std::shared_ptr<SKTGraphic> &g : selectedGraphics())
        if (g && !g->ctrl_is_locked) {
            g->setXPosition(x);
            check_barcode_and_set_control_bounds(g);
        }
}

void SKTGraphicView::Frame_main_Pic_Y_Pos_Changed(double y)
{
    if (!std::isfinite(y))
        return;
    for (const std::shared_ptr<SKTGraphic> &g : selectedGraphics())
        if (g && !g->ctrl_is_locked) {
            g->setYPosition(y);
            check_barcode_and_set_control_bounds(g);
        }
}

namespace {

// A length in the design unit, in points: unit -> millimetres -> points.
double designUnitToPoints(const CanvasHost *host, double value)
{
    const double toMillimetres = host ? host->Get_Unit_Convertor(Measument_Unit_Is, 2) : 1.0;
    return double(MM_to_Points_Convert(float(value * toMillimetres)));
}

} // namespace

void SKTGraphicView::Frame_main_Pic_Wdith_Changed(double width)
{
    if (!std::isfinite(width) || width <= 0)
        return;
    const double points = designUnitToPoints(m_host, width);
    for (const std::shared_ptr<SKTGraphic> &g : selectedGraphics())
        if (g && !g->ctrl_is_locked && !isBarcode(*g))
            g->setWidth(points);
}

void SKTGraphicView::Frame_main_Pic_Height_Changed(double height)
{
    if (!std::isfinite(height) || height <= 0)
        return;
    const double points = designUnitToPoints(m_host, height);
    for (const std::shared_ptr<SKTGraphic> &g : selectedGraphics())
        if (g && !g->ctrl_is_locked && !isBarcode(*g))
            g->setHeight(points);
}
