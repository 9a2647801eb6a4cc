// The picture effect chain: each effect on plain images, the flips, the rotation inside the box,
// and what the chain leaves alone.

#include "imaging/ImageEffects.h"
#include "imaging/ImageProcesser.h"

#include <QColor>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

QImage solid(const QSize &size, const QColor &colour)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(colour);
    return image;
}

// Left half red, right half blue.
QImage halves(const QSize &size)
{
    QImage image = solid(size, Qt::blue);
    QPainter p(&image);
    p.fillRect(QRect(0, 0, size.width() / 2, size.height()), Qt::red);
    return image;
}

platform::Picture chain(const platform::Picture &source, bool grey = false, bool sepia = false, bool invert = false,
                        float hue = 0, float sat = 1, float brt = 0, float con = 1, int rotate = 0, float sharp = 0,
                        float ev = 0, float blur = 0, float transparency = 100, bool flipH = false, bool flipV = false)
{
    return ImageProcesser::Get_Processed_Image_Full_Combined(source, grey, sepia, invert, hue, sat, brt, con, rotate,
                                                             sharp, ev, blur, transparency, true, flipH, flipV, false,
                                                             QRectF(5, 5, 10, 10));
}

QColor at(const platform::Picture &p, int x, int y) { return p.image().pixelColor(x, y); }

bool near(const QColor &a, const QColor &b, int tolerance = 3)
{
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance && std::abs(a.alpha() - b.alpha()) <= tolerance;
}

TEST(ImageEffects, DefaultsGiveTheSamePictureAtTheSameSize)
{
    const platform::Picture source = platform::Picture::fromImage(halves(QSize(40, 20)), QSizeF(80, 40));
    const platform::Picture out = chain(source);
    ASSERT_FALSE(out.isNull());
    EXPECT_EQ(out.size(), QSizeF(80, 40));
    EXPECT_EQ(out.image().size(), QSize(40, 20));
    for (const QPoint p : {QPoint(2, 2), QPoint(37, 17), QPoint(19, 10), QPoint(20, 10)})
        EXPECT_TRUE(near(at(out, p.x(), p.y()), source.image().pixelColor(p))) << p.x();
    EXPECT_TRUE(chain(platform::Picture()).isNull());
}

TEST(ImageEffects, ColourEffects)
{
    const QImage red = solid(QSize(8, 8), QColor(200, 40, 40));
    const QColor grey = imageeffects::Monochrome(red, QColor::fromRgbF(0.5f, 0.5f, 0.5f), 1.0).pixelColor(4, 4);
    EXPECT_EQ(grey.red(), grey.green());
    EXPECT_EQ(grey.green(), grey.blue());
    EXPECT_NEAR(grey.red(), 0.2125 * 200 + 0.7154 * 40 + 0.0721 * 40, 2);   // the luminance

    const QColor toned = imageeffects::Sepia(solid(QSize(4, 4), QColor(128, 128, 128)), 1.0).pixelColor(1, 1);
    EXPECT_GT(toned.red(), toned.green());
    EXPECT_GT(toned.green(), toned.blue());

    const QColor turned = imageeffects::HueAdjust(red, std::numbers::pi).pixelColor(1, 1);
    EXPECT_LT(turned.red(), turned.green());   // red turned half round goes towards cyan
    EXPECT_NEAR(turned.green(), turned.blue(), 2);
    const QColor stillGrey = imageeffects::HueAdjust(solid(QSize(2, 2), QColor(90, 90, 90)), 1.3).pixelColor(0, 0);
    EXPECT_TRUE(near(stillGrey, QColor(90, 90, 90), 1));

    const struct {
        double sat, brt, con;
        QColor expected;
    } controls[] = {
        {1, 0, 1, QColor(200, 40, 40)},      // nothing changes
        {0, 0, 1, QColor(74, 74, 74)},       // no saturation: the luminance
        {1, 0.2, 1, QColor(251, 91, 91)},    // brightness adds
        {1, 0, 0, QColor(128, 128, 128)},    // no contrast: middle grey
    };
    for (const auto &k : controls)
        EXPECT_TRUE(near(imageeffects::ColorControls(red, k.sat, k.brt, k.con).pixelColor(3, 3), k.expected, 2))
            << k.sat << " " << k.brt << " " << k.con;

    const QColor exposed = imageeffects::ExposureAdjust(solid(QSize(2, 2), QColor(100, 100, 100)), 1.0).pixelColor(0, 0);
    EXPECT_NEAR(exposed.red(), 137, 2);   // twice the light of sRGB 100
}

TEST(ImageEffects, GreyAndSepiaTogetherToneTheGreyPicture)
{
    const platform::Picture source = platform::Picture::fromImage(solid(QSize(6, 6), QColor(30, 200, 60)));
    const QColor both = at(chain(source, true, true), 3, 3);
    const QColor sepiaOnly = at(chain(source, false, true), 3, 3);
    const QColor greyFirst = imageeffects::Sepia(imageeffects::Monochrome(source.image(), QColor(128, 128, 128), 1), 1)
                                 .pixelColor(3, 3);
    EXPECT_TRUE(near(both, greyFirst, 2));
    EXPECT_FALSE(near(both, sepiaOnly, 2));
}

TEST(ImageEffects, SharpenAndBlur)
{
    QImage edge = solid(QSize(20, 20), Qt::black);
    QPainter(&edge).fillRect(QRect(10, 0, 10, 20), Qt::white);
    const QImage sharp = imageeffects::SharpenLuminance(edge, 1.0);
    EXPECT_LT(sharp.pixelColor(9, 10).red(), 5);      // the dark side darker (clamped at black)
    EXPECT_EQ(sharp.pixelColor(10, 10).red(), 255);
    EXPECT_EQ(imageeffects::SharpenLuminance(edge, 0), edge.convertToFormat(QImage::Format_ARGB32_Premultiplied));

    // Blur 10 is a radius of 1: the same pixel size, the edge softened, the border fading out.
    const platform::Picture blurred = chain(platform::Picture::fromImage(edge), false, false, false, 0, 1, 0, 1, 0, 0, 0, 10);
    EXPECT_EQ(blurred.image().size(), QSize(20, 20));
    const int mid = at(blurred, 10, 10).red();
    EXPECT_GT(mid, 100);
    EXPECT_LT(mid, 250);
    EXPECT_LT(at(blurred, 0, 10).alpha(), 255);
    EXPECT_EQ(at(blurred, 5, 10).alpha(), 255);
}

TEST(ImageEffects, FlipsAndRotation)
{
    const platform::Picture source = platform::Picture::fromImage(halves(QSize(200, 100)));
    const platform::Picture turned = chain(source, false, false, false, 0, 1, 0, 1, 0, 0, 0, 0, 100, true, true);
    EXPECT_TRUE(near(at(turned, 10, 50), QColor(Qt::blue)));   // both flips: half a turn
    EXPECT_TRUE(near(at(turned, 190, 50), QColor(Qt::red)));
    const platform::Picture mirrored = chain(source, false, false, false, 0, 1, 0, 1, 0, 0, 0, 0, 100, true, false);
    EXPECT_TRUE(near(at(mirrored, 10, 50), QColor(Qt::blue)));

    EXPECT_EQ(ImageProcesser::Rotated_Bounding_Size(QSizeF(200, 100), 90).toSize(), QSize(100, 200));
    // A quarter turn clockwise: the canvas is 100 x 200, stretched back into 200 x 100; the left
    // (red) half is now on top.
    const platform::Picture quarter = chain(source, false, false, false, 0, 1, 0, 1, 90);
    EXPECT_EQ(quarter.image().size(), QSize(200, 100));
    EXPECT_EQ(quarter.size(), source.size());
    EXPECT_TRUE(near(at(quarter, 100, 10), QColor(Qt::red), 10));
    EXPECT_TRUE(near(at(quarter, 100, 90), QColor(Qt::blue), 10));
    const platform::Picture back = chain(source, false, false, false, 0, 1, 0, 1, -90);
    EXPECT_TRUE(near(at(back, 100, 10), QColor(Qt::blue), 10));
}

TEST(ImageEffects, InvertAndTransparencyAreNotApplied)
{
    const platform::Picture source = platform::Picture::fromImage(solid(QSize(4, 4), QColor(10, 120, 220)));
    EXPECT_TRUE(near(at(chain(source, false, false, true), 1, 1), QColor(10, 120, 220)));
    EXPECT_TRUE(near(at(chain(source, false, false, false, 0, 1, 0, 1, 0, 0, 0, 0, 20), 1, 1), QColor(10, 120, 220)));
}

} // namespace
