#include "platform/ScaledImageGeometry.h"

#include <gtest/gtest.h>

#include <cmath>

using platform::ImageAlignment;
using platform::ImageScaling;

namespace {

struct RatioCase {
    const char *name;
    QRectF drawing;
    QSizeF picture;
    ImageScaling scaling;
    QSizeF ratio;
};

TEST(ImageRatio, FollowsTheScaling)
{
    const RatioCase cases[] = {
        {"down, smaller picture stays", {0, 0, 400, 400}, {100, 50}, ImageScaling::ProportionallyDown, {1, 1}},
        {"down, larger picture shrinks", {0, 0, 400, 400}, {800, 1600}, ImageScaling::ProportionallyDown, {0.25, 0.25}},
        {"up or down", {0, 0, 400, 400}, {100, 50}, ImageScaling::ProportionallyUpOrDown, {4, 4}},
        {"up or down shrinks too", {0, 0, 100, 100}, {400, 200}, ImageScaling::ProportionallyUpOrDown, {0.25, 0.25}},
        {"axes independently", {0, 0, 400, 400}, {100, 50}, ImageScaling::AxesIndependently, {4, 8}},
        {"none", {0, 0, 400, 400}, {100, 50}, ImageScaling::None, {1, 1}},
        {"unknown scaling", {0, 0, 400, 400}, {100, 50}, ImageScaling(9), {1, 1}},
    };
    for (const auto &c : cases) {
        const QSizeF r = platform::imageRatio(c.drawing, c.picture, c.scaling);
        EXPECT_DOUBLE_EQ(r.width(), c.ratio.width()) << c.name;
        EXPECT_DOUBLE_EQ(r.height(), c.ratio.height()) << c.name;
    }
}

TEST(ImageRatio, ProportionalFactorsAreSinglePrecision)
{
    // 1/3 is not exact in either precision: the answer is the float's value, not the double's.
    const QSizeF down = platform::imageRatio({0, 0, 100, 100}, {300, 300}, ImageScaling::ProportionallyDown);
    const QSizeF both = platform::imageRatio({0, 0, 100, 200}, {300, 300}, ImageScaling::ProportionallyUpOrDown);
    EXPECT_EQ(down.width(), double(float(100.0 / 300.0)));
    EXPECT_NE(down.width(), 100.0 / 300.0);
    EXPECT_EQ(both.height(), double(float(100.0 / 300.0)));
    // Axes independently keeps full precision.
    const QSizeF axes = platform::imageRatio({0, 0, 100, 100}, {300, 300}, ImageScaling::AxesIndependently);
    EXPECT_EQ(axes.width(), 100.0 / 300.0);
}

struct RectCase {
    const char *name;
    QRectF drawing;
    QSizeF picture;
    ImageScaling scaling;
    ImageAlignment alignment;
    QRectF rect;
};

TEST(ScaledImageRect, PlacesThePictureByScalingAndAlignment)
{
    const QRectF d(0, 0, 400, 400);
    const QSizeF p(100, 50);
    const auto down = ImageScaling::ProportionallyDown;
    const RectCase cases[] = {
        {"centre", d, p, down, ImageAlignment::Center, {150, 175, 100, 50}},
        {"top is the larger y", d, p, down, ImageAlignment::Top, {150, 350, 100, 50}},
        {"top-left", d, p, down, ImageAlignment::TopLeft, {0, 350, 100, 50}},
        {"top-right", d, p, down, ImageAlignment::TopRight, {300, 350, 100, 50}},
        {"left", d, p, down, ImageAlignment::Left, {0, 175, 100, 50}},
        {"bottom", d, p, down, ImageAlignment::Bottom, {150, 0, 100, 50}},
        {"bottom-left", d, p, down, ImageAlignment::BottomLeft, {0, 0, 100, 50}},
        {"bottom-right", d, p, down, ImageAlignment::BottomRight, {300, 0, 100, 50}},
        {"right", d, p, down, ImageAlignment::Right, {300, 175, 100, 50}},
        {"up or down", d, p, ImageScaling::ProportionallyUpOrDown, ImageAlignment::Center, {0, 100, 400, 200}},
        {"axes independently", d, p, ImageScaling::AxesIndependently, ImageAlignment::Center, {0, 0, 400, 400}},
        {"none, larger picture: negative origin", {0, 0, 100, 100}, {300, 200}, ImageScaling::None,
         ImageAlignment::Center, {-100, -50, 300, 200}},
        {"offset by the drawing origin", {2, 2, 400, 400}, p, down, ImageAlignment::BottomLeft, {2, 2, 100, 50}},
        {"offset, centred", {10, 20, 400, 400}, p, down, ImageAlignment::Center, {160, 195, 100, 50}},
        {"no picture", d, {0, 0}, down, ImageAlignment::Center, {0, 0, 0, 0}},
        {"picture under one point wide", d, {0.5, 40}, down, ImageAlignment::Center, {0, 0, 0, 0}},
        {"unknown alignment: empty at the origin", {5, 6, 400, 400}, p, down, ImageAlignment(12), {5, 6, 0, 0}},
    };
    for (const auto &c : cases) {
        const QRectF r = platform::scaledImageRect(c.drawing, c.picture, c.scaling, c.alignment);
        EXPECT_DOUBLE_EQ(r.x(), c.rect.x()) << c.name;
        EXPECT_DOUBLE_EQ(r.y(), c.rect.y()) << c.name;
        EXPECT_DOUBLE_EQ(r.width(), c.rect.width()) << c.name;
        EXPECT_DOUBLE_EQ(r.height(), c.rect.height()) << c.name;
    }
}

TEST(ImageAlignmentFromQt, MapsEachCombination)
{
    const struct {
        Qt::Alignment qt;
        ImageAlignment expected;
    } cases[] = {
        {Qt::AlignCenter, ImageAlignment::Center},
        {Qt::AlignTop | Qt::AlignHCenter, ImageAlignment::Top},
        {Qt::AlignTop | Qt::AlignLeft, ImageAlignment::TopLeft},
        {Qt::AlignTop | Qt::AlignRight, ImageAlignment::TopRight},
        {Qt::AlignLeft | Qt::AlignVCenter, ImageAlignment::Left},
        {Qt::AlignLeft, ImageAlignment::Left},
        {Qt::AlignBottom, ImageAlignment::Bottom},
        {Qt::AlignBottom | Qt::AlignLeft, ImageAlignment::BottomLeft},
        {Qt::AlignBottom | Qt::AlignRight, ImageAlignment::BottomRight},
        {Qt::AlignRight, ImageAlignment::Right},
        {Qt::Alignment(), ImageAlignment::Center},
    };
    for (const auto &c : cases)
        EXPECT_EQ(platform::imageAlignmentFromQt(c.qt), c.expected) << int(c.qt);
}

TEST(FlippedRect, TurnsYUpIntoYDownAndBack)
{
    const QRectF up(10, 20, 30, 40);
    const QRectF down = platform::flippedRect(up, 100);
    EXPECT_EQ(down, QRectF(10, 40, 30, 40));
    EXPECT_EQ(platform::flippedRect(down, 100), up);
}

} // namespace
