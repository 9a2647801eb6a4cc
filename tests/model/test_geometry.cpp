// Card object geometry: the rect rules, the redraw area, handles, resizing by a handle, natural
// and label size, and moving and pasting lists of objects on the canvas.

#include "CardObjectSupport.h"

#include "model/GraphicRects.h"
#include "model/SKTBarcode.h"
#include "model/SKTLine.h"
#include "model/SKTText.h"
#include "model/Shape_Control.h"

#include <QImage>
#include <QPainter>

using cardtest::CanvasScope;

namespace {

// Counts the flips a resize asks for.
class FlipCounter : public SKTGraphic {
public:
    void flipHorizontally() override { ++horizontal; }
    void flipVertically() override { ++vertical; }
    int horizontal = 0, vertical = 0;
};

std::shared_ptr<SKTGraphic> shapeAt(const QRectF &frame)
{
    auto g = std::make_shared<Shape_Control>();
    g->setBounds(frame);
    return g;
}

void expectRectNear(const QRectF &actual, const QRectF &expected, double tolerance)
{
    EXPECT_NEAR(actual.x(), expected.x(), tolerance);
    EXPECT_NEAR(actual.y(), expected.y(), tolerance);
    EXPECT_NEAR(actual.width(), expected.width(), tolerance);
    EXPECT_NEAR(actual.height(), expected.height(), tolerance);
}

} // namespace

TEST(RectRules, PositiveAreaOverlapAndHalfOpenPoints)
{
    const QRectF a(0, 0, 10, 10);
    EXPECT_TRUE(cardrect::intersects(a, QRectF(9, 9, 5, 5)));
    EXPECT_FALSE(cardrect::intersects(a, QRectF(10, 0, 5, 5)));   // touching only
    EXPECT_FALSE(cardrect::intersects(a, QRectF(2, 2, 0, 5)));    // zero width inside
    EXPECT_TRUE(cardrect::touches(QRectF(2, 10, 5, 0), a));       // a segment on the edge
    EXPECT_FALSE(cardrect::touches(QRectF(2, 10.5, 5, 0), a));
    EXPECT_TRUE(cardrect::containsPoint(a, QPointF(0, 0)));
    EXPECT_FALSE(cardrect::containsPoint(a, QPointF(10, 5)));
    EXPECT_FALSE(cardrect::containsPoint(a, QPointF(5, 10)));
    EXPECT_EQ(cardrect::united(QRectF(0, 0, 10, 0), QRectF(20, 5, 0, 0)), QRectF(0, 0, 20, 5));
}

TEST(DrawingBounds, OutsetByHandleOrHalfStrokeAndTurnedShapes)
{
    Shape_Control g;
    g.setBounds(QRectF(0, 0, 100, 100));
    g._isDrawingStroke = false;
    EXPECT_EQ(g.drawingBounds(), QRectF(-4, -4, 109, 109));
    g.text_rotation = 45;
    expectRectNear(g.drawingBounds(), QRectF(-24.71, -24.71, 150.42, 150.42), 0.01);

    g.text_rotation = 0;
    g._isDrawingStroke = true;
    g._strokeWidth = 20;
    EXPECT_EQ(g.drawingBounds(), QRectF(-10, -10, 121, 121));
    g._strokeWidth = 6;   // half of it is below the handle half-width
    EXPECT_EQ(g.drawingBounds(), QRectF(-4, -4, 109, 109));

    // Only the exact shape class turns; a barcode never strokes, a line always does.
    SKTText text;
    text.setBounds(QRectF(0, 0, 100, 100));
    text.text_rotation = 45;
    EXPECT_EQ(text.drawingBounds(), QRectF(-4, -4, 109, 109));
    SKTBarcode barcode;
    barcode.setBounds(QRectF(0, 0, 10, 10));
    barcode._strokeWidth = 40;
    EXPECT_EQ(barcode.drawingBounds(), QRectF(-4, -4, 19, 19));
    SKTLine line;
    line.setBeginPoint(QPointF(0, 50));
    line.setEndPoint(QPointF(100, 50));
    line._isDrawingStroke = false;
    line._strokeWidth = 12;
    EXPECT_EQ(line.drawingBounds(), QRectF(-6, 44, 113, 13));

    EXPECT_EQ(SKTGraphic::rotatedPath(g.bezierPathForDrawing(), 0, QPointF(5, 5)), g.bezierPathForDrawing());
}

TEST(Handles, HitSquareIsHalfOpenAtItsHalfWidth)
{
    const QPointF centre(50, 50);
    EXPECT_TRUE(SKTGraphic::isHandleAtPoint(centre, QPointF(46.0, 50)));
    EXPECT_FALSE(SKTGraphic::isHandleAtPoint(centre, QPointF(45.99, 50)));
    EXPECT_FALSE(SKTGraphic::isHandleAtPoint(centre, QPointF(54.0, 50)));

    Shape_Control g;
    g.setBounds(QRectF(10, 10, 40, 20));
    EXPECT_EQ(g.handleUnderPoint(QPointF(10, 10)), 1);
    EXPECT_EQ(g.handleUnderPoint(QPointF(30, 12)), 2);
    EXPECT_EQ(g.handleUnderPoint(QPointF(52, 20)), 5);
    EXPECT_EQ(g.handleUnderPoint(QPointF(50, 30)), 8);
    EXPECT_EQ(g.handleUnderPoint(QPointF(30, 20)), SKTGraphicNoHandle);
    EXPECT_TRUE(g.isContentsUnderPoint(QPointF(10, 10)));
    EXPECT_FALSE(g.isContentsUnderPoint(QPointF(50, 20)));
}

TEST(Handles, ShadowUnderANeutralKnobRedWhenLocked)
{
    QImage image(40, 20, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    SKTGraphic::drawHandleInView(p, QPointF(10, 10), false);
    SKTGraphic::drawHandleInView(p, QPointF(30, 10), true);
    p.end();
    const QColor knob = image.pixelColor(10, 10);
    EXPECT_EQ(knob.red(), knob.green());
    EXPECT_EQ(knob.green(), knob.blue());
    EXPECT_NE(knob, QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(30, 10), QColor(Qt::red));
    const QColor shadow = image.pixelColor(14, 14);   // the shadow's strip right and below the square
    EXPECT_LT(shadow.lightness(), knob.lightness());
    EXPECT_EQ(image.pixelColor(15, 15), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(6, 6), knob);           // the square's top-left pixel
    EXPECT_EQ(image.pixelColor(5, 6), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(6, 14), QColor(Qt::white));
}

TEST(Resize, HandlesMirrorAcrossTheOppositeEdge)
{
    CanvasScope canvas;
    FlipCounter g;
    g.setBounds(QRectF(10, 10, 40, 20));
    EXPECT_EQ(g.resizeByMovingHandle(8, QPointF(5, 50)), 6);
    EXPECT_EQ(g.bounds(), QRectF(5, 10, 5, 40));
    EXPECT_EQ(g.horizontal, 1);
    EXPECT_EQ(g.vertical, 0);

    g.setBounds(QRectF(10, 10, 40, 20));
    EXPECT_EQ(g.resizeByMovingHandle(2, QPointF(999, 40)), 7);
    EXPECT_EQ(g.bounds(), QRectF(10, 30, 40, 10));
    EXPECT_EQ(g.vertical, 1);

    // Onto the opposite corner: zero size intersects nothing, so the frame stays.
    g.setBounds(QRectF(10, 10, 40, 20));
    EXPECT_EQ(g.resizeByMovingHandle(1, QPointF(50, 30)), 1);
    EXPECT_EQ(g.bounds(), QRectF(10, 10, 40, 20));

    // Wholly off the canvas: the frame stays, the mirrored handle still comes back.
    g.setBounds(QRectF(0, 0, 10, 10));
    EXPECT_EQ(g.resizeByMovingHandle(8, QPointF(-5, -5)), 1);
    EXPECT_EQ(g.bounds(), QRectF(0, 0, 10, 10));
    EXPECT_EQ(g.horizontal, 2);
    EXPECT_EQ(g.vertical, 2);
}

TEST(Resize, BarcodesAreNeverResizedByAHandle)
{
    CanvasScope canvas;
    SKTBarcode barcode;
    barcode.setBounds(QRectF(10, 10, 40, 20));
    EXPECT_EQ(barcode.resizeByMovingHandle(8, QPointF(100, 100)), 0);
    EXPECT_EQ(barcode.bounds(), QRectF(10, 10, 40, 20));
}

TEST(NaturalSize, FiftySquareOrTheLabelExceptBarcodesAndLockedObjects)
{
    CanvasScope canvas(QRectF(0, 0, 240, 150));
    Shape_Control g;
    g.setBounds(QRectF(7, 8, 20, 30));
    EXPECT_TRUE(g.canMakeNaturalSize());
    g.makeNaturalSize();
    EXPECT_EQ(g.bounds(), QRectF(7, 8, 50, 50));
    EXPECT_FALSE(g.canMakeNaturalSize());
    g.makeSameAsLabelSize();
    EXPECT_EQ(g.bounds(), QRectF(0, 0, 240, 150));

    g.ctrl_is_locked = true;
    g.setBounds(QRectF(1, 1, 2, 3));
    g.makeNaturalSize();
    g.makeSameAsLabelSize();
    EXPECT_EQ(g.bounds(), QRectF(1, 1, 2, 3));
    SKTBarcode barcode;
    barcode.setBounds(QRectF(1, 1, 2, 3));
    barcode.makeNaturalSize();
    barcode.makeSameAsLabelSize();
    EXPECT_EQ(barcode.bounds(), QRectF(1, 1, 2, 3));
}

TEST(GraphicLists, BoundsOfListsAndOfNone)
{
    CanvasScope canvas(QRectF(0, 0, 300, 200));
    EXPECT_EQ(SKTGraphic::boundsOfGraphics({}), QRectF());
    EXPECT_EQ(SKTGraphic::drawingBoundsOfGraphics({}), QRectF(0, 0, 300, 200));

    auto line = std::make_shared<SKTLine>();
    line->setBeginPoint(QPointF(100, 150));
    line->setEndPoint(QPointF(250, 150));
    const SKTGraphicList list = {shapeAt(QRectF(10, 10, 20, 20)), line};
    EXPECT_EQ(SKTGraphic::boundsOfGraphics(list), QRectF(10, 10, 240, 140));
    EXPECT_EQ(SKTGraphic::drawingBoundsOfGraphics(list), QRectF(6, 6, 249, 149));
}

TEST(GraphicLists, MovingSkipsLockedObjectsAndObjectsThatWouldLeaveTheCanvas)
{
    CanvasScope canvas(QRectF(0, 0, 300, 200));
    auto a = shapeAt(QRectF(10, 10, 20, 20));
    auto leaving = shapeAt(QRectF(280, 10, 15, 20));
    auto c = std::make_shared<SKTBarcode>();
    c->setBounds(QRectF(100, 100, 20, 20));
    auto locked = shapeAt(QRectF(50, 50, 10, 10));
    locked->ctrl_is_locked = true;
    SKTGraphic::translateGraphics({a, leaving, c, locked}, 20, 5);
    EXPECT_EQ(a->bounds(), QRectF(30, 15, 20, 20));
    EXPECT_EQ(leaving->bounds(), QRectF(280, 10, 15, 20));   // would start at the right edge: not moved
    EXPECT_EQ(c->bounds(), QRectF(120, 105, 20, 20));
    EXPECT_EQ(c->bar_image_ctrl_bounds, QRectF(120, 105, 20, 20));
    EXPECT_EQ(locked->bounds(), QRectF(50, 50, 10, 10));
}

TEST(GraphicLists, HorizontalAndVerticalLinesAreMovedAsTheSegmentsTheyAre)
{
    CanvasScope canvas(QRectF(0, 0, 300, 200));
    auto horizontal = std::make_shared<SKTLine>();
    horizontal->setBeginPoint(QPointF(20, 40));
    horizontal->setEndPoint(QPointF(120, 40));
    auto vertical = std::make_shared<SKTLine>();
    vertical->setBeginPoint(QPointF(60, 10));
    vertical->setEndPoint(QPointF(60, 90));
    SKTGraphic::translateGraphics({horizontal, vertical}, 0, 1);   // a keyboard nudge
    EXPECT_EQ(horizontal->beginPoint(), QPointF(20, 41));
    EXPECT_EQ(horizontal->endPoint(), QPointF(120, 41));
    EXPECT_EQ(vertical->bounds(), QRectF(60, 11, 0, 80));

    // Onto the canvas edge still counts; past it is refused as for any other object.
    SKTGraphic::translateGraphics({horizontal}, 0, 159);
    EXPECT_EQ(horizontal->bounds(), QRectF(20, 200, 100, 0));
    SKTGraphic::translateGraphics({horizontal}, 0, 1);
    EXPECT_EQ(horizontal->bounds(), QRectF(20, 200, 100, 0));
}

TEST(GraphicLists, PastePlacementAsksForAPointBeforeEveryFurtherObject)
{
    CanvasScope canvas;
    auto first = shapeAt(QRectF(0, 0, 10, 20));
    auto locked = shapeAt(QRectF(0, 0, 30, 30));
    locked->ctrl_is_locked = true;
    auto third = std::make_shared<SKTBarcode>();
    third->setBounds(QRectF(0, 0, 40, 15));
    SKTGraphic::Paste_Location_Of_Graphics({first, locked, third}, 25, 35, QStringLiteral("F"));
    ASSERT_EQ(canvas.sides.size(), 2u);
    EXPECT_EQ(canvas.sides.front(), QStringLiteral("F"));
    EXPECT_EQ(first->bounds(), QRectF(25, 35, 10, 20));
    EXPECT_EQ(locked->bounds(), QRectF(0, 0, 30, 30));
    EXPECT_EQ(third->bounds(), QRectF(120, 50, 40, 15));   // the second point proposed
    EXPECT_EQ(third->bar_image_ctrl_bounds, QRectF(120, 50, 40, 15));
}

TEST(GraphicLists, NoCanvasMeansNothingMovesOrResizes)
{
    auto g = shapeAt(QRectF(10, 10, 20, 20));
    SKTGraphic::translateGraphics({g}, 5, 5);
    EXPECT_EQ(g->bounds(), QRectF(10, 10, 20, 20));
    EXPECT_EQ(g->resizeByMovingHandle(8, QPointF(50, 50)), 8);
    EXPECT_EQ(g->bounds(), QRectF(10, 10, 20, 20));
}
