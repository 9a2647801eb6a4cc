// The canvas grid's snapping figures and its lines: every line crossing the redrawn rectangle,
// nothing for an unusable or hidden grid, and nothing for lines closer than a device pixel.

#include "model/SKTGrid.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

// The grid drawn over rect into a transparent picture of the size, scale pixels per point.
QImage gridDrawn(const SKTGrid &grid, const QRectF &rect, const QSize &size, double scale = 1.0)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.scale(scale, scale);
    grid.drawRect(rect, p);
    return image;
}

bool painted(const QImage &image, int x, int y) { return qAlpha(image.pixel(x, y)) > 0; }

int paintedCount(const QImage &image)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += painted(image, x, y);
    return n;
}

} // namespace

TEST(GridSnapping, TheFiguresOfNineSpacing)
{
    SKTGrid grid;
    grid.setConstraining(true);
    EXPECT_EQ(grid.constrainedPoint(QPointF(13.4, 4.5)), QPointF(9, 9));
    EXPECT_EQ(grid.constrainedPoint(QPointF(13.5, 4.4)), QPointF(18, 0));
    EXPECT_EQ(grid.alignedRect(QRectF(10, 10, 20, 3)), QRectF(9, 9, 18, 0));
    // Snapping works whether or not the grid is shown.
    grid.setAlwaysShown(true);
    EXPECT_EQ(grid.constrainedPoint(QPointF(13.4, 4.5)), QPointF(9, 9));
}

TEST(GridLines, EveryLineCrossingTheRectangleInTheGridsColour)
{
    SKTGrid grid;
    grid.setAlwaysShown(true);
    const QImage out = gridDrawn(grid, QRectF(0, 0, 100, 60), QSize(100, 60));
    for (int x = 0; x < 100; ++x)
        EXPECT_EQ(painted(out, x, 4), x % 9 == 0) << x;
    for (int y = 0; y < 60; ++y)
        EXPECT_EQ(painted(out, 4, y), y % 9 == 0) << y;
    EXPECT_EQ(out.pixelColor(27, 4), QColor(Qt::lightGray));
    // The pen is the thinnest the device draws, whatever the scale.
    const QImage zoomed = gridDrawn(grid, QRectF(0, 0, 50, 30), QSize(200, 120), 4.0);
    EXPECT_TRUE(painted(zoomed, 36, 10));
    EXPECT_FALSE(painted(zoomed, 37, 10));
    EXPECT_FALSE(painted(zoomed, 35, 10));
}

TEST(GridLines, APartialRedrawFarFromTheOriginDrawsItsLines)
{
    SKTGrid grid;
    grid.setAlwaysShown(true);
    const QImage out = gridDrawn(grid, QRectF(900.5, 900.5, 20, 20), QSize(1000, 1000));
    EXPECT_TRUE(painted(out, 909, 905));
    EXPECT_TRUE(painted(out, 918, 915));
    EXPECT_TRUE(painted(out, 905, 909));
    EXPECT_FALSE(painted(out, 913, 905));
    // Only within the rectangle.
    EXPECT_FALSE(painted(out, 909, 890));
    EXPECT_FALSE(painted(out, 927, 905));
}

TEST(GridLines, NothingForAnUnusableOrHiddenGrid)
{
    SKTGrid grid;
    EXPECT_EQ(paintedCount(gridDrawn(grid, QRectF(0, 0, 100, 60), QSize(100, 60))), 0);   // not shown
    grid.setAlwaysShown(true);
    grid.setConstraining(true);
    grid.setSpacing(0);
    EXPECT_FALSE(grid.isUsable());
    EXPECT_FALSE(grid.canAlign());
    EXPECT_EQ(paintedCount(gridDrawn(grid, QRectF(0, 0, 100, 60), QSize(100, 60))), 0);
    EXPECT_EQ(grid.constrainedPoint(QPointF(13.4, 4.5)), QPointF(13.4, 4.5));
    grid.setSpacing(-9);
    EXPECT_EQ(paintedCount(gridDrawn(grid, QRectF(0, 0, 100, 60), QSize(100, 60))), 0);
    EXPECT_EQ(grid.constrainedPoint(QPointF(13.4, 4.5)), QPointF(13.4, 4.5));
}

TEST(GridLines, LinesCloserThanADevicePixelAreNotDrawnButStillSnap)
{
    SKTGrid grid;
    grid.setAlwaysShown(true);
    grid.setConstraining(true);
    grid.setSpacing(0.5);
    EXPECT_EQ(paintedCount(gridDrawn(grid, QRectF(0, 0, 100, 60), QSize(100, 60))), 0);
    EXPECT_EQ(grid.constrainedPoint(QPointF(0.7, 0.2)), QPointF(0.5, 0));
    // Zoomed in, the same lines are two pixels apart and draw.
    const QImage zoomed = gridDrawn(grid, QRectF(0, 0, 25, 15), QSize(100, 60), 4.0);
    EXPECT_TRUE(painted(zoomed, 2, 1));
    EXPECT_FALSE(painted(zoomed, 3, 1));
    // A tiny spacing over a vast rectangle draws nothing and returns at once.
    grid.setSpacing(1e-9);
    EXPECT_EQ(paintedCount(gridDrawn(grid, QRectF(-1e9, -1e9, 2e9, 2e9), QSize(100, 60))), 0);
    // A vast rectangle is drawn where the device shows it.
    grid.setSpacing(10);
    const QImage vast = gridDrawn(grid, QRectF(-1e9, -1e9, 2e9, 2e9), QSize(100, 60));
    EXPECT_TRUE(painted(vast, 30, 5));
    EXPECT_FALSE(painted(vast, 35, 5));
}
