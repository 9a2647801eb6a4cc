// Pattern views: the banner's tiles start at the view's top-left corner and stay there when the view
// moves, is resized or repaints a part; the promotion pattern keeps the window's phase; the view's
// own picture is drawn over the pattern.

#include "imagetools/Promotion_Pattern.h"
#include "imagetools/Repeat_Image.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

// A 7 x 5 tile whose every pixel has its own colour, so a pixel tells where in the tile it is.
QImage tile()
{
    QImage t(7, 5, QImage::Format_RGB32);
    for (int y = 0; y < t.height(); ++y)
        for (int x = 0; x < t.width(); ++x)
            t.setPixel(x, y, qRgb(30 * x, 40 * y, 200));
    return t;
}

// The view's pixel (x, y) is the tile's pixel at that offset from anchor.
bool anchoredAt(const QImage &shot, const QPoint &origin, const QPoint &anchor)
{
    const QImage t = tile();
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x) {
            const int tx = (((origin.x() + x - anchor.x()) % 7) + 7) % 7;
            const int ty = (((origin.y() + y - anchor.y()) % 5) + 5) % 5;
            if (shot.pixel(x, y) != t.pixel(tx, ty))
                return false;
        }
    return true;
}

TEST(PatternViews, BannerTilesStartAtTheViewsTopLeftWhereverItIs)
{
    QWidget window;
    window.resize(300, 200);
    Repeat_Image banner(&window);
    banner.setPatternImage(tile());
    banner.setGeometry(13, 9, 60, 34);
    EXPECT_TRUE(anchoredAt(banner.grab().toImage(), {0, 0}, {0, 0}));
    banner.move(41, 22);   // moved
    EXPECT_TRUE(anchoredAt(banner.grab().toImage(), {0, 0}, {0, 0}));
    banner.resize(123, 57);   // resized
    EXPECT_TRUE(anchoredAt(banner.grab().toImage(), {0, 0}, {0, 0}));
    const QRect part(37, 11, 50, 20);   // a part repainted alone
    EXPECT_TRUE(anchoredAt(banner.grab(part).toImage(), part.topLeft(), {0, 0}));
}

TEST(PatternViews, ThePromotionPatternKeepsTheWindowsPhase)
{
    QWidget window;
    window.resize(300, 200);
    Promotion_Pattern view(&window);
    view.setPatternImage(tile());
    for (const QPoint at : {QPoint(13, 9), QPoint(40, 21)}) {
        view.setGeometry(QRect(at, QSize(60, 34)));
        // The tiles start at the window's corner: the view's pixel (0, 0) is the tile's at its position.
        EXPECT_TRUE(anchoredAt(view.grab().toImage(), {0, 0}, -at)) << at.x();
    }
}

TEST(PatternViews, ThePictureIsDrawnOverThePattern)
{
    Repeat_Image view;
    view.resize(40, 30);
    view.setPatternImage(tile());
    QImage red(10, 10, QImage::Format_RGB32);
    red.fill(Qt::red);
    view.setImageAlignment(Qt::AlignLeft | Qt::AlignTop);
    view.setPicture(platform::Picture::fromImage(red, QSizeF(10, 10)));
    const QImage shot = view.grab().toImage();
    EXPECT_EQ(shot.pixel(3, 3), qRgb(255, 0, 0));
    EXPECT_EQ(shot.pixel(20, 20), tile().pixel(20 % 7, 20 % 5));
    // Without a pattern the area is a plain light blue.
    Repeat_Image plain;
    plain.resize(20, 10);
    EXPECT_EQ(plain.grab().toImage().pixel(5, 5), qRgb(219, 226, 238));
}

} // namespace
