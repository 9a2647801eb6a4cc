// Shapes: outlines by code, stars and polygons, turning about the outline's own box, the winding
// hit test and drawing.

#include "CardObjectSupport.h"

#include "model/Shape_Control.h"

#include <QPolygonF>

#include <cmath>

using cardtest::drawn;
using cardtest::painted;

namespace {

std::shared_ptr<Shape_Control> shape(const QString &code, const QRectF &frame)
{
    auto g = std::make_shared<Shape_Control>();
    g->Set_Shape_Type(code);
    g->setBounds(frame);
    return g;
}

// The outline's corners, each once (the closing point repeats the first).
std::vector<QPointF> corners(const QPainterPath &path)
{
    std::vector<QPointF> out;
    for (const QPolygonF &polygon : path.toSubpathPolygons())
        for (const QPointF &p : polygon) {
            bool seen = false;
            for (const QPointF &q : out)
                seen = seen || (std::fabs(p.x() - q.x()) < 1e-6 && std::fabs(p.y() - q.y()) < 1e-6);
            if (!seen)
                out.push_back(p);
        }
    return out;
}

} // namespace

TEST(ShapeOutlines, StarPointsLieOnTheInscribedEllipseFromTheTop)
{
    const auto star = shape(QStringLiteral("S"), QRectF(0, 0, 100, 60));
    const QPainterPath path = star->bezierPathForDrawing();
    const auto points = corners(path);
    ASSERT_EQ(points.size(), 5u);
    EXPECT_NEAR(points.front().x(), 50, 1e-9);
    EXPECT_NEAR(points.front().y(), 0, 1e-9);
    for (const QPointF &p : points)
        EXPECT_NEAR(std::pow((p.x() - 50) / 50, 2) + std::pow((p.y() - 30) / 30, 2), 1.0, 1e-9);
    EXPECT_GT(path.boundingRect().width(), path.boundingRect().height());
    // Every second point joined: the second corner lies low on the right.
    EXPECT_GT(points.at(1).x(), 50);
    EXPECT_GT(points.at(1).y(), 30);
}

TEST(ShapeOutlines, DoubleStarAndPolygonVariants)
{
    auto g = shape(QStringLiteral("DS"), QRectF(0, 0, 100, 100));
    g->double_star_type = 3;
    EXPECT_EQ(corners(g->bezierPathForDrawing()).size(), 11u);
    g->double_star_type = 21;   // outside 1 to 5: the count itself
    EXPECT_EQ(corners(g->bezierPathForDrawing()).size(), 21u);

    g->Set_Shape_Type(QStringLiteral("P"));
    g->polygon_type = 3;   // twelve points twice round a hexagon
    const auto hexagon = corners(g->bezierPathForDrawing());
    ASSERT_EQ(hexagon.size(), 6u);
    for (size_t i = 0; i < hexagon.size(); ++i) {
        const QPointF a = hexagon[i], b = hexagon[(i + 1) % hexagon.size()];
        EXPECT_NEAR(std::hypot(a.x() - b.x(), a.y() - b.y()), 50.0, 1e-9);   // side = radius
    }
    g->polygon_type = 1;
    const auto fourPointed = corners(g->bezierPathForDrawing());
    ASSERT_EQ(fourPointed.size(), 8u);
    EXPECT_EQ(fourPointed.at(1), QPointF(50, 25));
    g->polygon_type = 8;
    EXPECT_EQ(corners(g->bezierPathForDrawing()).size(), 8u);
}

TEST(ShapeOutlines, TriangleDiamondAndClampedRoundedCorners)
{
    EXPECT_EQ(corners(shape(QStringLiteral("T"), QRectF(0, 0, 40, 20))->bezierPathForDrawing()),
              (std::vector<QPointF>{{0, 20}, {20, 0}, {40, 20}}));
    EXPECT_EQ(corners(shape(QStringLiteral("D"), QRectF(0, 0, 40, 20))->bezierPathForDrawing()),
              (std::vector<QPointF>{{0, 10}, {20, 0}, {40, 10}, {20, 20}}));

    // Radius 30 on a 100 x 40 frame: 30 across, 20 down (half the height).
    auto rounded = shape(QStringLiteral("RR"), QRectF(0, 0, 100, 40));
    rounded->cor_rad_val = 30;
    const QPainterPath path = rounded->bezierPathForDrawing();
    EXPECT_EQ(path.boundingRect(), QRectF(0, 0, 100, 40));
    EXPECT_TRUE(path.contains(QPointF(1, 20)));    // the left side bulges out to the edge at mid-height
    EXPECT_FALSE(path.contains(QPointF(1, 5)));
    EXPECT_TRUE(path.contains(QPointF(27, 2)));
    EXPECT_FALSE(path.contains(QPointF(4, 2)));
}

TEST(ShapeOutlines, TurningIsAboutTheCentreOfTheOutlinesOwnBox)
{
    auto star = shape(QStringLiteral("S"), QRectF(0, 0, 100, 100));
    const QPainterPath flat = star->bezierPathForDrawing();
    const QPointF pivot = flat.boundingRect().center();
    ASSERT_GT(std::fabs(pivot.y() - 50), 4.0);   // a star's box lies off the frame's centre
    star->text_rotation = 90;
    const QPainterPath turned = star->bezierPathForDrawing();
    const QPointF top = flat.elementAt(0);
    const QPointF expected(pivot.x() - (top.y() - pivot.y()), pivot.y() + (top.x() - pivot.x()));
    EXPECT_NEAR(turned.elementAt(0).x, expected.x(), 1e-9);
    EXPECT_NEAR(turned.elementAt(0).y, expected.y(), 1e-9);
}

TEST(ShapeHits, InteriorByWindingFilledOrNot)
{
    auto rect = shape(QStringLiteral("R"), QRectF(10, 10, 80, 60));
    rect->_isDrawingFill = false;
    EXPECT_TRUE(rect->isContentsUnderPoint(QPointF(50, 40)));
    rect->_strokeWidth = 10;   // on the stroke but outside the outline's interior
    EXPECT_FALSE(rect->isContentsUnderPoint(QPointF(8, 40)));

    auto pentagram = shape(QStringLiteral("S"), QRectF(0, 0, 100, 100));
    EXPECT_TRUE(pentagram->isContentsUnderPoint(QPointF(50, 55)));
    EXPECT_FALSE(pentagram->isContentsUnderPoint(QPointF(5, 5)));

    auto turned = shape(QStringLiteral("R"), QRectF(0, 40, 100, 20));
    turned->text_rotation = 90;
    EXPECT_TRUE(turned->isContentsUnderPoint(QPointF(50, 5)));
    EXPECT_FALSE(turned->isContentsUnderPoint(QPointF(5, 50)));
}

TEST(ShapeDrawing, PentagramIsFilledInItsCentre)
{
    auto pentagram = shape(QStringLiteral("S"), QRectF(0, 0, 100, 100));
    pentagram->_fillColor = Qt::blue;
    pentagram->_isDrawingStroke = false;
    const QImage image = drawn(*pentagram, QSize(100, 100));
    EXPECT_EQ(image.pixelColor(50, 55), QColor(Qt::blue));
    EXPECT_FALSE(painted(image, 5, 5));

    pentagram->ctrl_is_visible = false;
    EXPECT_FALSE(painted(drawn(*pentagram, QSize(100, 100)), 50, 55));
}

TEST(ShapeBadInput, UnknownCodesAndBadCountsDrawNothingAndAreNeverHit)
{
    auto unknown = shape(QStringLiteral("Q"), QRectF(0, 0, 50, 50));
    EXPECT_TRUE(unknown->bezierPathForDrawing().isEmpty());
    EXPECT_FALSE(unknown->isContentsUnderPoint(QPointF(25, 25)));
    EXPECT_EQ(drawn(*unknown, QSize(50, 50)), drawn(SKTGraphic(), QSize(50, 50)));

    auto star = shape(QStringLiteral("DS"), QRectF(0, 0, 50, 50));
    star->double_star_type = -4;
    EXPECT_TRUE(star->bezierPathForDrawing().isEmpty());
    star->Set_Shape_Type(QStringLiteral("P"));
    star->polygon_type = 0;
    EXPECT_TRUE(star->bezierPathForDrawing().isEmpty());
    EXPECT_FALSE(star->isContentsUnderPoint(QPointF(25, 25)));

    star->polygon_type = 2000000000;   // capped, so drawing stays quick
    EXPECT_EQ(corners(star->bezierPathForDrawing()).size(), size_t(Shape_Control::kMaxStarPoints / 2));
    EXPECT_LE(star->bezierPathForDrawing().elementCount(), Shape_Control::kMaxStarPoints + 1);
}

namespace {

struct ShapeCase {
    const char *code;
    int variant;   // the double star's or polygon's type; unused for the others
};

const ShapeCase kEveryShape[] = {{"R", 0},  {"C", 0},  {"RR", 0}, {"T", 0},  {"D", 0},  {"S", 0},
                                 {"DS", 1}, {"DS", 2}, {"DS", 3}, {"DS", 4}, {"DS", 5}, {"P", 1},
                                 {"P", 2},  {"P", 3},  {"P", 4},  {"P", 5},  {"P", 8}};

std::shared_ptr<Shape_Control> caseShape(const ShapeCase &c, const QRectF &frame, int angle)
{
    auto g = shape(QString::fromLatin1(c.code), frame);
    g->double_star_type = c.variant;
    g->polygon_type = c.variant;
    g->text_rotation = angle;
    return g;
}

// The box of every pixel that drawing the object without a clip touches.
QRectF paintedBox(const SKTGraphic &g, const QSize &points)
{
    const QImage image = drawn(g, points);
    int l = points.width(), t = points.height(), r = -1, b = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (painted(image, x, y)) {
                l = std::min(l, x);
                r = std::max(r, x);
                t = std::min(t, y);
                b = std::max(b, y);
            }
    return r < 0 ? QRectF() : QRectF(l, t, r - l + 1, b - t + 1);
}

bool holds(const QRectF &outer, const QRectF &inner, double slack)
{
    return inner.left() >= outer.left() - slack && inner.top() >= outer.top() - slack &&
           inner.right() <= outer.right() + slack && inner.bottom() <= outer.bottom() + slack;
}

} // namespace

TEST(ShapeDrawingBounds, HoldTheTurnedOutlineItsStrokeAndTheHandlesAtEveryRightAngle)
{
    const QRectF star(0, 0, 1000, 1000);
    const QRectF frame(400, 300, 400, 240);
    for (const ShapeCase &c : kEveryShape)
        for (int angle : {0, 90, 180, 270}) {
            SCOPED_TRACE(QStringLiteral("%1 %2 at %3").arg(c.code).arg(c.variant).arg(angle).toStdString());
            // The outline itself, on a large frame where a star's tip lies far off the turned frame.
            auto big = caseShape(c, star, angle);
            big->_isDrawingStroke = false;
            EXPECT_TRUE(holds(big->drawingBounds(), big->bezierPathForDrawing().boundingRect(), 0));

            // Everything drawing puts on the card, thick mitred stroke included, and the handles.
            auto g = caseShape(c, frame, angle);
            g->_strokeWidth = 16;
            g->_strokeColor = Qt::black;
            const QRectF area = g->drawingBounds();
            EXPECT_TRUE(holds(area, paintedBox(*g, QSize(1200, 1200)), 1.0));
            const QRectF handles = frame.adjusted(-SKTGraphicHandleHalfWidth, -SKTGraphicHandleHalfWidth,
                                                  SKTGraphicHandleHalfWidth + 1, SKTGraphicHandleHalfWidth + 1);
            EXPECT_TRUE(holds(area, handles, 0));
        }
}
