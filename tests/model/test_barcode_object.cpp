// The barcode object: its picture drawn whole and unscaled from the frame's origin, never a fill
// or a stroke, nothing when invisible, hit by its frame even without a picture.

#include "CardObjectSupport.h"

#include "model/SKTBarcode.h"

#include <QPainter>

using cardtest::drawn;
using cardtest::painted;

namespace {

platform::Picture solid(const QSize &size, const QColor &color)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(color);
    return platform::Picture::fromImage(image, QSizeF(size));
}

} // namespace

TEST(BarcodeObject, DrawsTheWholePictureAtItsOwnSizeFromTheOrigin)
{
    SKTBarcode barcode;
    barcode.Set_Barcode_image(solid(QSize(200, 80), Qt::red));
    barcode.setBounds(QRectF(10, 10, 120, 60));   // smaller than the picture
    const QImage image = drawn(barcode, QSize(260, 120), Qt::white);
    EXPECT_EQ(image.pixelColor(10, 10), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(209, 89), QColor(Qt::red));   // beyond the frame, inside the picture
    EXPECT_EQ(image.pixelColor(210, 50), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(100, 90), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(9, 10), QColor(Qt::white));
}

TEST(BarcodeObject, PicturesAreNeverSmoothed)
{
    QImage bars(2, 1, QImage::Format_ARGB32);
    bars.setPixelColor(0, 0, Qt::black);
    bars.setPixelColor(1, 0, Qt::white);
    SKTBarcode barcode;
    barcode.Set_Barcode_image(platform::Picture::fromImage(bars, QSizeF(2, 1)));
    barcode.setXPosition(0);
    barcode.setYPosition(0);
    const QImage image = drawn(barcode, QSize(2, 1), Qt::transparent, 16.0);
    for (int x = 0; x < image.width(); ++x) {
        const QColor c = image.pixelColor(x, 8);
        EXPECT_TRUE(c == QColor(Qt::black) || c == QColor(Qt::white)) << x;
    }
    EXPECT_EQ(image.pixelColor(15, 8), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(16, 8), QColor(Qt::white));
}

TEST(BarcodeObject, NeverFilledOrStrokedWhateverTheFieldsHold)
{
    QImage transparentHole(20, 20, QImage::Format_ARGB32);
    transparentHole.fill(Qt::black);
    for (int y = 5; y < 15; ++y)
        for (int x = 5; x < 15; ++x)
            transparentHole.setPixelColor(x, y, Qt::transparent);
    SKTBarcode barcode;
    barcode.Set_Barcode_image(platform::Picture::fromImage(transparentHole, QSizeF(20, 20)));
    barcode._isDrawingFill = true;
    barcode._fillColor = Qt::green;
    barcode._isDrawingStroke = true;
    barcode._strokeWidth = 6;
    barcode._strokeColor = Qt::blue;
    EXPECT_FALSE(barcode.isDrawingFill());
    EXPECT_FALSE(barcode.isDrawingStroke());
    barcode.setXPosition(10);
    barcode.setYPosition(10);
    const QImage image = drawn(barcode, QSize(40, 40), Qt::white);
    EXPECT_EQ(image.pixelColor(20, 20), QColor(Qt::white));   // the card shows through
    EXPECT_EQ(image.pixelColor(8, 20), QColor(Qt::white));    // no outline
    EXPECT_EQ(image.pixelColor(10, 10), QColor(Qt::black));
}

TEST(BarcodeObject, InvisibleDrawsNothingAndWithoutAPictureIsStillHit)
{
    SKTBarcode barcode;
    barcode.Set_Barcode_image(solid(QSize(30, 20), Qt::black));
    barcode.ctrl_is_visible = false;
    EXPECT_FALSE(painted(drawn(barcode, QSize(40, 40)), 5, 5));

    SKTBarcode empty(QPointF(50, 40), solid(QSize(30, 20), Qt::black));   // the picture argument is not used
    EXPECT_EQ(empty.bounds(), QRectF(50, 40, 0, 0));
    EXPECT_TRUE(empty._contents.isNull());
    empty.setBounds(QRectF(10, 10, 30, 20));
    EXPECT_TRUE(empty.isContentsUnderPoint(QPointF(20, 20)));
    const QImage image = drawn(empty, QSize(50, 40));
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ASSERT_FALSE(painted(image, x, y));
    empty.Set_Barcode_image(solid(QSize(30, 20), Qt::black));
    empty.barcode_image_var_assign();
    EXPECT_EQ(empty._contents.size(), QSizeF(30, 20));
}
