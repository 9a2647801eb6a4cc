// The canvas's arrange commands with real card objects: alignment to the first selected object or
// to the card, the grid, the order, same sizes, the print flag and the arrange fields.

#include "CanvasSupport.h"

#include "model/SKTBarcode.h"
#include "core/Units.h"

#include <cmath>
#include <limits>

namespace {

using canvastest::CanvasFixture;

class CanvasArrange : public CanvasFixture {
protected:
    std::shared_ptr<SKTGraphic> addBarcode(const QRectF &frame)
    {
        auto g = SKTGraphic::graphicOfClass(SKTGraphicClass::Barcode);
        g->setBounds(frame);
        document.insertGraphics({g}, {int(document.graphics().size())});
        return g;
    }
    QList<QRectF> frames() const
    {
        QList<QRectF> all;
        for (const auto &g : document.graphics())
            all << g->bounds();
        return all;
    }
};

struct AlignCase {
    const char *name;
    void (SKTGraphicView::*command)();
    QPointF secondGets;   // with (10, 20, 100, 40) first and (150, 100, 20, 10) second
    QPointF loneGets;     // (150, 100, 20, 10) alone on the 300 x 200 card
};

TEST_F(CanvasArrange, EachAlignmentTakesTheFirstSelectedObjectOrTheCard)
{
    const AlignCase cases[] = {
        {"left", &SKTGraphicView::alignLeftEdges, {10, 100}, {0, 100}},
        {"right", &SKTGraphicView::alignRightEdges, {90, 100}, {280, 100}},
        {"top", &SKTGraphicView::alignTopEdges, {150, 20}, {150, 0}},
        {"bottom", &SKTGraphicView::alignBottomEdges, {150, 50}, {150, 190}},
        {"horizontal centres", &SKTGraphicView::alignHorizontalCenters, {50, 100}, {140, 100}},
        {"vertical centres", &SKTGraphicView::alignVerticalCenters, {150, 35}, {150, 95}},
        {"centre of the card", &SKTGraphicView::alignformCenter, {140, 95}, {140, 95}},
    };
    for (const AlignCase &c : cases) {
        SCOPED_TRACE(c.name);
        view.delete_all_control();
        auto first = addShape(QRectF(10, 20, 100, 40));
        auto second = addShape(QRectF(150, 100, 20, 10));
        view.changeSelectionIndexes({0, 1});
        (view.*c.command)();
        EXPECT_EQ(second->bounds(), QRectF(c.secondGets, QSizeF(20, 10)));
        if (c.command != &SKTGraphicView::alignformCenter) {
            EXPECT_EQ(first->bounds(), QRectF(10, 20, 100, 40));
        }

        second->setBounds(QRectF(150, 100, 20, 10));
        view.changeSelectionIndexes({1});
        (view.*c.command)();
        EXPECT_EQ(second->bounds(), QRectF(c.loneGets, QSizeF(20, 10)));
    }
    EXPECT_EQ(host.snapshots, 0);   // the workspace records the steps
}

TEST_F(CanvasArrange, AlignLeftWithTheFirstSelectedLockedMovesTheOthersToIt)
{
    auto first = addShape(QRectF(40, 10, 30, 30));
    auto second = addShape(QRectF(100, 50, 30, 30));
    auto third = addShape(QRectF(200, 90, 30, 30));
    first->ctrl_is_locked = true;
    view.changeSelectionIndexes({0, 1, 2});
    view.alignLeftEdges();
    EXPECT_EQ(first->bounds().x(), 40);
    EXPECT_EQ(second->bounds().x(), 40);
    EXPECT_EQ(third->bounds().x(), 40);

    // A locked object further on never moves; a lone locked one neither.
    third->setBounds(QRectF(200, 90, 30, 30));
    first->ctrl_is_locked = false;
    third->ctrl_is_locked = true;
    view.alignTopEdges();
    EXPECT_EQ(second->bounds().y(), 10);
    EXPECT_EQ(third->bounds(), QRectF(200, 90, 30, 30));
    view.changeSelectionIndexes({2});
    view.alignformCenter();
    view.alignRightEdges();
    EXPECT_EQ(third->bounds(), QRectF(200, 90, 30, 30));
}

TEST_F(CanvasArrange, AlignRightOfALone50WideObjectOnA300Card)
{
    auto g = addShape(QRectF(12, 30, 50, 20));
    view.changeSelectionIndexes({0});
    view.alignRightEdges();
    EXPECT_EQ(g->bounds(), QRectF(250, 30, 50, 20));
}

TEST_F(CanvasArrange, AMovedBarcodeRecordsItsFrameAgain)
{
    auto reference = addShape(QRectF(5, 5, 30, 30));
    auto barcode = addBarcode(QRectF(100, 100, 120, 60));
    barcode->bar_image_ctrl_bounds = QRectF(100, 100, 120, 60);
    view.changeSelectionIndexes({0, 1});
    view.alignLeftEdges();
    EXPECT_EQ(barcode->bounds(), QRectF(5, 100, 120, 60));
    EXPECT_EQ(barcode->bar_image_ctrl_bounds, QRectF(5, 100, 120, 60));
    view.alignformCenter();
    EXPECT_EQ(barcode->bar_image_ctrl_bounds, barcode->bounds());
    EXPECT_EQ(reference->bounds().size(), QSizeF(30, 30));
}

TEST_F(CanvasArrange, GridAlignmentSnapsEachUnlockedObject)
{
    SKTGrid grid;
    grid.setSpacing(10);
    view.setGrid(&grid);
    auto a = addShape(QRectF(12, 17, 30, 30));
    auto locked = addShape(QRectF(33, 44, 30, 30));
    locked->ctrl_is_locked = true;
    view.changeSelectionIndexes({0, 1});
    view.alignWithGrid();
    EXPECT_EQ(a->bounds(), grid.alignedRect(QRectF(12, 17, 30, 30)));
    EXPECT_NE(a->bounds(), QRectF(12, 17, 30, 30));
    EXPECT_EQ(locked->bounds(), QRectF(33, 44, 30, 30));
    view.setGrid(nullptr);
}

TEST_F(CanvasArrange, FrontAndBackKeepTheSelectedObjectsOrderAndSelection)
{
    auto a = addShape(QRectF(0, 0, 10, 10));
    auto b = addShape(QRectF(10, 0, 10, 10));
    auto c = addShape(QRectF(20, 0, 10, 10));
    auto d = addShape(QRectF(30, 0, 10, 10));
    view.changeSelectionIndexes({1, 3});
    view.bringToFront();
    EXPECT_EQ(document.graphics(), SKTGraphicList({b, d, a, c}));
    EXPECT_EQ(view.selectionIndexes(), QList<int>({0, 1}));
    view.changeSelectionIndexes({0, 2});
    view.sendToBack();
    EXPECT_EQ(document.graphics(), SKTGraphicList({d, c, b, a}));
    EXPECT_EQ(view.selectionIndexes(), QList<int>({2, 3}));

    // A locked object in the selection refuses the order commands.
    a->ctrl_is_locked = true;
    view.bringToFront();
    EXPECT_EQ(document.graphics(), SKTGraphicList({d, c, b, a}));
    EXPECT_EQ(host.snapshots, 0);
}

TEST_F(CanvasArrange, SameSizeSkipsBarcodesAndLockedObjectsAndNeedsTwo)
{
    auto reference = addShape(QRectF(0, 0, 80, 30));
    auto barcode = addBarcode(QRectF(100, 100, 120, 60));
    auto locked = addShape(QRectF(50, 50, 10, 10));
    locked->ctrl_is_locked = true;
    auto free = addShape(QRectF(60, 60, 10, 20));
    view.changeSelectionIndexes({0, 1, 2, 3});
    view.makeSameWidth();
    view.makeSameHeight();
    EXPECT_EQ(barcode->bounds(), QRectF(100, 100, 120, 60));
    EXPECT_EQ(locked->bounds(), QRectF(50, 50, 10, 10));
    EXPECT_EQ(free->bounds(), QRectF(60, 60, 80, 30));
    view.changeSelectionIndexes({3});
    reference->setBounds(QRectF(0, 0, 5, 5));
    view.makeSameWidth();
    EXPECT_EQ(free->bounds(), QRectF(60, 60, 80, 30));
}

TEST_F(CanvasArrange, LabelSizeAndNaturalSizeLeaveBarcodesAndLockedObjects)
{
    auto shape = addShape(QRectF(20, 20, 40, 10));
    auto barcode = addBarcode(QRectF(100, 100, 120, 60));
    auto locked = addShape(QRectF(50, 50, 10, 30));
    locked->ctrl_is_locked = true;
    view.changeSelectionIndexes({0, 1, 2});
    view.makeSameAsLabelSize();
    EXPECT_EQ(shape->bounds(), view.bounds());
    EXPECT_EQ(barcode->bounds(), QRectF(100, 100, 120, 60));
    EXPECT_EQ(locked->bounds(), QRectF(50, 50, 10, 30));
    view.makeNaturalSize();
    EXPECT_EQ(barcode->bounds(), QRectF(100, 100, 120, 60));
    EXPECT_EQ(locked->bounds(), QRectF(50, 50, 10, 30));
}

TEST_F(CanvasArrange, PrintFlagGoesToUnlockedSelectedObjects)
{
    auto a = addShape(QRectF(0, 0, 10, 10));
    auto locked = addShape(QRectF(10, 0, 10, 10));
    auto unselected = addShape(QRectF(20, 0, 10, 10));
    locked->ctrl_is_locked = true;
    view.changeSelectionIndexes({0, 1});
    view.print_contol_or_not(1);
    EXPECT_EQ(a->print_object, 1);
    EXPECT_EQ(locked->print_object, 0);
    EXPECT_EQ(unselected->print_object, 0);
    view.print_contol_or_not(0);
    EXPECT_EQ(a->print_object, 0);
}

struct UnitCase {
    int unit;
    double typed;
    double points;
};

TEST_F(CanvasArrange, SizeFieldsReadTheDesignUnitAndPositionsPoints)
{
    const UnitCase cases[] = {{0, 1, 72.0}, {1, 3, 85.0394}, {2, 10, 28.3465}};
    auto shape = addShape(QRectF(10, 10, 20, 20));
    auto barcode = addBarcode(QRectF(100, 100, 120, 60));
    view.changeSelectionIndexes({0, 1});
    for (const UnitCase &c : cases) {
        SCOPED_TRACE(c.unit);
        Measument_Unit_Is = c.unit;
        view.Frame_main_Pic_Wdith_Changed(c.typed);
        view.Frame_main_Pic_Height_Changed(c.typed);
        EXPECT_NEAR(shape->width(), c.points, 0.001);
        EXPECT_NEAR(shape->height(), c.points, 0.001);
        EXPECT_EQ(barcode->bounds().size(), QSizeF(120, 60));
    }
    view.Frame_main_Pic_X_Pos_Changed(33);
    view.Frame_main_Pic_Y_Pos_Changed(-4);
    EXPECT_EQ(shape->bounds().topLeft(), QPointF(33, -4));
    EXPECT_EQ(barcode->bounds().topLeft(), QPointF(33, -4));   // barcodes move, only their size stays
}

TEST_F(CanvasArrange, FieldsIgnoreBadNumbersAndLockedObjects)
{
    auto shape = addShape(QRectF(10, 10, 20, 20));
    auto locked = addShape(QRectF(50, 50, 20, 20));
    locked->ctrl_is_locked = true;
    view.changeSelectionIndexes({0, 1});
    Measument_Unit_Is = 2;
    for (double bad : {0.0, -3.0, std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity()}) {
        view.Frame_main_Pic_Wdith_Changed(bad);
        view.Frame_main_Pic_Height_Changed(bad);
    }
    for (double bad : {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity()}) {
        view.Frame_main_Pic_X_Pos_Changed(bad);
        view.Frame_main_Pic_Y_Pos_Changed(bad);
    }
    EXPECT_EQ(shape->bounds(), QRectF(10, 10, 20, 20));
    view.Frame_main_Pic_X_Pos_Changed(99);
    view.Frame_main_Pic_Wdith_Changed(5);
    EXPECT_EQ(shape->bounds().x(), 99);
    EXPECT_EQ(locked->bounds(), QRectF(50, 50, 20, 20));
}

TEST_F(CanvasArrange, CommandsWithNothingSelectedChangeNothing)
{
    addShape(QRectF(10, 10, 20, 30));
    addShape(QRectF(50, 60, 40, 10));
    const QList<QRectF> before = frames();
    for (auto command : {&SKTGraphicView::alignLeftEdges, &SKTGraphicView::alignformCenter, &SKTGraphicView::bringToFront,
                         &SKTGraphicView::sendToBack, &SKTGraphicView::makeSameWidth,
                         &SKTGraphicView::makeSameAsLabelSize, &SKTGraphicView::makeNaturalSize})
        (view.*command)();
    view.Frame_main_Pic_X_Pos_Changed(5);
    EXPECT_EQ(frames(), before);
}

} // namespace
