#include "model/SKTGrid.h"

#include <gtest/gtest.h>

#include <QSignalSpy>

TEST(Grid, DefaultsAndSnapping)
{
    SKTGrid g;
    EXPECT_EQ(g.color(), QColor(Qt::lightGray));
    EXPECT_DOUBLE_EQ(g.spacing(), 9.0);
    EXPECT_FALSE(g.isAlwaysShown());
    EXPECT_FALSE(g.isConstraining());
    // Not constraining: points stay where they are.
    EXPECT_EQ(g.constrainedPoint(QPointF(4.4, 13.6)), QPointF(4.4, 13.6));
    g.setConstraining(true);
    EXPECT_EQ(g.constrainedPoint(QPointF(4.4, 13.6)), QPointF(0, 18));
    EXPECT_EQ(g.constrainedPoint(QPointF(4.5, -4.5)), QPointF(9, 0));   // halves round upward
    // Edges snap separately: width can shrink to 0.
    EXPECT_EQ(g.alignedRect(QRectF(1, 1, 3, 3)), QRectF(0, 0, 0, 0));
    EXPECT_EQ(g.alignedRect(QRectF(8, 10, 20, 7)), QRectF(9, 9, 18, 9));
    g.setSpacing(0);
    EXPECT_FALSE(g.isUsable());
    EXPECT_EQ(g.constrainedPoint(QPointF(4.4, 13.6)), QPointF(4.4, 13.6));
}

TEST(Grid, SettersAlwaysReport)
{
    SKTGrid g;
    QSignalSpy any(&g, &SKTGrid::anyChanged);
    QSignalSpy shown(&g, &SKTGrid::alwaysShownChanged);
    g.setSpacing(9.0);          // same value still reports
    g.setAlwaysShown(false);    // unchanged: no shown change
    g.setAlwaysShown(true);
    EXPECT_EQ(any.count(), 3);
    EXPECT_EQ(shown.count(), 1);
    EXPECT_TRUE(g.canSetColor());
    EXPECT_TRUE(g.canSetSpacing());
}
