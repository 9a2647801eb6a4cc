// The canvas's bindings, redraws and drawing pass.

#include "CanvasSupport.h"

#include <stdexcept>

using canvastest::CanvasFixture;

namespace {

bool isWhite(const QImage &image, int x, int y) { return image.pixelColor(x, y) == QColor(Qt::white); }

} // namespace

TEST_F(CanvasFixture, UnboundCanvasDrawsOnlyTheCardLayersGridAndMarquee)
{
    addShape(QRectF(50, 50, 100, 60));
    view.unbindGraphics();
    view.unbindSelectionIndexes();
    EXPECT_TRUE(view.graphics().isEmpty());
    EXPECT_TRUE(view.selectionIndexes().isEmpty());
    try {
        view.mutableGraphics();
        ADD_FAILURE() << "an unbound list must be refused";
    } catch (const std::logic_error &e) {
        EXPECT_STREQ(e.what(), "An SKTGraphicView's 'graphics' property is not bound to anything.");
    }
    try {
        view.changeSelectionIndexes({0});
        ADD_FAILURE() << "an unbound selection must be refused";
    } catch (const std::logic_error &e) {
        EXPECT_STREQ(e.what(), "An SKTGraphicView's 'selectionIndexes' property is not bound to anything.");
    }

    SKTGrid grid;
    grid._color = Qt::blue;
    grid.setAlwaysShown(true);
    view.setGrid(&grid);
    view.setMarqueeSelectionBounds(QRectF(200, 120, 50, 40));
    const QImage image = render();
    EXPECT_EQ(host.baseCalls, 1);
    EXPECT_EQ(host.borderCalls, 1);
    // The shape's stroke is not drawn; the grid line at x = 99 and the marquee's left edge are.
    EXPECT_TRUE(isWhite(image, 50, 80));
    EXPECT_FALSE(isWhite(image, 99, 30));
    EXPECT_FALSE(isWhite(image, 200, 140));
}

TEST_F(CanvasFixture, SelectionChangesRedrawOnlyTheObjectsThatJoinedOrLeft)
{
    const auto a = addShape(QRectF(10, 10, 20, 20));
    addShape(QRectF(100, 10, 20, 20));
    const auto c = addShape(QRectF(200, 100, 30, 30));
    view.changeSelectionIndexes({0, 1});
    QList<QRectF> redrawn;
    view.redrawRecorder = [&](const QRectF &r) { redrawn << r; };

    view.changeSelectionIndexes({0, 1, 2});
    EXPECT_EQ(redrawn, QList<QRectF>{c->drawingBounds()});

    redrawn.clear();
    view.changeSelectionIndexes({1, 2});
    EXPECT_EQ(redrawn, QList<QRectF>{a->drawingBounds()});
}

TEST_F(CanvasFixture, ModelChangesRedrawTheirRectangles)
{
    const auto a = addShape(QRectF(10, 10, 20, 20));
    QList<QRectF> redrawn;
    view.redrawRecorder = [&](const QRectF &r) { redrawn << r; };

    const QRectF before = a->drawingBounds();
    a->setBounds(QRectF(60, 70, 20, 20));
    ASSERT_GE(redrawn.size(), 2);
    EXPECT_TRUE(redrawn.contains(before));
    EXPECT_TRUE(redrawn.contains(a->drawingBounds()));
    EXPECT_FALSE(redrawn.contains(view.bounds()));

    redrawn.clear();
    a->setFillColor(Qt::red);   // contents only
    EXPECT_EQ(redrawn, QList<QRectF>{a->drawingBounds()});

    redrawn.clear();
    const auto b = addShape(QRectF(150, 150, 10, 10));
    EXPECT_EQ(redrawn, QList<QRectF>{b->drawingBounds()});

    // Removing an object in front of the selection leaves the selection alone.
    view.changeSelectionIndexes({1});
    redrawn.clear();
    document.removeGraphicsAtIndexes({0});
    EXPECT_EQ(redrawn, QList<QRectF>{a->drawingBounds()});
    // Removing a selected object: the old indexes are stale, so everything is redrawn.
    redrawn.clear();
    document.removeGraphicsAtIndexes({0});
    EXPECT_TRUE(redrawn.contains(view.bounds()));
}

TEST_F(CanvasFixture, GridChangesRedrawEverythingAndSettingTheSameGridChangesNothing)
{
    SKTGrid grid;
    view.setGrid(&grid);
    QList<QRectF> redrawn;
    view.redrawRecorder = [&](const QRectF &r) { redrawn << r; };
    grid.setSpacing(12);
    EXPECT_EQ(redrawn, QList<QRectF>{view.bounds()});
    redrawn.clear();
    view.setGrid(&grid);
    grid.setSpacing(10);
    EXPECT_EQ(redrawn.size(), 1) << "one observation of the grid, not two";
}

TEST_F(CanvasFixture, HandlesFollowTheSelectionAndHideWhenAsked)
{
    const auto g = addShape(QRectF(50, 50, 100, 60));
    // (47, 47) lies inside the top-left handle and outside the shape.
    EXPECT_TRUE(isWhite(render(), 47, 47));
    view.changeSelectionIndexes({0});
    EXPECT_FALSE(isWhite(render(), 47, 47));
    view.setHidingHandles(true);
    EXPECT_TRUE(isWhite(render(), 47, 47));
    view.setHidingHandles(false);

    // Hidden objects show their handles, not their contents.
    ASSERT_FALSE(isWhite(render(), 75, 50)) << "the visible shape's stroke";
    g->ctrl_is_visible = false;
    const QImage hidden = render();
    EXPECT_FALSE(isWhite(hidden, 47, 47));
    EXPECT_TRUE(isWhite(hidden, 75, 50)) << "no stroke along the top edge";
    view.changeSelectionIndexes({});
    EXPECT_TRUE(isWhite(render(), 47, 47));
}

TEST_F(CanvasFixture, ObjectBeingCreatedShowsNoHandles)
{
    host.tool = 3;
    view.createGraphicOfClass(QStringLiteral("Shape_Control"), QPointF(50, 50), false, QRectF(), QStringLiteral("F"),
                              QString(), QString());
    ASSERT_EQ(view.tracking(), SKTGraphicView::Tracking::Creating);
    view.creatingGraphic()->setBounds(QRectF(50, 50, 100, 60));
    view.changeSelectionIndexes({0});
    EXPECT_TRUE(isWhite(render(), 47, 47));
}

TEST_F(CanvasFixture, LowestSelectedIndexBecomesCurrentAndSameSizeButtonsFollowTheCount)
{
    const auto a = addShape(QRectF(10, 10, 20, 20));
    addShape(QRectF(40, 10, 20, 20));
    const auto c = addShape(QRectF(70, 10, 20, 20));
    view.changeSelectionIndexes({2});
    EXPECT_EQ(host.current.lock(), c);
    EXPECT_FALSE(host.sameSizeEnabled);
    view.changeSelectionIndexes({0, 2});
    EXPECT_EQ(host.current.lock(), a);
    EXPECT_TRUE(host.sameSizeEnabled);
    view.changeSelectionIndexes({0});
    EXPECT_FALSE(host.sameSizeEnabled);
}

TEST_F(CanvasFixture, CurrentObjectClearsWhenItLeavesTheList)
{
    addShape(QRectF(10, 10, 20, 20));
    const auto b = addShape(QRectF(40, 10, 20, 20));
    view.changeSelectionIndexes({1});
    ASSERT_EQ(host.current.lock(), b);
    document.removeGraphicsAtIndexes({0});
    EXPECT_EQ(host.current.lock(), b) << "another object left";
    document.removeGraphicsAtIndexes({0});
    EXPECT_EQ(host.current.lock(), nullptr);
    EXPECT_TRUE(view.selectionIndexes().isEmpty());
}

TEST_F(CanvasFixture, SelectionFollowsItsObjectsWhenTheListChanges)
{
    const auto a = addShape(QRectF(10, 10, 20, 20));
    view.changeSelectionIndexes({0});
    auto front = SKTGraphic::graphicOfClass(SKTGraphicClass::Shape);
    document.insertGraphics({front}, {0});
    EXPECT_EQ(view.selectionIndexes(), QList<int>{1});
    EXPECT_EQ(view.selectedGraphics(), SKTGraphicList{a});
}
