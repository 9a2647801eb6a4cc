// Lines: ends from the frame and two flags, the end handles, the hit test near the segment,
// caps and dashes, and reports by name.

#include "CardObjectSupport.h"

#include "model/SKTLine.h"

#include <algorithm>
#include <cmath>

using cardtest::CanvasScope;
using cardtest::drawn;
using cardtest::painted;
using cardtest::RecordingContainer;

namespace {

std::unique_ptr<SKTLine> lineFrom(const QPointF &begin, const QPointF &end)
{
    auto line = std::make_unique<SKTLine>();
    line->setBeginPoint(begin);
    line->setEndPoint(end);
    return line;
}

} // namespace

TEST(LineEnds, FrameAndFlagsFromTwoPoints)
{
    bool right = false, down = true;
    EXPECT_EQ(SKTLine::boundsWithBeginPoint(QPointF(10, 40), QPointF(60, 20), &right, &down), QRectF(10, 20, 50, 20));
    EXPECT_TRUE(right);
    EXPECT_FALSE(down);

    const auto line = lineFrom(QPointF(10, 40), QPointF(60, 20));
    EXPECT_EQ(line->bounds(), QRectF(10, 20, 50, 20));
    EXPECT_TRUE(line->_pointsRight);
    EXPECT_FALSE(line->_pointsDown);
    EXPECT_EQ(line->beginPoint(), QPointF(10, 40));
    EXPECT_EQ(line->endPoint(), QPointF(60, 20));

    // A new line runs from the bottom-right corner to the top-left one.
    SKTLine fresh;
    fresh.setBounds(QRectF(0, 0, 30, 10));
    EXPECT_EQ(fresh.beginPoint(), QPointF(30, 10));
    EXPECT_EQ(fresh.endPoint(), QPointF(0, 0));
    EXPECT_EQ(fresh.creationSizingHandle(), 2);
}

TEST(LineEnds, DraggingAnEndPastTheOtherKeepsBothWhereTheyWerePut)
{
    CanvasScope canvas(QRectF(0, 0, 100, 100));
    const auto line = lineFrom(QPointF(10, 10), QPointF(50, 50));
    EXPECT_EQ(line->resizeByMovingHandle(2, QPointF(-30, 5)), 2);
    EXPECT_EQ(line->beginPoint(), QPointF(10, 10));
    EXPECT_EQ(line->endPoint(), QPointF(-30, 5));   // off the canvas: lines are not held to it
    EXPECT_EQ(line->resizeByMovingHandle(1, QPointF(70, 80)), 1);
    EXPECT_EQ(line->beginPoint(), QPointF(70, 80));
    EXPECT_EQ(line->resizeByMovingHandle(5, QPointF(0, 0)), 5);
    EXPECT_EQ(line->beginPoint(), QPointF(70, 80));
}

TEST(LineHandles, BeginFirstAndOnlyTwo)
{
    const auto zero = lineFrom(QPointF(20, 20), QPointF(20, 20));
    EXPECT_EQ(zero->handleUnderPoint(QPointF(20, 20)), 1);
    const auto line = lineFrom(QPointF(10, 40), QPointF(60, 20));
    EXPECT_EQ(line->handleUnderPoint(QPointF(61, 21)), 2);
    EXPECT_EQ(line->handleUnderPoint(QPointF(10, 20)), SKTGraphicNoHandle);   // a frame corner, not an end

    QImage image(80, 60, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    line->drawHandlesInView(p, true);
    p.end();
    EXPECT_EQ(image.pixelColor(10, 40), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(60, 20), QColor(Qt::red));
    EXPECT_FALSE(painted(image, 10, 20));
}

TEST(LineHits, NearTheSegmentOnlyAndAlsoWhenItIsLevel)
{
    const auto diagonal = lineFrom(QPointF(0, 0), QPointF(100, 100));
    EXPECT_TRUE(diagonal->isContentsUnderPoint(QPointF(50, 50)));
    EXPECT_TRUE(diagonal->isContentsUnderPoint(QPointF(51.5, 50)));
    EXPECT_FALSE(diagonal->isContentsUnderPoint(QPointF(90, 10)));   // inside the frame, far from the line
    diagonal->_strokeWidth = 10;   // half the width plus 2 points
    EXPECT_TRUE(diagonal->isContentsUnderPoint(QPointF(50 + 6.9 * M_SQRT2, 50)));
    EXPECT_FALSE(diagonal->isContentsUnderPoint(QPointF(50 + 7.1 * M_SQRT2, 50)));
    diagonal->_strokeWidth = -8;   // as a hairline
    EXPECT_FALSE(diagonal->isContentsUnderPoint(QPointF(50 + 2.5 * M_SQRT2, 50)));

    const auto level = lineFrom(QPointF(10, 30), QPointF(90, 30));
    EXPECT_TRUE(level->isContentsUnderPoint(QPointF(50, 31)));
    EXPECT_TRUE(level->isContentsUnderPoint(QPointF(50, 30)));
    EXPECT_FALSE(level->isContentsUnderPoint(QPointF(50, 34)));
    EXPECT_FALSE(level->isContentsUnderPoint(QPointF(95, 30)));
    EXPECT_TRUE(level->isContentsUnderPoint(QPointF(93.5, 30)));   // on the end handle
    const auto upright = lineFrom(QPointF(40, 10), QPointF(40, 90));
    EXPECT_TRUE(upright->isContentsUnderPoint(QPointF(41, 50)));
}

TEST(LineDrawing, RoundCapsOnEveryDashAndAlwaysStroked)
{
    const auto line = lineFrom(QPointF(10, 20), QPointF(110, 20));
    line->_strokeWidth = 4;
    line->_stroke_border_type = QStringLiteral("DO");
    line->_isDrawingStroke = false;   // still drawn
    const QImage flat = drawn(*line, QSize(120, 40));
    // 4-point dashes with 6-point gaps from the begin point, whatever the width.
    EXPECT_TRUE(painted(flat, 10, 20));
    EXPECT_TRUE(painted(flat, 13, 20));
    EXPECT_FALSE(painted(flat, 14, 20));
    EXPECT_FALSE(painted(flat, 19, 20));
    EXPECT_TRUE(painted(flat, 20, 20));

    line->_line_cap_style = 1;   // every dash gets round ends half the width long
    const QImage round = drawn(*line, QSize(120, 40));
    EXPECT_TRUE(painted(round, 14, 20));
    EXPECT_TRUE(painted(round, 15, 20));
    EXPECT_FALSE(painted(round, 16, 20));
    EXPECT_FALSE(painted(round, 17, 20));
    EXPECT_TRUE(painted(round, 18, 20));
    EXPECT_FALSE(painted(round, 15, 18));   // round, not square: the cap's corner stays empty

    line->_line_cap_style = 2;
    EXPECT_TRUE(painted(drawn(*line, QSize(120, 40)), 15, 18));

    line->ctrl_is_visible = false;
    EXPECT_FALSE(painted(drawn(*line, QSize(120, 40)), 11, 20));
}

TEST(LineNames, ColourGoesToTheStrokeAndTheEndsReportThroughTheFrame)
{
    const auto line = lineFrom(QPointF(0, 0), QPointF(10, 10));
    RecordingContainer container;
    line->setScriptingContainer(&container);
    line->setColor(Qt::magenta);
    EXPECT_EQ(line->strokeColor(), QColor(Qt::magenta));
    EXPECT_EQ(line->fillColor(), QColor(Qt::white));
    EXPECT_EQ(container.keys(), (QStringList{"strokeColor", "drawingContents"}));

    container.changes.clear();
    ASSERT_TRUE(line->setValue(QPointF(20, -5), QStringLiteral("endPoint")));
    const QStringList keys = container.keys();
    ASSERT_EQ(keys.first(), QStringLiteral("bounds"));
    ASSERT_TRUE(keys.contains(QStringLiteral("endPoint")));
    const auto end = std::find_if(container.changes.begin(), container.changes.end(),
                                  [](const cardtest::Change &c) { return c.key == QLatin1String("endPoint"); });
    EXPECT_EQ(end->oldValue.toPointF(), QPointF(10, 10));
    EXPECT_EQ(end->newValue.toPointF(), QPointF(20, -5));

    EXPECT_FALSE(line->keysForValuesToObserveForUndo().contains(QStringLiteral("bounds")));
    EXPECT_TRUE(line->keysForValuesToObserveForUndo().contains(QStringLiteral("beginPoint")));
    EXPECT_EQ(line->presentablePropertyNameForKey(QStringLiteral("endPoint")), QStringLiteral("Endpoint"));
    EXPECT_FALSE(line->canSetDrawingFill());
    EXPECT_FALSE(line->canMakeNaturalSize());
}
